#pragma once
// A small INI file: "[Section]" lines, "Key=Value" lines, blank lines and comment lines
// starting with ";" or "#". Section and key names match without regard to ASCII letter
// case. A value is taken without the blanks around it; a value written between double
// quotes keeps everything inside them (so a theme name may begin or end with a blank).
// The text is bytes: whatever a value holds (but a line break) is written back unchanged.
#include <string>
#include <string_view>
#include <vector>

namespace tessary::cli {

class IniFile {
 public:
  struct Entry {
    std::string key;
    std::string value;
    int line = 0;  // 1-based line in the parsed text; 0 for entries added in code
  };

  struct Section {
    std::string name;
    int line = 0;
    std::vector<Entry> entries;

    // The entry with this key (any letter case), or nullptr.
    const Entry* Find(std::string_view key) const;
    // Appends an entry (for writing).
    void Add(std::string key, std::string value);
  };

  // Parses `text`; `path` names the file in errors, which are FileErrors about
  // "path:line" (a line that is neither section, entry, comment nor blank; an entry before
  // the first section; a section or key given twice).
  static IniFile Parse(std::string_view text, const std::string& path);

  // Appends a new, empty section (for writing).
  Section& AddSection(std::string name);

  // The section with this name (any letter case), or nullptr.
  const Section* FindSection(std::string_view name) const;

  const std::vector<Section>& Sections() const { return sections_; }

  // The file text; sections are separated by a blank line. Throws SkinError when a value
  // holds a line break, which no INI line can carry.
  std::string ToText() const;

 private:
  std::vector<Section> sections_;
};

}  // namespace tessary::cli
