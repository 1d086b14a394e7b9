#include "form/numbers.h"

#include <fmt/compile.h>

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

}  // namespace jet::form
