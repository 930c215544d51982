// Decoding, encoding and stretching pictures of the sizes a skin uses (a dock background
// of about a screen's width, a toolbar-sized strip), and preparing a background to paint.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "skin/TTBBackground.h"
#include "skinfile/BmpCodec.h"
#include "skinfile/ByteReader.h"

namespace tessary {
namespace {

std::vector<Argb> Noise(int width, int height) {
  std::mt19937 rng(1);
  std::vector<Argb> pixels(static_cast<std::size_t>(width * height));
  for (auto& p : pixels) p = 0xFF000000u | (rng() & 0xFFFFFF);
  return pixels;
}

// A 24-bit file: the most common form of a user's background picture.
std::vector<std::uint8_t> TwentyFourBitFile(int width, int height) {
  const Bitmap source = Bitmap::FromArgb(width, height, Noise(width, height));
  BitmapFormat format;
  format.width = width;
  format.height = height;
  format.bitsPerPixel = 24;
  std::vector<std::uint8_t> rows(format.Stride() * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const Argb p = source.PixelAt(x, height - 1 - y);
      std::uint8_t* at = rows.data() + static_cast<std::size_t>(y) * format.Stride() + static_cast<std::size_t>(x) * 3;
      at[0] = static_cast<std::uint8_t>(p);
      at[1] = static_cast<std::uint8_t>(p >> 8);
      at[2] = static_cast<std::uint8_t>(p >> 16);
    }
  return WriteBmp(Bitmap::FromStored(format, std::move(rows)));
}

// An RLE8 file of horizontal stripes: runs of 8 pixels.
std::vector<std::uint8_t> Rle8File(int width, int height) {
  std::vector<std::uint8_t> bytes{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  ByteWriter out(bytes);
  out.U32(40);
  out.I32(width);
  out.I32(height);
  out.U16(1);
  out.U16(8);
  out.U32(kBmpRle8);
  out.U32(0);
  out.Zeros(16);
  for (int i = 0; i < 256; ++i) out.U32(static_cast<std::uint32_t>(i * 0x010101));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; x += 8) {
      out.U8(static_cast<std::uint8_t>(std::min(8, width - x)));
      out.U8(static_cast<std::uint8_t>(x + y));
    }
    out.U16(0);  // end of line
  }
  out.U8(0);
  out.U8(1);  // end of bitmap
  return bytes;
}

void BM_ReadBmp24(benchmark::State& state) {
  const auto file = TwentyFourBitFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  // Reading includes decoding to drawing pixels, which a picture does on first use.
  for (auto _ : state) benchmark::DoNotOptimize(ReadBmp(file).Pixels().data());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_ReadBmp24)->Args({100, 40})->Args({1920, 120});

void BM_ReadBmpRle8(benchmark::State& state) {
  const auto file = Rle8File(1920, 120);
  for (auto _ : state) benchmark::DoNotOptimize(ReadBmp(file).Pixels().data());
}
BENCHMARK(BM_ReadBmpRle8);

void BM_WriteBitmapPayload(benchmark::State& state) {
  const Bitmap picture = ReadBmp(TwentyFourBitFile(1920, 120));
  for (auto _ : state) {
    std::vector<std::uint8_t> out;
    WriteBitmapPayload(out, picture);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_WriteBitmapPayload);

void BM_StretchNearest(benchmark::State& state) {
  const Bitmap picture = Bitmap::FromArgb(100, 40, Noise(100, 40));
  for (auto _ : state) benchmark::DoNotOptimize(StretchNearest(picture, 1920, 60));
}
BENCHMARK(BM_StretchNearest);

// One change of a transparent, stretched background and the first paint after it.
void BM_BackgroundRebuildAndPaintPixels(benchmark::State& state) {
  TTBBackground background;
  background.SetBitmap(Bitmap::FromArgb(100, 40, Noise(100, 40)));
  background.SetTransparent(true);
  background.SetStretchBitmap(true);
  bool wide = false;
  for (auto _ : state) {
    wide = !wide;
    background.SetStretchSize(wide ? 1920 : 1919, 60);
    benchmark::DoNotOptimize(background.PaintPixels().data());
  }
}
BENCHMARK(BM_BackgroundRebuildAndPaintPixels);

}  // namespace
}  // namespace tessary
