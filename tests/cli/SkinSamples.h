#pragma once
// Skins and pictures for the tool's tests, made in-process with the core library: BMP files
// laid out by hand (so they are the bytes other programs write), skins saved as the
// editor's Save writes them, and old skin files cut out of a skin file.
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/Skin.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/ByteReader.h"
#include "skinfile/SkinFile.h"
#include "skinfile/StartupSkin.h"

namespace tessary::cli::test {

inline constexpr std::size_t kBmpFileHeaderSize = 14;
inline constexpr std::uint32_t kInfoHeaderSize = 40;
inline constexpr std::uint32_t kCoreHeaderSize = 12;
inline constexpr std::int32_t kPixelsPerMetre = 2835;

struct BmpLayout {
  std::int32_t width = 1;
  std::int32_t height = 1;  // negative: rows top-down
  std::uint16_t bits = 24;
  std::uint32_t compression = kBmpRgb;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::vector<std::uint8_t> data;      // pixel data exactly as stored
  bool coreHeader = false;
};

// A BMP file: file header, info (or core) header, colour table, pixel data.
inline std::vector<std::uint8_t> MakeBmp(const BmpLayout& layout) {
  const std::size_t entrySize = layout.coreHeader ? 3 : 4;
  const std::size_t headerSize = layout.coreHeader ? kCoreHeaderSize : kInfoHeaderSize;
  const std::size_t offset = kBmpFileHeaderSize + headerSize + entrySize * layout.palette.size();
  std::vector<std::uint8_t> out;
  out.reserve(offset + layout.data.size());
  ByteWriter w(out);
  w.U8('B');
  w.U8('M');
  w.U32(static_cast<std::uint32_t>(offset + layout.data.size()));
  w.U16(0);
  w.U16(0);
  w.U32(static_cast<std::uint32_t>(offset));
  if (layout.coreHeader) {
    w.U32(kCoreHeaderSize);
    w.U16(static_cast<std::uint16_t>(layout.width));
    w.U16(static_cast<std::uint16_t>(layout.height));
    w.U16(1);
    w.U16(layout.bits);
  } else {
    w.U32(kInfoHeaderSize);
    w.I32(layout.width);
    w.I32(layout.height);
    w.U16(1);
    w.U16(layout.bits);
    w.U32(layout.compression);
    w.U32(static_cast<std::uint32_t>(layout.data.size()));
    w.I32(kPixelsPerMetre);
    w.I32(kPixelsPerMetre);
    w.U32(static_cast<std::uint32_t>(layout.palette.size()));
    w.U32(0);
  }
  for (std::uint32_t rgb : layout.palette) {
    w.U8(static_cast<std::uint8_t>(rgb));
    w.U8(static_cast<std::uint8_t>(rgb >> 8));
    w.U8(static_cast<std::uint8_t>(rgb >> 16));
    if (!layout.coreHeader) w.U8(0);
  }
  w.Bytes(layout.data);
  return out;
}

// Deterministic pixel data: `count` bytes, each below `limit` (a palette size or 256).
inline std::vector<std::uint8_t> PatternBytes(std::size_t count, unsigned limit, unsigned seed) {
  std::vector<std::uint8_t> bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>((i * 37 + seed * 11 + 5) % limit);
  return bytes;
}

// A 24-bit picture of the given size in one colour (0x00RRGGBB), bottom-up.
inline std::vector<std::uint8_t> SolidBmp24(int width, int height, std::uint32_t rgb) {
  const std::size_t stride = ((static_cast<std::size_t>(width) * 24 + 31) / 32) * 4;
  std::vector<std::uint8_t> data(stride * static_cast<std::size_t>(height), 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = &data[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3];
      p[0] = static_cast<std::uint8_t>(rgb);
      p[1] = static_cast<std::uint8_t>(rgb >> 8);
      p[2] = static_cast<std::uint8_t>(rgb >> 16);
    }
  }
  return MakeBmp({width, height, 24, kBmpRgb, {}, data, false});
}

// Pictures in the depths and layouts a background may come in.
inline std::vector<std::vector<std::uint8_t>> SampleBackgrounds() {
  std::vector<std::uint32_t> sixteen;
  for (std::uint32_t i = 0; i < 16; ++i) sixteen.push_back(i * 0x00100F0Eu);
  // RLE8, 4 x 2: a run of four index 1, end of line; two 0, two 1, end of line; end.
  const std::vector<std::uint8_t> rle = {4, 1, 0, 0, 2, 0, 2, 1, 0, 0, 0, 1};
  return {
      MakeBmp({5, 3, 24, kBmpRgb, {}, PatternBytes(16 * 3, 256, 1), false}),
      MakeBmp({6, 4, 8, kBmpRgb, sixteen, PatternBytes(8 * 4, 16, 2), false}),
      MakeBmp({4, 2, 8, kBmpRle8, {0x00FF0000, 0x000000FF}, rle, false}),
      MakeBmp({9, 2, 1, kBmpRgb, {0x00000000, 0x00FFFFFF}, PatternBytes(4 * 2, 256, 3), false}),
      MakeBmp({3, -3, 32, kBmpRgb, {}, PatternBytes(12 * 3, 256, 4), false}),
      MakeBmp({5, 2, 4, kBmpRgb, sixteen, PatternBytes(4 * 2, 256, 5), true}),
  };
}

// The old skin file holding the same backgrounds and first six lists as a skin file.
inline std::vector<std::uint8_t> OldSkinFileFrom(const std::vector<std::uint8_t>& skn) {
  const SkinFileInfo info = InspectSkinFile(skn, SkinFileFormat::kSkn);
  constexpr std::size_t kFirstListNotInOldFiles = 8;  // records: 2 backgrounds, then lists
  const std::size_t first = info.records.front().offset;
  const std::size_t end = info.records[kFirstListNotInOldFiles].offset;
  std::vector<std::uint8_t> crs(2 + end - first);
  crs[0] = info.header.topStretch;
  crs[1] = info.header.bottomStretch;
  std::copy(skn.begin() + static_cast<std::ptrdiff_t>(first), skn.begin() + static_cast<std::ptrdiff_t>(end),
            crs.begin() + 2);
  return crs;
}

}  // namespace tessary::cli::test
