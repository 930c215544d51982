// A bar's hover, press, open list and menu-bar keyboard mode, driven without widgets: each
// case is what the pointer, keys and popups did, and how the items then show.
#include <gtest/gtest.h>

#include <functional>

#include "widgets/BarItemState.h"

namespace tessary::widgets {
namespace {

constexpr int kChevron = BarItemState::kChevron;

TEST(BarItemState, WhatTheBarShowsAfterPointerKeysAndPopups) {
  struct Case {
    const char* name;
    bool menuBar;
    bool focused;
    std::function<void(BarItemState&)> events;
    int hot;
    int item;  // whose look is checked
    bool highlighted, mouseOver, pushed, arrowPushed, focusFrame;
  };
  using S = BarItemState;
  // clang-format off
  const Case cases[] = {
      {"hover", false, false, [](S& s) { s.PointerOver(2, false); }, 2, 2, true, true, false, false, false},
      {"press", false, false, [](S& s) { s.PointerOver(2, false); s.Press(2); }, 2, 2, true, true, true, false, false},
      {"press dragged to another item", false, false, [](S& s) { s.Press(2); s.PointerOver(3, false); },
       3, 2, false, false, false, false, false},
      {"leave", false, false, [](S& s) { s.PointerOver(2, false); s.Leave(false, false, false); },
       -1, 2, false, false, false, false, false},
      {"leave a focused bar: the keyboard item stays, framed", false, true,
       [](S& s) { s.PointerOver(2, false); s.Leave(true, false, false); }, 2, 2, true, false, false, false, true},
      {"leave a focused menu bar", true, true, [](S& s) { s.PointerOver(2, false); s.Leave(true, true, false); },
       -1, 2, false, false, false, false, false},
      {"leave with a list open", false, false, [](S& s) { s.Opened(2); s.Leave(false, false, true); },
       2, 2, true, false, false, true, false},
      {"off the items with a list open keeps its entry", false, false,
       [](S& s) { s.Opened(2); s.PointerOver(-1, true); }, 2, 2, true, false, false, true, false},
      {"menu open on a menu bar shows pushed", true, false, [](S& s) { s.Opened(1); s.PointerOver(3, true); },
       3, 1, true, false, true, false, false},
      {"closed list", false, false, [](S& s) { s.Opened(2); s.Closed(); s.HotFromPointer(-1); },
       -1, 2, false, false, false, false, false},
      {"keyboard moves in a focused bar", false, true, [](S& s) { s.KeyboardTo(4); },
       4, 4, true, false, false, false, true},
      {"keyboard to nothing keeps the highlight", false, true, [](S& s) { s.KeyboardTo(4); s.KeyboardTo(-1); },
       4, 4, true, false, false, false, true},
      {"focus out", false, true, [](S& s) { s.KeyboardTo(4); s.FocusOut(); }, -1, 4, false, false, false, false, false},
      {"keyboard mode on the first menu", true, false, [](S& s) { s.PointerOver(3, false); s.SetKeyboardMode(true, 0, false); },
       0, 0, true, false, false, false, false},
      {"keyboard mode ends", true, false, [](S& s) { s.SetKeyboardMode(true, 0, false); s.SetKeyboardMode(false, -1, false); },
       -1, 0, false, false, false, false, false},
      {"keyboard mode ends with a menu open", true, false,
       [](S& s) { s.SetKeyboardMode(true, 0, false); s.Opened(1); s.SetKeyboardMode(false, -1, true); },
       1, 1, true, false, true, false, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    BarItemState state;
    c.events(state);
    EXPECT_EQ(state.Hot(), c.hot) << c.name;
    const BarItemState::Look look = state.ItemLook(c.item, c.menuBar, c.focused);
    EXPECT_EQ(look.highlighted, c.highlighted) << c.name;
    EXPECT_EQ(look.mouseOver, c.mouseOver) << c.name;
    EXPECT_EQ(look.pushed, c.pushed) << c.name;
    EXPECT_EQ(look.arrowPushed, c.arrowPushed) << c.name;
    EXPECT_EQ(look.focusFrame, c.focusFrame) << c.name;
  }
}

TEST(BarItemState, ClickRunsOnlyWhereThePressWas) {
  BarItemState state;
  state.Press(2);
  EXPECT_EQ(state.Release(3), -1);
  EXPECT_EQ(state.Pressed(), -1);
  state.Press(2);
  EXPECT_EQ(state.Release(2), 2);
  EXPECT_EQ(state.Release(2), -1);  // a second release without a press runs nothing
}

TEST(BarItemState, OpenListsAndTheChevron) {
  BarItemState state;
  state.SetKeyboardMode(true, 0, false);
  state.Opened(kChevron);
  EXPECT_FALSE(state.KeyboardMode());  // a menu opened takes the keyboard from the bar
  EXPECT_TRUE(state.ChevronOpen());
  EXPECT_EQ(state.Open(), -1);
  EXPECT_TRUE(state.ChevronLook().highlighted);
  EXPECT_TRUE(state.ChevronLook().pushed);
  state.Closed();
  EXPECT_FALSE(state.ChevronOpen());
  state.HotFromPointer(-1);
  EXPECT_TRUE(state.PointerOver(kChevron, false));
  EXPECT_TRUE(state.ChevronLook().mouseOver);
  EXPECT_FALSE(state.ChevronLook().pushed);
  EXPECT_FALSE(state.PointerOver(kChevron, false));  // no change
}

TEST(BarItemState, AltAloneTogglesOnlyWithNothingBetween) {
  struct Case {
    const char* name;
    std::function<void(BarItemState&)> before;
    bool toggles;
  };
  // clang-format off
  const Case cases[] = {
      {"Alt alone", [](BarItemState& s) { s.AltDown(false); }, true},
      {"Alt held repeating", [](BarItemState& s) { s.AltDown(false); s.AltDown(true); }, false},
      {"Alt with a letter or a click", [](BarItemState& s) { s.AltDown(false); s.OtherInput(); }, false},
      {"no Alt down", [](BarItemState&) {}, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    BarItemState state;
    c.before(state);
    EXPECT_EQ(state.AltUp(), c.toggles) << c.name;
    EXPECT_FALSE(state.AltUp()) << c.name;  // a release is used once
  }
}

TEST(BarItemState, WalksOverItemsAndMenus) {
  const std::vector<bool> items = {false, true, true, false, true};
  struct Case {
    int from, step;
    bool chevron;
    int item, menu;  // NextItem, NextMenu over the same flags
  };
  // clang-format off
  const Case cases[] = {
      {-1, 1, false, 1, 1},
      {1, 1, false, 2, 2},
      {2, 1, false, 4, 4},
      {4, 1, false, -1, 1},        // items stop at the end, menus go round
      {4, 1, true, -1, kChevron},  // the chevron comes after the last menu
      {kChevron, 1, true, 1, 1},
      {5, -1, false, 4, 4},
      {1, -1, false, -1, 4},
      {1, -1, true, -1, kChevron},
  };
  // clang-format on
  for (const Case& c : cases) {
    if (c.from != kChevron) {
      EXPECT_EQ(BarItemState::NextItem(items, c.from, c.step), c.item) << c.from;
    }
    EXPECT_EQ(BarItemState::NextMenu(items, c.chevron, c.from, c.step), c.menu) << c.from;
  }
  EXPECT_EQ(BarItemState::NextMenu({false, false}, false, -1, 1), -1);
  EXPECT_EQ(BarItemState::NextMenu({false, false}, true, -1, 1), kChevron);
  EXPECT_EQ(BarItemState::NextItem({}, -1, 1), -1);
}

}  // namespace
}  // namespace tessary::widgets
