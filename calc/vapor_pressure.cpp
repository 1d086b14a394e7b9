#include "calc/vapor_pressure.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace jet {
namespace {

// Saturation vapour pressure over water at 1, 2, … 39 °C, in mmHg. There is no
// separate table for ice: every temperature below 1.5 °C uses the first value.
constexpr std::array<double, 39> VaporPressureTable = {
    4.92,  5.29,  5.68,  6.1,   6.54,  7.01,  7.51,  8.04,  8.61,  9.21,  9.85,  10.52, 11.24,
    11.99, 12.79, 13.64, 14.54, 15.49, 16.49, 17.55, 18.66, 19.84, 21.09, 22.4,  23.78, 25.24,
    26.77, 28.38, 30.08, 31.86, 33.74, 35.7,  37.78, 39.95, 42.23, 44.62, 47.13, 49.76, 52.51,
};

// Lower bounds of the rows for 2 … 39 °C: 1.5, 2.5, … 38.5, all exact in binary.
// A bound belongs to the band above it.
constexpr std::array<double, 38> LowerBounds = [] {
  std::array<double, 38> bounds{};
  for (int i = 0; i < 38; ++i) bounds[i] = 1.5 + i;
  return bounds;
}();

}  // namespace

double LookupVaporPressure(double T) {
  // The row is the number of lower bounds at or below T. upper_bound finds the
  // first bound greater than T, so a T equal to a bound counts that bound.
  // A NaN compares false with every bound and lands in the last row; the text
  // conversion never produces one, but the lookup stays defined.
  const auto row = std::distance(LowerBounds.begin(),
                                 std::upper_bound(LowerBounds.begin(), LowerBounds.end(), T));
  return VaporPressureTable[static_cast<std::size_t>(row)];
}

}  // namespace jet
