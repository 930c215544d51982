// The live link: a watched picture file saved by another program until the preview has
// repainted it (the watcher's settling delay included), and what 100 watched files cost
// the process while none of them changes.
#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <ctime>

#include "WindowBench.h"

namespace tessary::bench {
namespace {

// A window of its own (the files it watches stay out of the other benchmarks), with its
// settings and cache folder in `scratch`.
std::unique_ptr<app::TfrmMain> LinkWindow(const QTemporaryDir& scratch) {
  app::WindowServices services;
  services.dialogs = std::make_unique<ScriptedDialogs>();
  services.settingsFile = scratch.filePath(QStringLiteral("settings.ini"));
  services.cacheFolder = scratch.filePath(QStringLiteral("cache"));
  auto window = std::make_unique<app::TfrmMain>(std::move(services));
  ShowToFirstFrame(*window);
  return window;
}

QByteArray Png(int size, QRgb colour) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(colour);
  image.setPixel(0, size - 1, qRgb(255, 0, 255));  // the corner a system button leaves out
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// Process CPU time in milliseconds.
double CpuMs() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// Runs the event loop for `ms` milliseconds, as the idle program does.
void RunIdle(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

// The Hot row's Close image follows a file; each round another program writes a new
// picture into it and closes it, and the time runs until the window has taken it in (one
// more undo step) and painted.
void BM_WatchedFileSaveToRepainted(benchmark::State& state) {
  QTemporaryDir scratch;
  const std::unique_ptr<app::TfrmMain> window = LinkWindow(scratch);
  const QString path = scratch.filePath(QStringLiteral("close.png"));
  const QByteArray pictures[] = {Png(21, 0xFF3060A0), Png(21, 0xFFA06030)};
  {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(pictures[1]);
  }
  window->editor().ReplaceImageSlotFromFile(ImageSlotCommand::actHPreExecute, 0, path.toStdString());
  QApplication::processEvents();
  PaintProbe probe(window.get());
  // The paints counted when the picture went in: the window has shown it once one more came
  // (both may happen within one turn of the event loop).
  int paintsWhenTaken = -1;
  const Connection taken = window->history().OnStateChanged([&] { paintsWhenTaken = probe.paints; });
  int round = 0;
  for (auto _ : state) {
    paintsWhenTaken = -1;
    QElapsedTimer clock;
    {
      QFile file(path);
      file.open(QIODevice::WriteOnly | QIODevice::Truncate);
      file.write(pictures[round++ % 2]);
    }  // closed: the time starts
    clock.start();
    while (paintsWhenTaken < 0 || probe.paints <= paintsWhenTaken) {
      QApplication::processEvents(QEventLoop::AllEvents, 1);
      if (clock.elapsed() > 5000) {
        state.SkipWithError("the saved picture did not show within 5 s");
        return;
      }
    }
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
  }
  state.counters["settle_ms"] = platform::QtFileWatcher::kSettleMs;
}

// Argument: the number of watched files (0 or 100). The CPU time the idle window uses per
// second of running, with that many linked places (slots of ilMain, ilLButtons and
// ilSButtons, each following a file of its own).
void BM_WatchedFilesIdleCpu(benchmark::State& state) {
  QTemporaryDir scratch;
  const std::unique_ptr<app::TfrmMain> window = LinkWindow(scratch);
  const int files = static_cast<int>(state.range(0));
  int linked = 0;
  const struct {
    ImageSlotCommand command;
    int size;
    int count;
  } lists[] = {{ImageSlotCommand::XP_Button2Click, 16, 59},
               {ImageSlotCommand::actLCBackExecute, 24, 21},
               {ImageSlotCommand::actSCBackExecute, 16, 21}};
  for (const auto& list : lists) {
    const QByteArray picture = Png(list.size, 0xFF406080);
    for (int slot = 0; slot < list.count && linked < files; ++slot, ++linked) {
      const QString path = scratch.filePath(QStringLiteral("%1.png").arg(linked));
      QFile file(path);
      file.open(QIODevice::WriteOnly);
      file.write(picture);
      file.close();
      window->editor().ReplaceImageSlotFromFile(list.command, slot, path.toStdString());
    }
  }
  QApplication::processEvents();
  RunIdle(200);  // what the changes above asked for is done
  constexpr int kIdleMs = 1000;
  double cpu = 0;
  for (auto _ : state) {
    const double start = CpuMs();
    RunIdle(kIdleMs);
    cpu = CpuMs() - start;
  }
  state.counters["watched"] = static_cast<double>(window->fileWatcher().Files().size());
  state.counters["cpu_ms_per_s"] = cpu * 1000.0 / kIdleMs;
}

}  // namespace tessary::bench
