// The Default caption rule as a pure function, and the painter drawing what it decides.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <set>

#include "widgets/CaptionText.h"
#include "widgets/PaintPrimitives.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/themes/CaptionRule.h"
#include "widgets/themes/DefaultTheme.h"
#include "widgets/themes/ThemePainter.h"

namespace tessary::widgets {
namespace {

constexpr Colour kS = 0x000000FF;  // a skin text colour no theme uses itself (red)
constexpr Colour kT = 0x00123456;  // a stand-in for the theme's own colour

ItemState BarButton() { return ItemState{}; }

ItemState MenuLine() {
  ItemState s;
  s.viewKind = vkPopupMenu;
  s.options = 0;
  return s;
}

ItemState MenuBarItem() {
  ItemState s;
  s.viewKind = vkMenuBar;
  return s;
}

CaptionDraws Rule(const ItemState& state, bool flatMenus = false, bool visualStyles = false) {
  return DefaultCaptionRule(state, CaptionContext{kS, kT, flatMenus, visualStyles});
}

void ExpectSingle(const CaptionDraws& draws, Colour colour, QPoint offset = {}) {
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].colour, colour);
  EXPECT_EQ(draws[0].offset, offset);
}

void ExpectEmbossed(const CaptionDraws& draws) {
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0], (CaptionDraw{clBtnHighlight, QPoint(1, 1)}));
  EXPECT_EQ(draws[1], (CaptionDraw{clBtnShadow, QPoint(0, 0)}));
}

TEST(DefaultCaptionRule, EnabledCaptionsUseSExceptAHighlightedMenuLine) {
  ExpectSingle(Rule(BarButton()), kS);
  ItemState hot = BarButton();
  hot.hoverKind = hkHot;
  ExpectSingle(Rule(hot), kS);  // a hovered bar button is still S
  ItemState menuBarHot = MenuBarItem();
  menuBarHot.hoverKind = hkHot;
  ExpectSingle(Rule(menuBarHot), kS);
  ExpectSingle(Rule(MenuLine()), kS);
  ItemState line = MenuLine();
  line.hoverKind = hkHot;
  ExpectSingle(Rule(line), kT);
  // A toolbar-style item inside a popup (a toolbox) follows the popup part of the rule.
  ItemState toolbox = BarButton();
  toolbox.viewKind = vkToolbox;
  toolbox.hoverKind = hkHot;
  ExpectSingle(Rule(toolbox), kT);
}

TEST(DefaultCaptionRule, PushedOrCheckedBarButtonsShiftByOnePixel) {
  for (bool checked : {false, true}) {
    ItemState s = BarButton();
    s.pushed = !checked;
    s.checked = checked;
    ExpectSingle(Rule(s), kS, QPoint(1, 1));
  }
  ItemState menuBar = MenuBarItem();
  menuBar.pushed = true;
  ExpectSingle(Rule(menuBar), kS, QPoint(1, 1));
  ExpectSingle(Rule(menuBar, /*flatMenus=*/true), kS);  // flat menu bars do not press in
  ItemState floatingMenuBar = menuBar;
  floatingMenuBar.viewKind = vkMenuBar | vkFloating;
  ExpectSingle(Rule(floatingMenuBar, true), kS);
  ItemState line = MenuLine();
  line.checked = true;  // menu lines never shift
  ExpectSingle(Rule(line), kS);
}

TEST(DefaultCaptionRule, DisabledCaptionsAreEmbossedWithoutVisualStylesWhateverS) {
  ItemState bar = BarButton();
  bar.enabled = false;
  ExpectEmbossed(Rule(bar));
  ExpectEmbossed(DefaultCaptionRule(bar, CaptionContext{clWhite, kT, false, false}));
  ItemState pushed = bar;
  pushed.pushed = true;  // no shift for a disabled button
  ExpectEmbossed(Rule(pushed));
  ExpectSingle(Rule(bar, false, /*visualStyles=*/true), kS);

  // Keyboard highlight on a bar button is not the menu-line case: still embossed.
  ItemState barKeyboard = bar;
  barKeyboard.hoverKind = hkKeyboard;
  ExpectEmbossed(Rule(barKeyboard));
}

TEST(DefaultCaptionRule, DisabledMenuLinesDependOnHowTheyAreHighlighted) {
  ItemState line = MenuLine();
  line.enabled = false;
  ExpectEmbossed(Rule(line));
  line.hoverKind = hkKeyboard;  // reached by keyboard: the theme's colour, flat
  ExpectSingle(Rule(line), kT);
  line.hoverKind = hkNone;  // mouse over a disabled line
  ExpectEmbossed(Rule(line));
  ExpectSingle(Rule(line, false, true), kS);
}

