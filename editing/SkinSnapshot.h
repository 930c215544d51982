#pragma once
// The parts of the skin a change touches, and a copy of some parts of a skin to put back
// later (the edit history keeps one before and one after every change). A copy shares the
// pictures and the list images with the skin it was taken from: it costs a few pointers
// per image, not the pixels.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "skin/Skin.h"

namespace tessary {

// The parts as a bit set: told before and after every change, so that a caller can
// capture exactly those parts (for undo, for a modified mark).
enum SkinPart : std::uint32_t {
  kPartTopBackground = 1u << 0,
  kPartBottomBackground = 1u << 1,
  kPartFirstImageList = 1u << 2,  // list i of Skin::ImageLists() is kPartFirstImageList << i
  kPartTextColour = 1u << 10,
  kPartGaugeColour = 1u << 11,
  kPartThemeName = 1u << 12,
  kPartsAll = (1u << 13) - 1,
};
using SkinParts = std::uint32_t;

// Every image list's bit.
inline constexpr SkinParts kPartImageLists = (kPartFirstImageList << 8) - kPartFirstImageList;

// The part bit of one of the skin's image lists.
SkinParts PartOfList(const Skin& skin, const ImageList& list);

class SkinSnapshot {
 public:
  SkinSnapshot() = default;
  // Copies `parts` of `skin`; with the theme name, the theme the preview shows, which
  // differs from the skin's at start-up; with the text colour, how many entries the
  // caption-colour list had (a skin file's colour it lacked is added at the end).
  SkinSnapshot(const Skin& skin, SkinParts parts, std::string shownTheme = {}, std::size_t colourEntries = 0);

  SkinParts Parts() const { return parts_; }
  const std::string& ShownTheme() const { return shownTheme_; }
  std::size_t ColourEntries() const { return colourEntries_; }

  // Puts the copied parts back into `skin`, each through its own setter, so that the
  // lists and backgrounds tell their observers as an edit does. Other parts stay.
  void ApplyTo(Skin& skin) const;

 private:
  SkinParts parts_ = 0;
  TTBBackground::Content top_, bottom_;
  std::array<std::optional<ImageList>, 8> lists_;  // in Skin::ImageLists() order
  Colour textColour_ = 0;
  Colour gaugeColour_ = 0;
  std::string themeName_;
  std::string shownTheme_;
  std::size_t colourEntries_ = 0;
};

}  // namespace tessary
