#include "skin/Bitmap.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "skin/Error.h"

namespace tessary {

namespace {

constexpr Argb kOpaque = 0xFF000000u;
// Default 16-bit bit-field masks (5-6-5) when a file gives all-zero masks.
constexpr std::uint32_t kDefault16Red = 0xF800, kDefault16Green = 0x07E0, kDefault16Blue = 0x001F;
// Default 32-bit bit-field masks (8-8-8) when a file gives all-zero masks.
constexpr std::uint32_t kDefault32Red = 0x00FF0000, kDefault32Green = 0x0000FF00, kDefault32Blue = 0x000000FF;
// Uncompressed 16-bit pixels are 5-5-5 (the top bit unused).
constexpr std::uint32_t k555Red = 0x7C00, k555Green = 0x03E0, k555Blue = 0x001F;

bool IsKnownDepth(std::uint16_t bits) { return IsIndexedDepth(bits) || bits == 16 || bits == 24 || bits == 32; }

// One colour channel taken out of a packed pixel through its mask and scaled to 0..255, so a
// 5-bit 31 becomes 255 and a 6-bit 32 becomes 130 (not a plain shift, which would never
// reach white).
class Channel {
 public:
  explicit Channel(std::uint32_t mask) : mask_(mask) {
    if (mask_ == 0) return;
    shift_ = std::countr_zero(mask_);
    max_ = mask_ >> shift_;
  }
  std::uint32_t Extract(std::uint32_t pixel) const {
    if (mask_ == 0) return 0;
    const std::uint64_t value = (pixel & mask_) >> shift_;
    return static_cast<std::uint32_t>((value * 255 + max_ / 2) / max_);
  }

 private:
  std::uint32_t mask_ = 0;
  int shift_ = 0;
  std::uint64_t max_ = 1;
};

// Turns stored rows of one format into drawing pixels; set up once per picture.
class RowDecoder {
 public:
  explicit RowDecoder(const BitmapFormat& format)
      : format_(format),
        red_(PackedMasks(format).red),
        green_(PackedMasks(format).green),
        blue_(PackedMasks(format).blue) {
    if (!IsIndexedDepth(format.bitsPerPixel)) return;
    // Every possible index gets a colour; one past the table paints black, as the display
    // does with an unset entry.
    const auto& table = format.colourTable;
    for (unsigned i = 0; i < (1u << format.bitsPerPixel); ++i)
      lookup_[i] = i < table.size() ? (table[i] | kOpaque) : kOpaque;
  }

  // Decodes one stored row into `out` (width pixels).
  void Decode(const std::uint8_t* row, Argb* out) const {
    const int width = format_.width;
    const unsigned bits = format_.bitsPerPixel;
    if (bits == 8) {
      for (int x = 0; x < width; ++x) out[x] = lookup_[row[x]];
    } else if (bits == 1) {
      // Eight pixels a byte, the leftmost in the most significant bit (masks are stored so).
      int x = 0;
      for (; x + 8 <= width; x += 8, ++row) {
        for (int bit = 0; bit < 8; ++bit) out[x + bit] = lookup_[(*row >> (7 - bit)) & 1u];
      }
      for (int bit = 0; x < width; ++x, ++bit) out[x] = lookup_[(*row >> (7 - bit)) & 1u];
    } else if (IsIndexedDepth(format_.bitsPerPixel)) {
      const unsigned perByte = 8u / bits;
      const unsigned valueMask = (1u << bits) - 1u;
      for (int x = 0; x < width; ++x) {
        const unsigned byte = row[static_cast<unsigned>(x) / perByte];
        // Most significant bits hold the leftmost pixel.
        const unsigned shift = 8u - bits * (1u + static_cast<unsigned>(x) % perByte);
        out[x] = lookup_[(byte >> shift) & valueMask];
      }
    } else if (bits == 32 && format_.compression == kBmpRgb) {
      // Blue, green, red, unused: as a little-endian word that is already 0x??RRGGBB.
      for (int x = 0; x < width; ++x, row += 4) {
        std::uint32_t word;
        std::memcpy(&word, row, 4);
        out[x] = kOpaque | (word & 0x00FFFFFFu);
      }
    } else if (bits == 24) {
      const unsigned step = bits / 8;
      for (int x = 0; x < width; ++x, row += step)
        out[x] = kOpaque | (std::uint32_t{row[2]} << 16) | (std::uint32_t{row[1]} << 8) | row[0];
    } else {
      const unsigned step = bits / 8;
      for (int x = 0; x < width; ++x, row += step) {
        std::uint32_t packed = std::uint32_t{row[0]} | (std::uint32_t{row[1]} << 8);
        if (step == 4) packed |= (std::uint32_t{row[2]} << 16) | (std::uint32_t{row[3]} << 24);
        out[x] = kOpaque | (red_.Extract(packed) << 16) | (green_.Extract(packed) << 8) | blue_.Extract(packed);
      }
    }
  }

