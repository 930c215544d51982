#pragma once
// Run-length decoding of BMP pixel data (compression 1 and 2) into stored rows.
#include <cstdint>
#include <span>
#include <vector>

#include "skin/Bitmap.h"

namespace tessary {

// Walks RLE8 (8-bit format) or RLE4 (4-bit format) data without decoding it, so a picture
// can be refused before anything is allocated for it: "Bitmap image is not valid" when a
// run, an absolute run or a delta would reach outside the picture.
void CheckRle(std::span<const std::uint8_t> data, const BitmapFormat& format);

// Decodes the data into format.Stride() x Rows() bytes of rows in stored (bottom-up)
// order; pixels the stream skips stay index 0. Data that ends without the end-of-bitmap
// mark, or inside an operation, gives what it holds and leaves the rest 0, as common
// readers do. Fails as CheckRle.
std::vector<std::uint8_t> DecodeRle(std::span<const std::uint8_t> data, const BitmapFormat& format);

}  // namespace tessary
