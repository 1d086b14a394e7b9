#pragma once

#include <string>
#include <string_view>

// A dialog's field that must hold one number in a range: read strictly (the
// whole text one number, blanks around it aside, in the spellings the main
// window reads), and what is wrong with it in one short line.
namespace jet::form {

struct Field {
  std::string_view name;  // as the messages call it
  double lowest, highest;
  std::string_view range;  // as the messages write it
};

// The field's value, or what is wrong with it: "気温が数値ではありません。".
struct FieldValue {
  double value = 0;
  std::string wrong;
};

FieldValue ReadField(std::string_view text, const Field& field);

}  // namespace jet::form
