#include "audio/background_music.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "modules/audio/midi_player.h"
#include "audio_test_support.h"
#include "music_test_fixture.h"

namespace fs = std::filesystem;

namespace {

// A format-0 MIDI song: one note held for half a second at 120 beats per minute.
std::vector<uint8_t> ShortMidiSong() {
  return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,   // format 0, one track, 96 ticks a beat
          'M', 'T', 'r', 'k', 0, 0, 0, 13,                      // 13 bytes of events
          0, 0x90, 60, 100,                                     // note on
          96, 0x80, 60, 0,                                      // note off one beat later
          0, 0xFF, 0x2F, 0,                                     // end of track
          0};
}

// At least 49 bytes, so the kind rules look at it.
std::vector<uint8_t> Padded(std::vector<uint8_t> bytes) {
  if (bytes.size() < 64) bytes.resize(64, 0);
  return bytes;
}

class BackgroundMusic : public TMusicTest {};

}  // namespace

TEST_F(BackgroundMusic, EachKindGoesToItsPlayer) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    TMusicKind kind;
    bool audible;
  };
  const Case cases[] = {
      {"WAVE", ReadTestFile("audio/wav/tinkalink2-16bit-stereo.wav"), TMusicKind::Wave, true},
      {"WAVE named .mp3", ReadTestFile("audio/mp3/unlocked-is-really-wav.mp3"), TMusicKind::Wave, true},
      {"XM named .mod", ReadTestFile("audio/mod/area1-game2.mod"), TMusicKind::Module, true},
      {"Ogg Vorbis", ReadTestFile("audio/ogg/title.ogg"), TMusicKind::OggVorbis, true},
      {"MP3", ReadTestFile("audio/mp3/bounce-id3v23.mp3"), TMusicKind::Mpeg, true},
      {"FLAC taken for MP3, read as FLAC", ReadTestFile("audio/flac/track.flac"), TMusicKind::Mpeg, true},
      {"unreadable content taken for MP3", std::vector<uint8_t>(5000, 'x'), TMusicKind::Mpeg, false},
      {"too short", std::vector<uint8_t>(48, 'x'), TMusicKind::None, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAudioData music;
    music.SetContent(c.bytes);
    PlayAudioData(m_sound, music, false);
    EXPECT_EQ(PlayingKind(music), c.kind);
    EXPECT_EQ(Music() != nullptr, c.audible);
    if (c.audible) {
      EXPECT_TRUE(Music()->Playing());
    }
    StopAudioData(music);
    EXPECT_EQ(PlayingKind(music), TMusicKind::None);
    EXPECT_EQ(Music(), nullptr);
  }
}

TEST_F(BackgroundMusic, LoopRepeatsAndPlayingAgainStartsFromTheBeginning) {
  TAudioData music;
  music.SetContent(ReadTestFile("audio/wav/chink-16bit-mono.wav"));  // 89 ms
  PlayAudioData(m_sound, music, true);
  MixSeconds(1);
  ASSERT_TRUE(Music());
  EXPECT_TRUE(Music()->Playing());

  music.SetContent(ReadTestFile("audio/ogg/title.ogg"));  // 1.8 s
  PlayAudioData(m_sound, music, false);
  MixSeconds(1);
  EXPECT_GE(Music()->PositionMs(), 900);
  PlayAudioData(m_sound, music, false);
  EXPECT_EQ(Music()->PositionMs(), 0);
  MixSeconds(2);
  EXPECT_FALSE(Music()->Playing());  // ended, not looping
}

TEST_F(BackgroundMusic, MidiPlaysFromATemporaryFileThatGoesWhenStopped) {
  TAudioData music;
  music.SetContent(Padded(ShortMidiSong()));
  PlayAudioData(m_sound, music, false);
  EXPECT_EQ(PlayingKind(music), TMusicKind::Midi);
  const fs::path file = MidiTempFile(music);
  ASSERT_FALSE(file.empty());
  EXPECT_TRUE(file.filename().string().starts_with("kiv"));
  EXPECT_EQ(file.parent_path(), fs::temp_directory_path());
  EXPECT_EQ(fs::file_size(file), music.Bytes().size());
  EXPECT_EQ(Music(), nullptr) << "MIDI does not go through the music module";

  MixSeconds(1);  // the song has ended; without Loop the file stays until the music is stopped
  EXPECT_TRUE(fs::exists(file));
  StopAudioData(music);
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(MidiTempFile(music).empty());
}

