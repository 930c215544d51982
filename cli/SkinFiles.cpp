#include "cli/SkinFiles.h"

#include <algorithm>
#include <string_view>

#include "cli/CliError.h"
#include "skin/AsciiText.h"
#include "skinfile/FileIo.h"

namespace tessary::cli {
namespace {

constexpr std::string_view kOldSkinExtension = ".crs";
constexpr std::string_view kRecordSignature = "TPF0";
// Where the first record starts in each layout.
constexpr std::size_t kSknFirstRecord = 204;
constexpr std::size_t kCrsFirstRecord = 2;

bool RecordStartsAt(const SharedBytes& bytes, std::size_t offset) {
  return bytes.size() >= offset + kRecordSignature.size() &&
         std::equal(kRecordSignature.begin(), kRecordSignature.end(),
                    bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Why a file read in one layout does not begin its records where that layout does, when
// the other layout's records begin where they should.
std::string LayoutReason(const SharedBytes& bytes, SkinFileFormat format) {
  if (format == SkinFileFormat::kCrs && RecordStartsAt(bytes, kSknFirstRecord)) {
    return "the name ends in .crs, so it was read as an old skin file, but it holds a skin file (.skn)";
  }
  if (format == SkinFileFormat::kSkn && RecordStartsAt(bytes, kCrsFirstRecord)) {
    return "the name does not end in .crs, so it was read as a skin file, but it holds an old skin file (.crs)";
  }
  return {};
}

}  // namespace

SkinFileFormat FormatForPath(const std::string& path) {
  return EndsWithIgnoringCase(path, kOldSkinExtension) ? SkinFileFormat::kCrs : SkinFileFormat::kSkn;
}

void CheckOutputName(const std::string& path) {
  if (FormatForPath(path) == SkinFileFormat::kCrs) {
    throw UsageError("'" + path + "' names an old skin file (.crs): those are read, never written; name a .skn file");
  }
  if (SavesOverOldSkinFile(path)) {
    throw UsageError("'" + path + "' is a link to an old skin file (" + ResolveLinks(path).string() +
                     "): those are read, never written; name a .skn file");
  }
}

std::size_t StoredImageListCount(SkinFileFormat format) {
  return format == SkinFileFormat::kCrs ? kCrsImageListCount : kSknImageListCount;
}

SharedBytes ReadSkinOver(const std::string& path, Skin& skin) {
  const SkinFileFormat format = FormatForPath(path);
  // A file named on the command line may be a pipe or device on purpose (/dev/stdin).
  const SharedBytes bytes = ForFile(path, [&] { return ReadSkinFileBytes(path, format, true); });
  try {
    ReadSkinFile(bytes, format, skin);
  } catch (const SkinError& error) {
    const std::string reason =
        error.what() == std::string_view(msg::kInvalidStreamFormat) ? LayoutReason(bytes, format) : "";
    throw FileError(path, WithReason(reason.empty() ? error : SkinError(error.what(), reason)));
  } catch (const std::bad_alloc&) {
    throw FileError(path, msg::kOutOfMemory);
  }
  return bytes;
}

void SaveSkin(const std::string& path, const Skin& skin) {
  ForFile(path, [&] { SaveSkinFile(path, skin); });
}

}  // namespace tessary::cli
