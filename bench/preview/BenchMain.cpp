// The preview benchmarks' main: one QApplication (offscreen unless a platform is chosen)
// and the theme layer started before any benchmark runs.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "widgets/ThemeRegistry.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tessary::widgets::StartThemes();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
