// Repaint of a full-width dock (1920 x 140, five rows of bars) with a background picture:
// a 1 x 1 picture, a 100 x 40 picture and a picture stretched to the dock's client size.
// Each iteration renders the dock and every bar on it into an image, as a repaint does.
// Times are wall-clock: Qt's raster engine hands large fills to worker threads, so the
// main thread's CPU time understates the cost.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <memory>
#include <vector>

#include "skin/TTBBackground.h"
#include "widgets/DockBackground.h"
#include "widgets/PopupWindow.h"  // TTBXToolbar holds a QPointer to it
#include "widgets/TTBDock.h"
#include "widgets/TTBXToolbar.h"
#include "widgets/ThemeRegistry.h"
#include "widgets/items/TTBXItem.h"
#include "widgets/items/TTBXSeparatorItem.h"

namespace {

using namespace tessary;
using namespace tessary::widgets;

constexpr int kDockWidth = 1920;
constexpr int kDockHeight = 140;
constexpr int kRows = 5;
constexpr int kBarsPerRow = 4;
constexpr int kItemsPerBar = 8;

// A window with the top dock and five rows of captioned toolbars.
struct DockScene {
  QWidget window;
  TTBDock* dock = nullptr;
  TTBBackground background;

  DockScene() {
    window.resize(kDockWidth, 400);
    dock = new TTBDock(DockPosition::dpTop, &window);
    dock->SetBoundLines(blTop | blBottom | blLeft | blRight);
    dock->setGeometry(0, 0, kDockWidth, 10);
    for (int row = 0; row < kRows; ++row) {
      for (int b = 0; b < kBarsPerRow; ++b) {
        auto* bar = new TTBXToolbar(&window);
        bar->SetCaption(QString("Bar %1.%2").arg(row).arg(b));
        for (int i = 0; i < kItemsPerBar; ++i) {
          if (i == 4) bar->Add(std::make_unique<TTBXSeparatorItem>());
          auto& item = bar->Add(std::make_unique<TTBXItem>());
          item.SetCaption(QString("Item &%1").arg(i));
          if (i == 2) item.SetEnabled(false);
          if (i == 3) item.SetChecked(true);
        }
        bar->DockTo(dock, row, b * 470);
      }
    }
    dock->ArrangeBars();
    window.show();
    // Five rows of caption bars come to a little less; the measured dock is 1920 x 140.
    dock->setFixedHeight(std::max(dock->height(), kDockHeight));
  }

  // Renders the dock and its bars once, as one repaint of the whole dock does.
  void Repaint(QImage& target) {
    QPainter p(&target);
    dock->render(&p);
  }
};

DockScene& Scene() {
  static DockScene* scene = new DockScene;
  return *scene;
}

Bitmap Picture(int w, int h) {
  std::vector<Argb> pixels(static_cast<std::size_t>(w * h));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      pixels[static_cast<std::size_t>(y * w + x)] =
          0xFF000000u | static_cast<Argb>((x * 5) & 0xFF) << 16 | static_cast<Argb>((y * 7) & 0xFF) << 8 | 0x60;
    }
  }
  return Bitmap::FromArgb(w, h, pixels);
}

void RunRepaint(benchmark::State& state, int w, int h, bool stretch) {
  DockScene& scene = Scene();
  scene.dock->SetBackground(nullptr);
  scene.background.SetStretchBitmap(false);
  scene.background.SetBitmap(Picture(w, h));
  scene.background.SetStretchBitmap(stretch);
  scene.dock->SetBackground(&scene.background);
  const QRect client = scene.dock->ClientRect();
  scene.background.SetStretchSize(client.width(), client.height());
  QImage target(scene.dock->size(), QImage::Format_RGB32);
  scene.Repaint(target);  // builds the paint cache once, outside the timing
  for (auto _ : state) {
    scene.Repaint(target);
    benchmark::DoNotOptimize(target.constBits());
  }
  state.counters["dock_h"] = scene.dock->height();
}

void BM_DockRepaintNoPicture(benchmark::State& state) {
  DockScene& scene = Scene();
  scene.dock->SetBackground(nullptr);
  QImage target(scene.dock->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    scene.Repaint(target);
    benchmark::DoNotOptimize(target.constBits());
  }
  state.counters["dock_h"] = scene.dock->height();
}

void BM_DockRepaintTile1x1(benchmark::State& state) { RunRepaint(state, 1, 1, false); }
void BM_DockRepaintTile8x8(benchmark::State& state) { RunRepaint(state, 8, 8, false); }
void BM_DockRepaintTile100x40(benchmark::State& state) { RunRepaint(state, 100, 40, false); }
void BM_DockRepaintStretch2000x40(benchmark::State& state) { RunRepaint(state, 2000, 40, true); }

// The whole dock in each of the eight themes (argument: registration index), without a
// picture (the theme paints docks, bars and items) and over a tiled 100 x 40 picture.
void RunThemed(benchmark::State& state, bool picture) {
  const QStringList themes = RegisteredThemeNames();
  const QString name = themes.value(static_cast<int>(state.range(0)));
  SwitchTheme(name);
  // The switch lays the rows out in the theme's metrics; the measured dock stays 1920 x 140.
  Scene().dock->setFixedHeight(kDockHeight);
  state.SetLabel(name.toStdString());
  if (picture) {
    RunRepaint(state, 100, 40, false);
  } else {
    BM_DockRepaintNoPicture(state);
  }
  SwitchTheme(themes.front());
}

void BM_DockRepaintThemeNoPicture(benchmark::State& state) { RunThemed(state, false); }
void BM_DockRepaintThemeTile100x40(benchmark::State& state) { RunThemed(state, true); }

// The background fill alone over the whole dock, without bars: what the picture costs.
void BM_BackgroundFill(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  TTBBackground background;
  background.SetBitmap(Picture(w, h));
  QImage target(kDockWidth, kDockHeight, QImage::Format_RGB32);
  QPainter p(&target);
  const QRect client(1, 1, kDockWidth - 2, kDockHeight - 2);
  for (auto _ : state) {
    PaintBackground(p, background, client, QPoint(0, 0));
    benchmark::DoNotOptimize(target.constBits());
  }
}

BENCHMARK(BM_BackgroundFill)
    ->Args({1, 1})
    ->Args({8, 8})
    ->Args({100, 40})
    ->Args({2000, 40})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(BM_DockRepaintNoPicture)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DockRepaintTile1x1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DockRepaintTile8x8)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DockRepaintTile100x40)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DockRepaintStretch2000x40)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DockRepaintThemeNoPicture)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_DockRepaintThemeTile100x40)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
