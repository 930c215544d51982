#include "widgets/themes/DefaultTheme.h"

#include "widgets/themes/ThemePainter.h"

namespace tessary::widgets {
namespace {

// The classic look: every colour a system colour, raised edges, a dithered checked face.
constexpr ThemeDefinition kDefault{
    .name = kDefaultThemeName,
    .palette =
        {
            .dock = clBtnFace,
            .boundLines = clBtnShadow,
            .barFace = clBtnFace,
            .text = clBtnText,
            .disabledText = clGrayText,
            .dither = clBtnHighlight,
            .glyph = clBtnText,
            .menu = clBtnFace,
            .menuText = clMenuText,
            .selection = {clHighlight},
            .selectionText = clHighlightText,
            .separator = clBtnShadow,
            .separatorLight = clBtnHighlight,
            .caption = clActiveCaption,
            .captionEnd = clGradientActiveCaption,
            .captionText = clCaptionText,
            .inactiveCaption = clInactiveCaption,
            .inactiveCaptionEnd = clGradientInactiveCaption,
            .inactiveCaptionText = clInactiveCaptionText,
        },
    .metrics =
        {
            .dragHandle = 9,
            .barBorder = 2,
            .itemPaddingX = 3,
            .itemPaddingY = 3,
            .splitArrow = 11,
            .dropDownArrow = 9,
            .menuLinePadding = 6,
            .menuSeparator = 9,
            .menuImageMargin = 8,
            .popupBorder = 3,
            .floatingBorder = 3,
            .floatingCaptionMin = 15,
            .chevron = 13,
        },
    .captionRule = DefaultCaptionRule,
};

}  // namespace

const ThemeDefinition& DefaultThemeDefinition() { return kDefault; }

std::unique_ptr<Theme> CreateDefaultTheme(const QString& name) {
  return std::make_unique<ThemePainter>(kDefault, name);
}

}  // namespace tessary::widgets
