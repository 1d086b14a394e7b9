#include "calc/engine.h"

#include <algorithm>

#include "calc/air_density.h"
#include "calc/recommendation.h"

namespace jet {

std::optional<int> BandFor(double T, double P, double RH) {
  return SelectBand(AirDensity(T, P, RH / 100));
}

int EngineBand(int band, int offset) {
  // Any offset of the table's width or more goes past an end.
  const int shift = std::clamp(offset, -kBandCount, kBandCount);
  return std::clamp(band - 2 * shift, -1, kBandCount);
}

int OffsetFrom(int band, int size_index) {
  // A single size's band is 2·size; a pair's two sizes lie one band to
  // either side of it, and both are the table's own.
  const int richer = band / 2, leaner = (band + 1) / 2;
  if (size_index < richer) return richer - size_index;
  if (size_index > leaner) return leaner - size_index;
  return 0;
}

std::optional<int> EngineOffset(double T, double P, double RH, int jet_size) {
  const auto size = std::find(kJetSizes.begin(), kJetSizes.end(), jet_size);
  const std::optional<int> band = BandFor(T, P, RH);
  if (size == kJetSizes.end() || !band) return std::nullopt;
  return OffsetFrom(*band, static_cast<int>(size - kJetSizes.begin()));
}

std::string EngineText(int band, int offset) {
  if (offset == 0) return std::string(RecommendationTable()[static_cast<std::size_t>(band)].text);
  return "補正  " + BandJets(EngineBand(band, offset));
}

std::string EngineRecommendation(double T, double P, double RH, int offset) {
  const std::optional<int> band = BandFor(T, P, RH);
  return band ? EngineText(*band, offset) : std::string();
}

}  // namespace jet
