#pragma once
// The command tables of the preview's vocabulary: data only. CommandVocabulary walks them
// to create the ten command lists.
#include <array>
#include <cstdint>
#include <span>

#include "preview/CommandRow.h"

namespace tessary::preview {

// The four button lists are parallel over the toolbar-button slots: one row gives a slot's
// shared caption, hint, shortcut and check behaviour and the command's name in each list
// (columns: allButtons, alButtons, alcL, actS).
inline constexpr int kButtonColumns = 4;
struct ButtonRow {
  int slot;
  std::int32_t tag;
  const char* caption;
  const char* hint;
  std::uint16_t shortcut;
  int group;
  bool autoCheck;
  std::array<const char*, kButtonColumns> names;
};
std::span<const ButtonRow> ButtonRows();

// Commands a column of a parallel table ends with beyond the shared rows (the sample
// lists' Flash commands, which differ between the large and the small list).
struct ColumnExtra {
  std::size_t column;
  CommandRow row;
};
std::span<const ColumnExtra> ButtonColumnExtras();

// The four system-button lists, parallel over the eleven window-control slots in the
// left-to-right order of the control panel's rows (columns: Normal, Hot, Down, Disabled).
inline constexpr int kSystemButtonColumns = 4;
struct SystemButtonRow {
  int slot;
  const char* caption;
  std::array<const char*, kSystemButtonColumns> names;
};
std::span<const SystemButtonRow> SystemButtonRows();

// The browser's vocabulary `alMain`, in list order.
std::span<const CommandRow> MainCommandRows();

}  // namespace tessary::preview
