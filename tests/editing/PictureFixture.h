#pragma once
// The per-place actions and the live link driven as the window drives them, with fakes for
// the platform's services: a clipboard in memory, a watcher that records what it watches
// (the tests tell the links of changes themselves), an image editor that records what it
// was asked to open, and a raw stand-in for PNG that keeps alpha, read back by the decoder.
#include <set>

#include "CommandFixture.h"
#include "editing/EditHistory.h"
#include "editing/LiveLinks.h"
#include "editing/PictureActions.h"

namespace tessary::test {

struct FakeClipboard : PictureClipboard {
  void SetPicture(const AlphaPicture& picture) override { held = picture; }
  bool HasPicture() const override { return held.has_value(); }
  std::optional<AlphaPicture> Picture() const override { return held; }
  std::optional<AlphaPicture> held;
};

struct FakeWatcher : FileWatcher {
  void Watch(const std::string& path) override { watched.insert(path); }
  void Unwatch(const std::string& path) override { watched.erase(path); }
  std::set<std::string> watched;
};

struct FakeLauncher : ImageEditorLauncher {
  void Open(const std::string& path) override { opened.push_back(path); }
  std::vector<std::string> opened;
};

// "RAWA", width and height (4 bytes each, little-endian), then 0xAARRGGBB per pixel.
inline constexpr std::uint8_t kRawMagic[] = {'R', 'A', 'W', 'A'};

inline Bytes EncodeRaw(const AlphaPicture& picture) {
  Bytes out(std::begin(kRawMagic), std::end(kRawMagic));
  const auto put = [&out](std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
  };
  put(static_cast<std::uint32_t>(picture.width));
  put(static_cast<std::uint32_t>(picture.height));
  for (const Argb pixel : picture.pixels) put(pixel);
  return out;
}

inline std::optional<AlphaPicture> DecodeRaw(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 12 || !std::equal(std::begin(kRawMagic), std::end(kRawMagic), bytes.begin())) return std::nullopt;
  const auto get = [&bytes](std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
  };
  AlphaPicture picture{static_cast<int>(get(4)), static_cast<int>(get(8)), {}};
  const std::size_t count = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
  if (bytes.size() != 12 + 4 * count) return std::nullopt;  // a half-written file does not read
  for (std::size_t i = 0; i < count; ++i) picture.pixels.push_back(get(12 + 4 * i));
  return picture;
}

// A picture of one colour with straight alpha.
inline AlphaPicture Solid(int width, int height, Argb colour) {
  return {width, height, std::vector<Argb>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), colour)};
}

class PictureTest : public CommandTest {
 protected:
  PictureTest() {
    editor.SetPictureEncoder(EncodeRaw);
    editor.SetPictureDecoder(DecodeRaw);
  }

  // What a place shows: its list image's pixels and mask, or its background's pixels.
  struct Look {
    int width = 0, height = 0;
    std::vector<Argb> pixels;
    std::vector<std::uint8_t> mask;
    bool operator==(const Look&) const = default;
  };
  Look Shown(const PicturePlace& place) const {
    if (!place.IsSlot()) {
      const Bitmap& picture = BackgroundOf(skin, place.background).GetBitmap();
      if (picture.IsEmpty()) return {};
      return {picture.Width(), picture.Height(), picture.Pixels(), {}};
    }
    const ImageList& list = ListOf(skin, place);
    if (place.slot >= list.ImageCount()) return {};
    const ImageList::Image& image = list.ImageAt(place.slot);
    return {list.Width(), list.Height(), image.pixels, image.mask};
  }
  // The size a place takes (a background: any; this one).
  static std::pair<int, int> SizeOf(const PicturePlace& place) {
    if (!place.IsSlot()) return {30, 4};
    return {RuleOf(place.command).width, RuleOf(place.command).height};
  }

  FakeClipboard clipboard;
  FakeWatcher watcher;
  FakeLauncher launcher;
  EditHistory history{editor};
  LiveLinks links{editor, watcher, launcher, folder / "cache"};
  PictureActions actions{editor, dialogs, clipboard, links};
};

}  // namespace tessary::test
