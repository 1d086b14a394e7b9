#include "form/answer.h"

#include <cmath>
#include <optional>
#include <span>

#include "calc/air_density.h"
#include "calc/engine.h"
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

// One reading's grid as the explanation writes it: its name, unit and
// the decimals of its values.
struct Grid {
  Reading reading;
  std::string_view name, unit;
  int decimals;
};
constexpr Grid kGrids[] = {{Reading::Temperature, "気温", "℃", 1},
                           {Reading::Pressure, "気圧", "hPa", 1},
                           {Reading::Humidity, "湿度", "%", 0}};

// "気温  16.2〜21.9 ℃ なら 168 のまま" and, each on a line of its own (short
// enough for a phone), what the next grid value beyond each closed end shows.
// An end at the grid's edge is left open: the jet holds on beyond it. On an
// engine the jets are the engine's, and everything past an end of the table
// is one ("175 以上").
std::string HoldingLine(const Grid& grid, const Answer& a) {
  const Readings readings{a.T, a.P, a.RH};
  const ReadingGrid steps = GridOf(grid.reading);
  const std::optional<Holding> holding = HoldingOf(grid.reading, readings, a.offset);
  const std::string jet = BandJets(EngineBand(a.band, a.offset));
  const std::string_view unit = grid.unit;
  auto value = [&grid](double v) { return Fixed(v, grid.decimals); };
  const double first = steps.Value(steps.first), last = steps.Value(steps.last);
  if (!holding)
    return Concat({grid.name, "  ", value(first), "〜", value(last), " ", unit, " のどの値でも ",
                   jet, " になりません"});
  const bool open_low = holding->lowest == first, open_high = holding->highest == last;
  if (open_low && open_high) return Concat({grid.name, "  どの値でも ", jet, " のまま"});
  const std::string low = open_low ? "" : value(holding->lowest),
                    high = open_high ? "" : value(holding->highest);
  std::string line =
      Concat({grid.name, "  ", low, open_high ? " " : "", open_high ? unit : "", "〜", high,
              open_high ? "" : " ", open_high ? "" : unit, " なら ", jet, " のまま"});
  // What Select shows at the neighbouring grid value, k ± 1 as the grid
  // counts them, the other two readings held.
  auto beyond = [&](double end, int direction, std::string_view side) {
    const double v = steps.Value(static_cast<int>(std::lround(end * steps.divisor)) + direction);
    const std::optional<int> shown = EngineBandFor(readings.With(grid.reading, v), a.offset);
    return Concat({"\n  ", value(v), " ", unit, side, shown ? BandJets(*shown) : ""});
  };
  if (!open_low) line += beyond(holding->lowest, -1, " 以下 ");
  if (!open_high) line += beyond(holding->highest, +1, " 以上 ");
  return line;
}

}  // namespace

std::string Shown(const Answer& answer) {
  return EngineText(answer.band, answer.offset);
}

std::string OffsetWords(int offset) {
  if (offset == 0) return "表どおり";
  return Concat({"表より ", std::to_string(offset > 0 ? offset : -offset), " 番手",
                 offset > 0 ? "濃い" : "薄い"});
}

std::string HoldingLines(const Answer& a) {
  return Concat({HoldingLine(kGrids[0], a), "\n", HoldingLine(kGrids[1], a), "\n",
                 HoldingLine(kGrids[2], a)});
}

std::string DensityAltitudeLine(const Answer& answer) {
  return Concat({"密度高度  ", Metres(DensityAltitude(answer.density)), " m"});
}

std::string Explain(const Answer& answer) {
  const double D = answer.density;
  std::string text = "空気密度  " + Density(D) + " lb/ft³  (" + KgPerM3(D) + " kg/m³)\n" +
                     "相対空気密度  " + RelativeDensity(D) +
                     " %  (標準空気 15 ℃・1013.25 hPa・乾燥 = 100 %)\n" +
                     DensityAltitudeLine(answer) + "\n";

  const std::span<const DensityBand> bands = RecommendationTable();
  const auto at = static_cast<std::size_t>(answer.band);
  const bool top = at == 0, bottom = at + 1 == bands.size();
  text +=
      "この帯  " + (bottom ? Limit(bands[at].lower) + " より上" : Limit(bands[at].lower) + " 以上");
  if (!top) text += "、" + Limit(bands[at - 1].lower) + " 未満";
  text += " lb/ft³\n";
  if (answer.offset != 0)
    text += Concat({"このエンジン: ", OffsetWords(answer.offset), " (表は ",
                    bands[static_cast<std::size_t>(answer.band)].text, ")\n"});
  return text + HoldingLines(answer);
}

std::string LogbookLine(const Answer& answer, const std::tm& t) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M", &t);
  return LogbookLine(answer, std::string_view(stamp));
}

std::string LogbookLine(const Answer& answer, std::string_view stamp) {
  const double D = answer.density;
  const std::string offset = (answer.offset > 0 ? "+" : "") + std::to_string(answer.offset);
  std::string line(stamp);
  for (const std::string& cell : {answer.temperature, answer.pressure, answer.humidity, Density(D),
                                  KgPerM3(D), RelativeDensity(D), Shown(answer), offset})
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
