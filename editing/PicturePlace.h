#pragma once
// A place of the skin that holds one picture: an image slot (the list of one of the slot
// commands and an index in it) or a dock background. The per-place actions (export, copy,
// paste, revert, the live link with an image editor) are written once against it.
#include <compare>
#include <cstdint>
#include <string>
#include <vector>

#include "editing/ImageSlotCommands.h"
#include "skin/AlphaPicture.h"
#include "skin/Bitmap.h"
#include "skin/ImageList.h"
#include "skin/Skin.h"
#include "skin/TTBBackground.h"

namespace tessary {

enum class Background { bgTop, bgBottom };

struct PicturePlace {
  enum class Kind { kSlot, kBackground };

  static PicturePlace Slot(ImageSlotCommand command, int slot) { return {Kind::kSlot, command, slot, {}}; }
  static PicturePlace Of(Background background) { return {Kind::kBackground, {}, 0, background}; }

  bool IsSlot() const { return kind == Kind::kSlot; }
  auto operator<=>(const PicturePlace&) const = default;

  Kind kind = Kind::kSlot;
  ImageSlotCommand command = ImageSlotCommand::actLCBackExecute;  // a slot's list, by its command
  int slot = 0;
  Background background = Background::bgTop;
};

// The place's list (a slot) or background.
ImageList& ListOf(Skin& skin, const PicturePlace& place);
const ImageList& ListOf(const Skin& skin, const PicturePlace& place);
TTBBackground& BackgroundOf(Skin& skin, Background which);
const TTBBackground& BackgroundOf(const Skin& skin, Background which);

// Whether the place holds a picture now: a slot its list has, a background with a picture.
bool HasPicture(const Skin& skin, const PicturePlace& place);

// A name for files that hold the place's picture: "ilHot-0", "bgTop".
std::string PlaceFileName(const Skin& skin, const PicturePlace& place);

// A picture ready for a place: its pixels and, when it brought alpha and goes to a masked
// list, the transparency its alpha gave (one byte a pixel, 1 = transparent), which a
// masked list then keeps instead of leaving out its transparent colour (so a white pixel
// of a tab image stays white). Without it the list's transparent colour decides.
struct PlacePicture {
  Bitmap bitmap;
  std::vector<std::uint8_t> mask;
};

// How a picture with alpha becomes the place's picture: a masked list's transparent
// colour where it is transparent (and its alpha as the mask), fuchsia under a
// system-button image, nothing for a background.
AlphaRule AlphaRuleFor(const PicturePlace& place);
PlacePicture FlattenFor(const PicturePlace& place, const AlphaPicture& picture);

// The image a slot's list stores for a picture of its size: its mask when it has one,
// else the list's transparent colour.
ImageList::Image StoredImage(const PicturePlace& place, const PlacePicture& picture);

// The place's picture as it leaves the skin (export, clipboard, an image editor), with
// alpha where it is painted transparent: the inverse of FlattenFor, so that the picture
// put back gives the same image.
AlphaPicture PictureWithAlpha(const Skin& skin, const PicturePlace& place);
// The same as the bytes of a BMP file: a masked list's transparent pixels in its
// transparent colour, which reading it back masks again; a background as it is kept.
std::vector<std::uint8_t> PictureAsBmp(const Skin& skin, const PicturePlace& place);

}  // namespace tessary
