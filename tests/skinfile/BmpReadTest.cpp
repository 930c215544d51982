// Decoding BMP files of every depth, header form and row order.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "skin/Error.h"
#include "skinfile/BmpCodec.h"
#include "tests/skinfile/BmpTestBuilder.h"

namespace tessary {
namespace {

using test::BmpSpec;
using test::BuildBmp;

constexpr Argb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

std::vector<Argb> PixelsOf(const Bitmap& b) { return b.Pixels(); }

TEST(BmpRead, TwentyFourBitRowsArePaddedAndBottomUp) {
  BmpSpec s;
  s.width = 2;
  s.height = 2;
  // Stored bottom row first: blue, green | pad 2; then top row: red, white | pad 2.
  s.pixels = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};
  const Bitmap b = ReadBmp(BuildBmp(s));
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(PixelsOf(b), (std::vector<Argb>{kRed, kWhite, kBlue, kGreen}));
  EXPECT_FALSE(b.Format().TopDown());
}

TEST(BmpRead, NegativeHeightIsTopDown) {
  BmpSpec s;
  s.width = 1;
  s.height = -2;
  s.pixels = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0};  // red first, then blue
  const Bitmap b = ReadBmp(BuildBmp(s));
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(b.Format().height, -2);
  EXPECT_EQ(PixelsOf(b), (std::vector<Argb>{kRed, kBlue}));
}

TEST(BmpRead, IndexedDepthsReadMostSignificantBitsFirst) {
  BmpSpec one;
  one.bits = 1;
  one.width = 10;
  one.table = {kBlack, kWhite};
  one.pixels = {0b10100000, 0b01000000, 0, 0};
  EXPECT_EQ(PixelsOf(ReadBmp(BuildBmp(one))),
            (std::vector<Argb>{kWhite, kBlack, kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite}));

  BmpSpec four;
  four.bits = 4;
  four.width = 3;
  four.table = std::vector<Argb>(16, kBlack);
  four.table[1] = kRed;
  four.table[2] = kGreen;
  four.table[15] = kBlue;
  four.pixels = {0x12, 0xF0, 0, 0};
  EXPECT_EQ(PixelsOf(ReadBmp(BuildBmp(four))), (std::vector<Argb>{kRed, kGreen, kBlue}));

  BmpSpec eight;
  eight.bits = 8;
  eight.width = 2;
  eight.table = std::vector<Argb>(256, kBlack);
  eight.table[200] = 0xFF123456;
  eight.pixels = {200, 0, 0, 0};
  const Bitmap b = ReadBmp(BuildBmp(eight));
  EXPECT_EQ(PixelsOf(b), (std::vector<Argb>{0xFF123456, kBlack}));
  EXPECT_EQ(b.Format().colourTable.size(), 256u);
}

TEST(BmpRead, ColoursUsedLimitsTheTableAndOutOfTableIndicesAreBlack) {
  BmpSpec s;
  s.bits = 8;
  s.width = 3;
  s.coloursUsed = 2;
  s.table = {kRed, kGreen};
  s.pixels = {0, 1, 9, 0};
  const Bitmap b = ReadBmp(BuildBmp(s));
  EXPECT_EQ(PixelsOf(b), (std::vector<Argb>{kRed, kGreen, kBlack}));
  EXPECT_EQ(b.Format().colourTable.size(), 2u);
  EXPECT_EQ(b.Format().coloursUsed, 2u);
}

TEST(BmpRead, SixteenBitWithoutBitFieldsIs555) {
  BmpSpec s;
  s.bits = 16;
  s.width = 3;
  s.pixels = {0xFF, 0x7F, 0x1F, 0x00, 0x00, 0x7C, 0, 0};
  EXPECT_EQ(PixelsOf(ReadBmp(BuildBmp(s))), (std::vector<Argb>{kWhite, kBlue, kRed}));
}

