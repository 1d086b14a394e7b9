#include "calc/holding.h"

#include "calc/engine.h"
#include "calc/recommendation.h"

namespace jet {

std::string_view RecommendationFor(double T, double P, double RH) {
  const std::optional<int> band = BandFor(T, P, RH);
  return band ? RecommendationTable()[static_cast<std::size_t>(*band)].text : std::string_view();
}

double Readings::Of(Reading reading) const {
  switch (reading) {
    case Reading::Temperature:
      return T;
    case Reading::Pressure:
      return P;
    case Reading::Humidity:
      break;
  }
  return RH;
}

Readings Readings::With(Reading reading, double value) const {
  Readings changed = *this;
  (reading == Reading::Temperature ? changed.T
   : reading == Reading::Pressure  ? changed.P
                                   : changed.RH) = value;
  return changed;
}

ReadingGrid GridOf(Reading reading) {
  switch (reading) {
    case Reading::Temperature:
      return {-500, 600, 10.0};
    case Reading::Pressure:
      return {8000, 11000, 10.0};
    case Reading::Humidity:
      break;
  }
  return {0, 100, 1.0};
}

std::optional<int> EngineBandFor(const Readings& r, int offset) {
  const std::optional<int> band = BandFor(r.T, r.P, r.RH);
  if (!band) return std::nullopt;
  return EngineBand(*band, offset);
}

// The lowest and highest grid value that shows the readings' own band.
// Searched inward from both edges, so the answer is the one every grid value
// would give even where the density is not monotonic (a negative humidity,
// say): nothing between the two ends is assumed.
std::optional<Holding> HoldingOf(Reading reading, const Readings& readings, int offset) {
  const std::optional<int> band = EngineBandFor(readings, offset);
  if (!band) return std::nullopt;
  const ReadingGrid grid = GridOf(reading);
  auto shows = [&](int k) {
    return EngineBandFor(readings.With(reading, grid.Value(k)), offset) == band;
  };
  int low = grid.first;
  while (low <= grid.last && !shows(low)) ++low;
  if (low > grid.last) return std::nullopt;
  int high = grid.last;
  while (!shows(high)) --high;
  return Holding{grid.Value(low), grid.Value(high)};
}

std::optional<Holding> TemperatureHolding(double T, double P, double RH) {
  return HoldingOf(Reading::Temperature, {T, P, RH}, 0);
}

std::optional<Holding> PressureHolding(double T, double P, double RH) {
  return HoldingOf(Reading::Pressure, {T, P, RH}, 0);
}

std::optional<Holding> HumidityHolding(double T, double P, double RH) {
  return HoldingOf(Reading::Humidity, {T, P, RH}, 0);
}

}  // namespace jet
