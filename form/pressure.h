#pragma once

#include <span>
#include <string>
#include <string_view>

#include "form/layout.h"

// The pressure converter: a small dialog that turns the sea-level pressure of
// a weather report into the pressure at the track, and writes it into the
// pressure box. Its table and its reading, for every front end.
namespace jet::form {

// The pressure box's menu item (with its access key) and the web page's
// button that open the dialog, and the dialog's title.
inline constexpr std::string_view kPressureMenuItem = "海面気圧から換算(&K)…";
inline constexpr std::string_view kPressureButton = "海面気圧から換算…";
inline constexpr std::string_view kPressureTitle = "海面気圧から換算";

inline constexpr int kPressureWidth = 5175;   // twips: 345 pixels at 96 dpi
inline constexpr int kPressureHeight = 3840;  // twips: 256 pixels at 96 dpi

// The dialog's ten controls in the order a front end creates them, each
// label just before its field: the line that says what the dialog is for,
// the sea-level pressure, the altitude and the temperature with their
// labels, the result line, Apply and Cancel.
std::span<const Control> PressureControls();

// What the dialog shows for its three fields' texts (UTF-8).
struct Station {
  // The result line: the pressure at the track, "現地気圧  956.0 hPa", or
  // in one short line which field is wrong and why.
  std::string line;
  // The text Apply writes into the pressure box, "956.0": the pressure
  // rounded half away from zero to 0.1 hPa, in ASCII. Empty while a field is
  // wrong, and then nothing may be written.
  std::string pressure;
};

// Reads the three fields strictly (the whole text one number, blanks around
// it aside, in the spellings the main window reads) and checks their ranges:
// sea level 870 to 1085 hPa, altitude −500 to 5000 m, temperature −50 to
// 60 ℃. The first wrong field, in that order, is the one named. Never throws.
Station ReadStation(std::string_view sea_level, std::string_view altitude,
                    std::string_view temperature);

}  // namespace jet::form
