// Broken and truncated input: every one must fail with the right message, never crash and
// never allocate what the bytes present cannot back.
#include <gtest/gtest.h>

#include <climits>

#include "skinfile/BmpCodec.h"
#include "tests/skinfile/BmpTestBuilder.h"

namespace tessary {
namespace {

using test::BmpSpec;
using test::BuildBmp;
using test::ErrorOf;

struct Broken {
  const char* name;
  std::vector<std::uint8_t> bytes;
  const char* message;
};

BmpSpec Small() {
  BmpSpec s;
  s.width = 2;
  s.height = 2;
  s.pixels = std::vector<std::uint8_t>(16, 0x80);
  return s;
}

template <typename Edit>
std::vector<std::uint8_t> SmallWith(Edit edit) {
  BmpSpec s = Small();
  edit(s);
  return BuildBmp(s);
}

std::vector<Broken> BrokenFiles() {
  std::vector<std::uint8_t> notBm = BuildBmp(Small());
  notBm[1] = 'A';
  std::vector<std::uint8_t> hugeHeader = BuildBmp(Small());
  hugeHeader[17] = 0xFF;  // header size 0xFF000028
  return {
      {"wrong magic", notBm, msg::kBitmapNotValid},
      {"one byte", {'B'}, msg::kStreamReadError},
      {"file header only", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, msg::kStreamReadError},
      {"planes 2", SmallWith([](BmpSpec& s) { s.planes = 2; }), msg::kBitmapNotValid},
      {"planes 0 in a core header", SmallWith([](BmpSpec& s) { s.headerSize = 12, s.planes = 0; }),
       msg::kBitmapNotValid},
      {"7 bits per pixel", SmallWith([](BmpSpec& s) { s.bits = 7; }), msg::kBitmapNotValid},
      {"0 bits per pixel", SmallWith([](BmpSpec& s) { s.bits = 0; }), msg::kBitmapNotValid},
      {"zero width", SmallWith([](BmpSpec& s) { s.width = 0; }), msg::kBitmapNotValid},
      {"negative width", SmallWith([](BmpSpec& s) { s.width = -2; }), msg::kBitmapNotValid},
      {"zero height", SmallWith([](BmpSpec& s) { s.height = 0; }), msg::kBitmapNotValid},
      {"most negative height", SmallWith([](BmpSpec& s) { s.height = INT_MIN; }), msg::kBitmapNotValid},
      {"65535 x 65535 in a few bytes", SmallWith([](BmpSpec& s) { s.width = 65535, s.height = 65535; }),
       msg::kBitmapNotValid},
      {"65535 x 65535 core header", SmallWith([](BmpSpec& s) { s.headerSize = 12, s.width = 65535, s.height = 65535; }),
       msg::kBitmapNotValid},
      {"30000 x 30000 without its bytes", SmallWith([](BmpSpec& s) { s.width = 30000, s.height = 30000; }),
       msg::kStreamReadError},
      {"5000 x 5000 with 16 bytes of pixels", SmallWith([](BmpSpec& s) { s.width = 5000, s.height = 5000; }),
       msg::kStreamReadError},
      {"header size 20", SmallWith([](BmpSpec& s) { s.headerSize = 20; }), msg::kBitmapNotValid},
      {"header larger than the file", hugeHeader, msg::kStreamReadError},
      {"four billion colours", SmallWith([](BmpSpec& s) { s.coloursUsed = 0xFFFFFFFFu; }), msg::kStreamReadError},
      {"table cut short", SmallWith([](BmpSpec& s) { s.bits = 8, s.pixels.clear(), s.table.resize(10); }),
       msg::kStreamReadError},
      {"compression 4", SmallWith([](BmpSpec& s) { s.compression = 4; }), msg::kBitmapNotValid},
      {"compression 0xFFFFFFFF", SmallWith([](BmpSpec& s) { s.compression = 0xFFFFFFFFu; }), msg::kBitmapNotValid},
      {"bit fields at 24 bits", SmallWith([](BmpSpec& s) { s.compression = kBmpBitFields; }), msg::kBitmapNotValid},
      {"bit fields without masks", SmallWith([](BmpSpec& s) { s.bits = 32, s.compression = kBmpBitFields; }),
       msg::kStreamReadError},
      {"RLE8 at 24 bits", SmallWith([](BmpSpec& s) { s.compression = kBmpRle8; }), msg::kBitmapNotValid},
      {"rows cut short", SmallWith([](BmpSpec& s) { s.pixels.resize(12); }), msg::kStreamReadError},
  };
}

TEST(BmpBroken, EachBrokenFileFailsWithItsMessage) {
  for (const Broken& broken : BrokenFiles()) {
    EXPECT_EQ(ErrorOf([&] { ReadBmp(broken.bytes); }), broken.message) << broken.name;
    EXPECT_EQ(ErrorOf([&] { ReadBitmapPayload(test::Payload(broken.bytes)); }), broken.message) << broken.name;
  }
}

std::vector<std::vector<std::uint8_t>> ValidFiles() {
  BmpSpec eight = Small();
  eight.bits = 8;
  eight.coloursUsed = 3;
  eight.table = {0xFF000000, 0xFFFFFFFF, 0xFF808080};
  eight.pixels = {0, 1, 0, 0, 2, 1, 0, 0};
  BmpSpec core = Small();
  core.headerSize = 12;
  core.bits = 1;
  core.table = {0xFF000000, 0xFFFFFFFF};
  core.pixels = {0x40, 0, 0, 0, 0x80, 0, 0, 0};
  BmpSpec masks = Small();
  masks.bits = 16;
  masks.compression = kBmpBitFields;
  masks.masks = {0xF800, 0x07E0, 0x001F};
  masks.pixels = std::vector<std::uint8_t>(8, 0x5A);
  BmpSpec rle8;
  rle8.bits = 8;
  rle8.compression = kBmpRle8;
  rle8.width = 3;
  rle8.height = 2;
  rle8.coloursUsed = 2;
  rle8.table = {0xFF000000, 0xFFFFFFFF};
  rle8.pixels = {3, 1, 0, 0, 0, 3, 1, 0, 1, 0, 0, 1};
  BmpSpec rle4 = rle8;
  rle4.bits = 4;
  rle4.compression = kBmpRle4;
  rle4.pixels = {3, 0x10, 0, 0, 0, 3, 0x12, 0x10, 0, 1};
  return {BuildBmp(Small()), BuildBmp(eight), BuildBmp(core), BuildBmp(masks), BuildBmp(rle8), BuildBmp(rle4)};
}

TEST(BmpBroken, EveryTruncationFails) {
  for (const auto& file : ValidFiles()) {
    ASSERT_EQ(ErrorOf([&] { ReadBmp(file); }), "no error") << ::testing::PrintToString(file);
    const auto payload = test::Payload(file);
    // RLE data cut short gives what it holds; anything else cut short is an error.
    const bool rle = test::U32At(file, 30) == kBmpRle8 || test::U32At(file, 30) == kBmpRle4;
    const std::size_t tolerantFrom = rle ? test::U32At(file, 10) : file.size();
    for (std::size_t length = 1; length < tolerantFrom; ++length) {
      const std::span<const std::uint8_t> prefix(file.data(), length);
      EXPECT_NE(ErrorOf([&] { ReadBmp(prefix); }), "no error") << "file cut to " << length;
    }
    // A payload cut anywhere: its count no longer matches what is present.
    for (std::size_t length = 1; length < payload.size(); ++length) {
      const std::span<const std::uint8_t> prefix(payload.data(), length);
      EXPECT_EQ(ErrorOf([&] { ReadBitmapPayload(prefix); }), msg::kStreamReadError) << "payload cut to " << length;
    }
  }
}

}  // namespace
}  // namespace tessary
