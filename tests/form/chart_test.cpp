#include "form/chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/air_density.h"
#include "calc/recommendation.h"

namespace jet::form {
namespace {

Answer For(double T, double P, double RH, int offset = 0) {
  const double D = ComputeAirDensity(T, P, RH / 100);
  return {"", "", "", D, *SelectBand(D), T, P, RH, offset};
}

// Whether a point lies inside an outline (crossings of a ray to its right).
bool Inside(const ChartRegion& region, double x, double y) {
  bool inside = false;
  const std::vector<ChartPoint>& p = region.points;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
    if ((p[i].y > y) != (p[j].y > y) &&
        x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
      inside = !inside;
  return inside;
}

// The colour painted at a place of the canvas: the last region or box there.
Rgb ColourAt(const Chart& chart, double x, double y) {
  Rgb found{1, 2, 3};
  for (const ChartRegion& r : chart.regions)
    if (Inside(r, x, y)) found = r.colour;
  for (const ChartBox& b : chart.boxes)
    if (x >= b.left && x < b.left + b.width && y >= b.top && y < b.top + b.height) found = b.colour;
  return found;
}

// Every text of the chart, or only those on the plot (the bands' labels),
// each between bars.
std::string Texts(const Chart& chart, bool on_plot = false) {
  std::string texts = "|";
  for (const ChartText& t : chart.texts)
    if (!on_plot || (t.y > chart.plot.top && t.y < chart.plot.top + chart.plot.height &&
                     t.x > chart.plot.left && t.anchor == Anchor::Middle))
      texts += t.text + "|";
  return texts;
}

double Lightness(Rgb c) {
  return 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
}

TEST(JetChart, ShowsWhatSelectShowsAtEachPlace) {
  const Chart chart = JetChart(For(20, 1013, 50));
  // Cold and high is dense air (175, darkest), warm and low thin air (160,
  // lightest), and two sizes between; all off the cells' edges.
  const struct {
    double T, P;
    Rgb colour;
  } places[] = {{0.3, 1041, {68, 1, 84}},
                {35.2, 861, {253, 231, 37}},
                {18.2, 1015.3, {33, 145, 140}},  // 168
                {-5.2, 880.5, {147, 214, 65}}};  // 162
  for (const auto& p : places)
    EXPECT_EQ(ColourAt(chart, ChartX(chart, p.T), ChartY(chart, p.P)), p.colour) << p.T;

  // The leanest region is painted over the whole plot, each richer one over
  // it from its edge up: no gaps.
  double area = 0;
  const std::vector<ChartPoint>& first = chart.regions.front().points;
  for (std::size_t i = 0, j = first.size() - 1; i < first.size(); j = i++)
    area += (first[j].x - first[i].x) * (first[j].y + first[i].y) / 2;
  EXPECT_NEAR(std::abs(area), chart.plot.width * chart.plot.height, 1e-6);

  // The reading's cross is centred on 20 ℃, 1013 hPa, black over white;
  // the title names the humidity; the axes have a tick at each end.
  const double x = chart.plot.left + 30.0 / 50 * chart.plot.width;
  const double y = chart.plot.top + 37.0 / 200 * chart.plot.height;
  std::vector<double> across;  // the widths of the lines across the cross, in paint order
  for (const ChartLine& l : chart.lines)
    if (l.x1 == x - 7 && l.x2 == x + 7 && l.y1 == y && l.y2 == y) across.push_back(l.width);
  EXPECT_EQ(across, (std::vector{4.0, 2.0}));
  const std::string texts = Texts(chart);
  for (const char* text : {"|湿度 50 % のときの推奨ジェット|", "|-10|", "|40|", "|850|", "|1050|"})
    EXPECT_NE(texts.find(text), std::string::npos) << text << texts;
  // A band's label is white on the dark colours, black on the light ones.
  for (const ChartText& t : chart.texts)
    if (t.y < chart.plot.top + chart.plot.height &&
        (t.text == "175" || t.text == "168" || t.text == "160")) {
      const Rgb under = ColourAt(chart, t.x, t.y - 4);
      EXPECT_EQ(t.colour, Lightness(under) > 128 ? (Rgb{0, 0, 0}) : (Rgb{255, 255, 255})) << t.text;
    }
  // Each size's band wide enough for its label has one; 170 makes way for
  // the reading's values.
  EXPECT_EQ(Texts(chart, true), "|175|172|168|165|162|160|");
  EXPECT_NE(chart.summary.find("、推奨  168\n密度高度  298 m\n気温"), std::string::npos)
      << chart.summary;
}

// The key under the plot: each region the picture holds, in the table's
// order, its swatch in the region's colour beside its text.
TEST(JetChart, TheKeyNamesEachRegionInTheTablesOrder) {
  const struct {
    Answer answer;
    std::string key;
  } cases[] = {
      {For(20, 1013, 50),
       "175|175-172|172|172-170|170|170-168|168|168-165|165|165-162|162|162-160|160|"},
      {For(20, 1013, 50, 6), "175 以上|175|"},  // all past the end is one region
      {For(20, 1013, 50, -6), "160|160 以下|"},
      // Humidity past 100 %: the warm low air has no recommendation.
      {For(20, 1013, 2000), "170|170-168|168|168-165|165|165-162|162|162-160|160|推奨なし|"},
  };
  for (const auto& c : cases) {
    const Chart chart = JetChart(c.answer);
    std::string key;
    double last = -1;  // the colours lighten band by band (viridis)
    for (const ChartText& t : chart.texts) {
      if (t.y < chart.plot.top + chart.plot.height + 40) continue;
      key += t.text + "|";
      EXPECT_LE(t.y, chart.height);
      const Rgb swatch = ColourAt(chart, t.x - 10, t.y - 5);
      if (t.text == "推奨なし") {
        EXPECT_EQ(swatch, (Rgb{200, 200, 200}));  // grey: no size at all
        continue;
      }
      EXPECT_GT(Lightness(swatch), last) << t.text;
      last = Lightness(swatch);
      if (t.text == "168") {
        EXPECT_EQ(swatch, (Rgb{33, 145, 140}));
      }
    }
    EXPECT_EQ(key, c.key) << c.answer.offset;
  }
}

// Whatever was typed, the reading's values stay on the canvas on their
// white box, clear of the cross, shortened when long; so does the title.
TEST(JetChart, TheReadingsValuesStayOnTheCanvasClearOfTheCross) {
  const struct {
    double T, P, RH;
    std::string label, title;
  } cases[] = {
      {20, 1013, 50, "20 ℃・1013 hPa", "湿度 50 % "},
      {11.175, 1013.25, 50, "11.175 ℃・1013.25 hPa", "湿度 50 % "},  // fits on neither side
      {-10.258999999999999, 845.9, 81.4, "-10.259 ℃・845.9 hPa", "湿度 81.4 % "},
      {20, 1013, 1.2345678901234567e-05, "20 ℃・1013 hPa", "湿度 1.2346e-05 % "},
      {20, 1013.125, 50, "20 ℃・1013.125 hPa", "湿度 50 % "},  // every digit typed
  };
  for (const auto& c : cases) {
    const Chart chart = JetChart(For(c.T, c.P, c.RH));
    const double x = ChartX(chart, c.T), y = ChartY(chart, c.P);
    const auto label = std::find_if(chart.texts.begin(), chart.texts.end(),
                                    [&](const ChartText& t) { return t.text == c.label; });
    ASSERT_NE(label, chart.texts.end()) << c.T;
    const ChartBox& box = chart.boxes.back();  // the white one behind it
    EXPECT_EQ(box.colour, (Rgb{255, 255, 255}));
    EXPECT_TRUE(box.left >= 0 && box.left + box.width <= chart.width) << c.T << " " << box.left;
    // The text runs from its anchor into the box, away from the cross.
    const double width = TextWidth(label->text, chart.font_size);
    const double start = label->anchor == Anchor::Start ? label->x
                         : label->anchor == Anchor::End ? label->x - width
                                                        : label->x - width / 2;
    EXPECT_TRUE(start >= box.left && start + width <= box.left + box.width) << c.T;
    const double right = box.left + box.width, bottom = box.top + box.height;
    const bool on_across = box.left <= x + 7 && right >= x - 7 && box.top <= y && bottom >= y;
    const bool on_down = box.left <= x && right >= x && box.top <= y + 7 && bottom >= y - 7;
    EXPECT_FALSE(on_across || on_down) << c.T;
    // No band's label touches them.
    for (const ChartText& t : chart.texts)
      if (&t != &*label && t.anchor == Anchor::Middle && t.y > chart.plot.top &&
          t.y < chart.plot.top + chart.plot.height) {
        const double half = TextWidth(t.text, chart.font_size) / 2, top = t.y - chart.font_size;
        const bool off_box =
            t.x + half < box.left || t.x - half > right || t.y < box.top || top > bottom;
        const bool off_cross =
            t.x + half < x - 7 || t.x - half > x + 7 || t.y < y - 7 || top > y + 7;
        EXPECT_TRUE(off_box && off_cross) << c.T << " " << t.text;
      }
    EXPECT_EQ(chart.summary.find(c.title), 0u) << chart.summary;
  }
}

// A region's lower edge is where Select's answer changes, to 0.05 hPa, at
// least once a unit across the plot: 168's, both sides of each step of the
// vapour-pressure table included.
TEST(JetChart, EdgesAreWhereSelectChanges) {
  const Chart chart = JetChart(For(20, 1013, 50));
  const auto region =
      std::find_if(chart.regions.begin(), chart.regions.end(), [](const ChartRegion& r) {
        return r.colour == Rgb{33, 145, 140};
      });
  ASSERT_NE(region, chart.regions.end());
  const std::vector<ChartPoint> edge(region->points.begin(), region->points.end() - 2);
  const double per_unit = (chart.temperature_to - chart.temperature_from) / chart.plot.width;
  const double per_y = (chart.pressure_to - chart.pressure_from) / chart.plot.height;
  const auto band = [&](double T, double P) { return *SelectBand(ComputeAirDensity(T, P, 0.5)); };
  int inside = 0, steps = 0;
  for (std::size_t i = 0; i < edge.size(); ++i) {
    if (i > 0) {
      EXPECT_LE(edge[i].x - edge[i - 1].x, 1 + 1e-9);
    }
    double T = chart.temperature_from + (edge[i].x - chart.plot.left) * per_unit;
    // Two points at one place across: a step, the left one just below it.
    const bool left = i + 1 < edge.size() && edge[i + 1].x == edge[i].x;
    const bool right = i > 0 && edge[i - 1].x == edge[i].x;
    if (left || right) T = std::round(T - 0.5) + 0.5 - (left ? 1e-9 : 0);
    steps += left;
    const double P = chart.pressure_to - (edge[i].y - chart.plot.top) * per_y;
    if (P <= chart.pressure_from + 0.05 || P >= chart.pressure_to - 0.05) continue;
    ++inside;
    EXPECT_LE(band(T, P + 0.05), 6) << T << " ℃ " << P << " hPa";
    EXPECT_GE(band(T, P - 0.05), 7) << T << " ℃ " << P << " hPa";
  }
  EXPECT_GT(inside, 200);
  EXPECT_EQ(steps, 38);  // 1.5 … 38.5 ℃: each edge drops straight at each step
}

// On an engine a size richer, every region is the engine's: 168's air shows
// 170, and all that lies past 175 is one region of its own colour.
TEST(JetChart, FollowsTheEngine) {
  const Chart chart = JetChart(For(20, 1013, 50, 1));
  EXPECT_EQ(ColourAt(chart, ChartX(chart, 18.2), ChartY(chart, 1015.3)), (Rgb{49, 103, 141}));
  EXPECT_EQ(ColourAt(chart, ChartX(chart, 0.3), ChartY(chart, 1041)), (Rgb{36, 0, 44}));
  const std::string texts = Texts(chart);
  // Past either end of the table the region has its label on the plot.
  EXPECT_NE(Texts(chart, true).find("|175 以上|"), std::string::npos) << texts;
  EXPECT_NE(Texts(JetChart(For(20, 1013, 50, -2)), true).find("|160 以下|"), std::string::npos);
  EXPECT_NE(texts.find("|湿度 50 %・このエンジン (表より 1 番手濃い)|"), std::string::npos)
      << texts;
  EXPECT_NE(chart.summary.find("、補正  170\n"), std::string::npos) << chart.summary;
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
      {100, 1013, -10, 70, 850, 1050, false},
  };
  for (const auto& c : cases) {
    const Chart chart = JetChart(For(c.T, c.P, 50));
    EXPECT_EQ(std::vector({chart.temperature_from, chart.temperature_to, chart.pressure_from,
                           chart.pressure_to}),
              std::vector({c.t_from, c.t_to, c.p_from, c.p_to}))
        << c.T << " ℃ " << c.P << " hPa";
    EXPECT_EQ(chart.summary.find("図の外") == std::string::npos, c.marked) << c.T;
  }
}

}  // namespace
}  // namespace jet::form
