#include "calc/engine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

constexpr std::optional<int> None = std::nullopt;

// A day's readings (°C, hPa, %) and the jet that ran right: how many sizes
// richer this engine runs than the table.
TEST(EngineOffset, IsTheDistanceInSizesFromWhatTheTableShowed) {
  const struct {
    const char* what;
    double T, P, RH;
    int jet;
    std::optional<int> offset;
  } cases[] = {
      {"推奨  168, one size richer", 15, 1005, 60, 170, 1},
      {"推奨  168, three sizes leaner", 15, 1005, 60, 160, -3},
      {"推奨  162-160, its richer size", 20, 956.0, 50, 162, 0},
      {"推奨  162-160, its leaner size", 20, 956.0, 50, 160, 0},
      {"推奨  162-160, richer than both", 20, 956.0, 50, 165, 1},
      {"推奨  175-172, leaner than both", 0, 996, 0, 168, -2},
      {"not one of the seven sizes", 15, 1005, 60, 169, None},
      {"a cleared box", 0, 0, 0, 168, None},
      {"a fault in the formula", -273.13, 1013, 50, 168, None},
  };
  for (const auto& c : cases)
    EXPECT_EQ(jet::EngineOffset(c.T, c.P, c.RH, c.jet), c.offset) << c.what;
}

// What the result box shows on an engine that many sizes richer.
TEST(EngineRecommendation, MovesTheBandAndSaysSo) {
  const struct {
    double T, P, RH;
    int offset;
    std::string text;
  } cases[] = {
      {25, 1013, 50, 0, "推奨  165"},  // the table's own text, unchanged
      {25, 1013, 50, 1, "補正  168"},
      {25, 1013, 50, -1, "補正  162"},
      {20, 956.0, 50, 1, "補正  165-162"},
      {20, 956.0, 50, -1, "補正  160 以下"},  // a pair past the lean end
      {5, 1020, 30, 1, "補正  175 以上"},     // 推奨  175 on a richer engine
      {30, 1000, 80, -1, "補正  160 以下"},   // 推奨  160 on a leaner one
      {30, 1000, 80, 100, "補正  175 以上"},
      {0, 0, 0, 2, ""},  // a cleared box stays clear
      // Adjacent doubles across 162's lower edge, where the humidity read as
      // 41 / 100 and as 41 × 0.01 (a bit apart) part: the same as Select.
      {31.5, 1001.0725878737381, 41, 0, "推奨  162"},
      {31.5, 1001.072587873738, 41, 0, "推奨  162-160"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(jet::EngineRecommendation(c.T, c.P, c.RH, c.offset), c.text)
        << c.T << " " << c.P << " " << c.RH << " " << c.offset;
}

}  // namespace
