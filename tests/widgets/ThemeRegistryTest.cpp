// The theme registry: registration messages, case-insensitive names, use counts, the
// three-phase notice and its order, and the switcher on top of it.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <deque>
#include <string>
#include <vector>

#include "skin/Error.h"
#include "widgets/TTBXSwitcher.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/start/StartWidgetLibrary.h"
#include "widgets/themes/DefaultTheme.h"
#include "widgets/themes/ThemePainter.h"

namespace tessary::widgets {
namespace {

// Counts what the registry tells an instance.
struct Probe {
  int created = 0;
  int destroyed = 0;
  int setups = 0;
  std::vector<bool> activeTold;
};

class ProbeTheme : public ThemePainter {
 public:
  ProbeTheme(const QString& name, Probe& probe) : ThemePainter(DefaultThemeDefinition(), name), probe_(probe) {
    ++probe_.created;
  }
  ~ProbeTheme() override { ++probe_.destroyed; }
  void SetAppActive(bool active) override { probe_.activeTold.push_back(active); }
  void SetupColours() override { ++probe_.setups; }

 private:
  Probe& probe_;
};

// The registry keeps every theme class, and so its factory, for the life of the process,
// and frees a theme only when another becomes current, which may be in a later test's
// TearDown: a probe must live as long as the registry, not as long as the test that made it.
Probe& NewProbe() {
  static auto* probes = new std::deque<Probe>;  // never freed, and never moves an element
  return probes->emplace_back();
}

ThemeFactory ProbeFactory(Probe& probe) {
  return [&probe](const QString& name) { return std::make_unique<ProbeTheme>(name, probe); };
}

// Records (component id, phase) for every notice.
struct Recorder : ThemeNotifiable {
  Recorder(int component, std::vector<std::pair<int, int>>& notices) : id(component), log(notices) {}
  void ThemeChanged(int phase) override { log.emplace_back(id, phase); }
  int id;
  std::vector<std::pair<int, int>>& log;
};

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const SkinError& e) {
    return e.what();
  }
  return "(no error)";
}

class ThemeRegistryTest : public ::testing::Test {
 protected:
  void TearDown() override { SwitchTheme(kDefaultThemeName); }
};

TEST_F(ThemeRegistryTest, StartsWithDefaultFirstAndCurrent) {
  StartWidgetLibrary();  // a second start changes nothing
  ASSERT_FALSE(RegisteredThemeNames().isEmpty());
  EXPECT_EQ(RegisteredThemeNames().front(), "Default");
  EXPECT_EQ(RegisteredThemeNames().count("Default"), 1);
  EXPECT_EQ(ActiveThemeName(), "Default");
  EXPECT_EQ(CurrentTheme().Name(), "Default");
}

TEST_F(ThemeRegistryTest, RegistrationErrorsCarryTheExactMessages) {
  Probe& probe = NewProbe();
  EXPECT_EQ(ErrorOf([&] { AddThemeClass("", ProbeFactory(probe)); }), "Cannot register theme");
  EXPECT_EQ(ErrorOf([&] { AddThemeClass("NoFactory", nullptr); }), "Cannot register theme");
  EXPECT_FALSE(HasThemeName("NoFactory"));
  EXPECT_EQ(ErrorOf([&] { AddThemeClass("DEFAULT", ProbeFactory(probe)); }), "Theme DEFAULT is already registered");
  EXPECT_EQ(ErrorOf([&] { AddThemeClass(QString(256, u'x'), ProbeFactory(probe)); }), "Cannot register theme");
  EXPECT_EQ(probe.created, 0);
}

