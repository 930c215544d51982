#pragma once
// Ends the application once `window` has painted its first frame: how scripted runs and
// the start-up benchmark time a start to the first frame the user sees. The moment the
// frame is complete goes to the standard output as "first-frame-ns N", N on the steady
// clock that all processes of the machine share, so that a benchmark can leave out the
// time the program then takes to end.
class QWidget;

namespace tessary::app {

void QuitAtFirstFrame(QWidget& window);

}  // namespace tessary::app
