#include "widgets/BarItemState.h"

namespace tessary::widgets {

BarItemState::Look BarItemState::ItemLook(int index, bool menuBar, bool focused) const {
  Look look;
  look.highlighted = index == hot_ || index == open_;
  look.mouseOver = index == hot_ && hotByMouse_;
  look.pushed = (index == pressed_ && index == hot_) || (menuBar && index == open_);
  look.arrowPushed = index == open_ && !menuBar;
  look.focusFrame = index == hot_ && focused && !hotByMouse_;
  return look;
}

BarItemState::Look BarItemState::ChevronLook() const {
  Look look;
  look.highlighted = hot_ == kChevron || chevronOpen_;
  look.mouseOver = hot_ == kChevron && hotByMouse_;
  look.pushed = chevronOpen_;
  return look;
}

bool BarItemState::PointerOver(int index, bool popupOpen) {
  if (index == hot_) return false;
  if (index == -1 && popupOpen) return false;
  hot_ = index;
  hotByMouse_ = true;
  return true;
}

void BarItemState::HotFromPointer(int index) {
  hot_ = index;
  hotByMouse_ = true;
}

void BarItemState::Press(int index) {
  pressed_ = index;
  hot_ = index;
}

int BarItemState::Release(int index) {
  const int pressed = pressed_;
  pressed_ = -1;
  return pressed >= 0 && index == pressed ? pressed : -1;
}

void BarItemState::Leave(bool focused, bool menuBar, bool popupOpen) {
  if (focused && !menuBar) hotByMouse_ = false;
  else if (!popupOpen) hot_ = -1;
}

bool BarItemState::KeyboardTo(int index) {
  if (index < 0 && index != kChevron) return false;
  hot_ = index;
  hotByMouse_ = false;
  return true;
}

void BarItemState::Opened(int index) {
  keyboardMode_ = false;
  if (index == kChevron) chevronOpen_ = true;
  else open_ = index;
  hot_ = index;
}

void BarItemState::Closed() {
  open_ = -1;
  chevronOpen_ = false;
}

void BarItemState::SetKeyboardMode(bool on, int firstMenu, bool popupOpen) {
  keyboardMode_ = on;
  if (on) {
    hot_ = firstMenu;
    hotByMouse_ = false;
  } else if (!popupOpen) {
    hot_ = -1;
  }
}

bool BarItemState::AltUp() {
  const bool toggle = altPending_;
  altPending_ = false;
  return toggle;
}

int BarItemState::NextItem(const std::vector<bool>& items, int from, int step) {
  const int count = static_cast<int>(items.size());
  for (int index = from + step; index >= 0 && index < count; index += step)
    if (items[static_cast<std::size_t>(index)]) return index;
  return -1;
}

int BarItemState::NextMenu(const std::vector<bool>& menus, bool chevronShown, int from, int step) {
  // The walk goes round the positions of the menus and one more, after the last menu, for
  // the chevron.
  const int count = static_cast<int>(menus.size());
  const int positions = count + 1;
  int index = from == kChevron ? count : from;
  for (int tries = 0; tries < positions; ++tries) {
    index = ((index + step) % positions + positions) % positions;
    if (index == count) {
      if (chevronShown) return kChevron;
      continue;
    }
    if (menus[static_cast<std::size_t>(index)]) return index;
  }
  return -1;
}

}  // namespace tessary::widgets
