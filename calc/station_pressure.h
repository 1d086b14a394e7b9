#pragma once

namespace jet {

// The barometric pressure at the track (hPa) from the pressure reduced to
// sea level that weather reports give (hPa), the track's altitude (m) and
// the air temperature there (°C): the exact inverse of the Japanese weather
// service's reduction
//   P0 = P · (1 − 0.0065·h / (T + 0.0065·h + 273.15))^−5.257,
// so P = P0 · (1 − 0.0065·h / (T + 0.0065·h + 273.15))^5.257. At altitude 0
// it returns the sea-level pressure unchanged. Built from + − × ÷ alone, so
// that every target gives the same bits. NaN where the bracket is not
// positive (altitudes far beyond any road).
double StationPressure(double sea_level_hpa, double altitude_m, double temperature_c);

}  // namespace jet
