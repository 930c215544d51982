#pragma once
// The recent skins inside the Open and Import dialogs: a list below the dialog's own
// controls, most recent first. A click puts the file into the dialog's name box (and its
// folder into view); a double click or Enter opens it at once.
#include <QStringList>

class QFileDialog;

namespace tessary::platform {

inline constexpr const char* kRecentSkinsLabel = "Recent skins:";

// Adds the list of `files` that still exist to `dialog`, which then uses Qt's own dialog
// (a platform dialog has no room for it). Nothing when none exists.
void AddRecentFilesPanel(QFileDialog& dialog, const QStringList& files);

}  // namespace tessary::platform
