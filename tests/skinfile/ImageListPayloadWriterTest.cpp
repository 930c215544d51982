#include <gtest/gtest.h>

#include "skin/Error.h"
#include "skinfile/ImageListPayload.h"
#include "tests/skinfile/ImageListPayloadTestLists.h"

namespace tessary {
namespace {

using testing::PatternList;
using testing::U32At;

std::vector<std::uint8_t> Write(const ImageList& list) {
  std::vector<std::uint8_t> out;
  WriteImageListPayload(out, list);
  return out;
}

TEST(ImageListPayloadWriter, GoldenHeaders) {
  // 3 x 2 images, 5 of them in 8 cells: W = 12, H = 4, S = 4.
  const auto bytes = Write(PatternList(3, 2, 5, 8));
  const std::vector<std::uint8_t> header = {
      'I',  'L',  0x01, 0x01,                          // magic, version 0x0101
      5,    0,    8,    0,    4,    0,                 // count, capacity, grow
      3,    0,    2,    0,                             // cx, cy
      0xFF, 0xFF, 0xFF, 0xFF,                          // no background colour
      0xFF, 0x10,                                      // flags 0x10FF
      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,  // four overlays, -1
  };
  const std::vector<std::uint8_t> colourHeaders = {
      'B', 'M', 54, 0, 0,  0, 0, 0, 0, 0, 54, 0, 0, 0,        // total-size field 54, offset 54
      40,  0,   0,  0, 12, 0, 0, 0, 4, 0, 0,  0,              // header size, W, H
      1,   0,   32, 0, 0,  0, 0, 0,                           // planes, 32 bits, no compression
      192, 0,   0,  0,                                        // image size 4 x 12 x 4
      0,   0,   0,  0, 0,  0, 0, 0, 0, 0, 0,  0, 0, 0, 0, 0,  // pixels per metre, colours
  };
  const std::vector<std::uint8_t> maskHeaders = {
      'B', 'M', 62, 0, 0,   0,   0,   0, 0, 0, 62, 0, 0, 0,        // total-size field 62, offset 62
      40,  0,   0,  0, 12,  0,   0,   0, 4, 0, 0,  0,              // header size, W, H
      1,   0,   1,  0, 0,   0,   0,   0,                           // planes, 1 bit, no compression
      16,  0,   0,  0,                                             // image size S x H
      0,   0,   0,  0, 0,   0,   0,   0, 0, 0, 0,  0, 0, 0, 0, 0,  // pixels per metre, colours
      0,   0,   0,  0, 255, 255, 255, 0,                           // black, white
  };
  const std::size_t maskAt = 28 + 54 + 192;
  ASSERT_EQ(bytes.size(), maskAt + 62 + 16 + 22);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 28), header);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 28, bytes.begin() + 82), colourHeaders);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + maskAt, bytes.begin() + maskAt + 62), maskHeaders);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 22, bytes.end()), std::vector<std::uint8_t>(22, 0));
}

TEST(ImageListPayloadWriter, StartupListSizes) {
  struct Shape {
    int cx, cy, count, capacity;
    std::size_t bytes;
  };
  constexpr Shape kShapes[] = {
      {24, 24, 21, 24, 57190}, {16, 16, 21, 24, 25510}, {21, 21, 11, 14, 29398},
      {21, 21, 22, 24, 44014}, {16, 16, 59, 64, 67750}, {18, 18, 10, 14, 21766},
  };
  for (const Shape& s : kShapes) {
    EXPECT_EQ(Write(PatternList(s.cx, s.cy, s.count, s.capacity)).size(), s.bytes) << s.cx << " x " << s.cy;
  }
}

TEST(ImageListPayloadWriter, CellsRunFourPerRowFromTheTopAndUnusedCellsAreZero) {
  // 11 images in 14 cells: a 4 x 4 grid of 2 x 2 cells, bitmaps 8 x 8.
  const ImageList list = PatternList(2, 2, 11, 14);
  const auto bytes = Write(list);
  constexpr std::size_t kW = 8, kH = 8, kStride = 4;
  const std::size_t colourAt = 28 + 54;
  const std::size_t maskAt = colourAt + 4 * kW * kH + 62;
  for (int cell = 0; cell < 16; ++cell) {
    for (std::size_t y = 0; y < 2; ++y) {
      for (std::size_t x = 0; x < 2; ++x) {
        const std::size_t px = static_cast<std::size_t>(cell % 4) * 2 + x;
        const std::size_t py = static_cast<std::size_t>(cell / 4) * 2 + y;
        const std::size_t row = kH - 1 - py;  // rows are stored bottom-up
        const std::uint32_t stored = U32At(bytes, colourAt + 4 * (row * kW + px));
        const bool maskBit = (bytes[maskAt + row * kStride + px / 8] >> (7 - px % 8)) & 1;
        if (cell >= 11) {
          EXPECT_EQ(stored, 0u) << "cell " << cell;
          EXPECT_FALSE(maskBit) << "cell " << cell;
          continue;
        }
        const auto& image = list.ImageAt(cell);
        EXPECT_EQ(stored, image.pixels[y * 2 + x] & 0x00FFFFFFu) << "cell " << cell;
        EXPECT_EQ(maskBit, image.mask[y * 2 + x] == 1) << "cell " << cell;
      }
    }
  }
}

TEST(ImageListPayloadWriter, BackgroundColourIsWrittenResolved) {
  ImageList list = PatternList(2, 2, 1, 4);
  list.properties.bkColor = 0x00123456;
  EXPECT_EQ(U32At(Write(list), 14), 0x00123456u);
  list.properties.bkColor = clBtnFace;
  EXPECT_EQ(U32At(Write(list), 14), ResolveColour(clBtnFace));
}

TEST(ImageListPayloadWriter, AppendsToWhatIsThere) {
  std::vector<std::uint8_t> out = {1, 2, 3};
  WriteImageListPayload(out, PatternList(2, 2, 1, 4));
  EXPECT_EQ(out[0], 1);
  EXPECT_EQ(out[3], 'I');
  EXPECT_EQ(out.size(), 3 + Write(PatternList(2, 2, 1, 4)).size());
}

TEST(ImageListPayloadWriter, ListsTheLayoutCannotHoldAreRefused) {
  for (auto [cx, cy] : {std::pair{0, 16}, std::pair{16, 0}, std::pair{2000, 1}}) {
    ImageList list(cx, cy);
    try {
      Write(list);
      ADD_FAILURE() << cx << " x " << cy << " was written";
    } catch (const SkinError& error) {
      EXPECT_STREQ(error.what(), "Failed to write ImageList data to stream");
    }
  }
  ImageList tooMany(1, 1);
  tooMany.SetContent(1, 1, 0x10000, {});
  EXPECT_THROW(Write(tooMany), SkinError);
}

}  // namespace
}  // namespace tessary
