#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace jet {

// What a Select does to the result box.
struct JetOutcome {
  enum class Kind { ShowText, Clear };
  Kind kind;
  std::string_view text;  // UTF-8, e.g. "推奨  168"; empty for Clear
};

// Maps an air density in lb/ft³ to the recommended main jet: a single size, or
// two neighbouring sizes in the narrow band between them. A density of zero or
// below (no real air) clears the result box rather than leave a recommendation
// that belongs to other readings. Never fails.
JetOutcome SelectRecommendation(double D);

// One row of the recommendation table: the densities from `lower` (lb/ft³,
// included) up to the lower bound of the row above (excluded), or without
// end for the first row. The last row's lower bound, 0, is excluded.
struct DensityBand {
  double lower;
  std::string_view text;
};

// The table that SelectRecommendation reads, from dense to thin air.
std::span<const DensityBand> RecommendationTable();

// The main-jet sizes, richest first: size index 0 … 6.
inline constexpr std::array<int, 7> kJetSizes = {175, 172, 170, 168, 165, 162, 160};

// A recommendation is a band: its row in the table, 0 … 12 from dense to
// thin air. An even band holds size band / 2 alone; an odd one the pair of
// sizes (band − 1) / 2 and (band + 1) / 2, the richer first.
inline constexpr int kBandCount = 13;

// The band of a density, or nothing where SelectRecommendation clears the
// box (zero, below zero, NaN).
std::optional<int> SelectBand(double D);

// The band's jets as a person reads them: "168", "170-168". An engine's band
// may lie past either end of the table: below 0 is "175 以上", above 12
// "160 以下".
std::string BandJets(int band);

}  // namespace jet
