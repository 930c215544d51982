// Run-length encoded pictures: decoding every kind of escape, refusing writes outside the
// picture, and writing the file back byte for byte.
#include <gtest/gtest.h>

#include "skinfile/BmpCodec.h"
#include "tests/skinfile/BmpTestBuilder.h"

namespace tessary {
namespace {

using test::BmpSpec;
using test::BuildBmp;
using test::ErrorOf;

// Palette entry i is the colour 0x0000ii, so a pixel shows its index.
std::vector<Argb> IndexPalette(unsigned entries) {
  std::vector<Argb> table;
  for (unsigned i = 0; i < entries; ++i) table.push_back(0xFF000000u | i);
  return table;
}

std::vector<unsigned> Indices(const Bitmap& b) {
  std::vector<unsigned> out;
  for (Argb p : b.Pixels()) out.push_back(p & 0xFF);
  return out;
}

BmpSpec Rle8(int width, int height, std::vector<std::uint8_t> data) {
  BmpSpec s;
  s.bits = 8;
  s.compression = kBmpRle8;
  s.width = width;
  s.height = height;
  s.table = IndexPalette(256);
  s.pixels = std::move(data);
  s.imageSize = static_cast<std::uint32_t>(s.pixels.size());
  return s;
}

BmpSpec Rle4(int width, int height, std::vector<std::uint8_t> data) {
  BmpSpec s = Rle8(width, height, std::move(data));
  s.bits = 4;
  s.compression = kBmpRle4;
  s.table = IndexPalette(16);
  return s;
}

TEST(BmpRle, Rle8RunsAbsoluteRunsEndOfLineAndDelta) {
  // clang-format off
  const auto file = BuildBmp(Rle8(4, 3, {
                                            3, 5, 0, 0,           // bottom row: 5 5 5, end of line
                                            0, 3, 7, 8, 9, 0,     // absolute 7 8 9 and its pad byte
                                            0, 0,                 // end of line
                                            0, 2, 2, 0,           // delta: two to the right
                                            2, 6,                 // 6 6
                                            0, 1,                 // end of bitmap
                                        }));
  const Bitmap b = ReadBmp(file);
  EXPECT_EQ(Indices(b), (std::vector<unsigned>{0, 0, 6, 6,  //
                                               7, 8, 9, 0,  //
                                               5, 5, 5, 0}));
  // clang-format on
  EXPECT_EQ(b.Format().compression, kBmpRle8);
  EXPECT_EQ(b.Rows().size(), 12u);  // decoded to 8-bit rows
}

TEST(BmpRle, LongRunsFillExactlyTheirPixels) {
  const Bitmap b = ReadBmp(BuildBmp(Rle8(14, 1, {0, 2, 1, 0, 11, 7, 0, 1})));
  EXPECT_EQ(Indices(b), (std::vector<unsigned>{0, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 0, 0}));
}

TEST(BmpRle, DeltaMovesUpToLaterRows) {
  const Bitmap b = ReadBmp(BuildBmp(Rle8(3, 3, {0, 2, 1, 2, 1, 4, 0, 1})));
  EXPECT_EQ(Indices(b), (std::vector<unsigned>{0, 4, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(BmpRle, Rle4AlternatesNibblesAndPadsAbsoluteRuns) {
  // clang-format off
  const auto file = BuildBmp(Rle4(5, 3, {
                                            5, 0x12, 0, 0,                // 1 2 1 2 1
                                            0, 3, 0xAB, 0xC0, 0, 0,       // absolute A B C (2 bytes, no pad)
                                            0, 5, 0x12, 0x34, 0x50, 0,    // absolute 1 2 3 4 5 (3 bytes + pad)
                                            0, 1,
                                        }));
  const Bitmap b = ReadBmp(file);
  EXPECT_EQ(Indices(b), (std::vector<unsigned>{1, 2, 3, 4, 5,  //
                                               10, 11, 12, 0, 0,  //
                                               1, 2, 1, 2, 1}));
  // clang-format on
  EXPECT_EQ(b.Rows().size(), 12u);  // 4-bit rows, stride 4
}

TEST(BmpRle, FilesAreWrittenBackByteForByte) {
  for (const auto& shape : {Rle8(4, 2, {4, 9, 0, 0, 0, 4, 1, 2, 3, 4, 0, 1, 0xEE}),  // trailing byte kept
                            Rle4(6, 1, {6, 0x5A, 0, 1})}) {
    const auto file = BuildBmp(shape);
    const Bitmap b = ReadBmp(file);
    EXPECT_EQ(WriteBmp(b), file);
    std::vector<std::uint8_t> payload;
    WriteBitmapPayload(payload, b);
    EXPECT_EQ(payload, test::Payload(file));
    EXPECT_TRUE(ReadBitmapPayload(payload).SamePixels(b));
  }
}

TEST(BmpRle, ImageSizeZeroTakesTheRestOfTheFile) {
  BmpSpec s = Rle8(2, 1, {2, 3, 0, 1});
  s.imageSize = 0;
  EXPECT_EQ(Indices(ReadBmp(BuildBmp(s))), (std::vector<unsigned>{3, 3}));
}

TEST(BmpRle, WritesOutsideThePictureAreRefused) {
  const std::vector<std::vector<std::uint8_t>> outside{
      {5, 1, 0, 1},                    // run longer than the row
      {3, 1, 2, 1, 0, 1},              // second run passes the row's end
      {0, 5, 1, 2, 3, 4, 5, 0, 0, 1},  // absolute run longer than the row
      {0, 2, 5, 0, 0, 1},              // delta past the right edge
      {0, 2, 0, 4, 0, 1},              // delta past the top row
      {0, 0, 0, 0, 0, 0, 1, 1, 0, 1},  // end of line three times, then a pixel
      {0, 2, 4, 0, 1, 1, 0, 1},        // delta to the edge, then a pixel
  };
  for (const auto& data : outside)
    EXPECT_EQ(ErrorOf([&] { ReadBmp(BuildBmp(Rle8(4, 3, data))); }), msg::kBitmapNotValid)
        << ::testing::PrintToString(data);
  EXPECT_EQ(ErrorOf([&] { ReadBmp(BuildBmp(Rle4(3, 1, {4, 0x11, 0, 1}))); }), msg::kBitmapNotValid);
}

TEST(BmpRle, StreamsThatEndEarlyKeepWhatTheyHold) {
  // 4 x 3, rows listed from the top: the stream starts on the bottom row.
  const std::vector<unsigned> none(12, 0);
  const std::pair<std::vector<std::uint8_t>, std::vector<unsigned>> cases[] = {
      {{2, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0}},                 // no end-of-bitmap mark
      {{0, 3, 1, 2, 3}, {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 0}},        // absolute run without its pad byte
      {{4, 5, 0, 0, 0, 4, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5}},  // absolute run cut inside
      {{4, 5, 0, 2, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5}},        // delta cut short
      {{2}, none},                                                    // half a pair
      {{}, none},
  };
  for (const auto& [data, indices] : cases) {
    EXPECT_EQ(Indices(ReadBmp(BuildBmp(Rle8(4, 3, data)))), indices) << ::testing::PrintToString(data);
  }
  // A run that would write outside the picture is refused, however the stream ends.
  EXPECT_EQ(ErrorOf([&] { ReadBmp(BuildBmp(Rle8(4, 3, {5, 1}))); }), msg::kBitmapNotValid);
}

TEST(BmpRle, CompressionMustFitDepthAndRowOrder) {
  BmpSpec topDown = Rle8(2, -1, {2, 1, 0, 1});
  EXPECT_EQ(ErrorOf([&] { ReadBmp(BuildBmp(topDown)); }), msg::kBitmapNotValid);
  BmpSpec wrongDepth = Rle8(2, 1, {2, 1, 0, 1});
  wrongDepth.bits = 4;
  wrongDepth.table = IndexPalette(16);
  EXPECT_EQ(ErrorOf([&] { ReadBmp(BuildBmp(wrongDepth)); }), msg::kBitmapNotValid);
}

// RLE data that writes every pixel of `rows` rows of `width`: runs of 255, then an end of line.
std::vector<std::uint8_t> SolidRows(int width, int rows) {
  std::vector<std::uint8_t> data;
  for (int y = 0; y < rows; ++y) {
    for (int left = width; left > 0; left -= 255) {
      data.push_back(static_cast<std::uint8_t>(std::min(left, 255)));
      data.push_back(3);
    }
    data.insert(data.end(), {0, 0});
  }
  data.insert(data.end(), {0, 1});
  return data;
}

TEST(BmpRle, DecodedSizeIsBoundedByTheLargestPictureTheProgramUses) {
  static_assert(kMaxDecodedPixels == std::uint64_t{4096} * 2048);
  // 32767 x 32767 would be a gigabyte of pixels from an end-of-bitmap mark.
  EXPECT_EQ(ErrorOf([&] { ReadBmp(BuildBmp(Rle8(32767, 32767, {0, 1}))); }), msg::kBitmapNotValid);
  // 4096 x 2048 is exactly the limit: read (and not decoded, since nothing draws it).
  const std::vector<std::uint8_t> rows = SolidRows(4096, 2048);
  const Bitmap large = ReadBmp(BuildBmp(Rle8(4096, 2048, rows)));
  EXPECT_EQ(large.Width(), 4096);
  // Its written file reads back as the same picture, found without decoding either.
  EXPECT_TRUE(ReadBmp(WriteBmp(large)).SamePixels(large));
  EXPECT_EQ(ErrorOf([&] { ReadBmp(BuildBmp(Rle8(4096, 2049, rows))); }), msg::kBitmapNotValid);
}

}  // namespace
}  // namespace tessary
