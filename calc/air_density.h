#pragma once

#include <stdexcept>

namespace jet {

// Raised when the density formula meets a division by zero, an overflow or an
// invalid operation. Underflow and inexact results are not faults.
class ArithmeticFault : public std::runtime_error {
 public:
  enum class Kind { DivisionByZero, Overflow, InvalidOperation };

  explicit ArithmeticFault(Kind kind);
  Kind kind() const noexcept { return kind_; }

 private:
  Kind kind_;
};

// Density of moist air in lb/ft³ from the air temperature T (°C), the
// barometric pressure P (mb) and the relative humidity as a fraction h. Each
// step is rounded to double in a fixed order, so the result has the same bits
// under every optimisation level. Throws ArithmeticFault.
double ComputeAirDensity(double T, double P, double h);

// The same density, or NaN where ComputeAirDensity throws (a NaN shows no
// recommendation): for the loops that evaluate the formula thousands of
// times. A plain double, so that nothing goes through memory on the way.
double AirDensity(double T, double P, double h) noexcept;

// The pressure (mb) at which the density reaches D, the formula turned
// round: at a fixed temperature above −273.13 °C and a fixed humidity the
// density rises with the pressure. Within a few ulp of the lowest pressure
// at which AirDensity(T, P, h) ≥ D, as each step rounds. NaN for a
// temperature at or below −273.13 °C, or inputs that are not finite.
double PressureForDensity(double T, double D, double h) noexcept;

// The density altitude in metres, unrounded: the height in the ICAO standard
// atmosphere at which the air is as dense as D (lb/ft³),
//   DA = 44330.8 × (1 − (ρ / 1.225)^0.234969), ρ = D / 0.06243 in kg/m³.
// Negative for air denser than standard air at sea level. The same bits on
// every target. NaN for D ≤ 0, which no recommendation is made for.
double DensityAltitude(double density_lb_per_ft3);

}  // namespace jet
