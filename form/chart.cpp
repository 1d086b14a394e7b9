#include "form/chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <tuple>

#include "calc/engine.h"
#include "calc/holding.h"
#include "calc/recommendation.h"
#include "form/numbers.h"

namespace jet::form {
namespace {

constexpr double kCanvasWidth = 360, kCanvasHeight = 330, kFont = 14;
constexpr ChartBox kPlot{48, 28, 300, 256, {}};
constexpr double kCellTemperature = 0.5, kCellPressure = 2;  // ℃, hPa
constexpr double kTickTemperature = 10, kTickPressure = 50;

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kNone{200, 200, 200};

// One colour a band, from dense air (175) to thin (160): viridis, whose
// lightness rises steadily, so that the order reads in grey and for every
// kind of colour vision. A pair band takes the colour between its two sizes.
constexpr std::array<Rgb, 13> kPalette = {{
    {68, 1, 84},
    {71, 27, 108},
    {68, 54, 126},
    {59, 82, 139},
    {49, 103, 141},
    {40, 124, 141},
    {33, 145, 140},
    {38, 164, 132},
    {58, 183, 118},
    {94, 201, 98},
    {147, 214, 65},
    {200, 224, 44},
    {253, 231, 37},
}};

// Dark text on the light colours, white on the dark ones.
Rgb TextOn(Rgb fill) {
  return 0.2126 * fill.red + 0.7152 * fill.green + 0.0722 * fill.blue > 128 ? kBlack : kWhite;
}

// A cell where Select shows nothing.
constexpr int kNoBand = -100;

// Past the table's ends, on an engine richer or leaner than it: darker than
// 175's colour, lighter than 160's.
constexpr Rgb kBeyondRich{36, 0, 44}, kBeyondLean{255, 247, 170};

Rgb ColourOf(int band) {
  if (band == kNoBand) return kNone;
  if (band < 0) return kBeyondRich;
  if (band >= kBandCount) return kBeyondLean;
  return kPalette[static_cast<std::size_t>(band)];
}

// How wide a text is drawn, roughly: Latin digits and letters are about
// 0.55 em, Japanese characters 1 em. Used only to keep texts apart.
double TextWidth(std::string_view text) {
  double em = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80)
      em += 0.55;
    else if (byte >= 0xC0)
      em += 1;  // a lead byte: one character
  }
  return em * kFont;
}

// The axis's ends: the default range, widened in whole ticks to take in the
// reading, but never past the limits.
std::pair<double, double> Axis(double value, double from, double to, double tick, double lowest,
                               double highest) {
  if (value < from) from = std::max(lowest, std::floor(value / tick) * tick);
  if (value > to) to = std::min(highest, std::ceil(value / tick) * tick);
  return {from, to};
}

}  // namespace

double ChartX(const Chart& chart, double temperature_c) {
  return chart.plot.left + (temperature_c - chart.temperature_from) /
                               (chart.temperature_to - chart.temperature_from) * chart.plot.width;
}

double ChartY(const Chart& chart, double pressure_hpa) {
  return chart.plot.top + (chart.pressure_to - pressure_hpa) /
                              (chart.pressure_to - chart.pressure_from) * chart.plot.height;
}

