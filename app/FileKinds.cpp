#include "app/FileKinds.h"

#include <QFileInfo>

#include "platform/PictureDecoder.h"
#include "skin/Error.h"

namespace tessary::app {
namespace {

constexpr const char* kNotASkin =
    "Cannot open file %s: Tessary opens skin files and old skin files, whose names end in .skn or .crs";

}  // namespace

FileKind KindOfFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("skn")) return FileKind::kSkin;
  if (suffix == QLatin1String("crs")) return FileKind::kOldSkin;
  return platform::IsPictureFileName(path) ? FileKind::kPicture : FileKind::kOther;
}

void OpenSkinFile(SkinEditor& editor, const QString& path) {
  const std::string file = path.toStdString();
  switch (KindOfFile(path)) {
    case FileKind::kSkin: editor.OpenFromFile(file); return;
    case FileKind::kOldSkin: editor.ImportFromFile(file); return;
    case FileKind::kPicture:
    case FileKind::kOther: break;
  }
  Fail(kNotASkin, {file});
}

}  // namespace tessary::app
