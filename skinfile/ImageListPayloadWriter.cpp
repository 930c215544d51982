// Writes the current image-list layout (see ImageListPayloadReader.cpp for the fields).
// The pixel data is laid out in one pass per bitmap row: each row is a run of at most four
// cell rows, copied with a per-row transform, so writing is linear in the pixels written.
#include "skin/Error.h"
#include "skinfile/ByteReader.h"
#include "skinfile/ImageListLayout.h"
#include "skinfile/ImageListPayload.h"

namespace tessary {
namespace {

using namespace imagelist;

std::uint32_t BackgroundField(Colour bkColor) {
  if (bkColor == clNone) return kBackgroundNone;
  if (bkColor == clDefault) return kBackgroundDefault;
  return ResolveColour(bkColor) & 0x00FFFFFFu;
}

void WriteHeader(ByteWriter& w, const ImageList& list, const Grid& grid) {
  w.U8(kMagic[0]);
  w.U8(kMagic[1]);
  w.U16(kVersion);
  w.U16(static_cast<std::uint16_t>(list.ImageCount()));
  w.U16(static_cast<std::uint16_t>(list.Capacity()));
  w.U16(kGrow);
  w.U16(static_cast<std::uint16_t>(grid.cx));
  w.U16(static_cast<std::uint16_t>(grid.cy));
  w.U32(BackgroundField(list.properties.bkColor));
  w.U16(kWrittenFlags);
  for (int i = 0; i < kOverlayCount; ++i) w.I16(kNoOverlay);
}

// File header and 40-byte info header. The total-size field holds the size of the headers
// (and table) only, as the lists of the stored layout have it.
void WriteBmpHeaders(ByteWriter& w, const Grid& grid, std::uint32_t headersSize, std::uint16_t bits,
                     std::size_t imageSize) {
  w.U8(kBmpMagic[0]);
  w.U8(kBmpMagic[1]);
  w.U32(headersSize);  // total-size field
  w.U16(0);
  w.U16(0);
  w.U32(headersSize);  // pixel data offset
  w.U32(kBmpInfoHeaderSize);
  w.I32(static_cast<std::int32_t>(grid.width));
  w.I32(static_cast<std::int32_t>(grid.rows));  // positive: rows bottom-up
  w.U16(1);                                     // planes
  w.U16(bits);
  w.U32(kBmpRgb);
  w.U32(static_cast<std::uint32_t>(imageSize));
  w.I32(0);  // pixels per metre, x and y
  w.I32(0);
  w.U32(0);  // colours used
  w.U32(0);  // important colours
}

// One cell row: 0xAARRGGBB pixels as blue, green, red, 0.
void StoreBgr0(std::uint8_t* dst, const Argb* src, std::uint32_t count) {
  for (std::uint32_t x = 0; x < count; ++x) {
    const Argb p = src[x];
    dst[4 * x] = static_cast<std::uint8_t>(p);
    dst[4 * x + 1] = static_cast<std::uint8_t>(p >> 8);
    dst[4 * x + 2] = static_cast<std::uint8_t>(p >> 16);
    dst[4 * x + 3] = 0;
  }
}

// One cell row of mask bytes (1 = transparent) into a 1-bit row, most significant bit first,
// starting at pixel column `x0`. The row is zero beforehand.
void StoreMaskBits(std::uint8_t* row, const std::uint8_t* mask, std::uint32_t x0, std::uint32_t count) {
  for (std::uint32_t x = 0; x < count; ++x) {
    if (mask[x] != 0) {
      const std::uint32_t column = x0 + x;
      row[column >> 3] |= static_cast<std::uint8_t>(0x80u >> (column & 7u));
    }
  }
}

// Fills the (zeroed) pixel rows of both bitmaps. Data row k holds picture row H - 1 - k.
void WriteCells(const ImageList& list, const Grid& grid, std::uint8_t* colour, std::uint8_t* mask) {
  const std::uint32_t count = static_cast<std::uint32_t>(list.ImageCount());
  const std::size_t colourStride = std::size_t{4} * grid.width;
  for (std::uint32_t k = 0; k < grid.rows; ++k) {
    const std::uint32_t y = grid.rows - 1 - k;
    const std::uint32_t cellRow = y / grid.cy;
    const std::size_t rowInCell = y % grid.cy;
    std::uint8_t* colourRow = colour + k * colourStride;
    std::uint8_t* maskRow = mask + std::size_t{k} * grid.maskStride;
    for (std::uint32_t c = 0; c < kCellsPerRow; ++c) {
      const std::uint32_t index = cellRow * kCellsPerRow + c;
      if (index >= count) break;  // cells past the count stay zero
      const ImageList::Image& image = list.ImageAt(static_cast<int>(index));
      StoreBgr0(colourRow + std::size_t{4} * c * grid.cx, image.pixels.data() + rowInCell * grid.cx, grid.cx);
      StoreMaskBits(maskRow, image.mask.data() + rowInCell * grid.cx, c * grid.cx, grid.cx);
    }
  }
}

}  // namespace

void WriteImageListPayload(std::vector<std::uint8_t>& out, const ImageList& list) {
  const int count = list.ImageCount();
  const int capacity = list.Capacity();
  if (list.Width() <= 0 || list.Height() <= 0 || capacity > kMaxImages || count > capacity) {
    Fail(msg::kImageListWrite);
  }
  const auto grid = MakeGrid(static_cast<std::uint32_t>(list.Width()), static_cast<std::uint32_t>(list.Height()),
                             static_cast<std::uint32_t>(capacity));
  if (!grid) Fail(msg::kImageListWrite);

  const std::size_t start = out.size();
  out.reserve(start + grid->PayloadSize());
  ByteWriter w(out);
  WriteHeader(w, list, *grid);
  WriteBmpHeaders(w, *grid, kColourHeadersSize, kColourBits, grid->ColourImageSize());
  const std::size_t colourAt = out.size();
  w.Zeros(grid->ColourImageSize());
  WriteBmpHeaders(w, *grid, kMaskHeadersSize, kMaskBits, grid->MaskImageSize());
  for (std::uint32_t entry : kMaskTable) w.U32(entry);
  const std::size_t maskAt = out.size();
  w.Zeros(grid->MaskImageSize());
  w.Zeros(kTrailerSize);
  WriteCells(list, *grid, out.data() + colourAt, out.data() + maskAt);
}

}  // namespace tessary
