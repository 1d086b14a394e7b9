#include "form/chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <tuple>

#include "calc/air_density.h"
#include "calc/engine.h"
#include "calc/recommendation.h"
#include "form/numbers.h"

namespace jet::form {
namespace {

// The canvas, in its units: one a pixel at 96 dpi. Its height follows the
// key's rows.
constexpr double kCanvasWidth = 360, kFont = 14;
constexpr ChartBox kPlot{48, 28, 300, 256, {}};
constexpr double kTitleBaseline = 18;
// The grid on which the bands' labels are placed, ℃ × hPa.
constexpr double kCellTemperature = 0.5, kCellPressure = 2;
// The first and last steps of the vapour-pressure table, ℃.
constexpr double kFirstVapourStep = 1.5, kLastVapourStep = 38.5;
// The digits' height, in ems: a band's label must lie in the band over it.
constexpr double kDigitHeight = 0.7;
constexpr double kTickTemperature = 10, kTickPressure = 50;
// Below the plot: the tick marks, their values' baseline, the axis's name's
// baseline, and the top of the key.
constexpr double kTickLength = 4, kTickValueBelow = 17, kAxisNameBelow = 36, kKeyBelow = 46;
// The key: a swatch, the gap to its text, the gap after the text, a row.
constexpr double kSwatch = 14, kSwatchGap = 5, kKeyGap = 12, kKeyRow = 20;
// The reading's cross (half its length), the gap from it to its values,
// the white around them, and the room every label keeps from them.
constexpr double kCrossArm = 7, kMarkerGap = 10, kLabelPad = 3, kClearance = 4;

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

// A cell where Select shows nothing.
constexpr int kNoBand = -100;

// Past the table's ends, on an engine richer or leaner than it: darker than
// 175's colour, lighter than 160's.
constexpr Rgb kBeyondRich{36, 0, 44}, kBeyondLean{255, 247, 170};

std::optional<int> AsRegion(int band) {
  return band == kNoBand ? std::nullopt : std::optional<int>(band);
}

Rgb ColourOf(int band) {
  return RegionColour(AsRegion(band));
}

double TextWidth(std::string_view text) {
  return jet::form::TextWidth(text, kFont);
}

// The axis's ends: the default range, widened in whole ticks to take in the
// reading, but never past the limits.
std::pair<double, double> Axis(double value, double from, double to, double tick, double lowest,
                               double highest) {
  if (value < from) from = std::max(lowest, std::floor(value / tick) * tick);
  if (value > to) to = std::min(highest, std::ceil(value / tick) * tick);
  return {from, to};
}

// The temperature and the pressure at a place of the canvas.
double TemperatureAt(const Chart& chart, double x) {
  return chart.temperature_from +
         (x - chart.plot.left) / chart.plot.width * (chart.temperature_to - chart.temperature_from);
}
double PressureAt(const Chart& chart, double y) {
  return chart.pressure_to -
         (y - chart.plot.top) / chart.plot.height * (chart.pressure_to - chart.pressure_from);
}

// A point's place to a hundredth of a unit (under 0.01 hPa): short to write.
double Rounded(double value) {
  return std::round(value * 100) / 100;
}

// A value as typed, unless it is long: then to five significant digits, so
// that a label stays short whatever was typed.
std::string Brief(double value) {
  std::string shortest = Shortest(value);
  return shortest.size() <= 9 ? shortest : Significant(value, 5);
}

// The table's band Select shows at a place, leaner than all of them
// (kBandCount) where it shows none: the density falls as the pressure falls,
// so that at each temperature the bands follow one another up the plot.
int TableBandAt(double T, double P, double RH) {
  return BandFor(T, P, RH).value_or(kBandCount);
}

// The region a table band (or kBandCount, none) belongs to on this engine.
int RegionOf(int table_band, int offset) {
  return table_band == kBandCount ? kNoBand : EngineBand(table_band, offset);
}

// What the chart shows at a place: the engine's band, or kNoBand where
// Select shows nothing.
int RegionAt(double T, double P, const Answer& a) {
  return RegionOf(TableBandAt(T, P, a.RH), a.offset);
}

// The lowest pressure at which Select shows each table band or a richer one
// at a temperature, from the density formula turned round: the plot's
// bottom or top where that is all of it or none. The last band takes every
// density above zero. Each within a hair (1e-12 hPa) of where Select's
// answer changes, so that the cells' bands can be read off them.
using TableEdges = std::array<double, kBandCount>;
TableEdges EdgesAt(const Chart& chart, double RH, double T) {
  TableEdges edges{};
  for (int band = 0; band < kBandCount; ++band) {
    const double lower = band + 1 < kBandCount
                             ? RecommendationTable()[static_cast<std::size_t>(band)].lower
                             : std::numeric_limits<double>::denorm_min();
    const double P = PressureForDensity(T, lower, RH / 100);
    edges[static_cast<std::size_t>(band)] =
        std::isnan(P) ? chart.pressure_to : std::clamp(P, chart.pressure_from, chart.pressure_to);
  }
  return edges;
}

// A region of the picture: an engine band (or kNoBand), the table band
// whose edge is its lower edge (kBandCount: the plot's bottom), and whether
// it appears at all. It reaches up to the next region's edge.
struct Region {
  int band, table_band;
  bool shown;
};

// The regions from the leanest up, each with its lower edge at every
// temperature sampled.
struct Edges {
  std::vector<double> temperatures;
  std::vector<TableEdges> table;  // at each temperature
  std::vector<Region> regions;
  double from;  // the plot's bottom

