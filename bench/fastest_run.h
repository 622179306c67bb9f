#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace worthmere::bench {

// The machine is shared: with repetitions, the fastest run is the least disturbed one.
inline void WithFastestRun(benchmark::internal::Benchmark* b) {
  b->ComputeStatistics("fastest", [](const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
  });
}

}  // namespace worthmere::bench
