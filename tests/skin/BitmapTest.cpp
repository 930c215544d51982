// Pictures in memory: stored rows versus drawing pixels, format checks, and the stretch.
#include <gtest/gtest.h>

#include "skin/Bitmap.h"
#include "skin/Error.h"

namespace tessary {
namespace {

TEST(Bitmap, FromArgbStoresBottomUpBgraRowsWithOpaquePixels) {
  const std::vector<Argb> pixels{0x00112233, 0x80445566,  // top row
                                 0xFF778899, 0x00AABBCC};
  const Bitmap b = Bitmap::FromArgb(2, 2, pixels);
  EXPECT_EQ(b.Format().bitsPerPixel, 32);
  EXPECT_EQ(b.Format().height, 2);  // positive: bottom-up
  EXPECT_EQ(std::vector<std::uint8_t>(b.Rows().begin(), b.Rows().end()),
            (std::vector<std::uint8_t>{0x99, 0x88, 0x77, 0, 0xCC, 0xBB, 0xAA, 0,  // bottom row first
                                       0x33, 0x22, 0x11, 0, 0x66, 0x55, 0x44, 0}));
  EXPECT_EQ(b.Pixels(), (std::vector<Argb>{0xFF112233, 0xFF445566, 0xFF778899, 0xFFAABBCC}));
  EXPECT_EQ(b.PixelAt(1, 0), 0xFF445566u);
}

TEST(Bitmap, FromArgbOfNoPixelsIsEmptyAndTooFewPixelsIsRefused) {
  EXPECT_TRUE(Bitmap::FromArgb(0, 5, {}).IsEmpty());
  const std::vector<Argb> three(3);
  EXPECT_THROW(Bitmap::FromArgb(2, 2, three), SkinError);
}

TEST(Bitmap, FromStoredChecksTheRowBytesAgainstTheFormat) {
  BitmapFormat f;
  f.width = 3;
  f.height = 2;
  f.bitsPerPixel = 24;
  EXPECT_EQ(f.Stride(), 12u);
  EXPECT_THROW(Bitmap::FromStored(f, std::vector<std::uint8_t>(23)), SkinError);
  EXPECT_NO_THROW(Bitmap::FromStored(f, std::vector<std::uint8_t>(24)));
  f.bitsPerPixel = 12;
  EXPECT_THROW(Bitmap::FromStored(f, std::vector<std::uint8_t>(24)), SkinError);
}

TEST(Bitmap, FormatValidityCoversSizesDepthsAndCompressions) {
  BitmapFormat f;
  f.width = 4;
  f.height = -4;
  f.bitsPerPixel = 8;
  EXPECT_TRUE(BitmapFormatIsValid(f));
  f.compression = kBmpRle8;
  EXPECT_FALSE(BitmapFormatIsValid(f));  // RLE is always bottom-up
  f.height = 4;
  EXPECT_TRUE(BitmapFormatIsValid(f));
  f.compression = kBmpBitFields;
  EXPECT_FALSE(BitmapFormatIsValid(f));
  f.compression = kBmpRgb;
  f.width = kMaxBitmapSide + 1;
  EXPECT_FALSE(BitmapFormatIsValid(f));
  f.width = kMaxBitmapSide;
  f.height = kMaxBitmapSide;  // uncompressed, every byte must be present: no pixel limit
  EXPECT_TRUE(BitmapFormatIsValid(f));
  f.compression = kBmpRle8;  // compressed: bounded by what decoding may allocate
  EXPECT_FALSE(BitmapFormatIsValid(f));
}

TEST(Bitmap, TopDownRowsAreReadInStoredOrder) {
  BitmapFormat f;
  f.width = 1;
  f.height = -2;
  f.bitsPerPixel = 8;
  f.colourTable = {0xFF000001, 0xFF000002};
  const Bitmap b = Bitmap::FromStored(f, {1, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(b.Pixels(), (std::vector<Argb>{0xFF000002, 0xFF000001}));
  f.height = 2;
  EXPECT_EQ(Bitmap::FromStored(f, {1, 0, 0, 0, 0, 0, 0, 0}).Pixels(), (std::vector<Argb>{0xFF000001, 0xFF000002}));
}

TEST(Bitmap, PackedMasksFollowCompressionAndDepth) {
  BitmapFormat f;
  f.bitsPerPixel = 16;
  EXPECT_EQ(PackedMasks(f).red, 0x7C00u);
  f.compression = kBmpBitFields;
  EXPECT_EQ(PackedMasks(f).green, 0x07E0u);
  f.bitsPerPixel = 32;
  EXPECT_EQ(PackedMasks(f).red, 0x00FF0000u);
  f.redMask = 0xF;
  EXPECT_EQ(PackedMasks(f).red, 0xFu);
  EXPECT_EQ(PackedMasks(f).blue, 0u);  // one mask given: the others stay zero, not defaults
}

TEST(Bitmap, SamePixelsComparesSizeAndPixelsNotFormat) {
  const std::vector<Argb> red(4, 0xFFFF0000);
  BitmapFormat f;
  f.width = 2;
  f.height = -2;
  f.bitsPerPixel = 1;
  f.colourTable = {0xFFFF0000};
  const Bitmap indexed = Bitmap::FromStored(f, std::vector<std::uint8_t>(8));
  EXPECT_TRUE(indexed.SamePixels(Bitmap::FromArgb(2, 2, red)));
  EXPECT_FALSE(indexed.SamePixels(Bitmap::FromArgb(4, 1, red)));
}

// Pixels 0xFF0000nn from the values nn, so expectations read as small numbers.
std::vector<Argb> Opaque(std::initializer_list<Argb> values) {
  std::vector<Argb> out;
  for (Argb v : values) out.push_back(0xFF000000u | v);
  return out;
}

TEST(BitmapStretch, RepeatsAndDropsRowsAndColumnsWithoutSmoothing) {
  const Bitmap two = Bitmap::FromArgb(2, 1, Opaque({1, 2}));
  EXPECT_EQ(StretchNearest(two, 5, 2).Pixels(), Opaque({1, 1, 1, 2, 2,  //
                                                        1, 1, 1, 2, 2}));
  const Bitmap square = Bitmap::FromArgb(4, 4,
                                         Opaque({1, 2, 3, 4,     //
                                                 5, 6, 7, 8,     //
                                                 9, 10, 11, 12,  //
                                                 13, 14, 15, 16}));
  EXPECT_EQ(StretchNearest(square, 2, 2).Pixels(), Opaque({1, 3, 9, 11}));
  EXPECT_EQ(StretchNearest(square, 3, 1).Pixels(), Opaque({1, 2, 3}));
  EXPECT_TRUE(StretchNearest(square, 4, 4).SamePixels(square));
}

TEST(BitmapStretch, ResultIsAThirtyTwoBitPictureThatWritesBack) {
  BitmapFormat f;
  f.width = 2;
  f.height = 1;
  f.bitsPerPixel = 4;
  f.colourTable = std::vector<Argb>(16, 0xFF00FF00);
  const Bitmap stretched = StretchNearest(Bitmap::FromStored(f, {0x00, 0, 0, 0}), 3, 3);
  EXPECT_EQ(stretched.Format().bitsPerPixel, 32);
  EXPECT_EQ(stretched.Rows().size(), 36u);
  EXPECT_EQ(stretched.Pixels(), std::vector<Argb>(9, 0xFF00FF00));
}

TEST(BitmapStretch, NothingToStretchOrNoRoomGivesAnEmptyPicture) {
  const Bitmap one = Bitmap::FromArgb(1, 1, Opaque({7}));
  EXPECT_TRUE(StretchNearest(Bitmap(), 10, 10).IsEmpty());
  EXPECT_TRUE(StretchNearest(one, 0, 10).IsEmpty());
  EXPECT_TRUE(StretchNearest(one, 10, -1).IsEmpty());
  EXPECT_THROW(StretchNearest(one, kMaxBitmapSide, kMaxBitmapSide), SkinError);
}

}  // namespace
}  // namespace tessary
