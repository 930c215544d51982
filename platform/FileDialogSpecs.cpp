#include "platform/FileDialogSpecs.h"

#include <array>

namespace tessary::platform {
namespace {

using enum FileDialogId;

// Every open dialog needs an existing file; none has an initial folder or file name.
constexpr std::array<FileDialogSpec, 4> kSpecs = {{
    {OpenDialog, "OpenDialog", "BITMAP (*.bmp)|*.bmp", false, ""},
    {SaveDialog, "SaveDialog", "Corvane Skin (*.skn)|*.skn", true, "*.skn"},
    {CRSOpenDialog, "CRSOpenDialog", "Corvane Skin (*.crs)|*.crs", false, ""},
    {SknOpenDialog, "SknOpenDialog", "Corvane Skin (*.skn)|*.skn", false, ""},
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

std::string QtNameFilter(std::string_view filter) {
  const std::size_t bar = filter.find('|');
  if (bar == std::string_view::npos) return std::string(filter);
  const std::string_view description = filter.substr(0, bar);
  const std::string_view pattern = filter.substr(bar + 1);
  std::string inParentheses;
  inParentheses.append(1, '(').append(pattern).append(1, ')');
  std::string name(description);
  if (description.find(inParentheses) == std::string_view::npos) name.append(1, ' ').append(inParentheses);
  return name;
}

std::string DefaultSuffix(std::string_view defaultExtension) {
  const std::size_t dot = defaultExtension.rfind('.');
  return std::string(dot == std::string_view::npos ? defaultExtension : defaultExtension.substr(dot + 1));
}

}  // namespace tessary::platform
