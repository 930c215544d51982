#pragma once
// The command vocabulary of the browser mock-up: the ten command lists the editor window
// owns, created from the command tables in the order in which shortcuts are looked up.
//
// Three lists carry the browser's vocabulary and do nothing when run (alMain, alButtons,
// allButtons); alEditors is empty; the six others (the two sample button lists and the
// four system-button lists) run an image handler with the command, whose image slot names
// the slot to replace. The editor window connects those six handlers:
//
//   CommandVocabulary vocabulary(skin);
//   vocabulary.Connect(ImageHandler::actLCBackExecute, [&](Command& c) { ... c.ImageIndex() ... });
//
// Running a command (Command::Execute) flips an auto-check command's mark first, unchecks
// the others of its radio group in its list, then calls its list's handler.
#include <QHash>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "widgets/Command.h"
#include "widgets/CommandList.h"

namespace tessary {
struct Skin;
}

namespace tessary::preview {

using widgets::Command;
using widgets::CommandList;

// The image commands behind the sample toolbars and sample rows of the control panel.
enum class ImageHandler {
  actNPreExecute,    // alSysBtnsN: ilImages, row "  Normal:"
  actLCBackExecute,  // alcL: ilLButtons, the large sample toolbar
  actSCBackExecute,  // actS: ilSButtons, the small sample toolbar
  actHPreExecute,    // alSysBtnsH: ilHot
  actDPreExecute,    // alSysBtnsD: ilDown
  actFPreExecute,    // alSysBtnsF: ilDisable
};
inline constexpr int kImageHandlerCount = 6;

class CommandVocabulary {
 public:
  static constexpr int kListCount = 10;

  // Creates the ten lists; their image lists are the skin's (the skin must outlive them).
  explicit CommandVocabulary(Skin& skin);
  ~CommandVocabulary();
  CommandVocabulary(const CommandVocabulary&) = delete;
  CommandVocabulary& operator=(const CommandVocabulary&) = delete;

  // The lists in creation order, which is also the order shortcuts are looked up in.
  std::span<CommandList* const> Lists() const { return lists_; }
  CommandList& alSysBtnsN() const { return *lists_[0]; }
  CommandList& alEditors() const { return *lists_[1]; }
  CommandList& allButtons() const { return *lists_[2]; }
  CommandList& alButtons() const { return *lists_[3]; }
  CommandList& alcL() const { return *lists_[4]; }
  CommandList& actS() const { return *lists_[5]; }
  CommandList& alSysBtnsH() const { return *lists_[6]; }
  CommandList& alSysBtnsD() const { return *lists_[7]; }
  CommandList& alSysBtnsF() const { return *lists_[8]; }
  CommandList& alMain() const { return *lists_[9]; }

  // A list by name, or none.
  CommandList* FindList(const QString& name) const;
  // A command by name (names are unique across the lists), or none.
  Command* Find(const QString& name) const;

  // Sets what one of the six image handlers does (an empty handler: nothing).
  void Connect(ImageHandler handler, Command::Handler run);

  // Shortcut lookup: the first command, over the lists in creation order and within a list
  // in list order, whose shortcut equals `code`; none when no command has it (or code is 0).
  Command* ShortcutCommand(std::uint16_t code) const;
  // Runs ShortcutCommand(code); false when there is none.
  bool RunShortcut(std::uint16_t code);

 private:
  std::array<std::unique_ptr<CommandList>, kListCount> owned_;
  std::array<CommandList*, kListCount> lists_{};
  QHash<QString, Command*> byName_;
  std::array<Command::Handler, kImageHandlerCount> handlers_;
};

}  // namespace tessary::preview
