#pragma once
// Run-length decoding of BMP pixel data (compression 1 and 2) into stored rows.
#include <cstdint>
#include <span>
#include <vector>

#include "skin/Bitmap.h"

namespace tessary {

// Decodes RLE8 (8-bit format) or RLE4 (4-bit format) data into format.Stride() x Rows()
// bytes of rows in stored (bottom-up) order; pixels the stream skips stay index 0.
// Errors: "Bitmap image is not valid" when a run, an absolute run or a delta would reach
// outside the picture; "Stream read error" when the data ends before the end-of-bitmap mark.
std::vector<std::uint8_t> DecodeRle(std::span<const std::uint8_t> data, const BitmapFormat& format);

}  // namespace tessary
