// tessary-skin pack DIR OUT.skn: the reverse of export. It starts from the start-up skin
// and applies what DIR holds (layout in SkinDirectory.h); every key and every file is
// optional. Slot images go through the editor's size rule; a slot past the list's end
// appends, as the editor's large and small button commands do.
//
// Count in skin.ini is the number of images the list ends with: a smaller number than the
// start-up list's cuts the list to that many, and every slot file must lie below it.
// Capacity restores the list's room exactly (a saved list's payload follows it); without
// it the list keeps its start-up room. Either grows in the list's steps of 4 when there
// are more images than room.
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
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
#include "skin/AsciiText.h"
#include "skin/Limits.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/FileIo.h"
#include "skinfile/ImageListLayout.h"
#include "skinfile/SkinProperties.h"
#include "skinfile/StartupSkin.h"
#include "skinfile/TextEncoding.h"

namespace tessary::cli {
namespace {

namespace fs = std::filesystem;

std::string PathText(const fs::path& path) { return path.string(); }

// What editors, desktops and earlier runs leave in a folder, which pack passes over: hidden
// files (".DS_Store"), backups ("skin.ini~"), Windows' "Thumbs.db" and "desktop.ini", skin
// files (one packed into the folder itself), and temporary files of an interrupted save.
bool IsLeftover(const fs::path& path) {
  static constexpr std::string_view kDesktopFiles[] = {"Thumbs.db", "desktop.ini"};
  static constexpr std::string_view kSkinExtensions[] = {".skn", ".crs"};
  static constexpr std::string_view kTemporaryMark = ".~";
  static constexpr std::string_view kTemporaryExtension = ".tmp";
  const std::string name = path.filename().string();
  if (name.empty() || name.front() == '.' || name.back() == '~') return true;
  for (std::string_view desktop : kDesktopFiles) {
    if (EqualsIgnoringCase(name, desktop)) return true;
  }
  for (std::string_view extension : kSkinExtensions) {
    if (EndsWithIgnoringCase(name, extension)) return true;
  }
  return name.find(kTemporaryMark) != std::string::npos && name.ends_with(kTemporaryExtension);
}

// Whether an entry of DIR is a folder; an entry the system cannot follow (a loop of links)
// is none, and is then named in the message about what DIR should not hold.
bool IsFolder(const fs::directory_entry& entry) {
  std::error_code error;
  return entry.is_directory(error);
}

// skin.ini, read and with every section and key checked against what pack knows, so that
// a misspelt name is an error rather than silently ignored.
class SkinIni {
 public:
  SkinIni(const fs::path& path, const Skin& skin) : path_(PathText(path)) {
    std::error_code error;
    if (!fs::exists(path, error)) return;
    const std::vector<std::uint8_t> bytes = ForFile(path_, [&] { return ReadWholeFile(path_); });
    ini_ = IniFile::Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path_);
    for (const IniFile::Section& section : ini_.Sections()) CheckSection(section, skin);
  }

  // The entry of `key` in `section`, or nullptr when either is absent.
  const IniFile::Entry* Find(std::string_view section, std::string_view key) const {
    const IniFile::Section* found = ini_.FindSection(section);
    return found == nullptr ? nullptr : found->Find(key);
  }

  // "DIR/skin.ini:LINE" for messages about an entry.
  std::string Where(const IniFile::Entry& entry) const { return path_ + ":" + std::to_string(entry.line); }

  std::optional<bool> Flag(std::string_view section, std::string_view key) const {
    const IniFile::Entry* entry = Find(section, key);
    if (entry == nullptr) return std::nullopt;
    return ForFile(Where(*entry), [&] { return ParseFlag(entry->value); });
  }

  // Sets the component's stored properties that the section names (the keys of
  // ComponentSettings.h), in the order the section gives them.
  void ApplySettings(std::string_view section, const ClassInfo& info, void* object) const {
    const IniFile::Section* found = ini_.FindSection(section);
    if (found == nullptr) return;
    for (const IniFile::Entry& entry : found->entries) {
      if (!IsSettingKey(info, entry.key)) continue;  // Count and Capacity are read apart
      ForFile(Where(entry), [&] { ApplySetting(info, object, entry.key, entry.value); });
    }
  }

