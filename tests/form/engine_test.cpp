#include "form/engine.h"

#include <gtest/gtest.h>

#include <optional>

#include "calc/air_density.h"
#include "calc/recommendation.h"

namespace jet::form {
namespace {

Answer For(double T, double P, double RH) {
  const double D = ComputeAirDensity(T, P, RH / 100);
  return {"", "", "", D, *SelectBand(D), T, P, RH};
}

// The dialog's fields (the jet as its size index, 0 = 175) and the main
// window's last answer: the line it shows and the offset Apply would set.
TEST(ReadEngine, LineAndTheOffsetApplySets) {
  const std::optional<Answer> none, today = For(25, 1013, 50);  // 推奨  165
  const struct {
    EngineFields fields;
    const std::optional<Answer>& last;
    const char* line;
    std::optional<int> offset;
  } cases[] = {
      {{"15", "1005", "60", 2}, none, "その日の表は 推奨  168\nこのエンジンは表より 1 番手濃い", 1},
      {{"15", "1005", "60", 2},
       today,
       "その日の表は 推奨  168\nこのエンジンは表より 1 番手濃い\n今は 補正  168 (表は 推奨  165)",
       1},
      {{" １５ ", "１００５．０", "60", 3},
       today,
       "その日の表は 推奨  168\nこのエンジンは表どおり\n今は 推奨  165",
       0},
      {{"ー10", "1100", "0", 6},
       none,
       "その日の表は 推奨  175\nこのエンジンは表より 6 番手薄い",
       -6},
      {{"60", "500", "100", 0},  // the ranges' ends are readings
       none,
       "その日の表は 推奨  160\nこのエンジンは表より 6 番手濃い",
       6},
      // The first wrong field is named, with what is wrong with it.
      {{"abc", "", "", 3}, today, "気温が数値ではありません。", std::nullopt},
      {{"15", "", "60", 3}, none, "気圧を入れてください。", std::nullopt},
      {{"60.1", "1005", "60", 3}, none, "気温が範囲外です (−50〜60 ℃)。", std::nullopt},
      {{"15", "499.9", "60", 3}, none, "気圧が範囲外です (500〜1100 hPa)。", std::nullopt},
      {{"15", "1005", "100.5", 3}, none, "湿度が範囲外です (0〜100 %)。", std::nullopt},
      {{"15", "1005", "60", 7}, none, "合っていたジェットを選んでください。", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fields.temperature + " / " + c.fields.pressure + " / " + c.fields.humidity);
    const EngineReading reading = ReadEngine(c.fields, c.last);
    EXPECT_EQ(reading.line, c.line);
    EXPECT_EQ(reading.offset, c.offset);
  }
}

// At the first opening: the main window's boxes, and the size the last
// Select showed (the richer of a pair), else 168.
TEST(ReadEngine, FirstFieldsComeFromTheWindow) {
  const struct {
    std::optional<Answer> last;
    int size_index;
  } cases[] = {{std::nullopt, 3}, {For(25, 1013, 50), 4}, {For(20, 956.0, 50), 5}};
  for (const auto& c : cases) {
    const EngineFields fields = FirstEngineFields(" 20 ", "1013", "50\t", c.last);
    EXPECT_EQ(fields.temperature, "20");
    EXPECT_EQ(fields.humidity, "50");
    EXPECT_EQ(fields.size_index, c.size_index);
  }
}

}  // namespace
}  // namespace jet::form
