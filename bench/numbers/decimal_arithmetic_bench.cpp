#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <vector>

#include "bench/fastest_run.h"
#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/text_to_number.h"

namespace {

using worthmere::DecimalNumber;

using Pairs = std::vector<std::pair<DecimalNumber, DecimalNumber>>;

DecimalNumber Read(const char* text) { return *worthmere::TextToDecimal(text); }

// The estimate's operations: flows times growth, prices over values per share.
const Pairs& TypicalPairs() {
  static const Pairs pairs = {{Read("4141000000"), Read("0.08")},
                              {Read("5633784783.36"), Read("1.08")},
                              {Read("6571246571.3111"), Read("0.08")},
                              {Read("30"), Read("44.64")},
                              {Read("8"), Read("0.01")},
                              {Read("1250.5"), Read("3")},
                              {Read("44.64"), Read("0.6")},
                              {Read("100"), Read("7")}};
  return pairs;
}

// Operands spread over the whole range: most products and quotients need rounding.
const Pairs& WidePairs() {
  static const Pairs pairs = [] {
    Pairs p;
    std::mt19937_64 engine(11);
    auto operand = [&] {
      const std::uint64_t low = engine();
      const auto high = static_cast<std::uint32_t>(engine() >> 40);
      return *DecimalNumber::FromParts(engine() % 2 == 0, low, high,
                                       static_cast<int>(engine() % 29));
    };
    for (int i = 0; i < 16; ++i) p.emplace_back(operand(), operand());
    return p;
  }();
  return pairs;
}

template <auto Operation>
void RunPairs(benchmark::State& state, const Pairs& pairs) {
  for (auto _ : state) {
    for (const auto& [a, b] : pairs) benchmark::DoNotOptimize(Operation(a, b));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pairs.size()));
}

void MultiplyTypical(benchmark::State& s) { RunPairs<worthmere::Multiply>(s, TypicalPairs()); }
void MultiplyWide(benchmark::State& s) { RunPairs<worthmere::Multiply>(s, WidePairs()); }
void DivideTypical(benchmark::State& s) { RunPairs<worthmere::Divide>(s, TypicalPairs()); }
void DivideWide(benchmark::State& s) { RunPairs<worthmere::Divide>(s, WidePairs()); }
void AddTypical(benchmark::State& s) { RunPairs<worthmere::Add>(s, TypicalPairs()); }
BENCHMARK(MultiplyTypical)->Apply(worthmere::bench::WithFastestRun);
BENCHMARK(MultiplyWide)->Apply(worthmere::bench::WithFastestRun);
BENCHMARK(DivideTypical)->Apply(worthmere::bench::WithFastestRun);
BENCHMARK(DivideWide)->Apply(worthmere::bench::WithFastestRun);
BENCHMARK(AddTypical)->Apply(worthmere::bench::WithFastestRun);

}  // namespace
