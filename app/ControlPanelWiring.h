#pragma once
// Which command each control of the control panel runs. Every command runs inside the
// error handler, so an error escaping it is shown and the window goes on.
#include "app/ControlPanel.h"
#include "app/WidgetSkinView.h"
#include "platform/Dialogs.h"
#include "skin/commands/SkinEditor.h"

namespace tessary::preview {
class CommandVocabulary;
}

namespace tessary::app {

// Connects the controls and the vocabulary's six slot handlers to the editor's commands,
// routes the colour button's dialog through `dialogs`, and binds the repaint targets that
// are controls of the panel (the preview binds its own). `saved` runs after Save or Open
// went through: the skin then equals a file.
void WireControlPanel(const ControlPanel& panel, SkinEditor& editor, platform::Dialogs& dialogs,
                      preview::CommandVocabulary& vocabulary, WidgetSkinView& view, std::function<void()> saved);

}  // namespace tessary::app
