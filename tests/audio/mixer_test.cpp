#include "modules/audio/mixer.h"

#include <gtest/gtest.h>

#include <vector>

#include "audio_test_support.h"

namespace {

constexpr int kRate = 1000;

struct TEndLog {
  std::vector<TStreamEnd> reasons;
};

std::unique_ptr<TSound> Constant(TMixer& mixer, int64_t frames, float level, int rate = kRate, int channels = 1) {
  return mixer.CreateSound(std::make_unique<TConstantSource>(rate, channels, frames, level));
}

std::vector<float> Mixed(TMixer& mixer, size_t frames) {
  std::vector<float> out(2 * frames);
  mixer.Mix(out.data(), frames);
  return out;
}

std::shared_ptr<TEndLog> LogEnds(TSound& sound) {
  auto log = std::make_shared<TEndLog>();
  sound.SetOnEnd([log](TStreamEnd reason) { log->reasons.push_back(reason); });
  return log;
}

}  // namespace

TEST(Mixer, SoundsAreSummedAndClamped) {
  TMixer mixer(kRate);
  auto a = Constant(mixer, 100, 0.25f);
  auto b = Constant(mixer, 100, 0.5f);
  auto c = Constant(mixer, 100, 0.5f);
  a->Play();
  b->Play();
  std::vector<float> out = Mixed(mixer, 10);
  EXPECT_FLOAT_EQ(out[0], 0.75f);
  EXPECT_FLOAT_EQ(out[19], 0.75f);
  c->Play();
  out = Mixed(mixer, 10);
  EXPECT_FLOAT_EQ(out[0], 1.0f);  // 1.25 clamped
}

TEST(Mixer, VolumeAndPanScaleEachSide) {
  struct Case {
    float volume, pan, left, right;
  };
  const Case cases[] = {{1, 0, 0.5f, 0.5f}, {0.5f, 0, 0.25f, 0.25f}, {1, -1, 0.5f, 0},
                        {1, 1, 0, 0.5f},    {1, 0.5f, 0.25f, 0.5f},  {2, -3, 0.5f, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "volume " << c.volume << " pan " << c.pan);
    TMixer mixer(kRate);
    auto sound = Constant(mixer, 100, 0.5f);
    sound->SetVolume(c.volume);
    sound->SetPan(c.pan);
    sound->Play();
    std::vector<float> out = Mixed(mixer, 4);
    EXPECT_FLOAT_EQ(out[2], c.left);
    EXPECT_FLOAT_EQ(out[3], c.right);
  }
}

TEST(Mixer, EndReachedIsReportedOnceAndReplayStartsOver) {
  TMixer mixer(kRate);
  auto sound = Constant(mixer, 30, 0.5f);
  auto ends = LogEnds(*sound);
  sound->Play();
  std::vector<float> out = Mixed(mixer, 50);
  EXPECT_FLOAT_EQ(out[2 * 29], 0.5f);
  EXPECT_FLOAT_EQ(out[2 * 30], 0.0f);  // silence after the last frame
  EXPECT_EQ(ends->reasons, std::vector<TStreamEnd>{TStreamEnd::Reached});
  EXPECT_FALSE(sound->Playing());
  Mixed(mixer, 50);
  EXPECT_EQ(ends->reasons.size(), 1u);

  sound->Play();
  out = Mixed(mixer, 50);
  EXPECT_FLOAT_EQ(out[0], 0.5f);
  EXPECT_FLOAT_EQ(out[2 * 30], 0.0f);
  EXPECT_EQ(ends->reasons.size(), 2u);
}

TEST(Mixer, RepeatGoesOnWithoutGapOrCallback) {
  TMixer mixer(kRate);
  auto sound = Constant(mixer, 7, 0.5f);
  auto ends = LogEnds(*sound);
  sound->SetRepeat(true);
  sound->Play();
  std::vector<float> out = Mixed(mixer, 100);
  for (size_t i = 0; i < out.size(); ++i) ASSERT_FLOAT_EQ(out[i], 0.5f) << "sample " << i;
  EXPECT_TRUE(ends->reasons.empty());
  EXPECT_LT(sound->PositionMs(), 7);  // wrapped around: position within one pass
}

