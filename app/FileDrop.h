#pragma once
// Files dropped on the editor window from a file manager. A skin file (.skn) dropped
// anywhere on the window is opened, an old skin file (.crs) imported; a picture dropped on
// a place that takes one (a sample, an item of a sample toolbar, a "Change..." button, a
// background button) runs that place's command with the file instead of the dialog, with
// the same checks and messages. While a file is dragged, the DropIndicator shows whether
// the place under the pointer takes it, and a picture's size is read from its header
// then, so a picture of the wrong size (or no picture at all) is refused with the reason
// before the drop; a file dropped where it is not taken is refused with the reason in the
// "Error" box. A file drag is taken as a copy whatever actions it offers (a drag that
// offers only "move" included): the file is read and left where it is.
//
// The drag is watched for the whole window at once (an application event filter), so
// that neither the note nor a box of the preview takes a dropped skin as text; a bar of
// the preview floating in its own small window is part of the window and takes files as
// it does docked.
#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <functional>

#include "app/ControlPanel.h"
#include "app/DropIndicator.h"
#include "editing/Dialogs.h"
#include "editing/SkinEditor.h"

namespace tessary::preview {
class CommandVocabulary;
}

namespace tessary::app {

class FileDrop : public QObject {
  Q_OBJECT

 public:
  // Watches drags over `window` (which takes drops from now on).
  FileDrop(QWidget& window, const ControlPanel& panel, SkinEditor& editor, Dialogs& dialogs,
           const preview::CommandVocabulary& vocabulary);
  ~FileDrop() override;

  // What dropping `data` at `pos` in `top` (the window or a floating bar's window, in its
  // coordinates) does.
  struct Verdict {
    bool takes = false;
    QString text;               // what the drop does, or why the place does not take it
    QRect area;                 // the place that takes it, in `top`'s coordinates
    std::function<void()> run;  // the command (taking) or the refusal's box
  };
  Verdict VerdictAt(const QMimeData& data, QWidget& top, QPoint pos) const;

  // Shows the verdict over the window the file is dragged over (a floating bar's own
  // window included); back on the editor window when no file is dragged.
  const DropIndicator& Indicator() const { return *indicator_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Verdict PictureVerdictAt(const QString& path, QWidget& top, QPoint pos) const;
  // Why the place refuses the picture in `path` (its header read once per drag); empty
  // when it takes it.
  QString PictureRefusal(const QString& path, const PicturePlace& place) const;
  // The top-level window of `widget` when it is the editor window or a bar floating from
  // it; none for any other window (a dialog takes drops its own way).
  QWidget* DropWindowOf(QWidget& widget) const;
  // The indicator, placed over `top`.
  DropIndicator& IndicatorOver(QWidget& top);

  QWidget& window_;
  const ControlPanel& panel_;
  SkinEditor& editor_;
  Dialogs& dialogs_;
  const preview::CommandVocabulary& vocabulary_;
  QPointer<DropIndicator> indicator_;
  // The picture header of the file dragged now: its path, its size or why it is refused.
  struct Header {
    QString path;
    QSize size;
    QString error;
  };
  mutable std::optional<Header> header_;
};

}  // namespace tessary::app
