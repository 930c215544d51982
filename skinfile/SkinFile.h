#pragma once
// The skin file (.skn: 204-byte header, ten component records) and the old skin file
// (.crs: 2-byte header, eight records), with the Save, Open and Import operations the
// editor's buttons and tessary-skin share.
//
// Departures that keep users' data safe: Open and Import read into a copy of the skin
// and take it over only when every record and header text was read (a failure leaves the
// skin exactly as it was); Save writes safely (FileIo.h): through links, never over a file
// the user may not write, straight into devices and pipes, and a regular file only by
// renaming a complete temporary file over it.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/SharedBytes.h"
#include "skin/Skin.h"

namespace tessary {

enum class SkinFileFormat { kSkn, kCrs };

// The 204-byte header of a .skn file (the .crs header has only the two stretch bytes).
struct SkinHeader {
  std::uint8_t topStretch = 0;  // non-zero = stretched
  std::uint8_t bottomStretch = 0;
  std::int32_t marker = 9;
  std::string textColorName;  // as stored (ColourToText of the chooser's colour)
  std::string gaugeColorName;
  std::string themeName;
};

// One component record as found in a file (for inspection).
struct RecordInfo {
  std::string className;
  std::string name;
  std::size_t offset = 0;  // from the start of the file
  std::size_t length = 0;
  std::vector<std::string> properties;  // property paths in file order
};

struct SkinFileInfo {
  SkinFileFormat format = SkinFileFormat::kSkn;
  SkinHeader header;
  std::vector<RecordInfo> records;
};

// The whole .skn content of a skin, built in memory (header + ten records).
std::vector<std::uint8_t> BuildSkinFile(const Skin& skin);

// Saves `skin` to `path` safely ("Cannot create file %s", "Stream write error"); the
// pictures are written from where they are held, not copied into the content first.
void SaveSkinFile(const std::string& path, const Skin& skin);

// Reads a .skn or .crs from bytes into a copy of `skin` and, when everything was read,
// takes it over (colours and theme name too for .skn). Throws on any error with the skin
// unchanged. From shared bytes the pictures keep slices of them; from a span the bytes
// are copied first.
void ReadSkinFile(const SharedBytes& bytes, SkinFileFormat format, Skin& skin);
void ReadSkinFile(std::span<const std::uint8_t> bytes, SkinFileFormat format, Skin& skin);

// Reads a skin file or old skin file from disk for ReadSkinFile: its start first, and when
// its first record does not begin where the layout says, no more than that start (it is
// refused on that alone, as it would be whole). `streams`: pipes and devices are read too.
SharedBytes ReadSkinFileBytes(const std::string& path, SkinFileFormat format, bool streams = false);

// Open (.skn) and Import Old Skins (.crs) from disk ("Cannot open file %s" and the above).
void OpenSkinFile(const std::string& path, Skin& skin);
void ImportOldSkinFile(const std::string& path, Skin& skin);

// Whether a save to `path` would write over an old skin file (.crs in any letter case):
// the name picks one, or it is a link that leads to one (a save writes through links).
bool SavesOverOldSkinFile(const std::string& path);

// A skin whose components hold their class defaults (no images, 16 x 16 lists, no design
// positions, BkColor clBtnFace), under the skin's component names. A record stores only
// what differs from these, so a file read over this skin gives exactly what the file says.
Skin ClassDefaultSkin();

// Parses a file without applying it: header and record layout. Throws like ReadSkinFile.
SkinFileInfo InspectSkinFile(std::span<const std::uint8_t> bytes, SkinFileFormat format);

// Reads a whole file into memory ("Cannot open file %s"); ReadFileBytes (FileIo.h) reads
// it without the copy.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

}  // namespace tessary
