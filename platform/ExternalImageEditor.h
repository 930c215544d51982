#pragma once
// Opens a picture in the user's image editor: the command set in the settings
// ("ImageEditor/Command", e.g. "gimp" or "krita --nosplash %f"; "%f" stands for the file,
// which is added at the end when the command has no "%f"), else the desktop's default
// application for the file's type.
#include <QString>
#include <QStringList>

#include "editing/EditingServices.h"

namespace tessary::platform {

class EditorSettings;

class ExternalImageEditor : public ImageEditorLauncher {
 public:
  explicit ExternalImageEditor(const EditorSettings& settings);
  // Throws SkinError naming the file (and the command) when nothing could be started.
  void Open(const std::string& path) override;

 private:
  const EditorSettings& settings_;
};

// The program and arguments a command line gives for `file` (quotes group, as in a
// shell); an empty list for a blank command.
QStringList ImageEditorArguments(const QString& command, const QString& file);

}  // namespace tessary::platform
