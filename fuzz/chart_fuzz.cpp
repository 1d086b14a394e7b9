// Feeds arbitrary readings (three doubles and an engine offset, taken
// straight from the bytes) to what Select's answer is built into: the
// explanation with its holding search, the density altitude and the jet
// chart. The sanitizers catch undefined behaviour; the checks below catch a
// chart that draws off its canvas.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "calc/air_density.h"
#include "calc/recommendation.h"
#include "form/answer.h"
#include "form/chart.h"

namespace {

double Take(const std::uint8_t*& data, std::size_t& size) {
  double value = 0;
  const std::size_t n = size < sizeof value ? size : sizeof value;
  std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

bool On(double at, double from, double to) {
  return at >= from - 1e-9 && at <= to + 1e-9;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const double T = Take(data, size), P = Take(data, size), RH = Take(data, size);
  const int offset = size > 0 ? static_cast<std::int8_t>(*data) % 7 : 0;
  (void)jet::DensityAltitude(T);  // any double at all
  double D = 0;
  try {
    D = jet::ComputeAirDensity(T, P, RH / 100);
  } catch (const std::exception&) {
    return 0;  // Select reports these
  }
  const auto band = jet::SelectBand(D);
  if (!band) return 0;
  const jet::form::Answer answer{"", "", "", D, *band, T, P, RH, offset};
  (void)jet::form::Explain(answer);
  const jet::form::Chart chart = jet::form::JetChart(answer);
  for (const jet::form::ChartRegion& r : chart.regions)
    for (const jet::form::ChartPoint& p : r.points)
      if (!On(p.x, 0, chart.width) || !On(p.y, 0, chart.height)) std::abort();
  for (const jet::form::ChartBox& b : chart.boxes)
    if (!On(b.left, 0, chart.width) || !On(b.left + b.width, 0, chart.width) ||
        !On(b.top, 0, chart.height) || !On(b.top + b.height, 0, chart.height))
      std::abort();
  for (const jet::form::ChartText& t : chart.texts)
    if (!On(t.x, 0, chart.width) || !On(t.y, 0, chart.height) || t.text.size() > 80) std::abort();
  return 0;
}
