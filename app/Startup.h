#pragma once
// What the program sets up before its window exists: the preview's start (and with it the
// widget library's: the themes in their order, the accessibility factories), the
// application title "Tessary", its icon and menu entry, the window font ("MS Sans Serif",
// 11 pixels, through a metric-compatible fallback where the platform lacks it) and the
// fixed system colours. Idempotent; the editor, its render command, its tests and its
// benchmarks share it.

namespace tessary::app {

// Call once the QApplication exists.
void StartApplication();

}  // namespace tessary::app
