// The tests of controls with Qt widget components run with the player's real modules from the
// build tree, on Qt's offscreen platform, in a process prepared for the web engine as the player
// prepares itself: before the application object exists.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "modules/module_loader.h"
#include "support/test_application.h"
#include "viewers/web_component.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  setenv("TELVO_MODULE_DIR", TELVO_MODULE_DIR, 1);
  std::string notInstalled;
  const TWebComponent::TFactory* web = LoadModuleInterface<TWebComponent>(TELVO_MODULE_DIR, notInstalled);
  if (!web) {
    std::cerr << "the web module does not load: " << notInstalled << "\n";
    return 1;
  }
  TWebComponent::TProcessSetup setup;
  setup.sandbox = geteuid() != 0;
  web->prepareProcess(setup);
  telvo_test::TestApplication("offscreen");
  const int result = RUN_ALL_TESTS();
  telvo_test::RunProcessEndActions();
  return result;
}