Chart JetChart(const Answer& a) {
  Chart chart{kCanvasWidth, kCanvasHeight, kFont, {}, {}, {}, {}, 0, 0, 0, 0, kPlot};
  std::tie(chart.temperature_from, chart.temperature_to) =
      Axis(a.T, -10, 40, kTickTemperature, -60, 70);
  std::tie(chart.pressure_from, chart.pressure_to) = Axis(a.P, 850, 1050, kTickPressure, 500, 1100);
  const ChartBox& plot = chart.plot;

  // The cells, each coloured by what Select shows at its middle.
  const int columns = static_cast<int>(
      std::lround((chart.temperature_to - chart.temperature_from) / kCellTemperature));
  const int rows =
      static_cast<int>(std::lround((chart.pressure_to - chart.pressure_from) / kCellPressure));
  const double cell_width = plot.width / columns, cell_height = plot.height / rows;
  std::vector<int> bands(static_cast<std::size_t>(columns * rows));
  auto band = [&](int column, int row) -> int& {
    return bands[static_cast<std::size_t>(row * columns + column)];
  };
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      band(column, row) = EngineBandFor({chart.temperature_from + (column + 0.5) * kCellTemperature,
                                         chart.pressure_to - (row + 0.5) * kCellPressure, a.RH},
                                        a.offset)
                              .value_or(kNoBand);

  // Painted as one box for each run of a band along a row.
  const auto colour = ColourOf;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns;) {
      int end = column + 1;
      while (end < columns && band(end, row) == band(column, row)) ++end;
      chart.boxes.push_back({plot.left + column * cell_width, plot.top + row * cell_height,
                             (end - column) * cell_width, cell_height, colour(band(column, row))});
      column = end;
    }

  // Where the reading is marked, worked out first: no band's label may
  // cover the cross or its values.
  const double right = plot.left + plot.width, bottom = plot.top + plot.height;
  const std::string reading = Concat({Shortest(a.T), " ℃・", Shortest(a.P), " hPa"});
  const double x = ChartX(chart, a.T), y = ChartY(chart, a.P);
  const bool inside = x >= plot.left && x <= right && y >= plot.top && y <= bottom;
  const double reading_width = TextWidth(reading);
  const bool left = x + 10 + reading_width > right;
  const double baseline = y - 10 - kFont < plot.top ? y + 10 + kFont : y - 10;
  const ChartBox reading_box{(left ? x - 10 - reading_width : x + 10) - 3, baseline - kFont,
                             reading_width + 6, kFont + 4, kWhite};
  auto clear_of_reading = [&](double l, double t, double r, double b) {
    if (!inside) return true;
    l -= 4, t -= 4, r += 4, b += 4;  // and not touching them either
    const bool off_cross = r < x - 8 || l > x + 8 || b < y - 8 || t > y + 8;
    const bool off_box = r < reading_box.left || l > reading_box.left + reading_box.width ||
                         b < reading_box.top || t > reading_box.top + reading_box.height;
    return off_cross && off_box;
  };

  // Each band's jet where a label fits wholly inside the band: in the
  // widest run whose neighbouring rows hold the band under the whole label.
  // An engine's bands past the table's ends count too.
  // The digits' height is about 0.7 em: most of its half above and below the
  // middle must lie in the band.
  const int half_rows = static_cast<int>(std::ceil(kFont * 0.3 / cell_height));
  for (int b = -1; b <= kBandCount; ++b) {
    const std::string jet = BandJets(b);
    const double needed = TextWidth(jet);
    double best = 0, best_x = 0, best_y = 0;
    for (int row = half_rows + 1; row + half_rows + 1 < rows; ++row)
      for (int column = 0; column < columns;) {
        int end = column + 1;
        while (end < columns && band(end, row) == band(column, row)) ++end;
        const double run = (end - column) * cell_width;
        if (band(column, row) == b && run >= needed && run > best) {
          const double middle = (column + end) / 2.0;
          const double label_x = plot.left + middle * cell_width,
                       label_y = plot.top + (row + 0.5) * cell_height;
          const int first = static_cast<int>(middle - needed / 2 / cell_width);
          const int last = static_cast<int>(std::ceil(middle + needed / 2 / cell_width));
          bool fits = clear_of_reading(label_x - needed / 2, label_y - kFont / 2,
                                       label_x + needed / 2, label_y + kFont / 2);
          for (int r = row - half_rows; fits && r <= row + half_rows; ++r)
            for (int c = std::max(first, 0); fits && c < std::min(last, columns); ++c)
              fits = band(c, r) == b;
          if (fits) {
            best = run;
            best_x = label_x;
            best_y = label_y + kFont * 0.35;
          }
        }
        column = end;
      }
    if (best > 0) chart.texts.push_back({best_x, best_y, jet, Anchor::Middle, TextOn(colour(b))});
  }

  // The frame and the ticks, every 10 ℃ and 50 hPa, with their values.
  for (const auto [x1, y1, x2, y2] :
       {std::array{plot.left, plot.top, right, plot.top},
        std::array{right, plot.top, right, bottom}, std::array{right, bottom, plot.left, bottom},
        std::array{plot.left, bottom, plot.left, plot.top}})
    chart.lines.push_back({x1, y1, x2, y2, 1, kBlack});
  for (double t = chart.temperature_from; t <= chart.temperature_to; t += kTickTemperature) {
    const double tick = ChartX(chart, t);
    chart.lines.push_back({tick, bottom, tick, bottom + 4, 1, kBlack});
    chart.texts.push_back({tick, bottom + 17, Fixed(t, 0), Anchor::Middle, kBlack});
  }
  for (double p = chart.pressure_from; p <= chart.pressure_to; p += kTickPressure) {
    const double tick = ChartY(chart, p);
    chart.lines.push_back({plot.left - 4, tick, plot.left, tick, 1, kBlack});
    chart.texts.push_back({plot.left - 6, tick + kFont * 0.35, Fixed(p, 0), Anchor::End, kBlack});
  }
  // On an engine that is not the table's, the title says so.
  const std::string title =
      a.offset == 0
          ? Concat({"湿度 ", Shortest(a.RH), " % のときの推奨ジェット"})
          : Concat({"湿度 ", Shortest(a.RH), " %・このエンジン (", OffsetWords(a.offset), ")"});
  chart.texts.push_back({kCanvasWidth / 2, 18, title, Anchor::Middle, kBlack});
  chart.texts.push_back({4, 18, "hPa", Anchor::Start, kBlack});
  chart.texts.push_back(
      {plot.left + plot.width / 2, bottom + 36, "気温 ℃", Anchor::Middle, kBlack});

  // The reading: a cross, black on white so that it shows on every band,
  // and its values beside it on white, kept inside the plot.
  if (inside) {
    for (const auto& [width, ink] : {std::pair{4.0, kWhite}, std::pair{2.0, kBlack}}) {
      chart.lines.push_back({x - 7, y, x + 7, y, width, ink});
      chart.lines.push_back({x, y - 7, x, y + 7, width, ink});
    }
    chart.boxes.push_back(reading_box);
    chart.texts.push_back({left ? x - 10 : x + 10, reading_box.top + kFont, reading,
                           left ? Anchor::End : Anchor::Start, kBlack});
  }

  chart.summary =
      Concat({title, " (気温 ", Fixed(chart.temperature_from, 0), "〜",
              Fixed(chart.temperature_to, 0), " ℃、気圧 ", Fixed(chart.pressure_from, 0), "〜",
              Fixed(chart.pressure_to, 0), " hPa)\n", inside ? "印は今の " : "今の ", reading,
              inside ? "、" : " は図の外、", Shown(a), "\n", HoldingLines(a)});
  return chart;
}

}  // namespace jet::form
