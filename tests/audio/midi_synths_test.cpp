#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "modules/audio/audio_format.h"
#include "modules/audio/midi_synths.h"
#include "audio_test_support.h"

TEST(MidiSynths, ASynthesizerHandedBackIsLentAgainAndOneLoadedAheadIsReady) {
  auto synths = std::make_shared<TMidiSynths>();
  synths->Prepare();
  std::unique_ptr<TMidiSynths::TSynth> first = synths->Take();
  ASSERT_TRUE(first);
  std::unique_ptr<TMidiSynths::TSynth> second = synths->Take();  // none idle: loads another
  ASSERT_TRUE(second);
  const TMidiSynths::TSynth* lent = first.get();
  synths->Give(std::move(first));
  EXPECT_EQ(synths->Take().get(), lent);
}

TEST(MidiSynths, ABorrowedSynthesizerPlaysTheNextSongAsAFreshOneWould) {
  // The previous song is cut off while its notes sound, with its own programs and controllers.
  const std::vector<uint8_t> next = ReadTestFile("audio/midi/busy_schedule.mid");
  std::unique_ptr<TSampleSource> fresh = OpenMidiSource(Shared(next));
  ASSERT_TRUE(fresh);
  const std::vector<float> expected = ReadAll(*fresh, kSynthesisRate);

  for (const char* previous : {"audio/midi/coconut_run2.mid", "audio/midi/train_filled_with_cash.mid"}) {
    SCOPED_TRACE(previous);
    auto synths = std::make_shared<TMidiSynths>();
    std::unique_ptr<TSampleSource> before = OpenMidiSource(Shared(ReadTestFile(previous)), synths);
    ASSERT_TRUE(before);
    ASSERT_GT(Rms(ReadAll(*before, 3 * kSynthesisRate)), 0.01);
    before.reset();
    std::unique_ptr<TSampleSource> after = OpenMidiSource(Shared(next), synths);
    ASSERT_TRUE(after);
    const std::vector<float> heard = ReadAll(*after, kSynthesisRate);
    ASSERT_EQ(heard.size(), expected.size());
    // The synthesizer's oscillators run on from where they were, so samples differ slightly;
    // the loudness of every 100 ms shows a note, program or controller carried over.
    constexpr size_t kWindow = 2 * kSynthesisRate / 10;
    for (size_t at = 0; at + kWindow <= heard.size(); at += kWindow) {
      const double want = Rms(expected.data() + at, kWindow);
      ASSERT_NEAR(Rms(heard.data() + at, kWindow), want, 0.08 * want + 0.005) << "at frame " << at / 2;
    }
  }
}

TEST(MidiSynths, ASongOpenedWhileItsSynthesizerLoadsStartsFromItsBeginningOnceItIsThere) {
  const std::vector<uint8_t> song = ReadTestFile("audio/midi/coconut_run2.mid");
  std::unique_ptr<TSampleSource> fresh = OpenMidiSource(Shared(song));
  ASSERT_TRUE(fresh);
  constexpr size_t kChunk = 512;
  const std::vector<float> expected = ReadAll(*fresh, 8 * kChunk);
  ASSERT_GT(Rms(expected.data(), 2 * kChunk), 0.01) << "the song is audible from its first frame";

  auto synths = std::make_shared<TMidiSynths>();
  ASSERT_TRUE(synths->Prepare());
  std::unique_ptr<TSampleSource> waiting = OpenMidiSource(Shared(song), synths);  // does not wait for the load
  ASSERT_TRUE(waiting);
  std::vector<float> chunk(2 * kChunk);
  size_t silentChunks = 0;
  for (;; ++silentChunks) {
    ASSERT_LT(silentChunks, 5000u) << "the synthesizer never arrived";
    ASSERT_EQ(waiting->Read(chunk.data(), kChunk), kChunk);
    if (Rms(chunk.data(), chunk.size()) > 0) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));  // as a device pulls, not faster than the load
  }
  std::vector<float> heard = chunk;
  const std::vector<float> rest = ReadAll(*waiting, 7 * kChunk);
  heard.insert(heard.end(), rest.begin(), rest.end());
  ASSERT_EQ(heard.size(), expected.size());
  for (size_t at = 0; at < heard.size(); at += 2 * kChunk) {
    const double want = Rms(expected.data() + at, 2 * kChunk);
    EXPECT_NEAR(Rms(heard.data() + at, 2 * kChunk), want, 0.08 * want + 0.005) << "at frame " << at / 2;
  }
}

TEST(MidiSynths, ASongThatCannotPlayEndsInsteadOfWaitingForever) {
  // Bytes whose header is MIDI but whose tracks are not: no synthesizer plays them.
  std::vector<uint8_t> broken = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'X', 'X', 'X', 'X', 0, 0, 0, 0};
  auto synths = std::make_shared<TMidiSynths>();
  synths->Prepare();
  std::unique_ptr<TSampleSource> source = OpenMidiSource(Shared(broken), synths);
  if (!source) return;  // the synthesizer was already there and refused the song at once
  std::vector<float> chunk(2 * 512);
  size_t reads = 0;
  while (source->Read(chunk.data(), 512) == 512) {
    ASSERT_LT(++reads, 5000u) << "still waiting after 5 s";
    std::this_thread::sleep_for(std::chrono::milliseconds(1));  // as a device pulls, not faster than the load
  }
}
