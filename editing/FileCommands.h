#pragma once
// The file commands that need the edit history besides the editor: quick saving to the
// skin's own file, "New" with its question, and the list of recent skins the Open and
// Import dialogs offer.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editing/Dialogs.h"
#include "editing/EditHistory.h"
#include "editing/SkinEditor.h"

namespace tessary {

// Ctrl+S: saves to the file the skin was last opened from or saved to, without a dialog;
// a skin without one goes through the Save dialog. True when the skin was written.
bool QuickSave(SkinEditor& editor, const EditHistory& history);

// "Save": the Save dialog, started on the current file's folder and name. True when written.
bool SaveWithDialog(SkinEditor& editor, const EditHistory& history);

// "New": the start-up skin, after asking whether to save unsaved changes (Save saves as
// Ctrl+S does and goes on only when it saved; Cancel stops). True when the skin was reset.
bool NewSkin(SkinEditor& editor, const EditHistory& history, Dialogs& dialogs);

// The last skins opened, imported or saved, most recent first, each once.
class RecentFiles {
 public:
  static constexpr std::size_t kMaxFiles = 10;

  explicit RecentFiles(std::vector<std::string> files = {});

  // Puts `path` first (an empty path is no file and changes nothing).
  void Add(const std::string& path);
  const std::vector<std::string>& Files() const { return files_; }
  // Those whose name ends in `suffix` (".skn", ".crs"), in any letter case.
  std::vector<std::string> WithSuffix(std::string_view suffix) const;

 private:
  std::vector<std::string> files_;
};

}  // namespace tessary
