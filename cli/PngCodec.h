#pragma once
// PNG files read and written through libpng, without Qt: pack reads the slot pictures,
// export writes them and render saves the window's picture. Pixels travel as AlphaPicture
// (0xAARRGGBB, straight alpha), the form every picture decoder of the program gives.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "skin/AlphaPicture.h"

namespace tessary::cli {

// The picture a PNG holds, in 8 bits per channel whatever the file's colour type and depth
// (palette, grey, 16 bits, interlaced, a transparency chunk), with no colour correction:
// the file's values as they are stored. `acceptSize` is shown the width and height before
// any pixel is decoded and throws to refuse them. Nothing when the bytes are not a whole
// PNG up to its end chunk, a critical chunk is damaged, or the picture is larger than a
// picture may be. Prints nothing: the caller words the failure.
std::optional<AlphaPicture> DecodePng(std::span<const std::uint8_t> bytes,
                                      const std::function<void(int width, int height)>& acceptSize = {});

// What EncodePng keeps of a picture: its alpha, or only its colour (an opaque picture,
// such as a window, in three quarters of the room).
enum class PngChannels { kRgba, kRgb };

// zlib's balance of size and time, as image programs write by default.
inline constexpr int kPngDefaultCompression = -1;

// The picture as PNG bytes, 8 bits per channel. `compression` is zlib's level (0 to 9,
// or the default). Throws SkinError "Stream write error" if the picture cannot be written.
std::vector<std::uint8_t> EncodePng(const AlphaPicture& picture, PngChannels channels,
                                    int compression = kPngDefaultCompression);

}  // namespace tessary::cli
