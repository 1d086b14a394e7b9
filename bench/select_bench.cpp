// Cost of one Select on the live window, from the click to the result text.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "window/form1.h"

namespace {

void SelectClick(benchmark::State& state) {
  Form1 window;
  window.show();
  window.lblTemp->setText(QStringLiteral("20"));
  window.lblBphpa->setText(QStringLiteral("1013"));
  window.lblHum->setText(QStringLiteral("50"));
  for (auto _ : state) {
    window.txtMJ->clear();
    window.cmd->click();
    benchmark::DoNotOptimize(window.txtMJ->text());
  }
  if (window.txtMJ->text() != QStringLiteral("推奨  168")) state.SkipWithError("wrong result");
}
BENCHMARK(SelectClick);

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
