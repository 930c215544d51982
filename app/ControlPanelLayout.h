#pragma once
// The editor window's stored layout: the bands from top to bottom and every control of the
// control panel with its caption, position and start state, built from one table each.
// Contents that come from the skin (lists, samples, toolbars) are filled in by the window.
#include <QStringList>

#include "app/ControlPanel.h"

namespace tessary::app {

// Creates the bands in `central` (which gets their layout) and every control on them.
void BuildControlPanel(QWidget& central, ControlPanel& panel);

// Chains the keyboard order of the control panel's controls as stored, after
// `previewStop`, the preview's control that takes the keyboard (none: the panel alone).
void SetKeyboardOrder(const ControlPanel& panel, QWidget* previewStop);

// The note's lines, exactly as stored (an empty text is an empty line).
QStringList NoteLines();

}  // namespace tessary::app
