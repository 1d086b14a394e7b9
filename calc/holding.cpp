#include "calc/holding.h"

#include "calc/air_density.h"
#include "calc/recommendation.h"

namespace jet {

std::string_view RecommendationFor(double T, double P, double RH) {
  try {
    const JetOutcome outcome = SelectRecommendation(ComputeAirDensity(T, P, RH / 100));
    return outcome.kind == JetOutcome::Kind::ShowText ? outcome.text : std::string_view();
  } catch (const ArithmeticFault&) {
    return {};
  }
}

namespace {

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
  return Search(-500, 600, 10.0, RecommendationFor(T, P, RH),
                [&](double t) { return RecommendationFor(t, P, RH); });
}

std::optional<Holding> PressureHolding(double T, double P, double RH) {
  return Search(8000, 11000, 10.0, RecommendationFor(T, P, RH),
                [&](double p) { return RecommendationFor(T, p, RH); });
}

std::optional<Holding> HumidityHolding(double T, double P, double RH) {
  return Search(0, 100, 1.0, RecommendationFor(T, P, RH),
                [&](double rh) { return RecommendationFor(T, P, rh); });
}

}  // namespace jet
