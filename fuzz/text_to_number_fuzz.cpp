// Feeds arbitrary bytes to TextToNumber and checks every answer against an
// independent reading: the ASCII spelling of the number found in the text,
// re-read with strtod in the C locale.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/text_to_number.h"

namespace {

// Stands for the long-vowel mark, which reads as a minus only in a sign's
// place. No byte of the folded text can equal it otherwise: every other
// non-ASCII byte is folded to '#'.
constexpr char LongVowel = '\x80';

// Folds the few non-ASCII spellings the conversion accepts to ASCII, one code
// point at a time, so that the prefix can be found with plain character tests.
std::string Fold(std::string_view text) {
  static constexpr struct {
    std::string_view from;
    char to;
  } folds[] = {
      {"\u3000", ' '},       {"\uFF0B", '+'}, {"\uFF0D", '-'}, {"\u2212", '-'},
      {"\u30FC", LongVowel}, {"\uFF0E", '.'}, {"\uFF25", 'E'}, {"\uFF45", 'e'},
  };
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view rest = text.substr(i);
    bool folded = false;
    for (const auto& f : folds)
      if (rest.starts_with(f.from)) {
        out += f.to;
        i += f.from.size();
        folded = true;
        break;
      }
    if (folded) continue;
    if (rest.size() >= 3 && rest[0] == '\xEF' && rest[1] == '\xBC' && rest[2] >= '\x90' &&
        rest[2] <= '\x99') {
      out += static_cast<char>('0' + (rest[2] - '\x90'));
      i += 3;
      continue;
    }
    // Any other byte outside ASCII stands for a character that ends the number.
    out += (static_cast<unsigned char>(rest[0]) < 0x80 && rest[0] != '\0') ? rest[0] : '#';
    ++i;
  }
  return out;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The number at the start of a folded text, as strtod should read it.
std::string Prefix(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  std::string out;
  if (i < s.size() && (s[i] == '+' || s[i] == '-' || s[i] == LongVowel))
    out += s[i++] == '+' ? '+' : '-';
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) out += s[i++], ++digits;
  if (i < s.size() && s[i] == '.') {
    out += s[i++];
    while (i < s.size() && IsDigit(s[i])) out += s[i++], ++digits;
  }
  if (digits == 0) return {};
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-' || s[j] == LongVowel))
      exponent += s[j++] == '+' ? '+' : '-';
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) exponent += s[j++];
      out += exponent;
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string prefix = Prefix(Fold(text));
  double expected = 0;
  bool too_large = false;
  if (!prefix.empty()) {
    errno = 0;
    expected = std::strtod(prefix.c_str(), nullptr);
    too_large = std::isinf(expected);
  }
  try {
    const double value = jet::TextToNumber(text);
    if (too_large) std::abort();  // a number beyond a double must be an error
    // strtod may flag underflow with ERANGE yet still return the right zero
    // or subnormal; the bits must agree either way.
    if (std::memcmp(&value, &expected, sizeof value) != 0) std::abort();
  } catch (const jet::ConversionError&) {
    if (!too_large) std::abort();
  }
  return 0;
}
