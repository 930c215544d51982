#include "widgets/Command.h"

#include <array>

#include "widgets/CommandList.h"

namespace tessary::widgets {

namespace {

// Keys that have a display name of their own, by virtual-key code, with the Qt key that
// produces them. Letters, digits and function keys are handled by ranges below. The first
// fifteen names are the program's own; the keys after them go by the names the platform
// gives them on a keyboard.
struct NamedKey {
  std::uint8_t vk;
  const char* name;
  int qtKey;
};

constexpr std::array<NamedKey, 32> kNamedKeys{{
    {0x08, "BkSp", Qt::Key_Backspace},
    {0x09, "Tab", Qt::Key_Tab},
    {0x0D, "Enter", Qt::Key_Return},
    {0x1B, "Esc", Qt::Key_Escape},
    {0x20, "Space", Qt::Key_Space},
    {0x21, "PgUp", Qt::Key_PageUp},
    {0x22, "PgDn", Qt::Key_PageDown},
    {0x23, "End", Qt::Key_End},
    {0x24, "Home", Qt::Key_Home},
    {0x25, "Left", Qt::Key_Left},
    {0x26, "Up", Qt::Key_Up},
    {0x27, "Right", Qt::Key_Right},
    {0x28, "Down", Qt::Key_Down},
    {0x2D, "Ins", Qt::Key_Insert},
    {0x2E, "Del", Qt::Key_Delete},
    {0x0D, "Enter", Qt::Key_Enter},  // the keypad's Enter is the same key code
    {0x13, "Pause", Qt::Key_Pause},
    {0x14, "Caps Lock", Qt::Key_CapsLock},
    {0x2C, "Print Screen", Qt::Key_Print},
    {0x90, "Num Lock", Qt::Key_NumLock},
    {0x91, "Scroll Lock", Qt::Key_ScrollLock},
    {0xBA, ";", Qt::Key_Semicolon},
    {0xBB, "=", Qt::Key_Equal},
    {0xBC, ",", Qt::Key_Comma},
    {0xBD, "-", Qt::Key_Minus},
    {0xBE, ".", Qt::Key_Period},
    {0xBF, "/", Qt::Key_Slash},
    {0xC0, "`", Qt::Key_QuoteLeft},
    {0xDB, "[", Qt::Key_BracketLeft},
    {0xDC, "\\", Qt::Key_Backslash},
    {0xDD, "]", Qt::Key_BracketRight},
    {0xDE, "'", Qt::Key_Apostrophe},
}};

constexpr std::uint8_t kVkDigit0 = 0x30, kVkDigit9 = 0x39;
constexpr std::uint8_t kVkLetterA = 0x41, kVkLetterZ = 0x5A;
constexpr std::uint8_t kVkF1 = 0x70, kVkF24 = 0x87;

}  // namespace

Command::Command(QString name) : name_(std::move(name)) {}

void Command::SetCaption(const QString& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Changed();
}

void Command::SetHint(const QString& hint) {
  if (hint_ == hint) return;
  hint_ = hint;
  Changed();
}

void Command::SetImageIndex(int index) {
  if (imageIndex_ == index) return;
  imageIndex_ = index;
  Changed();
}

void Command::SetShortcut(std::uint16_t code) {
  if (shortcut_ == code) return;
  shortcut_ = code;
  Changed();
}

void Command::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
}

void Command::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

void Command::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  // The others of the group are unchecked before this command's items hear of it, so
  // no observer ever sees two checked members of one group.
  if (checked && group_ != 0 && list_ != nullptr) list_->UncheckGroup(group_, this);
  Changed();
}

void Command::Execute() {
  // A checked member of a group also ends unchecked: the flip comes first, always.
  if (autoCheck_) SetChecked(!checked_);
  if (handler_) {
    handler_(*this);
  } else if (list_ != nullptr && list_->ListHandler()) {
    list_->ListHandler()(*this);
  }
}

QString ShortcutText(std::uint16_t code) {
  const auto vk = static_cast<std::uint8_t>(code & kShortcutKeyMask);
  QString key;
  if ((vk >= kVkDigit0 && vk <= kVkDigit9) || (vk >= kVkLetterA && vk <= kVkLetterZ)) {
    key = QChar(vk);
  } else if (vk >= kVkF1 && vk <= kVkF24) {
    key = QStringLiteral("F%1").arg(vk - kVkF1 + 1);
  } else {
    for (const NamedKey& named : kNamedKeys) {
      if (named.vk == vk) {
        key = QString::fromLatin1(named.name);
        break;
      }
    }
  }
  if (key.isEmpty()) return {};
  QString text;
  if (code & kShortcutShift) text += QStringLiteral("Shift+");
  if (code & kShortcutCtrl) text += QStringLiteral("Ctrl+");
  if (code & kShortcutAlt) text += QStringLiteral("Alt+");
  return text + key;
}

std::uint16_t ShortcutCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  std::uint16_t vk = 0;
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
    vk = static_cast<std::uint16_t>(qtKey);  // Qt's codes for these are the ASCII ones
  } else if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
    vk = static_cast<std::uint16_t>(kVkF1 + (qtKey - Qt::Key_F1));
  } else {
    for (const NamedKey& named : kNamedKeys) {
      if (named.qtKey == qtKey) {
        vk = named.vk;
        break;
      }
    }
  }
  if (vk == 0) return 0;
  if (modifiers & Qt::ShiftModifier) vk |= kShortcutShift;
  if (modifiers & Qt::ControlModifier) vk |= kShortcutCtrl;
  if (modifiers & Qt::AltModifier) vk |= kShortcutAlt;
  return vk;
}

}  // namespace tessary::widgets
