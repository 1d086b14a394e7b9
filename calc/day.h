#pragma once

#include <optional>
#include <span>
#include <vector>

// The race day from the hourly forecast: the jet at every minute between the
// forecast's rows, and the minutes at which it changes.
namespace jet {

// One row of the day's forecast: the minute of the day (0 … 1439; 10:30 is
// 630) and the readings at the track as Select reads them (°C, mb, %).
struct DayRow {
  int minute;
  double temperature_c, pressure_mb, humidity_pct;
};

// Where the engine's band changes: the first minute with the new band;
// bands as EngineBand gives them (−1 … 13), empty where Select shows no
// recommendation.
struct JetChange {
  int minute;
  std::optional<int> from, to;
};

// The engine's band for one minute's readings: the band Select shows,
// moved as EngineBand moves it; empty where Select shows none.
std::optional<int> EngineBandFor(double temperature_c, double pressure_mb, double humidity_pct,
                                 int offset);

// Whether the rows make a day: two or more, their minutes within 0 … 1439
// and strictly rising.
bool IsDay(std::span<const DayRow> rows);

// The engine's band at every minute from the first row's to the last's
// (element i is minute rows[0].minute + i), each reading on a straight line
// between the rows on either side of it; empty unless IsDay.
std::vector<std::optional<int>> DayBands(std::span<const DayRow> rows, int offset);

// Each minute whose band differs from the minute before, in increasing
// minutes; empty unless IsDay.
std::vector<JetChange> DayChanges(std::span<const DayRow> rows, int offset);

// The same from DayBands' answer for a day that starts at `first_minute`.
std::vector<JetChange> ChangesIn(std::span<const std::optional<int>> bands, int first_minute);

}  // namespace jet
