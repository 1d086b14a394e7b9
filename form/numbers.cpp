#include "form/numbers.h"

#include <fmt/compile.h>

#include <cmath>
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

void AppendTenths(std::string& text, double value) {
  const double tenths = std::round(value * 10);
  if (!(std::abs(tenths) < 1e15)) return AppendShortest(text, value);  // too far to matter
  const auto whole = static_cast<long long>(tenths);
  if (whole < 0) text += '-';
  const unsigned long long magnitude = whole < 0 ? 0ULL - static_cast<unsigned long long>(whole)
                                                 : static_cast<unsigned long long>(whole);
  fmt::format_to(std::back_inserter(text), FMT_COMPILE("{}"), magnitude / 10);
  if (magnitude % 10 != 0) {
    text += '.';
    text += static_cast<char>('0' + magnitude % 10);
  }
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
