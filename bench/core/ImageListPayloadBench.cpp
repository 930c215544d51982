// Writing and reading image-list payloads: the eight lists of the start-up skin, and a
// series over the image count to show the cost grows linearly with it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "skinfile/ImageListPayload.h"

namespace {

using tessary::Argb;
using tessary::ImageList;

struct Shape {
  int cx, cy, count, capacity;
};

// ilLButtons, ilSButtons, ilImages, ilHot, ilDisable, ilDown, ilMain, ilPage.
constexpr Shape kStartupLists[] = {
    {24, 24, 21, 24}, {16, 16, 21, 24}, {21, 21, 11, 14}, {21, 21, 11, 14},
    {21, 21, 11, 14}, {21, 21, 22, 24}, {16, 16, 59, 64}, {18, 18, 10, 14},
};

// Generated images: a colour ramp per image with a fuchsia frame, which the mask colour
// turns transparent, as in the toolbar images.
ImageList MakeList(const Shape& shape) {
  std::vector<ImageList::Image> images;
  for (int i = 0; i < shape.count; ++i) {
    ImageList::Image image;
    for (int y = 0; y < shape.cy; ++y) {
      for (int x = 0; x < shape.cx; ++x) {
        const bool frame = x == 0 || y == 0 || x == shape.cx - 1 || y == shape.cy - 1;
        image.pixels.push_back(frame ? 0xFF000000u
                                     : 0xFF000000u | (static_cast<Argb>(i * 40503 + x * 977 + y * 131) & 0xFFFFFF));
        image.mask.push_back(frame ? 1 : 0);
      }
    }
    images.push_back(std::move(image));
  }
  ImageList list(shape.cx, shape.cy);
  list.SetContent(shape.cx, shape.cy, shape.capacity, std::move(images));
  return list;
}

std::vector<ImageList> StartupLists() {
  std::vector<ImageList> lists;
  for (const Shape& shape : kStartupLists) lists.push_back(MakeList(shape));
  return lists;
}

void BM_WriteStartupLists(benchmark::State& state) {
  const auto lists = StartupLists();
  std::vector<std::uint8_t> out;
  for (auto _ : state) {
    out.clear();
    for (const ImageList& list : lists) tessary::WriteImageListPayload(out, list);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(out.size()));
}
BENCHMARK(BM_WriteStartupLists);

void BM_ReadStartupLists(benchmark::State& state) {
  const auto lists = StartupLists();
  std::vector<std::vector<std::uint8_t>> payloads(lists.size());
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    tessary::WriteImageListPayload(payloads[i], lists[i]);
    bytes += payloads[i].size();
  }
  ImageList target;
  for (auto _ : state) {
    for (const auto& payload : payloads) tessary::ReadImageListPayload(payload, target);
    benchmark::DoNotOptimize(target.ImageCount());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ReadStartupLists);

// 24 x 24 images, count = the argument, capacity the next multiple of four.
void BM_WriteByImageCount(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const ImageList list = MakeList({24, 24, count, ImageList::GrownCapacity(count)});
  std::vector<std::uint8_t> out;
  for (auto _ : state) {
    out.clear();
    tessary::WriteImageListPayload(out, list);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(out.size()));
  state.SetComplexityN(count);
}
BENCHMARK(BM_WriteByImageCount)->RangeMultiplier(4)->Range(8, 512)->Complexity(benchmark::oN);

void BM_ReadByImageCount(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  std::vector<std::uint8_t> payload;
  tessary::WriteImageListPayload(payload, MakeList({24, 24, count, ImageList::GrownCapacity(count)}));
  ImageList target;
  for (auto _ : state) {
    tessary::ReadImageListPayload(payload, target);
    benchmark::DoNotOptimize(target.ImageCount());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(payload.size()));
  state.SetComplexityN(count);
}
BENCHMARK(BM_ReadByImageCount)->RangeMultiplier(4)->Range(8, 512)->Complexity(benchmark::oN);

}  // namespace
