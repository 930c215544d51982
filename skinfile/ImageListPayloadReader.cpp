// Reads an image-list payload (the `Bitmap` property of an image list). Little-endian.
//
// Current layout
//   header (28 bytes)
//     0  u8[2]  "IL"
//     2  u16    version, 0x0101
//     4  u16    count: number of images
//     6  u16    capacity: cells the list has room for, not less than count
//     8  u16    grow: cells added when the list is full (read, not used)
//    10  u16    cx: image width, 1 .. kMaxCellSide (skin/Limits.h)
//    12  u16    cy: image height, 1 .. kMaxCellSide
//    14  u32    background colour 0x00BBGGRR; 0xFFFFFFFF none, 0xFF000000 default
//    18  u16    flags: 0x0001 a mask bitmap follows; 0x00FE colour depth of the cells;
//               0x1000 set by every writer we know (not used)
//    20  i16[4] overlay image indices, -1 = none (read, not used)
//   colour bitmap at 28: a BMP file of W = 4 x cx columns and H = ceil(capacity / 4) x cy
//     rows, any depth. Its total-size field holds only the size of its headers, so where it
//     ends is worked out from the headers: 14 + header size (+ 12 for masks after a short
//     header) + colour table + pixel data (stride x rows; the image size when RLE).
//   mask bitmap (only with flag 0x0001): a BMP file of the same cells; white marks a
//     transparent pixel, any other colour an opaque one. Written as 1 bit per pixel.
//   22 zero bytes (not used)
//   Image i is the cell at x = (i mod 4) x cx, y = (i div 4) x cy, counted from the top.
//
// Older layout (read only)
//    0  u32  A: byte size of the image BMP
//    4  i32  n: number of images
//    8  A    image BMP: cells of the list's current width and height in rows, left to
//            right, top to bottom
//  8+A  rest mask BMP of the same layout (white = transparent)
//
// The first layout is recognised by "IL" and two differing 32-bit integers at 0 and 4.
//
// Errors. A current-layout payload that yields no list fails with "Failed to read ImageList
// data from stream", whatever inside it is broken (header, either bitmap, sizes): it is read
// as one unit. It yields no list when it is truncated, names no colour depth in its flags,
// holds more images than cells, has a cell size of 0 or above the limit, or has bitmaps that
// are not 4 cells wide or too short for its images. An older-layout payload is two plain BMP
// files, so a broken one fails with the BMP reader's own message; pictures larger than the
// largest list (kMaxGridPixels, skin/Limits.h) fail with the list's.
#include <algorithm>
#include <optional>

#include "skin/Error.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/ByteReader.h"
#include "skinfile/ImageListLayout.h"
#include "skinfile/ImageListPayload.h"

