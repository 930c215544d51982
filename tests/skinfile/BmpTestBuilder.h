#pragma once
// Builds BMP files field by field for reader tests, so a test states exactly which header
// values it feeds in (including wrong ones the program's own writer never produces).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/Bitmap.h"
#include "skin/Error.h"
#include "skinfile/ByteReader.h"

namespace tessary::test {

struct BmpSpec {
  std::uint32_t headerSize = 40;  // 12 = core header; more than 40 pads the header with zeros
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t planes = 1;
  std::uint16_t bits = 24;
  std::uint32_t compression = kBmpRgb;
  std::uint32_t imageSize = 0;
  std::uint32_t coloursUsed = 0;
  std::uint32_t important = 0;
  std::int32_t xPpm = 0, yPpm = 0;
  std::uint32_t offset = 0;          // 0 = computed
  std::vector<std::uint32_t> masks;  // after the header, or inside it from 52 bytes on
  std::vector<Argb> table;           // 3-byte entries with a core header, else 4
  std::vector<std::uint8_t> pixels;  // stored rows or RLE data
};

inline std::vector<std::uint8_t> BuildBmp(const BmpSpec& s) {
  const bool core = s.headerSize == 12;
  const bool masksInHeader = !core && s.headerSize >= 52;
  const std::size_t entry = core ? 3 : 4;
  const std::size_t offset = 14 + s.headerSize + (masksInHeader ? 0 : 4 * s.masks.size()) + entry * s.table.size();
  std::vector<std::uint8_t> out;
  ByteWriter w(out);
  w.U8('B');
  w.U8('M');
  w.U32(static_cast<std::uint32_t>(offset + s.pixels.size()));
  w.U16(0);
  w.U16(0);
  w.U32(s.offset != 0 ? s.offset : static_cast<std::uint32_t>(offset));
  const std::size_t headerStart = out.size();
  w.U32(s.headerSize);
  if (core) {
    w.U16(static_cast<std::uint16_t>(s.width));
    w.U16(static_cast<std::uint16_t>(s.height));
    w.U16(s.planes);
    w.U16(s.bits);
  } else {
    w.I32(s.width);
    w.I32(s.height);
    w.U16(s.planes);
    w.U16(s.bits);
    w.U32(s.compression);
    w.U32(s.imageSize);
    w.I32(s.xPpm);
    w.I32(s.yPpm);
    w.U32(s.coloursUsed);
    w.U32(s.important);
    if (masksInHeader)
      for (auto m : s.masks) w.U32(m);
    while (out.size() - headerStart < s.headerSize) w.U8(0);
    if (!masksInHeader)
      for (auto m : s.masks) w.U32(m);
  }
  for (Argb c : s.table) {
    w.U8(static_cast<std::uint8_t>(c));
    w.U8(static_cast<std::uint8_t>(c >> 8));
    w.U8(static_cast<std::uint8_t>(c >> 16));
    if (!core) w.U8(0);
  }
  w.Bytes(s.pixels);
  return out;
}

// The bitmap payload around a BMP file: its byte count, then the bytes.
inline std::vector<std::uint8_t> Payload(const std::vector<std::uint8_t>& bmp) {
  std::vector<std::uint8_t> out(4 + bmp.size());
  const auto size = static_cast<std::uint32_t>(bmp.size());
  for (std::size_t i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(size >> (8 * i));
  std::copy(bmp.begin(), bmp.end(), out.begin() + 4);
  return out;
}

inline std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) | (std::uint32_t{b[at + 2]} << 16) |
         (std::uint32_t{b[at + 3]} << 24);
}

// The message of the SkinError `f` throws, or "no error".
inline std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const SkinError& e) {
    return e.what();
  }
  return "no error";
}

}  // namespace tessary::test
