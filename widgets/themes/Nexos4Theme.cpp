// "Nexos4": light, crisp and all in greys. Bars and menus in the light grey 0xF4F4F4 with
// thin outlines; hovered buttons a shade darker and framed; the open menu title and the
// highlighted menu line in charcoal with white text; check marks and radio dots in the
// skin text colour, darkened where it would not show on the light menu.
#include "widgets/themes/BuiltInThemes.h"
#include "widgets/themes/ThemeColours.h"

namespace tessary::widgets {
namespace {

constexpr Colour kLight = 0x00F4F4F4;
// How far the marks' lightness must stay from the light background's.
constexpr int kMarkContrast = 180;
constexpr int kDisabledMarkPercent = 45;
constexpr Colour kFrame = Rgb(168, 168, 168);
constexpr Colour kDeepFrame = Rgb(120, 120, 120);
constexpr Colour kCharcoal = Rgb(52, 52, 56);

void SetupNexos(ThemePalette& p, const ColourEnvironment& environment) {
  const Colour s =
      environment.skinText == clNone || environment.skinText == clDefault ? clBtnText : environment.skinText;
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
            .hot = {Rgb(230, 230, 230), clNone, kFrame},
            .pushed = {Rgb(196, 196, 196), clNone, kDeepFrame},
            .checked = {Rgb(222, 222, 222), clNone, kDeepFrame},
            .checkedHot = {Rgb(208, 208, 208), clNone, kDeepFrame},
            .glyph = Rgb(64, 64, 64),
            .menuBarHot = {Rgb(230, 230, 230), clNone, kFrame},
            .menuBarPushed = {kCharcoal},
            .menuBarHotText = clBtnText,
            .menuBarPushedText = clWhite,
            .menu = kLight,
            .menuImageColumn = Rgb(234, 234, 234),
            .menuText = clMenuText,
            .selection = {kCharcoal},
            .selectionText = clWhite,
            .separator = Rgb(214, 214, 214),
            .separatorLight = clNone,
            .popupFrame = Rgb(132, 132, 132),
            .floatingFrame = Rgb(30, 30, 32),
            .caption = kCharcoal,
            .captionText = clWhite,
            .inactiveCaption = Rgb(150, 150, 150),
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
