#pragma once
// Which command each control of the control panel runs. Every command runs inside the
// error handler, so an error escaping it is shown and the window goes on.
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
  PicturePlace place;                                // the place of the skin it changes
};

// The picture place at `pos` in `widget` (a sample, an item of a sample toolbar, a
// "Change..." button or a background button), or none.
std::optional<PictureTarget> PictureTargetAt(const ControlPanel& panel, SkinEditor& editor,
                                             const preview::CommandVocabulary& vocabulary, QWidget* widget, QPoint pos);

// The place of the skin a control of the panel shows, for its context menu: a sample, the
// item of a sample toolbar at `pos` (none: the item the keyboard is on), an image drop-down
// list or its "Change..." button (the selected entry), a background button. None for any
// other control (the example sample included).
std::optional<PicturePlace> PicturePlaceAt(const ControlPanel& panel, const preview::CommandVocabulary& vocabulary,
                                           QWidget* widget, std::optional<QPoint> pos);

// The sample widgets and sample toolbar items that show a place (for marks on them): the
// samples of its row, or the toolbar with the item's rectangle.
struct PlaceView {
  QWidget* widget;
  QRect area;  // in the widget's coordinates
};
std::vector<PlaceView> ViewsOfPlace(const ControlPanel& panel, const preview::CommandVocabulary& vocabulary,
                                    const PicturePlace& place);

}  // namespace tessary::app
