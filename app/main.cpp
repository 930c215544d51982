// Tessary: the skin editor.
#include <QApplication>
#include <QTimer>

#include "app/EditorWindow.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessary"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tessary"));
  tessary::app::EditorWindow window;
  window.showMaximized();

  // Scripted runs (tests, screenshots) can ask the editor to close itself after a while,
  // exactly as a user closing the window would.
  bool ok = false;
  const int quitAfter = qEnvironmentVariableIntValue("TESSARY_QUIT_AFTER_MS", &ok);
  if (ok && quitAfter >= 0) QTimer::singleShot(quitAfter, &window, &QWidget::close);

  return QApplication::exec();
}
