#include "editing/PicturePlace.h"

#include "skinfile/BmpCodec.h"

namespace tessary {

ImageList& ListOf(Skin& skin, const PicturePlace& place) { return skin.*RuleOf(place.command).list; }

const ImageList& ListOf(const Skin& skin, const PicturePlace& place) { return skin.*RuleOf(place.command).list; }

TTBBackground& BackgroundOf(Skin& skin, Background which) {
  return which == Background::bgTop ? skin.bgTop : skin.bgBottom;
}

const TTBBackground& BackgroundOf(const Skin& skin, Background which) {
  return which == Background::bgTop ? skin.bgTop : skin.bgBottom;
}

bool HasPicture(const Skin& skin, const PicturePlace& place) {
  if (!place.IsSlot()) return !BackgroundOf(skin, place.background).GetBitmap().IsEmpty();
  return place.slot >= 0 && place.slot < ListOf(skin, place).ImageCount();
}

std::string PlaceFileName(const Skin& skin, const PicturePlace& place) {
  if (!place.IsSlot()) return place.background == Background::bgTop ? "bgTop" : "bgBottom";
  return ListOf(skin, place).name + "-" + std::to_string(place.slot);
}

AlphaRule AlphaRuleFor(const PicturePlace& place) {
  if (!place.IsSlot()) return AlphaRule::kKeepRgb;
  // A system-button list stores its images opaque; the others leave out their mask colour.
  return RuleOf(place.command).maskColour == clNone ? AlphaRule::kOverFuchsia : AlphaRule::kKeyColour;
}

PlacePicture FlattenFor(const PicturePlace& place, const AlphaPicture& picture) {
  const AlphaRule rule = AlphaRuleFor(place);
  PlacePicture placed{FlattenAlpha(picture, rule, place.IsSlot() ? RuleOf(place.command).maskColour : clNone), {}};
  if (rule == AlphaRule::kKeyColour && !placed.bitmap.IsEmpty()) {
    placed.mask.reserve(picture.pixels.size());
    for (const Argb pixel : picture.pixels)
      placed.mask.push_back(static_cast<int>(pixel >> 24) < kOpaqueAlphaFrom ? 1 : 0);
  }
  return placed;
}

ImageList::Image StoredImage(const PicturePlace& place, const PlacePicture& picture) {
  ImageList::Image image =
      MakeMaskedImage(picture.bitmap, picture.mask.empty() ? RuleOf(place.command).maskColour : clNone);
  if (picture.mask.size() != image.mask.size()) return image;
  for (std::size_t i = 0; i < image.mask.size(); ++i) {
    image.mask[i] = picture.mask[i];
    if (picture.mask[i] != 0) image.pixels[i] = 0xFF000000u;  // transparent pixels are stored black
  }
  return image;
}

AlphaPicture PictureWithAlpha(const Skin& skin, const PicturePlace& place) {
  if (!place.IsSlot()) return OpaquePicture(BackgroundOf(skin, place.background).GetBitmap());
  return ListImageWithAlpha(ListOf(skin, place), place.slot, AlphaRuleFor(place) == AlphaRule::kOverFuchsia);
}

std::vector<std::uint8_t> PictureAsBmp(const Skin& skin, const PicturePlace& place) {
  if (!place.IsSlot()) return WriteBmp(BackgroundOf(skin, place.background).GetBitmap());
  const ImageList& list = ListOf(skin, place);
  const ImageList::Image& image = list.ImageAt(place.slot);
  const Colour maskColour = RuleOf(place.command).maskColour;
  std::vector<Argb> pixels = image.pixels;
  if (maskColour != clNone) {
    const Argb key = ColourToArgb(maskColour) | 0xFF000000u;
    for (std::size_t i = 0; i < pixels.size(); ++i)
      if (image.mask[i] != 0) pixels[i] = key;
  }
  return WriteBmp(Bitmap::FromArgb(list.Width(), list.Height(), pixels));
}

}  // namespace tessary
