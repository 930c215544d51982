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
};

class CommandDialogs {
 public:
  virtual ~CommandDialogs() = default;

  // Shows the dialog modally; the chosen path (UTF-8), or nothing when cancelled.
  virtual std::optional<std::string> ChooseFile(FileDialogId dialog) = 0;

  // The modal box owned by the window with caption "Error", the text, one OK button and
  // no icon: a command's own check refused the input.
  virtual void ShowErrorBox(const std::string& text) = 0;
};

}  // namespace tessary
