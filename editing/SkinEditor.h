#pragma once
// The editing commands of the editor window, written once against two small interfaces:
// CommandDialogs (choose a file, the "Error" box) and SkinView (repaint named controls, S,
// the gauge, the theme, the control panel). The window wires each control to one call
// here and wraps every call in the error handler (editing/CommandRunner.h); tests drive
// the same calls through the scripted dialogs.
//
// Errors: a wrong size is the command's own check and shows the "Error" box; everything
// else (unreadable files, bitmap errors, a slot outside its list, failed writes) is thrown
// as SkinError with the program's message, and the skin is then exactly as before.
//
// Every command that takes a file has three levels, so that other callers can skip the
// dialog (a dropped file) or the file (a picture decoded elsewhere): X() asks with the
// dialog, XFromFile(path) reads the file, and the last level takes the data.
//
// Picture files are BMP files, read as they are stored; with a PictureDecoder every other
// format it reads is taken too, its alpha made into the target's transparency
// (AlphaPicture.h): the list's transparent colour for a masked list, fuchsia for a
// system-button list, nothing for a background.
//
// Every change tells OnBeforeChange and OnChanged which parts it touches, and shows them
// through one path (Show) that Restore, the edit history's undo and redo, runs too.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editing/CommandDialogs.h"
#include "editing/EditingServices.h"
#include "editing/ImageSlotCommands.h"
#include "editing/PicturePlace.h"
#include "editing/SkinSnapshot.h"
#include "editing/SkinView.h"
#include "skin/AlphaPicture.h"
#include "skin/Bitmap.h"
#include "skin/Signal.h"
#include "skin/Skin.h"

namespace tessary {

// What happened between the skin and a file: it was written there (the skin equals the
// file), read from there (likewise), imported from an old skin file (the skin holds what
// it held, but cannot be saved there), or the skin was made new (it equals no file).
enum class FileEvent { kSaved, kOpened, kImported, kNew };

// Decodes a picture file of a format other than BMP (PNG, JPEG, ...) into pixels with
// alpha; nothing when it cannot. The platform layer provides one (through Qt).
using PictureDecoder = std::function<std::optional<AlphaPicture>(std::span<const std::uint8_t> bytes)>;

class SkinEditor {
 public:
  // The editor works on `skin` (owned by the window) and keeps references to all three.
  SkinEditor(Skin& skin, CommandDialogs& dialogs, SkinView& view);

  Skin& skin() { return skin_; }
  const Skin& skin() const { return skin_; }

  // Lets the picture commands read the formats `decoder` reads besides BMP.
  void SetPictureDecoder(PictureDecoder decoder) { decoder_ = std::move(decoder); }
  // Lets the commands that write pictures write PNG files.
  void SetPictureEncoder(PictureEncoder encoder) { encoder_ = std::move(encoder); }
  // The PNG bytes of a picture ("Stream write error" without an encoder or when it fails).
  std::vector<std::uint8_t> EncodePng(const AlphaPicture& picture) const;

  // --- Image slots (the sample buttons and toolbar items, the two "Change..." buttons) ---

  // The slot's command: `slot` is the ImageIndex of the clicked sample's command, or the
  // entry selected in cbPages / cbOther. A slot the list cannot take is refused before
  // the dialog opens ("Unable to Replace Image").
  void ReplaceImageSlot(ImageSlotCommand command, int slot);
  // The same with a chosen file instead of the dialog.
  void ReplaceImageSlotFromFile(ImageSlotCommand command, int slot, const std::string& path);
  // The same with a picture: a wrong size shows the command's message in the "Error" box
  // and changes nothing; otherwise stores it and repaints what the command names.
  // True when stored.
  bool ReplaceImageSlotWith(ImageSlotCommand command, int slot, const Bitmap& picture);
  bool ReplaceImageSlotWith(ImageSlotCommand command, int slot, const PlacePicture& picture);
  // Whether the slot command can store a picture at `slot` (it exists, or the list appends).
  bool TakesSlot(ImageSlotCommand command, int slot) const;

  // --- Backgrounds ---

  // btnTopClick / btnBottomClick: a bitmap of any size becomes the dock's picture; a file
  // of zero bytes removes the picture. The bottom one repaints the status-bar widgets,
  // also when the dialog was cancelled.
  void ChangeBackground(Background which);
  void ChangeBackgroundFromFile(Background which, const std::string& path);
  void SetBackgroundPicture(Background which, const Bitmap& picture);

  // --- Any place that holds a picture ---

  // Reads a picture file for the place, by its transparency rule; errors as the commands'.
  PlacePicture ReadPicture(const PicturePlace& place, const std::string& path);
  // The place's command with a chosen file: ReplaceImageSlotFromFile or ChangeBackgroundFromFile.
  void TakePictureFromFile(const PicturePlace& place, const std::string& path);
  // The place's command with a picture; false when the size rule refused it (the "Error"
  // box was shown, nothing changed).
  bool PutPicture(const PicturePlace& place, const PlacePicture& picture);
  // Runs `change`, which changes `parts` of the skin in place, as one command: observers
  // are told before and after, and the view shows the parts.
  void ChangeParts(SkinParts parts, const std::function<void()>& change);

