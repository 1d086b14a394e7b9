#include "calc/day.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using jet::DayRow;
using jet::JetChange;

constexpr std::optional<int> None = std::nullopt;

std::string Describe(const std::vector<JetChange>& changes) {
  const auto band = [](std::optional<int> b) { return b ? std::to_string(*b) : std::string("-"); };
  std::string text;
  for (const JetChange& c : changes)
    text += std::to_string(c.minute / 60) + ":" + std::to_string(c.minute % 60) + " " +
            band(c.from) + "→" + band(c.to) + "; ";
  return text;
}

// The race day: 8:00 12 ℃ 1013 hPa 60 %, noon 25 ℃ 1010 hPa 45 %, 16:00
// 22 ℃ 1008 hPa 55 %.
const std::vector<DayRow> kRaceDay = {
    {480, 12, 1013, 60}, {720, 25, 1010, 45}, {960, 22, 1008, 55}};

TEST(DayChanges, AreTheMinutesAtWhichTheEnginesBandChanges) {
  const struct {
    const char* what;
    std::vector<DayRow> rows;
    int offset;
    std::vector<JetChange> changes;
  } cases[] = {
      // 170 at 8:00, 170-168 from 9:03, 168 from 9:07, 168-165 from 10:56,
      // 165 from 11:02 to 16:00.
      {"the race day", kRaceDay, 0, {{543, 4, 5}, {547, 5, 6}, {656, 6, 7}, {662, 7, 8}}},
      {"one size richer: two bands",
       kRaceDay,
       1,
       {{543, 2, 3}, {547, 3, 4}, {656, 4, 5}, {662, 5, 6}}},
      // Past the rich end every band is one, 175 以上: its changes vanish.
      {"three sizes richer", kRaceDay, 3, {{547, -1, 0}, {656, 0, 1}, {662, 1, 2}}},
      {"three sizes leaner", kRaceDay, -3, {{543, 10, 11}, {547, 11, 12}, {656, 12, 13}}},
      {"a day that holds", {{480, 25, 1010, 45}, {960, 25.5, 1010, 45}}, 0, {}},
      // The minute after the first row is already the second row's.
      {"two rows a minute apart", {{600, 12, 1013, 60}, {601, 25, 1010, 45}}, 0, {{601, 4, 8}}},
      {"the first and last minutes of the day", {{0, 12, 1013, 60}, {1439, 12, 1013, 60}}, 0, {}},
      // 15.5 ℃ is the vapour-pressure table's next row: below it, all the
      // way from 15 ℃, the jet holds; at the row's own minute it changes.
      {"a change at a row's own minute",
       {{480, 15, 1013.5, 60}, {510, 15.5, 1013.5, 60}, {540, 15.5, 1013.5, 60}},
       0,
       {{510, 4, 5}}},
      // No air at all at midnight: Select shows nothing there.
      {"no recommendation", {{0, 20, 0, 50}, {1, 20, 1013, 50}}, 0, {{1, None, 6}}},
      {"one row", {{480, 12, 1013, 60}}, 0, {}},
      {"no row", {}, 0, {}},
      {"times that fall", {{720, 25, 1010, 45}, {480, 12, 1013, 60}}, 0, {}},
      {"the same minute twice", {{480, 25, 1010, 45}, {480, 12, 1013, 60}}, 0, {}},
      {"a minute before midnight", {{-1, 25, 1010, 45}, {480, 12, 1013, 60}}, 0, {}},
      {"24:00", {{480, 25, 1010, 45}, {1440, 12, 1013, 60}}, 0, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Describe(jet::DayChanges(c.rows, c.offset)), Describe(c.changes)) << c.what;
}

// Every row's minute gives back its own readings' band, and the bands run
// from the first row's minute to the last's.
TEST(DayBands, CoverTheDayAndMeetEachRowExactly) {
  const std::vector<std::optional<int>> bands = jet::DayBands(kRaceDay, 0);
  ASSERT_EQ(bands.size(), 481u);
  EXPECT_EQ(bands[0], 4);
  EXPECT_EQ(bands[240], 8);  // noon: 25 ℃ is 165
  EXPECT_EQ(bands[480], 8);
  EXPECT_TRUE(jet::DayBands(std::vector<DayRow>(kRaceDay.rbegin(), kRaceDay.rend()), 0).empty());
}

}  // namespace
