#pragma once
// What the editor does with a file given to it whole (dropped on the window, or named on
// the command line), by the suffix of its name: a skin file (.skn) is opened, an old skin
// file (.crs) imported, a picture goes where it is dropped.
#include <QString>

#include "editing/SkinEditor.h"

namespace tessary::app {

enum class FileKind { kSkin, kOldSkin, kPicture, kOther };

// By the suffix, in any letter case.
FileKind KindOfFile(const QString& path);

// Open for a skin file, Import Old Skins for an old one; any other file is refused with
// "Cannot open file %s: ..." naming what opens. Errors as the commands'.
void OpenSkinFile(SkinEditor& editor, const QString& path);

}  // namespace tessary::app
