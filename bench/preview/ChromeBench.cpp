// The browser-chrome mock-up at 1920 x 1080: a full repaint of the window, in each
// registered theme, with a 1 x 1 picture tiled and a 2000 x 40 picture stretched on both
// docks; and an image replaced in a list until the bars showing it are repainted.
// Times are wall-clock: Qt's raster engine hands large fills to worker threads.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <vector>

#include "preview/ChromeWindow.h"
#include "preview/CommandVocabulary.h"
#include "skin/Skin.h"
#include "skinfile/StartupSkin.h"
#include "widgets/PopupWindow.h"
#include "widgets/ThemeRegistry.h"

namespace {

using namespace tessary;
using namespace tessary::preview;
using namespace tessary::widgets;

// The mock-up's window at 1920 x 1080 with the start-up skin.
struct ChromeScene {
  Skin skin;
  std::unique_ptr<CommandVocabulary> vocabulary;
  std::unique_ptr<ChromeWindow> window;

  ChromeScene() {
    LoadStartupSkin(skin);
    vocabulary = std::make_unique<CommandVocabulary>(skin);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    window = std::make_unique<ChromeWindow>(skin, *vocabulary, font);
    window->page->setAutoFillBackground(true);
    window->setGeometry(0, 0, 1920, 1080);
    window->show();
    QApplication::processEvents();
  }
};

ChromeScene& Scene() {
  static ChromeScene* scene = new ChromeScene;
  return *scene;
}

Bitmap Picture(int width, int height) {
  std::vector<Argb> pixels(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels[y * width + x] = 0xFF000000u | ((x * 7) & 0xFF) << 16 | (y * 5 & 0xFF) << 8 | 0xA0;
  return Bitmap::FromArgb(width, height, pixels);
}

// Arguments: the theme's place among the registered themes, and 0 for a 1 x 1 picture
// tiled or 1 for a 2000 x 40 picture stretched.
void BM_FullRepaint1920x1080(benchmark::State& state) {
  const QStringList themes = RegisteredThemeNames();
  if (state.range(0) >= themes.size()) {
    state.SkipWithError("no theme registered at this place");
    return;
  }
  const bool stretch = state.range(1) == 1;
  const QSize picture = stretch ? QSize(2000, 40) : QSize(1, 1);
  ChromeScene& scene = Scene();
  SwitchTheme(themes[static_cast<int>(state.range(0))]);
  state.SetLabel(QStringLiteral("%1, %2").arg(themes[static_cast<int>(state.range(0))], stretch ? "2000x40 stretched" : "1x1 tiled").toStdString());
  for (TTBBackground* background : {&scene.skin.bgTop, &scene.skin.bgBottom}) {
    background->SetBitmap(Picture(picture.width(), picture.height()));
    background->SetStretchBitmap(stretch);
  }
  QApplication::processEvents();
  // Every widget of the window painted into a frame of the window's size: the work of a
  // repaint of the whole window (after Open, or a theme switch).
  QImage frame(scene.window->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    scene.window->render(&frame);
    benchmark::DoNotOptimize(frame.constBits());
  }
  state.counters["width"] = scene.window->width();
  state.counters["height"] = scene.window->height();
}
BENCHMARK(BM_FullRepaint1920x1080)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 7, 1), {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// A small-button image replaced until the screen shows it: the list's notice, the bar's
// repaint request and the bar's paint through the window's backing store.
void BM_ImageReplacedToRepainted(benchmark::State& state) {
  ChromeScene& scene = Scene();
  SwitchTheme(QStringLiteral("Default"));
  const Bitmap pictures[2] = {Picture(16, 16), Bitmap::FromArgb(16, 16, std::vector<Argb>(256, 0xFF102030u))};
  int turn = 0;
  QApplication::processEvents();
  for (auto _ : state) {
    scene.skin.ilSButtons.ReplaceImage(20, pictures[turn ^= 1], clFuchsia);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ImageReplacedToRepainted)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
