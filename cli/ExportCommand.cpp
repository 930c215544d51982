// tessary-skin export FILE DIR: unpacks a skin file into a directory of plain files that
// other tools can edit (layout in SkinDirectory.h). What is exported is what the file
// holds: it is read over components that hold the class defaults (no images, 16 x 16
// lists, no design positions), not over the start-up skin. A record stores only what
// differs from the class defaults, so what is read is exactly what the file says: a list
// the file stores without images exports as Count=0, a ShareImages the record leaves out
// is off, and everything packs back to the same bytes.
#include <filesystem>
#include <system_error>

#include "cli/Arguments.h"
#include "cli/CliError.h"
#include "cli/Command.h"
#include "cli/ComponentSettings.h"
#include "cli/IniFile.h"
#include "cli/SkinDirectory.h"
#include "cli/SkinFiles.h"
#include "cli/SlotImage.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/SkinProperties.h"
#include "skinfile/StartupSkin.h"

namespace tessary::cli {
namespace {

namespace fs = std::filesystem;

std::string Flag(bool on) { return std::string(on ? skindir::kTrue : skindir::kFalse); }

std::string PathText(const fs::path& path) { return path.string(); }

// An existing non-empty folder is refused: files left there by an earlier export (say a
// slot beyond the new count) would be taken by pack as part of this skin.
void PrepareDirectory(const std::string& dir) {
  std::error_code error;
  if (fs::exists(dir, error)) {
    if (!fs::is_directory(dir, error)) throw FileError(dir, "not a directory");
    if (!fs::is_empty(dir, error)) throw FileError(dir, "the directory is not empty");
  }
  fs::create_directories(dir, error);
  if (error || !fs::is_directory(dir, error)) {
    throw FileError(dir, FormatMessage(msg::kCannotCreateFile, {dir}));
  }
}

void CreateFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directory(folder, error);
  if (error) throw FileError(PathText(folder), FormatMessage(msg::kCannotCreateFile, {PathText(folder)}));
}

// `startup` is the skin pack starts from: a component's stored properties that differ
// from it are written too, so that pack can give them back.
IniFile DescribeSkin(const Skin& skin, const Skin& startup, SkinFileFormat format, std::size_t listCount) {
  static constexpr std::string_view kBackgroundAlways[] = {skindir::kBkColor, skindir::kTransparent};
  IniFile ini;
  IniFile::Section& main = ini.AddSection(std::string(skindir::kSkinSection));
  main.Add(std::string(skindir::kTopStretch), Flag(skin.bgTop.StretchBitmap()));
  main.Add(std::string(skindir::kBottomStretch), Flag(skin.bgBottom.StretchBitmap()));
  if (format == SkinFileFormat::kSkn) {
    main.Add(std::string(skindir::kTextColor), ColourToText(skin.textColour));
    main.Add(std::string(skindir::kGaugeColor), ColourToText(skin.gaugeColour));
    main.Add(std::string(skindir::kTheme), skin.themeName);
  }
  const std::pair<const TTBBackground*, const TTBBackground*> backgrounds[] = {{&skin.bgTop, &startup.bgTop},
                                                                                 {&skin.bgBottom, &startup.bgBottom}};
  for (const auto& [background, reference] : backgrounds) {
    IniFile::Section& section = ini.AddSection(background->name);
    for (auto& [key, value] : ChangedSettings(kBackgroundClass, background, reference, kBackgroundAlways))
      section.Add(std::move(key), std::move(value));
  }
  const auto lists = skin.ImageLists();
  const auto startupLists = startup.ImageLists();
  for (std::size_t i = 0; i < listCount; ++i) {
    IniFile::Section& section = ini.AddSection(lists[i]->name);
    section.Add(std::string(skindir::kCount), std::to_string(lists[i]->ImageCount()));
    section.Add(std::string(skindir::kCapacity), std::to_string(lists[i]->Capacity()));
    for (auto& [key, value] : ChangedSettings(kImageListClass, lists[i], startupLists[i]))
      section.Add(std::move(key), std::move(value));
  }
  return ini;
}

void WriteText(const fs::path& path, const std::string& text) {
  WriteFileBytes(PathText(path), std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace

int RunExport(const Invocation& invocation) {
  const Arguments arguments = ParseArguments(invocation.args, {}, 2, 2);
  const std::string& file = arguments.positional[0];
  const std::string& dir = arguments.positional[1];

  const SkinFileFormat format = FormatForPath(file);
  Skin skin = ClassDefaultSkin();
  ForFile(file, [&] { ReadSkinFile(ReadWholeFile(file), format, skin); });
  const std::size_t listCount = StoredImageListCount(format);

  PrepareDirectory(dir);
  const fs::path root(dir);
  const fs::path iniPath = root / skindir::kIniFile;
  Skin startup;
  LoadStartupSkin(startup);
  const std::string iniText =
      ForFile(PathText(iniPath), [&] { return DescribeSkin(skin, startup, format, listCount).ToText(); });
  WriteText(iniPath, iniText);

  for (const TTBBackground* background : {&skin.bgTop, &skin.bgBottom}) {
    if (background->GetBitmap().IsEmpty()) continue;
    const fs::path picture = root / (background->name + std::string(skindir::kBmpExtension));
    WriteFileBytes(PathText(picture), WriteBmp(background->GetBitmap()));
  }

  const auto lists = skin.ImageLists();
  for (std::size_t i = 0; i < listCount; ++i) {
    const ImageList& list = *lists[i];
    const fs::path folder = root / list.name;
    CreateFolder(folder);
    for (int slot = 0; slot < list.ImageCount(); ++slot) {
      const fs::path png = folder / skindir::SlotFileName(slot, skindir::kPngExtension);
      WriteFileBytes(PathText(png), ForFile(PathText(png), [&] { return EncodeSlotPng(list, slot); }));
    }
  }
  return kExitOk;
}

}  // namespace tessary::cli
