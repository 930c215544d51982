// Tessary: the skin editor.
#include <QTimer>

#include "app/FirstFrame.h"
#include "app/GuardedApplication.h"
#include "app/Startup.h"
#include "app/TfrmMain.h"

int main(int argc, char** argv) {
  tessary::app::GuardedApplication application(argc, argv);
  tessary::app::StartApplication();
  tessary::app::TfrmMain window;
  if (qEnvironmentVariableIsSet("TESSARY_QUIT_AT_FIRST_FRAME")) tessary::app::QuitAtFirstFrame(window);
  window.showMaximized();

  // Scripted runs (tests, screenshots) can ask the editor to close itself after a while,
  // exactly as a user closing the window would.
  bool ok = false;
  const int quitAfter = qEnvironmentVariableIntValue("TESSARY_QUIT_AFTER_MS", &ok);
  if (ok && quitAfter >= 0) QTimer::singleShot(quitAfter, &window, &QWidget::close);

  return QApplication::exec();
}