TEST_F(ThemeRegistryTest, NamesMatchInAnyCaseAndKeepTheRegisteredSpelling) {
  Probe& probe = NewProbe();
  AddThemeClass("Quartz7", ProbeFactory(probe));
  EXPECT_TRUE(HasThemeName("quartz7"));
  EXPECT_TRUE(HasThemeName("QUARTZ7"));
  EXPECT_FALSE(HasThemeName("Quartz"));

  SwitchTheme("quartz7");
  EXPECT_EQ(ActiveThemeName(), "Quartz7");
  EXPECT_EQ(CurrentTheme().Name(), "Quartz7");

  // A near miss is ignored: the theme stays and nobody is told.
  std::vector<std::pair<int, int>> log;
  Recorder recorder(1, log);
  SwitchTheme("Quartz");
  EXPECT_EQ(ActiveThemeName(), "Quartz7");
  EXPECT_TRUE(log.empty());
}

TEST_F(ThemeRegistryTest, SwitchSendsThreePhasesToEveryComponentInRegistrationOrder) {
  Probe& probe = NewProbe();
  AddThemeClass("Phases", ProbeFactory(probe));
  std::vector<std::pair<int, int>> log;
  Recorder first(1, log);
  Recorder second(2, log);
  SwitchTheme("Phases");
  const std::vector<std::pair<int, int>> expected{{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}, {2, 3}};
  EXPECT_EQ(log, expected);
}

TEST_F(ThemeRegistryTest, SwitchingAwayFreesAndSwitchingToTheCurrentThemeReacquiresIt) {
  Probe& probe = NewProbe();
  AddThemeClass("Cycle", ProbeFactory(probe));
  SwitchTheme("Cycle");
  EXPECT_EQ(probe.created, 1);
  ASSERT_EQ(probe.activeTold.size(), 1u);  // told once, at creation

  std::vector<std::pair<int, int>> log;
  Recorder recorder(1, log);
  SwitchTheme("CYCLE");  // released (count 0, freed) and used again: a new instance
  EXPECT_EQ(probe.destroyed, 1);
  EXPECT_EQ(probe.created, 2);
  EXPECT_EQ(log.size(), 3u);

  SwitchTheme("Default");
  EXPECT_EQ(probe.destroyed, 2);
}

TEST_F(ThemeRegistryTest, UseCountsKeepTheInstanceUntilTheLastRelease) {
  Probe& probe = NewProbe();
  AddThemeClass("Counted", ProbeFactory(probe));
  Theme* a = UseTheme("counted");
  Theme* b = UseTheme("Counted");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a, b);
  EXPECT_EQ(probe.created, 1);
  UnuseTheme(a);
  EXPECT_EQ(a, b);  // still held by b
  EXPECT_EQ(probe.destroyed, 0);
  UnuseTheme(b);
  EXPECT_EQ(b, nullptr);
  EXPECT_EQ(probe.destroyed, 1);
}

TEST_F(ThemeRegistryTest, UnknownNameUsesTheFirstEntry) {
  Theme* theme = UseTheme("NoSuchTheme");
  ASSERT_NE(theme, nullptr);
  EXPECT_EQ(theme->Name(), "Default");
  EXPECT_EQ(theme, &CurrentTheme());  // the same instance, one more user
  UnuseTheme(theme);
  EXPECT_EQ(ActiveThemeName(), "Default");
}

TEST_F(ThemeRegistryTest, ReleasingWhatTheRegistryDoesNotHoldFails) {
  Theme* none = nullptr;
  EXPECT_EQ(ErrorOf([&] { UnuseTheme(none); }), "Cannot release theme");
  ThemePainter stranger(DefaultThemeDefinition(), "Default");
  Theme* foreign = &stranger;
  EXPECT_EQ(ErrorOf([&] { UnuseTheme(foreign); }), "Cannot release theme");
  EXPECT_EQ(foreign, &stranger);
}

TEST_F(ThemeRegistryTest, SystemNoticeSetsUpColoursBeforeComponentsHearPhaseTwo) {
  Probe& probe = NewProbe();
  AddThemeClass("Colours", ProbeFactory(probe));
  SwitchTheme("Colours");
  const int before = probe.setups;
  std::vector<std::pair<int, int>> log;
  struct SetupWatcher : ThemeNotifiable {
    Probe* probe = nullptr;
    int seenAtPhase2 = -1;
    void ThemeChanged(int phase) override {
      if (phase == tcColoursChanged) seenAtPhase2 = probe->setups;
    }
  } watcher;
  watcher.probe = &probe;
  NotifySystemChange();
  EXPECT_EQ(probe.setups, before + 1);
  EXPECT_EQ(watcher.seenAtPhase2, before + 1);
}

