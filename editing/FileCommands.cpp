#include "editing/FileCommands.h"

#include <algorithm>

#include "skin/AsciiText.h"

namespace tessary {

bool QuickSave(SkinEditor& editor, const EditHistory& history) {
  if (history.File().empty()) return editor.Save();
  editor.SaveToFile(history.File());
  return true;
}

bool SaveWithDialog(SkinEditor& editor, const EditHistory& history) { return editor.Save(history.File()); }

bool NewSkin(SkinEditor& editor, const EditHistory& history, Dialogs& dialogs) {
  if (history.Modified()) {
    switch (dialogs.AskToSaveChanges()) {
      case SaveChanges::kSave:
        if (!QuickSave(editor, history)) return false;
        break;
      case SaveChanges::kDiscard: break;
      case SaveChanges::kCancel: return false;
    }
  }
  editor.NewSkin();
  return true;
}

RecentFiles::RecentFiles(std::vector<std::string> files) {
  for (auto it = files.rbegin(); it != files.rend(); ++it) Add(*it);
}

void RecentFiles::Add(const std::string& path) {
  if (path.empty()) return;
  std::erase(files_, path);
  files_.insert(files_.begin(), path);
  if (files_.size() > kMaxFiles) files_.resize(kMaxFiles);
}

std::vector<std::string> RecentFiles::WithSuffix(std::string_view suffix) const {
  std::vector<std::string> found;
  std::ranges::copy_if(files_, std::back_inserter(found),
                       [suffix](const std::string& file) { return EndsWithIgnoringCase(file, suffix); });
  return found;
}

}  // namespace tessary
