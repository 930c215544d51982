#pragma once
// The process-wide theme registry, the current theme, the theme-change notice and the
// skin text colour S that every theme's caption painter reads.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "skin/Colour.h"
#include "widgets/Theme.h"

namespace tessary::widgets {

// Creates a theme instance that carries the given registered name.
using ThemeFactory = std::function<std::unique_ptr<Theme>(const QString& name)>;

// Phases of the theme-change notice, sent to every registered component in order.
enum ThemeChangePhase : int {
  tcBeforeChange = 1,    // suspend layout
  tcColoursChanged = 2,  // theme instances set up their colours again
  tcAfterChange = 3,     // resume layout, re-arrange, recompute colours, repaint
  tcAppActivated = 4,
  tcAppDeactivated = 5,
};

// A themed component (dock, bar, floating window, popup, switcher) that follows the
// current theme. Registers itself on construction and unregisters on destruction.
class ThemeNotifiable {
 public:
  ThemeNotifiable();
  virtual ~ThemeNotifiable();
  ThemeNotifiable(const ThemeNotifiable&) = delete;
  ThemeNotifiable& operator=(const ThemeNotifiable&) = delete;
  virtual void ThemeChanged(int phase) = 0;
};

// Registers a theme. Throws SkinError "Cannot register theme" (empty name or no factory)
// or "Theme %s is already registered" (name present, case-insensitive).
void AddThemeClass(const QString& name, ThemeFactory factory);
// True when a theme of that name is registered (case-insensitive).
bool HasThemeName(const QString& name);
// The instance of the named theme (the first entry for an unknown name), created on first
// use; increases its use count.
Theme* UseTheme(const QString& name);
// Decreases the use count of the instance held in `theme` (freed and set to null at 0).
// Throws "Cannot release theme" (unknown instance) or "Cannot release theme <name>".
void UnuseTheme(Theme*& theme);
// Switches the current theme when the name is registered, with the three-phase notice;
// an unknown name changes nothing.
void SwitchTheme(const QString& name);
// The current theme's registered name.
QString ActiveThemeName();
// The largest value `measure` gives with each registered theme current in turn. The themes
// are made current quietly (no notice: nothing lays out or repaints), and the current theme
// is current again afterwards, also when `measure` throws. For room a window keeps for its
// tallest theme, so that switching themes does not move what lies below.
int LargestUnderEveryTheme(const std::function<int()>& measure);
// Names in registration order.
QStringList RegisteredThemeNames();

// Starts the theme layer once the themes are registered (the library's start does it):
// makes the first registered theme current, without a notice (nothing follows a theme
// yet), and from then on passes the application's activation and deactivation on to the
// themed components. Later calls do nothing.
void StartThemeLayer();

// The process-wide skin text colour S (initially clBtnText). Changing it sends no notice.
Colour SkinTextColour();
void SetSkinTextColour(Colour colour);

// The two flags of the theme layer: flat menus in effect and system visual styles in use
// (both off until a switcher derives them from its FlatMenuStyle and EnableXPStyles).
bool FlatMenusInEffect();
bool VisualStylesInUse();
// Stores the two flags; when either changed, sends the system notice below.
void SetThemeFlags(bool flatMenus, bool visualStyles);
// The system colours, display mode or visual style changed: the same three-phase notice
// a switch sends, with every theme instance setting up its colours again in phase 2.
void NotifySystemChange();
// The application was activated or deactivated: notice tcAppActivated / tcAppDeactivated.
void NotifyAppActive(bool active);
// Whether the application is active as last reported (true until told otherwise).
bool AppActive();

// Number of components currently registered for the theme-change notice.
std::size_t ThemeNotifiableCount();

}  // namespace tessary::widgets
