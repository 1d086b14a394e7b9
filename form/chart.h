#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/answer.h"

// The jet chart: which recommendation Select shows for each temperature and
// pressure at the humidity of the last Select, as shapes, colours and texts
// that each front end only paints.
namespace jet::form {

// The result box's menu item (with its access key), the web page's button,
// the dialog's title and its one button.
inline constexpr std::string_view kChartMenuItem = "ジェット早見表(&J)…";
inline constexpr std::string_view kChartButton = "ジェット早見表…";
inline constexpr std::string_view kChartTitle = "ジェット早見表";
inline constexpr std::string_view kChartClose = "閉じる";

struct Rgb {
  std::uint8_t red, green, blue;
  bool operator==(const Rgb&) const = default;
};

// Everything is placed in the chart's own units on a canvas of
// Chart::width × Chart::height, y downwards; a view scales the whole to fit,
// keeping its shape. At 96 dpi one unit is meant as one pixel.
struct ChartBox {
  double left, top, width, height;
  Rgb colour;
};
struct ChartLine {
  double x1, y1, x2, y2;
  double width;
  Rgb colour;
};
struct ChartPoint {
  double x, y;
};
// A filled outline, its edges straight lines between the points; closed.
struct ChartRegion {
  std::vector<ChartPoint> points;
  Rgb colour;
};
enum class Anchor { Start, Middle, End };
struct ChartText {
  double x, y;  // y is the baseline; x the start, middle or end as anchored
  std::string text;
  Anchor anchor;
  Rgb colour;
};

struct Chart {
  double width, height;  // the canvas
  double font_size;      // every text's, in the chart's units
  // Painted in this order: the regions (the bands, from the leanest, each
  // from its lower edge to the plot's top, so that the next covers the rest
  // of it and neighbours share one edge), the boxes (the key's swatches,
  // the reading's label behind its text), the lines, the texts.
  std::vector<ChartRegion> regions;
  std::vector<ChartBox> boxes;
  std::vector<ChartLine> lines;
  std::vector<ChartText> texts;
  // What the chart shows and how far the jet holds, in words: for screen
  // readers, and under the picture for everyone.
  std::string summary;
  // The axes' ends (℃, hPa) and the plot's place on the canvas.
  double temperature_from, temperature_to, pressure_from, pressure_to;
  ChartBox plot;
};

// The chart for what the last Select read and found. The axes cover at least
// −10 … 40 ℃ and 850 … 1050 hPa, widened in whole ticks to take in the
// reading (within −60 … 70 ℃ and 500 … 1100 hPa). Each region's edge is the
// pressure at which Select's answer changes, found for every unit across
// the plot and on both sides of each step of the vapour-pressure table.
Chart JetChart(const Answer& answer);

// A region's colour and its text in the key: an engine band (−1 … 13), or
// nothing where Select shows no recommendation ("推奨なし"). The same band has
// the same colour in every picture.
Rgb RegionColour(std::optional<int> band);
std::string RegionText(std::optional<int> band);

// Dark text on the light colours, white on the dark ones.
Rgb TextOn(Rgb fill);

// How wide a text is drawn, roughly: Latin digits and letters are about
// 0.55 em, Japanese characters 1 em. Used only to keep texts apart.
double TextWidth(std::string_view text, double font_size);

// A key of the regions (in any order, each named once: richest first,
// nothing last) from `top` down, as a swatch (framed, so that the light ones
// show on white) and its text each, in rows of equal columns centred on the
// canvas; the canvas grows to take it.
void AddKey(Chart& chart, std::span<const std::optional<int>> regions, double top);

// How much a view shrinks the picture to fit a screen with `room` units of
// height left for it: 1 where it fits, never below 0.4.
double ChartScale(const Chart& chart, double room);

// The canvas place of a temperature and a pressure.
double ChartX(const Chart& chart, double temperature_c);
double ChartY(const Chart& chart, double pressure_hpa);

}  // namespace jet::form
