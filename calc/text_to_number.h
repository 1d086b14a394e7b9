#pragma once

#include <optional>
#include <stdexcept>
#include <string_view>

namespace jet {

// Raised when a text holds a number beyond the range of a double.
class ConversionError : public std::runtime_error {
 public:
  ConversionError();
};

// The lenient conversion of a box's text to a number. Skips leading blanks,
// then reads an optional sign, digits with at most one decimal point and an
// optional exponent (only when digits follow the E), and ignores the rest.
// Text that does not start with a number reads as 0. The value is the double
// nearest to the number read. Full-width digits, point, signs and exponent
// letters, the minus sign U+2212 and, in place of a sign, the long-vowel mark
// U+30FC read like their ASCII forms; U+3000 counts as a blank.
// Throws ConversionError for a number too large for a double; a number too
// small for one reads as zero or a subnormal, keeping its sign.
double TextToNumber(std::string_view utf8);

// The strict reading, for a field that must hold one number: the same
// spellings, but blanks alone may stand around the number, and a text that
// is not one number (the empty text, "20.5℃", "1e") gives nothing. Throws
// ConversionError for a number too large for a double.
std::optional<double> TextToWholeNumber(std::string_view utf8);

}  // namespace jet