  double Bottom(const Region& region, std::size_t sample) const {
    return region.table_band < kBandCount
               ? table[sample][static_cast<std::size_t>(region.table_band)]
               : from;
  }
};

Edges FindEdges(const Chart& chart, const Answer& a) {
  Edges edges;
  // One sample for each unit across the plot, and both sides of each step
  // of the vapour-pressure table (at 1.5, 2.5, … 38.5 ℃, each belonging to
  // the row above it).
  const double from = chart.temperature_from, to = chart.temperature_to;
  const int units = static_cast<int>(std::lround(chart.plot.width));
  for (int i = 0; i <= units; ++i) edges.temperatures.push_back(from + (to - from) * i / units);
  for (double step = kFirstVapourStep; step <= kLastVapourStep; ++step)
    if (step > from && step < to) {
      edges.temperatures.push_back(std::nextafter(step, from));
      edges.temperatures.push_back(step);
    }
  std::sort(edges.temperatures.begin(), edges.temperatures.end());
  edges.temperatures.erase(std::unique(edges.temperatures.begin(), edges.temperatures.end()),
                           edges.temperatures.end());

  const std::size_t samples = edges.temperatures.size();
  edges.table.reserve(samples);
  for (const double T : edges.temperatures) edges.table.push_back(EdgesAt(chart, a.RH, T));
  edges.from = chart.pressure_from;
  for (int band = kBandCount; band >= 0; --band) {
    const int region = RegionOf(band, a.offset);
    if (edges.regions.empty() || edges.regions.back().band != region)
      edges.regions.push_back({region, band, false});
  }
  // A region shows where its lower edge lies below the next one's.
  for (std::size_t r = 0; r < edges.regions.size(); ++r)
    for (std::size_t i = 0; i < samples && !edges.regions[r].shown; ++i) {
      const double top =
          r + 1 < edges.regions.size() ? edges.Bottom(edges.regions[r + 1], i) : chart.pressure_to;
      edges.regions[r].shown = edges.Bottom(edges.regions[r], i) < top;
    }
  return edges;
}

// Each region as an outline from its lower edge to the plot's top, painted
// from the leanest up: the next region covers the rest of it, so that the
// two share one edge with nothing between them.
void AddRegions(Chart& chart, const Edges& edges) {
  const ChartBox& plot = chart.plot;
  for (const Region& region : edges.regions) {
    if (!region.shown) continue;
    ChartRegion outline{{}, ColourOf(region.band)};
    outline.points.reserve(edges.temperatures.size() + 2);
    for (std::size_t i = 0; i < edges.temperatures.size(); ++i)
      outline.points.push_back({Rounded(ChartX(chart, edges.temperatures[i])),
                                Rounded(ChartY(chart, edges.Bottom(region, i)))});
    outline.points.push_back({plot.left + plot.width, plot.top});
    outline.points.push_back({plot.left, plot.top});
    chart.regions.push_back(std::move(outline));
  }
}

// What Select shows in each cell of a coarse grid over the plot, row by row
// from the top: where the bands' labels may go.
struct Cells {
  int columns, rows;
  double width, height;  // one cell's, in canvas units
  std::vector<int> bands;
  int at(int column, int row) const {
    return bands[static_cast<std::size_t>(row * columns + column)];
  }
  // The end of the run of one band along a row that starts at `column`.
  int RunEnd(int column, int row) const {
    int end = column + 1;
    while (end < columns && at(end, row) == at(column, row)) ++end;
    return end;
  }
};

Cells SampleCells(const Chart& chart, const Answer& a) {
  const ChartBox& plot = chart.plot;
  Cells cells{};
  cells.columns = static_cast<int>(
      std::lround((chart.temperature_to - chart.temperature_from) / kCellTemperature));
  cells.rows =
      static_cast<int>(std::lround((chart.pressure_to - chart.pressure_from) / kCellPressure));
  cells.width = plot.width / cells.columns;
  cells.height = plot.height / cells.rows;
  cells.bands.resize(static_cast<std::size_t>(cells.columns * cells.rows));
  // Down each column, the table band steps leaner at each edge passed.
  for (int column = 0; column < cells.columns; ++column) {
    const TableEdges edges =
        EdgesAt(chart, a.RH, chart.temperature_from + (column + 0.5) * kCellTemperature);
    for (int row = 0, band = 0; row < cells.rows; ++row) {
      const double P = chart.pressure_to - (row + 0.5) * kCellPressure;
      while (band < kBandCount && P < edges[static_cast<std::size_t>(band)]) ++band;
      cells.bands[static_cast<std::size_t>(row * cells.columns + column)] =
          RegionOf(band, a.offset);
    }
  }
  return cells;
}

// Whether a label's box (left, top, right, bottom) lies wholly in one
// region: at every unit across it, the region at its top and at its bottom
// (between them the bands follow one another, so nothing else can be).
bool WhollyIn(const Chart& chart, const Answer& a, int band, double l, double t, double r,
              double b) {
  const double top = PressureAt(chart, t), bottom = PressureAt(chart, b);
  for (double x = l;; x = std::min(x + 1, r)) {
    const double T = TemperatureAt(chart, x);
    if (RegionAt(T, top, a) != band || RegionAt(T, bottom, a) != band) return false;
    if (x >= r) return true;
  }
}

// The reading's mark: where its cross stands and where its values go,
// worked out before the bands' labels, none of which may cover them.
struct Marker {
  bool inside;  // within the plot; else it is not drawn
  double x, y;  // the cross's middle
  std::string text;
  ChartText label;
  ChartBox box;  // white, behind the label

