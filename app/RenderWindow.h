#pragma once
// The editor window drawn into a picture: the window the program shows, with a skin file
// opened (or an old skin file imported) as the editor does it, in the file's theme or
// another, at a given client size. tessary-skin render saves it for galleries and scripts;
// tessary-skin thumbnail saves the part of it that shows the browser (file managers'
// thumbnails).
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

// Both need a QApplication and StartApplication(), and throw SkinError with the editor's
// message when the file does not open; nothing is drawn then.

// The whole window.
QImage RenderEditorWindow(const RenderRequest& request);

// The browser as the window's preview shows it, without the control panel between its
// halves: the top dock (menu bar, toolbars, address and search bars) with the status bar's
// row of the bottom dock right below it, both the window's width.
QImage RenderBrowserChrome(const RenderRequest& request);

}  // namespace tessary::app
