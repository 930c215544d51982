#pragma once
// The platform's dialogs and message boxes behind one small interface: the file dialogs
// and the "Error" box the editing commands use (CommandDialogs), the error handler's
// "Tessary" box, and the colour dialog with its 16 custom colours. QtDialogs shows the
// real ones; ScriptedDialogs answers from a script for tests.
#include <array>
#include <optional>
#include <string>

#include "editing/CommandDialogs.h"
#include "skin/Colour.h"

namespace tessary {

// The colour dialog's custom colours, 8 columns by 2 rows, row by row.
inline constexpr std::size_t kCustomColourCount = 16;
using CustomColours = std::array<Colour, kCustomColourCount>;

// The two message boxes.
enum class MessageBoxKind {
  kError,             // caption "Error", no icon: a command refused its input
  kApplicationError,  // caption "Tessary", error icon: an error escaped a command
};

// The answer to the question asked before the window closes with unsaved changes.
enum class SaveChanges { kSave, kDiscard, kCancel };
inline constexpr const char* kSaveChangesQuestion = "Save changes to the skin?";

// The application title, the error handler's caption.
inline constexpr const char* kApplicationTitle = "Tessary";
// The caption of a command's own message box.
inline constexpr const char* kErrorCaption = "Error";

class Dialogs : public CommandDialogs {
 public:
  // The error handler's box: caption "Tessary", error icon, the text, one OK button.
  virtual void ShowApplicationError(const std::string& text) = 0;

  // The colour dialog, starting on `initial`, offering `custom` as its custom colours;
  // whatever the user did to the custom colours is written back (also when cancelled).
  // The chosen colour (0x00BBGGRR), or nothing when cancelled.
  virtual std::optional<Colour> ChooseColour(Colour initial, CustomColours& custom) = 0;

  // The box titled "Tessary" that asks whether to save the changed skin before the window
  // closes: Save, Discard or Cancel.
  virtual SaveChanges AskToSaveChanges() = 0;
};

}  // namespace tessary