 private:
  const BitmapFormat& format_;
  Channel red_, green_, blue_;
  Argb lookup_[256] = {};
};

}  // namespace

ChannelMasks PackedMasks(const BitmapFormat& format) {
  if (format.compression == kBmpBitFields) {
    if (format.redMask == 0 && format.greenMask == 0 && format.blueMask == 0) {
      return format.bitsPerPixel == 16 ? ChannelMasks{kDefault16Red, kDefault16Green, kDefault16Blue}
                                       : ChannelMasks{kDefault32Red, kDefault32Green, kDefault32Blue};
    }
    return {format.redMask, format.greenMask, format.blueMask};
  }
  return format.bitsPerPixel == 16 ? ChannelMasks{k555Red, k555Green, k555Blue}
                                   : ChannelMasks{kDefault32Red, kDefault32Green, kDefault32Blue};
}

std::size_t BitmapFormat::Stride() const {
  const std::uint64_t bits = static_cast<std::uint64_t>(width < 0 ? 0 : width) * bitsPerPixel;
  return static_cast<std::size_t>((bits + 31) / 32 * 4);
}

bool BitmapFormatIsValid(const BitmapFormat& format) {
  if (format.width <= 0 || format.height == 0) return false;
  if (format.height == std::numeric_limits<std::int32_t>::min()) return false;
  if (format.width > kMaxBitmapSide || format.Rows() > kMaxBitmapSide) return false;
  const std::uint64_t pixels = static_cast<std::uint64_t>(format.width) * static_cast<std::uint64_t>(format.Rows());
  const bool compressed = format.compression != kBmpRgb && format.compression != kBmpBitFields;
  if (compressed && pixels > kMaxDecodedPixels) return false;
  if (!IsKnownDepth(format.bitsPerPixel)) return false;
  switch (format.compression) {
    case kBmpRgb: return true;
    case kBmpRle8: return format.bitsPerPixel == 8 && !format.TopDown();
    case kBmpRle4: return format.bitsPerPixel == 4 && !format.TopDown();
    case kBmpBitFields: return format.bitsPerPixel == 16 || format.bitsPerPixel == 32;
    default: return false;
  }
}

Bitmap Bitmap::FromArgb(int width, int height, std::span<const Argb> topDownPixels) {
  if (width <= 0 || height <= 0) return Bitmap();
  BitmapFormat format;
  format.width = width;
  format.height = height;
  format.bitsPerPixel = 32;
  if (!BitmapFormatIsValid(format)) Fail(msg::kBitmapNotValid);
  const std::size_t columns = static_cast<std::size_t>(width);
  const std::size_t rowCount = static_cast<std::size_t>(height);
  const std::size_t count = columns * rowCount;
  if (topDownPixels.size() < count) Fail(msg::kBitmapNotValid);

  auto data = std::make_shared<Data>();
  data->width = width;
  data->height = height;
  data->format = std::move(format);
  std::vector<std::uint8_t> rows(count * 4);
  data->pixels.resize(count);
  data->decoded = true;
  const std::size_t stride = columns * 4;
  for (std::size_t y = 0; y < rowCount; ++y) {
    // Stored bottom-up: the picture's top row is the last stored row.
    std::uint8_t* row = rows.data() + (rowCount - 1 - y) * stride;
    for (std::size_t x = 0; x < columns; ++x) {
      const std::size_t i = y * columns + x;
      const Argb p = topDownPixels[i];
      data->pixels[i] = p | kOpaque;
      row[x * 4 + 0] = static_cast<std::uint8_t>(p);
      row[x * 4 + 1] = static_cast<std::uint8_t>(p >> 8);
      row[x * 4 + 2] = static_cast<std::uint8_t>(p >> 16);
      row[x * 4 + 3] = 0;
    }
  }
  data->rows = SharedBytes::FromVector(std::move(rows));
  Bitmap bitmap;
  bitmap.data_ = std::move(data);
  return bitmap;
}

Bitmap Bitmap::FromStored(BitmapFormat format, std::vector<std::uint8_t> rows, std::vector<std::uint8_t> rawFile) {
  return FromStored(std::move(format), SharedBytes::FromVector(std::move(rows)),
                    rawFile.empty() ? SharedBytes() : SharedBytes::FromVector(std::move(rawFile)));
}

Bitmap Bitmap::FromStored(BitmapFormat format, SharedBytes rows, SharedBytes rawFile) {
  if (rows.size() != format.Stride() * static_cast<std::size_t>(format.Rows())) Fail(msg::kBitmapNotValid);
  return Make(std::move(format), std::move(rows), nullptr, std::move(rawFile));
}

Bitmap Bitmap::FromEncoded(BitmapFormat format, std::function<std::vector<std::uint8_t>()> decode,
                           SharedBytes rawFile) {
  return Make(std::move(format), SharedBytes(), std::move(decode), std::move(rawFile));
}

Bitmap Bitmap::Make(BitmapFormat format, SharedBytes rows, std::function<std::vector<std::uint8_t>()> decode,
                    SharedBytes rawFile) {
  if (!BitmapFormatIsValid(format)) Fail(msg::kBitmapNotValid);
  auto data = std::make_shared<Data>();
  data->width = format.width;
  data->height = format.Rows();
  data->format = std::move(format);
  data->rows = std::move(rows);
  data->decode = std::move(decode);
  data->rawFile = std::move(rawFile);
  Bitmap bitmap;
  bitmap.data_ = std::move(data);
  return bitmap;
}

namespace {
const BitmapFormat kEmptyFormat{};
const SharedBytes kNoBytes;
const std::vector<Argb> kNoPixels;
}  // namespace

const BitmapFormat& Bitmap::Format() const { return data_ ? data_->format : kEmptyFormat; }

const SharedBytes& Bitmap::SharedRows() const {
  if (!data_) return kNoBytes;
  if (data_->decode) {
    // Decoded once; the stored rows must then have the size the format gives.
    std::vector<std::uint8_t> rows = data_->decode();
    if (rows.size() != data_->format.Stride() * static_cast<std::size_t>(data_->height)) Fail(msg::kBitmapNotValid);
    data_->rows = SharedBytes::FromVector(std::move(rows));
    data_->decode = nullptr;
  }
  return data_->rows;
}

const SharedBytes& Bitmap::SharedRawFile() const { return data_ ? data_->rawFile : kNoBytes; }

const std::vector<Argb>& Bitmap::Pixels() const {
  if (!data_) return kNoPixels;
  if (!data_->decoded) {
    const Data& d = *data_;
    const std::size_t stride = d.format.Stride();
    const std::size_t columns = static_cast<std::size_t>(d.width);
    const std::size_t rowCount = static_cast<std::size_t>(d.height);
    const std::uint8_t* rows = SharedRows().data();
    d.pixels.resize(columns * rowCount);
    const RowDecoder decoder(d.format);
    for (std::size_t y = 0; y < rowCount; ++y) {
      const std::size_t stored = d.format.TopDown() ? y : rowCount - 1 - y;
      decoder.Decode(rows + stored * stride, d.pixels.data() + y * columns);
    }
    d.decoded = true;
  }
  return data_->pixels;
}

bool Bitmap::SamePixels(const Bitmap& other) const {
  if (Width() != other.Width() || Height() != other.Height()) return false;
  if (data_ == other.data_) return true;
  const std::span<const std::uint8_t> file = RawFile();
  if (!file.empty() && Format() == other.Format() && std::ranges::equal(file, other.RawFile())) return true;
  // Row by row from the stored rows: comparing two large pictures holds two rows of
  // pixels, not two whole pictures of them (a few bytes of RLE can stand for 256
  // megapixels, a gigabyte of pixels).
  const std::size_t width = static_cast<std::size_t>(Width());
  const auto rows = static_cast<std::size_t>(Height());
  std::vector<Argb> mine(width);
  std::vector<Argb> theirs(width);
  const auto decodeRow = [rows](const Bitmap& picture, const RowDecoder& decoder, std::size_t y, Argb* out) {
    const BitmapFormat& format = picture.Format();
    const std::size_t stored = format.TopDown() ? y : rows - 1 - y;
    decoder.Decode(picture.SharedRows().data() + stored * format.Stride(), out);
  };
  const RowDecoder myDecoder(Format());
  const RowDecoder theirDecoder(other.Format());
  for (std::size_t y = 0; y < rows; ++y) {
    decodeRow(*this, myDecoder, y, mine.data());
    decodeRow(other, theirDecoder, y, theirs.data());
    if (mine != theirs) return false;
  }
  return true;
}

Bitmap StretchNearest(const Bitmap& source, int width, int height) {
  if (source.IsEmpty() || width <= 0 || height <= 0) return Bitmap();
  if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxBitmapPixels)
    Fail(msg::kBitmapNotValid);
  // Positions are scaled in 64 bits: a side times a side may not fit a 32-bit size_t.
  const std::uint64_t sw = static_cast<std::uint64_t>(source.Width());
  const std::uint64_t sh = static_cast<std::uint64_t>(source.Height());
  const std::size_t w = static_cast<std::size_t>(width);
  const std::size_t h = static_cast<std::size_t>(height);
  std::vector<Argb> out(w * h);
  // Column map computed once: each target column takes the source column under its left edge.
  std::vector<std::size_t> columns(w);
  for (std::size_t x = 0; x < w; ++x) columns[x] = static_cast<std::size_t>(x * sw / w);
  for (std::size_t y = 0; y < h; ++y) {
    const Argb* src = source.Pixels().data() + static_cast<std::size_t>(y * sh / h * sw);
    Argb* dst = out.data() + y * w;
    for (std::size_t x = 0; x < w; ++x) dst[x] = src[columns[x]];
  }
  return Bitmap::FromArgb(width, height, out);
}

}  // namespace tessary
