#include "platform/PictureDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "skin/Error.h"
#include "skinfile/BmpCodec.h"

namespace tessary::platform {

std::optional<AlphaPicture> DecodePicture(std::span<const std::uint8_t> bytes) {
  return DecodePictureOfAcceptedSize(bytes, {});
}

std::optional<AlphaPicture> DecodePictureOfAcceptedSize(std::span<const std::uint8_t> bytes,
                                                        const std::function<void(int width, int height)>& acceptSize) {
  const QByteArray data =
      QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(true);  // a photo shows upright, as other programs show it
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty()) return std::nullopt;
  if (acceptSize) acceptSize(size.width(), size.height());
  if (size.width() > kMaxBitmapSide || size.height() > kMaxBitmapSide ||
      static_cast<std::uint64_t>(size.width()) * static_cast<std::uint64_t>(size.height()) > kMaxBitmapPixels) {
    return std::nullopt;
  }
  const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
  if (image.isNull()) return std::nullopt;

  AlphaPicture picture;
  picture.width = image.width();
  picture.height = image.height();
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    picture.pixels.insert(picture.pixels.end(), row, row + image.width());
  }
  return picture;
}

QSize PictureFileSize(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) Fail(msg::kCannotOpenFile, {path.toStdString()});
  const QByteArray head = file.read(static_cast<qint64>(kBmpSizeBytes));
  const auto bytes =
      std::span(reinterpret_cast<const std::uint8_t*>(head.constData()), static_cast<std::size_t>(head.size()));
  const bool bmp = head.isEmpty() || head.startsWith("BM");
  if (!bmp) {
    file.seek(0);
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    // As the commands: too large for the decoder, or no picture, is for the BMP reader.
    if (size.isValid() && !size.isEmpty() && size.width() <= kMaxBitmapSide && size.height() <= kMaxBitmapSide &&
        static_cast<std::uint64_t>(size.width()) * static_cast<std::uint64_t>(size.height()) <= kMaxBitmapPixels) {
      // A photo turned upright by its orientation tag gives the size as shown.
      return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90) ? size.transposed() : size;
    }
  }
  const BmpSize size = ReadBmpSize(bytes);
  return {size.width, size.height};
}

bool IsPictureFileName(const QString& name) {
  const QByteArray suffix = QFileInfo(name).suffix().toLower().toLatin1();
  return !suffix.isEmpty() && (suffix == "bmp" || QImageReader::supportedImageFormats().contains(suffix));
}

QStringList PicturePatterns() {
  QStringList patterns{QStringLiteral("*.bmp")};
  for (const QByteArray& format : QImageReader::supportedImageFormats()) {
    const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
    if (!patterns.contains(pattern)) patterns << pattern;
  }
  return patterns;
}

}  // namespace tessary::platform
