// "MonaiXP": soft silver. Bars shaded from white to pale silver with a thin grey outline
// and ridged grips; buttons light up in a brighter silver with a rounded frame; the
// highlighted menu line and menu-bar item are slate blue with white text.
#include "widgets/themes/BuiltInThemes.h"

namespace tessary::widgets {

namespace {
constexpr Colour kFrame = Rgb(138, 146, 160);
constexpr Colour kDeepFrame = Rgb(104, 112, 128);
constexpr FaceColours kSlate{Rgb(108, 128, 164), Rgb(70, 90, 128), Rgb(56, 72, 106)};
}  // namespace

constinit const ThemeDefinition kMonaiXPDefinition{
    .name = "MonaiXP",
    .palette =
        {
            .dock = Rgb(212, 214, 220),
            .boundLines = Rgb(160, 164, 172),
            .barFace = Rgb(253, 253, 254),
            .barFaceEnd = Rgb(221, 223, 228),
            .barEdge = Rgb(166, 170, 178),
            .grip = Rgb(146, 150, 158),
            .text = clBtnText,
            .hot = {Rgb(255, 255, 255), Rgb(226, 230, 237), kFrame},
            .pushed = {Rgb(200, 205, 214), Rgb(228, 231, 236), kDeepFrame},
            .checked = {Rgb(218, 224, 234), Rgb(240, 243, 248), kDeepFrame},
            .checkedHot = {Rgb(250, 250, 252), Rgb(208, 214, 226), kDeepFrame},
            .glyph = Rgb(58, 64, 74),
            .menuBarHot = kSlate,
            .menuBarPushed = kSlate,
            .menuBarHotText = clHighlightText,
            .menu = Rgb(252, 252, 252),
            .menuImageColumn = Rgb(242, 243, 246),
            .menuImageColumnEnd = Rgb(220, 223, 229),
            .menuText = clMenuText,
            .selection = kSlate,
            .selectionDisabled = {clNone, clNone, Rgb(176, 182, 192)},
            .selectionText = clHighlightText,
            .menuCheck = {Rgb(236, 238, 243), clNone, kFrame},
            .mark = Rgb(40, 46, 58),
            .separator = Rgb(202, 205, 212),
            .separatorLight = clWhite,
            .popupFrame = Rgb(140, 146, 156),
            .floatingFrame = Rgb(96, 104, 118),
            .caption = Rgb(150, 158, 174),
            .captionEnd = Rgb(108, 118, 136),
            .captionText = clWhite,
            .inactiveCaption = Rgb(190, 194, 202),
            .inactiveCaptionEnd = Rgb(164, 170, 180),
            .inactiveCaptionText = clWhite,
        },
    .metrics =
        {
            .dragHandle = 9,
            .barBorder = 2,
            .itemPaddingX = 4,
            .itemPaddingY = 3,
            .splitArrow = 12,
            .dropDownArrow = 10,
            .menuLinePadding = 8,
            .menuSeparator = 7,
            .menuImageMargin = 10,
            .popupBorder = 3,
            .floatingBorder = 4,
            .floatingCaptionMin = 17,
            .chevron = 13,
            .itemRadius = 3,
            .barRadius = 2,
            .selectionInset = 2,
        },
    .itemFrames = ItemFrameStyle::Faces,
    .barFill = BarFillStyle::VerticalGradient,
    .barEdge = BarEdgeStyle::Outline,
    .grip = GripStyle::Ridges,
    .popupFrame = PopupFrameStyle::Flat,
    .disabledImages = DisabledImageStyle::Faded,
    .floatingFrame = FloatingFrameStyle::Flat,
    .pressedShift = true,
    .captionRule = MonaiCaptionRule,
    .setupColours = SetupShadowOnFaceText,
};

}  // namespace tessary::widgets
