#include "calc/air_density.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include "calc/recommendation.h"
#include "tests/bits.h"

namespace {

using Fault = jet::ArithmeticFault::Kind;
constexpr double Max = std::numeric_limits<double>::max();

// The worked examples, with the exact bits the step-by-step formula gives
// (worked out independently, one rounding per step) and the text they lead to.
const struct {
  double T, P, RH, D;
  std::string_view text;  // empty: the box is cleared
} Examples[] = {
    {20, 1013, 50, 0x1.30656e1705a2fp-4, "推奨  168"},
    {25, 1013, 60, 0x1.291a19d93f658p-4, "推奨  165"},
    {15, 1013.25, 0, 0x1.395fd48343ccep-4, "推奨  170"},
    {30, 1000, 80, 0x1.1bfb5f3ee06edp-4, "推奨  160"},
    {5, 1020, 30, 0x1.45f74ea8160c9p-4, "推奨  175"},
    {-5, 1030, 40, 0x1.5571a0898dcaap-4, "推奨  175"},
    {0, 996, 0, 0x1.44f4dd2825b45p-4, "推奨  175-172"},
    {0, 971, 0, 0x1.3cccca3d80429p-4, "推奨  172-170"},
    {0, 952, 50, 0x1.3587e607368b5p-4, "推奨  170-168"},
    {6, 950, 50, 0x1.2dcb47849f03bp-4, "推奨  168-165"},
    {13, 952, 50, 0x1.2627cccd94773p-4, "推奨  165-162"},
    {19, 951, 50, 0x1.1ebdbe0484dedp-4, "推奨  162-160"},
    // An everyday reading whose last bit a fused multiply-add in a - b changes.
    {25, 990, 40, 0x1.241f6545b05e7p-4, "推奨  162"},
    {0, 0, 0, 0.0, ""},
    {0, 0, 50, -0x1.11f48e3260d88p-12, ""},
    {-300, 0, 50, 0x1.5c1705228c39cp-9, "推奨  160"},
};

TEST(AirDensity, WorkedExamplesGiveTheExactBitsAndText) {
  for (const auto& x : Examples) {
    SCOPED_TRACE(testing::Message() << "T=" << x.T << " P=" << x.P << " RH=" << x.RH);
    const double D = jet::ComputeAirDensity(x.T, x.P, x.RH / 100);
    EXPECT_EQ(Bits(D), Bits(x.D)) << std::hexfloat << D << " != " << x.D;
    EXPECT_EQ(Bits(jet::AirDensity(x.T, x.P, x.RH / 100)), Bits(x.D));
    const jet::JetOutcome outcome = jet::SelectRecommendation(D);
    EXPECT_EQ(outcome.text, x.text);
    EXPECT_EQ(outcome.kind == jet::JetOutcome::Kind::Clear, x.text.empty());
  }
}

TEST(AirDensity, VapourIsSubtractedInFullFromTheConvertedPressure) {
  // With P = 0 the vapour term alone sets the sign: negative above −273.13 …
  for (double T : {-273.0, -50.0, 0.0, 20.0, 60.0})
    EXPECT_LT(jet::ComputeAirDensity(T, 0, 0.5), 0) << T;
  // … and positive below it, where k is negative.
  EXPECT_GT(jet::ComputeAirDensity(-300, 0, 0.5), 0);
}

jet::ArithmeticFault::Kind FaultOf(double T, double P, double h) {
  try {
    const double D = jet::ComputeAirDensity(T, P, h);
    ADD_FAILURE() << "no fault, D = " << D;
  } catch (const jet::ArithmeticFault& fault) {
    return fault.kind();
  }
  return Fault::InvalidOperation;
}

TEST(AirDensity, FaultsNameTheirCondition) {
  const struct {
    const char* what;
    double T, P, h;
    Fault fault;
  } cases[] = {
      {"absolute zero", -273.13, 1013, 0.5, Fault::DivisionByZero},
      {"absolute zero, no air", -273.13, 0, 0, Fault::DivisionByZero},
      {"vapour pressure times humidity", 39, 1013, Max / 2, Fault::Overflow},
      {"pressure minus vapour", 39, Max, -Max / 60, Fault::Overflow},
      {"density beyond the largest double", std::nextafter(-273.13, 0.0), 1e300, 0,
       Fault::Overflow},
      {"negative density beyond the largest double", std::nextafter(-273.13, -INFINITY), 1e300, 0,
       Fault::Overflow},
      {"infinite input", INFINITY, 1013, 0.5, Fault::InvalidOperation},
      {"NaN input", 20, std::nan(""), 0.5, Fault::InvalidOperation},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FaultOf(c.T, c.P, c.h), c.fault) << c.what;
    EXPECT_TRUE(std::isnan(jet::AirDensity(c.T, c.P, c.h))) << c.what;
  }
}

