// "Tristan2": glossy blue. Bars, buttons and the selected menu line are lit like glass (a
// light upper half over a deeper lower one) with rounded corners, on a mid-blue dock; a
// blue image column in menus and a deep blue gradient caption on floating bars.
#include "widgets/themes/BuiltInThemes.h"

namespace tessary::widgets {

namespace {
constexpr Colour kFrame = Rgb(58, 110, 192);
constexpr Colour kDeepFrame = Rgb(36, 80, 156);
constexpr Colour kNavy = Rgb(10, 36, 80);
constexpr FaceColours kHot{Rgb(255, 255, 255), Rgb(150, 198, 250), kFrame};
constexpr FaceColours kPushed{Rgb(180, 212, 250), Rgb(86, 148, 226), kDeepFrame};
}  // namespace

constinit const ThemeDefinition kTristan2Definition{
    .name = "Tristan2",
    .palette =
        {
            .dock = Rgb(150, 182, 226),
            .boundLines = Rgb(120, 150, 196),
            .barFace = Rgb(244, 249, 255),
            .barFaceEnd = Rgb(190, 214, 244),
            .barEdge = Rgb(118, 152, 204),
            .grip = Rgb(90, 126, 184),
            .text = clBtnText,
            .hotText = kNavy,
            .pushedText = kNavy,
            .disabledText = Rgb(146, 156, 176),
            .hot = kHot,
            .pushed = kPushed,
            .checked = {Rgb(246, 250, 255), Rgb(196, 222, 252), kFrame},
            .checkedHot = {Rgb(255, 255, 255), Rgb(120, 180, 245), kDeepFrame},
            .glyph = Rgb(30, 52, 96),
            .menuBarHot = kHot,
            .menuBarPushed = kPushed,
            .menu = Rgb(250, 252, 255),
            .menuImageColumn = Rgb(228, 238, 252),
            .menuImageColumnEnd = Rgb(176, 204, 242),
            .menuText = clMenuText,
            .selection = kHot,
            .selectionText = kNavy,
            .menuCheck = {Rgb(222, 237, 255), clNone, kFrame},
            .mark = kNavy,
            .separator = Rgb(178, 198, 229),
            .separatorLight = clWhite,
            .popupFrame = Rgb(86, 122, 180),
            .chevron = {Rgb(140, 184, 240), Rgb(40, 96, 190), kDeepFrame},
            .chevronGlyph = clWhite,
            .floatingFrame = Rgb(30, 66, 132),
            .caption = Rgb(78, 138, 220),
            .captionEnd = Rgb(30, 80, 168),
            .captionText = clWhite,
            .inactiveCaption = Rgb(150, 176, 214),
            .inactiveCaptionEnd = Rgb(110, 140, 190),
            .inactiveCaptionText = clWhite,
        },
    .metrics =
        {
            .dragHandle = 8,
            .barBorder = 3,
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
            .itemRadius = 3,
            .barRadius = 3,
            .selectionInset = 2,
        },
    .itemFrames = ItemFrameStyle::Faces,
    .faceFill = FaceFillStyle::Glossy,
    .barFill = BarFillStyle::Glossy,
    .barEdge = BarEdgeStyle::Outline,
    .grip = GripStyle::Dots,
    .popupFrame = PopupFrameStyle::Flat,
    .disabledImages = DisabledImageStyle::Faded,
    .floatingFrame = FloatingFrameStyle::Flat,
    .menuSeparatorIndent = true,
    .captionRule = FlatCaptionRule,
};

}  // namespace tessary::widgets
