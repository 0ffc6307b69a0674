// The run's sound through the audio module: what happens when the module is not installed, and
// which menus count as making sound (they load the module once their first frame is shown).

#include "startup/sound_on_demand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "document/byte_source.h"
#include "document/component_reader.h"
#include "document/stream_input.h"
#include "document/text_form.h"
#include "startup/main_window.h"
#include "support/menu_registry.h"
#include "support/test_data.h"

TEST(SoundOnDemand, WithoutTheModuleEverySoundIsSilentAndTheReasonToldOnce) {
  std::vector<std::string> told;
  TSoundOnDemand sound((std::filesystem::path(testing::TempDir()) / "no such module folder").string(),
                       [&told](const std::string& reason) { told.push_back(reason); });
  sound.StopMusic();
  sound.StopWave();
  EXPECT_TRUE(told.empty()) << "stopping what never played loads nothing";

  const std::vector<uint8_t> wave = ReadTestFile("audio/wav/chink-16bit-mono.wav");
  sound.PlayWave(wave);
  sound.PlayWaveAndWait(wave);
  sound.PlayMusic(wave, true, 1);
  sound.PrepareMidi();
  EXPECT_EQ(sound.PlayMidiFile(TestDataPath("audio/midi/coconut_run2.mid"), false), nullptr);
  sound.StopMusic();
  EXPECT_FALSE(sound.Open());
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(told[0].starts_with("the audio module is not installed (")) << told[0];
  EXPECT_TRUE(told[0].ends_with("); the menu plays without sound")) << told[0];
}

TEST(SoundOnDemand, AMenuMakesSoundWithAStoredSoundOrAMusicPlayer) {
  struct Case {
    const char* name;
    const char* body;  // between the window's first line and its end
    bool makesSound;
  };
  const Case cases[] = {
      {"nothing", "", false},
      {"empty sounds", "  object B: TKIVButton\n    MouseClickSound.Data = {00000000}\n  end\n", false},
      {"start-up music", "  StartupSound.Data = {0400000052494646}\n", true},
      {"common sound", "  CommonMouseEnterSound.Data = {0400000052494646}\n", true},
      {"a control's sound", "  object B: TKIVButton\n    MouseClickSound.Data = {0400000052494646}\n  end\n", true},
      {"a music player", "  object P: TKIVAudierePlayer\n  end\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TComponent application;
    TfrmMain* window = CreateMainWindow(application);
    const std::vector<uint8_t> stream =
        ObjectTextToBinary(std::string("object frmDesign: TfrmDesign\n") + c.body + "end\n");
    TMemorySource source(stream);
    TStreamInput input(source);
    ReadRootComponent(input, *window, MenuRegistry());
    EXPECT_EQ(MenuMakesSound(*window), c.makesSound);
  }
}
