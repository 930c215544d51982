#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "skin/Error.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/ImageListPayload.h"
#include "tests/skinfile/ImageListPayloadTestLists.h"

namespace tessary {
namespace {

using testing::PatternImage;
using testing::PatternList;
using testing::PutU16;
using testing::PutU32;
using testing::SameImages;

constexpr std::size_t kColourAt = 28;
constexpr const char* kReadFailed = "Failed to read ImageList data from stream";

std::vector<std::uint8_t> Write(const ImageList& list) {
  std::vector<std::uint8_t> out;
  WriteImageListPayload(out, list);
  return out;
}

std::string ReadError(const std::vector<std::uint8_t>& payload, ImageList& list) {
  try {
    ReadImageListPayload(payload, list);
  } catch (const SkinError& error) {
    return error.what();
  }
  return "";
}

// The whole colour picture of a list, top-down: four cells per row, unused cells black.
std::vector<Argb> GridPicture(const ImageList& list, int rows) {
  const int w = 4 * list.Width();
  std::vector<Argb> picture(static_cast<std::size_t>(w * rows), 0xFF000000u);
  for (int i = 0; i < list.ImageCount(); ++i) {
    for (int y = 0; y < list.Height(); ++y)
      for (int x = 0; x < list.Width(); ++x)
        picture[static_cast<std::size_t>(((i / 4) * list.Height() + y) * w + (i % 4) * list.Width() + x)] =
            list.ImageAt(i).pixels[static_cast<std::size_t>(y * list.Width() + x)];
  }
  return picture;
}

// A BMP of the picture at 24 or 16 (5-5-5) bits per pixel, rows bottom-up.
std::vector<std::uint8_t> BmpAtDepth(const std::vector<Argb>& picture, int w, int h, std::uint16_t bits) {
  BitmapFormat format;
  format.width = w;
  format.height = h;
  format.bitsPerPixel = bits;
  const std::size_t stride = format.Stride();
  std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(h), 0);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = rows.data() + static_cast<std::size_t>(h - 1 - y) * stride;
    for (int x = 0; x < w; ++x) {
      const Argb p = picture[static_cast<std::size_t>(y * w + x)];
      const unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      if (bits == 24) {
        row[3 * x] = static_cast<std::uint8_t>(b);
        row[3 * x + 1] = static_cast<std::uint8_t>(g);
        row[3 * x + 2] = static_cast<std::uint8_t>(r);
      } else {
        const unsigned packed = ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
        row[2 * x] = static_cast<std::uint8_t>(packed);
        row[2 * x + 1] = static_cast<std::uint8_t>(packed >> 8);
      }
    }
  }
  return WriteBmp(Bitmap::FromStored(format, rows));
}

// The payload of `list` with its colour bitmap replaced by `colourBmp`.
std::vector<std::uint8_t> WithColourBitmap(const ImageList& list, const std::vector<std::uint8_t>& colourBmp) {
  const auto original = Write(list);
  const std::size_t colourEnd = kColourAt + 54 + testing::U32At(original, kColourAt + 34);
  std::vector<std::uint8_t> out(original.begin(), original.begin() + kColourAt);
  out.insert(out.end(), colourBmp.begin(), colourBmp.end());
  out.insert(out.end(), original.begin() + static_cast<std::ptrdiff_t>(colourEnd), original.end());
  return out;
}

// Images whose channels are all 0 or 255, which 16 bits per pixel hold exactly.
ImageList PureColourList() {
  constexpr Argb kColours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFFFFFFFF, 0xFF00FFFF};
  std::vector<ImageList::Image> images;
  for (int i = 0; i < 6; ++i) {
    ImageList::Image image{std::vector<Argb>(12, kColours[i]), std::vector<std::uint8_t>(12, 0)};
    image.pixels[static_cast<std::size_t>(i)] = 0xFF000000u;  // one transparent pixel each
    image.mask[static_cast<std::size_t>(i)] = 1;
    image.pixels[11 - static_cast<std::size_t>(i)] = kColours[(i + 1) % 6];
    images.push_back(image);
  }
  ImageList list(4, 3);
  list.SetContent(4, 3, 8, images);
  return list;
}

