// RLE8 and RLE4 pixel data, as pairs of bytes:
//
//   count > 0, value     encoded run: `count` pixels of `value` (RLE4: the two nibbles of
//                        `value` alternate, high nibble first)
//   0, 0                 end of line: continue at the start of the next stored row
//   0, 1                 end of bitmap: the rest of the picture stays index 0
//   0, 2, dx, dy         delta: move right by dx and up (to later stored rows) by dy
//   0, n (n >= 3)        absolute run: n pixels follow as bytes (RLE8) or nibbles (RLE4),
//                        padded with one zero byte to an even number of bytes
//
// Stored row 0 is the bottom row of the picture. Every write is checked to lie inside
// the picture; a crafted stream must not write past the rows it was given.
#include "skinfile/Rle.h"

#include <cstring>

#include "skin/Error.h"
#include "skinfile/ByteReader.h"

namespace tessary {

namespace {

constexpr std::uint8_t kEscape = 0;
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;
constexpr std::size_t kDeltaBytes = 2;

// Where the stream writes, checked on every operation; with `write` off it only follows
// the position, which is how a stream is checked before its picture is allocated.
class RleCanvas {
 public:
  RleCanvas(const BitmapFormat& format, bool write)
      : width_(format.width),
        rows_(format.Rows()),
        bits_(format.bitsPerPixel),
        stride_(format.Stride()),
        data_(write ? stride_ * static_cast<std::size_t>(rows_) : 0, 0),
        write_(write) {}

  // Checks that `count` pixels starting at the current position stay on the current row.
  void Reserve(int count) const {
    if (y_ >= rows_ || x_ + static_cast<std::int64_t>(count) > width_) Fail(msg::kBitmapNotValid);
  }
  // `count` pixels of one index (RLE8 fills bytes directly; RLE4 goes nibble by nibble).
  void Fill(unsigned index, int count) {
    Reserve(count);
    if (!write_) {
      x_ += count;
    } else if (bits_ == 8) {
      // Eight bytes at a time: runs are short, and a plain fill of a short run compiles to a
      // string instruction that costs more than the run itself.
      std::uint8_t* at = data_.data() + static_cast<std::size_t>(y_) * stride_ + x_;
      const std::uint64_t eight = 0x0101010101010101ull * (index & 0xFF);
      int left = count;
      for (; left >= 8; left -= 8, at += 8) std::memcpy(at, &eight, 8);
      for (; left > 0; --left) *at++ = static_cast<std::uint8_t>(index);
      x_ += count;
    } else {
      for (int i = 0; i < count; ++i) Put(index);
    }
  }
  // An RLE4 run of two alternating indices, high nibble first.
  void Alternate(unsigned first, unsigned second, int count) {
    Reserve(count);
    for (int i = 0; i < count; ++i) Step(i % 2 == 0 ? first : second);
  }
  // An absolute run: one index per byte (RLE8) or nibble (RLE4).
  void Copy(std::span<const std::uint8_t> run, int pixels) {
    Reserve(pixels);
    for (std::size_t i = 0; i < static_cast<std::size_t>(pixels); ++i)
      Step(bits_ == 8 ? run[i] : (i % 2 == 0 ? run[i / 2] >> 4 : run[i / 2] & 0x0F));
  }
  void NextLine() {
    x_ = 0;
    ++y_;
  }
  void Move(int dx, int dy) {
    x_ += dx;
    y_ += dy;
    // A delta may land just past the last column or row (nothing is written there), never
    // further: that keeps the position bounded however many deltas follow.
    if (x_ > width_ || y_ > rows_) Fail(msg::kBitmapNotValid);
  }
  std::vector<std::uint8_t> Take() { return std::move(data_); }

 private:
  void Step(unsigned index) {
    if (write_) Put(index);
    else ++x_;
  }
  void Put(unsigned index) {
    std::uint8_t* row = data_.data() + static_cast<std::size_t>(y_) * stride_;
    if (bits_ == 8) {
      row[x_] = static_cast<std::uint8_t>(index);
    } else {
      std::uint8_t& byte = row[x_ / 2];
      byte = (x_ % 2 == 0) ? static_cast<std::uint8_t>((byte & 0x0F) | (index << 4))
                           : static_cast<std::uint8_t>((byte & 0xF0) | (index & 0x0F));
    }
    ++x_;
  }

  int width_;
  int rows_;
  int bits_;
  std::size_t stride_;
  int x_ = 0;
  int y_ = 0;
  std::vector<std::uint8_t> data_;
  bool write_;
};

// Runs the stream over the canvas up to its end-of-bitmap mark or the end of the data.
void Walk(std::span<const std::uint8_t> data, const BitmapFormat& format, RleCanvas& canvas) {
  const bool four = format.bitsPerPixel == 4;
  ByteReader in(data);
  while (in.Remaining() >= 2) {
    const std::uint8_t count = in.U8();
    const std::uint8_t value = in.U8();
    if (count != kEscape) {
      if (four && (value >> 4) != (value & 0x0F)) canvas.Alternate(value >> 4, value & 0x0F, count);
      else canvas.Fill(four ? value & 0x0F : value, count);
    } else if (value == kEndOfLine) {
      canvas.NextLine();
    } else if (value == kEndOfBitmap) {
      return;
    } else if (value == kDelta) {
      if (in.Remaining() < kDeltaBytes) return;
      const std::uint8_t dx = in.U8();
      const std::uint8_t dy = in.U8();
      canvas.Move(dx, dy);
    } else {
      const int pixels = value;
      const std::size_t bytes = four ? (std::size_t{value} + 1) / 2 : std::size_t{value};
      if (in.Remaining() < bytes) return;
      canvas.Copy(in.Take(bytes), pixels);
      // Absolute runs end on a 16-bit boundary; data may end before the pad byte.
      if (bytes % 2 != 0 && !in.AtEnd()) in.Skip(1);
    }
  }
}

}  // namespace

void CheckRle(std::span<const std::uint8_t> data, const BitmapFormat& format) {
  RleCanvas canvas(format, false);
  Walk(data, format, canvas);
}

std::vector<std::uint8_t> DecodeRle(std::span<const std::uint8_t> data, const BitmapFormat& format) {
  RleCanvas canvas(format, true);
  Walk(data, format, canvas);
  return canvas.Take();
}

}  // namespace tessary
