#pragma once
// The seven themes registered after "Default": each a definition (palette, metrics, style
// switches, caption rule, colour set-up) over the one shared painter.
#include <QString>
#include <utility>

#include "widgets/themes/ThemePainter.h"

namespace tessary::widgets {

// The definitions, one file each.
extern const ThemeDefinition kOfficeXPDefinition;
extern const ThemeDefinition kTristan2Definition;
extern const ThemeDefinition kMonaiXPDefinition;
extern const ThemeDefinition kOffice11AdaptiveDefinition;
extern const ThemeDefinition kRomaDefinition;
extern const ThemeDefinition kNexos4Definition;
extern const ThemeDefinition kXitoDefinition;

// Colour set-up MonaiXP and Roma share: their disabled-text colour from the current button
// shadow and face colours and the display depth.
void SetupShadowOnFaceText(ThemePalette& palette, const ColourEnvironment& environment);

// A built-in theme class: the shared painter over one fixed definition.
template <const ThemeDefinition& kDefinition>
class TTBXBuiltInTheme final : public ThemePainter {
 public:
  explicit TTBXBuiltInTheme(QString name) : ThemePainter(kDefinition, std::move(name)) {}
};

using TTBXOfficeXPTheme = TTBXBuiltInTheme<kOfficeXPDefinition>;
using TTBXTristan2Theme = TTBXBuiltInTheme<kTristan2Definition>;
using TTBXMonaiXPTheme = TTBXBuiltInTheme<kMonaiXPDefinition>;
using TTBXOffice11AdaptiveTheme = TTBXBuiltInTheme<kOffice11AdaptiveDefinition>;
using TTBXRomaTheme = TTBXBuiltInTheme<kRomaDefinition>;
using TTBXNexos4Theme = TTBXBuiltInTheme<kNexos4Definition>;
using TTBXXitoTheme = TTBXBuiltInTheme<kXitoDefinition>;

// Registers the seven after "Default" in the order the theme layer lists them ("OfficeXP",
// "Tristan2", "MonaiXP", "Office11Adaptive", "Roma", "Nexos4", "Xito"); names already
// registered are left alone.
void RegisterBuiltInThemes();

}  // namespace tessary::widgets
