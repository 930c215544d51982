// The command vocabulary and the browser's menus: building all ten command lists and every
// menu onto a menu bar, as the editor window does once at start; and opening a menu to its
// first painted frame: the largest top-level menu ("&View", 20 entries) and the largest
// menu of all ("Interface Language", 32 entries, opened from "&Tools").
// Times are wall-clock.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QVBoxLayout>

#include "preview/CommandVocabulary.h"
#include "preview/MenuBuilder.h"
#include "skin/Skin.h"
#include "skinfile/StartupSkin.h"
#include "widgets/PopupWindow.h"
#include "widgets/TTBDock.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/ThemeRegistry.h"

namespace {

using namespace tessary;
using namespace tessary::preview;
using namespace tessary::widgets;

constexpr int kViewMenu = 2;
constexpr int kToolsMenu = 6;

Skin& StartupSkin() {
  static Skin* skin = [] {
    auto* s = new Skin;
    LoadStartupSkin(*s);
    return s;
  }();
  return *skin;
}

// A shown window with the menu bar on its top dock.
struct MenuScene {
  QWidget window;
  CommandVocabulary vocabulary{StartupSkin()};
  TTBXToolbar* bar = new TTBXToolbar;
  MainMenu menus;

  MenuScene() {
    auto* layout = new QVBoxLayout(&window);
    auto* dock = new TTBDock(DockPosition::dpTop);
    layout->addWidget(dock);
    layout->addStretch(1);
    menus = BuildMainMenu(*bar, vocabulary, StartupSkin());
    bar->DockTo(dock, 0);
    window.resize(900, 700);
    window.show();
    QApplication::processEvents();
  }
};

MenuScene& Scene() {
  static MenuScene* scene = new MenuScene;
  return *scene;
}

void BM_BuildVocabulary(benchmark::State& state) {
  Skin& skin = StartupSkin();
  for (auto _ : state) {
    CommandVocabulary vocabulary(skin);
    benchmark::DoNotOptimize(&vocabulary);
  }
}

void BM_BuildVocabularyAndMenus(benchmark::State& state) {
  Skin& skin = StartupSkin();
  for (auto _ : state) {
    CommandVocabulary vocabulary(skin);
    TTBXToolbar bar;
    const MainMenu menus = BuildMainMenu(bar, vocabulary, skin);
    benchmark::DoNotOptimize(&menus);
  }
}

// Opens a menu (and optionally one of its submenus) and paints the last one opened.
void OpenAndPaint(benchmark::State& state, int menu, const char* submenu) {
  MenuScene& scene = Scene();
  for (auto _ : state) {
    scene.bar->OpenItemList(menu, true);
    PopupWindow* popup = scene.bar->OpenPopup();
    if (submenu != nullptr) {
      for (int line = 0; line < popup->LineCount(); ++line)
        if (popup->LineItem(line)->Caption() == QLatin1String(submenu)) popup->OpenSubmenu(line, true);
      popup = popup->ChildPopup();
    }
    const QPixmap frame = popup->grab();  // the first frame, painted
    benchmark::DoNotOptimize(frame.cacheKey());
    state.counters["lines"] = popup->LineCount();
    popup->CloseAll();
    QApplication::processEvents();  // the closed popups are deleted
  }
}

void BM_OpenViewMenuToFirstFrame(benchmark::State& state) { OpenAndPaint(state, kViewMenu, nullptr); }
void BM_OpenInterfaceLanguageToFirstFrame(benchmark::State& state) {
  OpenAndPaint(state, kToolsMenu, "Interface Language");
}

BENCHMARK(BM_BuildVocabulary)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_BuildVocabularyAndMenus)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_OpenViewMenuToFirstFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_OpenInterfaceLanguageToFirstFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
