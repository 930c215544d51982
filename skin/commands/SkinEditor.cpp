#include "skin/commands/SkinEditor.h"

#include <optional>
#include <string_view>

#include "skin/Error.h"
#include "skin/commands/ControlPanelLists.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/SkinFile.h"

namespace tessary {
namespace {

using enum RepaintTarget;

// The status-bar widgets are transparent over the bottom dock, which does not repaint its
// bars' child widgets when its background changes.
constexpr RepaintTarget kStatusBarWidgets[] = {fpStatusText, fpConnection, fpSecure, fpStopper, WBGauge};
// The bars whose captions show S, then the controls whose font colour is S.
constexpr RepaintTarget kCaptionBars[] = {tbtMainMenu, tbtButtons, tbtAddressBar, tbtSearchBar};
constexpr RepaintTarget kCaptionFonts[] = {lblAddress, lblSearchBar, fpStopper};

// An old skin file holds the image lists up to ilDown: the first six of the skin's lists.
constexpr std::size_t kOldSkinListCount = 6;

}  // namespace

SkinParts PartOfList(const Skin& skin, const ImageList& list) {
  const auto lists = skin.ImageLists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (lists[i] == &list) return kPartFirstImageList << i;
  }
  return 0;
}

SkinEditor::SkinEditor(Skin& skin, CommandDialogs& dialogs, SkinView& view)
    : skin_(skin), dialogs_(dialogs), view_(view), colorBoxEntries_(ColorBoxStandardEntries()) {
  EnsureColorBoxEntry(skin_.textColour);
}

// --- Image slots ---

void SkinEditor::CheckSlot(const ImageSlotRule& rule, int slot) const {
  const int count = (skin_.*rule.list).ImageCount();
  const bool appends = rule.store == StoreRule::kReplaceOrAppend && slot >= count;
  if (slot < 0 || (slot >= count && !appends)) Fail(msg::kUnableToReplaceImage);
}

void SkinEditor::ReplaceImageSlot(ImageSlotCommand command, int slot) {
  // A slot the list cannot take is refused before the user picks a file for it.
  CheckSlot(RuleOf(command), slot);
  if (const auto path = dialogs_.ChooseFile(FileDialogId::OpenDialog)) ReplaceImageSlotFromFile(command, slot, *path);
}

void SkinEditor::ReplaceImageSlotFromFile(ImageSlotCommand command, int slot, const std::string& path) {
  ReplaceImageSlotWith(command, slot, LoadBmpFile(path));
}

void SkinEditor::ReplaceImageSlotWith(ImageSlotCommand command, int slot, const Bitmap& picture) {
  const ImageSlotRule& rule = RuleOf(command);
  if (picture.Width() != rule.width || picture.Height() != rule.height) {
    dialogs_.ShowErrorBox(WrongSizeMessage(rule));
    return;
  }
  CheckSlot(rule, slot);
  ImageList& list = skin_.*rule.list;
  const SkinParts parts = PartOfList(skin_, list);
  beforeChange_.Emit(parts);
  // A short list gets the image at its end, which is not `slot` when more than one is
  // missing: the list never has holes.
  if (slot >= list.ImageCount()) {
    list.AppendImage(picture, rule.maskColour);
  } else {
    list.ReplaceImage(slot, picture, rule.maskColour);
  }
  for (RepaintTarget target : rule.repaint) view_.Repaint(target);
  changed_.Emit(parts);
}

// --- Backgrounds ---

TTBBackground& SkinEditor::BackgroundOf(Background which) {
  return which == Background::bgTop ? skin_.bgTop : skin_.bgBottom;
}

void SkinEditor::RepaintAfterBackground(Background which) {
  if (which != Background::bgBottom) return;  // the top dock's bars have no such widgets
  for (RepaintTarget target : kStatusBarWidgets) view_.Repaint(target);
}

void SkinEditor::ChangeBackground(Background which) {
  const auto path = dialogs_.ChooseFile(FileDialogId::OpenDialog);
  if (!path) {
    RepaintAfterBackground(which);
    return;
  }
  ChangeBackgroundFromFile(which, *path);
}

void SkinEditor::ChangeBackgroundFromFile(Background which, const std::string& path) {
  SetBackgroundPicture(which, LoadBmpFile(path));
}

void SkinEditor::SetBackgroundPicture(Background which, const Bitmap& picture) {
  const SkinParts parts = which == Background::bgTop ? kPartTopBackground : kPartBottomBackground;
  beforeChange_.Emit(parts);
  BackgroundOf(which).SetBitmap(picture);  // tells the docks
  RepaintAfterBackground(which);
  changed_.Emit(parts);
}