  // Whether a box (left, top, right, bottom) keeps clear of the cross and
  // the label, and does not touch them either.
  bool Clear(double l, double t, double r, double b) const {
    if (!inside) return true;
    l -= kClearance, t -= kClearance, r += kClearance, b += kClearance;
    const double arm = kCrossArm + 1;
    const bool off_cross = r < x - arm || l > x + arm || b < y - arm || t > y + arm;
    const bool off_box =
        r < box.left || l > box.left + box.width || b < box.top || t > box.top + box.height;
    return off_cross && off_box;
  }
};

// The values go beside the cross, right of it where they fit, else left of
// it, above it unless that leaves the plot; where they fit on neither side
// they go over or under the cross, kept on the canvas.
Marker PlaceMarker(const Chart& chart, const Answer& a) {
  const ChartBox& plot = chart.plot;
  const double right = plot.left + plot.width, bottom = plot.top + plot.height;
  Marker m{};
  m.x = ChartX(chart, a.T);
  m.y = ChartY(chart, a.P);
  m.inside = m.x >= plot.left && m.x <= right && m.y >= plot.top && m.y <= bottom;
  m.text = Concat({Brief(a.T), " ℃・", Brief(a.P), " hPa"});
  const double width = TextWidth(m.text);
  const bool fits_right = m.x + kMarkerGap + width <= right;
  const bool fits_left = m.x - kMarkerGap - width >= plot.left;
  double baseline =
      m.y - kMarkerGap - kFont < plot.top ? m.y + kMarkerGap + kFont : m.y - kMarkerGap;
  double left = 0;
  if (fits_right || fits_left) {
    left = fits_right ? m.x + kMarkerGap : m.x - kMarkerGap - width;
    m.label = {fits_right ? left : m.x - kMarkerGap, baseline, m.text,
               fits_right ? Anchor::Start : Anchor::End, kBlack};
  } else {
    // Clear of the cross's arms above or below it.
    baseline = m.y - kCrossArm - kMarkerGap / 2 - kFont < plot.top
                   ? m.y + kCrossArm + kMarkerGap / 2 + kFont
                   : m.y - kCrossArm - kMarkerGap / 2;
    left = std::clamp(m.x - width / 2, kLabelPad,
                      std::max(kLabelPad, chart.width - kLabelPad - width));
    m.label = {left + width / 2, baseline, m.text, Anchor::Middle, kBlack};
  }
  m.box = {left - kLabelPad, baseline - kFont, width + 2 * kLabelPad, kFont + 4, kWhite};
  return m;
}

// Each band's jet where a label fits wholly inside the band: in the widest
// run whose neighbouring rows hold the band under the whole label. An
// engine's bands past the table's ends count too. The digits' height is
// about 0.7 em: most of its half above and below the middle must lie in
// the band.
void AddLabels(Chart& chart, const Answer& a, const Cells& cells, const Marker& marker) {
  const ChartBox& plot = chart.plot;
  const int half_rows = static_cast<int>(std::ceil(kFont * 0.3 / cells.height));
  struct Place {
    double run, x, y;  // the run's length, the label's middle
  };
  // Every band's places, from one pass over the runs: bands −1 … kBandCount
  // at index band + 1.
  constexpr std::size_t kBands = kBandCount + 2;
  std::array<std::string, kBands> jets;
  std::array<double, kBands> needed{};
  for (std::size_t i = 0; i < kBands; ++i) {
    jets[i] = BandJets(static_cast<int>(i) - 1);
    needed[i] = TextWidth(jets[i]);
  }
  std::array<std::vector<Place>, kBands> places;
  for (int row = half_rows + 1; row + half_rows + 1 < cells.rows; ++row)
    for (int column = 0; column < cells.columns;) {
      const int end = cells.RunEnd(column, row);
      const double run = (end - column) * cells.width;
      const int b = cells.at(column, row);
      const auto i = static_cast<std::size_t>(b + 1);
      if (b != kNoBand && run >= needed[i]) {
        const double middle = (column + end) / 2.0;
        const int first = static_cast<int>(middle - needed[i] / 2 / cells.width);
        const int last = static_cast<int>(std::ceil(middle + needed[i] / 2 / cells.width));
        bool fits = true;
        for (int r = row - half_rows; fits && r <= row + half_rows; ++r)
          for (int c = std::max(first, 0); fits && c < std::min(last, cells.columns); ++c)
            fits = cells.at(c, r) == b;
        if (fits)
          places[i].push_back(
              {run, plot.left + middle * cells.width, plot.top + (row + 0.5) * cells.height});
      }
      column = end;
    }
  for (int b = -1; b <= kBandCount; ++b) {
    const auto i = static_cast<std::size_t>(b + 1);
    // The widest run first whose label lies wholly in the band, its true
    // edges rather than the grid's, and clear of the reading.
    std::stable_sort(places[i].begin(), places[i].end(),
                     [](const Place& p, const Place& q) { return p.run > q.run; });
    for (const Place& place : places[i]) {
      const double l = place.x - needed[i] / 2, r = place.x + needed[i] / 2;
      const double t = place.y - kFont * kDigitHeight / 2,
                   bottom = place.y + kFont * kDigitHeight / 2;
      if (marker.Clear(l, place.y - kFont / 2, r, place.y + kFont / 2) &&
          WhollyIn(chart, a, b, l, t, r, bottom)) {
        chart.texts.push_back(
            {place.x, place.y + kFont * 0.35, jets[i], Anchor::Middle, TextOn(ColourOf(b))});
        break;
      }
    }
  }
}

// The frame and the ticks, every 10 ℃ and 50 hPa, with their values; the
// title and the axes' names.
void AddAxes(Chart& chart, const std::string& title) {
  const ChartBox& plot = chart.plot;
  const double right = plot.left + plot.width, bottom = plot.top + plot.height;
  for (const auto [x1, y1, x2, y2] :
       {std::array{plot.left, plot.top, right, plot.top},
        std::array{right, plot.top, right, bottom}, std::array{right, bottom, plot.left, bottom},
        std::array{plot.left, bottom, plot.left, plot.top}})
    chart.lines.push_back({x1, y1, x2, y2, 1, kBlack});
  for (double t = chart.temperature_from; t <= chart.temperature_to; t += kTickTemperature) {
    const double tick = ChartX(chart, t);
    chart.lines.push_back({tick, bottom, tick, bottom + kTickLength, 1, kBlack});
    chart.texts.push_back({tick, bottom + kTickValueBelow, Fixed(t, 0), Anchor::Middle, kBlack});
  }
  for (double p = chart.pressure_from; p <= chart.pressure_to; p += kTickPressure) {
    const double tick = ChartY(chart, p);
    chart.lines.push_back({plot.left - kTickLength, tick, plot.left, tick, 1, kBlack});
    chart.texts.push_back(
        {plot.left - kTickLength - 2, tick + kFont * 0.35, Fixed(p, 0), Anchor::End, kBlack});
  }
  chart.texts.push_back({chart.width / 2, kTitleBaseline, title, Anchor::Middle, kBlack});
  chart.texts.push_back({kLabelPad, kTitleBaseline, "hPa", Anchor::Start, kBlack});
  chart.texts.push_back(
      {plot.left + plot.width / 2, bottom + kAxisNameBelow, "気温 ℃", Anchor::Middle, kBlack});
}

// The key under the plot: each region the picture holds.
void AddKey(Chart& chart, const Edges& edges) {
  std::vector<std::optional<int>> shown;
  for (const Region& region : edges.regions)
    if (region.shown) shown.push_back(AsRegion(region.band));
  AddKey(chart, shown, chart.plot.top + chart.plot.height + kKeyBelow);
}

// The reading: a cross, black on white so that it shows on every band,
// and its values beside it on white.
void AddMarker(Chart& chart, const Marker& m) {
  if (!m.inside) return;
  for (const auto& [width, ink] : {std::pair{4.0, kWhite}, std::pair{2.0, kBlack}}) {
    chart.lines.push_back({m.x - kCrossArm, m.y, m.x + kCrossArm, m.y, width, ink});
    chart.lines.push_back({m.x, m.y - kCrossArm, m.x, m.y + kCrossArm, width, ink});
  }
  chart.boxes.push_back(m.box);
  chart.texts.push_back(m.label);
}

}  // namespace

Rgb RegionColour(std::optional<int> band) {
  if (!band) return kNone;
  if (*band < 0) return kBeyondRich;
  if (*band >= kBandCount) return kBeyondLean;
  return kPalette[static_cast<std::size_t>(*band)];
}

Rgb TextOn(Rgb fill) {
  return 0.2126 * fill.red + 0.7152 * fill.green + 0.0722 * fill.blue > 128 ? kBlack : kWhite;
}

std::string RegionText(std::optional<int> band) {
  return band ? BandJets(*band) : std::string("推奨なし");
}

double TextWidth(std::string_view text, double font_size) {
  double em = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80)
      em += 0.55;
    else if (byte >= 0xC0)
      em += 1;  // a lead byte: one character
  }
  return em * font_size;
}

