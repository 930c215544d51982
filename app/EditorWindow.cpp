#include "app/EditorWindow.h"

#include "skinfile/StartupSkin.h"

namespace tessary::app {

EditorWindow::EditorWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Tessary 2.0"));
  // Restored bounds of the stored layout; the window opens maximised.
  setGeometry(192, 108, 812, 614);
  LoadStartupSkin(skin_);
}

}  // namespace tessary::app
