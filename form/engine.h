#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "form/answer.h"
#include "form/layout.h"

// 基準合わせ: the dialog in which one day that ran right tells this engine's
// offset from the table, in sizes, and from then on every answer is this
// engine's. Its table, its reading and what it remembers, for every front
// end. Nothing is kept once the program closes.
namespace jet::form {

// The result box's menu item (with its access key), the web page's button
// and the dialog's title.
inline constexpr std::string_view kEngineMenuItem = "基準合わせ(&K)…";
inline constexpr std::string_view kEngineButton = "基準合わせ…";
inline constexpr std::string_view kEngineTitle = "基準合わせ";

inline constexpr int kEngineWidth = 5175;   // twips: 345 pixels at 96 dpi
inline constexpr int kEngineHeight = 4800;  // twips: 320 pixels at 96 dpi

// The dialog's controls in the order a front end creates them, each label
// just before its field: what the dialog is for, the day's temperature,
// pressure and humidity, the jet that ran right (a choice of the seven
// sizes), the line that says what they mean, Apply, Reset and Cancel.
std::span<const Control> EngineControls();

// The choices of the jet field, richest first: "175" … "160".
std::string JetChoice(int size_index);

// What the fields hold when the dialog first opens: the main window's three
// boxes as typed, and the size the last Select showed (the richer of a
// pair), else 168. From then on they keep what was typed.
struct EngineFields {
  std::string temperature, pressure, humidity;
  int size_index;
};
EngineFields FirstEngineFields(std::string temperature, std::string pressure, std::string humidity,
                               const std::optional<Answer>& last);

// What the dialog shows for its fields.
struct EngineReading {
  // "その日の表は 推奨  168" and "このエンジンは表より 1 番手濃い" and, when
  // the main window shows an answer, what it becomes: "今は 補正  168 (表は
  // 推奨  165)", each on a line of its own. Or in one short line which field
  // is wrong and why.
  std::string line;
  // The offset Apply sets; empty while a field is wrong, and then nothing
  // may be applied.
  std::optional<int> offset;
};

// Reads the three readings strictly, as the pressure converter does, and
// checks their ranges: temperature −50 to 60 ℃, pressure 500 to 1100 hPa,
// humidity 0 to 100 %. The first wrong field is the one named. Never throws.
EngineReading ReadEngine(const EngineFields& fields, const std::optional<Answer>& last);

}  // namespace jet::form
