// The keyboard walk of a bar that is a stop of the window's keyboard order (a bar placed on
// a panel, given a focus policy): the highlight shows where the keyboard is, and screen
// readers are told of each item it moves to.
#include <QKeyEvent>

#include "widgets/AccessibleFocus.h"
#include "widgets/ClickKey.h"
#include "widgets/TTBXToolbar.h"

namespace tessary::widgets {

void TTBXToolbar::MoveHot(int index, bool tell) {
  if (index < 0 || !state_.KeyboardTo(index)) return;
  update();
  if (tell) TellKeyboardItem();
}

void TTBXToolbar::TellKeyboardItem() {
  const int hot = state_.Hot();
  if (hot >= 0 && hot < static_cast<int>(items_.size())) NotifyAccessibleFocus(this, &ItemAtIndex(hot));
}

int TTBXToolbar::NeighbourItem(int from, int step) const {
  std::vector<bool> selectable(items_.size());
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const TTBCustomItem& item = *items_[i];
    selectable[i] = item.Selectable() && item.Visible() && item.Enabled() && i < rects_.size() && !rects_[i].isNull();
  }
  return BarItemState::NextItem(selectable, from, step);
}

void TTBXToolbar::keyPressEvent(QKeyEvent* event) {
  const int count = static_cast<int>(items_.size());
  const int hot = state_.Hot();
  const bool hasHot = hot >= 0 && hot < count;
  const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) == 0;
  if (menuBar_ || !plain) {
    TTBCustomDockableWindow::keyPressEvent(event);
    return;
  }
  if (IsClickKey(*event)) {
    if (!hasHot || !ItemAtIndex(hot).Enabled()) return;
    if (ItemAtIndex(hot).Kind() == ItemKind::Submenu && ItemAtIndex(hot).OpensListOnClick()) OpenItemList(hot, true);
    else ItemAtIndex(hot).Click();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left: MoveHot(NeighbourItem(hasHot ? hot : count, -1)); break;
    case Qt::Key_Right: MoveHot(NeighbourItem(hasHot ? hot : -1, 1)); break;
    case Qt::Key_Home: MoveHot(NeighbourItem(-1, 1)); break;
    case Qt::Key_End: MoveHot(NeighbourItem(count, -1)); break;
    case Qt::Key_Down:
      if (hasHot) OpenItemList(hot, true);
      break;
    default: TTBCustomDockableWindow::keyPressEvent(event); return;
  }
}

void TTBXToolbar::focusInEvent(QFocusEvent* event) {
  TTBCustomDockableWindow::focusInEvent(event);
  if (menuBar_) return;
  if (state_.Hot() < 0) MoveHot(NeighbourItem(-1, 1), false);
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
    state_.FocusOut();
    update();
  }
  TTBCustomDockableWindow::focusOutEvent(event);
}

}  // namespace tessary::widgets
