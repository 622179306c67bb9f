// The estimate press and the Enter key through the window's real handlers, with one box holding
// 1 KB to 1 MB of text. Time per byte must stay flat (the fitted complexity is N): a user can
// paste anything, and no press may take longer than reading what was pasted. The conversions on
// their own are measured by bench/numbers/long_text_bench.cpp.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>
#include <optional>

#include "app/calculator_window.h"
#include "app/layout_fonts.h"
#include "platform/desktop_services.h"

namespace {

// Every box answers at once: the price prompt gets "30", everything else does nothing.
class InstantServices final : public worthmere::DesktopServices {
 public:
  void ShowMessage(const QString& text, worthmere::MessageStyle,
                   const std::optional<QString>&) override {
    last_message = text;
  }
  QString AskText(const QString&, const QString&, const QString&) override {
    return QStringLiteral("30");
  }
  bool ClearClipboard() override { return true; }
  bool SetClipboardText(const QString&) override { return true; }
  void OpenAddress(const QString&) override {}
  void ProcessPendingEvents() override {}
  void SetAlwaysOnTop(QWidget&, bool) override {}

  QString last_message;
};

enum Kind { kLeadingZeros, kDigits, kLetters };

// Leading zeros still read as the start-up figure, so the press runs to its report; a megabyte
// of digits overflows and letters are no number, so those presses end in the error message.
QString BigText(Kind kind, int size, const char* figure) {
  switch (kind) {
    case kLeadingZeros:
      return QString(size - static_cast<int>(std::strlen(figure)), QLatin1Char('0')) +
             QString::fromLatin1(figure);
    case kDigits:
      return QString(size, QLatin1Char('7'));
    case kLetters:
      return QString(size, QLatin1Char('q'));
  }
  return {};
}

struct Window {
  InstantServices services;
  worthmere::CalculatorWindow window{services};

  QLineEdit* Box(const char* name) {
    return window.findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  QPushButton* Button(const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
  }
};

void PressEnter(QLineEdit* box) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(box, &press);
}

// Whole estimate presses with a big text in one box; the cost should grow with the text alone.
void TimeEstimatePress(benchmark::State& state, const char* box, Kind kind, const char* figure) {
  Window w;
  const int size = static_cast<int>(state.range(0));
  w.Box(box)->setText(BigText(kind, size, figure));
  QPushButton* estimate = w.Button("Command1");
  for (auto _ : state) estimate->click();
  state.SetComplexityN(size);
  state.SetBytesProcessed(state.iterations() * size);
  state.SetLabel(w.services.last_message.left(20).toStdString());
}

template <Kind kind>
void EstimatePressWithBigCashFlow(benchmark::State& state) {
  TimeEstimatePress(state, "txtPresVal", kind, "4141000000");
}

template <Kind kind>
void EstimatePressWithBigShareCount(benchmark::State& state) {
  TimeEstimatePress(state, "txtshares", kind, "1473000000");
}

// Enter rewrites a figure, so each round puts the big text back first, outside the timing.
template <Kind kind>
void EnterInBigCashFlow(benchmark::State& state) {
  Window w;
  const int size = static_cast<int>(state.range(0));
  const QString text = BigText(kind, size, "4141000000");
  QLineEdit* box = w.Box("txtPresVal");
  for (auto _ : state) {
    state.PauseTiming();
    box->setText(text);
    state.ResumeTiming();
    PressEnter(box);
  }
  state.SetComplexityN(size);
  state.SetBytesProcessed(state.iterations() * size);
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->RangeMultiplier(4)
      ->Range(1 << 10, 1 << 20)
      ->Complexity(benchmark::oN)
      ->Unit(benchmark::kMicrosecond);
}

BENCHMARK(EstimatePressWithBigCashFlow<kLeadingZeros>)->Apply(Sizes);
BENCHMARK(EstimatePressWithBigCashFlow<kDigits>)->Apply(Sizes);
BENCHMARK(EstimatePressWithBigCashFlow<kLetters>)->Apply(Sizes);
BENCHMARK(EstimatePressWithBigShareCount<kLeadingZeros>)->Apply(Sizes);
BENCHMARK(EstimatePressWithBigShareCount<kDigits>)->Apply(Sizes);
BENCHMARK(EnterInBigCashFlow<kLeadingZeros>)->Apply(Sizes);
BENCHMARK(EnterInBigCashFlow<kDigits>)->Apply(Sizes);
BENCHMARK(EnterInBigCashFlow<kLetters>)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  worthmere::ResolveDesignFamilies();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
