#pragma once
// The edit history's controls: the "Undo" and "Redo" buttons of pnlBottom, each enabled
// while there is a step to take, and the keys Ctrl+Z (undo), Ctrl+Shift+Z and Ctrl+Y
// (redo) in the window. No command of the preview's vocabulary bears these keys, so the
// shortcut dispatcher passes them on; a text box with the focus (the note) keeps them for
// its own text. Every step runs inside the error handler.
#include <QWidget>

#include "app/ControlPanel.h"
#include "editing/Dialogs.h"
#include "editing/EditHistory.h"
#include "skin/Signal.h"

namespace tessary::app {

// Wires the buttons and keys; the returned connection keeps the buttons following the
// history (keep it as long as the window).
[[nodiscard]] Connection WireUndoRedo(const ControlPanel& panel, EditHistory& history, Dialogs& dialogs,
                                      QWidget& window);

}  // namespace tessary::app
