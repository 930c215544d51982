// tessary-skin render of the start-up skin as a whole process (start, open, draw, save the
// PNG, exit) against the editor's own start to its first frame, the two programs started
// alternately so that both see the same machine; the ratio is reported as x_editor.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include "skin/Skin.h"
#include "skinfile/SkinFile.h"
#include "skinfile/StartupSkin.h"

namespace {

using namespace tessary;

// Runs `program` with `args` to its end; its wall-clock seconds.
double RunProgram(const char* program, const QStringList& args, const QProcessEnvironment& environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  QElapsedTimer timer;
  timer.start();
  process.start(QString::fromUtf8(program), args);
  process.waitForFinished(60000);
  return static_cast<double>(timer.nsecsElapsed()) * 1e-9;
}

void BM_RenderProcessAgainstEditorStartup(benchmark::State& state) {
  QTemporaryDir folder;
  Skin skin;
  LoadStartupSkin(skin);
  const QString file = folder.filePath(QStringLiteral("startup.skn"));
  SaveSkinFile(file.toStdString(), skin);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("TESSARY_QUIT_AT_FIRST_FRAME"), QStringLiteral("1"));
  const QStringList renderArgs{QStringLiteral("render"), file, folder.filePath(QStringLiteral("startup.png"))};
  double renderTotal = 0, editorTotal = 0;
  for (auto _ : state) {
    editorTotal += RunProgram(TESSARY_EDITOR, {}, environment);
    const double seconds = RunProgram(TESSARY_SKIN_TOOL, renderArgs, environment);
    renderTotal += seconds;
    state.SetIterationTime(seconds);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["render_ms"] = renderTotal / n * 1e3;
  state.counters["editor_ms"] = editorTotal / n * 1e3;
  state.counters["x_editor"] = renderTotal / editorTotal;
}
BENCHMARK(BM_RenderProcessAgainstEditorStartup)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

}  // namespace
