#pragma once
// The one start of the widget library. Its parts install nothing by themselves: a program
// (and a test or benchmark program) calls this once, after creating its QApplication and
// before it makes its first bar, popup or control.

namespace tessary::widgets {

// Installs the accessibility factories of the bars, popups and items and of the control
// panel's controls, registers "Default" and the seven other built-in themes after it, and
// starts the theme layer with "Default" current. Later calls do nothing.
void StartWidgetLibrary();

}  // namespace tessary::widgets
