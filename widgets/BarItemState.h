#pragma once
// Which item of a bar the pointer or the keyboard is on, which is pressed and whose list is
// open, and whether a menu bar has the keyboard (after Alt or F10), apart from the widget:
// the bar tells it what the pointer, the keys and its popups did and paints what it says.
// Items are known by their index; kChevron stands for the chevron.
#include <vector>

namespace tessary::widgets {

class BarItemState {
 public:
  static constexpr int kChevron = -2;

  int Hot() const { return hot_; }
  bool HotByMouse() const { return hotByMouse_; }
  int Pressed() const { return pressed_; }
  int Open() const { return open_; }
  bool ChevronOpen() const { return chevronOpen_; }
  bool KeyboardMode() const { return keyboardMode_; }

  // How item `index` shows: `menuBar` for a menu bar, `focused` while the bar has the focus.
  struct Look {
    bool highlighted = false;
    bool mouseOver = false;
    bool pushed = false;
    bool arrowPushed = false;
    bool focusFrame = false;  // the keyboard's item in a bar with the focus
  };
  Look ItemLook(int index, bool menuBar, bool focused) const;
  Look ChevronLook() const;

  // The pointer is over `index` (-1: nothing selectable); true when the highlight changed.
  // While a list is open, leaving every item keeps its entry highlighted.
  bool PointerOver(int index, bool popupOpen);
  // Where the pointer is decides the highlight after a popup (or a drag) the bar did not see.
  void HotFromPointer(int index);
  void Press(int index);
  // The button came up over `index`: the item to run (pressed and released on it), or -1.
  int Release(int index);
  // The pointer left the bar: one with the focus keeps its keyboard item.
  void Leave(bool focused, bool menuBar, bool popupOpen);
  // The keyboard moved the highlight to `index` (ignored when -1); true when it moved.
  bool KeyboardTo(int index);
  // The bar lost the focus with no popup of its own open.
  void FocusOut() { hot_ = -1; }

  // A list opened for item `index` (or the chevron), highlighting it; a popup closed.
  void Opened(int index);
  void Closed();

  // A menu bar takes the keyboard (highlighting `firstMenu`) or lets it go; an open popup
  // keeps its title highlighted.
  void SetKeyboardMode(bool on, int firstMenu, bool popupOpen);
  // Alt alone, pressed and released with nothing between, toggles the keyboard mode: Alt
  // went down; any other key or a click came; Alt came up (true: toggle).
  void AltDown(bool autoRepeat) { altPending_ = !autoRepeat; }
  void OtherInput() { altPending_ = false; }
  bool AltUp();

  // The next entry from `from` in direction `step` among `items` (true: it can be
  // highlighted), not cycling; -1 when none. Pass items.size() or -1 as `from` to start at
  // an end.
  static int NextItem(const std::vector<bool>& items, int from, int step);
  // The next menu of a menu bar from `from` (kChevron: the chevron), cycling through the
  // shown menus and, after the last, the chevron when it shows; -1 when none.
  static int NextMenu(const std::vector<bool>& menus, bool chevronShown, int from, int step);

 private:
  int hot_ = -1;
  bool hotByMouse_ = false;
  int pressed_ = -1;
  int open_ = -1;
  bool chevronOpen_ = false;
  bool keyboardMode_ = false;
  bool altPending_ = false;
};

}  // namespace tessary::widgets
