#pragma once
// Images of image-list slots as files: PNG for export and pack, BMP for pack, with the
// size rule and transparency rule of the editor's image slot commands.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/Colour.h"
#include "skin/ImageList.h"

namespace tessary::cli {

// The editor's message for a picture of the wrong size (width, height of the list).
inline constexpr const char* kImageSizeShouldBe = "The size of the image should be %d*%d!";

// The colour that becomes transparent when a BMP is stored in a list: clFuchsia for the
// toolbar and other images, clWhite for the tab images, clNone (all opaque) for the four
// system-button lists, whose transparency is decided only when painted.
struct SlotRule {
  std::string_view list;
  Colour bmpMaskColour;
};

std::span<const SlotRule> SlotRules();

// The BMP mask colour of the list with this name (clNone for a name not in the table).
Colour BmpMaskColour(std::string_view listName);

// Throws "The size of the image should be W*H!" unless width x height is the list's size.
void CheckSlotSize(const ImageList& list, int width, int height);

// PNG bytes of image `index` of the list: RGBA, alpha 0 where the mask is transparent.
std::vector<std::uint8_t> EncodeSlotPng(const ImageList& list, int index);

// Reads a slot picture for `list`, checked against its size before the pixels are decoded.
// A .png takes its mask from alpha (below 128 transparent); a .bmp from the list's mask
// colour. Transparent pixels are stored black, as the list keeps them.
ImageList::Image LoadSlotImage(const std::string& path, const ImageList& list);

}  // namespace tessary::cli
