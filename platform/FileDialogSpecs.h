#pragma once
// The four file dialogs of the editor window as data: filter, default extension and the
// kind of dialog. The Qt dialogs are built from these rows.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editing/CommandDialogs.h"

namespace tessary::platform {

struct FileDialogSpec {
  FileDialogId id;
  std::string_view name;               // the component name
  std::string_view filter;             // pairs of description and patterns ("*.bmp;*.png"), all separated by "|"
  bool save;                           // a save dialog (asks before overwriting) rather than an open one
  std::string_view defaultExtension;   // as stored ("*.skn"); empty for none
  std::string_view recentSuffix = {};  // lists the recent skins whose names end so (".skn"); empty: none
  bool everyPicture = false;           // a first filter "Images (...)" of every picture format Qt reads
};

// The rows, in the order of FileDialogId.
std::span<const FileDialogSpec> FileDialogSpecs();
const FileDialogSpec& SpecOf(FileDialogId id);

// A stored filter as Qt name filters, one per pair: "BITMAP (*.bmp)|*.bmp" gives
// "BITMAP (*.bmp)", the description with its patterns added in parentheses when the
// description lacks them.
std::vector<std::string> QtNameFilters(std::string_view filter);

// The suffix of a Qt name filter's first pattern: "BITMAP (*.bmp)" gives "bmp"; "*" none.
std::string SuffixOfNameFilter(std::string_view nameFilter);

// The suffix a file name typed without one gets: "*.skn" gives "skn".
std::string DefaultSuffix(std::string_view defaultExtension);

}  // namespace tessary::platform
