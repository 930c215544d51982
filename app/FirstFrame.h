#pragma once
// Ends the application once `window` has painted its first frame: how scripted runs and
// the start-up benchmark time a start to the first frame the user sees.
class QWidget;

namespace tessary::app {

void QuitAtFirstFrame(QWidget& window);

}  // namespace tessary::app
