#pragma once
// A picture that keeps the format it was read in, so that writing it back gives the same
// kind of file (a 24-bit file stays 24-bit, an 8-bit file keeps its colour table, RLE data
// is written back byte for byte), and that gives 32-bit pixels for drawing.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "skin/Limits.h"
#include "skin/SharedBytes.h"

namespace tessary {

// A pixel for drawing: 0xAARRGGBB (the order of Qt's QRgb). Bitmaps give alpha 0xFF.
using Argb = std::uint32_t;

// Compression values of the BMP info header.
inline constexpr std::uint32_t kBmpRgb = 0;
inline constexpr std::uint32_t kBmpRle8 = 1;
inline constexpr std::uint32_t kBmpRle4 = 2;
inline constexpr std::uint32_t kBmpBitFields = 3;

// The stored format of a picture, as read from its BMP header.
struct BitmapFormat {
  std::int32_t width = 0;
  std::int32_t height = 0;          // sign as read: > 0 rows stored bottom-up, < 0 top-down
  std::uint16_t bitsPerPixel = 32;  // 1, 4, 8, 16, 24 or 32
  std::uint32_t compression = kBmpRgb;
  std::uint32_t redMask = 0, greenMask = 0, blueMask = 0;  // for kBmpBitFields
  std::vector<Argb> colourTable;                           // palette entries as 0xFFRRGGBB
  std::int32_t xPixelsPerMetre = 0, yPixelsPerMetre = 0;
  std::uint32_t coloursUsed = 0, importantColours = 0;
  bool coreHeader = false;  // read with the 12-byte core header; written back as core

  bool operator==(const BitmapFormat&) const = default;

  int Rows() const { return height < 0 ? -height : height; }
  bool TopDown() const { return height < 0; }
  // Bytes per stored row: ((width * bits + 31) / 32) * 4.
  std::size_t Stride() const;
};

// Depths whose pixels are indices into the colour table.
inline constexpr bool IsIndexedDepth(std::uint16_t bits) { return bits == 1 || bits == 4 || bits == 8; }

// The red, green and blue masks that unpack a 16- or 32-bit pixel of a format: the
// format's own with bit fields (all-zero masks: 0xF800/0x07E0/0x001F for 16 bits,
// 0x00FF0000/0x0000FF00/0x000000FF for 32), else 5-5-5 for 16 bits and 8-8-8 for 32.
struct ChannelMasks {
  std::uint32_t red, green, blue;
};
ChannelMasks PackedMasks(const BitmapFormat& format);

// True when a picture of this format can be made: width > 0, height != 0, both sides
// under kMaxBitmapSide, compressed pictures under kMaxDecodedPixels, a known depth, and a
// compression that fits the depth (RLE8 with 8 bits, RLE4 with 4 bits, both bottom-up;
// bit fields with 16 or 32 bits).
bool BitmapFormatIsValid(const BitmapFormat& format);

class Bitmap {
 public:
  // An empty 0 x 0 picture.
  Bitmap() = default;

  // A 32-bit, bottom-up picture of the given top-down pixels (alpha is ignored and
  // stored as 0). width * height pixels are expected.
  static Bitmap FromArgb(int width, int height, std::span<const Argb> topDownPixels);

  // A picture in a stored format: `rows` are the pixel rows exactly as a BMP holds them
  // (format.Stride() bytes each, in stored order), already decoded from RLE when the
  // format is compressed. `rawFile` are the bytes to write back verbatim (RLE pictures),
  // empty otherwise. Checks that `rows` has Stride() * Rows() bytes. The shared form keeps
  // slices of a file read into memory, without copying them.
  static Bitmap FromStored(BitmapFormat format, SharedBytes rows, SharedBytes rawFile = {});
  static Bitmap FromStored(BitmapFormat format, std::vector<std::uint8_t> rows, std::vector<std::uint8_t> rawFile = {});

  // A compressed picture whose rows `decode` makes on first use (Stride() * Rows() bytes),
  // written back as `rawFile`. Opening or converting a skin never pays for decoding it.
  static Bitmap FromEncoded(BitmapFormat format, std::function<std::vector<std::uint8_t>()> decode,
                            SharedBytes rawFile);

  bool IsEmpty() const { return data_ == nullptr; }
  int Width() const { return data_ ? data_->width : 0; }
  int Height() const { return data_ ? data_->height : 0; }  // number of rows, never negative

  const BitmapFormat& Format() const;
  // The stored rows (decoded from RLE on first use) and the bytes written back verbatim.
  std::span<const std::uint8_t> Rows() const { return SharedRows().Span(); }
  std::span<const std::uint8_t> RawFile() const { return SharedRawFile().Span(); }
  const SharedBytes& SharedRows() const;
  const SharedBytes& SharedRawFile() const;

  // Pixels for drawing, top-down, Width() * Height() entries of 0xFFRRGGBB. Decoded from
  // the stored rows on first use (opening a skin does not pay for pictures nobody paints).
  const std::vector<Argb>& Pixels() const;
  Argb PixelAt(int x, int y) const {
    return Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width()) + static_cast<std::size_t>(x)];
  }

  // Same size and same pixels (formats may differ). Compressed pictures kept as the same
  // file bytes in the same format are the same without decoding either.
  bool SamePixels(const Bitmap& other) const;

 private:
  // Checks the format and makes the store; `rows` empty when `decode` makes them.
  static Bitmap Make(BitmapFormat format, SharedBytes rows, std::function<std::vector<std::uint8_t>()> decode,
                     SharedBytes rawFile);

  // A picture never changes once made, so copies share one immutable store: copying a
  // large background (into the prepared picture, into a skin copy) costs nothing.
  struct Data {
    int width = 0;
    int height = 0;
    BitmapFormat format;
    mutable SharedBytes rows;                                   // made by `decode` on first use when empty
    mutable std::function<std::vector<std::uint8_t>()> decode;  // cleared once used
    SharedBytes rawFile;
    mutable std::vector<Argb> pixels;  // filled by the first Pixels() call
    mutable bool decoded = false;
  };
  std::shared_ptr<const Data> data_;
};

// Nearest-neighbour stretch to width x height (each target pixel takes one source pixel:
// rows and columns are repeated or dropped). The result is a 32-bit picture.
Bitmap StretchNearest(const Bitmap& source, int width, int height);

}  // namespace tessary