TEST_F(BackgroundMusic, MidiPlayerRestartsOnEachCompletionWithLoop) {
  const fs::path file = fs::path(testing::TempDir()) / "loop_test.mid";
  std::vector<uint8_t> song = ShortMidiSong();
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(song.data()), static_cast<std::streamsize>(song.size()));
  for (bool loop : {false, true}) {
    SCOPED_TRACE(loop ? "Loop" : "no Loop");
    TKIVMidiPlayer player(m_sound.SharedEngine());
    player.SetFileName(file.string());
    player.SetLoop(loop);
    player.Play();
    EXPECT_TRUE(player.IsOpen());
    MixSeconds(2);  // four times the song
    EXPECT_EQ(player.IsOpen(), loop);
    player.Close();
    EXPECT_FALSE(player.IsOpen());
  }
  TKIVMidiPlayer missing(m_sound.SharedEngine());
  missing.SetFileName((fs::path(testing::TempDir()) / "no such file.mid").string());
  missing.Play();
  EXPECT_FALSE(missing.IsOpen());
}

TEST_F(BackgroundMusic, FreeingTheHolderStopsItsMusic) {
  fs::path file;
  {
    TAudioData midi;
    midi.SetContent(Padded(ShortMidiSong()));
    PlayAudioData(m_sound, midi, true);
    file = MidiTempFile(midi);
    ASSERT_TRUE(fs::exists(file));
  }
  EXPECT_FALSE(fs::exists(file));
}

TEST_F(BackgroundMusic, ControlSoundsCutEachOtherOffButNotTheMusic) {
  TAudioData music;
  music.SetContent(ReadTestFile("audio/xm/intro.xm"));
  PlayAudioData(m_sound, music, true);
  TWaveData click, chime, notWave;
  click.SetContent(ReadTestFile("audio/wav/chink-16bit-mono.wav"));
  chime.SetContent(ReadTestFile("audio/wav/tinkalink2-16bit-stereo.wav"));
  notWave.SetContent(ReadTestFile("audio/ogg/title.ogg"));
  TWavePlayer& waves = m_sound.Waves();
  waves.Play(chime.Bytes());
  ASSERT_TRUE(waves.Current());
  EXPECT_EQ(waves.Current()->LengthMs(), 907);
  waves.Play(click.Bytes());
  EXPECT_EQ(waves.Current()->LengthMs(), 88);
  EXPECT_TRUE(Music()->Playing());
  waves.Play(notWave.Bytes());
  EXPECT_EQ(waves.Current(), nullptr);
  waves.Play({});
  EXPECT_EQ(waves.Current(), nullptr);
  waves.Play(click.Bytes());
  waves.Stop();
  EXPECT_EQ(waves.Current(), nullptr);
  EXPECT_TRUE(Music()->Playing());
}

TEST_F(BackgroundMusic, PlaySyncGivesUpWhenNothingPlaysTheSoundOut) {
  // Nothing pulls this engine's mixer: the sound never ends.
  TWaveData chime;
  chime.SetContent(ReadTestFile("audio/wav/tinkalink2-16bit-stereo.wav"));
  auto started = std::chrono::steady_clock::now();
  EXPECT_FALSE(m_sound.Waves().PlaySync(chime.Bytes(), std::chrono::milliseconds(200)));
  auto waited = std::chrono::steady_clock::now() - started;
  EXPECT_GE(waited, std::chrono::milliseconds(200));
  EXPECT_LT(waited, std::chrono::milliseconds(900));  // the limit, not the sound's length plus a second
  EXPECT_EQ(m_sound.Waves().Current(), nullptr);
  EXPECT_TRUE(m_sound.Waves().PlaySync({}));  // nothing to play: returns at once
}
