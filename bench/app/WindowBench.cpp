// The editor window: start-up to its first painted frame against a bare QMainWindow in the
// same run (ratio reported), as whole programs started from nothing and as windows made in a
// running program; tessary-skin render as a whole process against the editor's start; a
// full repaint at 1920 x 1080, at scales 1 and 2, in every theme over a tiled and a stretched
// picture; an image replaced through its command until every widget that shows it has
// repainted, a theme switch until the window has repainted, and the process's peak memory
// once the window stands.
// Times are wall-clock; the offscreen platform paints into memory as a screen would.
#include "WindowBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <string>

#include "app/Startup.h"
#include "app/TfrmMain.h"
#include "editing/ScriptedDialogs.h"
#include "skinfile/SkinFile.h"
#include "skinfile/StartupSkin.h"
#include "widgets/TTBDock.h"
#include "widgets/ThemeRegistry.h"

namespace tessary::bench {
namespace {

using namespace tessary::app;

double SecondsOf(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) * 1e-9; }

void BM_WindowToFirstFrame(benchmark::State& state) {
  double windowTotal = 0, bareTotal = 0;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    {
      QMainWindow bare;
      ShowToFirstFrame(bare);
      bareTotal += SecondsOf(timer);
    }
    timer.restart();
    {
      TfrmMain window(std::make_unique<ScriptedDialogs>());
      ShowToFirstFrame(window);
      const double seconds = SecondsOf(timer);
      windowTotal += seconds;
      state.SetIterationTime(seconds);
    }
    QApplication::processEvents();  // deferred deletes
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["window_ms"] = windowTotal / n * 1e3;
  state.counters["bare_ms"] = bareTotal / n * 1e3;
  state.counters["x_bare"] = windowTotal / bareTotal;
}

// A program run to its first painted frame: the seconds from its start to that frame (as
// the program reports it; a program that reports none, to its end) and to its end.
struct ProgramTimes {
  double firstFrame = 0;
  double whole = 0;
};
ProgramTimes RunToFirstFrame(const char* program, const QProcessEnvironment& environment,
                             const QStringList& args = {}) {
  QProcess process;
  process.setProcessEnvironment(environment);
  const auto started = std::chrono::steady_clock::now().time_since_epoch();
  QElapsedTimer timer;
  timer.start();
  process.start(QString::fromUtf8(program), args);
  process.waitForFinished(60000);
  ProgramTimes times;
  times.whole = SecondsOf(timer);
  times.firstFrame = times.whole;
  static const QByteArray kMark("first-frame-ns ");
  for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
    if (!line.startsWith(kMark)) continue;
    const qint64 frame = line.mid(kMark.size()).trimmed().toLongLong();
    times.firstFrame =
        static_cast<double>(frame - std::chrono::duration_cast<std::chrono::nanoseconds>(started).count()) * 1e-9;
  }
  return times;
}

// Runs two programs alternately, so that both see the same machine: `measured` times the
// iterations, `against` is the reference; both to their first frames. Reports both means
// (as NAME_ms) and their ratio, and the same for the whole runs to the programs' ends.
struct ProgramRun {
  const char* name;
  const char* program;
  QStringList args;
};
void AlternatePrograms(benchmark::State& state, const ProgramRun& measured, const ProgramRun& against,
                       const char* ratio) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("TESSARY_QUIT_AT_FIRST_FRAME"), QStringLiteral("1"));
  ProgramTimes measuredTotal, againstTotal;
  for (auto _ : state) {
    const ProgramTimes reference = RunToFirstFrame(against.program, environment, against.args);
    const ProgramTimes times = RunToFirstFrame(measured.program, environment, measured.args);
    againstTotal.firstFrame += reference.firstFrame;
    againstTotal.whole += reference.whole;
    measuredTotal.firstFrame += times.firstFrame;
    measuredTotal.whole += times.whole;
    state.SetIterationTime(times.firstFrame);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters[std::string(measured.name) + "_ms"] = measuredTotal.firstFrame / n * 1e3;
  state.counters[std::string(against.name) + "_ms"] = againstTotal.firstFrame / n * 1e3;
  state.counters[ratio] = measuredTotal.firstFrame / againstTotal.firstFrame;
  state.counters[std::string(ratio) + "_to_end"] = measuredTotal.whole / againstTotal.whole;
}

