#include <gtest/gtest.h>

#include "audio/audio_format.h"
#include "audio/midi_synths.h"
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
