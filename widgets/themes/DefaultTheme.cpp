#include "widgets/themes/DefaultTheme.h"

#include "widgets/themes/ThemePainter.h"

namespace tessary::widgets {
namespace {

constexpr ThemeDefinition kDefault{
    .name = kDefaultThemeName,
    .palette =
        {
            .dock = clBtnFace,
            .barFace = clBtnFace,
            .barFaceEnd = clBtnFace,
            .highlight = clBtnHighlight,
            .light = cl3DLight,
            .shadow = clBtnShadow,
            .darkShadow = cl3DDkShadow,
            .boundLines = clBtnShadow,
            .text = clBtnText,
            .disabledText = clGrayText,
            .hotFace = clBtnFace,
            .pushedFace = clBtnFace,
            .checkedFace = clBtnHighlight,
            .itemFrame = clBtnShadow,
            .menu = clBtnFace,
            .menuImageColumn = clBtnFace,
            .menuText = clMenuText,
            .selection = clHighlight,
            .selectionText = clHighlightText,
            .separator = clBtnShadow,
            .separatorLight = clBtnHighlight,
            .popupFrame = clBtnShadow,
            .caption = clActiveCaption,
            .captionEnd = clGradientActiveCaption,
            .captionText = clCaptionText,
            .inactiveCaption = clInactiveCaption,
            .inactiveCaptionEnd = clGradientInactiveCaption,
            .inactiveCaptionText = clInactiveCaptionText,
            .glyph = clBtnText,
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
    .itemFrames = ItemFrameStyle::Raised3D,
    .barFill = BarFillStyle::Plain,
    .grip = GripStyle::DoubleLine,
    .popupFrame = PopupFrameStyle::Raised3D,
    .menuSelection = MenuSelectionStyle::Solid,
    .raisedBarBorder = true,
    .captionGradient = true,
    .captionRule = DefaultCaptionRule,
};

}  // namespace

const ThemeDefinition& DefaultThemeDefinition() { return kDefault; }

std::unique_ptr<Theme> CreateDefaultTheme(const QString& name) {
  return std::make_unique<ThemePainter>(kDefault, name);
}

}  // namespace tessary::widgets
