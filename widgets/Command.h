#pragma once
// A command: what the items bound to it show (caption, hint, image slot, shortcut, check
// mark, visibility) and what runs when one of them is clicked or its shortcut is pressed.
// Items observe their command; every change of the check mark reaches every bound item.
#include <qnamespace.h>

#include <QString>
#include <cstdint>
#include <functional>

#include "skin/Signal.h"

namespace tessary::widgets {

class CommandList;

// Modifier bits of a 16-bit shortcut code; the low byte is a virtual-key code.
inline constexpr std::uint16_t kShortcutShift = 0x2000;
inline constexpr std::uint16_t kShortcutCtrl = 0x4000;
inline constexpr std::uint16_t kShortcutAlt = 0x8000;
inline constexpr std::uint16_t kShortcutKeyMask = 0x00FF;

class Command {
 public:
  using Handler = std::function<void(Command&)>;

  explicit Command(QString name = {});
  Command(const Command&) = delete;
  Command& operator=(const Command&) = delete;

  QString Name() const { return name_; }
  std::int32_t tag = 0;  // stored with the command; no behaviour reads it

  // What bound items show; each setter tells the bound items.
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  QString Hint() const { return hint_; }
  void SetHint(const QString& hint);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  std::uint16_t Shortcut() const { return shortcut_; }
  void SetShortcut(std::uint16_t code);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The check mark. Checking a command of a group (group != 0) unchecks the other
  // commands of the same group in its list.
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  int Group() const { return group_; }
  void SetGroup(int group) { group_ = group; }
  // Running the command flips its check mark first.
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool autoCheck) { autoCheck_ = autoCheck; }

  // What running the command does (the list's handler is used when none is set).
  void SetHandler(Handler handler) { handler_ = std::move(handler); }

  // Runs the command: auto-check, then the handler.
  void Execute();

  // The list that owns the command (radio groups live within one list), or none.
  CommandList* List() const { return list_; }

  // Registers an observer told after every change of what bound items show.
  [[nodiscard]] Connection OnChange(std::function<void()> observer) { return changed_.Connect(std::move(observer)); }

 private:
  friend class CommandList;
  void Changed() { changed_.Emit(); }

  QString name_;
  QString caption_;
  QString hint_;
  int imageIndex_ = -1;
  std::uint16_t shortcut_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
  int group_ = 0;
  bool autoCheck_ = false;
  Handler handler_;
  CommandList* list_ = nullptr;
  Signal<> changed_;
};

// The display text of a shortcut code: "Shift+", "Ctrl+", "Alt+", then the key's name.
// A code without a nameable key gives an empty text.
QString ShortcutText(std::uint16_t code);

// The shortcut code of a Qt key with modifiers (0 when the key has no virtual-key code).
std::uint16_t ShortcutCode(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace tessary::widgets
