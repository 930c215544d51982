#pragma once
// What the window benchmarks share: a window standing at the screen's size, a probe that
// counts paints, plain pictures and the process's memory. The undo benchmarks live in
// UndoBench.cpp, those of the live link in LiveLinkBench.cpp; they are registered with the others in WindowBench.cpp,
// where the order in which they run is decided (the memory figures first).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QWidget>
#include <memory>
#include <vector>

#include "app/TfrmMain.h"
#include "editing/ScriptedDialogs.h"

namespace tessary::bench {

inline constexpr QSize kScreen{1920, 1080};

// Counts paint events of one widget and everything in it.
class PaintProbe : public QObject {
 public:
  explicit PaintProbe(QWidget* root) : root_(root) { qApp->installEventFilter(this); }
  ~PaintProbe() override { qApp->removeEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        (watched == root_ || root_->isAncestorOf(static_cast<QWidget*>(watched))))
      ++paints;
    return false;
  }

 private:
  QWidget* root_;
};

// Shows `window` at the screen's size and runs the event loop until it has painted.
inline void ShowToFirstFrame(QWidget& window) {
  PaintProbe probe(&window);
  window.setGeometry(QRect(QPoint(0, 0), kScreen));
  window.showMaximized();
  while (probe.paints == 0) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A window standing for the repaint benchmarks.
inline app::TfrmMain& StandingWindow() {
  static app::TfrmMain* window = [] {
    auto* w = new app::TfrmMain(std::make_unique<ScriptedDialogs>());
    ShowToFirstFrame(*w);
    return w;
  }();
  return *window;
}

inline Bitmap Picture(int size, Argb colour) {
  return Bitmap::FromArgb(size, size, std::vector<Argb>(static_cast<std::size_t>(size * size), colour));
}

// A line of /proc/self/status in MiB ("VmHWM:" peak, "VmRSS:" now); 0 where there is none.
inline double MemoryMiB(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (!line.startsWith(field)) continue;
    const QByteArray kib = line.mid(static_cast<qsizetype>(qstrlen(field))).trimmed().split(' ').first();
    return kib.toDouble() / 1024.0;
  }
  return 0;
}

// UndoBench.cpp.
void BM_UndoRedoImageChangeToRepainted(benchmark::State& state);
void BM_HundredImageStepsMemory(benchmark::State& state);
// LiveLinkBench.cpp.
void BM_WatchedFileSaveToRepainted(benchmark::State& state);
void BM_WatchedFilesIdleCpu(benchmark::State& state);

}  // namespace tessary::bench