void BM_ProgramStartupToFirstFrame(benchmark::State& state) {
  AlternatePrograms(state, {"editor", TESSARY_EDITOR, {}}, {"bare", TESSARY_BARE_WINDOW, {}}, "x_bare");
}

// tessary-skin render of the start-up skin as a whole process (start, open, draw, save the
// PNG, exit: it reports no first frame) against the editor's own start to its first frame.
void BM_RenderProcessAgainstEditorStartup(benchmark::State& state) {
  QTemporaryDir folder;
  Skin skin;
  LoadStartupSkin(skin);
  const QString file = folder.filePath(QStringLiteral("startup.skn"));
  SaveSkinFile(file.toStdString(), skin);
  const QStringList render{QStringLiteral("render"), file, folder.filePath(QStringLiteral("startup.png"))};
  AlternatePrograms(state, {"render", TESSARY_SKIN_TOOL, render}, {"editor", TESSARY_EDITOR, {}}, "x_editor");
}

// Replaces one slot through its command (two pictures in turn, so each replacement changes
// something) and runs the event loop until everything asked to repaint has painted.
void ReplaceAndRepaint(benchmark::State& state, ImageSlotCommand command, int slot, int size) {
  TfrmMain& window = StandingWindow();
  const Bitmap pictures[] = {Picture(size, 0xFF2040C0), Picture(size, 0xFFC04020)};
  int turn = 0;
  PaintProbe probe(&window);
  for (auto _ : state) {
    probe.paints = 0;
    window.editor().ReplaceImageSlotWith(command, slot, pictures[turn++ % 2]);
    QApplication::processEvents();
    benchmark::DoNotOptimize(probe.paints);
  }
  state.counters["paints"] = probe.paints;
}

void BM_ReplaceHotCloseToRepainted(benchmark::State& state) {
  ReplaceAndRepaint(state, ImageSlotCommand::actHPreExecute, 0, 21);
}
void BM_ReplaceLargeBackToRepainted(benchmark::State& state) {
  ReplaceAndRepaint(state, ImageSlotCommand::actLCBackExecute, 0, 24);
}
void BM_ReplaceTabImageToRepainted(benchmark::State& state) {
  ReplaceAndRepaint(state, ImageSlotCommand::XP_Button1Click, 0, 18);
}

