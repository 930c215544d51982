// The process-wide theme registry: entries in registration order, the current theme, the
// components that follow it, the skin text colour and the theme layer's two flags.
#include "widgets/ThemeRegistry.h"

#include <QGuiApplication>
#include <algorithm>
#include <vector>

#include "skin/Error.h"

namespace tessary::widgets {
namespace {

constexpr const char* kCannotRegisterTheme = "Cannot register theme";
constexpr const char* kThemeAlreadyRegistered = "Theme %s is already registered";
constexpr const char* kCannotReleaseTheme = "Cannot release theme";
constexpr const char* kCannotReleaseNamedTheme = "Cannot release theme %s";
// Names are short texts; a longer one cannot be stored with a skin.
constexpr qsizetype kMaxThemeNameLength = 255;

struct Entry {
  QString name;
  ThemeFactory factory;
  std::unique_ptr<Theme> instance;
  int useCount = 0;
};

struct Registry {
  std::vector<Entry> entries;  // registration order; the first is the fallback
  Theme* current = nullptr;
  std::vector<ThemeNotifiable*> notifiables;  // notice order = registration order
  bool started = false;
  Colour skinText = clBtnText;
  bool flatMenus = false;
  bool visualStyles = false;
  bool appActive = true;
};

// Never destroyed: components that unregister while the process exits still find it.
Registry& Reg() {
  static Registry* registry = new Registry;
  return *registry;
}

Entry* FindByName(const QString& name) {
  for (Entry& entry : Reg().entries) {
    if (entry.name.compare(name, Qt::CaseInsensitive) == 0) return &entry;
  }
  return nullptr;
}

Entry* FindByInstance(const Theme* theme) {
  if (theme == nullptr) return nullptr;
  for (Entry& entry : Reg().entries) {
    if (entry.instance.get() == theme) return &entry;
  }
  return nullptr;
}

// Sends one phase to every component registered now; a component that unregisters during
// the notice (a popup closing) is skipped rather than called after its destruction.
void SendPhase(int phase) {
  const std::vector<ThemeNotifiable*> snapshot = Reg().notifiables;
  for (ThemeNotifiable* component : snapshot) {
    const auto& live = Reg().notifiables;
    if (std::find(live.begin(), live.end(), component) != live.end()) {
      component->ThemeChanged(phase);
    }
  }
}

void SendThreePhaseNotice() {
  SendPhase(tcBeforeChange);
  for (Entry& entry : Reg().entries) {
    if (entry.instance) entry.instance->SetupColours();
  }
  SendPhase(tcColoursChanged);
  SendPhase(tcAfterChange);
}

}  // namespace

ThemeNotifiable::ThemeNotifiable() { Reg().notifiables.push_back(this); }

ThemeNotifiable::~ThemeNotifiable() {
  auto& list = Reg().notifiables;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void AddThemeClass(const QString& name, ThemeFactory factory) {
  if (name.isEmpty() || name.size() > kMaxThemeNameLength || !factory) {
    Fail(kCannotRegisterTheme);
  }
  if (FindByName(name) != nullptr) {
    Fail(kThemeAlreadyRegistered, {name.toStdString()});
  }
  Reg().entries.push_back(Entry{name, std::move(factory), nullptr, 0});
}

bool HasThemeName(const QString& name) { return FindByName(name) != nullptr; }

Theme* UseTheme(const QString& name) {
  Registry& reg = Reg();
  if (reg.entries.empty()) return nullptr;
  Entry* entry = FindByName(name);
  if (entry == nullptr) entry = &reg.entries.front();
  if (entry->useCount == 0 || !entry->instance) {
    entry->instance = entry->factory(entry->name);
    if (!entry->instance) Fail(kCannotRegisterTheme);
    entry->instance->SetAppActive(reg.appActive);
  }
  ++entry->useCount;
  return entry->instance.get();
}

void UnuseTheme(Theme*& theme) {
  Entry* entry = FindByInstance(theme);
  if (entry == nullptr) Fail(kCannotReleaseTheme);
  if (entry->useCount < 1) Fail(kCannotReleaseNamedTheme, {entry->name.toStdString()});
  if (--entry->useCount == 0) {
    if (Reg().current == theme) Reg().current = nullptr;
    entry->instance.reset();
    theme = nullptr;
  }
}

void SwitchTheme(const QString& name) {
  if (!HasThemeName(name)) return;
  Registry& reg = Reg();
  if (reg.current != nullptr) {
    Theme* old = reg.current;
    UnuseTheme(old);
  }
  reg.current = UseTheme(name);
  SendThreePhaseNotice();
}

QString ActiveThemeName() { return CurrentTheme().Name(); }

int LargestUnderEveryTheme(const std::function<int()>& measure) {
  Registry& reg = Reg();
  Theme* const current = &CurrentTheme();
  int largest = measure();
  for (const Entry& entry : reg.entries) {
    if (entry.instance.get() == current) continue;
    Theme* measured = UseTheme(entry.name);
    reg.current = measured;
    // Puts the current theme back however `measure` ends.
    struct Restore {
      Theme*& measured;
      Theme* current;
      ~Restore() {
        Reg().current = current;
        UnuseTheme(measured);
      }
    } restore{measured, current};
    largest = std::max(largest, measure());
  }
  return largest;
}

QStringList RegisteredThemeNames() {
  QStringList names;
  for (const Entry& entry : Reg().entries) names << entry.name;
  return names;
}

void StartThemeLayer() {
  Registry& reg = Reg();
  if (reg.started) return;
  reg.started = true;
  if (reg.current == nullptr) reg.current = UseTheme(QString());
  // Activation and deactivation of the application reach the themed components (menu
  // bars repaint on either). Only real changes count: a program that starts without
  // focus keeps the active look until it is deactivated.
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    QObject::connect(app, &QGuiApplication::applicationStateChanged, app, [](Qt::ApplicationState state) {
      const bool active = state == Qt::ApplicationActive;
      if (active != AppActive()) NotifyAppActive(active);
    });
  }
}

Theme& CurrentTheme() {
  Registry& reg = Reg();
  // The current theme released: the first registered one stands in.
  if (reg.current == nullptr && reg.started) reg.current = UseTheme(QString());
  if (reg.current == nullptr) qFatal("The widget library was not started (StartWidgetLibrary) before its first use");
  return *reg.current;
}

Colour SkinTextColour() { return Reg().skinText; }

void SetSkinTextColour(Colour colour) { Reg().skinText = colour; }

bool FlatMenusInEffect() { return Reg().flatMenus; }

bool VisualStylesInUse() { return Reg().visualStyles; }

void SetThemeFlags(bool flatMenus, bool visualStyles) {
  Registry& reg = Reg();
  if (reg.flatMenus == flatMenus && reg.visualStyles == visualStyles) return;
  reg.flatMenus = flatMenus;
  reg.visualStyles = visualStyles;
  NotifySystemChange();
}

void NotifySystemChange() { SendThreePhaseNotice(); }

void NotifyAppActive(bool active) {
  Reg().appActive = active;
  SendPhase(active ? tcAppActivated : tcAppDeactivated);
}

bool AppActive() { return Reg().appActive; }

std::size_t ThemeNotifiableCount() { return Reg().notifiables.size(); }

}  // namespace tessary::widgets
