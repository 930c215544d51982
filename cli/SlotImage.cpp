#include "cli/SlotImage.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "cli/SkinDirectory.h"
#include "skin/AlphaPicture.h"
#include "skin/AsciiText.h"
#include "skin/Error.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/SkinFile.h"

// Qt last: its "slots" keyword macro would otherwise rewrite the core's Signal.h.
#include "platform/PictureDecoder.h"
#include "platform/PictureEncoder.h"

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

// PNG layout, as far as the check below needs it: an 8-byte signature, then chunks of
// a 32-bit big-endian data length, a 4-byte type, the data and a 4-byte CRC, up to IEND.
constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kChunkLengthSize = 4;
constexpr std::size_t kChunkTypeSize = 4;
constexpr std::size_t kChunkCrcSize = 4;
constexpr std::string_view kEndChunk = "IEND";

std::size_t BigEndian32(const std::uint8_t* p) {
  return (std::size_t{p[0]} << 24) | (std::size_t{p[1]} << 16) | (std::size_t{p[2]} << 8) | p[3];
}

// Whether the bytes hold a PNG signature and whole chunks up to IEND. The decoder prints
// its own complaints about a cut or foreign file on stderr, where they would land in front
// of the tool's one-line message; such files are refused before it sees them.
bool IsCompletePng(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kPngSignature.size() || !std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin())) {
    return false;
  }
  std::size_t pos = kPngSignature.size();
  while (bytes.size() - pos >= kChunkLengthSize + kChunkTypeSize + kChunkCrcSize) {
    const std::size_t length = BigEndian32(&bytes[pos]);
    const std::string_view type(reinterpret_cast<const char*>(&bytes[pos + kChunkLengthSize]), kChunkTypeSize);
    const std::size_t rest = bytes.size() - pos - kChunkLengthSize - kChunkTypeSize - kChunkCrcSize;
    if (length > rest) return false;
    if (type == kEndChunk) return true;
    pos += kChunkLengthSize + kChunkTypeSize + length + kChunkCrcSize;
  }
  return false;
}

ImageList::Image LoadPngSlot(const std::string& path, const ImageList& list) {
  const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
  if (!IsCompletePng(bytes)) Fail(msg::kBitmapNotValid);
  // The editor's picture reader; the size is checked before any pixel is decoded, so a PNG
  // that claims a huge picture is refused without allocating it.
  const std::optional<AlphaPicture> picture = platform::DecodePictureOfAcceptedSize(
      bytes, [&list](int width, int height) { CheckSlotSize(list, width, height); });
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
  std::vector<std::uint8_t> bytes = platform::EncodePng(ListImageWithAlpha(list, index));
  if (bytes.empty()) Fail(msg::kStreamWriteError);
  return bytes;
}

ImageList::Image LoadSlotImage(const std::string& path, const ImageList& list) {
  if (EndsWithIgnoringCase(path, skindir::kPngExtension)) return LoadPngSlot(path, list);
  return LoadBmpSlot(path, list);
}

}  // namespace tessary::cli
