#include "startup/menu_music.h"

#include <gtest/gtest.h>

#include <memory>

#include "audio/music_test_fixture.h"
#include "support/test_data.h"
#include "window/menu_form.h"

namespace {

class MenuMusic : public TMusicTest {
 protected:
  TKIVForm m_form;
};

}  // namespace

TEST_F(MenuMusic, ControlBGMusicActsOnTheWindowsStartupSound) {
  m_form.StartupSound()->SetContent(ReadTestFile("audio/s3m/loser.s3m"));
  struct Step {
    TKIVBGMusicControl control;
    bool playing;
  };
  const Step steps[] = {{TKIVBGMusicControl::amcNone, false},          {TKIVBGMusicControl::amcPlayBGMusic, true},
                        {TKIVBGMusicControl::amcStopAndResume, true},   {TKIVBGMusicControl::amcNone, true},
                        {TKIVBGMusicControl::amcStopBGMusic, false},    {TKIVBGMusicControl::amcStopAndResume, false}};
  for (const Step& step : steps) {
    ControlBGMusic(m_sound, &m_form, step.control);
    EXPECT_EQ(PlayingKind(*m_form.StartupSound()) == TMusicKind::Module, step.playing);
  }
  for (bool loop : {false, true}) {
    m_form.SetLoop(loop);
    ControlBGMusic(m_sound, &m_form, TKIVBGMusicControl::amcPlayBGMusic);
    ASSERT_TRUE(Music());
    MixSeconds(30);  // the module is about 26 s long
    EXPECT_EQ(Music()->Playing(), loop);
  }
  ControlBGMusic(m_sound, &m_form, TKIVBGMusicControl::amcStopBGMusic);
  TComponent notAWindow;
  ControlBGMusic(m_sound, &notAWindow, TKIVBGMusicControl::amcPlayBGMusic);
  ControlBGMusic(m_sound, nullptr, TKIVBGMusicControl::amcPlayBGMusic);
  EXPECT_EQ(Music(), nullptr);
}

TEST_F(MenuMusic, StartUpAndActivationFollowTheWindowsSettings) {
  m_form.StartupSound()->SetContent(ReadTestFile("audio/ogg/title.ogg"));
  struct Case {
    bool autoPlay, autoMusic;
    bool afterStart, afterDeactivation, afterActivation;
  };
  const Case cases[] = {{true, false, true, true, true},
                        {false, false, false, false, false},
                        {true, true, true, false, true},
                        {false, true, false, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "AutoPlayMusic " << c.autoPlay << " AutoMusic " << c.autoMusic);
    StopAudioData(*m_form.StartupSound());
    m_form.SetAutoPlayMusic(c.autoPlay);
    m_form.SetAutoMusic(c.autoMusic);
    StartUpMusic(m_sound, m_form);
    EXPECT_EQ(Music() != nullptr, c.afterStart);
    MusicOnActivation(m_sound, m_form, false);
    EXPECT_EQ(Music() != nullptr, c.afterDeactivation);
    MixSeconds(0.5);
    MusicOnActivation(m_sound, m_form, true);
    EXPECT_EQ(Music() != nullptr, c.afterActivation);
    if (c.autoMusic) {
      EXPECT_EQ(Music()->PositionMs(), 0) << "from the beginning";
    }
  }
  // Stopped by an action, the music comes back with the next activation.
  m_form.SetAutoMusic(true);
  ControlBGMusic(m_sound, &m_form, TKIVBGMusicControl::amcStopBGMusic);
  MusicOnActivation(m_sound, m_form, false);
  MusicOnActivation(m_sound, m_form, true);
  EXPECT_TRUE(Music());
}

TEST_F(MenuMusic, FreeingTheWindowStopsItsMusic) {
  {
    auto form = std::make_unique<TKIVForm>();
    form->StartupSound()->SetContent(ReadTestFile("audio/xm/intro.xm"));
    PlayAudioData(m_sound, *form->StartupSound(), true);
    ASSERT_TRUE(Music());
  }
  EXPECT_EQ(Music(), nullptr);
}
