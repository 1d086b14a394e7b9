// Cost of the calculation behind one Select, of the ranges and the chart
// that explain it, and of reading a box's text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calc/air_density.h"
#include "calc/day.h"
#include "calc/holding.h"
#include "calc/recommendation.h"
#include "calc/text_to_number.h"
#include "form/chart.h"
#include "form/day.h"

namespace {

void DensityAndRecommendation(benchmark::State& state) {
  double T = 20, P = 1013, h = 0.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(T);
    benchmark::DoNotOptimize(P);
    benchmark::DoNotOptimize(h);
    const jet::JetOutcome outcome = jet::SelectRecommendation(jet::ComputeAirDensity(T, P, h));
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(DensityAndRecommendation);

// What the explanation asks after each Select: all three ranges.
void HoldingRanges(benchmark::State& state) {
  double T = 20, P = 1013, RH = 50;
  for (auto _ : state) {
    benchmark::DoNotOptimize(T);
    benchmark::DoNotOptimize(jet::TemperatureHolding(T, P, RH));
    benchmark::DoNotOptimize(jet::PressureHolding(T, P, RH));
    benchmark::DoNotOptimize(jet::HumidityHolding(T, P, RH));
  }
}
BENCHMARK(HoldingRanges)->Unit(benchmark::kMicrosecond);

// The jet chart for one answer: its edges, the labels, the key and the summary.
void JetChart(benchmark::State& state) {
  const double D = jet::ComputeAirDensity(20, 1013, 0.5);
  const jet::form::Answer answer{"20", "1013", "50", D, *jet::SelectBand(D), 20, 1013, 50};
  for (auto _ : state) benchmark::DoNotOptimize(jet::form::JetChart(answer));
}
BENCHMARK(JetChart)->Unit(benchmark::kMillisecond);

// A whole day of minutes, 0:00 to 23:59, from six forecast rows: every
// minute's band and the changes between them.
const std::vector<jet::DayRow> kDay = {{0, 8, 1016, 80},     {300, 6, 1015, 85},
                                       {600, 18, 1012, 60},  {900, 27, 1009, 40},
                                       {1200, 21, 1010, 55}, {1439, 14, 1012, 70}};

void DayChanges(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(jet::DayChanges(kDay, 0));
}
BENCHMARK(DayChanges)->Unit(benchmark::kMicrosecond);

// The dialog's whole reading of the same day: the rows' answers, the words,
// the lines to copy and the picture.
void DayPlan(benchmark::State& state) {
  jet::form::DayFields fields;
  for (std::size_t i = 0; i < kDay.size(); ++i) {
    const jet::DayRow& r = kDay[i];
    fields.rows[i] = {jet::form::DayTime(r.minute), std::to_string(r.temperature_c),
                      std::to_string(r.pressure_mb), std::to_string(r.humidity_pct)};
  }
  for (auto _ : state) benchmark::DoNotOptimize(jet::form::ReadDay(fields, 0));
}
BENCHMARK(DayPlan)->Unit(benchmark::kMicrosecond);

void ShortText(benchmark::State& state) {
  const std::string text = "1013.25";
  for (auto _ : state) benchmark::DoNotOptimize(jet::TextToNumber(text));
}
BENCHMARK(ShortText);

void WideText(benchmark::State& state) {
  const std::string text = "１０１３．２５";
  for (auto _ : state) benchmark::DoNotOptimize(jet::TextToNumber(text));
}
BENCHMARK(WideText);

// Time should grow in step with the length: 64 KiB … 1 MiB of digits.
void LongDigitString(benchmark::State& state) {
  const std::string text = "1." + std::string(static_cast<std::size_t>(state.range(0)), '3');
  for (auto _ : state) benchmark::DoNotOptimize(jet::TextToNumber(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(LongDigitString)
    ->RangeMultiplier(4)
    ->Range(1 << 16, 1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();
