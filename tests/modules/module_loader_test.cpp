// Loading modules: the test modules (fixtures/, built beside this test in TELVO_TEST_MODULE_DIR)
// and the player's own audio module (TELVO_MODULE_DIR). Whatever is wrong with a module, the
// loader answers "not installed" with a reason and the process goes on.

#include "modules/module_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "answer_interface.h"
#include "audio/sound_system.h"
#include "support/test_data.h"

namespace fs = std::filesystem;

namespace {

// A folder with one file, name.so, holding text instead of a library.
std::string FolderWithNonLibrary(const std::string& name) {
  const fs::path folder = fs::path(testing::TempDir()) / "module_loader_non_library";
  fs::create_directories(folder);
  std::ofstream(folder / (name + ".so")) << "not a shared library\n";
  return folder.string();
}

}  // namespace

TEST(ModuleLoader, AModuleServingTheInterfaceGivesItsFactory) {
  std::string notInstalled = "not asked yet";
  const TAnswerInterface::TFactory* factory = LoadModuleInterface<TAnswerInterface>(TELVO_TEST_MODULE_DIR, notInstalled);
  ASSERT_NE(factory, nullptr) << notInstalled;
  EXPECT_EQ(factory->answer(), 42);
  EXPECT_EQ(notInstalled, "");
  EXPECT_EQ(LoadModuleInterface<TAnswerInterface>(TELVO_TEST_MODULE_DIR, notInstalled), factory) << "loaded once";
}

TEST(ModuleLoader, AnythingElseIsNotInstalledWithItsReason) {
  struct Case {
    const char* name;
    std::string folder;
    std::string module;
    std::string interfaceName;
    uint32_t version;
    std::string reason;  // part of what the loader says
  };
  const std::string modules = TELVO_TEST_MODULE_DIR;
  const Case cases[] = {
      {"absent file", modules, "absent", "TAnswerInterface", 1, "absent.so: cannot open shared object file"},
      {"no folder known", "", "answer", "TAnswerInterface", 1, "folder of the player's modules is unknown"},
      {"not a library", FolderWithNonLibrary("answer"), "answer", "TAnswerInterface", 1, "answer.so"},
      {"library without the entry", modules, "no_entry", "TAnswerInterface", 1, "no TelvoModuleEntry"},
      {"another interface version", modules, "answer_v2", "TAnswerInterface", 1,
       "serves TAnswerInterface version 2, this player needs TAnswerInterface version 1"},
      {"another interface", modules, "answer", "TSoundSystem", 1,
       "serves TAnswerInterface version 1, this player needs TSoundSystem version 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TModuleLoad load = LoadModule(c.folder, c.module, c.interfaceName, c.version);
    EXPECT_EQ(load.factory, nullptr);
    EXPECT_NE(load.notInstalled.find(c.reason), std::string::npos) << load.notInstalled;
  }
}

// The player's audio module opens a sound system that plays: SDL's disk driver writes what it
// hears to a file.
TEST(ModuleLoader, TheAudioModuleOpensASoundSystemThatPlays) {
  const fs::path output = fs::path(testing::TempDir()) / "module_loader_disk_output.raw";
  fs::remove(output);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  setenv("SDL_DISKAUDIODELAY", "0", 1);
  std::string notInstalled;
  const TSoundSystem::TFactory* factory = LoadModuleInterface<TSoundSystem>(TELVO_MODULE_DIR, notInstalled);
  ASSERT_NE(factory, nullptr) << notInstalled;
  {
    std::shared_ptr<TSoundSystem> sound = factory->open();
    ASSERT_NE(sound, nullptr);
    sound->PlayWaveAndWait(ReadTestFile("audio/wav/chink-16bit-mono.wav"));
  }
  std::ifstream in(output, std::ios::binary);
  std::vector<float> written(fs::exists(output) ? fs::file_size(output) / sizeof(float) : 0);
  in.read(reinterpret_cast<char*>(written.data()), static_cast<std::streamsize>(written.size() * sizeof(float)));
  EXPECT_TRUE(std::any_of(written.begin(), written.end(), [](float sample) { return sample != 0.0f; }))
      << "nothing audible reached the device";
}
