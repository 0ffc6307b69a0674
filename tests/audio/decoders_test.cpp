#include <gtest/gtest.h>

#include "modules/audio/audio_format.h"
#include "audio_test_support.h"
#include "speex_encoder.h"

namespace {

struct TDecoded {
  std::unique_ptr<TSampleSource> source;
  std::vector<float> samples;
};

TDecoded Decode(std::vector<uint8_t> bytes, size_t maxFrames = 441000) {
  TDecoded d;
  d.source = OpenSampleSource(Shared(std::move(bytes)));
  if (d.source) d.samples = ReadAll(*d.source, maxFrames);
  return d;
}

}  // namespace

TEST(Decoders, EveryTestFileDecodesToSound) {
  struct Case {
    const char* file;
    TAudioFormat format;
    int rate;
    int channels;
  };
  const Case cases[] = {
      {"audio/wav/raspire-8bit-mono.wav", TAudioFormat::Wave, 8287, 1},
      {"audio/wav/chink-16bit-mono.wav", TAudioFormat::Wave, 11000, 1},
      {"audio/wav/tinkalink2-16bit-stereo.wav", TAudioFormat::Wave, 22050, 2},
      {"audio/mp3/unlocked-is-really-wav.mp3", TAudioFormat::Wave, 44100, 2},
      {"audio/flac/track.flac", TAudioFormat::Flac, 44100, 2},
      {"audio/ogg/title.ogg", TAudioFormat::OggVorbis, 44100, 2},
      {"audio/mp3/beep-id3v1.mp3", TAudioFormat::Mpeg, 44100, 2},
      {"audio/mp3/bounce-id3v23.mp3", TAudioFormat::Mpeg, 44100, 2},
      {"audio/mp3/debian-id3v24.mp3", TAudioFormat::Mpeg, 44100, 1},
      {"audio/mp3/success-notag.mp3", TAudioFormat::Mpeg, 44100, 2},
      {"audio/mp3/pwd-mpeg2.mp3", TAudioFormat::Mpeg, 24000, 2},
      {"audio/mod/high-score.mod", TAudioFormat::Module, kSynthesisRate, 2},
      {"audio/mod/SCANNER.MOD", TAudioFormat::Module, kSynthesisRate, 2},
      {"audio/mod/CREWCOMM.MOD", TAudioFormat::Module, kSynthesisRate, 2},
      {"audio/mod/area1-game2.mod", TAudioFormat::Module, kSynthesisRate, 2},
      {"audio/xm/intro.xm", TAudioFormat::Module, kSynthesisRate, 2},
      {"audio/s3m/loser.s3m", TAudioFormat::Module, kSynthesisRate, 2},
      {"audio/it/gd-matth.it", TAudioFormat::Module, kSynthesisRate, 2},
      {"audio/it/the_big_march_in_space.it", TAudioFormat::Module, kSynthesisRate, 2},
      {"audio/midi/train_filled_with_cash.mid", TAudioFormat::Midi, kSynthesisRate, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::vector<uint8_t> bytes = ReadTestFile(c.file);
    EXPECT_EQ(DetectAudioFormat(bytes), c.format);
    TDecoded d = Decode(std::move(bytes));
    ASSERT_TRUE(d.source);
    EXPECT_EQ(d.source->SampleRate(), c.rate);
    EXPECT_EQ(d.source->Channels(), c.channels);
    EXPECT_GT(Rms(d.samples), 0.02);
    if (c.format != TAudioFormat::Midi) {
      ASSERT_TRUE(d.source->LengthFrames());
      EXPECT_GT(*d.source->LengthFrames(), 0);
    }
  }
}

TEST(Decoders, TitleAndArtistTags) {
  struct Case {
    const char* file;
    const char* title;
    const char* artist;
  };
  const Case cases[] = {
      {"audio/ogg/title-artist-album-genre.ogg", "foo-title", "dir1-artist"},
      {"audio/ogg/title.ogg", "ok-title", ""},
      {"audio/ogg/album.ogg", "", ""},
      {"audio/mp3/bounce-id3v23.mp3", "Things and Stuff 19 Jun 2010", "Patrick Perdue"},
      {"audio/mp3/debian-id3v24.mp3", "", "Eriberto Mota"},
      {"audio/s3m/loser.s3m", "Mission failed", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::unique_ptr<TSampleSource> source = OpenSampleSource(Shared(ReadTestFile(c.file)));
    ASSERT_TRUE(source);
    EXPECT_EQ(source->Tags().title, c.title);
    EXPECT_EQ(source->Tags().artist, c.artist);
  }
}

TEST(Decoders, SeekingLandsWhereAsked) {
  for (const char* file : {"audio/wav/tinkalink2-16bit-stereo.wav", "audio/ogg/title.ogg", "audio/flac/track.flac"}) {
    SCOPED_TRACE(file);
    std::unique_ptr<TSampleSource> source = OpenSampleSource(Shared(ReadTestFile(file)));
    ASSERT_TRUE(source);
    const int64_t length = *source->LengthFrames();
    std::vector<float> whole = ReadAll(*source, static_cast<size_t>(length));
    ASSERT_TRUE(source->Seek(length / 2));
    std::vector<float> half = ReadAll(*source, static_cast<size_t>(length));
    ASSERT_EQ(half.size(), whole.size() - static_cast<size_t>(length / 2) * 2);
    EXPECT_TRUE(std::equal(half.begin(), half.end(), whole.end() - static_cast<ptrdiff_t>(half.size())));
  }
}

TEST(Decoders, MidiEndsWithItsLastTrackAndRestartsFromTheTop) {
  std::unique_ptr<TSampleSource> source = OpenSampleSource(Shared(ReadTestFile("audio/midi/coconut_run2.mid")));
  ASSERT_TRUE(source);
  std::vector<float> first = ReadAll(*source, 20 * 60 * kSynthesisRate);
  // The tracks end at 68.0 s by the file's tempo map; the synthesizer's grace period of ringing
  // notes after that is not part of the song.
  EXPECT_NEAR(static_cast<double>(first.size() / 2) / kSynthesisRate, 68.0, 0.02);
  ASSERT_TRUE(source->Seek(0));
  std::vector<float> again = ReadAll(*source, kSynthesisRate);
  std::vector<float> start(first.begin(), first.begin() + static_cast<ptrdiff_t>(again.size()));
  EXPECT_NEAR(Rms(again), Rms(start), 0.01);
  EXPECT_FALSE(source->Seek(1000));  // only the beginning can be sought
}

TEST(Decoders, SpeexInOggWithTagsLengthAndSeeking) {
  std::vector<uint8_t> file = EncodeSpeexTone(100, "Tone", "Encoder");  // 2 s of 20 ms frames
  EXPECT_EQ(DetectAudioFormat(file), TAudioFormat::OggSpeex);
  std::unique_ptr<TSampleSource> source = OpenSampleSource(Shared(file));
  ASSERT_TRUE(source);
  EXPECT_EQ(source->SampleRate(), 16000);
  EXPECT_EQ(source->Channels(), 1);
  EXPECT_EQ(source->LengthFrames(), 32000);
  EXPECT_EQ(source->Tags().title, "Tone");
  EXPECT_EQ(source->Tags().artist, "Encoder");
  std::vector<float> all = ReadAll(*source, 100000);
  EXPECT_EQ(all.size(), 32000u);
  EXPECT_NEAR(Rms(all.data() + 1000, 30000), 12000 / 32768.0 / std::sqrt(2.0), 0.05);
  ASSERT_TRUE(source->Seek(16000));
  EXPECT_EQ(ReadAll(*source, 100000).size(), 16000u);
}

TEST(Decoders, DamagedOrForeignInputGivesNothingOrWhatCanBeRead) {
  std::vector<uint8_t> wave = ReadTestFile("audio/wav/tinkalink2-16bit-stereo.wav");
  std::vector<uint8_t> module = ReadTestFile("audio/xm/intro.xm");
  std::vector<uint8_t> vorbis = ReadTestFile("audio/ogg/title.ogg");
  std::vector<uint8_t> speex = EncodeSpeexTone(20, "t", "a");
  std::vector<uint8_t> midi = ReadTestFile("audio/midi/busy_schedule.mid");
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  };
  std::vector<Case> cases = {
      {"text", std::vector<uint8_t>(2000, 'x')},
      {"WAVE header only", std::vector<uint8_t>(wave.begin(), wave.begin() + 44)},
      {"WAVE cut in the middle", std::vector<uint8_t>(wave.begin(), wave.begin() + 4000)},
      {"XM cut in the middle", std::vector<uint8_t>(module.begin(), module.begin() + 3000)},
      {"Vorbis cut in the middle", std::vector<uint8_t>(vorbis.begin(), vorbis.begin() + 5000)},
      {"Speex cut in the middle", std::vector<uint8_t>(speex.begin(), speex.begin() + speex.size() / 2)},
      {"Speex header only", std::vector<uint8_t>(speex.begin(), speex.begin() + 100)},
      {"MIDI cut in the middle", std::vector<uint8_t>(midi.begin(), midi.begin() + 3000)},
      {"MIDI header claiming huge tracks", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0xFF, 0xFF, 0, 96,
                                            'M', 'T', 'r', 'k', 0x7F, 0xFF, 0xFF, 0xFF, 0, 0xFF, 0x2F, 0}},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    TDecoded d = Decode(std::move(c.bytes), 44100 * 120);
    if (d.source) {
      EXPECT_LE(d.samples.size(), size_t{44100 * 120 * 2});
    }
  }
  // A cut WAVE still plays the part that is there.
  TDecoded cut = Decode(std::vector<uint8_t>(wave.begin(), wave.begin() + 4000));
  ASSERT_TRUE(cut.source);
  EXPECT_GT(cut.samples.size(), 0u);
  EXPECT_FALSE(Decode(std::vector<uint8_t>(2000, 'x')).source);
}
