#pragma once
// Pictures in every format Qt reads (PNG, JPEG, GIF, ...), for the picture commands, which
// read BMP files themselves: SkinEditor::SetPictureDecoder(DecodePicture).
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "skin/AlphaPicture.h"

namespace tessary::platform {

// The picture's pixels with straight alpha; nothing when Qt reads no picture from the
// bytes or the picture is larger than a picture may be (its size is checked before its
// pixels are decoded). An animation gives its first frame.
std::optional<AlphaPicture> DecodePicture(std::span<const std::uint8_t> bytes);

// The same, with the picture's width and height shown to `acceptSize` first, before any
// pixel is decoded: it throws to refuse a picture of a size its caller cannot take.
std::optional<AlphaPicture> DecodePictureOfAcceptedSize(std::span<const std::uint8_t> bytes,
                                                        const std::function<void(int width, int height)>& acceptSize);

// The width and height of the picture in a file from its header alone (a drag's hover
// reads no pixels), as the picture commands would find them: a BMP by the BMP reader, any
// other format by Qt. Throws the error the commands would show for a file they refuse
// before its size ("Cannot open file %s", "Bitmap image is not valid", ...). A file of
// zero bytes is 0 x 0.
QSize PictureFileSize(const QString& path);

// Whether a file name has the suffix of a picture the commands take (".bmp", ".png" and
// every other format Qt reads), in any letter case.
bool IsPictureFileName(const QString& name);

// The file-name patterns of those pictures for a file dialog: "*.bmp" first, then every
// format Qt reads ("*.png", "*.jpg", ...), each once, in lower case.
QStringList PicturePatterns();

}  // namespace tessary::platform
