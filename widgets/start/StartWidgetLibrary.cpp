#include "widgets/start/StartWidgetLibrary.h"

#include "widgets/ThemeRegistry.h"
#include "widgets/accessibility/Accessibility.h"
#include "widgets/controls/ControlsAccessible.h"
#include "widgets/themes/BuiltInThemes.h"
#include "widgets/themes/DefaultTheme.h"

namespace tessary::widgets {

void StartWidgetLibrary() {
  static bool started = false;
  if (started) return;
  started = true;
  // The factories come first, so that every bar, popup and control gets its interface.
  InstallAccessibility();
  InstallControlsAccessibility();
  // "Default" is the first theme, the one an unknown name falls back to.
  if (!HasThemeName(kDefaultThemeName)) AddThemeClass(kDefaultThemeName, CreateDefaultTheme);
  RegisterBuiltInThemes();
  StartThemeLayer();
}

}  // namespace tessary::widgets