  // rbTopTileClick / rbBottomTileClick: `stretched` is the checked state of the group's
  // "Stretch" radio box.
  void SetBackgroundStretch(Background which, bool stretched);

  // --- Colours and theme ---

  // ColorBoxChange: the colour of the entry now selected in ColorBox becomes the skin's
  // text colour and S; repaints the four bars that show it and sets the three fonts. (A
  // colour ColorBoxEntries() lacks is added to them, for the next Controls() to show.)
  void SetCaptionColour(Colour colour);
  // dfsColorButtonColorChange: dfsColorButton's new colour becomes the gauge's bar colour.
  void SetProgressColour(Colour colour);
  // ListBox1Click: the text of the entry now selected in ListBox1 becomes the skin's theme
  // name and is applied through the theme switch.
  void ApplyTheme(const std::string& name);

  // --- Files ---

  // btnSaveClick: writes the skin as the controls show it; an existing file is replaced
  // only by a complete new one. An old skin file's name is refused with a message and the
  // dialog asks again, offering that name. True when a file was written (not cancelled).
  // The dialog starts on `startAt` (the current file) when one is given.
  bool Save(const std::string& startAt = {});
  void SaveToFile(const std::string& path);
  // XP_Button3Click: reads a .skn completely, then takes it over and makes the preview
  // and the controls show it. Any failure leaves the skin and every control as before.
  // True when a file was read (not cancelled).
  bool Open();
  void OpenFromFile(const std::string& path);
  void OpenFromBytes(std::span<const std::uint8_t> bytes);
  // btnOpenClick: the same for an old .crs skin: backgrounds, stretch flags and the six
  // lists it holds; the other lists, the colours and the theme stay.
  void ImportOldSkins();
  void ImportFromFile(const std::string& path);
  void ImportFromBytes(std::span<const std::uint8_t> bytes);
  // "New": the skin the editor starts with, as one change; the skin then equals no file.
  void NewSkin();

  // --- Undo and redo ---

  // A copy of `parts` of the skin as the window shows it (the theme as the preview shows it).
  SkinSnapshot Snapshot(SkinParts parts) const;
  // Puts back the parts a snapshot holds and shows them through the same path as the
  // commands that changed them, then makes the control panel show the skin. Tells
  // OnBeforeChange and OnChanged like any change.
  void Restore(const SkinSnapshot& snapshot);

  // --- What the control panel shows ---

  // The radio boxes, ColorBox, dfsColorButton and ListBox1 for the current skin. The
  // window applies it at start-up; Open and Import apply it through the view.
  ControlState Controls() const;
  // ColorBox's entries: the 50 standard ones, then every colour a skin file brought that
  // they do not offer, in the order they came (an undone Open takes its colour away).
  std::span<const ColorBoxEntry> ColorBoxEntries() const { return colorBoxEntries_; }

  // --- Change notices ---

  // Called with the parts about to change, once the command has everything it needs (a
  // cancelled, refused or failed command sends nothing).
  [[nodiscard]] Connection OnBeforeChange(std::function<void(SkinParts)> observer) {
    return beforeChange_.Connect(std::move(observer));
  }
  // Called with the parts that changed, after the skin and the view were updated.
  [[nodiscard]] Connection OnChanged(std::function<void(SkinParts)> observer) {
    return changed_.Connect(std::move(observer));
  }
  // Called with the file's path once Save wrote the skin, Open read it or Import Old Skins
  // imported it, or with an empty path once New made the skin (after OnChanged).
  [[nodiscard]] Connection OnSavedOrOpened(std::function<void(const std::string&, FileEvent)> observer) {
    return savedOrOpened_.Connect(std::move(observer));
  }
  // Called once a picture file was put into a place by its command (chosen, dropped).
  [[nodiscard]] Connection OnPictureTaken(std::function<void(const PicturePlace&, const std::string&)> observer) {
    return pictureTaken_.Connect(std::move(observer));
  }

 private:
  enum class FileKind { kSkin, kOldSkin };

  void CheckSlot(const ImageSlotRule& rule, int slot) const;
  // A picture file for the place, by its transparency rule.
  PlacePicture LoadPicture(const std::string& path, const PicturePlace& place);
  // Pictures keep slices of `bytes` (a file read once, not copied).
  void ReadInto(const SharedBytes& bytes, FileKind kind);
  // Makes the view show `parts` of the skin: what does not follow the skin by itself. The
  // preview is switched to `theme` (the skin's theme name, or the one shown when a
  // snapshot was taken).
  void Show(SkinParts parts, const std::string& theme);
  void Show(SkinParts parts) { Show(parts, skin_.themeName); }
  void ShowCaptionColour();
  int EnsureColorBoxEntry(Colour colour);

  Skin& skin_;
  CommandDialogs& dialogs_;
  SkinView& view_;
  std::vector<ColorBoxEntry> colorBoxEntries_;
  PictureDecoder decoder_;
  PictureEncoder encoder_;
  Signal<SkinParts> beforeChange_;
  Signal<SkinParts> changed_;
  Signal<const std::string&, FileEvent> savedOrOpened_;
  Signal<const PicturePlace&, const std::string&> pictureTaken_;
};

}  // namespace tessary
