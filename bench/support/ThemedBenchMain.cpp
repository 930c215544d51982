// The entry point of the benchmarks that paint the toolbar library: an application on the
// offscreen platform (unless another is asked for) with the themes registered.
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
