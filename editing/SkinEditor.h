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
#include "editing/ImageSlotCommands.h"
#include "editing/SkinSnapshot.h"
#include "editing/SkinView.h"
#include "skin/AlphaPicture.h"
#include "skin/Bitmap.h"
#include "skin/Signal.h"
#include "skin/Skin.h"

namespace tessary {

enum class Background { bgTop, bgBottom };

// What made the skin equal a file: it was written there, or read from there.
enum class FileEvent { kSaved, kOpened };

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

  // --- Image slots (the sample buttons and toolbar items, the two "Change..." buttons) ---

  // The slot's command: `slot` is the ImageIndex of the clicked sample's command, or the
  // entry selected in cbPages / cbOther. A slot the list cannot take is refused before
  // the dialog opens ("Unable to Replace Image").
  void ReplaceImageSlot(ImageSlotCommand command, int slot);
  // The same with a chosen file instead of the dialog.
  void ReplaceImageSlotFromFile(ImageSlotCommand command, int slot, const std::string& path);
  // The same with a picture: a wrong size shows the command's message in the "Error" box
  // and changes nothing; otherwise stores it and repaints what the command names.
  void ReplaceImageSlotWith(ImageSlotCommand command, int slot, const Bitmap& picture);

  // --- Backgrounds ---

  // btnTopClick / btnBottomClick: a bitmap of any size becomes the dock's picture; a file
  // of zero bytes removes the picture. The bottom one repaints the status-bar widgets,
  // also when the dialog was cancelled.
  void ChangeBackground(Background which);
  void ChangeBackgroundFromFile(Background which, const std::string& path);
  void SetBackgroundPicture(Background which, const Bitmap& picture);

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
  // only by a complete new one. True when a file was written (not cancelled).
  bool Save();
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
  // Called with the file's path once Save wrote the skin or Open read it (after OnChanged):
  // the skin then equals that file.
  [[nodiscard]] Connection OnSavedOrOpened(std::function<void(const std::string&, FileEvent)> observer) {
    return savedOrOpened_.Connect(std::move(observer));
  }

 private:
  enum class FileKind { kSkin, kOldSkin };

  TTBBackground& BackgroundOf(Background which);
  void CheckSlot(const ImageSlotRule& rule, int slot) const;
  // A picture file for a place whose transparency follows `rule` (and `key`).
  Bitmap LoadPicture(const std::string& path, AlphaRule rule, Colour key);
  void ReadInto(std::span<const std::uint8_t> bytes, FileKind kind);
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
  Signal<SkinParts> beforeChange_;
  Signal<SkinParts> changed_;
  Signal<const std::string&, FileEvent> savedOrOpened_;
};

}  // namespace tessary
