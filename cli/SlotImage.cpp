#include "cli/SlotImage.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "cli/PngCodec.h"
#include "cli/SkinDirectory.h"
#include "skin/AlphaPicture.h"
#include "skin/AsciiText.h"
#include "skin/Error.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/SkinFile.h"

namespace tessary::cli {
namespace {

constexpr std::array<SlotRule, 8> kSlotRules{{
    {"ilLButtons", clFuchsia},
    {"ilSButtons", clFuchsia},
    {"ilImages", clNone},
    {"ilHot", clNone},
    {"ilDisable", clNone},
    {"ilDown", clNone},
    {"ilMain", clFuchsia},
    {"ilPage", clWhite},
}};

constexpr Argb kOpaqueAlpha = 0xFF000000u;
constexpr Argb kStoredTransparent = 0xFF000000u;  // the list stores transparent pixels black
constexpr Argb kRgbBits = 0x00FFFFFFu;

ImageList::Image LoadPngSlot(const std::string& path, const ImageList& list) {
  const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
  // The size is checked before any pixel is decoded, so a PNG that claims a huge picture
  // is refused without allocating it.
  const std::optional<AlphaPicture> picture =
      DecodePng(bytes, [&list](int width, int height) { CheckSlotSize(list, width, height); });
  if (!picture) Fail(msg::kBitmapNotValid);

  // Alpha and the mask stand for each other both ways (export writes alpha 0 where the mask
  // is set), so a folder packs back into the list it was exported from.
  ImageList::Image image;
  image.pixels.reserve(picture->pixels.size());
  image.mask.reserve(picture->pixels.size());
  for (const Argb pixel : picture->pixels) {
    const bool transparent = static_cast<int>(pixel >> 24) < kOpaqueAlphaFrom;
    image.pixels.push_back(transparent ? kStoredTransparent : (pixel & kRgbBits) | kOpaqueAlpha);
    image.mask.push_back(transparent ? 1 : 0);
  }
  return image;
}

ImageList::Image LoadBmpSlot(const std::string& path, const ImageList& list) {
  const Bitmap bitmap = LoadBmpFile(path);
  CheckSlotSize(list, bitmap.Width(), bitmap.Height());
  return MakeMaskedImage(bitmap, BmpMaskColour(list.name));
}

}  // namespace

std::span<const SlotRule> SlotRules() { return kSlotRules; }

Colour BmpMaskColour(std::string_view listName) {
  for (const SlotRule& rule : kSlotRules) {
    if (rule.list == listName) return rule.bmpMaskColour;
  }
  return clNone;
}

void CheckSlotSize(const ImageList& list, int width, int height) {
  if (width != list.Width() || height != list.Height()) {
    Fail(kImageSizeShouldBe, {std::to_string(list.Width()), std::to_string(list.Height())});
  }
}

std::vector<std::uint8_t> EncodeSlotPng(const ImageList& list, int index) {
  return EncodePng(ListImageWithAlpha(list, index), PngChannels::kRgba);
}

ImageList::Image LoadSlotImage(const std::string& path, const ImageList& list) {
  if (EndsWithIgnoringCase(path, skindir::kPngExtension)) return LoadPngSlot(path, list);
  return LoadBmpSlot(path, list);
}

}  // namespace tessary::cli
