#include "calc/vapor_pressure.h"

#include <array>
#include <cmath>

namespace jet {
namespace {

// Saturation vapour pressure over water at 1, 2, … 39 °C, in mmHg. There is no
// separate table for ice: every temperature below 1.5 °C uses the first value.
constexpr std::array<double, 39> VaporPressureTable = {
    4.92,  5.29,  5.68,  6.1,   6.54,  7.01,  7.51,  8.04,  8.61,  9.21,  9.85,  10.52, 11.24,
    11.99, 12.79, 13.64, 14.54, 15.49, 16.49, 17.55, 18.66, 19.84, 21.09, 22.4,  23.78, 25.24,
    26.77, 28.38, 30.08, 31.86, 33.74, 35.7,  37.78, 39.95, 42.23, 44.62, 47.13, 49.76, 52.51,
};

// The rows for 2 … 39 °C start at 1.5, 2.5, … 38.5, all exact in binary.
// A bound belongs to the row above it.
constexpr double kFirstBound = 1.5, kLastBound = 38.5;

}  // namespace

double LookupVaporPressure(double T) {
  // A NaN compares false with both ends and lands in the last row; the text
  // conversion never produces one, but the lookup stays defined.
  if (T < kFirstBound) return VaporPressureTable.front();
  if (!(T < kLastBound)) return VaporPressureTable.back();
  // Between the ends T − 0.5 is exact (0.5 is a whole number of T's ulp),
  // so its floor is the number of bounds at or below T, without a search:
  // the chart looks the table up tens of thousands of times.
  return VaporPressureTable[static_cast<std::size_t>(std::floor(T - 0.5))];
}

}  // namespace jet