TEST(ImageListPayloadReader, WriteReadWriteGivesTheSameBytes) {
  for (auto [cx, cy, count, capacity] :
       {std::array{24, 24, 21, 24}, std::array{21, 21, 11, 14}, std::array{18, 18, 10, 14}, std::array{5, 3, 0, 4},
        std::array{33, 2, 9, 12}}) {
    ImageList original = PatternList(cx, cy, count, capacity);
    original.properties.bkColor = 0x00336699;
    const auto bytes = Write(original);
    ImageList read(16, 16);
    int notices = 0;
    auto connection = read.OnChange([&] { ++notices; });
    ReadImageListPayload(bytes, read);
    EXPECT_EQ(notices, 1);
    EXPECT_TRUE(SameImages(read, original)) << cx << " x " << cy;
    EXPECT_EQ(read.Capacity(), capacity);
    EXPECT_EQ(read.properties.bkColor, 0x00336699u);
    EXPECT_EQ(Write(read), bytes) << cx << " x " << cy;
  }
}

TEST(ImageListPayloadReader, NoBackgroundReadsAsNone) {
  ImageList list(1, 1);
  list.properties.bkColor = clWhite;
  ReadImageListPayload(Write(PatternList(2, 2, 1, 4)), list);
  EXPECT_EQ(list.properties.bkColor, clNone);
}

TEST(ImageListPayloadReader, ColourBitmapOfAnyDepthGivesTheSameImages) {
  const ImageList original = PureColourList();  // 4 x 3 cells, 2 cell rows: 16 x 6
  for (std::uint16_t bits : {std::uint16_t{24}, std::uint16_t{16}}) {
    const auto payload = WithColourBitmap(original, BmpAtDepth(GridPicture(original, 6), 16, 6, bits));
    ImageList read;
    ReadImageListPayload(payload, read);
    EXPECT_TRUE(SameImages(read, original)) << bits << " bits";
  }
}

TEST(ImageListPayloadReader, RepairTakesTheDepthFromTheColourBitmap) {
  const ImageList original = PatternList(3, 3, 5, 8);
  auto payload = Write(original);
  payload[18] = 0x01;  // masked, no colour depth
  ImageList read;
  ReadImageListPayload(payload, read);
  EXPECT_TRUE(SameImages(read, original));

  payload[18] = 0x00;  // no mask and no depth: nothing to repair from
  EXPECT_EQ(ReadError(payload, read), kReadFailed);
}

