#pragma once

#include <optional>
#include <string_view>

// How far one reading may move before Select shows another recommendation:
// the answer's reach in the tuner's own units.
namespace jet {

// The recommendation Select shows for the readings (°C, hPa, %), or an
// empty text when it shows none: the box is cleared or the formula fails.
std::string_view RecommendationFor(double temperature_c, double pressure_mb, double humidity_pct);

// Both ends are grid values, and both belong to the run.
struct Holding {
  double lowest, highest;
};

// The readings are as Select reads them from the boxes: °C, mb (hPa) and
// humidity in % (divided by 100 as Select divides it). Each function varies
// one reading over its grid, holds the other two, and gives the lowest and
// the highest grid value at which Select shows the same recommendation as
// for the readings given: exactly what evaluating every grid value would
// give. An end at the grid's edge means "and beyond".
//
// Grids: temperature −50.0 … 60.0 °C and pressure 800.0 … 1100.0 hPa in
// steps of 0.1 (the value for k is k / 10.0, what the text "16.5" reads as),
// humidity 0 … 100 % in steps of 1.
//
// Empty when the readings themselves show no recommendation (the box is
// cleared, or the formula fails) or when no grid value shows theirs.
std::optional<Holding> TemperatureHolding(double temperature_c, double pressure_mb,
                                          double humidity_pct);
std::optional<Holding> PressureHolding(double temperature_c, double pressure_mb,
                                       double humidity_pct);
std::optional<Holding> HumidityHolding(double temperature_c, double pressure_mb,
                                       double humidity_pct);

// The same for any of the three readings, on an engine `offset` sizes richer
// than the table (calc/engine.h): the runs of the engine's band, in which
// everything past an end of the table is one band.
enum class Reading { Temperature, Pressure, Humidity };

struct Readings {
  double T, P, RH;  // °C, hPa, %

  double Of(Reading reading) const;
  // The same readings with one of them replaced.
  Readings With(Reading reading, double value) const;
};

// A reading's grid: the values k / divisor for k = first … last.
struct ReadingGrid {
  int first, last;
  double divisor;
  double Value(int k) const { return k / divisor; }
};
ReadingGrid GridOf(Reading reading);

std::optional<Holding> HoldingOf(Reading reading, const Readings& readings, int offset);

// The engine's band at those readings (calc/engine.h), or nothing where
// Select shows no recommendation.
std::optional<int> EngineBandFor(const Readings& readings, int offset);

}  // namespace jet
