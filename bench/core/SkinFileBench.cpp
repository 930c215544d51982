// Save (building the file in memory) and Open (reading it from memory) of the start-up
// skin and of a skin with two 2000 x 2000 24-bit backgrounds; throughput in bytes of file.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "skin/Skin.h"
#include "skinfile/SkinFile.h"
#include "skinfile/StartupSkin.h"

namespace tessary {
namespace {

constexpr int kLargeSide = 2000;

Bitmap Large24BitPicture(std::uint8_t seed) {
  BitmapFormat format;
  format.width = kLargeSide;
  format.height = kLargeSide;
  format.bitsPerPixel = 24;
  std::vector<std::uint8_t> rows(format.Stride() * kLargeSide);
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<std::uint8_t>(i * 7 + seed);
  return Bitmap::FromStored(format, std::move(rows));
}

const Skin& StartupSkin() {
  static const Skin* skin = [] {
    auto* s = new Skin;
    LoadStartupSkin(*s);
    return s;
  }();
  return *skin;
}

const Skin& LargeSkin() {
  static const Skin* skin = [] {
    auto* s = new Skin;
    LoadStartupSkin(*s);
    s->bgTop.SetBitmap(Large24BitPicture(1));
    s->bgBottom.SetBitmap(Large24BitPicture(2));
    return s;
  }();
  return *skin;
}

void Save(benchmark::State& state, const Skin& skin) {
  std::size_t size = 0;
  for (auto _ : state) {
    auto bytes = BuildSkinFile(skin);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
  state.counters["file_bytes"] = static_cast<double>(size);
}

// Opens the file of `source` over a skin without background pictures (as after start-up)
// or, with `overItself`, over a skin that already holds the file's content: then the copy
// that keeps a failed Open harmless carries the old pictures too.
void Open(benchmark::State& state, const Skin& source, bool overItself) {
  const auto bytes = BuildSkinFile(source);
  for (auto _ : state) {
    state.PauseTiming();
    auto skin = std::make_unique<Skin>(overItself ? source : Skin());
    state.ResumeTiming();
    ReadSkinFile(bytes, SkinFileFormat::kSkn, *skin);
    benchmark::DoNotOptimize(skin.get());
    state.PauseTiming();
    skin.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

// The record layer alone: every record parsed (byte blocks copied once, nothing decoded).
void BM_InspectLargeBackgrounds(benchmark::State& state) {
  const auto bytes = BuildSkinFile(LargeSkin());
  for (auto _ : state) {
    auto info = InspectSkinFile(bytes, SkinFileFormat::kSkn);
    benchmark::DoNotOptimize(info.records.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

void BM_SaveStartupSkin(benchmark::State& state) { Save(state, StartupSkin()); }
void BM_OpenStartupSkin(benchmark::State& state) { Open(state, StartupSkin(), false); }
void BM_SaveLargeBackgrounds(benchmark::State& state) { Save(state, LargeSkin()); }
void BM_OpenLargeBackgrounds(benchmark::State& state) { Open(state, LargeSkin(), false); }
void BM_OpenLargeBackgroundsOverThemselves(benchmark::State& state) { Open(state, LargeSkin(), true); }

BENCHMARK(BM_SaveStartupSkin)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenStartupSkin)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveLargeBackgrounds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLargeBackgrounds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLargeBackgroundsOverThemselves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InspectLargeBackgrounds)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessary
