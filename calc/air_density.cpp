#include "calc/air_density.h"

#include <cmath>
#include <limits>

#include "calc/series.h"
#include "calc/vapor_pressure.h"

// Letting the compiler reassociate or assume finite values would change the
// bits of the result and hide the faults. (Fused multiply-adds are kept out by
// -ffp-contract=off, which the build sets for the whole project.)
#if defined(__FAST_MATH__)
#error "the density formula must not be built with -ffast-math"
#endif

namespace jet {
namespace {

const char* Describe(ArithmeticFault::Kind kind) {
  switch (kind) {
    case ArithmeticFault::Kind::DivisionByZero:
      return "division by zero in the air density formula";
    case ArithmeticFault::Kind::Overflow:
      return "overflow in the air density formula";
    case ArithmeticFault::Kind::InvalidOperation:
      return "invalid operation in the air density formula";
  }
  return "arithmetic fault in the air density formula";
}

// A NaN is an invalid operation, an infinity an overflow, unless it came
// from dividing by an exact zero. Hands the value on: still not finite.
double Failed(double value, ArithmeticFault::Kind& fault, bool divided_by_zero = false) {
  fault = std::isnan(value) ? ArithmeticFault::Kind::InvalidOperation
          : divided_by_zero ? ArithmeticFault::Kind::DivisionByZero
                            : ArithmeticFault::Kind::Overflow;
  return value;
}

// Why testing the results for infinity and NaN finds exactly the faults.
//
// Reading the floating-point status flags would be the direct way, but GCC
// ignores #pragma STDC FENV_ACCESS and may move arithmetic across the reads.
// Testing values cannot be reordered, and for finite inputs it is equivalent:
// - Every operand is finite or comes from an earlier step, and a finite
//   operation gives a non-finite result only through overflow (±inf),
//   division of a non-zero number by zero (±inf) or 0/0 (NaN; the only
//   dividends are a − b and 273.13, and dividing by 760 cannot give 0/0).
//   So a non-finite result always means a fault was signalled.
// - Conversely, an infinity or a NaN never turns finite again here: no step
//   divides by an earlier result except k's division by T + 273.13, and that
//   sum is finite (273.13 is far below half an ulp of the largest double).
//   A fault in any step therefore leaves D non-finite.
// The steps are checked one by one only to name the first fault.
// Inputs that are already infinite or NaN count as an invalid operation.
//
// The density, or a value that is not finite with `fault` naming the first
// step that went wrong: no exception on this path, so that the loops that
// evaluate the formula thousands of times (the chart, the holding ranges)
// need no try block.
double Density(double T, double P, double h, ArithmeticFault::Kind& fault) noexcept {
  if (!std::isfinite(T) || !std::isfinite(P) || !std::isfinite(h)) {
    fault = ArithmeticFault::Kind::InvalidOperation;
    return std::numeric_limits<double>::quiet_NaN();
  }
  const double e = LookupVaporPressure(T);
  const double a = 0.75 * P;  // mb → mmHg
  if (!std::isfinite(a)) return Failed(a, fault);
  const double b = e * h;  // partial pressure of the water vapour, mmHg
  if (!std::isfinite(b)) return Failed(b, fault);
  const double difference = a - b;
  if (!std::isfinite(difference)) return Failed(difference, fault);
  const double c = difference / 760.0;
  const double absolute = T + 273.13;  // 273.13, not 273.15
  const double k = 273.13 / absolute;
  if (!std::isfinite(k)) return Failed(k, fault, absolute == 0.0);
  const double f = k * 1.2929;  // dry air at 0 °C and 760 mmHg, kg/m³
  const double product = c * f;
  if (!std::isfinite(product)) return Failed(product, fault);
  return product * 0.06243;  // kg/m³ → lb/ft³; |product| × 0.06243 cannot overflow
}

}  // namespace

ArithmeticFault::ArithmeticFault(Kind kind) : std::runtime_error(Describe(kind)), kind_(kind) {}

double ComputeAirDensity(double T, double P, double h) {
  ArithmeticFault::Kind fault{};
  const double D = Density(T, P, h, fault);
  if (!std::isfinite(D)) throw ArithmeticFault(fault);
  return D;
}

double AirDensity(double T, double P, double h) noexcept {
  ArithmeticFault::Kind fault{};
  const double D = Density(T, P, h, fault);
  return std::isfinite(D) ? D : std::numeric_limits<double>::quiet_NaN();
}

double PressureForDensity(double T, double D, double h) noexcept {
  // D = (0.75 P − e h) / 760 × f × 0.06243, turned round.
  const double f = 273.13 / (T + 273.13) * 1.2929;
  const double P = (D / 0.06243 / f * 760 + LookupVaporPressure(T) * h) / 0.75;
  return std::isfinite(f) && f > 0 && std::isfinite(P) ? P
                                                       : std::numeric_limits<double>::quiet_NaN();
}

double DensityAltitude(double density_lb_per_ft3) {
  const double rho = density_lb_per_ft3 / 0.06243;  // kg/m³
  if (!(rho > 0)) return std::numeric_limits<double>::quiet_NaN();
  return 44330.8 * (1 - SeriesPow(rho / 1.225, 0.234969));
}

}  // namespace jet
