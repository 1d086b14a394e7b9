#include "form/pressure.h"

#include <array>

#include "calc/station_pressure.h"
#include "form/field.h"
#include "form/numbers.h"

namespace jet::form {
namespace {

// clang-format off
constexpr std::array<Control, 10> kPressureControls = {{
    {"lblPurpose", Kind::Label,
     "天気予報の気圧は海面の高さに換算した値 (海面気圧) です。走る場所の標高と気温から、"
     "その場所の気圧 (現地気圧) を求めて気圧欄に入れます。",
     {120, 120, 4935, 840}, Align::Left, true, 0, {}, {}},
    {"capSeaLevel", Kind::Label, "海面気圧(hPa)", {120, 1140, 2250, 375}, Align::Left, true, 1,
     {}, {}},
    {"txtSeaLevel", Kind::TextBox, {}, {2490, 1140, 2565, 375}, Align::Right, true, 4, {}, {}},
    {"capAltitude", Kind::Label, "標高(m)", {120, 1620, 2250, 375}, Align::Left, true, 2, {}, {}},
    {"txtAltitude", Kind::TextBox, {}, {2490, 1620, 2565, 375}, Align::Right, true, 5, {}, {}},
    {"capAirTemp", Kind::Label, "気温(℃)", {120, 2100, 2250, 375}, Align::Left, true, 3, {}, {}},
    {"txtAirTemp", Kind::TextBox, {}, {2490, 2100, 2565, 375}, Align::Right, true, 6, {}, {}},
    // Read out when it changes; no tab stop.
    {"lblStation", Kind::Label, {}, {120, 2640, 4935, 540}, Align::Centre, true, 9, {}, {}},
    {"cmdApply", Kind::Button, "適用", {2355, 3345, 1290, 375}, Align::Centre, false, 7, {}, {}},
    {"cmdCancel", Kind::Button, "キャンセル", {3765, 3345, 1290, 375}, Align::Centre, false, 8,
     {}, {}},
}};
// clang-format on

constexpr Field kSeaLevel{"海面気圧", 870, 1085, "870〜1085 hPa"};
constexpr Field kAltitude{"標高", -500, 5000, "−500〜5000 m"};
constexpr Field kTemperature{"気温", -50, 60, "−50〜60 ℃"};

// Rounds to 0.1 as a person rounds the decimal the double stands for, half
// away from zero: the shortest decimal that reads back as the same double
// (1000.05, not 1000.049999999999954525…) is rounded digit by digit. The
// pressures here are positive, about 500 to 1100 hPa, never in exponent form.
std::string Tenths(double value) {
  std::string text = Shortest(value);
  const std::size_t point = text.find('.');
  if (text.find('e') != std::string::npos) return Fixed(value, 1);
  if (point == std::string::npos) return text + ".0";
  const bool up = point + 2 < text.size() && text[point + 2] >= '5';
  text.resize(point + 2);
  for (std::size_t at = text.size(); up && at-- > 0;) {
    if (text[at] == '.') continue;
    if (text[at] != '9') {
      ++text[at];
      break;
    }
    text[at] = '0';
    if (at == 0) text.insert(0, 1, '1');
  }
  return text;
}

}  // namespace

std::span<const Control> PressureControls() {
  return kPressureControls;
}

Station ReadStation(std::string_view sea_level, std::string_view altitude,
                    std::string_view temperature) {
  const FieldValue fields[] = {ReadField(sea_level, kSeaLevel), ReadField(altitude, kAltitude),
                               ReadField(temperature, kTemperature)};
  for (const FieldValue& field : fields)
    if (!field.wrong.empty()) return {field.wrong, {}};
  const std::string pressure =
      Tenths(StationPressure(fields[0].value, fields[1].value, fields[2].value));
  return {"現地気圧  " + pressure + " hPa", pressure};
}

}  // namespace jet::form
