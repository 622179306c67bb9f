#include <benchmark/benchmark.h>

#include <string>

#include "bench/fastest_run.h"
#include "valuation/numbers/text_to_number.h"

namespace {

// Texts of a given size: time per byte must stay flat from a kilobyte to a megabyte.
enum Kind { kDigits, kLetters, kGroupedJunk, kLongFraction };

std::string LongText(Kind kind, std::size_t size) {
  switch (kind) {
    case kDigits:
      return std::string(size, '7');
    case kLetters:
      return std::string(size, 'q');
    case kGroupedJunk: {
      // Valid groups all the way, rejected only by the last character.
      std::string text = "1";
      while (text.size() + 5 < size) text += ",234";
      return text + "x";
    }
    case kLongFraction:
      return "0." + std::string(size - 3, '0') + "1";
  }
  return {};
}

template <typename Convert>
void RunLongText(benchmark::State& state, Convert convert) {
  const std::string text =
      LongText(static_cast<Kind>(state.range(0)), static_cast<std::size_t>(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(convert(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.SetLabel(state.range(0) == kDigits        ? "digits"
                 : state.range(0) == kLetters     ? "letters"
                 : state.range(0) == kGroupedJunk ? "grouped junk"
                                                  : "long fraction");
}

void TextToDoubleLong(benchmark::State& state) {
  RunLongText(state, [](const std::string& t) { return worthmere::TextToDouble(t); });
}
void TextToDecimalLong(benchmark::State& state) {
  RunLongText(state, [](const std::string& t) { return worthmere::TextToDecimal(t); });
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int kind : {kDigits, kLetters, kGroupedJunk, kLongFraction}) {
    for (int size : {1 << 10, 1 << 16, 1 << 20}) b->Args({kind, size});
  }
}

BENCHMARK(TextToDoubleLong)->Apply(Sizes)->Apply(worthmere::bench::WithFastestRun);
BENCHMARK(TextToDecimalLong)->Apply(Sizes)->Apply(worthmere::bench::WithFastestRun);

}  // namespace
