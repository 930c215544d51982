#pragma once
// Image lists with recognisable content for the payload tests.
#include <cstdint>
#include <vector>

#include "skin/ImageList.h"

namespace tessary::testing {

// Image i of a cx x cy list: every pixel a different colour derived from (i, x, y), with
// fuchsia (transparent) pixels on a diagonal of every image but the first.
inline ImageList::Image PatternImage(int i, int cx, int cy) {
  ImageList::Image image;
  for (int y = 0; y < cy; ++y) {
    for (int x = 0; x < cx; ++x) {
      const bool transparent = i > 0 && (x + y + i) % 5 == 0;
      const Argb colour = 0xFF000000u | (static_cast<Argb>(i * 37 + 1) << 16) | (static_cast<Argb>(x * 11) << 8) |
                          static_cast<Argb>(y * 7 + 1);
      image.pixels.push_back(transparent ? 0xFF000000u : colour);
      image.mask.push_back(transparent ? 1 : 0);
    }
  }
  return image;
}

inline ImageList PatternList(int cx, int cy, int count, int capacity) {
  std::vector<ImageList::Image> images;
  for (int i = 0; i < count; ++i) images.push_back(PatternImage(i, cx, cy));
  ImageList list(cx, cy);
  list.SetContent(cx, cy, capacity, std::move(images));
  return list;
}

inline bool SameImages(const ImageList& a, const ImageList& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.ImageCount() != b.ImageCount()) return false;
  for (int i = 0; i < a.ImageCount(); ++i) {
    if (a.ImageAt(i).pixels != b.ImageAt(i).pixels || a.ImageAt(i).mask != b.ImageAt(i).mask) return false;
  }
  return true;
}

inline std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} | (std::uint32_t{bytes[at + 1]} << 8) | (std::uint32_t{bytes[at + 2]} << 16) |
         (std::uint32_t{bytes[at + 3]} << 24);
}

inline void PutU16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace tessary::testing
