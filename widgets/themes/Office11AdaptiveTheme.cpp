// "Office11Adaptive": bars shaded top to bottom in tints of the system highlight colour with
// rounded ends and a shadow line, on a dock shaded left to right; orange gradients for
// hovered, pushed and checked items; a gradient image column in menus. The blues are mixed
// from the system colours, so the theme adapts to the desktop's scheme.
#include "widgets/themes/BuiltInThemes.h"
#include "widgets/themes/ThemeColours.h"

namespace tessary::widgets {
namespace {

void SetupOffice11(ThemePalette& p, const ColourEnvironment&) {
  const auto tint = [](int percent) { return Mix(clHighlight, clWindow, percent); };
  p.dock = tint(42);
  p.dockEnd = tint(20);
  p.boundLines = tint(60);
  p.barFace = tint(8);
  p.barFaceEnd = tint(46);
  p.barEdge = tint(68);
  p.grip = Mix(clHighlight, clBlack, 55);
  const Colour navy = Mix(clHighlight, clBlack, 45);
  p.hot.frame = p.pushed.frame = p.checked.frame = p.checkedHot.frame = navy;
  p.menuBarHot = p.selection = p.hot;
  p.menuCheck.frame = navy;
  p.popupFrame = Mix(clHighlight, clBlack, 60);
  p.menuBarPushed = {tint(8), tint(36), p.popupFrame};
  p.menu = Mix(clWindow, clBtnFace, 80);
  p.menuImageColumn = tint(6);
  p.menuImageColumnEnd = tint(44);
  p.separator = tint(55);
  p.chevron = {tint(40), Mix(clHighlight, clBlack, 80), clNone};
  p.caption = p.inactiveCaption = Mix(clHighlight, clBlack, 85);
  p.floatingFrame = p.popupFrame;
}

}  // namespace

constinit const ThemeDefinition kOffice11AdaptiveDefinition{
    .name = "Office11Adaptive",
    .palette =
        {
            .text = clBtnText,
            .hotText = clBtnText,
            .disabledText = Rgb(141, 141, 141),
            .hot = {Rgb(255, 245, 206), Rgb(255, 208, 145)},
            .pushed = {Rgb(254, 145, 78), Rgb(255, 211, 142)},
            .checked = {Rgb(255, 213, 140), Rgb(255, 173, 85)},
            .checkedHot = {Rgb(254, 145, 78), Rgb(255, 211, 142)},
            .glyph = clBtnText,
            .menuText = clMenuText,
            .selectionText = clMenuText,
            .menuCheck = {Rgb(255, 192, 111)},
            .separatorLight = clWindow,
            .chevronGlyph = clWhite,
            .captionText = clWhite,
            .inactiveCaptionText = clWhite,
        },
    .metrics =
        {
            .dragHandle = 8,
            .barBorder = 2,
            .itemPaddingX = 4,
            .itemPaddingY = 3,
            .splitArrow = 12,
            .dropDownArrow = 10,
            .menuLinePadding = 7,
            .menuSeparator = 5,
            .menuImageMargin = 8,
            .popupBorder = 2,
            .floatingBorder = 3,
            .floatingCaptionMin = 17,
            .chevron = 14,
            .barRadius = 4,
            .barInset = 1,
            .selectionInset = 1,
        },
    .itemFrames = ItemFrameStyle::Faces,
    .barFill = BarFillStyle::VerticalGradient,
    .barEdge = BarEdgeStyle::Shadow,
    .grip = GripStyle::Dots,
    .popupFrame = PopupFrameStyle::Flat,
    .disabledImages = DisabledImageStyle::Faded,
    .floatingFrame = FloatingFrameStyle::Flat,
    .menuBarOpenTab = true,
    .menuSeparatorIndent = true,
    .captionRule = FlatCaptionRule,
    .setupColours = SetupOffice11,
};

}  // namespace tessary::widgets
