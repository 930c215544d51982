#pragma once
// The editor window drawn into a picture: the window the program shows, with a skin file
// opened (or an old skin file imported) as the editor does it, in the file's theme or
// another, at a given client size. tessary-skin render saves it for galleries and scripts.
#include <QImage>
#include <QSize>
#include <QString>
#include <string>

#include "skinfile/SkinFile.h"

namespace tessary::app {

struct RenderRequest {
  std::string file;
  SkinFileFormat format = SkinFileFormat::kSkn;
  QString theme;  // empty: the file's (or, when it names none the registry has, the current)
  QSize size;
};

// Needs a QApplication and StartApplication(). Throws SkinError with the editor's message
// when the file does not open; nothing is drawn then.
QImage RenderEditorWindow(const RenderRequest& request);

}  // namespace tessary::app