namespace tessary {
namespace {

using namespace imagelist;

constexpr Argb kOpaqueBlack = 0xFF000000u;
constexpr Argb kRgbBits = 0x00FFFFFFu;
constexpr std::size_t kLayoutProbeSize = 8;

// The pixels and mask of one cell. A white mask pixel is transparent; transparent pixels are
// stored black. The caller has checked that both pictures hold the cell.
ImageList::Image CutCell(const Bitmap& colour, const Bitmap& mask, int x0, int y0, int cx, int cy) {
  ImageList::Image image;
  const auto size = [](int value) { return static_cast<std::size_t>(value); };
  const std::size_t width = size(cx);
  const std::size_t cellPixels = width * size(cy);
  image.pixels.resize(cellPixels);
  image.mask.resize(cellPixels);
  for (std::size_t y = 0; y < size(cy); ++y) {
    const std::size_t sourceRow = size(y0) + y;
    const Argb* source = colour.Pixels().data() + sourceRow * size(colour.Width()) + size(x0);
    Argb* pixels = image.pixels.data() + y * width;
    std::uint8_t* bits = image.mask.data() + y * width;
    if (mask.IsEmpty()) {
      for (std::size_t x = 0; x < width; ++x) pixels[x] = source[x] | kOpaqueBlack;
      continue;  // the mask bytes stay 0: opaque
    }
    const Argb* maskSource = mask.Pixels().data() + sourceRow * size(mask.Width()) + size(x0);
    for (std::size_t x = 0; x < width; ++x) {
      const bool transparent = (maskSource[x] & kRgbBits) == kRgbBits;
      pixels[x] = transparent ? kOpaqueBlack : (source[x] | kOpaqueBlack);
      bits[x] = static_cast<std::uint8_t>(transparent);
    }
  }
  return image;
}

bool Holds(const Bitmap& picture, int width, int height) {
  return picture.Width() >= width && picture.Height() >= height;
}

Colour BackgroundColour(std::uint32_t field) {
  if (field == kBackgroundNone) return clNone;
  if (field == kBackgroundDefault) return clDefault;
  return field & 0x00FFFFFFu;
}

struct DecodedList {
  int cx = 0, cy = 0, capacity = 0, count = 0;
  Colour background = clNone;
  ImageList::ImageCutter cut;  // cuts the checked pictures into the images
};

// One attempt at the current layout with the given flags; throws when it yields no list.
DecodedList DecodeCurrent(const SharedBytes& bytes, std::uint16_t flags) {
  const std::span<const std::uint8_t> payload = bytes.Span();
  ByteReader in(payload);
  auto magic = in.Take(2);
  if (magic[0] != kMagic[0] || magic[1] != kMagic[1] || in.U16() != kVersion) Fail(msg::kImageListRead);
  const std::uint16_t count = in.U16();
  const std::uint16_t capacity = in.U16();
  in.U16();  // grow: our lists always grow by ImageList::kGrowBy
  const std::uint16_t cx = in.U16();
  const std::uint16_t cy = in.U16();
  const std::uint32_t background = in.U32();
  in.Skip(2 + 2 * kOverlayCount);  // flags (passed in, perhaps repaired), overlays
  if ((flags & kFlagDepthBits) == 0 || count > capacity) Fail(msg::kImageListRead);
  const auto grid = MakeGrid(cx, cy, capacity);
  if (!grid) Fail(msg::kImageListRead);
  const std::int64_t neededRows = std::int64_t{CellRows(count)} * cy;

  // Both bitmaps must be four cells wide and tall enough for the images, and no taller than
  // the capacity's cells. Reading a bitmap copies only rows that are present and decodes
  // nothing yet, so the sizes are checked before any pixel work.
  auto check = [&](const Bitmap& picture) {
    if (picture.Width() != static_cast<int>(grid->width) || picture.Height() < neededRows ||
        picture.Height() > static_cast<std::int64_t>(grid->rows)) {
      Fail(msg::kImageListRead);
    }
  };
  // Slices of the payload, not copies: they are kept only until the images are cut.
  std::size_t colourLength = 0;
  const Bitmap colour = ReadEmbeddedBmp(bytes.Slice(kColourBmpOffset, bytes.size() - kColourBmpOffset), colourLength);
  check(colour);
  Bitmap mask;
  if ((flags & kFlagMasked) != 0) {
    std::size_t maskLength = 0;
    const std::size_t maskAt = kColourBmpOffset + colourLength;
    mask = ReadEmbeddedBmp(bytes.Slice(maskAt, bytes.size() - maskAt), maskLength);
    check(mask);
  }

  // Everything is checked: cutting cannot fail, so it waits until an image is looked at.
  DecodedList list;
  list.cx = cx;
  list.cy = cy;
  list.capacity = capacity;
  list.count = count;
  list.background = BackgroundColour(background);
  list.cut = [colour, mask, cx = int{cx}, cy = int{cy}, count = int{count}] {
    std::vector<ImageList::Image> images;
    images.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      const int x0 = (i % static_cast<int>(kCellsPerRow)) * cx;
      const int y0 = (i / static_cast<int>(kCellsPerRow)) * cy;
      images.push_back(CutCell(colour, mask, x0, y0, cx, cy));
    }
    return images;
  };
  return list;
}

std::optional<DecodedList> TryDecodeCurrent(const SharedBytes& payload, std::uint16_t flags) {
  try {
    return DecodeCurrent(payload, flags);
  } catch (const SkinError&) {
    return std::nullopt;
  }
}

void ReadCurrentLayout(const SharedBytes& payload, ImageList& list) {
  if (payload.size() < kHeaderSize) Fail(msg::kImageListRead);
  const std::uint16_t flags = static_cast<std::uint16_t>(payload[kFlagsOffset] | (payload[kFlagsOffset + 1] << 8));
  auto decoded = TryDecodeCurrent(payload, flags);
  // Some writers leave the colour depth out of the flags (low byte 1: masked, no depth);
  // the colour bitmap's bits per pixel then stands in for it.
  if (!decoded && (flags & kFlagsLowByte) == kFlagMasked && payload.size() > kColourBitsOffset) {
    const std::uint16_t repaired =
        static_cast<std::uint16_t>((flags & ~kFlagsLowByte) | kFlagMasked | payload[kColourBitsOffset]);
    decoded = TryDecodeCurrent(payload, repaired);
  }
  if (!decoded) Fail(msg::kImageListRead);
  list.properties.bkColor = decoded->background;
  list.SetPendingContent(decoded->cx, decoded->cy, decoded->capacity, decoded->count, std::move(decoded->cut));
}

void ReadOlderLayout(std::span<const std::uint8_t> payload, ImageList& list) {
  ByteReader in(payload);
  const std::uint32_t imageBytes = in.U32();
  const std::int64_t remaining = in.I32();
  const Bitmap colour = ReadBmp(in.Take(imageBytes));
  const Bitmap mask = ReadBmp(payload.subspan(in.Position()));
  const int cx = list.Width();
  const int cy = list.Height();
  if (cx <= 0 || cy <= 0) Fail(msg::kImageListRead);
  // Both pictures are decoded whole to cut the cells from them: one larger than the largest
  // list would cost that much for cells no list can hold.
  for (const Bitmap* picture : {&colour, &mask}) {
    if (static_cast<std::uint64_t>(picture->Width()) * static_cast<std::uint64_t>(picture->Height()) > kMaxGridPixels)
      Fail(msg::kImageListRead);
  }

  const std::int64_t cellRows = colour.Height() / cy;
  const std::int64_t cellColumns = colour.Width() / cx;
  const std::int64_t taken = std::clamp<std::int64_t>(remaining, 0, cellRows * cellColumns);
  // The list must be one the current layout can hold, so that it can be saved again.
  const int capacity = ImageList::GrownCapacity(static_cast<int>(taken));
  if (!MakeGrid(static_cast<std::uint32_t>(cx), static_cast<std::uint32_t>(cy), static_cast<std::uint32_t>(capacity))) {
    Fail(msg::kImageListRead);
  }
  std::vector<ImageList::Image> images;
  images.reserve(static_cast<std::size_t>(taken));
  for (std::int64_t i = 0; i < taken; ++i) {
    const int x0 = static_cast<int>(i % cellColumns) * cx;
    const int y0 = static_cast<int>(i / cellColumns) * cy;
    if (!Holds(mask, x0 + cx, y0 + cy)) Fail(msg::kImageListRead);
    images.push_back(CutCell(colour, mask, x0, y0, cx, cy));
  }
  list.SetContent(cx, cy, capacity, std::move(images));
}

bool IsCurrentLayout(std::span<const std::uint8_t> payload) {
  if (payload.size() < 2 || payload[0] != kMagic[0] || payload[1] != kMagic[1]) return false;
  // "IL" and too short to compare: a truncated payload of the current layout.
  if (payload.size() < kLayoutProbeSize) return true;
  ByteReader probe(payload.first(kLayoutProbeSize));
  return probe.U32() != probe.U32();
}

}  // namespace

void ReadImageListPayload(const SharedBytes& payload, ImageList& list) {
  try {
    if (IsCurrentLayout(payload.Span())) ReadCurrentLayout(payload, list);
    else ReadOlderLayout(payload.Span(), list);
  } catch (const SkinError&) {
    list.Clear();
    throw;
  }
}

void ReadImageListPayload(std::span<const std::uint8_t> payload, ImageList& list) {
  ReadImageListPayload(SharedBytes::Copy(payload), list);
}

}  // namespace tessary
