// The tool's PNG reader and writer against Qt's, which the editor reads pictures with: every
// colour type and depth Qt writes (and an interlaced file) decodes to the pixels Qt gives,
// what the writer writes Qt reads back unchanged, and a damaged file is refused in silence.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <QBuffer>
#include <QImage>

#include "cli/PngCodec.h"
#include "skin/Error.h"

namespace tessary::cli {
namespace {

std::vector<std::uint8_t> Bytes(const QByteArray& data) { return {data.begin(), data.end()}; }

std::vector<std::uint8_t> QtPng(const QImage& image) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "PNG"));
  return Bytes(data);
}

QImage QtDecoded(const std::vector<std::uint8_t>& png) {
  return QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG").convertToFormat(QImage::Format_ARGB32);
}

std::vector<Argb> PixelsOf(const QImage& argb32) {
  std::vector<Argb> pixels;
  for (int y = 0; y < argb32.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb32.constScanLine(y));
    pixels.insert(pixels.end(), row, row + argb32.width());
  }
  return pixels;
}

// Every pixel different, alpha running through all its values.
QImage Varied(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto i = static_cast<unsigned>(y * width + x);
      image.setPixel(x, y, (i * 2654435761u) ^ (i << 24));
    }
  }
  return image;
}

// An interlaced RGB file, which Qt does not write, laid out by libpng.
std::vector<std::uint8_t> InterlacedPng(const QImage& rgb32) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  std::vector<std::uint8_t> out;
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t length) {
        auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
        bytes->insert(bytes->end(), data, data + length);
      },
      nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(rgb32.width()), static_cast<png_uint_32>(rgb32.height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<std::uint8_t> rows(static_cast<std::size_t>(rgb32.width() * rgb32.height() * 3));
  for (int y = 0; y < rgb32.height(); ++y) {
    for (int x = 0; x < rgb32.width(); ++x) {
      const QRgb pixel = rgb32.pixel(x, y);
      const auto at = static_cast<std::size_t>((y * rgb32.width() + x) * 3);
      rows[at] = static_cast<std::uint8_t>(qRed(pixel));
      rows[at + 1] = static_cast<std::uint8_t>(qGreen(pixel));
      rows[at + 2] = static_cast<std::uint8_t>(qBlue(pixel));
    }
  }
  std::vector<png_bytep> pointers;
  for (int y = 0; y < rgb32.height(); ++y) pointers.push_back(&rows[static_cast<std::size_t>(y * rgb32.width() * 3)]);
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

TEST(PngCodec, EveryKindOfFileDecodesToThePixelsQtGives) {
  const QImage varied = Varied(37, 23);
  QImage palette = varied.convertToFormat(QImage::Format_Indexed8);
  QVector<QRgb> colours = palette.colorTable();
  for (int i = 0; i < colours.size(); i += 3) colours[i] = qRgba(qRed(colours[i]), 0x40, 0x80, i % 256);
  palette.setColorTable(colours);  // a transparency chunk beside the palette
  const struct {
    const char* what;
    std::vector<std::uint8_t> png;
  } cases[] = {
      {"RGBA, 8 bits", QtPng(varied)},
      {"RGB, 8 bits", QtPng(varied.convertToFormat(QImage::Format_RGB32))},
      {"RGBA, 16 bits", QtPng(varied.convertToFormat(QImage::Format_RGBA64))},
      {"palette with alpha", QtPng(palette)},
      {"grey, 8 bits", QtPng(varied.convertToFormat(QImage::Format_Grayscale8))},
      {"grey, 16 bits", QtPng(varied.convertToFormat(QImage::Format_Grayscale16))},
      {"one bit", QtPng(varied.convertToFormat(QImage::Format_Mono))},
      {"interlaced", InterlacedPng(varied.convertToFormat(QImage::Format_RGB32))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QImage expected = QtDecoded(c.png);
    ASSERT_FALSE(expected.isNull());
    const std::optional<AlphaPicture> decoded = DecodePng(c.png);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->width, 37);
    EXPECT_EQ(decoded->height, 23);
    EXPECT_TRUE(decoded->pixels == PixelsOf(expected));
  }
}

TEST(PngCodec, WrittenPicturesReadBackUnchanged) {
  const std::vector<Argb> pixels = PixelsOf(Varied(29, 31));
  const AlphaPicture picture{29, 31, pixels};
  const std::vector<std::uint8_t> rgba = EncodePng(picture, PngChannels::kRgba);
  EXPECT_TRUE(PixelsOf(QtDecoded(rgba)) == pixels);
  EXPECT_TRUE(DecodePng(rgba)->pixels == pixels);

  // Without alpha: the colours, opaque, at every compression level.
  std::vector<Argb> opaque;
  for (const Argb pixel : pixels) opaque.push_back(pixel | 0xFF000000u);
  for (const int level : {kPngDefaultCompression, 0, 1, 9}) {
    const std::vector<std::uint8_t> rgb = EncodePng(picture, PngChannels::kRgb, level);
    EXPECT_TRUE(PixelsOf(QtDecoded(rgb)) == opaque) << level;
    constexpr std::size_t kColourTypeOffset = 25;  // signature, IHDR length, type, sizes, depth
    EXPECT_EQ(rgb[kColourTypeOffset], PNG_COLOR_TYPE_RGB) << level;
  }
  EXPECT_EQ(rgba[25], PNG_COLOR_TYPE_RGB_ALPHA);
  EXPECT_THROW(EncodePng(AlphaPicture{}, PngChannels::kRgba), SkinError);
}

TEST(PngCodec, DamagedFilesAreRefusedInSilenceAndSizesAskedFirst) {
  const std::vector<std::uint8_t> png = QtPng(Varied(19, 17));
  testing::internal::CaptureStderr();
  // Cut anywhere, even in the end chunk's checksum.
  for (std::size_t length = 0; length < png.size(); ++length) {
    EXPECT_FALSE(DecodePng(std::span(png).first(length)).has_value()) << length;
  }
  std::vector<std::uint8_t> damaged = png;
  damaged[30] ^= 0x01;  // in the header's checksum
  EXPECT_FALSE(DecodePng(damaged).has_value());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

  // The size is shown before a pixel is decoded; a refusal leaves the picture undecoded.
  std::pair<int, int> shown;
  EXPECT_TRUE(DecodePng(png, [&](int width, int height) { shown = {width, height}; }).has_value());
  EXPECT_EQ(shown, std::make_pair(19, 17));
  EXPECT_THROW(DecodePng(png, [](int, int) { Fail(msg::kBitmapNotValid); }), SkinError);
  // Larger than any picture may be: refused after the size was shown, without its pixels.
  std::vector<std::uint8_t> huge = QtPng(Varied(2, 2));
  const std::uint32_t side = static_cast<std::uint32_t>(kMaxBitmapSide) + 1;
  for (std::size_t i = 0; i < 4; ++i) huge[16 + i] = static_cast<std::uint8_t>(side >> (24 - 8 * i));
  const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, &huge[12], 17));
  for (std::size_t i = 0; i < 4; ++i) huge[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
  shown = {};
  EXPECT_FALSE(DecodePng(huge, [&](int width, int height) { shown = {width, height}; }).has_value());
  EXPECT_EQ(shown.first, kMaxBitmapSide + 1);
}

}  // namespace
}  // namespace tessary::cli
