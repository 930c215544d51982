#pragma once
// Which command each control of the control panel runs. Every command runs inside the
// error handler, so an error escaping it is shown and the window goes on.
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/ControlPanel.h"
#include "app/WidgetSkinView.h"
#include "editing/Dialogs.h"
#include "editing/SkinEditor.h"

namespace tessary::preview {
class CommandVocabulary;
}

namespace tessary::app {

// Connects the controls and the vocabulary's six slot handlers to the editor's commands,
// routes the colour button's dialog through `dialogs`, and binds the repaint targets that
// are controls of the panel (the preview binds its own).
void WireControlPanel(const ControlPanel& panel, SkinEditor& editor, Dialogs& dialogs,
                      preview::CommandVocabulary& vocabulary, WidgetSkinView& view);

// A control of the panel that takes a picture: the command a click on it runs, taking a
// given file instead of asking for one.
struct PictureTarget {
  QString action;                                    // what a picture dropped there does ("Replace Hot: Close")
  QRect area;                                        // the place in the coordinates of the widget asked about
  std::function<void(const std::string& path)> run;  // the command, to run in the error handler
};

// The picture place at `pos` in `widget` (a sample, an item of a sample toolbar, a
// "Change..." button or a background button), or none.
std::optional<PictureTarget> PictureTargetAt(const ControlPanel& panel, SkinEditor& editor,
                                             const preview::CommandVocabulary& vocabulary, QWidget* widget, QPoint pos);

}  // namespace tessary::app