// The formula turned round lands within a hair of where the density reaches
// the bound: a band's edge, the densest and thinnest, just below a step of
// the vapour-pressure table, and the last band's (above zero). NaN where no
// pressure makes the density rise.
TEST(AirDensity, PressureForDensityIsWhereTheDensityReachesIt) {
  const double tiny = std::numeric_limits<double>::denorm_min();
  const struct {
    double T, D, h;
    bool found;
  } cases[] = {
      {20, 0.0737, 0.5, true},     {-60, 0.0794, 1, true},
      {70, 0.07, 0, true},         {std::nextafter(38.5, 0.0), 0.0719, 1, true},
      {38.5, 0.0719, 1, true},     {20, tiny, 0.5, true},
      {-273.13, 0.07, 0.5, false}, {-300, 0.07, 0.5, false},
      {20, INFINITY, 0.5, false},  {20, 0.07, std::nan(""), false},
  };
  for (const auto& c : cases) {
    const double P = jet::PressureForDensity(c.T, c.D, c.h);
    EXPECT_EQ(std::isnan(P), !c.found) << c.T << " " << c.D;
    if (!c.found) continue;
    EXPECT_GE(jet::ComputeAirDensity(c.T, P * (1 + 1e-12), c.h), c.D) << c.T << " " << c.D;
    EXPECT_LT(jet::ComputeAirDensity(c.T, P * (1 - 1e-12), c.h), c.D) << c.T << " " << c.D;
  }
}

TEST(AirDensity, NearTheLimitsWithoutFault) {
  // Just above absolute zero k is huge, yet finite: the densest air there is.
  const double warmer = std::nextafter(-273.13, 0.0);
  EXPECT_GT(jet::ComputeAirDensity(warmer, 1013, 0.5), 1e10);
  // Just below it k is hugely negative, and so is the density.
  EXPECT_LT(jet::ComputeAirDensity(std::nextafter(-273.13, -INFINITY), 1013, 0.5), -1e10);
  // The largest pressures that still fit.
  EXPECT_TRUE(std::isfinite(jet::ComputeAirDensity(20, Max / 2, 0)));
  // Huge temperatures make k tiny but not zero.
  EXPECT_GT(jet::ComputeAirDensity(Max, 1013, 0.5), 0);
}

TEST(AirDensity, UnderflowIsNoFault) {
  const double tiny = std::numeric_limits<double>::denorm_min();
  EXPECT_EQ(jet::ComputeAirDensity(20, tiny, 0), 0.0);  // underflows to zero
  EXPECT_GT(jet::ComputeAirDensity(20, 1e-300, 0), 0.0);
  EXPECT_NO_THROW(jet::ComputeAirDensity(20, 1013, tiny));
}

// The density altitude's exact bits, which every target must give (glibc's
// correctly rounded pow gives the same), and a hash of its bits across every
// density the program meets, which the Windows and WebAssembly runs check.
TEST(AirDensity, DensityAltitudeIsTheSameOnEveryTarget) {
  const struct {
    double D, altitude;
  } cases[] = {
      {0x1.30656e1705a2fp-4, 0x1.299b825d0675fp+8},   // 20 °C, 1013, 50 %: 297.607 m
      {0x1.45f74ea8160c9p-4, -0x1.a078164ae97ccp+8},  // 5 °C, 1020, 30 %: below sea level
      {0x1.1f117282860b5p-4, 0x1.c1ee31f40b789p+9},   // 20 °C, 956.0, 50 %: 899.861 m
      {0.07, 0x1.c81f1d42e1e65p+9},                   // a band's edge
      {0.0764763, 0x1.f6199415cf181p-5},              // standard air, 1.225 kg/m³: 0.06 m
      {0x1p1020, -HUGE_VAL},  // kg/m³ overflows: no undefined conversion on the way
      {HUGE_VAL, -HUGE_VAL},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Bits(jet::DensityAltitude(c.D)), Bits(c.altitude))
        << std::hexfloat << c.D << ": " << jet::DensityAltitude(c.D);
  EXPECT_TRUE(std::isnan(jet::DensityAltitude(0)));

  std::uint64_t hash = 14695981039346656037u;  // FNV-1a over the bits
  for (double D = 0.05; D <= 0.095; D += 0.0000371)
    hash = (hash ^ Bits(jet::DensityAltitude(D))) * 1099511628211u;
  EXPECT_EQ(hash, 0xfc7eea398060bbfcu) << std::hex << hash;
}

}  // namespace