  std::optional<Colour> ColourValue(std::string_view section, std::string_view key) const {
    const std::optional<std::string> text = HeaderText(section, key);
    if (!text) return std::nullopt;
    return ForFile(Where(*Find(section, key)), [&] { return TextToColour(*text); });
  }

  // A text of the skin file's header: skin.ini holds UTF-8, the header Latin-1 of at most
  // 64 characters. A text that does not fit is refused rather than changed.
  std::optional<std::string> HeaderText(std::string_view section, std::string_view key) const {
    const IniFile::Entry* entry = Find(section, key);
    if (entry == nullptr) return std::nullopt;
    const std::optional<std::string> latin1 = Utf8ToLatin1(entry->value);
    if (!latin1) {
      throw FileError(Where(*entry), "'" + entry->value + "' has characters a skin file cannot hold (only Latin-1)");
    }
    if (latin1->size() > kMaxHeaderText) {
      throw FileError(Where(*entry), "'" + entry->value + "' is longer than the " + std::to_string(kMaxHeaderText) +
                                         " characters a skin file holds");
    }
    return latin1;
  }

  // A number of images: 0 to the 16-bit limit of the image-list header.
  std::optional<int> ImageNumber(std::string_view section, std::string_view key) const {
    const IniFile::Entry* entry = Find(section, key);
    if (entry == nullptr) return std::nullopt;
    const std::optional<std::int32_t> value = ParseInteger(entry->value);
    if (!value) throw FileError(Where(*entry), FormatMessage(msg::kNotValidInteger, {entry->value}));
    if (*value < 0 || *value > kMaxImages) {
      throw FileError(Where(*entry), std::string(key) + " must be between 0 and " + std::to_string(kMaxImages));
    }
    return *value;
  }

 private:
  void CheckSection(const IniFile::Section& section, const Skin& skin) const {
    static constexpr std::string_view kSkinKeys[] = {skindir::kTopStretch, skindir::kBottomStretch, skindir::kTextColor,
                                                     skindir::kGaugeColor, skindir::kTheme};
    static constexpr std::string_view kListKeys[] = {skindir::kCount, skindir::kCapacity};

    std::span<const std::string_view> keys;
    const ClassInfo* settings = nullptr;  // the component whose stored properties may be set
    if (EqualsIgnoringCase(section.name, skindir::kSkinSection)) {
      keys = kSkinKeys;
    } else if (section.name == skin.bgTop.name || section.name == skin.bgBottom.name) {
      settings = &kBackgroundClass;
    } else if (IsListName(section.name, skin)) {
      keys = kListKeys;
      settings = &kImageListClass;
    } else {
      throw FileError(path_ + ":" + std::to_string(section.line), "unknown section [" + section.name + "]");
    }
    for (const IniFile::Entry& entry : section.entries) {
      bool known = settings != nullptr && IsSettingKey(*settings, entry.key);
      for (std::string_view key : keys) known = known || EqualsIgnoringCase(entry.key, key);
      if (!known) throw FileError(Where(entry), "unknown key '" + entry.key + "' in [" + section.name + "]");
    }
  }

  static bool IsListName(const std::string& name, const Skin& skin) {
    for (const ImageList* list : skin.ImageLists()) {
      if (list->name == name) return true;
    }
    return false;
  }

  std::string path_;
  IniFile ini_;
};

// Every entry of DIR must be something pack reads; leftovers are passed over.
void CheckDirectoryEntries(const fs::path& root, const Skin& skin) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(root, error)) {
    if (IsLeftover(entry.path())) continue;
    const std::string name = entry.path().filename().string();
    bool known = name == skindir::kIniFile || name == skin.bgTop.name + std::string(skindir::kBmpExtension) ||
                 name == skin.bgBottom.name + std::string(skindir::kBmpExtension);
    for (const ImageList* list : skin.ImageLists()) {
      known = known || (name == list->name && IsFolder(entry));
    }
    if (!known) {
      throw FileError(PathText(entry.path()),
                      "not part of a skin directory (skin.ini, bgTop.bmp, bgBottom.bmp and one "
                      "folder per image list, such as ilLButtons)");
    }
  }
  if (error) throw FileError(PathText(root), FormatMessage(msg::kCannotOpenFile, {PathText(root)}));
}

