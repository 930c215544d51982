#include "platform/PictureEncoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

namespace tessary::platform {
namespace {

constexpr const char* kPngFormat = "png";

}  // namespace

QImage ToQImage(const AlphaPicture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_ARGB32);
  if (image.isNull()) return image;
  const std::size_t width = static_cast<std::size_t>(picture.width);
  for (int y = 0; y < picture.height; ++y) {
    const Argb* row = picture.pixels.data() + static_cast<std::size_t>(y) * width;
    std::copy(row, row + width, reinterpret_cast<QRgb*>(image.scanLine(y)));
  }
  return image;
}

std::optional<AlphaPicture> FromQImage(const QImage& source) {
  if (source.isNull() || source.width() > kMaxBitmapSide || source.height() > kMaxBitmapSide ||
      static_cast<std::uint64_t>(source.width()) * static_cast<std::uint64_t>(source.height()) > kMaxBitmapPixels)
    return std::nullopt;
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  AlphaPicture picture{image.width(), image.height(), {}};
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    picture.pixels.insert(picture.pixels.end(), row, row + image.width());
  }
  return picture;
}

std::vector<std::uint8_t> EncodePng(const AlphaPicture& picture) {
  const QImage image = ToQImage(picture);
  if (image.isNull()) return {};
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, kPngFormat);
  if (!writer.write(image)) return {};
  return std::vector<std::uint8_t>(data.begin(), data.end());
}

}  // namespace tessary::platform
