#include <benchmark/benchmark.h>

#include "bench/fastest_run.h"
#include "valuation/bargain_report.h"
#include "valuation/estimate.h"

namespace worthmere {
namespace {

// One whole press: the estimate from the window's start-up texts, then the report for a price.
void BM_EstimateAndBargainReport(benchmark::State& state) {
  const EstimateInputs inputs{"4,141,000,000", "8", "0.0625", "1,473,000,000"};
  for (auto _ : state) {
    const auto estimate = EstimateValue(inputs);
    if (!estimate) {
      state.SkipWithError("the start-up texts must give an estimate");
      break;
    }
    const auto report =
        ComposeBargainReport(estimate->share_value.value_per_share_text, "30", inputs.growth_text);
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(BM_EstimateAndBargainReport)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Apply(bench::WithFastestRun);

}  // namespace
}  // namespace worthmere
