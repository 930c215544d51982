#pragma once
// BMP files and the bitmap payload (a 32-bit byte count N, then a BMP file) of a picture.
//
// Reading accepts the core header (12 bytes), the info header (40) and longer headers
// (read whole); bottom-up and top-down rows; 1, 4, 8, 16, 24 and 32 bits per pixel;
// compression 0, 1 (RLE8), 2 (RLE4) and 3 (bit fields; all-zero masks take the defaults).
// Writing keeps the depth read; RLE pictures are written back byte for byte; a core-header
// picture is written with a core header.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/Bitmap.h"
#include "skinfile/Splices.h"

namespace tessary {

// Decodes a whole BMP file. Zero bytes give an empty picture. Errors: "Bitmap image is not
// valid" (not "BM", planes != 1, a depth or compression it cannot show, sizes past the
// picture limits, RLE data that would write outside the picture or is too short to stand
// for it), "Stream read error" (ends
// inside a header, the colour table or the pixel data). The picture keeps a slice of the
// shared bytes rather than a copy; RLE data is checked now and decoded on first use.
Bitmap ReadBmp(const SharedBytes& bytes);
Bitmap ReadBmp(std::span<const std::uint8_t> bytes);  // copies the bytes first

// The width and height (rows) of the BMP whose first bytes are `header` (the file header
// and the picture header suffice; the first kBmpSizeBytes of a file hold them for any
// header a writer makes), checked as ReadBmp checks them, without the colour table or the
// pixels. Zero bytes give 0 x 0. Errors as ReadBmp's for the headers.
struct BmpSize {
  int width = 0;
  int height = 0;
};
inline constexpr std::size_t kBmpSizeBytes = 4096;
BmpSize ReadBmpSize(std::span<const std::uint8_t> header);

// Reads a BMP that begins at the start of `bytes` and may be followed by other data (the
// two bitmaps of an image-list payload); `length` receives the bytes the BMP occupies, as
// its headers give them. RLE data must then state its size. Errors as ReadBmp.
Bitmap ReadEmbeddedBmp(const SharedBytes& bytes, std::size_t& length);

// The BMP file bytes of a picture (an empty picture gives no bytes).
std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap);

// Reads a .bmp file from disk ("Cannot open file %s" when it cannot be opened). Its headers
// are looked at first: a file they refuse is not read any further.
Bitmap LoadBmpFile(const std::string& path);

// The start of a BMP file that holds all its headers (the longest, with masks after it),
// and whether a start shows no reason yet to refuse the file. A start shorter than that is
// the whole file.
inline constexpr std::size_t kBmpStartSize = 14 + 124 + 12;
bool BmpStartLooksRight(std::span<const std::uint8_t> start);

// Bitmap payload: N (32-bit), then N bytes of BMP. N = 0 (or no bytes at all) is the empty
// picture; N beyond the bytes present is "Stream read error". The bytes are exactly the
// payload's.
Bitmap ReadBitmapPayload(const SharedBytes& payload);
Bitmap ReadBitmapPayload(std::span<const std::uint8_t> payload);  // copies the bytes first

// Appends the payload to `out`. With `splices`, the picture's stored rows or kept file
// bytes are not copied: they are recorded as a splice at their place in the output.
void WriteBitmapPayload(std::vector<std::uint8_t>& out, const Bitmap& bitmap, Splices* splices = nullptr);

}  // namespace tessary
