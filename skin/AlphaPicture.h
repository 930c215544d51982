#pragma once
// Pictures with an alpha channel (PNG and the other formats the platform decodes) made into
// the opaque pictures the skin holds. An image list keeps a one-bit mask made from a colour
// and a system-button list none at all, so alpha becomes a colour here, by the rule of the
// place the picture goes to; a background has no transparency and keeps every pixel's colour.
#include <vector>

#include "skin/Bitmap.h"
#include "skin/Colour.h"
#include "skin/ImageList.h"

namespace tessary {

// A decoded picture: width * height pixels, top-down, 0xAARRGGBB with straight (not
// premultiplied) alpha.
struct AlphaPicture {
  int width = 0;
  int height = 0;
  std::vector<Argb> pixels;
};

// Pixels with alpha below this are transparent.
inline constexpr int kOpaqueAlphaFrom = 128;

enum class AlphaRule {
  // A masked list: a transparent pixel takes the list's transparent colour, so that the
  // list's own rule leaves it out; the others keep their colour.
  kKeyColour,
  // A system-button list (stored opaque; the colour of the bottom-left pixel is left out
  // when painted): a transparent pixel becomes fuchsia, the others are composited over
  // fuchsia, so a picture with a transparent corner is drawn without its surround.
  kOverFuchsia,
  // A background: every pixel keeps its colour; alpha is dropped.
  kKeepRgb,
};

// The picture as an opaque 24-bit bitmap, the depth every reader of a skin file takes.
// `key` is the transparent colour of kKeyColour (a system colour is resolved).
Bitmap FlattenAlpha(const AlphaPicture& picture, AlphaRule rule, Colour key = clNone);

// The other way, for pictures that leave the skin (export, the clipboard, an image editor):
// image `index` of `list` transparent (alpha 0, the stored colour kept) where its mask is
// set and, with `keyFromCorner`, wherever it has the colour of its bottom-left pixel (how
// a system-button image is painted); opaque elsewhere.
AlphaPicture ListImageWithAlpha(const ImageList& list, int index, bool keyFromCorner = false);
// A picture's pixels, all opaque.
AlphaPicture OpaquePicture(const Bitmap& bitmap);

}  // namespace tessary
