#include "form/field.h"

#include <optional>

#include "calc/text_to_number.h"
#include "form/answer.h"

namespace jet::form {

FieldValue ReadField(std::string_view text, const Field& field) {
  const std::string name(field.name);
  const std::string out_of_range = name + "が範囲外です (" + std::string(field.range) + ")。";
  std::optional<double> value;
  try {
    value = TextToWholeNumber(text);
  } catch (const ConversionError&) {
    return {0, out_of_range};
  }
  if (!value) {
    if (Trimmed(text).empty()) return {0, name + "を入れてください。"};
    return {0, name + "が数値ではありません。"};
  }
  if (!(*value >= field.lowest && *value <= field.highest)) return {0, out_of_range};
  return {*value, {}};
}

}  // namespace jet::form
