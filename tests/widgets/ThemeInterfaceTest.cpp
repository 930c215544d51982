// What the item painter tells the theme beyond the item's own state: the popup-parent flag
// of an item whose list is open, the application-active option and the item's font colour.
#include <gtest/gtest.h>

#include "widgets/ItemPainter.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/items/TTBXItem.h"
#include "widgets/items/TTBXSubmenuItem.h"

namespace tessary::widgets {
namespace {

TEST(ThemeItemState, AnOpenListMakesItsItemThePopupParentAndOnlyADropDownLooksPushed) {
  TTBXSubmenuItem item;
  item.Add(std::make_unique<TTBXItem>());
  ItemView view;
  ItemLook open;
  open.highlighted = true;
  open.arrowPushed = true;

  item.SetSplit(true);
  ItemState state = ItemPainter::StateOf(item, view, open);
  EXPECT_EQ(state.splitPart, spSplitCaption);
  EXPECT_TRUE(state.popupParent);
  EXPECT_FALSE(state.pushed);  // only its arrow part is pressed

  item.SetSplit(false);
  state = ItemPainter::StateOf(item, view, open);
  EXPECT_EQ(state.splitPart, spDropDown);
  EXPECT_TRUE(state.popupParent);
  EXPECT_TRUE(state.pushed);

  open.arrowPushed = false;
  EXPECT_FALSE(ItemPainter::StateOf(item, view, open).popupParent);
  view.viewKind = vkPopupMenu;  // a menu line is never a bar's popup parent
  open.arrowPushed = true;
  EXPECT_FALSE(ItemPainter::StateOf(item, view, open).popupParent);
}

TEST(ThemeItemState, TheApplicationActiveOptionAndTheFontColourReachTheTheme) {
  TTBXItem item;
  ItemView view;
  EXPECT_EQ(ItemPainter::StateOf(item, view, {}).options, ioToolbarStyle | ioAppActive);
  EXPECT_EQ(ItemPainter::StateOf(item, view, {}).fontColour, clNone);
  NotifyAppActive(false);
  EXPECT_EQ(ItemPainter::StateOf(item, view, {}).options, ioToolbarStyle);
  NotifyAppActive(true);
  view.viewKind = vkPopupMenu;
  EXPECT_EQ(ItemPainter::StateOf(item, view, {}).options, ioAppActive);
  item.SetFontColour(clRed);
  EXPECT_EQ(ItemPainter::StateOf(item, view, {}).fontColour, clRed);
}

}  // namespace
}  // namespace tessary::widgets
