#pragma once
// Letter-case-blind comparisons for file extensions and INI names (ASCII only: the names
// involved are plain ASCII, and byte values above 127 compare exactly).
#include <string_view>

namespace tessary {

inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal without regard to ASCII letter case.
inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// `text` ends with `suffix`, without regard to ASCII letter case (".CRS" ends with ".crs").
inline bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace tessary
