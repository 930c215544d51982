#include "widgets/TTBXSwitcher.h"

namespace tessary::widgets {
namespace {

// The editor draws the same classic desktop everywhere (the fixed system colour scheme):
// it offers no system visual style and its system menus are not flat.
constexpr bool kSystemVisualStyles = false;
constexpr bool kSystemFlatMenus = false;

}  // namespace

TTBXSwitcher::TTBXSwitcher(QObject* parent) : QObject(parent) {}

QString TTBXSwitcher::Theme() const { return ActiveThemeName(); }

void TTBXSwitcher::SetTheme(const QString& name) { SwitchTheme(name); }

void TTBXSwitcher::SetEnableXPStyles(bool enable) {
  if (enableXPStyles_ == enable) return;
  enableXPStyles_ = enable;
  ApplyFlags();
}

void TTBXSwitcher::SetFlatMenuStyle(FlatMenuStyle style) {
  if (flatMenuStyle_ == style) return;
  flatMenuStyle_ = style;
  ApplyFlags();
}

void TTBXSwitcher::ApplyFlags() {
  const bool flat =
      flatMenuStyle_ == FlatMenuStyle::fmsEnable || (flatMenuStyle_ == FlatMenuStyle::fmsAuto && kSystemFlatMenus);
  SetThemeFlags(flat, enableXPStyles_ && kSystemVisualStyles);
}

void TTBXSwitcher::ThemeChanged(int phase) {
  if (OnThemeChange) OnThemeChange(*this);
  Q_EMIT ThemeChange(phase);
}

}  // namespace tessary::widgets
