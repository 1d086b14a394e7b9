#include "form/day.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {

using jet::form::DayFields;
using jet::form::ReadDay;

DayFields Rows(std::vector<std::array<std::string, 4>> rows, std::string altitude = {}) {
  DayFields fields;
  fields.altitude = std::move(altitude);
  for (std::size_t i = 0; i < rows.size(); ++i) fields.rows[i] = rows[i];
  return fields;
}

TEST(ReadDayTime, ReadsHoursAndMinutesAsTyped) {
  const struct {
    const char* text;
    std::optional<int> minute;
  } cases[] = {
      {"8:00", 480},         {" 08:05 ", 485},         {"２３：５９", 1439},
      {"0:00", 0},           {"24:00", std::nullopt},  {"8:60", std::nullopt},
      {"800", std::nullopt}, {"8:0", std::nullopt},    {"123:00", std::nullopt},
      {"", std::nullopt},    {"8:00am", std::nullopt}, {"-1:00", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(jet::form::ReadDayTime(c.text), c.minute) << c.text;
}

// The dialog's line and row answers for what was typed, on an engine `offset`
// sizes richer; the first wrong field is named, and then nothing else shows.
TEST(ReadDay, SaysThePlanOrTheFirstWrongField) {
  const std::array<std::string, 4> kMorning = {"8:00", "12", "1013", "60"},
                                   kNoon = {"12:00", "25", "1010", "45"};
  const struct {
    const char* what;
    DayFields fields;
    int offset;
    std::string line, first_jet;
  } cases[] = {
      {"nothing typed", Rows({}), 0, "予報の時刻と気温・気圧・湿度を入れてください。", ""},
      {"one row", Rows({kMorning}), 0,
       "8:00 は 170。時刻の違う予報を 2 行以上入れると、替える時刻を求めます。", "推奨  170"},
      {"two rows", Rows({kMorning, kNoon}), 0,
       "8:00 は 170、9:03 から 170-168、9:07 から 168、10:56 から 168-165、11:02 から 165 (12:00 "
       "まで)",
       "推奨  170"},
      {"a blank row between", Rows({kMorning, {"", " ", "", ""}, kNoon}), -1,
       "8:00 は 168、9:03 から 168-165、9:07 から 165、10:56 から 165-162、11:02 から 162 (12:00 "
       "まで)"
       "\nこのエンジン: 表より 1 番手薄い",
       "補正  168"},
      {"a day that holds", Rows({kNoon, {"16:00", "25", "1010", "45"}}), 0,
       "12:00 から 16:00 まで 165 のまま", "推奨  165"},
      {"up and down all day",
       Rows({kMorning,
             {"9:00", "25", "1010", "45"},
             {"10:00", "12", "1013", "60"},
             {"11:00", "25", "1010", "45"},
             {"12:00", "12", "1013", "60"}}),
       0,
       "8:00 は 170、8:16 から 170-168、8:17 から 168、8:44 から 168-165、8:46 から 165、"
       "9:15 から 168-165、9:17 から 168、9:44 から 170-168、9:45 から 170、ほか 8 回 (12:00 まで)",
       "推奨  170"},
      // The converter's example: 1013 hPa at sea level is 956.0 hPa 500 m up.
      {"sea-level pressures", Rows({{"8:00", "20", "1013", "50"}}, "500"), 0,
       "8:00 は 162-160。時刻の違う予報を 2 行以上入れると、替える時刻を求めます。",
       "推奨  162-160"},
      {"an altitude that is no number", Rows({kMorning}, "abc"), 0, "標高が数値ではありません。",
       ""},
      {"an altitude out of range", Rows({kMorning}, "5001"), 0, "標高が範囲外です (−500〜5000 m)。",
       ""},
      {"a track's pressure with an altitude", Rows({{"8:00", "12", "869", "60"}}, "-500"), 0,
       "1 行目の気圧が範囲外です (海面気圧 870〜1085 hPa)。", ""},
      {"a pressure out of range", Rows({{"8:00", "12", "1100.1", "60"}}), 0,
       "1 行目の気圧が範囲外です (500〜1100 hPa)。", ""},
      {"the lowest readings", Rows({{"0:00", "-50", "500", "0"}, {"23:59", "60", "1100", "100"}}),
       0, "0:00 から 23:59 まで 160 のまま", "推奨  160"},
      {"a row half typed", Rows({kMorning, {"9:00", "", "1013", ""}}), 0,
       "2 行目の気温を入れてください。", ""},
      {"a time that is no time", Rows({{"8時", "12", "1013", "60"}}), 0,
       "1 行目の時刻は 0:00〜23:59 の 時:分 で入れてください。", ""},
      {"a time missing", Rows({{"", "12", "1013", "60"}}), 0, "1 行目の時刻を入れてください。", ""},
      {"times that do not rise", Rows({kNoon, {}, kMorning}), 0,
       "3 行目の時刻は前の行 (12:00) より後にしてください。", ""},
      {"the same time twice", Rows({kMorning, kMorning}), 0,
       "2 行目の時刻は前の行 (8:00) より後にしてください。", ""},
      {"a humidity past 100 %", Rows({{"8:00", "12", "1013", "100.5"}}), 0,
       "1 行目の湿度が範囲外です (0〜100 %)。", ""},
  };
  for (const auto& c : cases) {
    const jet::form::DayPlan plan = ReadDay(c.fields, c.offset);
    EXPECT_TRUE(plan.line.starts_with(c.line)) << c.what << ": " << plan.line;
    EXPECT_EQ(plan.jets[0], c.first_jet) << c.what;
    EXPECT_EQ(plan.copy.empty(), c.first_jet.empty()) << c.what;
    EXPECT_EQ(plan.picture.has_value(), plan.line.find(" まで") != std::string::npos) << c.what;
  }
}

// What コピー copies: the rows as the logbook has them, then the changes.
TEST(ReadDay, CopiesTheRowsThenTheChanges) {
  const jet::form::DayPlan plan =
      ReadDay(Rows({{"8:00", "12", "1013", "60"}, {"12:00", "25", "1013", "45"}}, "500"), 1);
  EXPECT_EQ(plan.copy,
            "8:00\t12\t954.4\t60\t0.07218\t1.1562\t94.4\t補正  168\t+1\n"
            "12:00\t25\t956.9\t45\t0.068788\t1.1018\t89.9\t補正  162\t+1\n"
            "8:20\t補正  168-165\n8:28\t補正  165\n10:25\t補正  165-162\n10:34\t補正  162\n");
}

// The picture: each stretch in the chart's colour for its jet, its text
// inside where it fits, the rows' times clear of each other (the last one
// always), and the same words as the line.
TEST(DayPicture, PaintsEachStretchInItsJetsColour) {
  const jet::form::DayPlan day = ReadDay(Rows({{"8:00", "12", "1013", "60"},
                                               {"12:00", "25", "1010", "45"},
                                               {"12:01", "25", "1010", "45"}}),
                                         0);
  ASSERT_TRUE(day.picture);
  const jet::form::Chart& picture = *day.picture;
  EXPECT_EQ(picture.summary, day.line);
  // The bar's stretches: 170, 170-168, 168, 168-165, 165, left to right.
  const std::vector<int> bands = {4, 5, 6, 7, 8};
  for (std::size_t i = 0; i < bands.size(); ++i)
    EXPECT_EQ(picture.boxes[i].colour, jet::form::RegionColour(bands[i])) << i;
  EXPECT_NEAR(picture.boxes[4].left + picture.boxes[4].width,
              picture.plot.left + picture.plot.width, 1e-9);
  std::vector<std::string> texts;
  for (const jet::form::ChartText& t : picture.texts) texts.push_back(t.text);
  // 170, 168 and 165 fit their stretches; the pairs' four minutes do not.
  // 12:00 makes way for 12:01, a minute on; the key names all five.
  EXPECT_EQ(texts, (std::vector<std::string>{"170", "168", "165", "8:00", "12:01", "170", "170-168",
                                             "168", "168-165", "165"}));
}

TEST(FirstDayFields, AreTheWindowsReadingsNow) {
  std::tm now{};
  now.tm_hour = 9;
  now.tm_min = 5;
  const DayFields first = jet::form::FirstDayFields(" 20 ", "1013", "50\t", " 500", now);
  EXPECT_EQ(first.altitude, "500");
  EXPECT_EQ(first.rows[0], (std::array<std::string, 4>{"9:05", "20", "1013", "50"}));
  EXPECT_EQ(first.rows[1], (std::array<std::string, 4>{}));
}

}  // namespace
