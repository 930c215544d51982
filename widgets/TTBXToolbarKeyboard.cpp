// The keyboard walk of a bar that is a stop of the window's keyboard order (a bar placed on
// a panel, given a focus policy): the highlight shows where the keyboard is, and screen
// readers are told of each item it moves to.
#include <QKeyEvent>

#include "widgets/AccessibleFocus.h"
#include "widgets/ClickKey.h"
#include "widgets/TTBXToolbar.h"

namespace tessary::widgets {

void TTBXToolbar::MoveHot(int index, bool tell) {
  if (index < 0) return;
  hot_ = index;
  hotByMouse_ = false;
  update();
  if (tell) TellKeyboardItem();
}

void TTBXToolbar::TellKeyboardItem() {
  if (hot_ >= 0 && hot_ < static_cast<int>(items_.size())) NotifyAccessibleFocus(this, items_[hot_].get());
}

int TTBXToolbar::NeighbourItem(int from, int step) const {
  const int count = static_cast<int>(items_.size());
  for (int index = from + step; index >= 0 && index < count; index += step) {
    const TTBCustomItem& item = *items_[index];
    if (item.Selectable() && item.Visible() && item.Enabled() && rects_.size() > std::size_t(index) &&
        !rects_[index].isNull())
      return index;
  }
  return -1;
}

void TTBXToolbar::keyPressEvent(QKeyEvent* event) {
  const int count = static_cast<int>(items_.size());
  const bool hasHot = hot_ >= 0 && hot_ < count;
  const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) == 0;
  if (menuBar_ || !plain) {
    TTBCustomDockableWindow::keyPressEvent(event);
    return;
  }
  if (IsClickKey(*event)) {
    if (!hasHot || !items_[hot_]->Enabled()) return;
    if (items_[hot_]->Kind() == ItemKind::Submenu && items_[hot_]->OpensListOnClick()) OpenItemList(hot_, true);
    else items_[hot_]->Click();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left: MoveHot(NeighbourItem(hasHot ? hot_ : count, -1)); break;
    case Qt::Key_Right: MoveHot(NeighbourItem(hasHot ? hot_ : -1, 1)); break;
    case Qt::Key_Home: MoveHot(NeighbourItem(-1, 1)); break;
    case Qt::Key_End: MoveHot(NeighbourItem(count, -1)); break;
    case Qt::Key_Down:
      if (hasHot) OpenItemList(hot_, true);
      break;
    default: TTBCustomDockableWindow::keyPressEvent(event); return;
  }
}

void TTBXToolbar::focusInEvent(QFocusEvent* event) {
  TTBCustomDockableWindow::focusInEvent(event);
  if (menuBar_) return;
  if (hot_ < 0) MoveHot(NeighbourItem(-1, 1), false);
  // The toolkit tells of the bar's own focus once this handler returned: the highlighted
  // item is told after it, so that a screen reader names the button, not only the bar.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (hasFocus()) TellKeyboardItem();
      },
      Qt::QueuedConnection);
}

void TTBXToolbar::focusOutEvent(QFocusEvent* event) {
  if (!menuBar_ && !popup_) {
    hot_ = -1;
    update();
  }
  TTBCustomDockableWindow::focusOutEvent(event);
}

}  // namespace tessary::widgets
