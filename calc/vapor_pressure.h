#pragma once

namespace jet {

// Saturation vapour pressure of water in mmHg for an air temperature in °C,
// read from a table of whole degrees 1 … 39. Each row covers the half-open band
// [n - 0.5, n + 0.5); temperatures below 1.5 take the 1 °C row and temperatures
// from 38.5 up the 39 °C row. Nothing is interpolated. Never fails.
double LookupVaporPressure(double T);

}  // namespace jet
