#include <benchmark/benchmark.h>

#include <charconv>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/fastest_run.h"
#include "valuation/numbers/format_number.h"
#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/text_to_number.h"

namespace {

// Figures as the program meets them, plain enough for std::from_chars too.
const std::vector<std::string>& TypedTexts() {
  static const std::vector<std::string> texts = {
      "4141000000",      "8",    "0.0625",           "1473000000", "44.64",
      "6571246571.3111", "-2.5", "12345.678",        "1E5",        "0.672043",
      "65752926687.23",  "100",  "3.14159265358979", "-0.125",     "8940108413.7067"};
  return texts;
}

void TextToDoubleTyped(benchmark::State& state) {
  const auto& texts = TypedTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) benchmark::DoNotOptimize(worthmere::TextToDouble(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(TextToDoubleTyped)->Apply(worthmere::bench::WithFastestRun);

void FromCharsTyped(benchmark::State& state) {
  const auto& texts = TypedTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) {
      double value = 0;
      benchmark::DoNotOptimize(std::from_chars(text.data(), text.data() + text.size(), value));
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(FromCharsTyped)->Apply(worthmere::bench::WithFastestRun);

// Typical results of the estimate and the keypad, then arbitrary doubles with 17 digits.
const std::vector<double>& Doubles() {
  static const std::vector<double> values = [] {
    std::vector<double> v = {44.6387825,     0.0625,    4472280000.0, 5633784783.36,
                             65752926687.23, 12.086048, -3.2,         0.672043,
                             32.795699,      1.0 / 3.0, 1e15,         1234567890123455.0,
                             0.1 + 0.2,      -0.125,    2.675,        100.0};
    std::mt19937_64 engine(7);
    for (int i = 0; i < 16; ++i) {
      v.push_back(static_cast<double>(engine() >> 11) / 9007199254740992.0 * 1e6);
    }
    return v;
  }();
  return values;
}

void NumberToTextDoubles(benchmark::State& state) {
  const auto& values = Doubles();
  for (auto _ : state) {
    for (double value : values) benchmark::DoNotOptimize(worthmere::NumberToText(value));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(NumberToTextDoubles)->Apply(worthmere::bench::WithFastestRun);

void FormatNumberTwoDecimals(benchmark::State& state) {
  const auto& values = Doubles();
  for (auto _ : state) {
    for (double value : values) benchmark::DoNotOptimize(worthmere::FormatNumber(value, "###.00"));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(FormatNumberTwoDecimals)->Apply(worthmere::bench::WithFastestRun);

void FormatNumberGrouped(benchmark::State& state) {
  const auto& values = Doubles();
  for (auto _ : state) {
    for (double value : values) {
      benchmark::DoNotOptimize(worthmere::FormatNumber(value, "$###,###,###,###"));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(FormatNumberGrouped)->Apply(worthmere::bench::WithFastestRun);

// The references write into a std::string too, as the functions above return one.
void ToCharsShortest(benchmark::State& state) {
  const auto& values = Doubles();
  for (auto _ : state) {
    for (double value : values) {
      char buffer[32];
      const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
      benchmark::DoNotOptimize(std::string(buffer, end));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(ToCharsShortest)->Apply(worthmere::bench::WithFastestRun);

void ToChars15Digits(benchmark::State& state) {
  const auto& values = Doubles();
  for (auto _ : state) {
    for (double value : values) {
      char buffer[32];
      const auto end =
          std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
      benchmark::DoNotOptimize(std::string(buffer, end));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(ToChars15Digits)->Apply(worthmere::bench::WithFastestRun);

}  // namespace
