#pragma once
// One command as the window's stored layout holds it, field for field in stored order, and
// the key codes the vocabulary's shortcuts are written with. The command tables are arrays
// of these rows; CommandVocabulary turns each row into a widgets::Command.
#include <cstdint>

#include "widgets/Command.h"

namespace tessary::preview {

struct CommandRow {
  const char* name = "";
  std::int32_t tag = 0;    // stored only; the auto-refresh commands keep their interval here
  bool autoCheck = false;  // running the command flips its check mark
  const char* caption = "";
  bool checked = false;
  int group = 0;  // radio group within the list (0: none)
  const char* hint = "";
  int imageIndex = -1;  // slot of the list's (or the showing bar's) image list
  std::uint16_t shortcut = 0;
  bool visible = true;
};

// Virtual-key codes of the keys the vocabulary uses, and the modifier bits over them.
namespace keys {
inline constexpr std::uint16_t kEsc = 0x1B;
inline constexpr std::uint16_t kHome = 0x24;
inline constexpr std::uint16_t kLeft = 0x25;
inline constexpr std::uint16_t kUp = 0x26;
inline constexpr std::uint16_t kRight = 0x27;
inline constexpr std::uint16_t kDown = 0x28;
constexpr std::uint16_t F(int number) { return static_cast<std::uint16_t>(0x70 + number - 1); }
constexpr std::uint16_t Shift(std::uint16_t key) { return key | widgets::kShortcutShift; }
constexpr std::uint16_t Ctrl(std::uint16_t key) { return key | widgets::kShortcutCtrl; }
constexpr std::uint16_t Alt(std::uint16_t key) { return key | widgets::kShortcutAlt; }
}  // namespace keys

}  // namespace tessary::preview
