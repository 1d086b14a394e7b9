#include "calc/series.h"

#include <cmath>
#include <limits>

#if defined(__FAST_MATH__)
#error "the series must not be built with -ffast-math"
#endif

namespace jet {
namespace {

constexpr double kLn2 = 0x1.62e42fefa39efp-1;

}  // namespace

// x = m·2^k with m in [√½, √2), then
// ln m = 2·atanh(s) = 2(s + s³/3 + s⁵/5 + …), s = (m − 1)/(m + 1), |s| < 0.172.
// Outside the finite positive numbers it gives what log gives: −∞ at 0, +∞
// at +∞, NaN below 0 and for NaN.
double SeriesLog(double x) {
  if (x == 0) return -HUGE_VAL;
  if (!(x > 0) || std::isinf(x)) return x < 0 ? std::numeric_limits<double>::quiet_NaN() : x;
  int k = 0;
  double m = std::frexp(x, &k);  // m in [0.5, 1)
  if (m < 0x1.6a09e667f3bcdp-1) {
    m *= 2;
    --k;
  }
  const double s = (m - 1) / (m + 1);
  const double s2 = s * s;
  double sum = 0;
  for (int n = 27; n >= 1; n -= 2) sum = sum * s2 + 1.0 / n;  // s²⁰⁺ terms are below 1e-17
  return k * kLn2 + 2 * s * sum;
}

// y = k·ln 2 + z with |z| ≤ ½ ln 2, then the Taylor series of e^z.
// Past ±1100 the result is +∞ or 0 anyway; the bound keeps k an int.
double SeriesExp(double y) {
  if (std::isnan(y)) return y;
  if (y > 1100) return HUGE_VAL;
  if (y < -1100) return 0;
  const double k = std::floor(y / kLn2 + 0.5);
  const double z = y - k * kLn2;
  double sum = 1;
  for (int n = 22; n >= 1; --n) sum = 1 + sum * z / n;  // 0.35²³/23! is below 1e-32
  return std::ldexp(sum, static_cast<int>(k));
}

double SeriesPow(double x, double y) {
  return SeriesExp(y * SeriesLog(x));
}

}  // namespace jet
