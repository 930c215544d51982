// A window that shows every item kind of the toolbar library in the current theme: two
// docks with a menu bar, a tool window, large and small button bars, an address bar and a
// search bar on top and a status tool window at the bottom.
//
//   tessary-widgets-demo [--background] [--theme NAME] [--open-menu] [--float]
//                        [--menu INDEX] [--chevron] [--dragging] [--states]
//                        [--screenshot FILE] [--shots DIR]
//
// --open-menu opens the first menu and its first submenu; --menu INDEX another menu.
// --states shows the states worth comparing (pressed, hovered, checked, split, an open
// menu with a submenu, a floating bar). --screenshot saves the screen around the window and
// quits; --shots writes a picture of the window with its popups and floating bars for every
// theme, in those states, and a grid of all of them (DIR/themes.png), and quits (it needs no
// window system).
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include "widgets/PopupWindow.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/demo/DemoProgram.h"
#include "widgets/demo/DemoScene.h"
#include "widgets/demo/ThemeShots.h"
#include "widgets/start/StartWidgetLibrary.h"

using namespace tessary::widgets;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  StartWidgetLibrary();
  demo::DemoProgram program(app);
  const auto option = [&](const char* name) { return program.Option(name); };
  const auto value = [&](const char* name) { return program.Value(name); };

  DemoScene scene(option("--background"));
  QWidget& window = scene.window;
  window.show();

  const QString shots = value("--shots");
  int status = 0;
  QTimer::singleShot(300, [&] {
    if (!shots.isEmpty()) {
      status = WriteThemeShots(scene, shots) ? 0 : 1;
      app.quit();
      return;
    }
    if (option("--states")) StageThemeStates(scene);
    if (option("--float")) scene.search->Float(window.mapToGlobal(QPoint(420, 260)));
    if (option("--chevron")) window.resize(560, 480);
    if (option("--dragging")) {
      // The address bar taken by its handle and held over the page: the drop outline.
      TTBXToolbar* address = scene.address;
      const QPoint handle(2, address->height() / 2);
      const QPoint start = address->mapToGlobal(handle);
      const QPoint over = window.mapToGlobal(QPoint(300, 250));
      QMouseEvent press(QEvent::MouseButtonPress, QPointF(handle), QPointF(start), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
      QApplication::sendEvent(address, &press);
      QMouseEvent move(QEvent::MouseMove, QPointF(address->mapFromGlobal(over)), QPointF(over), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(address, &move);
    }
    if (option("--open-menu") || !value("--menu").isEmpty()) {
      scene.menuBar->OpenItemList(value("--menu").toInt(), true);
      if (PopupWindow* popup = scene.menuBar->OpenPopup()) popup->OpenSubmenu(0, true);
    }
  });
  program.ScreenshotLater(window, QSize(200, 100));
  const int code = app.exec();
  return status != 0 ? status : code;
}
