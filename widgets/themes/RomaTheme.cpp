// "Roma": warm Mediterranean. Cream bars shaded towards sand on a sand dock, terracotta
// frames and dotted grips, apricot hovered buttons, and a terracotta selection with white
// text in menus whose image column is olive sand.
#include "widgets/themes/BuiltInThemes.h"

namespace tessary::widgets {

namespace {
constexpr Colour kTerracotta = Rgb(196, 106, 62);
constexpr Colour kDeepTerracotta = Rgb(150, 72, 40);
constexpr FaceColours kSelected{Rgb(190, 90, 54), Rgb(156, 64, 36), Rgb(130, 54, 28)};
}  // namespace

constinit const ThemeDefinition kRomaDefinition{
    .name = "Roma",
    .palette =
        {
            .dock = Rgb(224, 202, 164),
            .dockEnd = Rgb(238, 222, 192),
            .boundLines = Rgb(176, 140, 96),
            .barFace = Rgb(254, 249, 238),
            .barFaceEnd = Rgb(240, 224, 194),
            .barEdge = Rgb(196, 160, 114),
            .grip = Rgb(168, 104, 64),
            .highlight = Rgb(255, 252, 244),
            .text = Rgb(62, 34, 16),
            .hot = {Rgb(255, 242, 218), Rgb(252, 212, 164), kTerracotta},
            .pushed = {Rgb(242, 192, 140), Rgb(252, 222, 184), kDeepTerracotta},
            .checked = {Rgb(246, 214, 170), Rgb(253, 236, 208), kDeepTerracotta},
            .checkedHot = {Rgb(255, 236, 204), Rgb(244, 192, 134), kDeepTerracotta},
            .glyph = Rgb(108, 54, 26),
            .menuBarHot = kSelected,
            .menuBarPushed = kSelected,
            .menuBarHotText = clHighlightText,
            .menu = Rgb(255, 252, 246),
            .menuImageColumn = Rgb(243, 233, 210),
            .menuImageColumnEnd = Rgb(229, 212, 176),
            .menuText = Rgb(62, 34, 16),
            .selection = kSelected,
            .selectionDisabled = {clNone, clNone, Rgb(218, 184, 150)},
            .selectionText = clHighlightText,
            .menuCheck = {Rgb(252, 228, 194), clNone, kTerracotta},
            .mark = Rgb(122, 48, 20),
            .separator = Rgb(222, 192, 150),
            .separatorLight = Rgb(255, 251, 242),
            .popupFrame = Rgb(150, 96, 58),
            .floatingFrame = Rgb(118, 54, 28),
            .caption = Rgb(198, 98, 58),
            .captionEnd = Rgb(148, 64, 36),
            .captionText = clWhite,
            .inactiveCaption = Rgb(214, 172, 140),
            .inactiveCaptionEnd = Rgb(190, 142, 110),
            .inactiveCaptionText = clWhite,
        },
    .metrics =
        {
            .dragHandle = 9,
            .barBorder = 2,
            .itemPaddingX = 4,
            .itemPaddingY = 4,
            .splitArrow = 12,
            .dropDownArrow = 10,
            .menuLinePadding = 8,
            .menuSeparator = 7,
            .menuImageMargin = 10,
            .popupBorder = 2,
            .floatingBorder = 3,
            .floatingCaptionMin = 18,
            .chevron = 14,
            .itemRadius = 2,
            .barRadius = 3,
            .selectionInset = 2,
        },
    .itemFrames = ItemFrameStyle::Faces,
    .barFill = BarFillStyle::VerticalGradient,
    .barEdge = BarEdgeStyle::Outline,
    .grip = GripStyle::Dots,
    .popupFrame = PopupFrameStyle::Flat,
    .disabledImages = DisabledImageStyle::Faded,
    .floatingFrame = FloatingFrameStyle::Flat,
    .pressedShift = true,
    .captionRule = RomaCaptionRule,
    .setupColours = SetupShadowOnFaceText,
};

}  // namespace tessary::widgets
