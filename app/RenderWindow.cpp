#include "app/RenderWindow.h"

#include <QApplication>

#include "app/TfrmMain.h"
#include "editing/ControlPanelLists.h"

namespace tessary::app {

QImage RenderEditorWindow(const RenderRequest& request) {
  // The window stands first and then opens the file, as the user does it.
  TfrmMain window;
  window.resize(request.size);
  window.show();
  window.activateWindow();
  QApplication::processEvents();
  if (request.format == SkinFileFormat::kCrs) {
    window.editor().ImportFromFile(request.file);
  } else {
    window.editor().OpenFromFile(request.file);
  }
  // Another theme is picked in the theme list, as the user picks it, so that the list shows
  // the theme the preview is drawn in.
  if (const auto entry = ThemeListEntryFor(request.theme.toStdString()); entry) {
    window.controls().ListBox1->SetItemIndex(ThemeListIndex(*entry));
    window.editor().ApplyTheme(std::string(*entry));
  }
  // As the program started with the file shows it: nothing to undo yet.
  window.history().Clear();
  // The layout, the docks' rows and every pending paint settle before the picture is taken.
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  return window.grab().toImage();
}

}  // namespace tessary::app
