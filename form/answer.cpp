#include "form/answer.h"

#include <fmt/compile.h>

#include <span>

#include "calc/recommendation.h"

namespace jet::form {
namespace {

constexpr double kLbPerFt3PerKgPerM3 = 0.06243;  // the density formula's own factor
constexpr double kStandardAir = 1.225;           // kg/m³: 15 °C, 1013.25 hPa, dry

// Numbers are printed as printf's %.Nf (digits after the point) and %.Ng
// (significant digits) print them, by {fmt} on every target, each format
// compiled in. No locale: the point is always '.'.
std::string Density(double lb_per_ft3) {
  return fmt::format(FMT_COMPILE("{:.5g}"), lb_per_ft3);
}
std::string KgPerM3(double lb_per_ft3) {
  return fmt::format(FMT_COMPILE("{:.4f}"), lb_per_ft3 / kLbPerFt3PerKgPerM3);
}
std::string RelativeDensity(double lb_per_ft3) {
  return fmt::format(FMT_COMPILE("{:.1f}"), lb_per_ft3 / kLbPerFt3PerKgPerM3 / kStandardAir * 100);
}

// How far the density must rise (+) or fall (−) to reach another band, in
// lb/ft³ and in % of the density.
std::string Distance(std::string_view sign, double amount, double density) {
  return fmt::format(FMT_COMPILE("{}{:.6f} lb/ft³ ({}{:.2f} %)"), sign, amount, sign,
                     amount / density * 100);
}

// Band limits are written as the table has them (0.0737, 0.07).
std::string Limit(double bound) {
  return fmt::format(FMT_COMPILE("{:.6g}"), bound);
}

}  // namespace

std::string Explain(const Answer& answer) {
  const double D = answer.density;
  std::string text = "空気密度  " + Density(D) + " lb/ft³  (" + KgPerM3(D) + " kg/m³)\n" +
                     "相対空気密度  " + RelativeDensity(D) +
                     " %  (標準空気 15 ℃・1013.25 hPa・乾燥 = 100 %)\n";

  const std::span<const DensityBand> bands = RecommendationTable();
  std::size_t at = 0;
  while (at + 1 < bands.size() && D < bands[at].lower) ++at;
  const bool top = at == 0, bottom = at + 1 == bands.size();
  text +=
      "この帯  " + (bottom ? Limit(bands[at].lower) + " より上" : Limit(bands[at].lower) + " 以上");
  if (!top) text += "、" + Limit(bands[at - 1].lower) + " 未満";
  text += " lb/ft³";
  // Denser air takes a larger jet: the band above is the richer one.
  if (!top)
    text += "\n1段濃い「" + std::string(bands[at - 1].text) + "」まで  あと " +
            Distance("+", bands[at - 1].lower - D, D);
  if (!bottom)
    text += "\n1段薄い「" + std::string(bands[at + 1].text) + "」まで  あと " +
            Distance("−", D - bands[at].lower, D);
  return text;
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
