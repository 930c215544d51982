#pragma once
// The actions of a place's context menu (a sample, a sample toolbar item, the entry
// selected in an image drop-down list, a background button): replace, export, copy,
// paste, revert to the start-up image, remove a background's picture, and the live link
// (edit externally, unlink). Each that changes the skin is one command, one undo step.
// The menu itself is data: its entries in order with their captions, each enabled when
// it can apply to the place (never left out).
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "editing/CommandDialogs.h"
#include "editing/EditingServices.h"
#include "editing/LiveLinks.h"
#include "editing/PicturePlace.h"
#include "editing/SkinEditor.h"

namespace tessary {

enum class PictureAction {
  kReplace,          // "Replace Image...": what a click on the place does
  kExport,           // "Export Image...": PNG with alpha, or BMP by the chosen filter
  kCopy,             // "Copy Image": the clipboard, with alpha
  kPaste,            // "Paste Image": the clipboard's picture, by the size rule
  kRevertToDefault,  // "Revert to Default": the start-up skin's image for the slot
  kRemovePicture,    // "Remove Picture": a background without picture
  kEditExternally,   // "Edit Externally": a working file, an image editor, a live link
  kUnlink,           // "Unlink": the place follows its file no more
};

struct PictureMenuEntry {
  PictureAction action;
  const char* caption;
  bool separatorBefore;  // starts a group
  bool enabled;
};

class PictureActions {
 public:
  PictureActions(SkinEditor& editor, CommandDialogs& dialogs, PictureClipboard& clipboard, LiveLinks& links);

  // The place's menu: every entry its kind has, in order, enabled when it can apply.
  std::vector<PictureMenuEntry> Menu(const PicturePlace& place) const;
  bool CanRun(PictureAction action, const PicturePlace& place) const;
  // Runs the entry's action (inside the caller's error handler).
  void Run(PictureAction action, const PicturePlace& place);

  // The actions one by one. Export asks for a file (PNG unless the name ends in ".bmp");
  // true when one was written.
  bool Export(const PicturePlace& place);
  void ExportToFile(const PicturePlace& place, const std::string& path);
  void Copy(const PicturePlace& place);
  void Paste(const PicturePlace& place);
  void RevertToDefault(const PicturePlace& place);

  // The start-up skin the defaults come from (read once, when first needed).
  const Skin& Defaults() const;

 private:
  SkinEditor& editor_;
  CommandDialogs& dialogs_;
  PictureClipboard& clipboard_;
  LiveLinks& links_;
  mutable std::unique_ptr<Skin> defaults_;
};

}  // namespace tessary