TEST(BmpRead, BitFieldChannelsScaleToFullEightBits) {
  BmpSpec s;
  s.bits = 16;
  s.width = 2;
  s.compression = kBmpBitFields;
  s.masks = {0xF800, 0x07E0, 0x001F};
  // 0x07E0: green 63 of 63 -> 255; 0x0400: green 32 of 63 -> 130 (rounded), not 128.
  s.pixels = {0xE0, 0x07, 0x00, 0x04};
  EXPECT_EQ(PixelsOf(ReadBmp(BuildBmp(s))), (std::vector<Argb>{kGreen, 0xFF008200}));

  s.masks = {0, 0, 0};  // all zero: 5-6-5 defaults
  s.pixels = {0x00, 0xF8, 0x1F, 0x00};
  EXPECT_EQ(PixelsOf(ReadBmp(BuildBmp(s))), (std::vector<Argb>{kRed, kBlue}));
}

TEST(BmpRead, ThirtyTwoBitMasksMayLieAnywhere) {
  BmpSpec s;
  s.bits = 32;
  s.width = 1;
  s.compression = kBmpBitFields;
  s.masks = {0xFF000000, 0x00FF0000, 0x0000FF00};
  s.pixels = {0x00, 0x33, 0x22, 0x11};
  EXPECT_EQ(PixelsOf(ReadBmp(BuildBmp(s))), (std::vector<Argb>{0xFF112233}));

  BmpSpec plain;  // compression 0: blue, green, red, unused
  plain.bits = 32;
  plain.pixels = {0x33, 0x22, 0x11, 0x99};
  EXPECT_EQ(PixelsOf(ReadBmp(BuildBmp(plain))), (std::vector<Argb>{0xFF112233}));
}

TEST(BmpRead, LongHeadersCarryTheirMasksInside) {
  BmpSpec s;
  s.headerSize = 108;
  s.bits = 16;
  s.width = 1;
  s.compression = kBmpBitFields;
  s.masks = {0x7C00, 0x03E0, 0x001F};
  s.pixels = {0x1F, 0x00, 0, 0};
  EXPECT_EQ(PixelsOf(ReadBmp(BuildBmp(s))), (std::vector<Argb>{kBlue}));
}

TEST(BmpRead, CoreHeaderHasThreeByteEntries) {
  BmpSpec s;
  s.headerSize = 12;
  s.bits = 1;
  s.width = 2;
  s.table = {kRed, kBlue};
  s.pixels = {0b01000000, 0, 0, 0};
  const Bitmap b = ReadBmp(BuildBmp(s));
  EXPECT_TRUE(b.Format().coreHeader);
  EXPECT_EQ(PixelsOf(b), (std::vector<Argb>{kRed, kBlue}));
}

TEST(BmpRead, PixelDataFollowsTheColourTableWhateverTheOffsetSays) {
  BmpSpec s;
  s.offset = 4000;
  s.pixels = {0, 0, 0xFF, 0};
  EXPECT_EQ(PixelsOf(ReadBmp(BuildBmp(s))), (std::vector<Argb>{kRed}));
}

TEST(BmpRead, ImageSizeFieldDoesNotLimitRowsThatArePresent) {
  BmpSpec s;
  s.width = 3;
  s.height = 2;
  s.pixels = {0, 0, 0xFF, 0, 0xFF, 0,    0xFF, 0, 0,    0, 0, 0,   // bottom row: red, green, blue
              0, 0, 0xFF, 0, 0,    0xFF, 0,    0, 0xFF, 0, 0, 0};  // top row: red
  const std::vector<Argb> pixels{kRed, kRed, kRed, kRed, kGreen, kBlue};
  for (std::uint32_t imageSize : {0u, 400u, 18u /* width x 3 x height, without the padding */, 2u}) {
    s.imageSize = imageSize;
    EXPECT_EQ(PixelsOf(ReadBmp(BuildBmp(s))), pixels) << imageSize;
  }
  s.pixels.resize(23);
  EXPECT_EQ(test::ErrorOf([&] { ReadBmp(BuildBmp(s)); }), msg::kStreamReadError);
}

