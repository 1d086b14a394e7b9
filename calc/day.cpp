#include "calc/day.h"

#include "calc/engine.h"

namespace jet {
namespace {

constexpr int kMinutesInDay = 24 * 60;

// A reading a fraction w of the way from a to b. 1 − w, the two products
// and the sum are each rounded (the build never fuses them), so that w = 0
// gives a and w = 1 gives b exactly.
double Between(double a, double b, double w) {
  const double rest = 1 - w;
  const double from_a = a * rest;
  const double from_b = b * w;
  return from_a + from_b;
}

}  // namespace

std::optional<int> EngineBandFor(double T, double P, double RH, int offset) {
  const std::optional<int> band = BandFor(T, P, RH);
  if (!band) return std::nullopt;
  return EngineBand(*band, offset);
}

bool IsDay(std::span<const DayRow> rows) {
  if (rows.size() < 2) return false;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].minute < 0 || rows[i].minute >= kMinutesInDay) return false;
    if (i > 0 && rows[i].minute <= rows[i - 1].minute) return false;
  }
  return true;
}

std::vector<std::optional<int>> DayBands(std::span<const DayRow> rows, int offset) {
  std::vector<std::optional<int>> bands;
  if (!IsDay(rows)) return bands;
  const DayRow& first = rows.front();
  bands.reserve(static_cast<std::size_t>(rows.back().minute - first.minute + 1));
  bands.push_back(
      EngineBandFor(first.temperature_c, first.pressure_mb, first.humidity_pct, offset));
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const DayRow& a = rows[i - 1];
    const DayRow& b = rows[i];
    const double span = b.minute - a.minute;
    for (int m = a.minute + 1; m <= b.minute; ++m) {
      const double w = (m - a.minute) / span;
      bands.push_back(EngineBandFor(Between(a.temperature_c, b.temperature_c, w),
                                    Between(a.pressure_mb, b.pressure_mb, w),
                                    Between(a.humidity_pct, b.humidity_pct, w), offset));
    }
  }
  return bands;
}

std::vector<JetChange> ChangesIn(std::span<const std::optional<int>> bands, int first_minute) {
  std::vector<JetChange> changes;
  for (std::size_t i = 1; i < bands.size(); ++i)
    if (bands[i] != bands[i - 1])
      changes.push_back({first_minute + static_cast<int>(i), bands[i - 1], bands[i]});
  return changes;
}

std::vector<JetChange> DayChanges(std::span<const DayRow> rows, int offset) {
  if (!IsDay(rows)) return {};
  return ChangesIn(DayBands(rows, offset), rows.front().minute);
}

}  // namespace jet
