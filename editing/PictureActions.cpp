#include "editing/PictureActions.h"

#include <algorithm>

#include "skin/AsciiText.h"
#include "skin/Error.h"
#include "skinfile/FileIo.h"
#include "skinfile/StartupSkin.h"

namespace tessary {
namespace {

using enum PictureAction;

struct MenuRow {
  PictureAction action;
  const char* caption;
  bool forSlots;
  bool forBackgrounds;
  bool separatorBefore;
};
// clang-format off
constexpr MenuRow kMenu[] = {
    {kReplace,         "Replace Image...",  true,  false, false},
    {kExport,          "Export Image...",   true,  true,  false},
    {kCopy,            "Copy Image",        true,  true,  true},
    {kPaste,           "Paste Image",       true,  true,  false},
    {kRevertToDefault, "Revert to Default", true,  false, true},
    {kRemovePicture,   "Remove Picture",    false, true,  true},
    {kEditExternally,  "Edit Externally",   true,  true,  true},
    {kUnlink,          "Unlink",            true,  true,  false},
};
// clang-format on

constexpr const char* kBmpSuffix = ".bmp";
constexpr const char* kPngSuffix = ".png";

bool SameImage(const ImageList& list, int index, const ImageList& other) {
  if (list.SharedImage(index) == other.SharedImage(index)) return true;
  const ImageList::Image& a = list.ImageAt(index);
  const ImageList::Image& b = other.ImageAt(index);
  return a.pixels == b.pixels && a.mask == b.mask;
}

}  // namespace

PictureActions::PictureActions(SkinEditor& editor, CommandDialogs& dialogs, PictureClipboard& clipboard,
                               LiveLinks& links)
    : editor_(editor), dialogs_(dialogs), clipboard_(clipboard), links_(links) {}

const Skin& PictureActions::Defaults() const {
  if (!defaults_) {
    defaults_ = std::make_unique<Skin>();
    LoadStartupSkin(*defaults_);
  }
  return *defaults_;
}

std::vector<PictureMenuEntry> PictureActions::Menu(const PicturePlace& place) const {
  std::vector<PictureMenuEntry> entries;
  for (const MenuRow& row : kMenu) {
    if (place.IsSlot() ? !row.forSlots : !row.forBackgrounds) continue;
    entries.push_back({row.action, row.caption, row.separatorBefore && !entries.empty(), CanRun(row.action, place)});
  }
  return entries;
}

bool PictureActions::CanRun(PictureAction action, const PicturePlace& place) const {
  const Skin& skin = editor_.skin();
  const bool takes = !place.IsSlot() || editor_.TakesSlot(place.command, place.slot);
  switch (action) {
    case kReplace: return place.IsSlot() && takes;
    case kExport:
    case kCopy:
    case kEditExternally: return HasPicture(skin, place);
    case kPaste: return takes && clipboard_.HasPicture();
    case kRevertToDefault: {
      if (!place.IsSlot()) return false;
      const ImageList& defaults = ListOf(Defaults(), place);
      if (place.slot < 0 || place.slot >= defaults.ImageCount()) return false;
      return !HasPicture(skin, place) || !SameImage(ListOf(skin, place), place.slot, defaults);
    }
    case kRemovePicture: return !place.IsSlot() && HasPicture(skin, place);
    case kUnlink: return links_.LinkedFile(place).has_value();
  }
  return false;
}

void PictureActions::Run(PictureAction action, const PicturePlace& place) {
  switch (action) {
    case kReplace:
      if (place.IsSlot()) editor_.ReplaceImageSlot(place.command, place.slot);
      return;
    case kExport: Export(place); return;
    case kCopy: Copy(place); return;
    case kPaste: Paste(place); return;
    case kRevertToDefault: RevertToDefault(place); return;
    case kRemovePicture:
      if (!place.IsSlot()) editor_.SetBackgroundPicture(place.background, Bitmap());
      return;
    case kEditExternally: links_.EditExternally(place); return;
    case kUnlink: links_.Unlink(place); return;
  }
}

bool PictureActions::Export(const PicturePlace& place) {
  if (!HasPicture(editor_.skin(), place)) Fail(msg::kUnableToReplaceImage);
  const auto path = dialogs_.ChooseFile(FileDialogId::ExportDialog, PlaceFileName(editor_.skin(), place) + kPngSuffix);
  if (path) ExportToFile(place, *path);
  return path.has_value();
}

void PictureActions::ExportToFile(const PicturePlace& place, const std::string& path) {
  const Skin& skin = editor_.skin();
  if (!HasPicture(skin, place)) Fail(msg::kUnableToReplaceImage);
  // What the chosen filter gave the name: a BMP as the place keeps it, else a PNG with alpha.
  const std::vector<std::uint8_t> bytes = EndsWithIgnoringCase(path, kBmpSuffix)
                                              ? PictureAsBmp(skin, place)
                                              : editor_.EncodePng(PictureWithAlpha(skin, place));
  const std::span<const std::uint8_t> pieces[] = {bytes};
  WriteFileSafely(path, pieces);
}

void PictureActions::Copy(const PicturePlace& place) {
  if (!HasPicture(editor_.skin(), place)) Fail(msg::kUnableToReplaceImage);
  clipboard_.SetPicture(PictureWithAlpha(editor_.skin(), place));
}

void PictureActions::Paste(const PicturePlace& place) {
  const std::optional<AlphaPicture> picture = clipboard_.Picture();
  if (!picture) return;
  // Through the place's command: the size rule and its message, as for a file.
  editor_.PutPicture(place, FlattenFor(place, *picture));
}

void PictureActions::RevertToDefault(const PicturePlace& place) {
  if (!place.IsSlot()) return;
  const ImageList& defaults = ListOf(Defaults(), place);
  if (place.slot < 0 || place.slot >= defaults.ImageCount()) Fail(msg::kUnableToReplaceImage);
  ImageList& list = ListOf(editor_.skin(), place);
  // A skin file may have given the list another image size: its images are not the defaults'.
  if (list.Width() != defaults.Width() || list.Height() != defaults.Height()) Fail(msg::kUnableToReplaceImage);
  editor_.ChangeParts(PartOfList(editor_.skin(), list), [&] {
    // A list that stops short of the slot gets the start-up images up to it: a list has no
    // holes, and those slots showed nothing.
    for (int i = list.ImageCount(); i < place.slot; ++i) list.SetImage(i, defaults.SharedImage(i));
    list.SetImage(place.slot, defaults.SharedImage(place.slot));
  });
}

}  // namespace tessary
