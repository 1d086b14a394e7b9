#include "calc/vapor_pressure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double Values[39] = {
    4.92,  5.29,  5.68,  6.1,   6.54,  7.01,  7.51,  8.04,  8.61,  9.21,  9.85,  10.52, 11.24,
    11.99, 12.79, 13.64, 14.54, 15.49, 16.49, 17.55, 18.66, 19.84, 21.09, 22.4,  23.78, 25.24,
    26.77, 28.38, 30.08, 31.86, 33.74, 35.7,  37.78, 39.95, 42.23, 44.62, 47.13, 49.76, 52.51,
};

TEST(VaporPressure, EachWholeDegreeReadsItsOwnRow) {
  for (int degree = 1; degree <= 39; ++degree)
    EXPECT_EQ(jet::LookupVaporPressure(degree), Values[degree - 1]) << degree << " °C";
}

TEST(VaporPressure, EachBoundBelongsToTheBandAbove) {
  for (int degree = 2; degree <= 39; ++degree) {
    const double bound = degree - 0.5;
    const double below = std::nextafter(bound, -INFINITY);
    const double above = std::nextafter(bound, INFINITY);
    EXPECT_EQ(jet::LookupVaporPressure(below), Values[degree - 2]) << "just below " << bound;
    EXPECT_EQ(jet::LookupVaporPressure(bound), Values[degree - 1]) << "at " << bound;
    EXPECT_EQ(jet::LookupVaporPressure(above), Values[degree - 1]) << "just above " << bound;
  }
}

TEST(VaporPressure, NamedEdges) {
  const struct {
    double T, e;
  } cases[] = {
      {1.4999, 4.92}, {1.5, 5.29},      {25.49, 23.78}, {25.5, 25.24},
      {25.55, 25.24}, {38.4999, 49.76}, {38.5, 52.51},  {60, 52.51},
  };
  for (const auto& c : cases) EXPECT_EQ(jet::LookupVaporPressure(c.T), c.e) << c.T;
}

TEST(VaporPressure, TemperaturesBeyondTheTableTakeTheNearestEnd) {
  const double max = std::numeric_limits<double>::max();
  const double tiny = std::numeric_limits<double>::denorm_min();
  for (double cold : {0.0, -0.0, -tiny, -20.0, -273.13, -1e300, -max})
    EXPECT_EQ(jet::LookupVaporPressure(cold), 4.92) << cold;
  for (double hot : {39.0, 1e6, 1e300, max}) EXPECT_EQ(jet::LookupVaporPressure(hot), 52.51) << hot;
}

}  // namespace
