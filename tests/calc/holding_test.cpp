#include "calc/holding.h"

#include <gtest/gtest.h>

#include <optional>

namespace jet {
bool operator==(const Holding& a, const Holding& b) {
  return a.lowest == b.lowest && a.highest == b.highest;
}
}  // namespace jet

namespace {

using jet::Holding;
using Range = std::optional<Holding>;
constexpr Range None = std::nullopt;

// Readings (°C, hPa, %) and how far each reading may move, the other two
// held, before Select shows another recommendation. (Readings beyond every
// grid, and one no grid value matches, are rows of the explanation's test.)
const struct {
  const char* what;
  double T, P, RH;
  Range temperature, pressure, humidity;
} Cases[] = {
    {"an everyday reading, 推奨  168", 20, 1013, 50, Holding{16.2, 21.9}, Holding{1004.8, 1028.9},
     Holding{0, 85}},
    {"a pair band only a few steps wide, 推奨  162-160", 20, 956.0, 50, Holding{20.0, 20.3},
     Holding{954.9, 956.2}, Holding{50, 54}},
    {"the top band reaches the grid's ends, 推奨  175", 5, 1020, 30, Holding{-50, 5.5},
     Holding{1017.7, 1100}, Holding{0, 56}},
    // 0 °C and 996 hPa lie on the grid; 996.8 is the last step before 175.
    {"on a grid value inside a pair band, 推奨  175-172", 0, 996, 0, Holding{-0.2, 0.1},
     Holding{995.6, 996.8}, Holding{0, 6}},
    {"a cleared box", 0, 0, 0, None, None, None},
    {"a fault in the formula", -273.13, 1013, 50, None, None, None},
};

TEST(Holding, EachReadingVariedAlone) {
  for (const auto& c : Cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(jet::TemperatureHolding(c.T, c.P, c.RH), c.temperature);
    EXPECT_EQ(jet::PressureHolding(c.T, c.P, c.RH), c.pressure);
    EXPECT_EQ(jet::HumidityHolding(c.T, c.P, c.RH), c.humidity);
  }
}

}  // namespace
