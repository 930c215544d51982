#pragma once
// What the control panel shows of the skin: the four sample rows and the example, the two
// sample toolbars, the image drop-down lists, the colour list, the theme list and the
// colour button. Each is bound to the skin's objects by reference, never a copy.
#include <span>

#include "app/ControlPanel.h"
#include "editing/SkinView.h"
#include "skin/Skin.h"

namespace tessary::preview {
class CommandVocabulary;
}

namespace tessary::app {

// Fills the controls built by BuildControlPanel. The samples and the sample toolbars'
// items run the vocabulary's slot commands; `colours` are ColorBox's entries.
void FillControlPanel(ControlPanel& panel, Skin& skin, preview::CommandVocabulary& vocabulary,
                      std::span<const ColorBoxEntry> colours);

// Makes the radio boxes, ColorBox, dfsColorButton and ListBox1 show `state`, without
// raising their events (so no command runs again).
void ShowControlState(const ControlPanel& panel, const ControlState& state);

}  // namespace tessary::app
