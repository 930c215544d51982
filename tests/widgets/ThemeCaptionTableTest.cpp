// Every registered theme's caption rule, as its instance applies it: which colour (S, the
// theme's own T, or a fixed colour) and which offset each item state gets.
#include <gtest/gtest.h>

#include <vector>

#include "widgets/ThemeRegistry.h"
#include "widgets/themes/ThemeColours.h"
#include "widgets/themes/ThemePainter.h"

namespace tessary::widgets {
namespace {

constexpr Colour kS = 0x000000FF;  // a skin text colour no theme uses itself (red)

// Item states, named by where the item is and what happens to it.
ItemState Bar(int hover = hkNone, bool enabled = true) {
  ItemState s;
  s.hoverKind = hover;
  s.enabled = enabled;
  return s;
}
ItemState BarPushed() {
  ItemState s = Bar(hkHot);
  s.pushed = true;
  return s;
}
ItemState BarChecked() {
  ItemState s = Bar();
  s.checked = true;
  return s;
}
ItemState MenuBar(int hover = hkNone, bool pushed = false, int extraKind = 0) {
  ItemState s = Bar(hover);
  s.viewKind = vkMenuBar | extraKind;
  s.pushed = pushed;
  return s;
}
ItemState Line(int hover = hkNone, bool enabled = true) {
  ItemState s = Bar(hover, enabled);
  s.viewKind = vkPopupMenu;
  s.options = 0;
  return s;
}
ItemState SplitCaptionWithListOpen() {
  ItemState s = Bar(hkHot);
  s.splitPart = spSplitCaption;
  s.popupParent = true;
  return s;
}
ItemState WithFontColour(ItemState s) {
  s.fontColour = 0x00123456;
  return s;
}

enum class Is { S, T, Fixed, DisabledText };
struct Pass {
  Is is;
  Colour fixed = 0;
  QPoint offset{};
};
Pass S(QPoint offset = {}) { return {Is::S, 0, offset}; }
Pass T() { return {Is::T}; }
Pass Fixed(Colour colour, QPoint offset = {}) { return {Is::Fixed, colour, offset}; }
Pass Disabled(QPoint offset = {}) { return {Is::DisabledText, 0, offset}; }

struct Row {
  const char* theme;
  const char* what;
  ItemState state;
  std::vector<Pass> passes;
};

const QPoint kUpLeft(-1, -1);
const QPoint kDownRight(1, 1);

std::vector<Row> Rows() {
  std::vector<Row> rows = {
      {"Default", "bar button", Bar(), {S()}},
      {"Default", "hovered bar button", Bar(hkHot), {S()}},
      {"Default", "hovered menu line", Line(hkHot), {T()}},
      {"Default", "pushed bar button", BarPushed(), {S(kDownRight)}},
      {"Default", "disabled bar button", Bar(hkNone, false), {Fixed(clBtnHighlight, kDownRight), Fixed(clBtnShadow)}},
      {"Default", "disabled line reached by keyboard", Line(hkKeyboard, false), {T()}},

      {"Xito", "hovered bar button", Bar(hkHot), {S()}},
      {"Xito", "pushed bar button", BarPushed(), {S()}},
      {"Xito", "disabled bar button", Bar(hkNone, false), {S()}},
      {"Xito", "hovered menu line", Line(hkHot), {S()}},
      {"Xito", "disabled menu line", Line(hkNone, false), {S()}},
      {"Xito", "hovered menu-bar item", MenuBar(hkHot), {S()}},

      {"MonaiXP", "bar button", Bar(), {S(kUpLeft)}},
      {"MonaiXP", "hovered bar button", Bar(hkHot), {S(kUpLeft)}},
      {"MonaiXP", "pushed bar button", BarPushed(), {S()}},
      {"MonaiXP", "checked bar button", BarChecked(), {S()}},
      {"MonaiXP", "disabled bar button", Bar(hkNone, false), {Disabled(kUpLeft)}},
      {"MonaiXP", "menu-bar item", MenuBar(), {S(kUpLeft)}},
      {"MonaiXP", "hovered menu-bar item", MenuBar(hkHot), {Fixed(clHighlightText, kUpLeft)}},
      {"MonaiXP", "open menu-bar item", MenuBar(hkHot, true), {Fixed(clHighlightText, kUpLeft)}},
      {"MonaiXP", "menu line", Line(), {Fixed(clMenuText, kUpLeft)}},
      {"MonaiXP", "hovered menu line", Line(hkHot), {Fixed(clHighlightText, kUpLeft)}},
      {"MonaiXP", "disabled menu line", Line(hkNone, false), {Disabled(kUpLeft)}},
      {"MonaiXP", "disabled line reached by keyboard", Line(hkKeyboard, false), {Fixed(clBtnShadow, kUpLeft)}},

      {"Roma", "bar button", Bar(), {S()}},
      {"Roma", "hovered bar button", Bar(hkHot), {S()}},
      {"Roma", "pushed bar button", BarPushed(), {S(kDownRight)}},
      {"Roma", "checked bar button", BarChecked(), {S(kDownRight)}},
      {"Roma", "disabled bar button", Bar(hkNone, false), {Disabled()}},
      {"Roma", "hovered menu-bar item", MenuBar(hkHot), {Fixed(clHighlightText)}},
      {"Roma", "open menu-bar item", MenuBar(hkHot, true), {Fixed(clHighlightText)}},
      {"Roma", "menu line", Line(), {S()}},
      {"Roma", "hovered menu line", Line(hkHot), {Fixed(clHighlightText)}},
      {"Roma", "disabled line reached by keyboard", Line(hkKeyboard, false), {Fixed(clBtnShadow)}},

      {"Nexos4", "hovered menu-bar item", MenuBar(hkHot), {Fixed(clBtnText)}},
      {"Nexos4", "hovered floating menu-bar item", MenuBar(hkHot, false, vkFloating), {Fixed(clBtnText)}},
      {"Nexos4", "open menu-bar item", MenuBar(hkHot, true), {Fixed(clWhite)}},
      {"Nexos4", "menu-bar item", MenuBar(), {S()}},
      {"Nexos4", "split caption while its list is open", SplitCaptionWithListOpen(), {S()}},
      {"Nexos4", "hovered menu line", Line(hkHot), {Fixed(clWhite)}},
      {"Nexos4", "disabled line reached by keyboard", Line(hkKeyboard, false), {Fixed(clWhite)}},
      {"Nexos4", "menu line", Line(), {S()}},
      {"Nexos4", "hovered bar button", Bar(hkHot), {S()}},
      {"Nexos4", "disabled bar button", Bar(hkNone, false), {S()}},
  };
  // The three flat themes share their rule: every menu line in the theme's colours, a bar
  // button in S unless it is hovered and its state colour is set.
  for (const char* theme : {"OfficeXP", "Tristan2", "Office11Adaptive"}) {
    const std::vector<Row> flat = {
        {theme, "menu line", Line(), {T()}},
        {theme, "hovered menu line", Line(hkHot), {T()}},
        {theme, "disabled menu line", Line(hkNone, false), {T()}},
        {theme, "bar button", Bar(), {S()}},
        {theme, "checked bar button", BarChecked(), {S()}},
        {theme, "disabled bar button", Bar(hkNone, false), {S()}},
        {theme, "hovered bar button", Bar(hkHot), {T()}},
        {theme, "hovered bar button with its own font colour", WithFontColour(Bar(hkHot)), {T()}},
        {theme, "pushed bar button", BarPushed(), {T()}},
        {theme, "disabled bar button reached by keyboard", Bar(hkKeyboard, false), {T()}},
        {theme, "hovered menu-bar item", MenuBar(hkHot), {T()}},
        {theme, "menu-bar item", MenuBar(), {S()}},
    };
    rows.insert(rows.end(), flat.begin(), flat.end());
  }
  return rows;
}

TEST(ThemeCaptionRules, EveryThemeColoursAndPlacesCaptionsByItsRule) {
  const Colour savedS = SkinTextColour();
  SetSkinTextColour(kS);
  for (const Row& row : Rows()) {
    SCOPED_TRACE(std::string(row.theme) + ": " + row.what);
    Theme* theme = UseTheme(row.theme);
    ASSERT_EQ(theme->Name(), row.theme);
    const auto* painter = dynamic_cast<const ThemePainter*>(theme);
    ASSERT_NE(painter, nullptr);
    const CaptionDraws draws = painter->CaptionPasses(row.state);
    ASSERT_EQ(draws.size(), row.passes.size());
    for (std::size_t i = 0; i < draws.size(); ++i) {
      const Pass& pass = row.passes[i];
      Colour expected = pass.fixed;
      if (pass.is == Is::S) expected = kS;
      if (pass.is == Is::T) expected = painter->TextColourValue(row.state);
      if (pass.is == Is::DisabledText) expected = ShadowOnFaceText(DisplayBitsPerPixel());
      EXPECT_EQ(draws[i].colour, expected) << "pass " << i;
      EXPECT_EQ(draws[i].offset, pass.offset) << "pass " << i;
    }
    UnuseTheme(theme);
  }
  SetSkinTextColour(savedS);
}

TEST(ThemeCaptionRules, FlatRuleLeavesAHoveredButtonToSWhenItHasNoStateColour) {
  CaptionContext context;
  context.skinText = kS;
  context.themeText = clBtnText;
  context.stateColour = clNone;
  EXPECT_EQ(FlatCaptionRule(Bar(hkHot), context)[0].colour, kS);
  EXPECT_EQ(FlatCaptionRule(Line(), context)[0].colour, clBtnText);  // menus: T regardless
}

TEST(ThemeCaptionRules, DisabledTextOfMonaiAndRomaMixesShadowIntoFaceUnlessColoursAreFew) {
  // Fixed scheme: shadow 0x99A8AC (R 0xAC, G 0xA8, B 0x99), face 0xD8E9EC.
  const auto channel = [](int shadow, int face) { return (210 * shadow + 45 * face) / 256; };
  EXPECT_EQ(ShadowOnFaceText(32), Rgb(channel(0xAC, 0xEC), channel(0xA8, 0xE9), channel(0x99, 0xD8)));
  EXPECT_EQ(ShadowOnFaceText(8), clBtnShadow);
}

}  // namespace
}  // namespace tessary::widgets
