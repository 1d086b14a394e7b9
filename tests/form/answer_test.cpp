#include "form/answer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "form/commands.h"
#include "tests/bits.h"

namespace jet::form {
namespace {

TEST(Explain, GivesTheDensityAndItsPlaceAmongTheBands) {
  const struct {
    double density;
    std::string_view text, explained;
  } cases[] = {
      {0x1.30656e1705a2fp-4, "推奨  168",  // 20 °C, 1013 mb, 50 %
       "空気密度  0.074315 lb/ft³  (1.1904 kg/m³)\n"
       "相対空気密度  97.2 %  (標準空気 15 ℃・1013.25 hPa・乾燥 = 100 %)\n"
       "この帯  0.0737 以上、0.0755 未満 lb/ft³\n"
       "1段濃い「推奨  170-168」まで  あと +0.001185 lb/ft³ (+1.59 %)\n"
       "1段薄い「推奨  168-165」まで  あと −0.000615 lb/ft³ (−0.83 %)"},
      {0.0794, "推奨  175",  // the top band has nothing richer
       "空気密度  0.0794 lb/ft³  (1.2718 kg/m³)\n"
       "相対空気密度  103.8 %  (標準空気 15 ℃・1013.25 hPa・乾燥 = 100 %)\n"
       "この帯  0.0794 以上 lb/ft³\n"
       "1段薄い「推奨  175-172」まで  あと −0.000000 lb/ft³ (−0.00 %)"},
      {0.05, "推奨  160",  // nor the bottom band anything leaner
       "空気密度  0.05 lb/ft³  (0.8009 kg/m³)\n"
       "相対空気密度  65.4 %  (標準空気 15 ℃・1013.25 hPa・乾燥 = 100 %)\n"
       "この帯  0 より上、0.07 未満 lb/ft³\n"
       "1段濃い「推奨  162-160」まで  あと +0.020000 lb/ft³ (+40.00 %)"},
  };
  for (const auto& c : cases) EXPECT_EQ(Explain({"", "", "", c.density, c.text}), c.explained);
}

TEST(LogbookLine, IsOneRowOfTabSeparatedCells) {
  std::tm t{};
  t.tm_year = 2026 - 1900, t.tm_mon = 11, t.tm_mday = 8, t.tm_hour = 9, t.tm_min = 5;
  const Answer answer{Trimmed("\u3000 20.5℃\t"), Trimmed("10\t13"), Trimmed("50\u3000\n"),
                      0x1.30656e1705a2fp-4, "推奨  168"};
  EXPECT_EQ(LogbookLine(answer, t),
            "2026-12-08T09:05\t20.5℃\t10 13\t50\t0.074315\t1.1904\t97.2\t推奨  168");
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
  const std::string line = LogbookLine({"20", "1013", "50", 0.0743, "推奨  168"});
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
  EXPECT_EQ(answer->text, boxes.shown);
  EXPECT_EQ(answer->temperature, "32");
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
