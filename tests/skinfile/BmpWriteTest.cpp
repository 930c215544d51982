// Writing pictures back: exact header bytes, table sizes, and round trips of every form.
#include <gtest/gtest.h>

#include <random>

#include "skinfile/BmpCodec.h"
#include "tests/skinfile/BmpTestBuilder.h"

namespace tessary {
namespace {

using test::BmpSpec;
using test::BuildBmp;
using test::U32At;

constexpr std::size_t kOffsetField = 10, kSizeField = 2, kImageSizeField = 34, kColoursUsedField = 46;

std::vector<std::uint8_t> RandomBytes(std::size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<std::uint8_t> out(n);
  for (auto& b : out) b = static_cast<std::uint8_t>(rng());
  return out;
}

TEST(BmpWrite, GoldenBytesOfAOnePixelPicture) {
  const std::vector<Argb> pixel{0xAA112233};
  const std::vector<std::uint8_t> expected{
      'B',  'M',  58,   0, 0, 0,        // total size 14 + 40 + 4
      0,    0,    0,    0,              // reserved words
      54,   0,    0,    0,              // pixel data offset
      40,   0,    0,    0,              // info header size
      1,    0,    0,    0, 1, 0, 0, 0,  // width 1, height 1 (bottom-up)
      1,    0,    32,   0,              // planes, bits per pixel
      0,    0,    0,    0,              // compression: none
      4,    0,    0,    0,              // image size
      0,    0,    0,    0, 0, 0, 0, 0,  // pixels per metre
      0,    0,    0,    0, 0, 0, 0, 0,  // colours used, important colours
      0x33, 0x22, 0x11, 0,              // blue, green, red, 0 (alpha is not stored)
  };
  EXPECT_EQ(WriteBmp(Bitmap::FromArgb(1, 1, pixel)), expected);

  std::vector<std::uint8_t> payload;
  WriteBitmapPayload(payload, Bitmap::FromArgb(1, 1, pixel));
  EXPECT_EQ(U32At(payload, 0), 58u);
  EXPECT_EQ(std::vector<std::uint8_t>(payload.begin() + 4, payload.end()), expected);
}

TEST(BmpWrite, TwentyFourBitPictureOfHundredByThirty) {
  BmpSpec s;
  s.width = 100;
  s.height = 30;
  s.pixels = RandomBytes(9000, 1);
  std::vector<std::uint8_t> payload;
  WriteBitmapPayload(payload, ReadBmp(BuildBmp(s)));
  ASSERT_EQ(payload.size(), 4u + 9054u);
  EXPECT_EQ(U32At(payload, 0), 9054u);
  EXPECT_EQ(U32At(payload, 4 + kOffsetField), 54u);
  EXPECT_EQ(U32At(payload, 4 + kImageSizeField), 9000u);
  EXPECT_EQ(payload[4 + 28], 24);  // bits per pixel
}

TEST(BmpWrite, IndexedTablesHoldColoursUsedOrAllEntries) {
  BmpSpec full;
  full.bits = 8;
  full.width = 4;
  full.table = std::vector<Argb>(256, 0xFF102030);
  full.pixels = {1, 2, 3, 4};
  full.imageSize = 4;
  auto bytes = WriteBmp(ReadBmp(BuildBmp(full)));
  EXPECT_EQ(U32At(bytes, kOffsetField), 1078u);
  EXPECT_EQ(U32At(bytes, kColoursUsedField), 256u);  // the entries written, not the 0 read
  EXPECT_EQ(bytes.size(), 1082u);

  BmpSpec sixteen = full;
  sixteen.coloursUsed = 16;
  sixteen.table.resize(16);
  bytes = WriteBmp(ReadBmp(BuildBmp(sixteen)));
  EXPECT_EQ(U32At(bytes, kOffsetField), 118u);
  EXPECT_EQ(U32At(bytes, kColoursUsedField), 16u);
  EXPECT_EQ(U32At(bytes, kSizeField), 122u);
  EXPECT_EQ(bytes, BuildBmp(sixteen));
}

TEST(BmpWrite, DeepPictureWritesItsCarriedTableAgain) {
  BmpSpec s;
  s.coloursUsed = 2;
  s.table = {0xFFFF0000, 0xFF00FF00};
  s.pixels = {1, 2, 3, 0};
  s.imageSize = 4;
  const auto bytes = WriteBmp(ReadBmp(BuildBmp(s)));
  EXPECT_EQ(U32At(bytes, kOffsetField), 62u);
  EXPECT_EQ(bytes, BuildBmp(s));
}

TEST(BmpWrite, AllZeroMasksAreWrittenAsTheDefaults) {
  BmpSpec s;
  s.bits = 16;
  s.compression = kBmpBitFields;
  s.masks = {0, 0, 0};
  s.pixels = {0x1F, 0, 0, 0};
  auto bytes = WriteBmp(ReadBmp(BuildBmp(s)));
  EXPECT_EQ(U32At(bytes, kOffsetField), 66u);
  EXPECT_EQ(U32At(bytes, 54), 0xF800u);
  EXPECT_EQ(U32At(bytes, 58), 0x07E0u);
  EXPECT_EQ(U32At(bytes, 62), 0x001Fu);

  s.bits = 32;
  s.pixels = {0xFF, 0, 0, 0};
  bytes = WriteBmp(ReadBmp(BuildBmp(s)));
  EXPECT_EQ(U32At(bytes, 54), 0x00FF0000u);
  EXPECT_EQ(U32At(bytes, 62), 0x000000FFu);
}

TEST(BmpWrite, LongHeaderIsWrittenAsInfoHeaderWithMasksAfterIt) {
  BmpSpec s;
  s.headerSize = 124;
  s.bits = 32;
  s.compression = kBmpBitFields;
  s.masks = {0x0000FF00, 0x00FF0000, 0xFF000000};
  s.pixels = {0, 1, 2, 3};
  const Bitmap read = ReadBmp(BuildBmp(s));
  const auto bytes = WriteBmp(read);
  EXPECT_EQ(U32At(bytes, 14), 40u);
  EXPECT_EQ(U32At(bytes, 54), 0x0000FF00u);
  EXPECT_TRUE(ReadBmp(bytes).SamePixels(read));
}

TEST(BmpWrite, CoreHeaderPicturesGetACoreHeaderAgain) {
  BmpSpec s;
  s.headerSize = 12;
  s.bits = 4;
  s.width = 3;
  s.height = 2;
  s.table = std::vector<Argb>(16, 0);
  s.table[3] = 0xFF010203;
  s.pixels = {0x30, 0x30, 0, 0, 0x03, 0x03, 0, 0};
  const auto original = BuildBmp(s);
  const auto bytes = WriteBmp(ReadBmp(original));
  EXPECT_EQ(U32At(bytes, kOffsetField), 14u + 12u + 48u);
  EXPECT_EQ(bytes, original);
}

TEST(BmpWrite, CompressedFormatWithoutItsFileIsWrittenUncompressed) {
  BitmapFormat f;
  f.width = 2;
  f.height = 1;
  f.bitsPerPixel = 8;
  f.compression = kBmpRle8;
  f.colourTable = {0xFF0000FF, 0xFF00FF00};
  const Bitmap decoded = Bitmap::FromStored(f, {1, 0, 0, 0});
  const auto bytes = WriteBmp(decoded);
  EXPECT_EQ(U32At(bytes, 30), kBmpRgb);
  EXPECT_TRUE(ReadBmp(bytes).SamePixels(decoded));
}

TEST(BmpWrite, EmptyPictureIsAZeroPayload) {
  std::vector<std::uint8_t> payload;
  WriteBitmapPayload(payload, Bitmap());
  EXPECT_EQ(payload, (std::vector<std::uint8_t>{0, 0, 0, 0}));
  EXPECT_TRUE(WriteBmp(Bitmap()).empty());
}

// Every depth in both row orders: a canonical file reads and writes back byte for byte.
struct DepthCase {
  std::uint16_t bits;
  std::uint32_t compression;
};
class BmpRoundTrip : public ::testing::TestWithParam<std::tuple<DepthCase, bool>> {};

TEST_P(BmpRoundTrip, WritesBackTheSameFile) {
  const auto [depth, topDown] = GetParam();
  BmpSpec s;
  s.bits = depth.bits;
  s.compression = depth.compression;
  s.width = 7;
  s.height = topDown ? -5 : 5;
  s.xPpm = 2835;
  s.yPpm = 2835;
  s.important = 3;
  if (depth.compression == kBmpBitFields)
    s.masks = depth.bits == 16 ? std::vector<std::uint32_t>{0x7C00, 0x03E0, 0x001F}
                               : std::vector<std::uint32_t>{0x000003FF, 0x000FFC00, 0x3FF00000};
  if (IsIndexedDepth(depth.bits)) {
    std::mt19937 rng(depth.bits);
    for (unsigned i = 0; i < (1u << depth.bits); ++i) s.table.push_back(0xFF000000u | (rng() & 0xFFFFFF));
    s.coloursUsed = static_cast<std::uint32_t>(s.table.size());  // the writer states the entries written
  }
  const std::size_t stride = ((7u * depth.bits + 31) / 32) * 4;
  s.pixels = RandomBytes(stride * 5, depth.bits + (topDown ? 100u : 0u));
  // Row padding is stored as read; make it zero as a writer would.
  for (std::size_t row = 0; row < 5; ++row)
    for (std::size_t i = (7u * depth.bits + 7) / 8; i < stride; ++i) s.pixels[row * stride + i] = 0;
  s.imageSize = static_cast<std::uint32_t>(s.pixels.size());

  const auto original = BuildBmp(s);
  const Bitmap first = ReadBmp(original);
  const auto written = WriteBmp(first);
  EXPECT_EQ(written, original);
  const Bitmap second = ReadBmp(written);
  EXPECT_TRUE(second.SamePixels(first));
  EXPECT_EQ(second.Format().TopDown(), topDown);
}

INSTANTIATE_TEST_SUITE_P(AllDepths, BmpRoundTrip,
                         ::testing::Combine(::testing::Values(DepthCase{1, kBmpRgb}, DepthCase{4, kBmpRgb},
                                                              DepthCase{8, kBmpRgb}, DepthCase{16, kBmpRgb},
                                                              DepthCase{16, kBmpBitFields}, DepthCase{24, kBmpRgb},
                                                              DepthCase{32, kBmpRgb}, DepthCase{32, kBmpBitFields}),
                                            ::testing::Bool()));

TEST(BmpWrite, PicturesMadeFromPixelsReadBackUnchanged) {
  std::vector<Argb> pixels(13 * 4);
  std::mt19937 rng(7);
  for (auto& p : pixels) p = 0xFF000000u | (rng() & 0xFFFFFF);
  const Bitmap made = Bitmap::FromArgb(13, 4, pixels);
  std::vector<std::uint8_t> payload;
  WriteBitmapPayload(payload, made);
  const Bitmap read = ReadBitmapPayload(payload);
  EXPECT_EQ(read.Pixels(), pixels);
  EXPECT_EQ(read.Format().bitsPerPixel, 32);
}

}  // namespace
}  // namespace tessary
