#pragma once
// The image-list payload: all images and masks of an image list.
//
// Current layout (written and read):
//   28-byte "IL" header (version 0x0101, count, capacity, grow 4, cx, cy,
//   background 0xFFFFFFFF, flags 0x10FF, overlays -1 x 4),
//   a 32-bit colour BMP of four cells per row (total-size field 54),
//   a 1-bit mask BMP of the same cells (total-size field 62, two-entry colour table),
//   22 zero bytes.
// Older layout (read only): A (32-bit), image count, an image BMP of A bytes, a mask BMP.
#include <cstdint>
#include <span>
#include <vector>

#include "skin/ImageList.h"
#include "skin/SharedBytes.h"

namespace tessary {

// Appends the payload of the list (current layout). The list is not changed.
void WriteImageListPayload(std::vector<std::uint8_t>& out, const ImageList& list);

// Replaces the whole list from a payload (either layout); notifies its observers.
// Errors: "Failed to read ImageList data from stream" for anything wrong with a payload of
// the current layout; "Bitmap image is not valid" and "Stream read error" only from the two
// plain BMP files of the older layout. On error the list is left without images.
// Everything is checked while reading; the images of the current layout are cut from the
// payload's pictures when one is first looked at, and the list keeps a share of the
// payload until then.
void ReadImageListPayload(const SharedBytes& payload, ImageList& list);
// The same for bytes whose owner is unknown: they are copied first.
void ReadImageListPayload(std::span<const std::uint8_t> payload, ImageList& list);

}  // namespace tessary
