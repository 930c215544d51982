#include "app/RenderWindow.h"

#include <QApplication>
#include <QPainter>

#include "app/TfrmMain.h"
#include "editing/ControlPanelLists.h"
#include "widgets/TTBDock.h"
#include "widgets/TTBXToolWindow.h"

namespace tessary::app {
namespace {

// Shows `window` at the asked size with the file opened, settled and ready to be grabbed.
void ShowWithFile(TfrmMain& window, const RenderRequest& request) {
  // The window stands first and then opens the file, as the user does it.
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
}

// Where `widget` lies in `window`.
QRect RectIn(const QWidget& window, const QWidget& widget) { return {widget.mapTo(&window, QPoint()), widget.size()}; }

}  // namespace

QImage RenderEditorWindow(const RenderRequest& request) {
  TfrmMain window;
  ShowWithFile(window, request);
  return window.grab().toImage();
}

QImage RenderBrowserChrome(const RenderRequest& request) {
  TfrmMain window;
  ShowWithFile(window, request);
  const QRect top = RectIn(window, *window.chromeTop().tbdTop);
  const QRect bottomDock = RectIn(window, *window.chromeBottom().tbdBottom);
  // The status bar's whole row: the bottom picture runs on to the dock's edges beside it.
  const QRect statusBar = RectIn(window, *window.chromeBottom().tbtStatus);
  const QRect status(bottomDock.left(), statusBar.top(), bottomDock.width(), statusBar.height());
  QImage picture(top.width(), top.height() + status.height(), QImage::Format_RGB32);
  picture.fill(Qt::black);
  QPainter painter(&picture);
  painter.drawPixmap(0, 0, window.grab(top));
  painter.drawPixmap(0, top.height(), window.grab(status));
  return picture;
}

}  // namespace tessary::app
