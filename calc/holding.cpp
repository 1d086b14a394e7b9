#include "calc/holding.h"

#include <string_view>

#include "calc/air_density.h"
#include "calc/recommendation.h"

namespace jet {
namespace {

// The recommendation Select shows for the readings, or an empty text when it
// shows none. The texts are the table's own, so equal texts mean one band.
std::string_view Shown(double T, double P, double RH) {
  try {
    const JetOutcome outcome = SelectRecommendation(ComputeAirDensity(T, P, RH / 100));
    return outcome.kind == JetOutcome::Kind::ShowText ? outcome.text : std::string_view();
  } catch (const ArithmeticFault&) {
    return {};
  }
}

// The lowest and highest k in [first, last] whose grid value k / divisor
// shows `text`. Searched inward from both edges, so the answer is the one
// every grid value would give even where the density is not monotonic (a
// negative humidity, say): nothing between the two ends is assumed.
template <typename ShownAt>
std::optional<Holding> Search(int first, int last, double divisor, std::string_view text,
                              ShownAt shown_at) {
  if (text.empty()) return std::nullopt;
  int low = first;
  while (low <= last && shown_at(low / divisor) != text) ++low;
  if (low > last) return std::nullopt;
  int high = last;
  while (shown_at(high / divisor) != text) --high;
  return Holding{low / divisor, high / divisor};
}

}  // namespace

std::optional<Holding> TemperatureHolding(double T, double P, double RH) {
  return Search(-500, 600, 10.0, Shown(T, P, RH), [&](double t) { return Shown(t, P, RH); });
}

std::optional<Holding> PressureHolding(double T, double P, double RH) {
  return Search(8000, 11000, 10.0, Shown(T, P, RH), [&](double p) { return Shown(T, p, RH); });
}

std::optional<Holding> HumidityHolding(double T, double P, double RH) {
  return Search(0, 100, 1.0, Shown(T, P, RH), [&](double rh) { return Shown(T, P, rh); });
}

}  // namespace jet