void AddKey(Chart& chart, std::span<const std::optional<int>> regions, double top) {
  // The regions may come in any order; the key runs from the richest, none
  // last, each once.
  std::vector<int> shown;
  bool none = false;
  for (const std::optional<int>& region : regions) {
    if (!region)
      none = true;
    else if (std::find(shown.begin(), shown.end(), *region) == shown.end())
      shown.push_back(*region);
  }
  std::sort(shown.begin(), shown.end());
  if (none) shown.push_back(kNoBand);
  double column = 0;
  for (const int b : shown)
    column = std::max(column,
                      kSwatch + kSwatchGap + TextWidth(RegionText(AsRegion(b)), kFont) + kKeyGap);
  const int per_row = std::max(1, static_cast<int>((chart.width - 2 * kLabelPad) / column));
  const double from = (chart.width - per_row * column + kKeyGap) / 2;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const double x = from + static_cast<double>(i % static_cast<std::size_t>(per_row)) * column;
    const double y = top + static_cast<double>(i / static_cast<std::size_t>(per_row)) * kKeyRow;
    chart.boxes.push_back({x, y, kSwatch, kSwatch, kBlack});
    chart.boxes.push_back({x + 1, y + 1, kSwatch - 2, kSwatch - 2, ColourOf(shown[i])});
    chart.texts.push_back({x + kSwatch + kSwatchGap, y + kSwatch - 2,
                           RegionText(AsRegion(shown[i])), Anchor::Start, kBlack});
  }
  const auto rows = static_cast<double>((shown.size() + static_cast<std::size_t>(per_row) - 1) /
                                        static_cast<std::size_t>(per_row));
  chart.height = top + rows * kKeyRow + kLabelPad;
}

