#include "platform/FileDialogSpecs.h"

#include <array>

namespace tessary::platform {
namespace {

using enum FileDialogId;

// Every open dialog needs an existing file; none has an initial folder or file name. The
// picture dialog offers every format the commands read first (the list depends on Qt's
// plugins, so it is made when the dialog is), then BMP alone and all files. The skin dialogs
// list the recent skins they open; the export dialog writes PNG, or BMP when that filter is
// chosen.
constexpr std::array<FileDialogSpec, 5> kSpecs = {{
    {OpenDialog, "OpenDialog", "BITMAP (*.bmp)|*.bmp|All files (*)|*", false, "", "", true},
    {SaveDialog, "SaveDialog", "Corvane Skin (*.skn)|*.skn", true, "*.skn"},
    {CRSOpenDialog, "CRSOpenDialog", "Corvane Skin (*.crs)|*.crs", false, "", ".crs"},
    {SknOpenDialog, "SknOpenDialog", "Corvane Skin (*.skn)|*.skn", false, "", ".skn"},
    {ExportDialog, "ExportDialog", "PNG image (*.png)|*.png|BITMAP (*.bmp)|*.bmp", true, "*.png"},
}};

constexpr bool RowsFollowTheEnum() {
  for (std::size_t i = 0; i < kSpecs.size(); ++i) {
    if (static_cast<std::size_t>(kSpecs[i].id) != i) return false;
  }
  return true;
}
static_assert(RowsFollowTheEnum());

}  // namespace

std::span<const FileDialogSpec> FileDialogSpecs() { return kSpecs; }

const FileDialogSpec& SpecOf(FileDialogId id) { return kSpecs.at(static_cast<std::size_t>(id)); }

std::vector<std::string> QtNameFilters(std::string_view filter) {
  std::vector<std::string> names;
  while (!filter.empty()) {
    const std::size_t bar = filter.find('|');
    const std::string_view description = filter.substr(0, bar);
    std::string_view patterns;
    if (bar != std::string_view::npos) {
      const std::size_t end = filter.find('|', bar + 1);
      patterns = filter.substr(bar + 1, end == std::string_view::npos ? std::string_view::npos : end - bar - 1);
      filter = end == std::string_view::npos ? std::string_view() : filter.substr(end + 1);
    } else {
      filter = {};
    }
    // Qt separates the patterns in parentheses by blanks.
    std::string inParentheses = "(";
    for (char c : patterns) inParentheses += c == ';' ? ' ' : c;
    inParentheses += ')';
    std::string name(description);
    if (!patterns.empty() && description.find(inParentheses) == std::string_view::npos)
      name.append(1, ' ').append(inParentheses);
    names.push_back(std::move(name));
  }
  return names;
}

std::string SuffixOfNameFilter(std::string_view nameFilter) {
  const std::size_t star = nameFilter.find("*.");
  if (star == std::string_view::npos) return {};
  const std::string_view rest = nameFilter.substr(star + 2);
  return std::string(rest.substr(0, rest.find_first_of(" ;)")));
}

std::string DefaultSuffix(std::string_view defaultExtension) {
  const std::size_t dot = defaultExtension.rfind('.');
  return std::string(dot == std::string_view::npos ? defaultExtension : defaultExtension.substr(dot + 1));
}

}  // namespace tessary::platform
