#include "editing/ControlPanelLists.h"

#include <algorithm>

#include "skinfile/TextEncoding.h"

namespace tessary {

int ThemeListIndex(std::string_view name) {
  const auto found = std::find(kThemeListNames.begin(), kThemeListNames.end(), name);
  return found == kThemeListNames.end() ? -1 : static_cast<int>(found - kThemeListNames.begin());
}

std::optional<std::string_view> ThemeListEntryFor(std::string_view name) {
  for (std::string_view entry : kThemeListNames) {
    if (EqualsIgnoringAsciiCase(entry, name)) return entry;
  }
  return std::nullopt;
}

std::vector<ColorBoxEntry> ColorBoxStandardEntries() {
  std::vector<ColorBoxEntry> entries;
  for (const ColourName& name : ColourNames()) {
    // "No colour" and "default" are no colours a caption can be painted in.
    if (name.value == clNone || name.value == clDefault) continue;
    entries.push_back({std::string(name.name), name.value});
  }
  return entries;
}

ColorBoxEntry ColorBoxEntryFor(Colour colour) { return {ColourToText(colour), colour}; }

int ColorBoxIndex(std::span<const ColorBoxEntry> entries, Colour colour) {
  const auto found =
      std::find_if(entries.begin(), entries.end(), [colour](const ColorBoxEntry& e) { return e.colour == colour; });
  return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

}  // namespace tessary
