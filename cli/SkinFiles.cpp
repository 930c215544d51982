#include "cli/SkinFiles.h"

#include <fstream>
#include <string_view>

#include "cli/AsciiText.h"
#include "cli/CliError.h"

namespace tessary::cli {
namespace {

constexpr std::string_view kOldSkinExtension = ".crs";

}  // namespace

SkinFileFormat FormatForPath(const std::string& path) {
  return EndsWithIgnoringCase(path, kOldSkinExtension) ? SkinFileFormat::kCrs : SkinFileFormat::kSkn;
}

std::size_t StoredImageListCount(SkinFileFormat format) {
  return format == SkinFileFormat::kCrs ? kCrsImageListCount : kSknImageListCount;
}

Skin ClassDefaultSkin() {
  Skin skin;
  const TTBBackground freshBackground;
  for (TTBBackground* background : {&skin.bgTop, &skin.bgBottom}) {
    background->SetBkColor(freshBackground.BkColor());
    background->tag = freshBackground.tag;
    background->left = freshBackground.left;
    background->top = freshBackground.top;
  }
  const ImageList freshList;
  for (ImageList* list : skin.ImageLists()) {
    list->properties = freshList.properties;
    list->SetSize(freshList.Width(), freshList.Height());
  }
  return skin;
}

void ReadSkinOver(const std::string& path, Skin& skin) {
  ForFile(path, [&] {
    if (FormatForPath(path) == SkinFileFormat::kCrs) {
      ImportOldSkinFile(path, skin);
    } else {
      OpenSkinFile(path, skin);
    }
  });
}

void SaveSkin(const std::string& path, const Skin& skin) {
  ForFile(path, [&] { SaveSkinFile(path, skin); });
}

void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw FileError(path, FormatMessage(msg::kCannotCreateFile, {path}));
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw FileError(path, msg::kStreamWriteError);
}

}  // namespace tessary::cli
