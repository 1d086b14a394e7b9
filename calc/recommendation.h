#pragma once

#include <span>
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

}  // namespace jet
