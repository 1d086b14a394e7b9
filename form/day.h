#pragma once

#include <array>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "form/chart.h"
#include "form/layout.h"

// 一日の見通し: the race day planned from the hourly forecast. A few rows of
// time, temperature, pressure and humidity give the jet for each row, the
// minute at which each change falls, and a picture of the day. Its table,
// its reading and its picture, for every front end. Nothing is kept once
// the program closes.
namespace jet::form {

// The result box's menu item (with its access key), the web page's button,
// the dialog's title and its two buttons.
inline constexpr std::string_view kDayMenuItem = "一日の見通し(&D)…";
inline constexpr std::string_view kDayButton = "一日の見通し…";
inline constexpr std::string_view kDayTitle = "一日の見通し";

inline constexpr int kDayRows = 6;
inline constexpr int kDayWidth = 7200;   // twips: 480 pixels at 96 dpi
inline constexpr int kDayHeight = 7275;  // twips: 485 pixels at 96 dpi
// Where the picture of the day goes, between the line and the buttons.
inline constexpr Rect kDayPicture{120, 5100, 6960, 1560};

// A row's four fields, left to right.
enum class DayColumn { Time, Temperature, Pressure, Humidity };
inline constexpr int kDayColumns = 4;

// The dialog's controls in the order a front end creates them: what the
// dialog is for, the altitude with its label and a note, the columns'
// captions, then row by row its number, its four fields (each named for
// screen readers by its row and column, "2 行目 気温") and its answer, then
// the plan's line, コピー and 閉じる.
std::span<const Control> DayControls();

// The names of a row's field and answer (rows from 0): "txtDayTemp2",
// "lblDayJet2".
std::string_view DayFieldName(int row, DayColumn column);
std::string_view DayJetName(int row);

// The fields' texts (UTF-8).
struct DayFields {
  std::string altitude;
  std::array<std::array<std::string, kDayColumns>, kDayRows> rows;
};

// What the fields hold when the dialog first opens: the main window's three
// boxes as typed and the time now in row 1, the other rows blank, and the
// converter's altitude (blank when it has none).
DayFields FirstDayFields(std::string temperature, std::string pressure, std::string humidity,
                         std::string altitude, const std::tm& now);

// What the dialog shows for its fields.
struct DayPlan {
  // The plan in words ("8:00 は 170、9:03 から 170-168、…"), and the engine's
  // offset when one is applied; or in one short line which field is wrong
  // and why.
  std::string line;
  // Each row's answer, the text the result box would show for it; blank for
  // a blank row and while a field is wrong.
  std::array<std::string, kDayRows> jets;
  // What コピー puts on the clipboard: a tab-separated line per row as the
  // logbook has it, with the row's time for the date and the pressure at
  // the track, then a line per change, its time and the new text. Empty
  // while a field is wrong or no row is filled, and then nothing is copied.
  std::string copy;
  // The picture of the day, with two rows or more.
  std::optional<Chart> picture;
};

// Reads the fields strictly, as the pressure converter does: the altitude
// (blank, or −500 to 5000 m), and for each row that is not wholly blank its
// time (H:MM, 0:00 to 23:59), temperature (−50 to 60 ℃), pressure (the
// track's, 500 to 1100 hPa; with an altitude the sea-level pressure, 870 to
// 1085 hPa, brought to the track as the converter brings it) and humidity
// (0 to 100 %). The times must rise from row to row. The first wrong field
// is the one named. Never throws.
DayPlan ReadDay(const DayFields& fields, int offset);

// A minute of the day as the dialog writes it: "9:03".
std::string DayTime(int minute);

// A time typed as H:MM or HH:MM (full-width digits and ： too, blanks
// around it aside) as the minute of the day; nothing unless 0:00 … 23:59.
std::optional<int> ReadDayTime(std::string_view text);

}  // namespace jet::form
