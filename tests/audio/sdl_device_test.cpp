// The engine on SDL's real audio device: the disk driver writes what the mixer sends, as fast
// as it can; a driver that does not exist falls back to the silent dummy driver.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "modules/audio/engine_sound_system.h"
#include "audio_test_support.h"

namespace fs = std::filesystem;

namespace {

// Music and a click started together on engine's mixer.
struct TMusicAndClick {
  std::unique_ptr<TSound> music;
  std::unique_ptr<TSound> click;
};

TMusicAndClick Start(TAudioEngine& engine, bool withClick) {
  TMusicAndClick sounds;
  sounds.music = engine.CreateSound(Shared(ReadTestFile("audio/xm/intro.xm")));
  if (withClick) sounds.click = engine.CreateSound(Shared(ReadTestFile("audio/wav/tinkalink2-16bit-stereo.wav")));
  sounds.music->SetRepeat(true);
  sounds.music->Play();
  if (sounds.click) sounds.click->Play();
  return sounds;
}

// frames stereo frames from the first non-silent one.
std::vector<float> FromFirstSound(const std::vector<float>& samples, size_t frames) {
  size_t first = 0;
  while (first < samples.size() && samples[first] == 0.0f) ++first;
  first -= first % 2;
  if (samples.size() < first + 2 * frames) return {};
  return std::vector<float>(samples.begin() + static_cast<ptrdiff_t>(first),
                            samples.begin() + static_cast<ptrdiff_t>(first + 2 * frames));
}

std::vector<float> MixedByHand(bool withClick, size_t frames) {
  auto engine = TAudioEngine::WithoutDevice();
  TMusicAndClick sounds = Start(*engine, withClick);
  std::vector<float> out(2 * frames);
  engine->Mixer().Mix(out.data(), frames);
  return out;
}

}  // namespace

TEST(SdlDevice, DiskDriverReceivesMusicAndClickMixed) {
  const fs::path file = fs::path(testing::TempDir()) / "sdl_disk_output.raw";
  fs::remove(file);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
  setenv("SDL_DISKAUDIODELAY", "0", 1);
  constexpr size_t kFrames = 22050;  // half a second
  {
    auto engine = TAudioEngine::Open();
    ASSERT_EQ(engine->DriverName(), "disk");
    TMusicAndClick sounds = Start(*engine, true);
    // The driver wrote silence until the sounds started; wait for twice the frames after that.
    const uintmax_t started = fs::exists(file) ? fs::file_size(file) : 0;
    for (int i = 0; i < 200 && (!fs::exists(file) || fs::file_size(file) < started + 2 * kFrames * 8); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::ifstream in(file, std::ios::binary);
  std::vector<float> written(fs::file_size(file) / sizeof(float));
  in.read(reinterpret_cast<char*>(written.data()), static_cast<std::streamsize>(written.size() * sizeof(float)));
  std::vector<float> heard = FromFirstSound(written, kFrames);
  ASSERT_FALSE(heard.empty()) << "nothing audible was written";

  const double both = Rms(FromFirstSound(MixedByHand(true, 2 * kFrames), kFrames));
  const double musicOnly = Rms(FromFirstSound(MixedByHand(false, 2 * kFrames), kFrames));
  EXPECT_NEAR(Rms(heard), both, 0.1 * both);
  EXPECT_GT(Rms(heard), 1.3 * musicOnly) << "the click is in the output as well";
  for (float sample : heard) ASSERT_LE(std::abs(sample), 1.0f);
}

TEST(SdlDevice, MissingDriverFallsBackToTheSilentDummyDriver) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  auto sound = TEngineSoundSystem::Open();
  EXPECT_EQ(sound->Engine().DriverName(), "dummy");
  const std::vector<uint8_t> click = ReadTestFile("audio/wav/chink-16bit-mono.wav");
  // The dummy driver pulls the mixer in real time, so the 88 ms sound ends on its own.
  const auto started = std::chrono::steady_clock::now();
  EXPECT_TRUE(sound->Waves().PlaySync(click));
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1000));
}

TEST(SdlDevice, ASoundPlayedWhileTheDeviceOpensIsHeardToItsEnd) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  // Engines dropped while their devices still open close them on their own, without harm to
  // the next one.
  for (int i = 0; i < 3; ++i) TEngineSoundSystem::Open();
  auto sound = TEngineSoundSystem::Open();
  std::atomic<bool> heard{false};
  sound->Engine().Mixer().SetTap([&heard](const float* frames, size_t count) {
    if (std::any_of(frames, frames + 2 * count, [](float sample) { return sample != 0.0f; })) heard = true;
  });
  const std::vector<uint8_t> click = ReadTestFile("audio/wav/chink-16bit-mono.wav");
  EXPECT_TRUE(sound->Waves().PlaySync(click));
  EXPECT_TRUE(heard);
  EXPECT_EQ(sound->Engine().DriverName(), "dummy");
  sound->Engine().Mixer().SetTap({});
}
