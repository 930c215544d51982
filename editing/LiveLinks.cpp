#include "editing/LiveLinks.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <system_error>

#include "skin/Error.h"
#include "skinfile/FileIo.h"

namespace tessary {
namespace {

constexpr const char* kPngSuffix = ".png";
constexpr const char* kUnsavedSkinFolder = "unsaved-";

// One spelling per file, so that a file chosen twice by different paths is one link.
std::string Normal(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

std::string Hex(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (std::size_t i = text.size(); i-- > 0; value >>= 4) text[i] = kDigits[value & 0xF];
  return text;
}

// FNV-1a: a stable name for a skin's folder from its path (the same on every run).
std::uint64_t PathHash(const std::string& text) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3u;
  }
  return hash;
}

}  // namespace

LiveLinks::LiveLinks(SkinEditor& editor, FileWatcher& watcher, ImageEditorLauncher& launcher,
                     std::filesystem::path cacheFolder)
    : editor_(editor), watcher_(watcher), launcher_(launcher), cacheFolder_(std::move(cacheFolder)) {
  std::random_device random;
  sessionName_ = kUnsavedSkinFolder + Hex((std::uint64_t{random()} << 32) | random());
  takenWatch_ =
      editor_.OnPictureTaken([this](const PicturePlace& place, const std::string& path) { Link(place, Normal(path)); });
  fileWatch_ = editor_.OnSavedOrOpened([this](const std::string& path, FileEvent event) {
    // The links belong to the skin that is open: another one (or a new one) has none.
    if (event != FileEvent::kSaved) UnlinkAll();
    if (event != FileEvent::kImported) skinFile_ = path;
  });
}

LiveLinks::~LiveLinks() {
  for (const auto& [place, path] : links_) watcher_.Unwatch(path);
}

std::filesystem::path LiveLinks::WorkingFolder() const {
  if (skinFile_.empty()) return cacheFolder_ / sessionName_;
  const std::string name = Normal(skinFile_);
  return cacheFolder_ / (std::filesystem::path(name).stem().string() + "-" + Hex(PathHash(name)));
}

std::string LiveLinks::EditExternally(const PicturePlace& place) {
  const Skin& skin = editor_.skin();
  if (!HasPicture(skin, place)) Fail(msg::kUnableToReplaceImage);
  const std::vector<std::uint8_t> png = editor_.EncodePng(PictureWithAlpha(skin, place));
  const std::filesystem::path folder = WorkingFolder();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) FailBecause(error.message(), msg::kCannotCreateFile, {folder.string()});
  const std::string path = Normal((folder / (PlaceFileName(skin, place) + kPngSuffix)).string());
  const std::span<const std::uint8_t> pieces[] = {png};
  WriteFileSafely(path, pieces);
  Link(place, path);
  launcher_.Open(path);
  return path;
}

void LiveLinks::Link(const PicturePlace& place, const std::string& path) {
  const auto found = links_.find(place);
  if (found != links_.end() && found->second == path) return;
  Detach(place);
  const bool watched = std::ranges::any_of(links_, [&](const auto& link) { return link.second == path; });
  links_[place] = path;
  if (!watched) watcher_.Watch(path);
  linksChanged_.Emit();
}

void LiveLinks::Detach(const PicturePlace& place) {
  const auto found = links_.find(place);
  if (found == links_.end()) return;
  const std::string path = found->second;
  links_.erase(found);
  if (std::ranges::none_of(links_, [&](const auto& link) { return link.second == path; })) watcher_.Unwatch(path);
}

void LiveLinks::Unlink(const PicturePlace& place) {
  if (!links_.contains(place)) return;
  Detach(place);
  linksChanged_.Emit();
}

void LiveLinks::UnlinkAll() {
  if (links_.empty()) return;
  for (const auto& [place, path] : links_) watcher_.Unwatch(path);
  links_.clear();
  linksChanged_.Emit();
}

std::optional<std::string> LiveLinks::LinkedFile(const PicturePlace& place) const {
  const auto found = links_.find(place);
  if (found == links_.end()) return std::nullopt;
  return found->second;
}

std::vector<PicturePlace> LiveLinks::LinkedPlaces() const {
  std::vector<PicturePlace> places;
  for (const auto& [place, path] : links_) places.push_back(place);
  return places;
}

bool LiveLinks::Shows(const PicturePlace& place, const PlacePicture& picture) const {
  const Skin& skin = editor_.skin();
  if (!HasPicture(skin, place)) return false;
  if (!place.IsSlot()) return BackgroundOf(skin, place.background).GetBitmap().SamePixels(picture.bitmap);
  const ImageList& list = ListOf(skin, place);
  if (picture.bitmap.Width() != list.Width() || picture.bitmap.Height() != list.Height()) return false;
  const ImageList::Image stored = StoredImage(place, picture);
  const ImageList::Image& shown = list.ImageAt(place.slot);
  return stored.pixels == shown.pixels && stored.mask == shown.mask;
}

LiveLinks::Outcome LiveLinks::FileChanged(const std::string& file, bool lastTry) {
  const std::string path = Normal(file);
  std::vector<PicturePlace> places;
  for (const auto& [place, linked] : links_)
    if (linked == path) places.push_back(place);
  if (places.empty()) return Outcome::kUnchanged;

  std::error_code error;
  const bool there = std::filesystem::is_regular_file(path, error);
  if (!there) {
    // Renamed over by a new file a moment from now, or gone for good.
    if (!lastTry) return Outcome::kTryLater;
    for (const PicturePlace& place : places) Detach(place);
    linksChanged_.Emit();
    return Outcome::kGone;
  }
  // A writer that truncated the file has not written it yet; one that leaves it empty
  // will write again.
  if (std::filesystem::file_size(path, error) == 0 || error) return lastTry ? Outcome::kUnchanged : Outcome::kTryLater;

  Outcome outcome = Outcome::kUnchanged;
  for (const PicturePlace& place : places) {
    PlacePicture picture;
    try {
      picture = editor_.ReadPicture(place, path);
    } catch (const SkinError&) {
      // Half written, most likely: read again once before the reader's error shows.
      if (!lastTry) return Outcome::kTryLater;
      throw;
    }
    if (Shows(place, picture)) continue;
    // Each place as its command does it: one step, the size rule's message when refused.
    if (!editor_.PutPicture(place, picture)) return Outcome::kRefused;
    outcome = Outcome::kApplied;
  }
  return outcome;
}

}  // namespace tessary