// The slot of a file named like "05.png" or "7.bmp", or nothing.
std::optional<int> SlotOfFile(const fs::path& path) {
  const std::string name = path.filename().string();
  std::string_view stem;
  for (std::string_view extension : {skindir::kPngExtension, skindir::kBmpExtension}) {
    if (EndsWithIgnoringCase(name, extension)) stem = std::string_view(name).substr(0, name.size() - extension.size());
  }
  if (stem.empty()) return std::nullopt;
  long slot = 0;
  for (char c : stem) {
    if (c < '0' || c > '9') return std::nullopt;
    slot = slot * 10 + (c - '0');
    if (slot >= kMaxImages) return std::nullopt;
  }
  return static_cast<int>(slot);
}

std::map<int, fs::path> ScanSlots(const fs::path& folder) {
  std::map<int, fs::path> slots;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (IsLeftover(entry.path())) continue;
    const std::optional<int> slot = IsFolder(entry) ? std::nullopt : SlotOfFile(entry.path());
    if (!slot) {
      throw FileError(PathText(entry.path()), "not an image slot file (a slot number below " +
                                                  std::to_string(kMaxImages) + " and .png or .bmp, such as 05.png)");
    }
    if (!slots.emplace(*slot, entry.path()).second) {
      throw FileError(PathText(entry.path()), "slot " + std::to_string(*slot) + " is given twice");
    }
  }
  if (error) throw FileError(PathText(folder), FormatMessage(msg::kCannotOpenFile, {PathText(folder)}));
  return slots;
}

void PackImageList(const fs::path& root, const SkinIni& ini, ImageList& list) {
  // First: a new Width or Height empties the list, and the slot images are checked against it.
  ini.ApplySettings(list.name, kImageListClass, &list);
  const std::optional<int> count = ini.ImageNumber(list.name, skindir::kCount);
  const std::optional<int> capacity = ini.ImageNumber(list.name, skindir::kCapacity);

  std::vector<ImageList::Image> images;
  for (int i = 0; i < list.ImageCount(); ++i) images.push_back(list.ImageAt(i));
  if (count && static_cast<std::size_t>(*count) < images.size()) images.resize(static_cast<std::size_t>(*count));

  const fs::path folder = root / list.name;
  std::error_code error;
  if (fs::is_directory(folder, error)) {
    for (const auto& [slot, path] : ScanSlots(folder)) {
      const std::string where = PathText(path);
      if (count && slot >= *count) {
        throw FileError(where, "slot " + std::to_string(slot) + " is not below " + std::string(skindir::kCount) + "=" +
                                   std::to_string(*count) + " of " + std::string(skindir::kIniFile));
      }
      const auto size = static_cast<int>(images.size());
      if (slot > size) {
        throw FileError(where, "slot " + std::to_string(slot) + " leaves a gap: " + list.name + " holds " +
                                   std::to_string(size) + " images, so the next slot to add is " +
                                   std::to_string(size));
      }
      ImageList::Image image = ForFile(where, [&] { return LoadSlotImage(where, list); });
      if (slot == size) {
        images.push_back(std::move(image));
      } else {
        images[static_cast<std::size_t>(slot)] = std::move(image);
      }
    }
  }

  const auto size = static_cast<int>(images.size());
  if (count && size < *count) {
    throw FileError(ini.Where(*ini.Find(list.name, skindir::kCount)),
                    std::string(skindir::kCount) + "=" + std::to_string(*count) + " but " + list.name +
                        " has no image for slot " + std::to_string(size));
  }
  // Room for more images than the capacity given grows in the list's own steps.
  int room = capacity.value_or(list.Capacity());
  while (room < size) room += ImageList::kGrowBy;
  // A list no image-list payload can hold would pack "ok" and then fail every save.
  const int most =
      imagelist::MaxCapacity(static_cast<std::uint32_t>(list.Width()), static_cast<std::uint32_t>(list.Height()));
  if (size > 0 && room > most) {
    const IniFile::Entry* given = capacity ? ini.Find(list.name, skindir::kCapacity) : nullptr;
    throw FileError(given != nullptr ? ini.Where(*given) : PathText(folder),
                    list.name + " with room for " + std::to_string(room) + " images of " +
                        std::to_string(list.Width()) + " x " + std::to_string(list.Height()) +
                        " could never be saved: a list of that size holds at most " + std::to_string(most));
  }
  list.SetContent(list.Width(), list.Height(), room, std::move(images));
}

