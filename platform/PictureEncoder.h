#pragma once
// Pictures with alpha as PNG files (SkinEditor::SetPictureEncoder(EncodePng)), and the
// conversions between a picture with alpha and a QImage that the clipboard and the
// encoder share.
#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

#include "skin/AlphaPicture.h"

namespace tessary::platform {

// PNG bytes (8 bits per channel, straight alpha); none when Qt cannot write them.
std::vector<std::uint8_t> EncodePng(const AlphaPicture& picture);

// The picture as a QImage of straight alpha (Format_ARGB32).
QImage ToQImage(const AlphaPicture& picture);
// A QImage as a picture with straight alpha; nothing for a null image or one larger than
// a picture may be.
std::optional<AlphaPicture> FromQImage(const QImage& image);

}  // namespace tessary::platform
