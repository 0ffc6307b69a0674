// The media module's player with a real file: a WAVE file plays to its end, through an audio
// output even where the machine has no sound device.

#include <gtest/gtest.h>

#include <QWidget>

#include "modules/module_loader.h"
#include "support/test_application.h"
#include "support/test_data.h"
#include "viewers/media_component.h"

TEST(MediaModule, AWaveFilePlaysToItsEndAndTheListStops) {
  std::string notInstalled;
  const TMediaComponent::TFactory* factory = LoadModuleInterface<TMediaComponent>(TELVO_MODULE_DIR, notInstalled);
  ASSERT_NE(factory, nullptr) << notInstalled;
  QWidget window;
  std::unique_ptr<TMediaComponent> media = factory->create(&window);
  int ended = 0;
  media->SetEndedHandler([&] { ++ended; });
  media->SetSources({TestDataPath("audio/wav/tinkalink2-16bit-stereo.wav")});
  media->Play();
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([&] { return ended > 0; }, 20000));
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(media->State(), TMediaComponent::TState::Stopped);
}
