#include "form/layout.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace jet::form {
namespace {

// What to type into each box, and where to measure it. The pressure is the
// commonest mistake: forecasts also give it reduced to sea level.
constexpr std::string_view kTemperatureTip =
    "気温 (℃)：エンジンが吸う空気の温度。走る場所で測った値を入れます。";
constexpr std::string_view kPressureTip =
    "気圧 (mb = hPa)：走る場所の気圧 (現地気圧) です。\n"
    "天気予報の海面気圧ではありません。気圧は高さ 100 m ごとに約 12 hPa 下がります。\n"
    "天気予報の気圧からは「海面気圧から換算」で求められます (気圧欄の右クリックメニュー、"
    "ウェブ版はフォームの下のボタン)。";
constexpr std::string_view kHumidityTip = "湿度 (％)：走る場所の相対湿度 (0〜100 %)。";

// clang-format off
constexpr std::array<Control, 9> kControls = {{
    {"cmd", Kind::Button, "選定", {1800, 2520, 1575, 375}, Align::Centre, false, 0, {}, {}},
    {"Label1", Kind::Label, "気温(℃)", {240, 240, 1095, 255}, Align::Centre, true, 1, {},
     kTemperatureTip},
    {"lblTemp", Kind::TextBox, {}, {1560, 240, 1815, 375}, Align::Right, true, 4, {},
     kTemperatureTip},
    {"Label3", Kind::Label, "気圧(mb)", {240, 840, 1095, 255}, Align::Centre, true, 2, {},
     kPressureTip},
    {"lblBphpa", Kind::TextBox, {}, {1560, 840, 1815, 375}, Align::Right, true, 5, {},
     kPressureTip},
    {"Label7", Kind::Label, "湿度(％)", {240, 1440, 1095, 255}, Align::Centre, true, 3, {},
     kHumidityTip},
    {"lblHum", Kind::TextBox, {}, {1560, 1440, 1815, 375}, Align::Right, true, 6, {},
     kHumidityTip},
    {"cmdclear", Kind::Button, "数値クリア", {120, 2520, 1455, 375}, Align::Centre, false, 7, {},
     {}},
    // Its tooltip explains the recommendation shown (see Explain).
    {"txtMJ", Kind::TextBox, {}, {120, 1920, 3255, 375}, Align::Centre, true, 8,
     "推奨メインジェット", {}},
}};
// clang-format on

}  // namespace

std::span<const Control> Controls() {
  return kControls;
}

// Plain algorithms rather than std::ranges: not every target's standard
// library has the ranges ones yet.
const Control& Find(std::span<const Control> controls, std::string_view name) {
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [name](const Control& control) { return control.name == name; });
  if (found == controls.end()) throw std::out_of_range("no control " + std::string(name));
  return *found;
}

const Control& Find(std::string_view name) {
  return Find(kControls, name);
}

std::vector<const Control*> TabOrder() {
  return TabOrder(kControls);
}

std::vector<const Control*> TabOrder(std::span<const Control> controls) {
  std::vector<const Control*> order;
  for (const Control& control : controls)
    if (control.kind != Kind::Label) order.push_back(&control);
  std::sort(order.begin(), order.end(),
            [](const Control* a, const Control* b) { return a->tab_index < b->tab_index; });
  return order;
}

}  // namespace jet::form
