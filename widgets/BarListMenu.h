#pragma once
// The list of a window's bars that a right click on a dock, a bar or a floating caption
// opens: one line per bar that can be closed, checked while the bar shows. Choosing a line
// closes the bar or opens it again where it was, so no bar is ever lost for the session.
#include <QPoint>
#include <vector>

class QWidget;

namespace tessary::widgets {

class PopupWindow;
class TTBCustomDockableWindow;

class BarListMenu {
 public:
  // The bars of `window` the list offers, docked or floating (not those on a panel):
  // captioned bars that have a close button (the menu bar and fixed tool windows have none).
  static std::vector<TTBCustomDockableWindow*> ListedBars(const QWidget* window);
  // Opens the list at `globalPos` for the bars of `window`; `owner` is the widget clicked.
  // Returns the popup (it deletes itself once closed), or null when no bar is listed.
  static PopupWindow* Open(const QWidget* window, QPoint globalPos, QWidget* owner);
};

}  // namespace tessary::widgets
