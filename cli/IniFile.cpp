#include "cli/IniFile.h"

#include "cli/CliError.h"
#include "skin/AsciiText.h"

namespace tessary::cli {
namespace {

constexpr char kQuote = '"';
// Editors that save "UTF-8" on Windows put these three bytes in front of the first line.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

std::string Unquote(std::string_view value) {
  if (value.size() >= 2 && value.front() == kQuote && value.back() == kQuote) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

// Quotes a value that would not survive trimming or unquoting as it is.
std::string Quote(const std::string& value) {
  const bool needsQuotes =
      !value.empty() && (kBlanks.find(value.front()) != std::string_view::npos ||
                         kBlanks.find(value.back()) != std::string_view::npos || value.front() == kQuote);
  return needsQuotes ? kQuote + value + kQuote : value;
}

}  // namespace

const IniFile::Entry* IniFile::Section::Find(std::string_view key) const {
  for (const Entry& entry : entries) {
    if (EqualsIgnoringCase(entry.key, key)) return &entry;
  }
  return nullptr;
}

void IniFile::Section::Add(std::string key, std::string value) {
  entries.push_back(Entry{std::move(key), std::move(value), 0});
}

IniFile IniFile::Parse(std::string_view text, const std::string& path) {
  IniFile ini;
  Section* current = nullptr;
  int lineNumber = 0;
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  while (!text.empty()) {
    ++lineNumber;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // files edited on Windows

    const std::string where = path + ":" + std::to_string(lineNumber);
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') continue;

    if (trimmed.front() == '[') {
      if (trimmed.back() != ']') throw FileError(where, "a section line must end with ']'");
      const std::string name(Trim(trimmed.substr(1, trimmed.size() - 2)));
      if (name.empty()) throw FileError(where, "empty section name");
      if (ini.FindSection(name) != nullptr) {
        throw FileError(where, "section [" + name + "] is given twice");
      }
      current = &ini.AddSection(name);
      current->line = lineNumber;
      continue;
    }

    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
      throw FileError(where, "expected '[Section]' or 'Key=Value'");
    }
    const std::string key(Trim(trimmed.substr(0, equals)));
    if (key.empty()) throw FileError(where, "empty key");
    if (current == nullptr) throw FileError(where, "key '" + key + "' comes before any section");
    if (current->Find(key) != nullptr) {
      throw FileError(where, "key '" + key + "' is given twice in [" + current->name + "]");
    }
    current->entries.push_back(Entry{key, Unquote(Trim(trimmed.substr(equals + 1))), lineNumber});
  }
  return ini;
}

IniFile::Section& IniFile::AddSection(std::string name) {
  sections_.push_back(Section{std::move(name), 0, {}});
  return sections_.back();
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  for (const Section& section : sections_) {
    if (EqualsIgnoringCase(section.name, name)) return &section;
  }
  return nullptr;
}

std::string IniFile::ToText() const {
  std::string text;
  for (const Section& section : sections_) {
    if (!text.empty()) text += '\n';
    text += '[' + section.name + "]\n";
    for (const Entry& entry : section.entries) {
      if (entry.value.find_first_of("\r\n") != std::string::npos) {
        throw SkinError("the value of " + entry.key + " holds a line break and cannot be written");
      }
      text += entry.key + '=' + Quote(entry.value) + '\n';
    }
  }
  return text;
}

}  // namespace tessary::cli