// The whole window repainted at 1920 x 1080 (every widget painted into a frame of the
// window's size, as after Open or a theme switch), and the part the mock-up's docks take,
// on a screen of scale `scale` (the frame has the window's size times the scale in device
// pixels and every widget paints scaled, as on such a screen). Arguments: the theme's place
// among the registered themes; 0 for a 1 x 1 picture tiled, 1 for a 2000 x 40 picture stretched, on both docks.
void RepaintWholeWindow(benchmark::State& state, qreal scale) {
  const QStringList themes = widgets::RegisteredThemeNames();
  if (state.range(0) >= themes.size()) {
    state.SkipWithError("no theme registered at this place");
    return;
  }
  const QString theme = themes[static_cast<int>(state.range(0))];
  const bool stretch = state.range(1) == 1;
  static TfrmMain* standing = [] {
    auto* w = new TfrmMain(std::make_unique<ScriptedDialogs>());
    w->setGeometry(QRect(QPoint(0, 0), kScreen));
    w->show();
    QApplication::processEvents();
    return w;
  }();
  TfrmMain& window = *standing;
  window.switcher().SetTheme(theme);
  const int width = stretch ? 2000 : 1;
  const int height = stretch ? 40 : 1;
  std::vector<Argb> pixels(static_cast<std::size_t>(width * height));
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xFF000000u | static_cast<Argb>(i * 2654435761u >> 8);
  for (TTBBackground* background : {&window.skin().bgTop, &window.skin().bgBottom}) {
    background->SetBitmap(Bitmap::FromArgb(width, height, pixels));
    background->SetStretchBitmap(stretch);
  }
  QApplication::processEvents();
  QImage frame(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
  frame.setDevicePixelRatio(scale);
  for (auto _ : state) {
    window.render(&frame);
    benchmark::DoNotOptimize(frame.constBits());
  }
  // What of it the browser mock-up's two docks take (the rest is the control panel).
  QWidget* docks[] = {window.chromeTop().tbdTop, window.chromeBottom().tbdBottom};
  QElapsedTimer chrome;
  chrome.start();
  constexpr int kChromeRounds = 20;
  for (int i = 0; i < kChromeRounds; ++i)
    for (QWidget* dock : docks) dock->render(&frame, dock->mapTo(&window, QPoint(0, 0)));
  state.counters["chrome_us"] = static_cast<double>(chrome.nsecsElapsed()) / kChromeRounds / 1e3;
  state.SetLabel(QStringLiteral("%1, %2").arg(theme, stretch ? "2000x40 stretched" : "1x1 tiled").toStdString());
  state.counters["width"] = frame.width();
  state.counters["height"] = frame.height();
  for (TTBBackground* background : {&window.skin().bgTop, &window.skin().bgBottom}) background->SetBitmap(Bitmap());
  window.switcher().SetTheme(QStringLiteral("Default"));
}

void BM_FullRepaint1920x1080(benchmark::State& state) { RepaintWholeWindow(state, 1); }
// The same window at scale 2: 3840 x 2160 device pixels.
void BM_FullRepaint1920x1080AtScale2(benchmark::State& state) { RepaintWholeWindow(state, 2); }
// A theme chosen through the editor's theme command (as a click in the theme list runs it)
// until the maximised window has repainted: every theme in turn after the one before it,
// which is every switch a user clicking down the list makes.
void BM_ThemeSwitchToRepainted(benchmark::State& state) {
  TfrmMain& window = StandingWindow();
  const QStringList themes = widgets::RegisteredThemeNames();
  PaintProbe probe(&window);
  int next = 0;
  for (auto _ : state) {
    probe.paints = 0;
    window.editor().ApplyTheme(themes[next++ % themes.size()].toStdString());
    QApplication::processEvents();
    benchmark::DoNotOptimize(probe.paints);
  }
  state.counters["paints"] = probe.paints;
  window.editor().ApplyTheme("Default");
  QApplication::processEvents();
}

// Peak resident memory of the process with the window standing (Linux; 0 elsewhere).
void BM_PeakMemoryAfterStartup(benchmark::State& state) {
  StandingWindow();
  double mib = 0;
  for (auto _ : state) mib = MemoryMiB("VmHWM:");
  state.counters["peak_MiB"] = mib;
}

// The memory benchmarks run first, so that nothing else has grown the process yet.
BENCHMARK(BM_PeakMemoryAfterStartup)->Iterations(1);
BENCHMARK(BM_HundredImageStepsMemory)->Iterations(1);
BENCHMARK(BM_ProgramStartupToFirstFrame)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_RenderProcessAgainstEditorStartup)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_WindowToFirstFrame)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_FullRepaint1920x1080)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 7, 1), {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(BM_FullRepaint1920x1080AtScale2)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 7, 1), {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(BM_ThemeSwitchToRepainted)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplaceHotCloseToRepainted)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ReplaceLargeBackToRepainted)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ReplaceTabImageToRepainted)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_UndoRedoImageChangeToRepainted)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_WatchedFileSaveToRepainted)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_WatchedFilesIdleCpu)->Arg(0)->Arg(100)->Iterations(3);

}  // namespace
}  // namespace tessary::bench

int main(int argc, char** argv) {
  // The offscreen platform says at every maximised show that it cannot pass size hints on.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && !message.contains(QLatin1String("propagateSizeHints")))
      fprintf(stderr, "%s\n", qPrintable(message));
  });
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tessary::app::StartApplication();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