void PackBackground(const fs::path& root, const SkinIni& ini, TTBBackground& background) {
  ini.ApplySettings(background.name, kBackgroundClass, &background);
  const fs::path picture = root / (background.name + std::string(skindir::kBmpExtension));
  std::error_code error;
  if (!fs::exists(picture, error)) return;
  const std::string where = PathText(picture);
  background.SetBitmap(ForFile(where, [&] { return LoadBmpFile(where); }));
}

// OUT inside DIR (or one of its folders) must be a name pack passes over: anything else
// would replace a file the skin is packed from (skin.ini, a picture, a slot image) or be
// taken as a stray file by the next pack.
void CheckOutputOutsideTheSkin(const fs::path& root, const std::string& out) {
  std::error_code error;
  const fs::path folder = fs::weakly_canonical(root, error);
  if (error) return;
  const fs::path target = fs::weakly_canonical(ResolveLinks(out), error);
  if (error || IsLeftover(target)) return;
  const auto [end, inside] = std::mismatch(folder.begin(), folder.end(), target.begin(), target.end());
  if (end == folder.end() && inside != target.end()) {
    throw UsageError("'" + out + "' lies in DIR, among the files the skin is packed from; name a .skn file");
  }
}

}  // namespace

int RunPack(const Invocation& invocation) {
  const Arguments arguments = ParseArguments(invocation.args, {}, 2, 2);
  CheckOutputName(arguments.positional[1]);
  const std::string& dir = arguments.positional[0];
  const fs::path root(dir);
  std::error_code error;
  if (!fs::is_directory(fs::status(root, error))) {
    const std::string reason = error ? error.message() : SystemReason(ENOTDIR);
    throw FileError(dir, WithReason(SkinError(FormatMessage(msg::kCannotOpenFile, {dir}), reason)));
  }
  CheckOutputOutsideTheSkin(root, arguments.positional[1]);

  Skin skin;
  LoadStartupSkin(skin);
  CheckDirectoryEntries(root, skin);
  const SkinIni ini(root / skindir::kIniFile, skin);

  if (auto top = ini.Flag(skindir::kSkinSection, skindir::kTopStretch)) skin.bgTop.SetStretchBitmap(*top);
  if (auto bottom = ini.Flag(skindir::kSkinSection, skindir::kBottomStretch)) skin.bgBottom.SetStretchBitmap(*bottom);
  if (auto text = ini.ColourValue(skindir::kSkinSection, skindir::kTextColor)) skin.textColour = *text;
  if (auto gauge = ini.ColourValue(skindir::kSkinSection, skindir::kGaugeColor)) skin.gaugeColour = *gauge;
  if (auto theme = ini.HeaderText(skindir::kSkinSection, skindir::kTheme)) skin.themeName = *theme;

  PackBackground(root, ini, skin.bgTop);
  PackBackground(root, ini, skin.bgBottom);
  for (ImageList* list : skin.ImageLists()) PackImageList(root, ini, *list);

  SaveSkin(arguments.positional[1], skin);
  return kExitOk;
}

}  // namespace tessary::cli
