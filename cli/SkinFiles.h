#pragma once
// Reading and writing whole skin files for the subcommands: the format follows the
// extension, and every core error comes back as a FileError naming the file.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "skin/Skin.h"
#include "skinfile/SkinFile.h"

namespace tessary::cli {

// An old skin file holds the first six image lists of the skin; a skin file all eight.
inline constexpr std::size_t kCrsImageListCount = 6;
inline constexpr std::size_t kSknImageListCount = 8;

// ".crs" in any letter case is an old skin file; every other name a skin file.
SkinFileFormat FormatForPath(const std::string& path);

// Refuses (UsageError) an output name that picks the old layout, or a link that leads to
// such a name: old skin files are read, never written.
void CheckOutputName(const std::string& path);

// How many of Skin::ImageLists() (from the first) a file of this format holds.
std::size_t StoredImageListCount(SkinFileFormat format);

// Reads the file over `skin` as Open (.skn) or Import Old Skins (.crs) would: all or
// nothing, the skin unchanged on error. Returns the file's bytes. A file refused as
// "Invalid stream format" that holds the other layout says that its name picked the layout;
// one too large for the memory is "Out of memory" about that file.
SharedBytes ReadSkinOver(const std::string& path, Skin& skin);

// Save, as the editor's Save button does it.
void SaveSkin(const std::string& path, const Skin& skin);

}  // namespace tessary::cli
