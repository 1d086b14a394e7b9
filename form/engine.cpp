#include "form/engine.h"

#include <array>

#include "calc/engine.h"
#include "calc/recommendation.h"
#include "form/field.h"
#include "form/numbers.h"

namespace jet::form {
namespace {

// clang-format off
constexpr std::array<Control, 13> kEngineControls = {{
    {"lblRefPurpose", Kind::Label,
     "調子よく走った日の気温・気圧・湿度と、そのとき合っていたジェットから、"
     "このエンジンが表より何番手濃いか薄いかを求めます。",
     {120, 120, 4935, 840}, Align::Left, true, 0, {}, {}},
    {"capRefTemp", Kind::Label, "気温(℃)", {120, 1080, 2250, 375}, Align::Left, true, 1, {}, {}},
    {"txtRefTemp", Kind::TextBox, {}, {2490, 1080, 2565, 375}, Align::Right, true, 6, {}, {}},
    {"capRefPressure", Kind::Label, "気圧(hPa)", {120, 1560, 2250, 375}, Align::Left, true, 2,
     {}, {}},
    {"txtRefPressure", Kind::TextBox, {}, {2490, 1560, 2565, 375}, Align::Right, true, 7, {}, {}},
    {"capRefHumidity", Kind::Label, "湿度(％)", {120, 2040, 2250, 375}, Align::Left, true, 3,
     {}, {}},
    {"txtRefHumidity", Kind::TextBox, {}, {2490, 2040, 2565, 375}, Align::Right, true, 8, {}, {}},
    {"capRefJet", Kind::Label, "合っていたジェット", {120, 2520, 2250, 375}, Align::Left, true, 4,
     {}, {}},
    {"cboRefJet", Kind::ComboBox, {}, {2490, 2520, 2565, 375}, Align::Right, true, 9, {}, {}},
    // Read out when it changes; no tab stop.
    {"lblEngine", Kind::Label, {}, {120, 3060, 4935, 1080}, Align::Left, true, 5, {}, {}},
    {"cmdRefApply", Kind::Button, "適用", {945, 4305, 1290, 375}, Align::Centre, false, 10, {},
     {}},
    {"cmdRefReset", Kind::Button, "解除", {2355, 4305, 1290, 375}, Align::Centre, false, 11, {},
     {}},
    {"cmdRefCancel", Kind::Button, "キャンセル", {3765, 4305, 1290, 375}, Align::Centre, false,
     12, {}, {}},
}};
// clang-format on

constexpr Field kTemperature{"気温", -50, 60, "−50〜60 ℃"};
constexpr Field kPressure{"気圧", 500, 1100, "500〜1100 hPa"};
constexpr Field kHumidity{"湿度", 0, 100, "0〜100 %"};

constexpr int kDefaultSize = 3;  // 168, the middle of the table

}  // namespace

std::span<const Control> EngineControls() {
  return kEngineControls;
}

std::string JetChoice(int size_index) {
  return std::to_string(kJetSizes[static_cast<std::size_t>(size_index)]);
}

EngineFields FirstEngineFields(std::string temperature, std::string pressure, std::string humidity,
                               const std::optional<Answer>& last) {
  return {Trimmed(temperature), Trimmed(pressure), Trimmed(humidity),
          last ? last->band / 2 : kDefaultSize};
}

EngineReading ReadEngine(const EngineFields& fields, const std::optional<Answer>& last) {
  const FieldValue values[] = {ReadField(fields.temperature, kTemperature),
                               ReadField(fields.pressure, kPressure),
                               ReadField(fields.humidity, kHumidity)};
  for (const FieldValue& value : values)
    if (!value.wrong.empty()) return {value.wrong, std::nullopt};
  if (fields.size_index < 0 || fields.size_index >= static_cast<int>(kJetSizes.size()))
    return {"合っていたジェットを選んでください。", std::nullopt};
  const std::optional<int> band = BandFor(values[0].value, values[1].value, values[2].value);
  if (!band) return {"その日の値では表に推奨がありません。", std::nullopt};
  const int offset = OffsetFrom(*band, fields.size_index);
  std::string line =
      Concat({"その日の表は ", RecommendationTable()[static_cast<std::size_t>(*band)].text,
              "\nこのエンジンは", OffsetWords(offset)});
  if (last) {
    const std::string table(RecommendationTable()[static_cast<std::size_t>(last->band)].text);
    line += offset == 0
                ? Concat({"\n今は ", table})
                : Concat({"\n今は ", EngineText(last->band, offset), " (表は ", table, ")"});
  }
  return {line, offset};
}

}  // namespace jet::form
