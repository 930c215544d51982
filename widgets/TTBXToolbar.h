#pragma once
// A themed toolbar (or, in menu-bar mode, the menu bar): a dockable bar that owns its
// items, lays them out in one line, hides what does not fit behind a chevron, tracks
// hover and press, opens drop-down lists and menus, and shows each item's hint as tooltip.
#include <QKeyEvent>
#include <QPointer>
#include <memory>
#include <vector>

#include "skin/Signal.h"
#include "widgets/BarItemState.h"
#include "widgets/CaptionWidths.h"
#include "widgets/ImageListPixmaps.h"
#include "widgets/PopupWindow.h"
#include "widgets/TTBCustomDockableWindow.h"
#include "widgets/TTBCustomItem.h"

namespace tessary {
class ImageList;
}

namespace tessary::widgets {

struct ItemView;

class TTBXToolbar : public TTBCustomDockableWindow {
  Q_OBJECT

 public:
  explicit TTBXToolbar(QWidget* parent = nullptr);
  ~TTBXToolbar() override;

  // Appends an item (the bar owns it) and returns it. A control item's widget becomes a
  // child of the bar.
  template <typename T>
  T& Add(std::unique_ptr<T> item) {
    T& ref = *item;
    AddItem(std::move(item));
    return ref;
  }
  const std::vector<std::unique_ptr<TTBCustomItem>>& Items() const { return items_; }

  // The bar's image list: items without their own list show their slot from it.
  void SetImages(ImageList* images);
  ImageList* Images() const { return images_; }

  // Menu-bar mode: captions only, menus open on press, Alt+letter opens a menu, Left and
  // Right move between open menus, Alt alone or F10 give the bar the keyboard; the bar
  // takes the width its row leaves free and does not float.
  void SetMenuBar(bool menuBar);
  bool IsMenuBar() const { return menuBar_; }

  int ViewKind() const override;
  QSize ContentSize(int maxClientWidth) const override;

  // Where an item sits (bar coordinates); empty while hidden or behind the chevron.
  QRect ItemRect(const TTBCustomItem* item) const;
  // Items that did not fit and are reachable through the chevron.
  std::vector<TTBCustomItem*> OverflowItems() const;
  // Whether the chevron shows (some items did not fit), and where (bar coordinates).
  bool ChevronShown() const { return chevronShown_; }
  QRect ChevronRect() const { return chevronRect_; }
  // HotIndex() while the chevron is highlighted (the keyboard walk of a menu bar whose
  // menus do not all fit reaches it after the last shown menu).
  static constexpr int kChevronIndex = BarItemState::kChevron;
  // The item under a point (bar coordinates), or none.
  TTBCustomItem* ItemAt(QPoint pos) const;
  // The tooltip at a point: the item's hint with its shortcut (empty: no tooltip).
  QString TooltipAt(QPoint pos) const;

  // Opens the list of item `index` below it (a menu, a drop-down or a split arrow's list);
  // nothing opens when the list has no entry to show.
  void OpenItemList(int index, bool selectFirst);
  // Opens the chevron's list of the items that do not fit (see ChevronList.h).
  void OpenChevron(bool selectFirst = false);
  // The popup this bar has open, if any.
  PopupWindow* OpenPopup() const { return popup_; }
  // The index of the item whose list is open (-1 if none).
  int OpenIndex() const { return state_.Open(); }
  // The highlighted item (mouse or keyboard; -1 if none, kChevronIndex for the chevron),
  // and whether the menu bar has the keyboard (Alt or F10 pressed on its own).
  int HotIndex() const { return state_.Hot(); }
  bool KeyboardMode() const { return state_.KeyboardMode(); }
  // The menu bar that has the keyboard now, if any: until it lets go, keys are its own and
  // no application-wide shortcut should take them.
  static TTBXToolbar* KeyboardOwner();
  // Menu-bar mode: opens the menu whose accelerator is `letter`; false if none has it.
  bool OpenMenuByAccelerator(QChar letter);
  // Gives the focus to the control after the label whose accelerator is `letter`; false
  // when there is none or it is disabled.
  bool FocusLabelledControl(QChar letter);

  void ThemeChanged(int phase) override;

 protected:
  void LayoutContent() override;
  void PaintContent(QPainter& painter) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  // A bar given a focus policy is a stop of the window's keyboard order: while it has the
  // focus one item is highlighted, Left/Right/Home/End move the highlight, Space or Enter
  // runs it as a click does, Down opens its list.
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void AddItem(std::unique_ptr<TTBCustomItem> item);
  void ItemsChanged();
  ItemView View() const;
  // The least client width that shows what must show: the chevron, and the items up to the
  // last control that narrows, narrowed.
  int LeastContentWidth() const;
  int IndexAt(QPoint pos) const;
  // Opens the next/previous menu (menu-bar mode) while one is open.
  void OpenNeighbour(int step);
  // The next visible, enabled menu from `from` in direction `step` (cycling), or -1.
  int NeighbourMenu(int from, int step) const;
  // The next shown, enabled item that can be highlighted from `from` in direction `step`
  // (not cycling), or -1.
  int NeighbourItem(int from, int step) const;
  // Highlights item `index` for the keyboard (nothing when it is -1); `tell`: tells
  // assistive tools that it has the focus now.
  void MoveHot(int index, bool tell = true);
  // Tells assistive tools that the highlighted item has the focus (the chevron is none).
  void TellKeyboardItem();
  // Keys seen anywhere in the window: the menu bar's Alt, F10, Alt+letter and its keyboard
  // mode; a label's Alt+letter. True when the key was taken.
  bool MenuBarKey(QKeyEvent* key);
  bool LabelKey(QKeyEvent* key);
  void SetKeyboardMode(bool on);
  // Wires a popup of this bar (closing, and for a menu bar Esc, Left/Right and the pointer
  // moving over the bar) and shows it at `at`, hanging from `anchor` (bar coordinates).
  void ShowPopup(PopupWindow* popup, int hotIndex, const QRect& anchor, QPoint at, bool selectFirst);
  void PopupClosed(PopupWindow* popup);
  void TrackHot(QPoint pos);
  // The highlight follows where the pointer really is.
  void HotFromPointer();
  // The selectable item or the chevron at `pos` (kChevronIndex), or -1.
  int SelectableAt(QPoint pos) const;

  // The item and its rectangle at an index known to be valid (the indices kept, such as
  // hot_, are -1 for none).
  TTBCustomItem& ItemAtIndex(int index) const { return *items_[static_cast<std::size_t>(index)]; }
  const QRect& RectAtIndex(int index) const { return rects_[static_cast<std::size_t>(index)]; }

  std::vector<std::unique_ptr<TTBCustomItem>> items_;
  std::vector<Connection> itemConnections_;
  std::vector<QRect> rects_;  // per item; empty when not shown
  ImageList* images_ = nullptr;
  mutable ImageListPixmaps pixmaps_;
  mutable CaptionWidths captionWidths_;
  bool menuBar_ = false;
  BarItemState state_;  // hover, press, open list and the menu bar's keyboard mode
  bool chevronShown_ = false;
  QRect chevronRect_;
  QSize lastContentSize_;
  QPointer<PopupWindow> popup_;
};

}  // namespace tessary::widgets
