#pragma once
// What the editing commands ask of the user: a file from one of the window's four file
// dialogs, and the "Error" box for a wrong input a command checks itself. The Qt dialogs
// and the scripted fake of platform/ implement it.
#include <optional>
#include <string>

namespace tessary {

// The editor window's file dialogs. Each keeps the file name last chosen in it.
enum class FileDialogId {
  OpenDialog,     // any bitmap: every image slot and both backgrounds ("BITMAP (*.bmp)")
  SaveDialog,     // Save (".skn", asks before overwriting)
  CRSOpenDialog,  // Import Old Skins (".crs")
  SknOpenDialog,  // Open (".skn")
  ExportDialog,   // Export Image (PNG, or BMP by the chosen filter; asks before overwriting)
};

class CommandDialogs {
 public:
  virtual ~CommandDialogs() = default;

  // Shows the dialog modally; the chosen path (UTF-8), or nothing when cancelled. The
  // dialog starts on `startAt` when it is given (a path, or a name for the folder last
  // used), else on the file last chosen in it.
  virtual std::optional<std::string> ChooseFile(FileDialogId dialog, const std::string& startAt) = 0;
  std::optional<std::string> ChooseFile(FileDialogId dialog) { return ChooseFile(dialog, std::string()); }

  // The modal box owned by the window with caption "Error", the text, one OK button and
  // no icon: a command's own check refused the input.
  virtual void ShowErrorBox(const std::string& text) = 0;
};

}  // namespace tessary
