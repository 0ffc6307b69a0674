#pragma once
// A sound system of the tests' own for the music player: songs that "open" by file name, streams
// that record what they are told, and each song's end as the mixing thread would call it.

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "audio/sound_system.h"

namespace telvo_test {

struct TFakeSong {
  int64_t lengthMs = 185'000;
  int channels = 2;
  int sampleRate = 44100;
  std::string title, artist;
};

class TFakeSystem final : public TSoundSystem {
 public:
  class TStream final : public TMusicStream {
   public:
    TStream(TFakeSystem& system, TFakeSong song) : system(system), song(std::move(song)) {}
    void Play() override { playing = true; }
    void Pause() override { playing = false; }
    void SetVolume(float v) override { volume = v; }
    void SetPan(float p) override { pan = p; }
    int Channels() const override { return song.channels; }
    int SampleRate() const override { return song.sampleRate; }
    int64_t PositionMs() const override { return positionMs; }
    int64_t LengthMs() const override { return song.lengthMs; }
    bool SeekMs(int64_t ms) override {
      positionMs = ms;
      return true;
    }
    std::string Title() const override { return song.title; }
    std::string Artist() const override { return song.artist; }
    ~TStream() override { system.open = nullptr; }

    TFakeSystem& system;
    TFakeSong song;
    bool playing = false;
    float volume = -1, pan = -1;
    int64_t positionMs = 0;
  };

  void PlayMusic(std::span<const uint8_t>, bool, uint8_t) override {}
  void StopMusic() override {}
  std::unique_ptr<TMidiSong> PlayMidiFile(const std::string&, bool) override { return nullptr; }
  void PrepareMidi() override {}
  void PlayWave(std::span<const uint8_t>) override {}
  void PlayWaveAndWait(std::span<const uint8_t>) override {}
  void StopWave() override {}
  std::unique_ptr<TMusicStream> OpenMusicStream(const std::string& path, std::function<void()> end) override {
    const std::string name = std::filesystem::path(path).filename().string();
    opened.push_back(name);
    const auto song = songs.find(name);
    if (song == songs.end()) return nullptr;
    ends.push_back(std::move(end));
    auto stream = std::make_unique<TStream>(*this, song->second);
    open = stream.get();
    return stream;
  }

  std::map<std::string, TFakeSong> songs;  // by file name; others do not open
  std::vector<std::string> opened;
  std::vector<std::function<void()>> ends;  // each opened song's end, as the mixing thread calls it
  TStream* open = nullptr;
};

}  // namespace telvo_test
