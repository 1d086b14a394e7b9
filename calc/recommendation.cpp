#include "calc/recommendation.h"

#include <array>

namespace jet {
namespace {

// From dense to thin air. Each band ends where the band above it starts; a
// pair band 0.0001 wide lies just below each single size's band. The bottom
// band is open at zero as well: it takes every density above 0.
constexpr std::array<DensityBand, 13> Table = {{
    {0.0794, "推奨  175"},
    {0.0793, "推奨  175-172"},
    {0.0774, "推奨  172"},
    {0.0773, "推奨  172-170"},
    {0.0756, "推奨  170"},
    {0.0755, "推奨  170-168"},
    {0.0737, "推奨  168"},
    {0.0736, "推奨  168-165"},
    {0.0719, "推奨  165"},
    {0.0718, "推奨  165-162"},
    {0.0701, "推奨  162"},
    {0.07, "推奨  162-160"},
    {0.0, "推奨  160"},
}};

}  // namespace

std::span<const DensityBand> RecommendationTable() {
  return Table;
}

JetOutcome SelectRecommendation(double D) {
  const auto closed = std::span(Table).first(Table.size() - 1);
  for (const DensityBand& band : closed)
    if (D >= band.lower) return {JetOutcome::Kind::ShowText, band.text};
  if (D > Table.back().lower) return {JetOutcome::Kind::ShowText, Table.back().text};
  // Zero, negative zero, negative densities and NaN.
  return {JetOutcome::Kind::Clear, {}};
}

}  // namespace jet
