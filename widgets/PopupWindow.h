#pragma once
// A popup list of items: a menu, a drop-down list or the chevron list of a bar. It shows
// one line per visible item (image column, caption, right-aligned shortcut, submenu arrow,
// check marks and radio dots, separators), highlights with mouse and keyboard, opens
// submenus after a short hover delay or at once on click/Right/Enter, and runs an item's
// command after closing the whole chain. Esc closes one level.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "skin/Signal.h"
#include "widgets/ImageListPixmaps.h"
#include "widgets/ThemeRegistry.h"

namespace tessary {
class ImageList;
}

namespace tessary::widgets {

class TTBCustomItem;

class PopupWindow : public QWidget, public ThemeNotifiable {
  Q_OBJECT

 public:
  // How long the mouse must rest on a submenu line before it opens.
  static constexpr int kSubmenuDelayMs = 250;

  // `items` are shown in order (hidden ones skipped); they must outlive the popup.
  // `parentPopup` is the popup this one is a submenu of (none for the root of a chain).
  PopupWindow(std::vector<TTBCustomItem*> items, int viewKind, ImageList* images, PopupWindow* parentPopup,
              QWidget* owner);
  ~PopupWindow() override;

  // Keeps items made only for this list (lines that stand for something else) alive as
  // long as the popup.
  void AdoptItems(std::vector<std::unique_ptr<TTBCustomItem>> items);

  // Shows the popup with its top-left at `globalPos`, kept on the screen; with
  // `selectFirst` the first selectable line is highlighted (keyboard opening). `anchor` is
  // what the popup hangs from (screen coordinates): a popup placed below it that would run
  // off the screen's bottom opens above it, one placed to its right that would run off the
  // right edge opens to its left.
  void Popup(QPoint globalPos, bool selectFirst, const QRect& anchor = {});

  // The shown lines (visible items in order) and their rectangles.
  int LineCount() const { return static_cast<int>(lines_.size()); }
  TTBCustomItem* LineItem(int line) const { return lines_.at(static_cast<std::size_t>(line)); }
  // Where a line is shown now (popup coordinates; a scrolled list moves its lines).
  QRect LineRect(int line) const;
  int LineAt(QPoint pos) const;

  int Highlighted() const { return highlighted_; }
  void SetHighlighted(int line, bool byMouse = false);

  // A list taller than the screen scrolls: how far, in pixels, and the most it can.
  int ScrollOffset() const { return scroll_; }
  int MaxScroll() const;
  // Scrolls so that `line` shows whole.
  void EnsureVisible(int line);

  PopupWindow* ParentPopup() const { return parentPopup_; }
  PopupWindow* ChildPopup() const { return child_; }
  // The line whose submenu is open (-1 if none).
  int ChildLine() const { return child_ ? childLine_ : -1; }
  // Opens the submenu of a line (a submenu item with a list).
  void OpenSubmenu(int line, bool selectFirst);
  // Chooses a line: opens its submenu, or closes the chain and runs the item.
  void Activate(int line);
  // Closes this popup and every popup above and below it in the chain.
  void CloseAll();

  // Root popups of a menu bar: Left/Right past the ends move to the neighbouring menu
  // (-1 / +1); mouse moves outside every popup are passed to the owner (hot tracking).
  void SetOnMoveToNeighbour(std::function<void(int)> handler) { onNeighbour_ = std::move(handler); }
  void SetOnMouseOutside(std::function<void(QPoint)> handler) { onMouseOutside_ = std::move(handler); }

  QSize sizeHint() const override;
  void ThemeChanged(int phase) override;

 signals:
  // The popup closed (by choice, Esc, a click outside, or its parent closing).
  void Closed();
  // Esc closed this root popup (the menu bar takes the keyboard back).
  void Cancelled();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Relayout();
  // The area inside the border where lines show.
  QRect ListArea() const;
  void ScrollTo(int offset);
  int NextSelectable(int from, int step) const;
  PopupWindow* Root();
  // Pointer events that land outside this popup go to the popup (or bar) under them.
  PopupWindow* PopupAt(QPoint globalPos);
  void HandleAccelerator(QChar letter);
  void CloseChild();

  std::vector<std::unique_ptr<TTBCustomItem>> owned_;
  std::vector<TTBCustomItem*> items_;
  std::vector<TTBCustomItem*> lines_;
  std::vector<QRect> rects_;
  std::vector<Connection> connections_;
  int viewKind_;
  ImageList* images_;
  ImageListPixmaps pixmaps_;
  PopupWindow* parentPopup_;
  QPointer<PopupWindow> child_;
  int childLine_ = -1;
  int highlighted_ = -1;
  bool mouseOver_ = false;
  int imageColumn_ = 0;
  int shortcutColumn_ = 0;
  QTimer submenuTimer_;
  QTimer scrollTimer_;
  int scrollStep_ = 0;  // -1 up, +1 down while the pointer rests at an edge
  int scroll_ = 0;
  int maxHeight_ = 0;  // the screen's height once shown (0: not limited)
  std::function<void(int)> onNeighbour_;
  std::function<void(QPoint)> onMouseOutside_;
  bool closing_ = false;
};

}  // namespace tessary::widgets
