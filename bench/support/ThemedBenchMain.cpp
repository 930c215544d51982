// The entry point of the benchmarks that paint the toolbar library: an application on the
// offscreen platform (unless another is asked for) with the library started as the
// programs start it (TESSARY_START_PREVIEW: the preview's start, else the widget library's).
#include <benchmark/benchmark.h>

#include <QApplication>

#if defined(TESSARY_START_PREVIEW)
#include "preview/start/StartPreview.h"
#else
#include "widgets/start/StartWidgetLibrary.h"
#endif

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
#if defined(TESSARY_START_PREVIEW)
  tessary::preview::StartPreview();
#else
  tessary::widgets::StartWidgetLibrary();
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
