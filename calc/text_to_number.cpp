#include "calc/text_to_number.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace jet {
namespace {

// The characters that can take part in a number, folded to what they stand
// for. Everything else, malformed UTF-8 included, ends the number.
enum class Role { Other, Blank, Plus, Minus, LongVowel, Digit, Point, Exponent };

struct Symbol {
  Role role = Role::Other;
  char ascii = 0;        // the digit for Role::Digit
  std::size_t size = 1;  // bytes taken from the text
};

struct Spelling {
  std::string_view utf8;
  Role role;
};

// Non-ASCII spellings that Japanese input methods type. Matching their exact
// UTF-8 bytes needs no decoder: a malformed sequence simply matches nothing.
constexpr std::array<Spelling, 8> WideSpellings = {{
    {"\u3000", Role::Blank},      // ideographic space
    {"\uFF0B", Role::Plus},       // ＋
    {"\uFF0D", Role::Minus},      // －
    {"\u2212", Role::Minus},      // − minus sign
    {"\u30FC", Role::LongVowel},  // ー what the minus key gives in kana mode
    {"\uFF0E", Role::Point},      // ．
    {"\uFF25", Role::Exponent},   // Ｅ
    {"\uFF45", Role::Exponent},   // ｅ
}};

constexpr std::string_view WideZero = "\uFF10";  // ０; ０ … ９ differ in the last byte

Symbol Classify(std::string_view text, std::size_t at) {
  const char c = text[at];
  switch (c) {
    case ' ':
    case '\t':
      return {Role::Blank};
    case '+':
      return {Role::Plus};
    case '-':
      return {Role::Minus};
    case '.':
      return {Role::Point};
    case 'e':
    case 'E':
      return {Role::Exponent};
    default:
      break;
  }
  if (c >= '0' && c <= '9') return {Role::Digit, c};

  const std::string_view rest = text.substr(at);
  if (rest.size() >= 3 && rest.substr(0, 2) == WideZero.substr(0, 2)) {
    const int digit = static_cast<unsigned char>(rest[2]) - static_cast<unsigned char>(WideZero[2]);
    if (digit >= 0 && digit <= 9) return {Role::Digit, static_cast<char>('0' + digit), 3};
  }
  for (const Spelling& spelling : WideSpellings)
    if (rest.starts_with(spelling.utf8)) return {spelling.role, 0, spelling.utf8.size()};
  return {};
}

// Reads the text one symbol at a time.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  Symbol Peek() const { return pos_ < text_.size() ? Classify(text_, pos_) : Symbol{}; }
  void Take(const Symbol& symbol) { pos_ += symbol.size; }
  std::size_t Position() const { return pos_; }
  void SkipBlanks() {
    while (Peek().role == Role::Blank) Take(Peek());
  }

  // Takes a sign if one comes next; true when it was a minus.
  bool TakeSign() {
    const Symbol s = Peek();
    if (s.role != Role::Plus && s.role != Role::Minus && s.role != Role::LongVowel) return false;
    Take(s);
    return s.role != Role::Plus;
  }

  // Appends the digits that come next; returns how many.
  std::size_t TakeDigits(std::string& out) {
    std::size_t count = 0;
    for (;;) {
      // Runs of ASCII digits, the usual case, are copied whole.
      const std::size_t run = AsciiDigitsAhead();
      out.append(text_.substr(pos_, run));
      pos_ += run;
      count += run;
      const Symbol s = Peek();
      if (s.role != Role::Digit) return count;
      out += s.ascii;
      Take(s);
      ++count;
    }
  }

 private:
  std::size_t AsciiDigitsAhead() const {
    std::size_t end = pos_;
    while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') ++end;
    return end - pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// The number as read, spelled in ASCII for fast_float.
struct Number {
  std::string ascii;  // [-]digits[.digits][e[-]digits], no '+'
  // Decimal exponent of the leading non-zero digit, saturated; tells an
  // overflow from an underflow when the number is out of a double's range.
  std::int64_t magnitude = 0;
  bool found = false;
  std::size_t end = 0;  // bytes of the text that the number, and the blanks before it, take
};

constexpr std::int64_t ExponentLimit = 1'000'000'000'000;  // far past any double

Number Scan(std::string_view text) {
  Reader reader(text);
  reader.SkipBlanks();

  Number number;
  if (reader.TakeSign()) number.ascii += '-';

  const std::size_t start = number.ascii.size();
  const std::size_t whole = reader.TakeDigits(number.ascii);
  std::size_t fraction = 0;
  if (reader.Peek().role == Role::Point) {
    reader.Take(reader.Peek());
    number.ascii += '.';
    fraction = reader.TakeDigits(number.ascii);
  }
  if (whole + fraction == 0) return {};  // a lone sign or point is no number
  number.found = true;
  number.end = reader.Position();

  // Where the first non-zero digit stands: 10^(whole-1) for the first digit.
  const std::size_t first = number.ascii.find_first_of("123456789", start);
  if (first == std::string::npos) return number;  // zero, whatever the exponent
  const auto index = static_cast<std::int64_t>(first - start);
  const auto whole_digits = static_cast<std::int64_t>(whole);
  number.magnitude = index < whole_digits ? whole_digits - 1 - index : whole_digits - index;

  // An exponent counts only when at least one digit follows the marker;
  // otherwise the marker is where the number ends ("1e" reads as 1).
  if (reader.Peek().role != Role::Exponent) return number;
  reader.Take(reader.Peek());
  const bool exponent_negative = reader.TakeSign();
  std::string digits;
  if (reader.TakeDigits(digits) == 0) return number;
  number.ascii += exponent_negative ? "e-" : "e";
  number.ascii += digits;
  number.end = reader.Position();

  std::int64_t exponent = 0;
  for (const char d : digits) exponent = std::min(exponent * 10 + (d - '0'), ExponentLimit);
  number.magnitude += exponent_negative ? -exponent : exponent;
  return number;
}

// The double nearest to a number that Scan found.
double Convert(const Number& number) {
  // fast_float, not std::from_chars: not every target's standard library
  // reads floating point, and one reader on all of them gives the same bits.
  double value = 0.0;
  const char* begin = number.ascii.data();
  const char* end = begin + number.ascii.size();
  const auto [stop, error] = fast_float::from_chars(begin, end, value);
  // Out of range, fast_float gives an infinity or a zero, or (in newer
  // releases) a range error. Overflow starts near 1.8e308 and total
  // underflow below 2.5e-324, so the side of 1 the number lies on tells which.
  if (error == std::errc::result_out_of_range || std::isinf(value)) {
    if (number.magnitude >= 0) throw ConversionError();
    return number.ascii.front() == '-' ? -0.0 : 0.0;
  }
  // Any other outcome would mean the scan and fast_float disagree on what a
  // number is; treat it as no number rather than guess.
  if (error != std::errc{} || stop != end) return 0.0;
  return value;
}

}  // namespace

ConversionError::ConversionError() : std::runtime_error("number too large for a double") {}

double TextToNumber(std::string_view utf8) {
  const Number number = Scan(utf8);
  return number.found ? Convert(number) : 0.0;
}

std::optional<double> TextToWholeNumber(std::string_view utf8) {
  const Number number = Scan(utf8);
  if (!number.found) return std::nullopt;
  Reader rest(utf8.substr(number.end));
  rest.SkipBlanks();
  if (rest.Position() != utf8.size() - number.end) return std::nullopt;  // more than blanks follow
  return Convert(number);
}

}  // namespace jet
