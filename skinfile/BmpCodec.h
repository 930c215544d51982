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

namespace tessary {

// Decodes a whole BMP file. Zero bytes give an empty picture. Errors: "Bitmap image is not
// valid" (not "BM", planes != 1, a depth or compression it cannot show, sizes past the
// picture limits, RLE data that would write outside the picture), "Stream read error" (ends
// inside a header, the colour table or the pixel data, or RLE data without its end mark).
Bitmap ReadBmp(std::span<const std::uint8_t> bytes);

// Reads a BMP that begins at the start of `bytes` and may be followed by other data (the
// two bitmaps of an image-list payload); `length` receives the bytes the BMP occupies, as
// its headers give them. RLE data must then state its size. Errors as ReadBmp.
Bitmap ReadEmbeddedBmp(std::span<const std::uint8_t> bytes, std::size_t& length);

// The BMP file bytes of a picture (an empty picture gives no bytes).
std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap);

// Reads a .bmp file from disk ("Cannot open file %s" when it cannot be opened).
Bitmap LoadBmpFile(const std::string& path);

// Bitmap payload: N (32-bit), then N bytes of BMP. N = 0 (or no bytes at all) is the empty
// picture; N beyond the bytes present is "Stream read error". The span holds exactly the
// payload's bytes.
Bitmap ReadBitmapPayload(std::span<const std::uint8_t> payload);
void WriteBitmapPayload(std::vector<std::uint8_t>& out, const Bitmap& bitmap);

}  // namespace tessary
