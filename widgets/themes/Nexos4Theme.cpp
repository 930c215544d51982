// "Nexos4": light and crisp. Bars, menus and floating bars in the light grey 0xF4F4F4 with
// thin grey outlines; hovered buttons in a pale blue-grey; the open menu title and the
// highlighted menu line in dark slate with white text; check marks and radio dots in the
// skin text colour, darkened where it would not show on the light menu.
#include "widgets/themes/BuiltInThemes.h"
#include "widgets/themes/ThemeColours.h"

namespace tessary::widgets {
namespace {

constexpr Colour kLight = 0x00F4F4F4;
// How far the marks' lightness must stay from the light background's.
constexpr int kMarkContrast = 180;
constexpr int kDisabledMarkPercent = 45;
constexpr Colour kFrame = Rgb(160, 174, 194);
constexpr Colour kDeepFrame = Rgb(122, 138, 162);
constexpr Colour kSlate = Rgb(70, 80, 94);

void SetupNexos(ThemePalette& p, const ColourEnvironment& environment) {
  const Colour s = environment.skinText == clNone || environment.skinText == clDefault ? clBtnText
                                                                                       : environment.skinText;
  p.mark = ContrastAdjusted(s, kLight, kMarkContrast);
  p.markDisabled = Mix(p.mark, kLight, kDisabledMarkPercent);
}

}  // namespace

constinit const ThemeDefinition kNexos4Definition{
    .name = "Nexos4",
    .palette =
        {
            .dock = Rgb(226, 226, 226),
            .boundLines = Rgb(190, 190, 190),
            .barFace = kLight,
            .barEdge = Rgb(206, 206, 206),
            .grip = Rgb(168, 168, 168),
            .text = clBtnText,
            .disabledText = Rgb(164, 164, 164),
            .hot = {Rgb(228, 234, 242), clNone, kFrame},
            .pushed = {Rgb(204, 214, 228), clNone, kDeepFrame},
            .checked = {Rgb(234, 238, 244), clNone, kFrame},
            .checkedHot = {Rgb(214, 222, 234), clNone, kDeepFrame},
            .glyph = Rgb(64, 64, 64),
            .menuBarHot = {Rgb(228, 234, 242), clNone, kFrame},
            .menuBarPushed = {kSlate},
            .menuBarHotText = clBtnText,
            .menuBarPushedText = clWhite,
            .menu = kLight,
            .menuImageColumn = Rgb(234, 234, 234),
            .menuText = clMenuText,
            .selection = {kSlate},
            .selectionText = clWhite,
            .separator = Rgb(214, 214, 214),
            .separatorLight = clNone,
            .popupFrame = Rgb(132, 132, 132),
            .floatingFrame = Rgb(50, 58, 70),
            .caption = kSlate,
            .captionText = clWhite,
            .inactiveCaption = Rgb(150, 156, 166),
            .inactiveCaptionText = clWhite,
        },
    .metrics =
        {
            .dragHandle = 8,
            .barBorder = 2,
            .itemPaddingX = 5,
            .itemPaddingY = 4,
            .splitArrow = 12,
            .dropDownArrow = 11,
            .menuLinePadding = 8,
            .menuSeparator = 7,
            .menuImageMargin = 10,
            .popupBorder = 2,
            .floatingBorder = 2,
            .floatingCaptionMin = 18,
            .chevron = 14,
            .itemRadius = 2,
            .selectionInset = 2,
        },
    .itemFrames = ItemFrameStyle::Faces,
    .barEdge = BarEdgeStyle::Outline,
    .grip = GripStyle::DotGrid,
    .popupFrame = PopupFrameStyle::Flat,
    .disabledImages = DisabledImageStyle::Faded,
    .floatingFrame = FloatingFrameStyle::Flat,
    .captionRule = NexosCaptionRule,
    .setupColours = SetupNexos,
};

}  // namespace tessary::widgets
