// The audio engine's two goals. Mixing: one minute of background music with a click sound
// started every quarter second, mixed in 512-frame buffers; goal under 2 % of one core (the
// "core_percent" counter: CPU time over the minute mixed). Start latency: from Play to the first
// non-silent buffer leaving the mixer on SDL's dummy driver with 512-frame buffers; goal under
// 30 ms.

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>

#include "modules/audio/engine_sound_system.h"
#include "model/custom_data.h"
#include "support/test_data.h"

namespace {

// Each starts audibly at its first frame, so the latency is the engine's own.
const char* const kMusic[] = {"audio/xm/intro.xm", "audio/ogg/title-artist.ogg", "audio/mp3/beep-id3v1.mp3",
                              "audio/midi/coconut_run2.mid", "audio/wav/tinkalink2-16bit-stereo.wav"};

TSharedBytes Shared(std::vector<uint8_t> bytes) { return std::make_shared<const std::vector<uint8_t>>(std::move(bytes)); }

void BM_MixMinuteOfMusicWithClicks(benchmark::State& state) {
  const char* file = kMusic[state.range(0)];
  state.SetLabel(file);
  TSharedBytes music = Shared(ReadTestFile(file));
  const std::vector<uint8_t> click = ReadTestFile("audio/wav/chink-16bit-mono.wav");
  constexpr size_t kBuffer = 512;
  constexpr int kRate = 44100;
  constexpr size_t kBuffers = 60 * kRate / kBuffer;
  constexpr size_t kClickEvery = kRate / 4 / kBuffer;
  std::vector<float> out(2 * kBuffer);
  double cpuSeconds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TEngineSoundSystem sound(TAudioEngine::WithoutDevice(kRate));
    std::unique_ptr<TSound> background = sound.Engine().CreateSound(music);
    background->SetRepeat(true);
    background->Play();
    state.ResumeTiming();
    const std::clock_t started = std::clock();
    for (size_t i = 0; i < kBuffers; ++i) {
      if (i % kClickEvery == 0) sound.Waves().Play(click);
      sound.Engine().Mixer().Mix(out.data(), kBuffer);
      benchmark::DoNotOptimize(out.data());
    }
    cpuSeconds += static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC;
  }
  state.counters["core_percent"] = 100.0 * cpuSeconds / (60.0 * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_MixMinuteOfMusicWithClicks)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_StartLatency(benchmark::State& state) {
  const char* file = state.range(0) < 0 ? "audio/wav/chink-16bit-mono.wav" : kMusic[state.range(0)];
  state.SetLabel(file);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::shared_ptr<TAudioEngine> engine = TAudioEngine::Open({44100, 512});
  TSharedBytes bytes = Shared(ReadTestFile(file));
  std::atomic<bool> heard{false};
  engine->Mixer().SetTap([&heard](const float* frames, size_t count) {
    for (size_t i = 0; i < 2 * count; ++i)
      if (frames[i] != 0.0f) {
        heard = true;
        return;
      }
  });
  for (auto _ : state) {
    heard = false;
    const auto started = std::chrono::steady_clock::now();
    std::unique_ptr<TSound> sound = engine->CreateSound(bytes);
    sound->Play();
    while (!heard) std::this_thread::sleep_for(std::chrono::microseconds(100));
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    sound.reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));  // the last buffer of it leaves
  }
  engine->Mixer().SetTap({});
}
BENCHMARK(BM_StartLatency)->Arg(-1)->DenseRange(0, 3)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
