#include "calc/station_pressure.h"

#include <limits>

#include "calc/series.h"

namespace jet {

double StationPressure(double sea_level_hpa, double altitude_m, double temperature_c) {
  const double lapse = 0.0065 * altitude_m;  // K: 6.5 K per km
  const double ratio = 1 - lapse / (temperature_c + lapse + 273.15);
  if (!(ratio > 0)) return std::numeric_limits<double>::quiet_NaN();
  if (ratio == 1) return sea_level_hpa;  // at sea level nothing changes, to the bit
  return sea_level_hpa * SeriesPow(ratio, 5.257);
}

}  // namespace jet
