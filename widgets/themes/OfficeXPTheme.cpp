// "OfficeXP": flat bars a shade lighter than the dock, a light grey image column in menus,
// hovered items in a blue tint framed in dark blue, checked items framed, flat menus in a
// dark grey frame whose open title joins the menu. Every colour is mixed from the system
// colours, so the theme follows the desktop's scheme.
#include "widgets/themes/BuiltInThemes.h"
#include "widgets/themes/ThemeColours.h"

namespace tessary::widgets {
namespace {

void SetupOfficeXP(ThemePalette& p, const ColourEnvironment&) {
  const Colour frame = Mix(clHighlight, clBlack, 85);
  const FaceColours tint{Mix(clHighlight, clWindow, 30), clNone, frame};
  const FaceColours deep{Mix(clHighlight, clWindow, 50), clNone, frame};
  const FaceColours pale{Mix(clHighlight, clWindow, 15), clNone, frame};
  const Colour column = Mix(clBtnFace, clWindow, 75);
  p.dock = clBtnFace;
  p.boundLines = clBtnShadow;
  p.barFace = Mix(clBtnFace, clWindow, 55);
  p.grip = Mix(clBtnShadow, clBlack, 80);
  p.disabledText = Mix(clGrayText, clBlack, 85);
  p.hot = tint;
  p.pushed = deep;
  p.checked = pale;
  p.checkedHot = deep;
  p.menuBarHot = tint;
  p.popupFrame = Mix(clBtnShadow, clBlack, 60);
  p.menuBarPushed = {column, clNone, p.popupFrame};
  p.menu = Mix(clWindow, clBtnFace, 85);
  p.menuImageColumn = column;
  p.selection = tint;
  p.menuCheck = pale;
  p.separator = Mix(clBtnShadow, clWindow, 70);
  p.caption = Mix(clBtnShadow, clBlack, 75);
  p.inactiveCaption = p.caption;
  p.floatingFrame = p.popupFrame;
}

}  // namespace

constinit const ThemeDefinition kOfficeXPDefinition{
    .name = "OfficeXP",
    .palette =
        {
            .text = clBtnText,
            .hotText = clBtnText,
            .glyph = clBtnText,
            .menuText = clMenuText,
            .selectionText = clMenuText,
            .separatorLight = clNone,
            .captionText = clWhite,
            .inactiveCaptionText = clWhite,
        },
    .metrics =
        {
            .dragHandle = 8,
            .barBorder = 2,
            .itemPaddingX = 4,
            .itemPaddingY = 3,
            .splitArrow = 11,
            .dropDownArrow = 10,
            .menuLinePadding = 7,
            .menuSeparator = 5,
            .menuImageMargin = 8,
            .popupBorder = 2,
            .floatingBorder = 3,
            .floatingCaptionMin = 16,
            .chevron = 13,
            .barRadius = 2,
            .barInset = 1,
            .selectionInset = 1,
        },
    .itemFrames = ItemFrameStyle::Faces,
    .barEdge = BarEdgeStyle::None,
    .grip = GripStyle::DottedLine,
    .popupFrame = PopupFrameStyle::Flat,
    .disabledImages = DisabledImageStyle::Silhouette,
    .floatingFrame = FloatingFrameStyle::Flat,
    .menuBarOpenTab = true,
    .hotImageLift = true,
    .menuSeparatorIndent = true,
    .captionRule = FlatCaptionRule,
    .setupColours = SetupOfficeXP,
};

}  // namespace tessary::widgets
