#include "calc/station_pressure.h"

#include <cmath>
#include <limits>

#if defined(__FAST_MATH__)
#error "the station pressure must not be built with -ffast-math"
#endif

namespace jet {
namespace {

// The C libraries' pow is not bound to the last bit: glibc, the MinGW runtime
// and Emscripten's musl may each round it differently, and a last bit can
// decide a rounding to 0.1 hPa. These two series use only + − × ÷ and exact
// scaling by powers of two, which IEEE 754 makes the same everywhere. Both
// are accurate to a few units in the last place over the range used here.
constexpr double kLn2 = 0x1.62e42fefa39efp-1;

// ln x for x > 0: x = m·2^k with m in [√½, √2), then
// ln m = 2·atanh(s) = 2(s + s³/3 + s⁵/5 + …), s = (m − 1)/(m + 1), |s| < 0.172.
double Log(double x) {
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

// e^y: y = k·ln 2 + z with |z| ≤ ½ ln 2, then the Taylor series of e^z.
double Exp(double y) {
  const double k = std::floor(y / kLn2 + 0.5);
  const double z = y - k * kLn2;
  double sum = 1;
  for (int n = 22; n >= 1; --n) sum = 1 + sum * z / n;  // 0.35²³/23! is below 1e-32
  return std::ldexp(sum, static_cast<int>(k));
}

}  // namespace

double StationPressure(double sea_level_hpa, double altitude_m, double temperature_c) {
  const double lapse = 0.0065 * altitude_m;  // K: 6.5 K per km
  const double ratio = 1 - lapse / (temperature_c + lapse + 273.15);
  if (!(ratio > 0)) return std::numeric_limits<double>::quiet_NaN();
  if (ratio == 1) return sea_level_hpa;  // at sea level nothing changes, to the bit
  return sea_level_hpa * Exp(5.257 * Log(ratio));
}

}  // namespace jet
