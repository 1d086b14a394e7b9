#include "calc/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/bits.h"

namespace {

struct Case {
  std::string_view text;
  double value;
};

// Compares bits, so that −0 and +0 are told apart. Each text is read from a
// buffer of exactly its size, so that the sanitizer build sees any read past
// its end.
template <std::size_t N>
void ExpectAll(const Case (&cases)[N]) {
  for (const Case& c : cases) {
    const std::vector<char> exact(c.text.begin(), c.text.end());
    const double value = jet::TextToNumber({exact.data(), exact.size()});
    EXPECT_EQ(Bits(value), Bits(c.value)) << '"' << c.text << "\" read as " << value;
  }
}

TEST(TextToNumber, PlainNumbers) {
  const Case cases[] = {
      {"20", 20},           {"1013", 1013}, {"1013.25", 1013.25}, {"-5", -5},       {"+5", 5},
      {".5", 0.5},          {"5.", 5},      {"-.5", -0.5},        {"0", 0},         {"-0", -0.0},
      {"007", 7},           {"1e3", 1000},  {"1E3", 1000},        {"2.5e-1", 0.25}, {"1e+2", 100},
      {"-273.13", -273.13}, {"0.1", 0.1},
  };
  ExpectAll(cases);
}

TEST(TextToNumber, LeadingBlanksAreSkipped) {
  const Case cases[] = {
      {"  20", 20},
      {"\t20", 20},
      {" \t -5", -5},
      {"\u3000"
       "20",
       20},
      {"\u3000 \u3000"
       "7",
       7},
  };
  ExpectAll(cases);
}

TEST(TextToNumber, TheNumberEndsAtTheFirstCharacterThatCannotContinueIt) {
  const Case cases[] = {
      {"20.5℃", 20.5},  {"1013mb", 1013}, {"50 %", 50},       {"1.2.3", 1.2}, {"1e", 1},
      {"1e+", 1},       {"1e-x", 1},      {"2E", 2},          {"3..", 3},     {"4 5", 4},
      {"5-3", 5},       {"6e2e3", 600},   {"1,000", 1},       {"20²", 20},    {"7\n8", 7},
      {"+-1", 0},       {"0x10", 0},      {"12\xE3\x80", 12},  // a cut-off ideographic space
      {"9\xFF", 9},     {"\xEF\xBC", 0},  // ０ … ９ cut after two of their three bytes
      {"5\xEF\xBC", 5}, {"5ｑ", 5},       // U+FF51 shares only its first byte with ０
      {"５ｑ", 5},
  };
  ExpectAll(cases);
  // The same cut inside a longer text: the byte past the view would complete
  // ０, and only a reader that stays inside the view sees 5 in every build.
  EXPECT_EQ(jet::TextToNumber(std::string_view("5０").substr(0, 3)), 5.0);
}

TEST(TextToNumber, TextWithoutANumberReadsAsZero) {
  const Case cases[] = {
      {"", 0},       {"abc", 0}, {"-", 0},   {"+", 0},    {".", 0},    {"-.", 0},
      {"e5", 0},     {"\n5", 0}, {"inf", 0}, {"nan", 0},  {"気温", 0}, {"\xFF\xFE", 0},
      {"\u3000", 0}, {"－", 0},  {"ー", 0},  {"ー-1", 0},
  };
  ExpectAll(cases);
}

TEST(TextToNumber, WideFormsReadLikeAscii) {
  const Case cases[] = {
      {"２０", 20},
      {"１０１３．２５", 1013.25},
      {"０１２３４５６７８９", 123456789},
      {"－５", -5},
      {"＋５", 5},
      {"−5", -5},
      {"ー5", -5},
      {"ー５．５", -5.5},
      {"１Ｅ３", 1000},
      {"１ｅ－３", 0.001},
      {"1eー3", 0.001},
      {"2e−1", 0.2},
      {"２0.5", 20.5},
      {"．５", 0.5},
      {"5ー", 5},
      {"\uFF0F5", 0},  // full-width solidus is no digit
      {"\uFF1A", 0},   // nor the character after ９
  };
  ExpectAll(cases);
}

TEST(TextToNumber, ValuesAreCorrectlyRounded) {
  const Case cases[] = {
      // Halfway between 1 and the next double, then a hair above it.
      {"1.00000000000000011102230246251565404236316680908203125", 1.0},
      {"1.00000000000000011102230246251565404236316680908203126", std::nextafter(1.0, 2.0)},
      {"2.2250738585072011e-308", 0x0.fffffffffffffp-1022},
      {"1.7976931348623157e308", std::numeric_limits<double>::max()},
      {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
  };
  ExpectAll(cases);
}

TEST(TextToNumber, LongMantissaRoundsCorrectly) {
  // 0.1 followed by a thousand zeros and a 1 lies just above 0.1's decimal
  // value, which is itself above the double nearest 0.1; still that double.
  std::string text = "0.1" + std::string(1000, '0') + "1";
  EXPECT_EQ(Bits(jet::TextToNumber(text)), Bits(0.1));
  // 2^53 + 1 lies exactly halfway between two doubles and ties to even; a 1
  // a thousand digits further out tips it up.
  const std::string zeros(1000, '0');
  EXPECT_EQ(jet::TextToNumber("9007199254740993." + zeros), 9007199254740992.0);
  EXPECT_EQ(jet::TextToNumber("9007199254740993." + zeros + "1"), 9007199254740994.0);
  // A megabyte of digits.
  EXPECT_EQ(jet::TextToNumber(std::string(1 << 20, '0') + "42"), 42.0);
}

TEST(TextToNumber, NumbersTooLargeForADoubleAreErrors) {
  for (std::string_view text : {"1e400", "-1e400", "1e99999999999999999999", "1.8e308",
                                "２ｅ３０８", "  -17976931348623159e292", "0.001e312"})
    EXPECT_THROW(jet::TextToNumber(text), jet::ConversionError) << text;
  EXPECT_THROW(jet::TextToNumber("1" + std::string(400, '0')), jet::ConversionError);
}

TEST(TextToNumber, NumbersTooSmallForADoubleReadAsSignedZero) {
  const Case cases[] = {
      {"1e-400", 0.0},
      {"-1e-400", -0.0},
      {"1e-99999999999999999999", 0.0},
      {"2.4e-324", 0.0},
      {"1e-320", 0x0.00000000007e8p-1022},
      {"0e99999999999999999999", 0.0},
      {"-0e400", -0.0},
      {"0.000e999999999999", 0.0},
      {"500000e-329", 0x0.0000000000001p-1022},
  };
  ExpectAll(cases);
  EXPECT_EQ(jet::TextToNumber("0." + std::string(400, '0') + "1"), 0.0);
}

// The strict reading takes the same spellings, but the whole text, blanks
// around it aside, must be the number.
TEST(TextToWholeNumber, OnlyOneNumberWithBlanksAroundIt) {
  const struct {
    std::string_view text;
    std::optional<double> value;
  } cases[] = {
      {"1013", 1013},
      {" 956.0\t", 956},
      {"\u3000１０１３．２\u3000", 1013.2},
      {"ー500", -500},
      {"−50", -50},
      {"1e3", 1000},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"20.5℃", std::nullopt},
      {"1e", std::nullopt},
      {"1 0", std::nullopt},
      {"-", std::nullopt},
      {"1013mb", std::nullopt},
      {"12\xE3\x80", std::nullopt},  // a cut-off ideographic space
  };
  for (const auto& c : cases) {
    const std::vector<char> exact(c.text.begin(), c.text.end());
    EXPECT_EQ(jet::TextToWholeNumber({exact.data(), exact.size()}), c.value)
        << '"' << c.text << '"';
  }
  EXPECT_THROW(jet::TextToWholeNumber(" 1e400 "), jet::ConversionError);
}

}  // namespace