// The pixel offset is used when it leaves a gap after the colour table and the rows fit
// from there; an offset that points anywhere else is ignored, as before.
TEST(BmpRead, PixelOffsetPastTheTableIsUsedWhenTheRowsFit) {
  BmpSpec s;
  s.bits = 8;
  s.coloursUsed = 3;
  s.table = {kRed, kGreen, kBlue};
  s.pixels = {2, 2, 2, 2, 1, 0, 0, 0};  // a gap of four bytes of index 2, then the row
  const std::uint32_t tableEnd = 14 + 40 + 12;
  const std::pair<std::uint32_t, std::vector<Argb>> cases[] = {
      {tableEnd + 4, {kGreen}},  // the gap is skipped
      {tableEnd, {kBlue}},       // no gap
      {tableEnd - 8, {kBlue}},   // inside the table: ignored
      {tableEnd + 6, {kBlue}},   // the row would not fit: ignored
      {0xFFFFFFFF, {kBlue}},
  };
  for (const auto& [offset, pixels] : cases) {
    s.offset = offset;
    EXPECT_EQ(PixelsOf(ReadBmp(BuildBmp(s))), pixels) << offset;
  }
  // Written back without the gap, so it reads the same wherever it goes.
  s.offset = tableEnd + 4;
  const Bitmap gap = ReadBmp(BuildBmp(s));
  EXPECT_EQ(PixelsOf(ReadBmp(WriteBmp(gap))), (std::vector<Argb>{kGreen}));
  EXPECT_EQ(test::U32At(WriteBmp(gap), 10), tableEnd);
}

// Pictures read from files have no pixel limit when their bytes are all there.
TEST(BmpRead, LargePicturesWhoseBytesArePresentAreRead) {
  BmpSpec s;
  s.bits = 1;
  s.width = 8192;
  s.height = 4097;  // past 2^25 pixels, the limit of pictures the program makes itself
  s.table = {kRed, kGreen};
  s.pixels = std::vector<std::uint8_t>(std::size_t{1024} * 4097, 0xFF);
  const Bitmap large = ReadBmp(BuildBmp(s));
  EXPECT_EQ(large.Height(), 4097);
  EXPECT_EQ(large.Rows().size(), s.pixels.size());
  s.pixels.pop_back();
  EXPECT_EQ(test::ErrorOf([&] { ReadBmp(BuildBmp(s)); }), msg::kStreamReadError);
}

TEST(BmpRead, DeepPicturesKeepACarriedColourTable) {
  BmpSpec s;
  s.coloursUsed = 2;
  s.table = {kRed, kGreen};
  s.pixels = {0xFF, 0, 0, 0};
  const Bitmap b = ReadBmp(BuildBmp(s));
  EXPECT_EQ(b.Format().colourTable, (std::vector<Argb>{kRed, kGreen}));
  EXPECT_EQ(PixelsOf(b), (std::vector<Argb>{kBlue}));
}

TEST(BmpRead, PayloadsOfZeroBytesOrZeroCountAreEmpty) {
  EXPECT_TRUE(ReadBitmapPayload(SharedBytes()).IsEmpty());
  const std::vector<std::uint8_t> zero{0, 0, 0, 0};
  EXPECT_TRUE(ReadBitmapPayload(zero).IsEmpty());
  EXPECT_TRUE(ReadBmp(SharedBytes()).IsEmpty());
}

TEST(BmpRead, PayloadReadsExactlyItsCount) {
  BmpSpec s;
  s.pixels = {0, 0, 0xFF, 0};
  auto payload = test::Payload(BuildBmp(s));
  EXPECT_EQ(PixelsOf(ReadBitmapPayload(payload)), (std::vector<Argb>{kRed}));
  payload[0] += 1;  // claims one byte more than present
  EXPECT_EQ(test::ErrorOf([&] { ReadBitmapPayload(payload); }), msg::kStreamReadError);
}

class BmpFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::path(::testing::TempDir()) / "tessary-bmp-file-test";
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const auto path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  std::filesystem::path dir_;
};

TEST_F(BmpFile, LoadsWholeFileAndReportsMissingOnesByPath) {
  BmpSpec s;
  s.pixels = {0xFF, 0, 0, 0};
  EXPECT_EQ(PixelsOf(LoadBmpFile(Write("blue.bmp", BuildBmp(s)))), (std::vector<Argb>{kBlue}));
  EXPECT_TRUE(LoadBmpFile(Write("empty.bmp", {})).IsEmpty());

  const std::string missing = (dir_ / "missing.bmp").string();
  try {
    LoadBmpFile(missing);
    FAIL() << "a missing file loaded";
  } catch (const SkinError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
  }
  EXPECT_THROW(LoadBmpFile(dir_.string()), SkinError);
}

}  // namespace
}  // namespace tessary
