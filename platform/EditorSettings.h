#pragma once
// What the editor remembers between sessions, in the user's settings file (or a given
// one, for tests): the recent skins, the folder each file dialog last used, and the
// command that opens pictures in an image editor (set by the user; none: the desktop's
// default application for PNG pictures).
#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

#include "editing/CommandDialogs.h"

namespace tessary::platform {

class EditorSettings {
 public:
  // The user's settings ("Tessary/Tessary.ini" in the user's configuration folder), or
  // the INI file `file`.
  explicit EditorSettings(const QString& file = {});

  QStringList RecentSkins() const;
  void SetRecentSkins(const QStringList& files);

  // The folder the dialog last chose a file in; empty before the first choice.
  QString LastFolder(FileDialogId dialog) const;
  void SetLastFolder(FileDialogId dialog, const QString& folder);

  // The image editor's command line ("gimp", "krita %f"); empty: the desktop's default.
  QString ImageEditorCommand() const;
  void SetImageEditorCommand(const QString& command);

  // Where the settings are kept.
  QString FileName() const { return settings_->fileName(); }

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace tessary::platform
