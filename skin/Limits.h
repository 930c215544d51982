#pragma once
// Every limit on what a file may describe, in one place, each with the reason for it. The
// readers check these before they allocate anything, so that no file of any size costs more
// than the pictures it really holds: a few bytes must not stand for a gigapixel, a header
// must not make the program read or build more than a skin can use. Limits that follow from
// others are written as the formula that says so.
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tessary {

// --- Pictures ---

// Width and rows of any picture: the 16-bit sides of the BMP core header, and the signed
// 16-bit coordinates the painting system works in.
inline constexpr std::int32_t kMaxBitmapSide = 32767;

// A dock background (bgTop, bgBottom). The docks are a window wide and a few bars high; a
// picture is drawn tiled from their corner or stretched to their size, so no dock ever shows
// more than a screen of it. 8 megapixels holds a 4K screen (3840 x 2160) or a 4096 x 2048
// strip, and is 32 MiB of drawing pixels; a larger background is refused when it is read
// ("Bitmap image is not valid"), since drawing it would cost a multiple of that for nothing.
inline constexpr std::uint64_t kMaxBackgroundPixels = std::uint64_t{1} << 23;

// --- Image lists ---

// The cells of an image list: four per row (the stored layout's rule).
inline constexpr std::uint32_t kCellsPerRow = 4;
// Side of one image of a list: icons, which no desktop makes larger than 1024 pixels.
// A stored Width or Height, and pack's, are refused beyond it, so that every list read can
// be written again.
inline constexpr std::int64_t kMinCellSide = 1;
inline constexpr std::int64_t kMaxCellSide = 1024;
// All cells of one list together: one row of the four largest cells (4 megapixels, 16 MiB of
// 32-bit pixels, 1024 images of 64 x 64). The start-up lists hold at most 37 000 pixels.
inline constexpr std::uint64_t kMaxGridPixels =
    kCellsPerRow * static_cast<std::uint64_t>(kMaxCellSide) * static_cast<std::uint64_t>(kMaxCellSide);
// Count and capacity are 16-bit fields of the image-list header.
inline constexpr int kMaxImages = 0xFFFF;

// --- Compressed pictures ---

// Largest picture RLE data may unpack to: none that any use takes is larger, so a few
// bytes that claim more are refused before anything is allocated.
inline constexpr std::uint64_t kMaxDecodedPixels = std::max(kMaxBackgroundPixels, kMaxGridPixels);
// Pixels RLE data may stand for per byte of it. A run gives at most 255 pixels for two
// bytes, so an encoder that writes every pixel stays below 128 per byte; data that claims
// more leaves most of its picture unwritten (skips and an early end), which is how a
// two-byte end mark claims a whole picture. Small pictures may be claimed by any data.
inline constexpr std::uint64_t kMaxPixelsPerCompressedByte = 256;
inline constexpr std::uint64_t kFreeCompressedPixels = std::uint64_t{1} << 16;
// Whether compressed data of `bytes` bytes may stand for `pixels` pixels.
inline constexpr bool CompressedDataCovers(std::uint64_t bytes, std::uint64_t pixels) {
  return pixels <= kFreeCompressedPixels + kMaxPixelsPerCompressedByte * bytes;
}

// --- Pictures the program makes ---

// Largest picture the program makes itself from another (a background stretched to its
// dock, the window tessary-skin renders): 32 megapixels, an 8K screen's worth.
inline constexpr std::uint64_t kMaxBitmapPixels = std::uint64_t{1} << 25;

// --- Records and files ---

// Lists, collections and child records nest; input decides how deep, so the reader bounds
// it instead of letting a file of 0x01 bytes exhaust the stack.
inline constexpr int kMaxNesting = 64;

// Texts of the skin file's header (text colour, gauge colour, theme): 64 characters, the
// room of their 65-byte fields.
inline constexpr std::size_t kMaxHeaderText = 64;

// The components a skin file holds pictures in.
inline constexpr std::uint64_t kSkinBackgrounds = 2;
inline constexpr std::uint64_t kSkinImageLists = 8;
// Room in a file for what is not pixels: headers, records, colour tables.
inline constexpr std::uint64_t kFileRoomBesidesPixels = std::uint64_t{16} << 20;
// Bytes read from one file, pipe or device: a skin file at every limit above (both
// backgrounds and every list's cells as 32-bit pixels, the lists' masks at up to two bits),
// about 216 MiB. Nothing longer can be a skin or a picture the program uses, so reading stops
// there ("Stream read error: File too large") instead of filling the memory with an endless
// device or a sparse file.
inline constexpr std::uint64_t kMaxFileBytes = kSkinBackgrounds * 4 * kMaxBackgroundPixels +
                                               kSkinImageLists * (4 * kMaxGridPixels + kMaxGridPixels / 4) +
                                               kFileRoomBesidesPixels;

}  // namespace tessary
