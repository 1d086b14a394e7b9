#include "calc/recommendation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

namespace {

using Kind = jet::JetOutcome::Kind;

// Every band, from dense to thin air, with the lower bound that belongs to it.
const struct {
  double lower;
  std::string_view text;
} Bands[] = {
    {0.0794, "推奨  175"},     {0.0793, "推奨  175-172"}, {0.0774, "推奨  172"},
    {0.0773, "推奨  172-170"}, {0.0756, "推奨  170"},     {0.0755, "推奨  170-168"},
    {0.0737, "推奨  168"},     {0.0736, "推奨  168-165"}, {0.0719, "推奨  165"},
    {0.0718, "推奨  165-162"}, {0.0701, "推奨  162"},     {0.07, "推奨  162-160"},
};

void ExpectText(double D, std::string_view text) {
  const jet::JetOutcome outcome = jet::SelectRecommendation(D);
  EXPECT_EQ(outcome.kind, Kind::ShowText) << D;
  EXPECT_EQ(outcome.text, text) << std::hexfloat << D;
}

void ExpectClear(double D) {
  const jet::JetOutcome outcome = jet::SelectRecommendation(D);
  EXPECT_EQ(outcome.kind, Kind::Clear) << D;
  EXPECT_TRUE(outcome.text.empty()) << D;
}

TEST(Recommendation, EachLowerBoundBelongsToItsBandAndOneUlpBelowToTheNext) {
  for (std::size_t i = 0; i < std::size(Bands); ++i) {
    const double bound = Bands[i].lower;
    const std::string_view next = i + 1 < std::size(Bands) ? Bands[i + 1].text : "推奨  160";
    ExpectText(std::nextafter(bound, INFINITY), Bands[i].text);
    ExpectText(bound, Bands[i].text);
    ExpectText(std::nextafter(bound, -INFINITY), next);
  }
}

TEST(Recommendation, TextsAreAsciiSpacesAndHyphenAfterTheTwoCharacters) {
  ExpectText(0.0743155,
             "\u63A8\u5968\x20\x20"
             "168");
  ExpectText(0.0793351,
             "\u63A8\u5968\x20\x20"
             "175\x2D"
             "172");
}

TEST(Recommendation, TopBandHasNoUpperBound) {
  for (double D : std::initializer_list<double>{0.08, 1.0, 1e300,
                                                std::numeric_limits<double>::max(), INFINITY})
    ExpectText(D, "推奨  175");
}

TEST(Recommendation, BottomBandIsOpenAtZero) {
  for (double D : std::initializer_list<double>{std::numeric_limits<double>::denorm_min(),
                                                std::numeric_limits<double>::min(), 0.0026557,
                                                std::nextafter(0.07, 0.0)})
    ExpectText(D, "推奨  160");
}

// A density of zero or below is no real air: the box is emptied, so that no
// recommendation made for earlier readings stays beside the new ones.
TEST(Recommendation, ZeroAndBelowClear) {
  for (double D :
       std::initializer_list<double>{0.0, -0.0, -std::numeric_limits<double>::denorm_min(),
                                     -0.0002613, -1.0, -INFINITY, std::nan("")})
    ExpectClear(D);
}

}  // namespace