// Colours present in a rendered image.
std::set<QRgb> Colours(const QImage& image) {
  std::set<QRgb> set;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) set.insert(image.pixel(x, y) | 0xFF000000u);
  }
  return set;
}

QImage RenderCaption(const ItemState& state, Colour skinText) {
  const Colour saved = SkinTextColour();
  SetSkinTextColour(skinText);
  ThemePainter theme(DefaultThemeDefinition(), "Default");
  QImage image(80, 24, QImage::Format_RGB32);
  image.fill(ToQColor(clBtnFace));
  QPainter p(&image);
  QFont font("DejaVu Sans");
  font.setPixelSize(14);
  font.setStyleStrategy(QFont::NoAntialias);  // only the pass colours can appear
  p.setFont(font);
  theme.PaintItemCaption(p, image.rect(), state, "&Mx", cfShowPrefix | cfVCenter, false);
  p.end();
  SetSkinTextColour(saved);
  return image;
}

TEST(DefaultThemePainter, DrawsCaptionsInSkinTextOrEmbossed) {
  const QRgb red = ToQColor(kS).rgb();
  EXPECT_TRUE(Colours(RenderCaption(BarButton(), kS)).count(red));

  ItemState disabled = BarButton();
  disabled.enabled = false;
  const std::set<QRgb> embossed = Colours(RenderCaption(disabled, kS));
  EXPECT_FALSE(embossed.count(red));
  EXPECT_TRUE(embossed.count(ToQColor(clBtnShadow).rgb()));
  EXPECT_TRUE(embossed.count(ToQColor(clBtnHighlight).rgb()));

  ItemState hotLine = MenuLine();
  hotLine.hoverKind = hkHot;
  const std::set<QRgb> hot = Colours(RenderCaption(hotLine, kS));
  EXPECT_FALSE(hot.count(red));
  EXPECT_TRUE(hot.count(ToQColor(clHighlightText).rgb()));
}

TEST(DefaultThemePainter, NoColourSkinTextFallsBackToTheThemeColour) {
  const Colour saved = SkinTextColour();
  SetSkinTextColour(clNone);
  ThemePainter theme(DefaultThemeDefinition(), "Default");
  const CaptionDraws draws = theme.CaptionPasses(BarButton());
  SetSkinTextColour(saved);
  ExpectSingle(draws, clBtnText);
}

TEST(DefaultThemePainter, ShowPrefixUnderlinesTheAcceleratorLetter) {
  // The underline adds ink below the baseline that the plain caption does not have.
  ThemePainter theme(DefaultThemeDefinition(), "Default");
  auto inkRows = [&](int flags) {
    QImage image(60, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    p.setFont(font);
    theme.PaintItemCaption(p, image.rect(), BarButton(), "&Mm", flags, false);
    p.end();
    int lowest = -1;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 128) lowest = y;
      }
    }
    return lowest;
  };
  EXPECT_GT(inkRows(cfShowPrefix), inkRows(cfHidePrefix));
}

TEST(CaptionPrefix, MarkersResolveAsTheFlagsAsk) {
  auto split = [](const char* text, int flags) { return SplitPrefix(text, flags); };
  EXPECT_EQ(split("&File", cfShowPrefix).plain, "File");
  EXPECT_EQ(split("&File", cfShowPrefix).underline, 0);
  EXPECT_EQ(split("Save &As", cfShowPrefix).underline, 5);
  EXPECT_EQ(split("A&&B", cfShowPrefix).plain, "A&B");
  EXPECT_EQ(split("A&&B", cfShowPrefix).underline, -1);
  EXPECT_EQ(split("&&&x", cfShowPrefix).plain, "&x");
  EXPECT_EQ(split("&&&x", cfShowPrefix).underline, 1);
  EXPECT_EQ(split("&a&b", cfShowPrefix).underline, 0);   // only the first marker
  EXPECT_EQ(split("End&", cfShowPrefix).plain, "End&");  // a trailing marker stays
  EXPECT_EQ(split("&File", cfHidePrefix).plain, "File");
  EXPECT_EQ(split("&File", cfHidePrefix).underline, -1);
  EXPECT_EQ(split("R&D", cfLeft).plain, "R&D");  // no prefix handling asked
}

}  // namespace
}  // namespace tessary::widgets
