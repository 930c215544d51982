#include "widgets/themes/BuiltInThemes.h"

#include <array>
#include <memory>

#include "widgets/ThemeRegistry.h"
#include "widgets/themes/ThemeColours.h"

namespace tessary::widgets {
namespace {

template <typename ThemeClass>
std::unique_ptr<Theme> Create(const QString& name) {
  return std::make_unique<ThemeClass>(name);
}

struct BuiltIn {
  const ThemeDefinition* definition;
  std::unique_ptr<Theme> (*create)(const QString& name);
};

constexpr std::array<BuiltIn, 7> kBuiltIns{{
    {&kOfficeXPDefinition, &Create<TTBXOfficeXPTheme>},
    {&kTristan2Definition, &Create<TTBXTristan2Theme>},
    {&kMonaiXPDefinition, &Create<TTBXMonaiXPTheme>},
    {&kOffice11AdaptiveDefinition, &Create<TTBXOffice11AdaptiveTheme>},
    {&kRomaDefinition, &Create<TTBXRomaTheme>},
    {&kNexos4Definition, &Create<TTBXNexos4Theme>},
    {&kXitoDefinition, &Create<TTBXXitoTheme>},
}};

}  // namespace

void SetupShadowOnFaceText(ThemePalette& palette, const ColourEnvironment& environment) {
  palette.disabledText = ShadowOnFaceText(environment.bitsPerPixel);
}

void RegisterBuiltInThemes() {
  for (const BuiltIn& theme : kBuiltIns) {
    const QString name = QString::fromLatin1(theme.definition->name);
    if (!HasThemeName(name)) AddThemeClass(name, theme.create);
  }
}

}  // namespace tessary::widgets