double ChartScale(const Chart& chart, double room) {
  constexpr double kSmallest = 0.4;  // a picture still worth looking at
  return std::clamp(room / chart.height, kSmallest, 1.0);
}

double ChartX(const Chart& chart, double temperature_c) {
  return chart.plot.left + (temperature_c - chart.temperature_from) /
                               (chart.temperature_to - chart.temperature_from) * chart.plot.width;
}

double ChartY(const Chart& chart, double pressure_hpa) {
  return chart.plot.top + (chart.pressure_to - pressure_hpa) /
                              (chart.pressure_to - chart.pressure_from) * chart.plot.height;
}

Chart JetChart(const Answer& a) {
  Chart chart{kCanvasWidth, 0, kFont, {}, {}, {}, {}, {}, 0, 0, 0, 0, kPlot};
  std::tie(chart.temperature_from, chart.temperature_to) =
      Axis(a.T, -10, 40, kTickTemperature, -60, 70);
  std::tie(chart.pressure_from, chart.pressure_to) = Axis(a.P, 850, 1050, kTickPressure, 500, 1100);
  // On an engine that is not the table's, the title says so.
  const std::string title =
      a.offset == 0
          ? Concat({"湿度 ", Brief(a.RH), " % のときの推奨ジェット"})
          : Concat({"湿度 ", Brief(a.RH), " %・このエンジン (", OffsetWords(a.offset), ")"});

  const Edges edges = FindEdges(chart, a);
  AddRegions(chart, edges);
  const Marker marker = PlaceMarker(chart, a);
  AddLabels(chart, a, SampleCells(chart, a), marker);
  AddAxes(chart, title);
  AddKey(chart, edges);
  AddMarker(chart, marker);

  chart.summary = Concat(
      {title, " (気温 ", Fixed(chart.temperature_from, 0), "〜", Fixed(chart.temperature_to, 0),
       " ℃、気圧 ", Fixed(chart.pressure_from, 0), "〜", Fixed(chart.pressure_to, 0), " hPa)\n",
       marker.inside ? "印は今の " : "今の ", marker.text, marker.inside ? "、" : " は図の外、",
       Shown(a), "\n", DensityAltitudeLine(a), "\n", HoldingLines(a)});
  return chart;
}

}  // namespace jet::form