TEST(Mixer, StopReportsTheRequestAndRewinds) {
  TMixer mixer(kRate);
  auto sound = Constant(mixer, 1000, 0.5f);
  auto ends = LogEnds(*sound);
  sound->Play();
  Mixed(mixer, 200);
  EXPECT_EQ(sound->PositionMs(), 200);
  sound->Stop();
  EXPECT_EQ(sound->PositionMs(), 0);
  EXPECT_TRUE(ends->reasons.empty());  // reported from the mixing side
  std::vector<float> out = Mixed(mixer, 10);
  EXPECT_FLOAT_EQ(out[0], 0.0f);
  EXPECT_EQ(ends->reasons, std::vector<TStreamEnd>{TStreamEnd::StopRequested});
  sound->Stop();  // already stopped: nothing more
  Mixed(mixer, 10);
  EXPECT_EQ(ends->reasons.size(), 1u);
}

TEST(Mixer, PauseKeepsThePosition) {
  TMixer mixer(kRate);
  auto sound = Constant(mixer, 1000, 0.5f);
  auto ends = LogEnds(*sound);
  sound->Play();
  Mixed(mixer, 300);
  sound->Pause();
  EXPECT_TRUE(sound->Paused());
  std::vector<float> out = Mixed(mixer, 300);
  EXPECT_FLOAT_EQ(out[0], 0.0f);
  EXPECT_EQ(sound->PositionMs(), 300);
  sound->Play();
  Mixed(mixer, 100);
  EXPECT_EQ(sound->PositionMs(), 400);
  EXPECT_TRUE(ends->reasons.empty());
}

TEST(Mixer, SeekLengthAndTagsComeFromTheSource) {
  TMixer mixer(kRate);
  auto sound = mixer.CreateSound(std::make_unique<TConstantSource>(kRate, 2, 2500, 0.5f, TAudioTags{"Tune", "Band"}));
  EXPECT_EQ(sound->LengthMs(), 2500);
  EXPECT_EQ(sound->Tags().title, "Tune");
  EXPECT_EQ(sound->Tags().artist, "Band");
  EXPECT_TRUE(sound->SeekMs(2000));
  sound->Play();
  Mixed(mixer, 100);
  EXPECT_EQ(sound->PositionMs(), 2100);
  EXPECT_TRUE(sound->SeekMs(99999));  // clamped to the end
  auto ends = LogEnds(*sound);
  Mixed(mixer, 10);
  EXPECT_EQ(ends->reasons, std::vector<TStreamEnd>{TStreamEnd::Reached});
}

TEST(Mixer, OtherRatesAreResampledToTheOutputRate) {
  TMixer mixer(44100);
  auto slow = mixer.CreateSound(std::make_unique<TConstantSource>(11025, 1, 11025, 0.5f));
  slow->Play();
  std::vector<float> out = Mixed(mixer, 44100 + 100);
  // One second of source lasts one second of output, at the same level.
  EXPECT_FLOAT_EQ(out[2 * 1000], 0.5f);
  EXPECT_FLOAT_EQ(out[2 * 44090], 0.5f);
  EXPECT_FLOAT_EQ(out[2 * 44100 + 20], 0.0f);
  EXPECT_FALSE(slow->Playing());
}

TEST(Mixer, CallbackMayControlSoundsAndDestroyedSoundsAreNeverCalled) {
  TMixer mixer(kRate);
  auto first = Constant(mixer, 10, 0.25f);
  auto second = Constant(mixer, 100, 0.5f);
  TSound* next = second.get();
  first->SetOnEnd([next](TStreamEnd) { next->Play(); });  // chains without deadlock
  first->Play();
  Mixed(mixer, 20);
  EXPECT_TRUE(second->Playing());

  bool called = false;
  second->SetOnEnd([&called](TStreamEnd) { called = true; });
  second->Stop();
  second.reset();
  Mixed(mixer, 20);
  EXPECT_FALSE(called);
}
