// One frame of every transition style on a full-HD picture at the middle of the transition, and
// beside them a plain copy of a full frame, the floor any style is measured against. Goal: every
// style within 4 ms and within ten times the copy, so a slide show keeps its frame delay.

#include <benchmark/benchmark.h>

#include <cstring>

#include "transitions/transition_styles.h"

namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;

TBitmap32 Patterned(uint32_t seed) {
  TBitmap32 picture(kWidth, kHeight);
  for (int32_t y = 0; y < kHeight; ++y)
    for (int32_t x = 0; x < kWidth; ++x)
      picture.At(x, y) = MakePixel(static_cast<uint8_t>(x + seed), static_cast<uint8_t>(y), static_cast<uint8_t>(x ^ y));
  return picture;
}

// The frame procedure alone; the display is set back to the old picture outside the timing.
void BM_TransitionFrame(benchmark::State& state) {
  const auto style = static_cast<size_t>(state.range(0));
  const TBitmap32 oldPicture = Patterned(0);
  const TBitmap32 newPicture = Patterned(77);
  TBitmap32 display = oldPicture;
  TSeededRandom random(1);
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(display.Pixels().data(), oldPicture.Pixels().data(), display.Pixels().size_bytes());
    state.ResumeTiming();
    TransitionStyles()[style].draw(TFrame(display.View(), newPicture.View(), 50, 4, random));
    benchmark::DoNotOptimize(display.Pixels().data());
    benchmark::ClobberMemory();
  }
  state.SetLabel(std::string(TransitionStyles()[style].name));
}
BENCHMARK(BM_TransitionFrame)->DenseRange(1, kTransitionStyleCount)->Unit(benchmark::kMillisecond);

void BM_FullFrameCopy(benchmark::State& state) {
  const TBitmap32 source = Patterned(0);
  TBitmap32 target(kWidth, kHeight);
  for (auto _ : state) {
    std::memcpy(target.Pixels().data(), source.Pixels().data(), target.Pixels().size_bytes());
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FullFrameCopy)->Unit(benchmark::kMillisecond);

}  // namespace
