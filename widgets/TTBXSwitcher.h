#pragma once
// The switcher a window holds to choose the theme by name and to set how the theme layer
// derives its two flags; it hears every theme-change notice and passes it on.
#include <QObject>
#include <QString>
#include <functional>

#include "widgets/ThemeRegistry.h"

namespace tessary::widgets {

// Whether menus are drawn flat.
enum class FlatMenuStyle { fmsAuto, fmsEnable, fmsDisable };

class TTBXSwitcher : public QObject, public ThemeNotifiable {
  Q_OBJECT

 public:
  explicit TTBXSwitcher(QObject* parent = nullptr);

  // The current theme's registered name.
  QString Theme() const;
  // Switches the theme by name (any letter case; an unregistered name changes nothing).
  void SetTheme(const QString& name);

  // Whether system visual styles may be used (off by default).
  bool EnableXPStyles() const { return enableXPStyles_; }
  void SetEnableXPStyles(bool enable);

  // Whether menus are drawn flat; fmsAuto follows the system setting.
  FlatMenuStyle GetFlatMenuStyle() const { return flatMenuStyle_; }
  void SetFlatMenuStyle(FlatMenuStyle style);

  // Called with the switcher for every notice it receives (each phase of a switch and the
  // system and activation notices); the phase is also emitted as ThemeChange.
  std::function<void(TTBXSwitcher& sender)> OnThemeChange;

  void ThemeChanged(int phase) override;

 Q_SIGNALS:
  // Emitted for every notice the switcher receives.
  void ThemeChange(int phase);

 private:
  // Recomputes the layer's flags from the two properties and the platform.
  void ApplyFlags();

  bool enableXPStyles_ = false;
  FlatMenuStyle flatMenuStyle_ = FlatMenuStyle::fmsAuto;
};

}  // namespace tessary::widgets
