#include "calc/station_pressure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "tests/bits.h"

namespace {

// Sea-level pressure (hPa), altitude (m), temperature (°C) and the station
// pressure's exact bits, which every target must give: glibc's correctly
// rounded pow gives the same bits for each of them.
const struct {
  double P0, h, T, P;
} Cases[] = {
    {1013, 500, 20, 0x1.ddfa3628dc399p+9},     // 955.9548
    {1013.25, 1000, 15, 0x1.c290b751060fp+9},  // 901.1306
    {1020, 550, 10, 0x1.dd7254865bdfbp+9},     // 954.8932
    {1000, 1200, 5, 0x1.b057b1b17d859p+9},     // 864.6851
    {1013, -30, 25, 0x1.fc3ebb31f857p+9},      // 1016.4901, below sea level
    {990, 2000, 0, 0x1.83a96a8bb240ep+9},      // 775.3236
    {1013, 0, 20, 1013},                       // at sea level nothing changes
    {1085, -0.0, -50, 1085},
};

TEST(StationPressure, ReferenceValuesToTheBit) {
  for (const auto& c : Cases) {
    SCOPED_TRACE(testing::Message() << c.P0 << " hPa, " << c.h << " m, " << c.T << " °C");
    const double P = jet::StationPressure(c.P0, c.h, c.T);
    EXPECT_EQ(Bits(P), Bits(c.P)) << std::hexfloat << P << " != " << c.P;
  }
  EXPECT_TRUE(std::isnan(jet::StationPressure(1013, 10000, -280)));  // colder than absolute zero
}

// Over the whole range the dialog takes, the series agree with this
// target's pow to a few units in the last place, and the bits of all of
// them hash to one number on every target.
TEST(StationPressure, SameBitsOnEveryTargetAndCloseToPow) {
  std::uint64_t hash = 14695981039346656037u;  // FNV-1a over the bits
  double worst = 0;
  for (double P0 = 870; P0 <= 1085; P0 += 53.75)
    for (double h = -500; h <= 5000; h += 137.5)
      for (double T = -50; T <= 60; T += 5.5) {
        const double P = jet::StationPressure(P0, h, T);
        hash = (hash ^ Bits(P)) * 1099511628211u;
        const double lapse = 0.0065 * h;
        const double expected = P0 * std::pow(1 - lapse / (T + lapse + 273.15), 5.257);
        worst = std::fmax(worst, std::fabs(P - expected) / expected);
      }
  EXPECT_LT(worst, 1e-15);
  EXPECT_EQ(hash, 0x9361a313c0302935u) << std::hex << hash;
}

}  // namespace
