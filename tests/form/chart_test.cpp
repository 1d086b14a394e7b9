#include "form/chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "calc/air_density.h"
#include "calc/recommendation.h"

namespace jet::form {
namespace {

Answer For(double T, double P, double RH) {
  const double D = ComputeAirDensity(T, P, RH / 100);
  return {"", "", "", D, SelectRecommendation(D).text, T, P, RH};
}

// The colour painted at a place of the canvas: the last band box there.
Rgb ColourAt(const Chart& chart, double x, double y) {
  Rgb found{1, 2, 3};
  for (const ChartBox& b : chart.boxes)
    if (x >= b.left && x < b.left + b.width && y >= b.top && y < b.top + b.height) found = b.colour;
  return found;
}

// The colour of a band, as its label is painted on.
Rgb BandColour(const Chart& chart, std::string_view jet) {
  for (const ChartText& t : chart.texts)
    if (t.text == jet) return ColourAt(chart, t.x, t.y - chart.font_size * 0.35);
  ADD_FAILURE() << "no label " << jet;
  return {};
}

TEST(JetChart, ShowsWhatSelectShowsAtEachPlace) {
  const Chart chart = JetChart(For(20, 1013, 50));
  EXPECT_EQ(chart.temperature_from, -10);
  EXPECT_EQ(chart.temperature_to, 40);
  EXPECT_EQ(chart.pressure_from, 850);
  EXPECT_EQ(chart.pressure_to, 1050);

  // Known places: cold and high is dense air, warm and low thin air, and
  // two in the bands between (off the cells' edges).
  const struct {
    double T, P;
    std::string_view jet;
  } places[] = {
      {0.3, 1041, "175"}, {35.2, 861, "160"}, {18.2, 1015.3, "168"}, {-5.2, 880.5, "162"}};
  for (const auto& p : places)
    EXPECT_EQ(ColourAt(chart, ChartX(chart, p.T), ChartY(chart, p.P)), BandColour(chart, p.jet))
        << p.T << " ℃ " << p.P << " hPa";
  EXPECT_NE(BandColour(chart, "175"), BandColour(chart, "160"));

  // The band boxes tile the plot: no gaps, no overlaps.
  double area = 0;
  for (const ChartBox& b : chart.boxes)
    if (b.colour != Rgb{255, 255, 255}) area += b.width * b.height;
  EXPECT_NEAR(area, chart.plot.width * chart.plot.height, 1e-6);

  // The reading's cross is centred on 20 ℃, 1013 hPa, and its values stand
  // beside it; the title names the humidity.
  const double x = chart.plot.left + 30.0 / 50 * chart.plot.width;
  const double y = chart.plot.top + 37.0 / 200 * chart.plot.height;
  EXPECT_TRUE(std::any_of(chart.lines.begin(), chart.lines.end(), [&](const ChartLine& l) {
    return l.x1 == x - 7 && l.x2 == x + 7 && l.y1 == y && l.y2 == y;
  }));
  auto has_text = [&](std::string_view text) {
    return std::any_of(chart.texts.begin(), chart.texts.end(),
                       [&](const ChartText& t) { return t.text == text; });
  };
  EXPECT_TRUE(has_text("20 ℃・1013 hPa"));
  EXPECT_TRUE(has_text("湿度 50 % のときの推奨ジェット"));
  EXPECT_TRUE(chart.summary.ends_with(HoldingLines(For(20, 1013, 50))));
}

// The axes widen in whole ticks to take in the reading, up to their limits;
// a reading beyond them is not marked, and the summary says so.
TEST(JetChart, AxesTakeInTheReading) {
  const struct {
    double T, P;
    double t_from, t_to, p_from, p_to;
    bool marked;
  } cases[] = {
      {32, 640, -10, 40, 600, 1050, true},
      {-25, 1080, -30, 40, 850, 1100, true},
      {40, 850, -10, 40, 850, 1050, true},  // on the default ends
      {100, 1013, -10, 70, 850, 1050, false},
  };
  for (const auto& c : cases) {
    const Chart chart = JetChart(For(c.T, c.P, 50));
    SCOPED_TRACE(testing::Message() << c.T << " ℃ " << c.P << " hPa");
    EXPECT_EQ(chart.temperature_from, c.t_from);
    EXPECT_EQ(chart.temperature_to, c.t_to);
    EXPECT_EQ(chart.pressure_from, c.p_from);
    EXPECT_EQ(chart.pressure_to, c.p_to);
    EXPECT_EQ(chart.summary.find("図の外") == std::string::npos, c.marked);
    for (const ChartText& t : chart.texts) {  // every text on the canvas
      EXPECT_GE(t.x, 0) << t.text;
      EXPECT_LE(t.x, chart.width) << t.text;
      EXPECT_LE(t.y, chart.height) << t.text;
    }
  }
}

}  // namespace
}  // namespace jet::form
