#include "editing/SkinEditor.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "editing/CommandRunner.h"
#include "editing/ControlPanelLists.h"
#include "skin/Error.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/FileIo.h"
#include "skinfile/SkinFile.h"
#include "skinfile/StartupSkin.h"
#include "skinfile/TextEncoding.h"

namespace tessary {
namespace {

using enum RepaintTarget;

// The status-bar widgets are transparent over the bottom dock, which does not repaint its
// bars' child widgets when its background changes.
constexpr RepaintTarget kStatusBarWidgets[] = {fpStatusText, fpConnection, fpSecure, fpStopper, WBGauge};
// The bars whose captions show S, then the controls whose font colour is S.
constexpr RepaintTarget kCaptionBars[] = {tbtMainMenu, tbtButtons, tbtAddressBar, tbtSearchBar};
constexpr RepaintTarget kCaptionFonts[] = {lblAddress, lblSearchBar, fpStopper};

// Save refuses an old skin file's name (the message follows the "Cannot create file" one).
constexpr const char* kCannotWriteOldSkin =
    "Cannot create file %s: old skin files (.crs) are read, never written; save as a .skn file";

// An old skin file holds the image lists up to ilDown: the first six of the skin's lists.
constexpr std::size_t kOldSkinListCount = 6;

SkinParts PartOf(Background which) { return which == Background::bgTop ? kPartTopBackground : kPartBottomBackground; }

// More than one list changes when a whole file was read (or such a read is undone).
bool ChangesAWholeSkin(SkinParts parts) {
  const SkinParts lists = parts & kPartImageLists;
  return (lists & (lists - 1)) != 0;
}

// A BMP file begins with "BM"; zero bytes are the empty picture the BMP reader gives.
bool IsBmpOrEmpty(std::span<const std::uint8_t> bytes) {
  return bytes.empty() || (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M');
}

}  // namespace

SkinEditor::SkinEditor(Skin& skin, CommandDialogs& dialogs, SkinView& view)
    : skin_(skin), dialogs_(dialogs), view_(view), colorBoxEntries_(ColorBoxStandardEntries()) {
  EnsureColorBoxEntry(skin_.textColour);
}

// --- Image slots ---

bool SkinEditor::TakesSlot(ImageSlotCommand command, int slot) const {
  const ImageSlotRule& rule = RuleOf(command);
  const int count = (skin_.*rule.list).ImageCount();
  const bool appends = rule.store == StoreRule::kReplaceOrAppend && slot >= count;
  return slot >= 0 && (slot < count || appends);
}

void SkinEditor::CheckSlot(const ImageSlotRule& rule, int slot) const {
  if (!TakesSlot(rule.command, slot)) Fail(msg::kUnableToReplaceImage);
}

void SkinEditor::ReplaceImageSlot(ImageSlotCommand command, int slot) {
  // A slot the list cannot take is refused before the user picks a file for it.
  CheckSlot(RuleOf(command), slot);
  if (const auto path = dialogs_.ChooseFile(FileDialogId::OpenDialog)) ReplaceImageSlotFromFile(command, slot, *path);
}

void SkinEditor::ReplaceImageSlotFromFile(ImageSlotCommand command, int slot, const std::string& path) {
  const PicturePlace place = PicturePlace::Slot(command, slot);
  if (ReplaceImageSlotWith(command, slot, ReadPicture(place, path))) pictureTaken_.Emit(place, path);
}

bool SkinEditor::ReplaceImageSlotWith(ImageSlotCommand command, int slot, const Bitmap& picture) {
  return ReplaceImageSlotWith(command, slot, PlacePicture{picture, {}});
}

bool SkinEditor::ReplaceImageSlotWith(ImageSlotCommand command, int slot, const PlacePicture& picture) {
  const ImageSlotRule& rule = RuleOf(command);
  if (picture.bitmap.Width() != rule.width || picture.bitmap.Height() != rule.height) {
    dialogs_.ShowErrorBox(WrongSizeMessage(rule));
    return false;
  }
  CheckSlot(rule, slot);
  ImageList& list = skin_.*rule.list;
  const SkinParts parts = PartOfList(skin_, list);
  beforeChange_.Emit(parts);
  // A short list gets the image at its end, which is not `slot` when more than one is
  // missing: the list never has holes.
  list.SetImage(std::min(slot, list.ImageCount()),
                std::make_shared<const ImageList::Image>(StoredImage(PicturePlace::Slot(command, slot), picture)));
  Show(parts);
  changed_.Emit(parts);
  return true;
}

// --- Any place that holds a picture ---

PlacePicture SkinEditor::ReadPicture(const PicturePlace& place, const std::string& path) {
  return LoadPicture(path, place);
}

void SkinEditor::TakePictureFromFile(const PicturePlace& place, const std::string& path) {
  if (place.IsSlot()) {
    ReplaceImageSlotFromFile(place.command, place.slot, path);
  } else {
    ChangeBackgroundFromFile(place.background, path);
  }
}

bool SkinEditor::PutPicture(const PicturePlace& place, const PlacePicture& picture) {
  if (place.IsSlot()) return ReplaceImageSlotWith(place.command, place.slot, picture);
  SetBackgroundPicture(place.background, picture.bitmap);
  return true;
}

void SkinEditor::ChangeParts(SkinParts parts, const std::function<void()>& change) {
  beforeChange_.Emit(parts);
  change();
  Show(parts);
  changed_.Emit(parts);
}

std::vector<std::uint8_t> SkinEditor::EncodePng(const AlphaPicture& picture) const {
  std::vector<std::uint8_t> bytes;
  if (encoder_) bytes = encoder_(picture);
  if (bytes.empty()) Fail(msg::kStreamWriteError);
  return bytes;
}

// --- Backgrounds ---

void SkinEditor::ChangeBackground(Background which) {
  const auto path = dialogs_.ChooseFile(FileDialogId::OpenDialog);
  if (!path) {
    Show(PartOf(which));  // the status-bar widgets repaint also when nothing was chosen
    return;
  }
  ChangeBackgroundFromFile(which, *path);
}

void SkinEditor::ChangeBackgroundFromFile(Background which, const std::string& path) {
  const PicturePlace place = PicturePlace::Of(which);
  SetBackgroundPicture(which, ReadPicture(place, path).bitmap);
  pictureTaken_.Emit(place, path);
}

void SkinEditor::SetBackgroundPicture(Background which, const Bitmap& picture) {
  // Refused before anything is recorded for Undo.
  if (!FitsBackground(picture)) Fail(msg::kBitmapNotValid);
  const SkinParts parts = PartOf(which);
  beforeChange_.Emit(parts);
  BackgroundOf(skin_, which).SetBitmap(picture);  // tells the docks
  Show(parts);
  changed_.Emit(parts);
}

void SkinEditor::SetBackgroundStretch(Background which, bool stretched) {
  TTBBackground& background = BackgroundOf(skin_, which);
  const SkinParts parts = PartOf(which);
  const bool changes = background.StretchBitmap() != stretched;
  if (changes) beforeChange_.Emit(parts);
  background.SetStretchBitmap(stretched);
  Show(parts);
  if (changes) changed_.Emit(parts);
}

PlacePicture SkinEditor::LoadPicture(const std::string& path, const PicturePlace& place) {
  const SharedBytes bytes = ReadFileBytes(path);
  if (decoder_ && !IsBmpOrEmpty(bytes.Span())) {
    if (const std::optional<AlphaPicture> decoded = decoder_(bytes.Span())) return FlattenFor(place, *decoded);
  }
  // A BMP, or a file no decoder reads: the BMP reader's message says why it is refused.
  return {ReadBmp(bytes), {}};
}

// --- Colours and theme ---

int SkinEditor::EnsureColorBoxEntry(Colour colour) {
  const int index = ColorBoxIndex(colorBoxEntries_, colour);
  if (index >= 0) return index;
  // A colour the list does not offer is added, so that it stays selected, keeps painting
  // the captions and is saved as it came.
  colorBoxEntries_.push_back(ColorBoxEntryFor(colour));
  return static_cast<int>(colorBoxEntries_.size()) - 1;
}

void SkinEditor::ShowCaptionColour() {
  view_.SetSkinTextColour(skin_.textColour);
  for (RepaintTarget target : kCaptionBars) view_.Repaint(target);
  for (RepaintTarget target : kCaptionFonts) view_.SetFontColour(target, skin_.textColour);
}

void SkinEditor::SetCaptionColour(Colour colour) {
  const bool changes = skin_.textColour != colour;
  if (changes) beforeChange_.Emit(kPartTextColour);
  skin_.textColour = colour;
  // S is set even when the selection did not change the stored colour: at start-up S is
  // clBtnText while ColorBox shows clWindowText.
  Show(kPartTextColour);
  if (changes) changed_.Emit(kPartTextColour);
}

void SkinEditor::SetProgressColour(Colour colour) {
  const bool changes = skin_.gaugeColour != colour;
  if (changes) beforeChange_.Emit(kPartGaugeColour);
  skin_.gaugeColour = colour;
  Show(kPartGaugeColour);
  if (changes) changed_.Emit(kPartGaugeColour);
}

void SkinEditor::ApplyTheme(const std::string& name) {
  const bool changes = skin_.themeName != name;
  if (changes) beforeChange_.Emit(kPartThemeName);
  skin_.themeName = name;
  // Applied even when the name is the stored one: at start-up the list selects "MonaiXP"
  // while the preview still shows "Default".
  Show(kPartThemeName);
  if (changes) changed_.Emit(kPartThemeName);
}

// --- Files ---

bool SkinEditor::Save(const std::string& startAt) {
  std::string at = startAt;
  for (;;) {
    const auto path = dialogs_.ChooseFile(FileDialogId::SaveDialog, at);
    if (!path) return false;
    // A name Save refuses is a wrong input the command checks, not a failure: say why in
    // the "Error" box, then ask again on the refused name, to be corrected.
    if (SavesOverOldSkinFile(*path)) {
      dialogs_.ShowErrorBox(ErrorBoxText(FormatMessage(kCannotWriteOldSkin, {*path})));
      at = *path;
      continue;
    }
    SaveToFile(*path);
    return true;
  }
}

void SkinEditor::SaveToFile(const std::string& path) {
  // Old skin files are read, never written: a skin file under a .crs name (or through a
  // link to one) would replace the user's old skin with a file Import Old Skins cannot read.
  if (SavesOverOldSkinFile(path)) Fail(kCannotWriteOldSkin, {path});
  // The skin's text colour, gauge colour and theme name are what ColorBox, dfsColorButton
  // and ListBox1 show: every change of those controls runs a command that keeps them so.
  SaveSkinFile(path, skin_);
  savedOrOpened_.Emit(path, FileEvent::kSaved);
}

bool SkinEditor::Open() {
  const auto path = dialogs_.ChooseFile(FileDialogId::SknOpenDialog);
  if (path) OpenFromFile(*path);
  return path.has_value();
}

void SkinEditor::OpenFromFile(const std::string& path) {
  ReadInto(ReadSkinFileBytes(path, SkinFileFormat::kSkn), FileKind::kSkin);
  savedOrOpened_.Emit(path, FileEvent::kOpened);
}

void SkinEditor::OpenFromBytes(std::span<const std::uint8_t> bytes) {
  ReadInto(SharedBytes::Copy(bytes), FileKind::kSkin);
}

void SkinEditor::ImportOldSkins() {
  if (const auto path = dialogs_.ChooseFile(FileDialogId::CRSOpenDialog)) ImportFromFile(*path);
}

void SkinEditor::ImportFromFile(const std::string& path) {
  ReadInto(ReadSkinFileBytes(path, SkinFileFormat::kCrs), FileKind::kOldSkin);
  savedOrOpened_.Emit(path, FileEvent::kImported);
}

void SkinEditor::ImportFromBytes(std::span<const std::uint8_t> bytes) {
  ReadInto(SharedBytes::Copy(bytes), FileKind::kOldSkin);
}

void SkinEditor::NewSkin() {
  Skin fresh;
  LoadStartupSkin(fresh);
  ChangeParts(kPartsAll, [&] { skin_.Assign(fresh); });
  savedOrOpened_.Emit(std::string(), FileEvent::kNew);
}

void SkinEditor::ReadInto(const SharedBytes& bytes, FileKind kind) {
  const bool skinFile = kind == FileKind::kSkin;
  // Read completely into a copy: a failure anywhere leaves the skin as it was.
  Skin read(skin_);
  ReadSkinFile(bytes, skinFile ? SkinFileFormat::kSkn : SkinFileFormat::kCrs, read);

  SkinParts parts = kPartTopBackground | kPartBottomBackground;
  const std::size_t listCount = skinFile ? read.ImageLists().size() : kOldSkinListCount;
  for (std::size_t i = 0; i < listCount; ++i) parts |= kPartFirstImageList << i;
  if (skinFile) {
    parts |= kPartTextColour | kPartGaugeColour;
    // A name that differs from a list entry only in letter case is that entry (the theme
    // switch finds it so too); a name the list does not hold leaves the theme and the
    // list as they were, so a later save keeps the list's name.
    if (const std::optional<std::string_view> theme = ThemeListEntryFor(read.themeName)) {
      read.themeName = std::string(*theme);
      parts |= kPartThemeName;
    } else {
      read.themeName = skin_.themeName;
    }
  }

  beforeChange_.Emit(parts);
  skin_.Assign(read);
  Show(parts);
  changed_.Emit(parts);
}

// --- Undo and redo ---

SkinSnapshot SkinEditor::Snapshot(SkinParts parts) const {
  return SkinSnapshot(skin_, parts, view_.ShownTheme(), colorBoxEntries_.size());
}

void SkinEditor::Restore(const SkinSnapshot& snapshot) {
  const SkinParts parts = snapshot.Parts();
  beforeChange_.Emit(parts);
  snapshot.ApplyTo(skin_);
  // Colours a skin file brought to ColorBox leave with the Open that brought them; the
  // colour put back is added again below when the list no longer has it.
  if ((parts & kPartTextColour) && snapshot.ColourEntries() < colorBoxEntries_.size())
    colorBoxEntries_.resize(snapshot.ColourEntries());
  Show(parts, snapshot.ShownTheme());
  // The command that made the change found its control already showing it; going back,
  // the radio boxes, ColorBox, the colour button and ListBox1 must follow.
  if (!ChangesAWholeSkin(parts)) view_.ShowControls(Controls());
  changed_.Emit(parts);
}

// --- Showing a change ---

void SkinEditor::Show(SkinParts parts, const std::string& theme) {
  if (parts & kPartThemeName) view_.SwitchTheme(theme);
  if (parts & kPartGaugeColour) view_.SetGaugeColour(skin_.gaugeColour);
  if (parts & kPartTextColour) {
    EnsureColorBoxEntry(skin_.textColour);
    ShowCaptionColour();
  }
  if (ChangesAWholeSkin(parts)) {
    // A whole skin: the controls show what was read, and every control of the preview and
    // the panel repaints with the new images (the window-control buttons, the samples and
    // the image combo boxes do not follow their lists).
    view_.ShowControls(Controls());
    view_.Repaint(frmMain);
    return;
  }
  for (const ImageSlotRule& rule : ImageSlotRules()) {
    if (parts & PartOfList(skin_, skin_.*rule.list))
      for (RepaintTarget target : rule.repaint) view_.Repaint(target);
  }
  // The status-bar widgets are transparent over the bottom dock, which does not repaint its
  // bars' child widgets when its background changes (the top dock's bars have none).
  if (parts & kPartBottomBackground)
    for (RepaintTarget target : kStatusBarWidgets) view_.Repaint(target);
}

// --- What the control panel shows ---

ControlState SkinEditor::Controls() const {
  ControlState state;
  state.topStretch = skin_.bgTop.StretchBitmap();
  state.bottomStretch = skin_.bgBottom.StretchBitmap();
  state.colorBoxEntries = colorBoxEntries_;
  state.colorBoxIndex = ColorBoxIndex(colorBoxEntries_, skin_.textColour);
  state.buttonColour = skin_.gaugeColour;
  state.themeIndex = ThemeListIndex(skin_.themeName);
  return state;
}

}  // namespace tessary
