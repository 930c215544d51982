// tessary-skin export FILE DIR: unpacks a skin file into a directory of plain files that
// other tools can edit (layout in SkinDirectory.h). What is exported is what the file
// holds: it is read over components that hold the class defaults (no images, 16 x 16
// lists, no design positions), not over the start-up skin. A record stores only what
// differs from the class defaults, so what is read is exactly what the file says: a list
// the file stores without images exports as Count=0, a ShareImages the record leaves out
// is off, and everything packs back to the same bytes.
#include <filesystem>
#include <optional>
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
#include "skinfile/FileIo.h"
#include "skinfile/SkinProperties.h"
#include "skinfile/StartupSkin.h"
#include "skinfile/TemporaryFiles.h"
#include "skinfile/TextEncoding.h"

namespace tessary::cli {
namespace {

namespace fs = std::filesystem;

std::string Flag(bool on) { return std::string(on ? skindir::kTrue : skindir::kFalse); }

std::string PathText(const fs::path& path) { return path.string(); }

// The folder being written: a temporary folder beside the target, renamed into place only
// when every file is in it, so a failed or interrupted export leaves no half-written skin
// directory that pack would take for a whole one. Messages name the files as the user will
// find them.
class ExportFolder {
 public:
  explicit ExportFolder(const std::string& dir) : shown_(dir), target_(ResolveLinks(FolderPath(dir))) {
    std::error_code error;
    // An existing non-empty folder is refused: files left there by an earlier export (say a
    // slot beyond the new count) would be taken by pack as part of this skin.
    const bool exists = fs::exists(target_, error);
    if (exists) {
      if (!fs::is_directory(target_, error)) throw FileError(dir, "not a directory");
      if (!fs::is_empty(target_, error)) throw FileError(dir, "the directory is not empty");
    }
    for (fs::path above = target_.parent_path(); !above.empty() && !fs::exists(above, error);
         above = above.parent_path()) {
      createdAbove_ = above;
      if (above == above.parent_path()) break;
    }
    if (!createdAbove_.empty()) fs::create_directories(target_.parent_path(), error);
    temporary_ = TemporaryPathBeside(target_);
    pending_.emplace(PathText(temporary_), PendingTemporary::Kind::kFolder);
    // An existing empty folder is replaced by one like it: its permissions, owner, group and
    // set-group-id bit, from the start, so that the files written into it get its group
    // and a private folder is never open to others.
    const std::string target = PathText(target_);
    const int failure = CreateFolderLike(PathText(temporary_), exists ? &target : nullptr);
    madeTemporary_ = failure == 0;
    if (!madeTemporary_) {
      RemoveWhatWasMade();
      CannotCreate(dir, std::error_code(failure, std::generic_category()));
    }
  }

  ~ExportFolder() {
    if (!done_) RemoveWhatWasMade();
  }

  void CreateFolder(const std::string& relative) {
    std::error_code error;
    fs::create_directory(temporary_ / relative, error);
    if (error) CannotCreate(Shown(relative), error);
  }

  void Write(const std::string& relative, std::span<const std::uint8_t> bytes) {
    const std::string shown = Shown(relative);
    ForFile(shown, [&] { WriteNewFile(PathText(temporary_ / relative), bytes, shown); });
    ThrowIfInterrupted();
  }

  // Puts the complete folder, on the disk, in place of the (missing or empty) target.
  void Finish() {
    int failure = PutFolderInPlace(PathText(temporary_), PathText(target_));
    std::error_code ignored;
    if (failure != 0 && fs::is_directory(target_, ignored) && fs::is_empty(target_, ignored)) {
      // Systems that rename over no folder, not even an empty one.
      std::error_code error;
      fs::remove(target_, error);
      failure = error ? error.value() : PutFolderInPlace(PathText(temporary_), PathText(target_));
    }
    if (failure != 0) CannotCreate(shown_, std::error_code(failure, std::generic_category()));
    done_ = true;
  }

 private:
  [[noreturn]] static void CannotCreate(const std::string& shown, const std::error_code& error) {
    throw FileError(shown, WithReason(SkinError(FormatMessage(msg::kCannotCreateFile, {shown}), error.message())));
  }

  std::string Shown(const std::string& relative) const { return PathText(fs::path(shown_) / relative); }

  // A failed export takes away what it made: the temporary folder and the folders above
  // the target it had to create.
  void RemoveWhatWasMade() {
    std::error_code ignored;
    if (madeTemporary_) fs::remove_all(temporary_, ignored);
    if (createdAbove_.empty()) return;
    for (fs::path above = target_.parent_path(); fs::remove(above, ignored) && above != createdAbove_;
         above = above.parent_path()) {
    }
  }

  // The folder a name stands for: "out/" and "out/." are "out".
  static fs::path FolderPath(const std::string& dir) {
    fs::path path = fs::path(dir).lexically_normal();
    if (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
    return path;
  }

  std::string shown_;
  fs::path target_;
  fs::path createdAbove_;  // the highest folder above the target that did not exist
  fs::path temporary_;
  bool madeTemporary_ = false;
  std::optional<PendingTemporary> pending_;
  bool done_ = false;
};

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
    // skin.ini is UTF-8; the skin file's texts are Latin-1.
    main.Add(std::string(skindir::kTheme), Latin1ToUtf8(skin.themeName));
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

}  // namespace

int RunExport(const Invocation& invocation) {
  const Arguments arguments = ParseArguments(invocation.args, {}, 2, 2);
  const std::string& file = arguments.positional[0];
  const std::string& dir = arguments.positional[1];

  const SkinFileFormat format = FormatForPath(file);
  Skin skin = ClassDefaultSkin();
  ReadSkinOver(file, skin);
  const std::size_t listCount = StoredImageListCount(format);
  Skin startup;
  LoadStartupSkin(startup);
  const std::string iniName(skindir::kIniFile);
  const std::string iniText = ForFile(PathText(fs::path(dir) / iniName),
                                      [&] { return DescribeSkin(skin, startup, format, listCount).ToText(); });

  ExportFolder folder(dir);
  folder.Write(iniName, std::span(reinterpret_cast<const std::uint8_t*>(iniText.data()), iniText.size()));
  for (const TTBBackground* background : {&skin.bgTop, &skin.bgBottom}) {
    if (background->GetBitmap().IsEmpty()) continue;
    folder.Write(background->name + std::string(skindir::kBmpExtension), WriteBmp(background->GetBitmap()));
  }

  const auto lists = skin.ImageLists();
  for (std::size_t i = 0; i < listCount; ++i) {
    const ImageList& list = *lists[i];
    folder.CreateFolder(list.name);
    for (int slot = 0; slot < list.ImageCount(); ++slot) {
      const std::string png = list.name + "/" + skindir::SlotFileName(slot, skindir::kPngExtension);
      folder.Write(png, ForFile(PathText(fs::path(dir) / png), [&] { return EncodeSlotPng(list, slot); }));
    }
  }
  folder.Finish();
  return kExitOk;
}

}  // namespace tessary::cli
