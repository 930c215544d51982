#pragma once
// Screen-reader and test-tool access to the control panel's self-painted controls: push
// buttons and radio boxes by their captions (without "&") with Press/Toggle actions that do
// what a click does, the colour button with its colour as value, and the open palette with
// one child per colour cell that a Press action picks.
#include "widgets/controls/PaletteLayout.h"

namespace tessary::widgets {

class TDFSColorButtonPalette;

// Registers the accessibility interfaces of these controls (once; later calls do nothing).
void InstallControlsAccessibility();

// The accessible child number of a palette cell (palette cells column by column, then the
// other cell), or -1 for none.
int PaletteCellChild(const TDFSColorButtonPalette& palette, PaletteCell cell);

}  // namespace tessary::widgets
