// Image-list payloads: any input either fails with a SkinError or gives a list that writes
// and reads back to the same images.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "skin/Error.h"
#include "skinfile/ImageListPayload.h"

namespace {

bool SameContent(const tessary::ImageList& a, const tessary::ImageList& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.ImageCount() != b.ImageCount() ||
      a.Capacity() != b.Capacity() || a.properties.bkColor != b.properties.bkColor) {
    return false;
  }
  for (int i = 0; i < a.ImageCount(); ++i) {
    if (a.ImageAt(i).pixels != b.ImageAt(i).pixels || a.ImageAt(i).mask != b.ImageAt(i).mask) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tessary::ImageList list(16, 16);
  try {
    tessary::ReadImageListPayload(std::span<const std::uint8_t>(data, size), list);
  } catch (const tessary::SkinError&) {
    if (list.ImageCount() != 0) std::abort();  // a failed read leaves no images
    return 0;
  }
  std::vector<std::uint8_t> written;
  try {
    tessary::WriteImageListPayload(written, list);
  } catch (const tessary::SkinError&) {
    std::abort();  // the reader only accepts lists the current layout can hold
  }
  tessary::ImageList again(16, 16);
  try {
    tessary::ReadImageListPayload(written, again);
  } catch (const tessary::SkinError&) {
    std::abort();
  }
  if (!SameContent(list, again)) std::abort();
  return 0;
}
