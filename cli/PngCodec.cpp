#include "cli/PngCodec.h"

#include <png.h>

#include <bit>
#include <cstring>

#include "skin/Bitmap.h"
#include "skin/Error.h"

namespace tessary::cli {
namespace {

// libpng reports an error by jumping back to the setjmp of the call that met it, past any
// C++ frame in between. So each call into libpng that can fail sits in a function of its
// own that holds no object with a destructor (the setjmp functions below), and the callbacks
// never throw.

// An 0xAARRGGBB pixel is B, G, R, A in memory on a little-endian machine, A, R, G, B on a
// big-endian one; libpng's order of channels is R, G, B, A.
constexpr bool kLittleEndian = std::endian::native == std::endian::little;
constexpr std::size_t kBytesPerPixel = 4;

[[noreturn]] void JumpOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

struct MemoryInput {
  std::span<const std::uint8_t> bytes;
  std::size_t position = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
  if (length > input->bytes.size() - input->position) png_error(png, "cut short");
  std::memcpy(out, input->bytes.data() + input->position, length);
  input->position += length;
}

struct MemoryOutput {
  std::vector<std::uint8_t> bytes;
  bool failed = false;  // out of memory: the rest is not written and the whole fails
};

void WriteToMemory(png_structp png, png_bytep data, png_size_t length) {
  auto* output = static_cast<MemoryOutput*>(png_get_io_ptr(png));
  if (output->failed) return;
  try {
    output->bytes.insert(output->bytes.end(), data, data + length);
  } catch (const std::bad_alloc&) {
    output->failed = true;
  }
}

void FlushNothing(png_structp) {}

class ReadStruct {
 public:
  ReadStruct() : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreWarning)) {
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
  }
  ~ReadStruct() { png_destroy_read_struct(&png_, &info_, nullptr); }
  ReadStruct(const ReadStruct&) = delete;
  ReadStruct& operator=(const ReadStruct&) = delete;

  bool Made() const { return png_ != nullptr && info_ != nullptr; }
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

class WriteStruct {
 public:
  WriteStruct() : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreWarning)) {
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
  }
  ~WriteStruct() { png_destroy_write_struct(&png_, &info_); }
  WriteStruct(const WriteStruct&) = delete;
  WriteStruct& operator=(const WriteStruct&) = delete;

  bool Made() const { return png_ != nullptr && info_ != nullptr; }
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

// Reads the header and asks for 8-bit pixels with alpha in the order of an 0xAARRGGBB
// word: every colour type and depth comes out the same way.
bool ReadHeader(png_structp png, png_infop info, png_uint_32& width, png_uint_32& height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  const png_byte colourType = png_get_color_type(png, info);
  png_set_expand(png);    // palette to RGB, grey under 8 bits to 8, the transparency chunk to alpha
  png_set_scale_16(png);  // 16 bits to 8, rounded
  if ((colourType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);  // opaque where the file has no alpha
  if (kLittleEndian) png_set_bgr(png);
  else png_set_swap_alpha(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  width = png_get_image_width(png, info);
  height = png_get_image_height(png, info);
  return png_get_rowbytes(png, info) == width * kBytesPerPixel;
}

// Decodes every row, then reads on to the end chunk, so a file cut after its pixels fails too.
bool ReadRows(png_structp png, png_infop info, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, info);
  return true;
}

bool WriteImage(png_structp png, png_infop info, const AlphaPicture& picture, PngChannels channels, int compression,
                png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  const bool alpha = channels == PngChannels::kRgba;
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
               alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (compression >= 0) png_set_compression_level(png, compression);
  png_write_info(png, info);
  if (kLittleEndian) png_set_bgr(png);
  else if (alpha) png_set_swap_alpha(png);
  // Without alpha the pixel's alpha byte is left out as it is written.
  if (!alpha) png_set_filler(png, 0, kLittleEndian ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::optional<AlphaPicture> DecodePng(std::span<const std::uint8_t> bytes,
                                      const std::function<void(int width, int height)>& acceptSize) {
  if (png_sig_cmp(bytes.data(), 0, bytes.size()) != 0) return std::nullopt;
  ReadStruct read;
  if (!read.Made()) throw std::bad_alloc();
  MemoryInput input{bytes};
  png_set_read_fn(read.png(), &input, ReadFromMemory);
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  if (!ReadHeader(read.png(), read.info(), width, height)) return std::nullopt;
  // libpng takes no side of 2^31 or more, so both fit an int.
  if (acceptSize) acceptSize(static_cast<int>(width), static_cast<int>(height));
  const auto maxSide = static_cast<png_uint_32>(kMaxBitmapSide);
  if (width > maxSide || height > maxSide || std::uint64_t{width} * height > kMaxBitmapPixels) return std::nullopt;

  AlphaPicture picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels.resize(std::size_t{width} * height);
  std::vector<png_bytep> rows(height);
  for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = reinterpret_cast<png_bytep>(&picture.pixels[y * width]);
  if (!ReadRows(read.png(), read.info(), rows.data())) return std::nullopt;
  return picture;
}

std::vector<std::uint8_t> EncodePng(const AlphaPicture& picture, PngChannels channels, int compression) {
  WriteStruct write;
  if (!write.Made()) throw std::bad_alloc();
  MemoryOutput output;
  png_set_write_fn(write.png(), &output, WriteToMemory, FlushNothing);
  // libpng takes rows as writable pointers but copies each before it changes anything.
  std::vector<png_bytep> rows(static_cast<std::size_t>(picture.height));
  const std::size_t width = static_cast<std::size_t>(picture.width);
  for (std::size_t y = 0; y < rows.size(); ++y)
    rows[y] = reinterpret_cast<png_bytep>(const_cast<Argb*>(&picture.pixels[y * width]));
  if (!WriteImage(write.png(), write.info(), picture, channels, compression, rows.data()) || output.failed)
    Fail(msg::kStreamWriteError);
  return std::move(output.bytes);
}

}  // namespace tessary::cli
