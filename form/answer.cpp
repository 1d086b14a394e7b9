#include "form/answer.h"

#include <cmath>
#include <optional>
#include <span>

#include "calc/air_density.h"
#include "calc/holding.h"
#include "calc/recommendation.h"
#include "form/numbers.h"

namespace jet::form {
namespace {

constexpr double kLbPerFt3PerKgPerM3 = 0.06243;  // the density formula's own factor
constexpr double kStandardAir = 1.225;           // kg/m³: 15 °C, 1013.25 hPa, dry

std::string Density(double lb_per_ft3) {
  return Significant(lb_per_ft3, 5);
}
std::string KgPerM3(double lb_per_ft3) {
  return Fixed(lb_per_ft3 / kLbPerFt3PerKgPerM3, 4);
}
std::string RelativeDensity(double lb_per_ft3) {
  return Fixed(lb_per_ft3 / kLbPerFt3PerKgPerM3 / kStandardAir * 100, 1);
}

// Band limits are written as the table has them (0.0737, 0.07).
std::string Limit(double bound) {
  return Significant(bound, 6);
}

// To the whole metre, half away from zero, and never "-0".
std::string Metres(double altitude) {
  const double whole = std::round(altitude);
  return Fixed(whole == 0 ? 0.0 : whole, 0);
}

// "推奨  168-165" → "168-165".
std::string_view Jet(std::string_view text) {
  const std::size_t blank = text.rfind(' ');
  return blank == text.npos ? text : text.substr(blank + 1);
}

// One reading's grid: its name, unit, step and the format of its values,
// and how far the reading may move on it.
struct Grid {
  std::string_view name, unit;
  double step;
  int decimals;
  double first, last;
  std::optional<Holding> (*holding)(double, double, double);
};
constexpr Grid kTemperature{"気温", "℃", 0.1, 1, -50, 60, TemperatureHolding};
constexpr Grid kPressure{"気圧", "hPa", 0.1, 1, 800, 1100, PressureHolding};
constexpr Grid kHumidity{"湿度", "%", 1, 0, 0, 100, HumidityHolding};

// "気温  16.2〜21.9 ℃ なら 168 のまま" and, each on a line of its own (short
// enough for a phone), what the next grid value beyond each closed end shows. An end at the grid's
// edge is left open: the jet holds on beyond it.
std::string HoldingLine(const Grid& grid, const Answer& a) {
  const std::optional<Holding> holding = grid.holding(a.T, a.P, a.RH);
  const std::string_view jet = Jet(a.text), unit = grid.unit;
  auto value = [&grid](double v) { return Fixed(v, grid.decimals); };
  if (!holding)
    return Concat({grid.name, "  ", value(grid.first), "〜", value(grid.last), " ", unit,
                   " のどの値でも ", jet, " になりません"});
  const bool open_low = holding->lowest == grid.first, open_high = holding->highest == grid.last;
  if (open_low && open_high) return Concat({grid.name, "  どの値でも ", jet, " のまま"});
  const std::string low = open_low ? "" : value(holding->lowest),
                    high = open_high ? "" : value(holding->highest);
  std::string line =
      Concat({grid.name, "  ", low, open_high ? " " : "", open_high ? unit : "", "〜", high,
              open_high ? "" : " ", open_high ? "" : unit, " なら ", jet, " のまま"});
  // What Select shows at the neighbouring grid value, k ± 1 as the grid
  // counts them, the other two readings held.
  auto beyond = [&](double end, int direction, std::string_view side) {
    const double k = std::round(end / grid.step) + direction;
    const double v = grid.decimals ? k / 10.0 : k;
    const std::string_view shown =
        RecommendationFor(&grid == &kTemperature ? v : a.T, &grid == &kPressure ? v : a.P,
                          &grid == &kHumidity ? v : a.RH);
    return Concat({"\n  ", value(v), " ", unit, side, Jet(shown)});
  };
  if (!open_low) line += beyond(holding->lowest, -1, " 以下 ");
  if (!open_high) line += beyond(holding->highest, +1, " 以上 ");
  return line;
}

}  // namespace

std::string HoldingLines(const Answer& a) {
  return Concat({HoldingLine(kTemperature, a), "\n", HoldingLine(kPressure, a), "\n",
                 HoldingLine(kHumidity, a)});
}

std::string Explain(const Answer& answer) {
  const double D = answer.density;
  std::string text = "空気密度  " + Density(D) + " lb/ft³  (" + KgPerM3(D) + " kg/m³)\n" +
                     "相対空気密度  " + RelativeDensity(D) +
                     " %  (標準空気 15 ℃・1013.25 hPa・乾燥 = 100 %)\n" + "密度高度  " +
                     Metres(DensityAltitude(D)) + " m\n";

  const std::span<const DensityBand> bands = RecommendationTable();
  std::size_t at = 0;
  while (at + 1 < bands.size() && D < bands[at].lower) ++at;
  const bool top = at == 0, bottom = at + 1 == bands.size();
  text +=
      "この帯  " + (bottom ? Limit(bands[at].lower) + " より上" : Limit(bands[at].lower) + " 以上");
  if (!top) text += "、" + Limit(bands[at - 1].lower) + " 未満";
  text += " lb/ft³\n";
  return text + HoldingLines(answer);
}

std::string LogbookLine(const Answer& answer, const std::tm& t) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M", &t);
  const double D = answer.density;
  std::string line = stamp;
  for (const std::string& cell : {answer.temperature, answer.pressure, answer.humidity, Density(D),
                                  KgPerM3(D), RelativeDensity(D), std::string(answer.text)})
    line += "\t" + cell;
  return line;
}

std::string LogbookLine(const Answer& answer) {
  const std::time_t now = std::time(nullptr);
  return LogbookLine(answer, *std::localtime(&now));  // one thread: the static tm is safe
}

std::string Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n", kWideSpace = "\u3000";
  for (;;) {
    if (!text.empty() && kBlanks.find(text.front()) != kBlanks.npos)
      text.remove_prefix(1);
    else if (text.starts_with(kWideSpace))
      text.remove_prefix(kWideSpace.size());
    else if (!text.empty() && kBlanks.find(text.back()) != kBlanks.npos)
      text.remove_suffix(1);
    else if (text.ends_with(kWideSpace))
      text.remove_suffix(kWideSpace.size());
    else
      break;
  }
  std::string cell(text);
  for (char& c : cell)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return cell;
}

}  // namespace jet::form