TEST_F(ThemeRegistryTest, ActivationSendsItsOwnCodesAndIsToldToNewInstances) {
  std::vector<std::pair<int, int>> log;
  Recorder recorder(1, log);
  NotifyAppActive(false);
  NotifyAppActive(true);
  const std::vector<std::pair<int, int>> expected{{1, tcAppDeactivated}, {1, tcAppActivated}};
  EXPECT_EQ(log, expected);

  Probe& probe = NewProbe();
  AddThemeClass("Inactive", ProbeFactory(probe));
  NotifyAppActive(false);
  SwitchTheme("Inactive");
  NotifyAppActive(true);
  ASSERT_EQ(probe.activeTold.size(), 1u);
  EXPECT_FALSE(probe.activeTold[0]);
}

TEST_F(ThemeRegistryTest, ComponentsLeaveTheListWhenDestroyed) {
  const std::size_t before = ThemeNotifiableCount();
  std::vector<std::pair<int, int>> log;
  {
    Recorder recorder(1, log);
    EXPECT_EQ(ThemeNotifiableCount(), before + 1);
  }
  EXPECT_EQ(ThemeNotifiableCount(), before);
  NotifySystemChange();
  EXPECT_TRUE(log.empty());
}

TEST_F(ThemeRegistryTest, SwitcherSwitchesByNameAndReportsEveryPhase) {
  Probe& probe = NewProbe();
  AddThemeClass("Switched", ProbeFactory(probe));
  TTBXSwitcher switcher;
  std::vector<TTBXSwitcher*> senders;
  switcher.OnThemeChange = [&](TTBXSwitcher& sender) { senders.push_back(&sender); };
  QSignalSpy spy(&switcher, &TTBXSwitcher::ThemeChange);

  switcher.SetTheme("SWITCHED");
  EXPECT_EQ(switcher.Theme(), "Switched");
  ASSERT_EQ(senders.size(), 3u);
  EXPECT_EQ(senders[0], &switcher);
  ASSERT_EQ(spy.count(), 3);
  EXPECT_EQ(spy[0][0].toInt(), tcBeforeChange);
  EXPECT_EQ(spy[1][0].toInt(), tcColoursChanged);
  EXPECT_EQ(spy[2][0].toInt(), tcAfterChange);

  switcher.SetTheme("Nexos");  // not registered: nothing happens
  EXPECT_EQ(switcher.Theme(), "Switched");
  EXPECT_EQ(spy.count(), 3);
}

TEST_F(ThemeRegistryTest, SwitcherDerivesFlatMenusAndNotifiesOnlyOnChange) {
  TTBXSwitcher switcher;
  QSignalSpy spy(&switcher, &TTBXSwitcher::ThemeChange);
  EXPECT_FALSE(FlatMenusInEffect());
  switcher.SetFlatMenuStyle(FlatMenuStyle::fmsEnable);
  EXPECT_TRUE(FlatMenusInEffect());
  EXPECT_TRUE(CurrentTheme().FlatMenus());
  EXPECT_EQ(spy.count(), 3);
  switcher.SetFlatMenuStyle(FlatMenuStyle::fmsDisable);
  EXPECT_FALSE(FlatMenusInEffect());
  switcher.SetFlatMenuStyle(FlatMenuStyle::fmsAuto);  // classic system: still not flat
  EXPECT_FALSE(FlatMenusInEffect());
  EXPECT_EQ(spy.count(), 6);         // the last change left the flags as they were
  switcher.SetEnableXPStyles(true);  // the fixed classic system has no visual styles
  EXPECT_FALSE(VisualStylesInUse());
}

}  // namespace
}  // namespace tessary::widgets
