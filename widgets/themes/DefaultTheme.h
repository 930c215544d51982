#pragma once
// "Default": the classic raised-3D look in the system colours.
#include <QString>
#include <memory>

#include "widgets/Theme.h"
#include "widgets/themes/ThemeDefinition.h"

namespace tessary::widgets {

inline constexpr const char* kDefaultThemeName = "Default";

// The definition: system palette, classic metrics, raised frames, the Default caption rule.
const ThemeDefinition& DefaultThemeDefinition();

// Registry factory: a painter over the Default definition carrying `name`.
std::unique_ptr<Theme> CreateDefaultTheme(const QString& name);

}  // namespace tessary::widgets
