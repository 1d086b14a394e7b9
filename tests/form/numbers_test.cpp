#include "form/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace jet::form {
namespace {

// A picture's places to a tenth: halves away from zero, no "-0", no ".0",
// and past what a tenth can count, the value itself.
TEST(AppendTenths, WritesNoMoreDigitsThanATenth) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {48, "48"},      {123.45, "123.5"}, {283.43, "283.4"}, {0.05, "0.1"},     {-0.04, "0"},
      {-0.05, "-0.1"}, {-12.34, "-12.3"}, {99.96, "100"},    {1e300, "1e+300"}, {NAN, "nan"},
  };
  for (const auto& c : cases) {
    std::string text = "M";
    AppendTenths(text, c.value);
    EXPECT_EQ(text, std::string("M") + c.text) << c.value;
  }
}

}  // namespace
}  // namespace jet::form
