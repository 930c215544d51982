#include "skin/AlphaPicture.h"

#include <algorithm>

#include "skin/Error.h"

namespace tessary {
namespace {

constexpr int kBitsPerPixel = 24;
constexpr int kFullAlpha = 255;
constexpr Argb kRgbBits = 0x00FFFFFFu;
constexpr Argb kOpaque = 0xFF000000u;

int Channel(Argb pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

// `over` composited over `under` (both 0x..RRGGBB) with coverage `alpha`, rounded.
Argb Composite(Argb over, Argb under, int alpha) {
  Argb out = 0;
  for (int shift : {0, 8, 16}) {
    const int mixed =
        (Channel(over, shift) * alpha + Channel(under, shift) * (kFullAlpha - alpha) + kFullAlpha / 2) / kFullAlpha;
    out |= static_cast<Argb>(mixed) << shift;
  }
  return out;
}

Argb Flatten(Argb pixel, AlphaRule rule, Argb key) {
  const int alpha = static_cast<int>(pixel >> 24);
  const Argb rgb = pixel & kRgbBits;
  switch (rule) {
    case AlphaRule::kKeyColour: return alpha < kOpaqueAlphaFrom ? key : rgb;
    case AlphaRule::kOverFuchsia: return alpha < kOpaqueAlphaFrom ? key : Composite(rgb, key, alpha);
    case AlphaRule::kKeepRgb: break;
  }
  return rgb;
}

}  // namespace

Bitmap FlattenAlpha(const AlphaPicture& picture, AlphaRule rule, Colour key) {
  if (picture.width <= 0 || picture.height <= 0) return Bitmap();
  const std::size_t width = static_cast<std::size_t>(picture.width);
  const std::size_t height = static_cast<std::size_t>(picture.height);
  if (picture.pixels.size() != width * height) Fail(msg::kBitmapNotValid);
  const Argb keyRgb = ColourToArgb(rule == AlphaRule::kOverFuchsia ? clFuchsia : key) & kRgbBits;

  BitmapFormat format;
  format.width = picture.width;
  format.height = picture.height;  // rows stored bottom-up, as most files hold them
  format.bitsPerPixel = kBitsPerPixel;
  if (!BitmapFormatIsValid(format)) Fail(msg::kBitmapNotValid);
  const std::size_t stride = format.Stride();
  std::vector<std::uint8_t> rows(stride * height, 0);
  for (std::size_t y = 0; y < height; ++y) {
    std::uint8_t* row = rows.data() + (height - 1 - y) * stride;
    for (std::size_t x = 0; x < width; ++x) {
      const Argb rgb = Flatten(picture.pixels[y * width + x], rule, keyRgb);
      row[x * 3] = static_cast<std::uint8_t>(rgb);  // blue, green, red
      row[x * 3 + 1] = static_cast<std::uint8_t>(rgb >> 8);
      row[x * 3 + 2] = static_cast<std::uint8_t>(rgb >> 16);
    }
  }
  return Bitmap::FromStored(std::move(format), std::move(rows));
}

AlphaPicture ListImageWithAlpha(const ImageList& list, int index, bool keyFromCorner) {
  const ImageList::Image& image = list.ImageAt(index);
  AlphaPicture picture{list.Width(), list.Height(), {}};
  const std::size_t bottomLeft = image.pixels.size() - static_cast<std::size_t>(std::max(list.Width(), 0));
  const bool hasCorner = keyFromCorner && !image.pixels.empty() && bottomLeft < image.pixels.size();
  const Argb key = hasCorner ? image.pixels[bottomLeft] & kRgbBits : 0;
  picture.pixels.reserve(image.pixels.size());
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    const Argb rgb = image.pixels[i] & kRgbBits;
    const bool transparent = image.mask[i] != 0 || (hasCorner && rgb == key);
    picture.pixels.push_back(transparent ? rgb : rgb | kOpaque);
  }
  return picture;
}

AlphaPicture OpaquePicture(const Bitmap& bitmap) {
  AlphaPicture picture{bitmap.Width(), bitmap.Height(), {}};
  if (bitmap.IsEmpty()) return picture;
  picture.pixels = bitmap.Pixels();
  for (Argb& pixel : picture.pixels) pixel |= kOpaque;
  return picture;
}

}  // namespace tessary