TEST(ImageListPayloadReader, WithoutTheMaskFlagNoMaskBitmapIsRead) {
  const ImageList original = PureColourList();
  auto payload = Write(original);
  const std::size_t maskAt = kColourAt + 54 + 4 * 16 * 6;
  payload.resize(maskAt);  // colour bitmap only
  PutU16(payload, 18, 0x10FE);
  ImageList read;
  ReadImageListPayload(payload, read);
  ASSERT_EQ(read.ImageCount(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(read.ImageAt(i).mask, std::vector<std::uint8_t>(12, 0));
    const auto last = static_cast<std::size_t>(11 - i);
    EXPECT_EQ(read.ImageAt(i).pixels[last], original.ImageAt(i).pixels[last]);
  }
}

TEST(ImageListPayloadReader, EveryTruncationFailsCleanly) {
  const ImageList original = PatternList(3, 2, 5, 8);
  const auto payload = Write(original);
  const std::size_t trailerAt = payload.size() - 22;
  for (std::size_t length = 0; length < payload.size(); ++length) {
    const std::vector<std::uint8_t> cut(payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(length));
    ImageList list = PatternList(3, 2, 2, 4);
    int notices = 0;
    auto connection = list.OnChange([&] { ++notices; });
    const std::string error = ReadError(cut, list);
    EXPECT_EQ(notices, 1) << length;
    if (length >= trailerAt) {
      // The zero trailer carries nothing: the images are all there without it.
      EXPECT_EQ(error, "") << length;
      EXPECT_TRUE(SameImages(list, original)) << length;
    } else {
      // Two bytes "IL" already mark the current layout; fewer are a short read.
      EXPECT_EQ(error, length >= 2 ? kReadFailed : "Stream read error") << length;
      EXPECT_EQ(list.ImageCount(), 0) << length;
    }
  }
}

TEST(ImageListPayloadReader, BrokenPayloadsFailWithoutAList) {
  struct Broken {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> damage;
  };
  // Offsets: header 0..27, colour BMP from 28 (info header at 42: width 46, height 50,
  // planes 54, bits 56, compression 58, image size 62, colours used 74).
  const Broken kBroken[] = {
      {"version", [](auto& p) { PutU16(p, 2, 0x0100); }},
      {"count above capacity", [](auto& p) { PutU16(p, 4, 9); }},
      {"cx 0", [](auto& p) { PutU16(p, 10, 0); }},
      {"cy 0", [](auto& p) { PutU16(p, 12, 0); }},
      {"cx other than the bitmap's", [](auto& p) { PutU16(p, 10, 4); }},
      {"cx absurd", [](auto& p) { PutU16(p, 10, 0xFFFF); }},
      {"capacity absurd",
       [](auto& p) {
         PutU16(p, 6, 0xFFFF);
         PutU16(p, 10, 1024);
         PutU16(p, 12, 1024);
       }},
      {"capacity beyond the tallest picture", [](auto& p) { PutU16(p, 6, 0xFFFF); }},
      {"capacity above the bitmap rows",
       [](auto& p) {
         PutU16(p, 6, 12);
         PutU16(p, 4, 12);
       }},
      {"colour bitmap not BM", [](auto& p) { p[28] = 'X'; }},
      {"colour header size", [](auto& p) { PutU32(p, 42, 20); }},
      {"colour header size huge", [](auto& p) { PutU32(p, 42, 0x7FFFFFFF); }},
      {"colour width", [](auto& p) { PutU32(p, 46, 13); }},
      {"colour width negative", [](auto& p) { PutU32(p, 46, 0xFFFFFFF4); }},
      {"colour too few rows", [](auto& p) { PutU32(p, 50, 2); }},
      {"colour planes", [](auto& p) { PutU16(p, 54, 2); }},
      {"colour bits 0", [](auto& p) { PutU16(p, 56, 0); }},
      {"colour bits 7", [](auto& p) { PutU16(p, 56, 7); }},
      {"colour RLE without size",
       [](auto& p) {
         PutU16(p, 56, 8);
         PutU32(p, 58, 1);
         PutU32(p, 62, 0);
       }},
      {"colour table past the end", [](auto& p) { PutU32(p, 74, 0x40000000); }},
      {"mask not BM", [](auto& p) { p[28 + 54 + 192] = 'X'; }},
      {"mask rows", [](auto& p) { PutU32(p, 28 + 54 + 192 + 22, 1); }},
      {"no depth, masked flag missing", [](auto& p) { PutU16(p, 18, 0x1000); }},
  };
  const auto payload = Write(PatternList(3, 2, 5, 8));  // 12 x 4 bitmaps, 192 colour bytes
  for (const Broken& broken : kBroken) {
    auto damaged = payload;
    broken.damage(damaged);
    ImageList list = PatternList(3, 2, 3, 4);
    EXPECT_EQ(ReadError(damaged, list), kReadFailed) << broken.what;
    EXPECT_EQ(list.ImageCount(), 0) << broken.what;
  }
}

TEST(ImageListPayloadReader, OlderLayoutWalksCellsRowByRowFromTheTop) {
  // Three 2 x 2 images in a 2 x 2-cell picture; the bottom-right cell is unused.
  ImageList expected(2, 2);
  std::vector<ImageList::Image> images = {PatternImage(1, 2, 2), PatternImage(2, 2, 2), PatternImage(3, 2, 2)};
  expected.SetContent(2, 2, 4, images);
  // Only white marks a transparent pixel: the silver of the mask picture is opaque.
  std::vector<Argb> picture(16, 0xFF808080u), mask(16, 0xFFC0C0C0u);
  const std::size_t cellX[] = {0, 2, 0}, cellY[] = {0, 0, 2};
  for (std::size_t i = 0; i < 3; ++i) {
    for (std::size_t p = 0; p < 4; ++p) {
      const std::size_t at = (cellY[i] + p / 2) * 4 + cellX[i] + p % 2;
      picture[at] = images[i].mask[p] ? 0xFF00FF00u : images[i].pixels[p];  // green under the mask
      if (images[i].mask[p]) mask[at] = 0xFFFFFFFFu;
    }
  }
  const auto imageBmp = WriteBmp(Bitmap::FromArgb(4, 4, picture));
  const auto maskBmp = WriteBmp(Bitmap::FromArgb(4, 4, mask));
  std::vector<std::uint8_t> payload(8);
  PutU32(payload, 0, static_cast<std::uint32_t>(imageBmp.size()));
  PutU32(payload, 4, 3);
  payload.insert(payload.end(), imageBmp.begin(), imageBmp.end());
  payload.insert(payload.end(), maskBmp.begin(), maskBmp.end());

  ImageList read(2, 2);
  int notices = 0;
  auto connection = read.OnChange([&] { ++notices; });
  ReadImageListPayload(payload, read);
  EXPECT_EQ(notices, 1);
  EXPECT_TRUE(SameImages(read, expected));
  EXPECT_EQ(read.Capacity(), 4);

  // The list's own cell size decides: as 4 x 4 images the picture is one cell.
  ImageList large(4, 4);
  ReadImageListPayload(payload, large);
  EXPECT_EQ(large.ImageCount(), 1);

  // A mask picture smaller than the cells is a broken payload.
  auto noMask = payload;
  noMask.resize(8 + imageBmp.size());
  EXPECT_EQ(ReadError(noMask, read), kReadFailed);
  EXPECT_EQ(read.ImageCount(), 0);

  // Images wider than the current layout can save are refused rather than read.
  const auto wideBmp = WriteBmp(Bitmap::FromArgb(1100, 1, std::vector<Argb>(1100, 0xFF123456u)));
  std::vector<std::uint8_t> wide(8);
  PutU32(wide, 0, static_cast<std::uint32_t>(wideBmp.size()));
  PutU32(wide, 4, 1);
  wide.insert(wide.end(), wideBmp.begin(), wideBmp.end());
  wide.insert(wide.end(), wideBmp.begin(), wideBmp.end());
  ImageList wideList(1100, 1);
  EXPECT_EQ(ReadError(wide, wideList), kReadFailed);

  // A size A past the end is a short read of the image BMP.
  PutU32(payload, 0, 0x7FFFFFF0);
  EXPECT_EQ(ReadError(payload, read), "Stream read error");
}

// A read list's images are made when first looked at; whatever happens to the list or its
// copies first, the images stay those of the file and copies share them by pointer.
TEST(ImageListPayloadReader, ReadImagesSurviveEveryFirstChange) {
  const ImageList original = PatternList(3, 3, 5, 8);
  const Bitmap added = original.ImageBitmap(1);
  const std::vector<std::pair<const char*, std::function<void(ImageList&)>>> firstChanges = {
      {"none", [](ImageList&) {}},
      {"append", [&](ImageList& l) { l.AppendImage(added, clNone); }},
      {"replace", [&](ImageList& l) { l.ReplaceImage(0, added, clNone); }},
      {"share", [&](ImageList& l) { l.SetImage(l.ImageCount(), original.SharedImage(2)); }},
      {"clear", [](ImageList& l) { l.Clear(); }},
      {"resize", [](ImageList& l) { l.SetSize(2, 2); }},
  };
  for (const auto& [name, change] : firstChanges) {
    ImageList read(1, 1), copy(1, 1);
    {
      const auto payload = Write(original);  // gone before anything looks at an image
      ReadImageListPayload(payload, read);
    }
    copy.Assign(read);
    change(read);
    EXPECT_TRUE(SameImages(copy, original)) << name;
    ImageList expected(1, 1);
    expected.Assign(original);
    change(expected);
    EXPECT_TRUE(SameImages(read, expected)) << name;
    for (int i = 1; i < std::min(read.ImageCount(), 5); ++i) {
      EXPECT_EQ(read.SharedImage(i), copy.SharedImage(i)) << name << " " << i;
    }
  }
}

}  // namespace
}  // namespace tessary
