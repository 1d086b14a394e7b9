#pragma once

#include <ctime>
#include <string>
#include <string_view>

// The numbers behind a recommendation, for the result box's tooltip and for
// a line in the tuner's logbook.
namespace jet::form {

// The result box's menu item and key that copy the logbook line.
inline constexpr std::string_view kCopyResultCaption = "結果をコピー";

// What a Select that showed a recommendation read and found.
struct Answer {
  std::string temperature, pressure, humidity;  // as typed, without blanks around
  double density;                               // lb/ft³: the double that chose the band
  int band;                                     // the table's band (calc/recommendation.h)
  double T, P, RH;                              // the readings as read: °C, hPa, %
  int offset = 0;  // sizes this engine runs richer than the table; 0: the table's
};

// The result box's text for the answer: the table's "推奨  165", or this
// engine's "補正  168".
std::string Shown(const Answer& answer);

// An offset in the tuners' words: "表より 1 番手濃い", "表より 2 番手薄い",
// "表どおり".
std::string OffsetWords(int offset);

// The density in lb/ft³ and kg/m³, the relative air density against
// standard air, the density altitude and the band the density lies in, the
// engine's offset when there is one, then how far temperature, pressure and humidity may each move
// before the jet changes, and to what. Several lines, UTF-8.
std::string Explain(const Answer& answer);

// Explain's line of the density altitude, "密度高度  298 m", with no line end.
std::string DensityAltitudeLine(const Answer& answer);

// The last lines of Explain: the readings at which the jet changes.
std::string HoldingLines(const Answer& answer);

// One tab-separated line for a spreadsheet: local date and time (ISO 8601,
// to the minute), the three readings, the density in lb/ft³ and kg/m³, the
// relative air density in %, the recommendation as the result box shows it
// and the engine's offset in sizes ("+1", "0", "-2"). No line end.
std::string LogbookLine(const Answer& answer, const std::tm& local_time);

// The same line with its first cell as given: a time of day, say.
std::string LogbookLine(const Answer& answer, std::string_view stamp);

// The same line, stamped with the current local time.
std::string LogbookLine(const Answer& answer);

// A reading as the logbook keeps it: blanks around it dropped, tabs and line
// breaks inside it made spaces, so that it stays one cell.
std::string Trimmed(std::string_view text);

}  // namespace jet::form
