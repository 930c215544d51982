#pragma once
// Shared by the image-list payload writer and reader: the tag constants of the current
// layout and the geometry of its two bitmaps. The field-by-field layout is documented at
// the top of ImageListPayloadReader.cpp.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "skin/Bitmap.h"
#include "skinfile/BmpLayout.h"

namespace tessary::imagelist {

// Image-list header.
inline constexpr std::uint8_t kMagic[2] = {'I', 'L'};
inline constexpr std::uint16_t kVersion = 0x0101;
inline constexpr std::size_t kHeaderSize = 28;
inline constexpr std::size_t kFlagsOffset = 18;
inline constexpr std::uint16_t kGrow = 4;
inline constexpr std::uint32_t kBackgroundNone = 0xFFFFFFFF;     // no background colour
inline constexpr std::uint32_t kBackgroundDefault = 0xFF000000;  // the system's default
inline constexpr std::uint16_t kFlagMasked = 0x0001;             // a mask bitmap follows
inline constexpr std::uint16_t kFlagDepthBits = 0x00FE;          // colour depth of the cells
inline constexpr std::uint16_t kFlagsLowByte = 0x00FF;           // the byte the repair rewrites
inline constexpr std::uint16_t kWrittenFlags = 0x10FF;
inline constexpr int kOverlayCount = 4;
inline constexpr std::int16_t kNoOverlay = -1;
inline constexpr std::size_t kTrailerSize = 22;

// The two bitmaps: four cells per row (kCellsPerRow), rows of cells from the top.
inline constexpr std::size_t kColourBmpOffset = kHeaderSize;
// The bits-per-pixel field of the colour bitmap's info header (the repair reads it).
inline constexpr std::size_t kColourBitsOffset = kColourBmpOffset + kBmpFileHeaderSize + 14;
inline constexpr std::uint16_t kColourBits = 32;
inline constexpr std::uint16_t kMaskBits = 1;
inline constexpr std::uint32_t kMaskTable[2] = {0x00000000, 0x00FFFFFF};  // B,G,R,0 each
inline constexpr std::uint32_t kColourHeadersSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;
inline constexpr std::uint32_t kMaskHeadersSize = kColourHeadersSize + sizeof(kMaskTable);

// Geometry of both bitmaps for a list of cx x cy images with room for `capacity` cells.
struct Grid {
  std::uint32_t cx = 0, cy = 0;
  std::uint32_t width = 0;       // W = 4 * cx
  std::uint32_t rows = 0;        // H = ceil(capacity / 4) * cy
  std::uint32_t maskStride = 0;  // S = ((W + 31) / 32) * 4
  std::size_t ColourImageSize() const { return std::size_t{4} * width * rows; }
  std::size_t MaskImageSize() const { return std::size_t{maskStride} * rows; }
  std::size_t PayloadSize() const {
    return kHeaderSize + kColourHeadersSize + ColourImageSize() + kMaskHeadersSize + MaskImageSize() + kTrailerSize;
  }
};

// Cell rows needed for `cells` cells.
inline constexpr std::uint32_t CellRows(std::uint32_t cells) { return (cells + kCellsPerRow - 1) / kCellsPerRow; }

// The grid, or nothing when cx or cy is 0 or above kMaxCellSide, the capacity above
// kMaxImages, the bitmaps would be taller than a picture may be, or the cells exceed
// kMaxGridPixels (skin/Limits.h; all sizes then fit 32 bits). The writer, the reader and
// pack share this, so every list read or packed can be written again.
inline std::optional<Grid> MakeGrid(std::uint32_t cx, std::uint32_t cy, std::uint32_t capacity) {
  if (cx == 0 || cy == 0 || cx > kMaxCellSide || cy > kMaxCellSide) return std::nullopt;
  if (capacity > static_cast<std::uint32_t>(kMaxImages)) return std::nullopt;
  const std::uint64_t rows = std::uint64_t{CellRows(capacity)} * cy;
  if (rows > static_cast<std::uint64_t>(kMaxBitmapSide) || rows * kCellsPerRow * cx > kMaxGridPixels) {
    return std::nullopt;
  }
  Grid grid;
  grid.cx = cx;
  grid.cy = cy;
  grid.width = kCellsPerRow * cx;
  grid.rows = static_cast<std::uint32_t>(rows);
  grid.maskStride = ((grid.width + 31) / 32) * 4;
  return grid;
}

// The most images a list of cx x cy images can have room for and still be written (0 when
// a side is 0 or above kMaxCellSide).
inline int MaxCapacity(std::uint32_t cx, std::uint32_t cy) {
  if (!MakeGrid(cx, cy, 0)) return 0;
  const std::uint64_t cellRows =
      std::min<std::uint64_t>(kMaxBitmapSide / cy, kMaxGridPixels / (std::uint64_t{kCellsPerRow} * cx * cy));
  return static_cast<int>(std::min<std::uint64_t>(cellRows * kCellsPerRow, kMaxImages));
}

}  // namespace tessary::imagelist
