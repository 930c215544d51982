// Test main for widget tests: one QApplication for the whole program, offscreen unless
// the caller chose a platform, and the start of the layer the program tests, as its own
// program starts it. It is built once per start: with TESSARY_START_PREVIEW (the preview
// and the editor), with TESSARY_START_WIDGETS (the widget library), or with neither (the
// platform layer and the command-line tool, which start nothing or start themselves).
#include <gtest/gtest.h>

#include <QApplication>

#if defined(TESSARY_START_PREVIEW)
#include "preview/start/StartPreview.h"
#elif defined(TESSARY_START_WIDGETS)
#include "widgets/start/StartWidgetLibrary.h"
#endif

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
#if defined(TESSARY_START_PREVIEW)
  tessary::preview::StartPreview();
#elif defined(TESSARY_START_WIDGETS)
  tessary::widgets::StartWidgetLibrary();
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
