// Feeds arbitrary bytes to the BMP file and bitmap payload readers. Whatever decodes must
// write back and decode again to the same pixels.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/Error.h"
#include "skinfile/BmpCodec.h"

namespace {

using tessary::Bitmap;

void CheckFileRoundTrip(std::span<const std::uint8_t> bytes) {
  Bitmap first;
  try {
    first = tessary::ReadBmp(bytes);
  } catch (const tessary::SkinError&) {
    return;
  }
  // A picture that reads always decodes: its rows come out whole, without an error.
  first.Rows();
  // What the writer produced must read again without an error.
  const Bitmap second = tessary::ReadBmp(tessary::WriteBmp(first));
  if (!second.SamePixels(first)) std::abort();
}

void CheckPayloadRoundTrip(std::span<const std::uint8_t> bytes) {
  Bitmap first;
  try {
    first = tessary::ReadBitmapPayload(bytes);
  } catch (const tessary::SkinError&) {
    return;
  }
  first.Rows();
  std::vector<std::uint8_t> payload;
  tessary::WriteBitmapPayload(payload, first);
  const Bitmap second = tessary::ReadBitmapPayload(payload);
  if (!second.SamePixels(first)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  CheckFileRoundTrip(bytes);
  CheckPayloadRoundTrip(bytes);
  return 0;
}
