#include <benchmark/benchmark.h>

#include "calculator/keypad_engine.h"

namespace worthmere {
namespace {

KeypadEngine Typed(const char* keys) {
  KeypadEngine engine;
  for (const char* key = keys; *key != '\0'; ++key) {
    if (*key == '.') {
      engine.PressDecimal();
    } else if (*key >= '0' && *key <= '9') {
      engine.PressDigit(*key);
    } else {
      (void)engine.PressOperator(std::string_view(key, 1));
    }
  }
  return engine;
}

// Entries of up to ten digits: a clear-entry key every ten digits keeps the length ordinary.
void BM_DigitKey(benchmark::State& state) {
  KeypadEngine engine;
  int typed = 0;
  for (auto _ : state) {
    engine.PressDigit('7');
    if (++typed == 10) {
      engine.ClearEntry();
      typed = 0;
    }
    benchmark::DoNotOptimize(engine.DisplayText().data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DigitKey);

void BM_DigitKeyAfterPoint(benchmark::State& state) {
  KeypadEngine engine;
  int typed = 0;
  for (auto _ : state) {
    if (typed == 0) engine.PressDecimal();
    engine.PressDigit('3');
    if (++typed == 10) {
      engine.ClearEntry();
      typed = 0;
    }
    benchmark::DoNotOptimize(engine.DisplayText().data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DigitKeyAfterPoint);

// The operator keys run on a copy of a prepared engine; BM_CopyEngine is that copy alone.
void BM_CopyEngine(benchmark::State& state) {
  const KeypadEngine prepared = Typed("1234.56+789.01");
  for (auto _ : state) {
    KeypadEngine engine = prepared;
    benchmark::DoNotOptimize(engine.DisplayText().data());
  }
}
BENCHMARK(BM_CopyEngine);

void BM_OperatorTakingFirstOperand(benchmark::State& state) {
  const KeypadEngine prepared = Typed("1234.56");
  for (auto _ : state) {
    KeypadEngine engine = prepared;
    benchmark::DoNotOptimize(engine.PressOperator("X"));
    benchmark::DoNotOptimize(engine.DisplayText().data());
  }
}
BENCHMARK(BM_OperatorTakingFirstOperand);

void BM_OperatorEvaluating(benchmark::State& state) {
  const KeypadEngine prepared = Typed("1234.56+789.01");
  for (auto _ : state) {
    KeypadEngine engine = prepared;
    benchmark::DoNotOptimize(engine.PressOperator("X"));
    benchmark::DoNotOptimize(engine.DisplayText().data());
  }
}
BENCHMARK(BM_OperatorEvaluating);

void BM_OperatorEvaluatingLongResult(benchmark::State& state) {
  const KeypadEngine prepared = Typed("2/3=X7");
  for (auto _ : state) {
    KeypadEngine engine = prepared;
    benchmark::DoNotOptimize(engine.PressOperator("="));
    benchmark::DoNotOptimize(engine.DisplayText().data());
  }
}
BENCHMARK(BM_OperatorEvaluatingLongResult);

void BM_PercentKey(benchmark::State& state) {
  const KeypadEngine prepared = Typed("200+5");
  for (auto _ : state) {
    KeypadEngine engine = prepared;
    benchmark::DoNotOptimize(engine.PressPercent());
    benchmark::DoNotOptimize(engine.DisplayText().data());
  }
}
BENCHMARK(BM_PercentKey);

}  // namespace
}  // namespace worthmere
