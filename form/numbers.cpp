#include "form/numbers.h"

#include <fmt/compile.h>

#include <iterator>

namespace jet::form {

std::string Fixed(double value, int decimals) {
  return fmt::format(FMT_COMPILE("{:.{}f}"), value, decimals);
}

std::string Significant(double value, int digits) {
  return fmt::format(FMT_COMPILE("{:.{}g}"), value, digits);
}

std::string Shortest(double value) {
  return fmt::format(FMT_COMPILE("{}"), value);
}

void AppendShortest(std::string& text, double value) {
  fmt::format_to(std::back_inserter(text), FMT_COMPILE("{}"), value);
}

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (const std::string_view part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  for (const std::string_view part : parts) text += part;
  return text;
}

}  // namespace jet::form
