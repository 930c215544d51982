#pragma once
// The one start of the browser-chrome mock-up: the widget library's start and the preview's
// own accessibility factories. Programs that show the mock-up (the editor, the chrome
// viewer, the render command, their tests and benchmarks) call it once instead of the
// widget library's start.

namespace tessary::preview {

// Starts the widget library and installs the accessibility of the preview's own controls
// (status panels, gauge, sample buttons). Later calls do nothing.
void StartPreview();

}  // namespace tessary::preview
