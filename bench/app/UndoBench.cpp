// The edit history: an image change undone or redone until every widget that shows it has
// repainted, and the memory 100 steps of image changes take over the start-up skin.
#include <QApplication>

#include "WindowBench.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tessary::bench {
namespace {

// Hands freed memory back to the system, so that resident memory shows what is in use.
void ReturnFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace

// Argument 0: undo, 1: redo, of one change of the Hot row's Close image (the preview's
// Close button, its sample), each step followed by the repaints it asks for.
void BM_UndoRedoImageChangeToRepainted(benchmark::State& state) {
  app::TfrmMain& window = StandingWindow();
  EditHistory& history = window.history();
  const bool undo = state.range(0) == 0;
  window.editor().ReplaceImageSlotWith(ImageSlotCommand::actHPreExecute, 0, Picture(21, 0xFF30A050));
  QApplication::processEvents();
  if (!undo) history.Undo();
  PaintProbe probe(&window);
  for (auto _ : state) {
    state.PauseTiming();
    // Back where the timed step starts from.
    undo ? history.Redo() : history.Undo();
    QApplication::processEvents();
    probe.paints = 0;
    state.ResumeTiming();
    undo ? history.Undo() : history.Redo();
    QApplication::processEvents();
  }
  state.counters["paints"] = probe.paints;
}

// A window as the program starts, then 100 image changes over all eight lists, each with
// a picture of its own and repainted: what the process holds more than at the start.
void BM_HundredImageStepsMemory(benchmark::State& state) {
  constexpr int kSteps = 100;
  double before = 0, after = 0;
  std::size_t kept = 0;
  for (auto _ : state) {
    app::TfrmMain window(std::make_unique<ScriptedDialogs>());
    ShowToFirstFrame(window);
    QApplication::processEvents();
    ReturnFreedMemory();
    before = MemoryMiB("VmRSS:");
    const auto rules = ImageSlotRules();
    for (int step = 0; step < kSteps; ++step) {
      const ImageSlotRule& rule = rules[static_cast<std::size_t>(step) % rules.size()];
      const Argb colour = 0xFF000000u | static_cast<Argb>(static_cast<Argb>(step) * 2654435761u >> 8);
      window.editor().ReplaceImageSlotWith(rule.command, step % 4, Picture(rule.width, colour));
      QApplication::processEvents();
    }
    ReturnFreedMemory();
    after = MemoryMiB("VmRSS:");
    kept = window.history().UndoCount();
  }
  state.counters["start_MiB"] = before;
  state.counters["over_start_MiB"] = after - before;
  state.counters["steps"] = static_cast<double>(kept);
}

}  // namespace tessary::bench
