// Tessary: the skin editor.
#include <QApplication>

#include "app/EditorWindow.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessary"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tessary"));
  tessary::app::EditorWindow window;
  window.showMaximized();
  return QApplication::exec();
}
