#include "form/answer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "calc/air_density.h"
#include "calc/recommendation.h"
#include "form/commands.h"
#include "tests/bits.h"

namespace jet::form {
namespace {

Answer For(double T, double P, double RH, int offset = 0) {
  const double D = ComputeAirDensity(T, P, RH / 100);
  return {"", "", "", D, *SelectBand(D), T, P, RH, offset};
}

TEST(Explain, GivesTheDensityItsAltitudeAndBand) {
  EXPECT_EQ(Explain(For(20, 1013, 50)),
            "空気密度  0.074315 lb/ft³  (1.1904 kg/m³)\n"
            "相対空気密度  97.2 %  (標準空気 15 ℃・1013.25 hPa・乾燥 = 100 %)\n"
            "密度高度  298 m\n"
            "この帯  0.0737 以上、0.0755 未満 lb/ft³\n" +
                HoldingLines(For(20, 1013, 50)));
  const struct {
    Answer answer;
    std::string_view part;
  } cases[] = {
      // Denser than standard air: below sea level, and the top band's open end.
      {For(5, 1020, 30), "密度高度  -416 m\nこの帯  0.0794 以上 lb/ft³\n"},
      // Standard air to the digits shown: no sign on the zero.
      {For(-2, 956.4, 50),
       "空気密度  0.07648 lb/ft³  (1.2250 kg/m³)\n相対空気密度  100.0 %  (標準空気 15 ℃・1013.25 "
       "hPa・乾燥 = 100 %)\n密度高度  0 m\n"},
      // The bottom band, whose lower bound it does not hold.
      {For(30, 1000, 80), "密度高度  1010 m\nこの帯  0 より上、0.07 未満 lb/ft³\n"},
      // On an engine richer than the table: the offset and the table's own text.
      {For(25, 1013, 50, 1), "未満 lb/ft³\nこのエンジン: 表より 1 番手濃い (表は 推奨  165)\n気温"},
      {For(25, 1013, 50, -2),
       "未満 lb/ft³\nこのエンジン: 表より 2 番手薄い (表は 推奨  165)\n気温"},
  };
  for (const auto& c : cases)
    EXPECT_NE(Explain(c.answer).find(c.part), std::string::npos) << Explain(c.answer);
}

// How far each reading may move, and what the next grid value beyond each
// end shows; an end at the grid's edge is left open.
TEST(Explain, SaysWhereTheJetChangesInTheTunersUnits) {
  const struct {
    double T, P, RH;
    std::string_view lines;
    int offset = 0;
  } cases[] = {
      {20, 1013, 50,
       "気温  16.2〜21.9 ℃ なら 168 のまま\n  16.1 ℃ 以下 170-168\n  22.0 ℃ 以上 168-165\n"
       "気圧  1004.8〜1028.9 hPa なら 168 のまま\n  1004.7 hPa 以下 168-165\n"
       "  1029.0 hPa 以上 170-168\n"
       "湿度  〜85 % なら 168 のまま\n  86 % 以上 168-165"},
      {30, 1000, 80,
       "気温  28.3 ℃〜 なら 160 のまま\n  28.2 ℃ 以下 162-160\n"
       "気圧  〜1009.3 hPa なら 160 のまま\n  1009.4 hPa 以上 162-160\n"
       "湿度  59 %〜 なら 160 のまま\n  58 % 以下 162-160"},
      {100, 1013, 50,  // beyond the grid: held at every other reading
       "気温  33.5 ℃〜 なら 160 のまま\n  33.4 ℃ 以下 162\n"
       "気圧  どの値でも 160 のまま\n"
       "湿度  どの値でも 160 のまま"},
      {20, 1000, -50,  // the 168 band comes back higher up the humidity grid
       "気温  18.1〜27.6 ℃ なら 168 のまま\n  18.0 ℃ 以下 170-168\n  27.7 ℃ 以上 168-165\n"
       "気圧  981.4〜1005.5 hPa なら 168 のまま\n  981.3 hPa 以下 168-165\n"
       "  1005.6 hPa 以上 170-168\n"
       "湿度  〜29 % なら 168 のまま\n  30 % 以上 168-165"},
      {20, 1013, -50,  // no humidity on the grid gives what −50 % gives
       "気温  14.3〜22.1 ℃ なら 170 のまま\n  14.2 ℃ 以下 172-170\n  22.2 ℃ 以上 170-168\n"
       "気圧  1007.0〜1029.8 hPa なら 170 のまま\n  1006.9 hPa 以下 170-168\n"
       "  1029.9 hPa 以上 172-170\n"
       "湿度  0〜100 % のどの値でも 170 になりません"},
      {5, 1020, 30,  // 推奨  175 on an engine a size richer: all past the end is one
       "気温  〜5.9 ℃ なら 175 以上 のまま\n  6.0 ℃ 以上 175\n"
       "気圧  1016.5 hPa〜 なら 175 以上 のまま\n  1016.4 hPa 以下 175\n"
       "湿度  〜71 % なら 175 以上 のまま\n  72 % 以上 175",
       1},
      {0, 996, 0,  // below zero, the grid's steps as on the plus side
       "気温  -0.2〜0.1 ℃ なら 175-172 のまま\n  -0.3 ℃ 以下 175\n  0.2 ℃ 以上 172\n"
       "気圧  995.6〜996.8 hPa なら 175-172 のまま\n  995.5 hPa 以下 172\n"
       "  996.9 hPa 以上 175\n"
       "湿度  〜6 % なら 175-172 のまま\n  7 % 以上 172"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(HoldingLines(For(c.T, c.P, c.RH, c.offset)), c.lines) << c.T;
}

// The recommendation is the result box's text, and the engine's offset
// always has its column, so that the columns stay the same.
TEST(LogbookLine, IsOneRowOfTabSeparatedCells) {
  std::tm t{};
  t.tm_year = 2026 - 1900, t.tm_mon = 11, t.tm_mday = 8, t.tm_hour = 9, t.tm_min = 5;
  Answer answer{Trimmed("\u3000 20.5℃\t"),
                Trimmed("10\t13"),
                Trimmed("50\u3000\n"),
                0x1.30656e1705a2fp-4,
                6,
                20.5,
                1013,
                50};
  for (const auto& [offset, ending] :
       {std::pair{0, "推奨  168\t0"}, {1, "補正  170\t+1"}, {-2, "補正  162\t-2"}}) {
    answer.offset = offset;
    EXPECT_EQ(LogbookLine(answer, t),
              std::string("2026-12-08T09:05\t20.5℃\t10 13\t50\t0.074315\t1.1904\t97.2\t") + ending);
  }
}

// The stamp is the local time of the machine, not UTC (the test machines
// run in UTC, so a zone nine hours ahead tells the two apart).
TEST(LogbookLine, IsStampedWithTheLocalTime) {
#if defined(__EMSCRIPTEN__)
  // The zone is the JavaScript engine's: the test's TZ=JST-9 sets it.
#elif defined(_WIN32)
  _putenv_s("TZ", "JST-9");
  _tzset();
#else
  setenv("TZ", "JST-9", 1);
  tzset();
#endif
  auto tokyo = [](std::time_t t) {
    t += 9 * 60 * 60;
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M", std::gmtime(&t));
    return std::string(stamp);
  };
  const std::time_t before = std::time(nullptr);
  const std::string line = LogbookLine({"20", "1013", "50", 0.0743, 6, 20, 1013, 50});
  const std::time_t after = std::time(nullptr);
  EXPECT_TRUE(line.starts_with(tokyo(before) + "\t") || line.starts_with(tokyo(after) + "\t"))
      << line << " at " << tokyo(before);
}

// Boxes that hold fixed readings and keep what the command shows.
class Boxes final : public Fields {
 public:
  Boxes(std::string_view T, std::string_view P, std::string_view RH) : readings_{T, P, RH} {}
  std::string Read(Box box) const override {
    return std::string(OfBox<std::string_view>(box, readings_[0], readings_[1], readings_[2], ""));
  }
  void Replace(Box, std::string_view text) override { shown = text; }
  std::string shown = "old";

 private:
  std::string_view readings_[3];
};

// Select keeps the very density that chose the band: h is the humidity
// divided by 100, which multiplying by 0.01 would change in the last bit.
TEST(Select, AnswersWithTheDensityThatChoseTheBand) {
  Boxes boxes(" 32 ", "951", "41");
  const auto answer = Select(boxes);
  ASSERT_TRUE(answer);
  EXPECT_EQ(Bits(answer->density), Bits(0x1.10091ed6d2048p-4));
  EXPECT_EQ(Shown(*answer), boxes.shown);
  EXPECT_EQ(answer->temperature, "32");
  EXPECT_EQ(answer->RH, 41);  // the holding ranges start from the readings as read
}

// A density of zero or below empties the result box: there is then nothing
// to explain or copy.
TEST(Select, GivesNoAnswerWhenItEmptiesTheResultBox) {
  for (const auto& [T, P, RH] :
       {std::array<std::string_view, 3>{"0", "0", "0"}, {"20", "", "50"}}) {
    Boxes boxes(T, P, RH);
    EXPECT_FALSE(Select(boxes)) << T << " " << P << " " << RH;
    EXPECT_EQ(boxes.shown, "");
  }
}

}  // namespace
}  // namespace jet::form
