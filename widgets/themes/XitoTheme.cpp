// "Xito": crisp modern flat. White bars over a pale grey dock, divided by a hairline at the
// bottom; pale blue hover faces, an azure accent under checked buttons and beside the
// highlighted menu line, roomy white menus. Every caption is drawn in the skin text colour,
// so every face behind a caption stays light; what tells a hovered, pressed or checked
// button from the white bar is its one-pixel blue frame, dark enough to stand out at a
// glance (3 : 1 against white and more).
#include "widgets/themes/BuiltInThemes.h"

namespace tessary::widgets {

namespace {
constexpr Colour kAccent = Rgb(0, 120, 212);
constexpr Colour kHotFrame = Rgb(74, 144, 217);
constexpr FaceColours kHot{Rgb(229, 241, 251), clNone, kHotFrame};
constexpr FaceColours kPushed{Rgb(194, 222, 245), clNone, Rgb(0, 90, 158)};
constexpr FaceColours kChecked{Rgb(214, 232, 248), clNone, kAccent};
constexpr FaceColours kCheckedHot{Rgb(184, 216, 243), clNone, kAccent};
}  // namespace

constinit const ThemeDefinition kXitoDefinition{
    .name = "Xito",
    .palette =
        {
            .dock = Rgb(238, 240, 243),
            .boundLines = Rgb(214, 218, 224),
            .barFace = clWhite,
            .barEdge = Rgb(218, 222, 228),
            .grip = Rgb(196, 200, 208),
            .text = Rgb(32, 32, 32),
            .disabledText = Rgb(160, 164, 170),
            .hot = kHot,
            .pushed = kPushed,
            .checked = kChecked,
            .checkedHot = kCheckedHot,
            .accent = kAccent,
            .glyph = Rgb(80, 84, 90),
            .menuBarHot = kHot,
            .menuBarPushed = kPushed,
            .menu = clWhite,
            .menuText = Rgb(32, 32, 32),
            .selection = {Rgb(214, 232, 248)},
            .selectionText = Rgb(32, 32, 32),
            .mark = kAccent,
            .separator = Rgb(228, 230, 234),
            .separatorLight = clNone,
            .popupFrame = Rgb(200, 204, 210),
            .floatingFrame = Rgb(0, 96, 176),
            .caption = kAccent,
            .captionText = clWhite,
            .inactiveCaption = Rgb(150, 180, 210),
            .inactiveCaptionText = clWhite,
        },
    .metrics =
        {
            .dragHandle = 10,
            .barBorder = 2,
            .itemPaddingX = 6,
            .itemPaddingY = 5,
            .splitArrow = 14,
            .dropDownArrow = 12,
            .menuLinePadding = 10,
            .menuSeparator = 9,
            .menuImageMargin = 12,
            .popupBorder = 4,
            .floatingBorder = 2,
            .floatingCaptionMin = 20,
            .chevron = 16,
            .itemRadius = 3,
            .selectionInset = 4,
        },
    .itemFrames = ItemFrameStyle::Faces,
    .barEdge = BarEdgeStyle::BottomLine,
    .grip = GripStyle::Bar,
    .popupFrame = PopupFrameStyle::Flat,
    .disabledImages = DisabledImageStyle::Faded,
    .floatingFrame = FloatingFrameStyle::Flat,
    .menuSeparatorIndent = true,
    .captionRule = SkinTextCaptionRule,
};

}  // namespace tessary::widgets
