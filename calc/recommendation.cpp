#include "calc/recommendation.h"

#include <string>

namespace jet {
namespace {

// Each band's lower bound, from dense to thin air. Each band ends where the
// band above it starts; a pair band 0.0001 wide lies just below each single
// size's band. The bottom band is open at zero as well: it takes every
// density above 0.
constexpr std::array<double, kBandCount> kLower = {
    0.0794, 0.0793, 0.0774, 0.0773, 0.0756, 0.0755, 0.0737,
    0.0736, 0.0719, 0.0718, 0.0701, 0.07,   0.0,
};

constexpr std::string_view kRecommended = "推奨  ";

// The table with its texts, written once from the bands, and kept for the
// life of the program: SelectRecommendation hands out views of them.
const std::array<DensityBand, kBandCount>& Table() {
  static const auto texts = [] {
    std::array<std::string, kBandCount> written;
    for (int band = 0; band < kBandCount; ++band)
      written[static_cast<std::size_t>(band)] = std::string(kRecommended) + BandJets(band);
    return written;
  }();
  static const auto table = [] {
    std::array<DensityBand, kBandCount> rows{};
    for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = {kLower[row], texts[row]};
    return rows;
  }();
  return table;
}

}  // namespace

std::span<const DensityBand> RecommendationTable() {
  return Table();
}

std::optional<int> SelectBand(double D) {
  for (int band = 0; band + 1 < kBandCount; ++band)
    if (D >= kLower[static_cast<std::size_t>(band)]) return band;
  if (D > kLower.back()) return kBandCount - 1;
  // Zero, negative zero, negative densities and NaN.
  return std::nullopt;
}

JetOutcome SelectRecommendation(double D) {
  const std::optional<int> band = SelectBand(D);
  if (!band) return {JetOutcome::Kind::Clear, {}};
  return {JetOutcome::Kind::ShowText, Table()[static_cast<std::size_t>(*band)].text};
}

std::string BandJets(int band) {
  if (band < 0) return std::to_string(kJetSizes.front()) + " 以上";
  if (band >= kBandCount) return std::to_string(kJetSizes.back()) + " 以下";
  const auto size = [](int index) {
    return std::to_string(kJetSizes[static_cast<std::size_t>(index)]);
  };
  if (band % 2 == 0) return size(band / 2);
  return size((band - 1) / 2) + "-" + size((band + 1) / 2);
}

}  // namespace jet