void SkinEditor::SetBackgroundStretch(Background which, bool stretched) {
  TTBBackground& background = BackgroundOf(which);
  const SkinParts parts = which == Background::bgTop ? kPartTopBackground : kPartBottomBackground;
  const bool changes = background.StretchBitmap() != stretched;
  if (changes) beforeChange_.Emit(parts);
  background.SetStretchBitmap(stretched);
  RepaintAfterBackground(which);
  if (changes) changed_.Emit(parts);
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
  EnsureColorBoxEntry(colour);
  const bool changes = skin_.textColour != colour;
  if (changes) beforeChange_.Emit(kPartTextColour);
  skin_.textColour = colour;
  // S is set even when the selection did not change the stored colour: at start-up S is
  // clBtnText while ColorBox shows clWindowText.
  ShowCaptionColour();
  if (changes) changed_.Emit(kPartTextColour);
}

void SkinEditor::SetProgressColour(Colour colour) {
  const bool changes = skin_.gaugeColour != colour;
  if (changes) beforeChange_.Emit(kPartGaugeColour);
  skin_.gaugeColour = colour;
  view_.SetGaugeColour(colour);
  if (changes) changed_.Emit(kPartGaugeColour);
}

void SkinEditor::ApplyTheme(const std::string& name) {
  const bool changes = skin_.themeName != name;
  if (changes) beforeChange_.Emit(kPartThemeName);
  skin_.themeName = name;
  // Applied even when the name is the stored one: at start-up the list selects "MonaiXP"
  // while the preview still shows "Default".
  view_.SwitchTheme(name);
  if (changes) changed_.Emit(kPartThemeName);
}

// --- Files ---

bool SkinEditor::Save() {
  const auto path = dialogs_.ChooseFile(FileDialogId::SaveDialog);
  if (path) SaveToFile(*path);
  return path.has_value();
}

void SkinEditor::SaveToFile(const std::string& path) {
  // The skin's text colour, gauge colour and theme name are what ColorBox, dfsColorButton
  // and ListBox1 show: every change of those controls runs a command that keeps them so.
  SaveSkinFile(path, skin_);
}

bool SkinEditor::Open() {
  const auto path = dialogs_.ChooseFile(FileDialogId::SknOpenDialog);
  if (path) OpenFromFile(*path);
  return path.has_value();
}

void SkinEditor::OpenFromFile(const std::string& path) { OpenFromBytes(ReadWholeFile(path)); }

void SkinEditor::OpenFromBytes(std::span<const std::uint8_t> bytes) { ReadInto(bytes, FileKind::kSkin); }

void SkinEditor::ImportOldSkins() {
  if (const auto path = dialogs_.ChooseFile(FileDialogId::CRSOpenDialog)) ImportFromFile(*path);
}

void SkinEditor::ImportFromFile(const std::string& path) { ImportFromBytes(ReadWholeFile(path)); }

void SkinEditor::ImportFromBytes(std::span<const std::uint8_t> bytes) { ReadInto(bytes, FileKind::kOldSkin); }

void SkinEditor::ReadInto(std::span<const std::uint8_t> bytes, FileKind kind) {
  const bool skinFile = kind == FileKind::kSkin;
  // Read completely into a copy: a failure anywhere leaves the skin as it was.
  Skin read(skin_);
  ReadSkinFile(bytes, skinFile ? SkinFileFormat::kSkn : SkinFileFormat::kCrs, read);

  SkinParts parts = kPartTopBackground | kPartBottomBackground;
  const std::size_t listCount = skinFile ? read.ImageLists().size() : kOldSkinListCount;
  for (std::size_t i = 0; i < listCount; ++i) parts |= kPartFirstImageList << i;
  std::optional<std::string_view> theme;
  if (skinFile) {
    parts |= kPartTextColour | kPartGaugeColour | kPartThemeName;
    // A name that differs from a list entry only in letter case is that entry (the theme
    // switch finds it so too); a name the list does not hold leaves the theme and the
    // list as they were, so a later save keeps the list's name.
    theme = ThemeListEntryFor(read.themeName);
    read.themeName = theme ? std::string(*theme) : skin_.themeName;
  }

  beforeChange_.Emit(parts);
  skin_.Assign(read);
  if (skinFile) {
    if (theme) view_.SwitchTheme(skin_.themeName);
    EnsureColorBoxEntry(skin_.textColour);
    view_.SetGaugeColour(skin_.gaugeColour);
    ShowCaptionColour();
  }
  view_.ShowControls(Controls());
  // The window-control buttons, the samples and the image combo boxes do not follow their
  // lists: everything shows the new skin.
  view_.Repaint(frmMain);
  changed_.Emit(parts);
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
