// The start-up sequence as a whole: fonts before the document, the document or the complete
// fallback window, the administrator refusal, run mode and the start page, centring, the
// launch program, the instance lock and shutdown; two sessions in one process apart.

#include "startup/menu_session.h"

#include <gtest/gtest.h>

#include "audio/music_player.h"
#include "startup/sound_on_demand.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "actions/recording_services.h"
#include "controls/action_control.h"
#include "document/container.h"
#include "document/text_form.h"
#include "support/driven_timer.h"
#include "support/test_data.h"
#include "window/thread_timer.h"
#include "window/window_host.h"

namespace fs = std::filesystem;

namespace {

class TRecordingHost : public TNullWindowHost {
 public:
  TPoint position{-100, -100};
  std::vector<std::string> messages;
  int hiddenFromTaskbar = 0;

  void SetPosition(int32_t l, int32_t t) override { position = {l, t}; }
  void HideFromTaskbar() override { ++hiddenFromTaskbar; }
  void ShowMessageBox(const std::string& title, const std::string& text, TMessageBoxIcon) override {
    messages.push_back(title + "|" + text);
  }
};

std::vector<uint8_t> Container(std::string_view text) {
  return WriteDocumentContainer(ObjectTextToBinary(text), {true, false, std::nullopt});
}

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

// A CD-like folder: the player as menu.exe (plain bytes unless given a container) with a
// FontData folder, and a recording system around it.
class MenuSession : public testing::Test {
 protected:
  void SetUp() override {
    m_folder = fs::path(testing::TempDir()) / ("session_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_folder);
    fs::create_directories(m_folder / "FontData");
    WriteBytes(m_folder / "FontData" / "menu.ttf", {0});
    WriteBytes(m_folder / "menu.exe", std::vector<uint8_t>(64, 0x90));
    m_system.executablePath = (m_folder / "menu.exe").string();
    m_system.addFontFile = [this](const std::string& path) { m_log.push_back("font " + fs::path(path).filename().string()); };
    m_system.removeAddedFonts = [this] { m_log.push_back("fonts removed"); };
    m_system.isAdministrator = [this] { return m_administrator; };
    m_system.runAndWait = [this](const std::string& file, const std::string& parameters, bool maximised, bool wait) {
      m_log.push_back("run " + file + " " + parameters + (maximised ? " maximised" : "") + (wait ? " wait" : ""));
    };
    m_system.lockFolder = m_folder.string();
    m_system.reportUnopenedDocument = [this](const std::string& message) { m_log.push_back("report " + message); };
  }

  std::unique_ptr<TMenuSession> Open(std::vector<std::string> arguments) {
    return std::make_unique<TMenuSession>(ParseCommandLine(arguments), m_system);
  }
  std::string Document(std::string_view text, const std::string& name = "menu.kiv") {
    WriteBytes(m_folder / name, Container(text));
    return (m_folder / name).string();
  }

  fs::path m_folder;
  TStartupSystem m_system;
  std::vector<std::string> m_log;
  bool m_administrator = true;
  TRecordingHost m_host;
};

void ExpectFallbackWindow(TfrmMain& window) {
  EXPECT_EQ(window.Caption(), "Telvo");
  EXPECT_EQ(window.Width(), 408);
  EXPECT_EQ(window.Height(), 327);
  EXPECT_TRUE(window.Controls().empty());
  EXPECT_TRUE(window.Components().empty());
}

TEST_F(MenuSession, FontsComeBeforeTheDocumentAndGoAtShutdown) {
  Document("object frmDesign: TfrmDesign\n  Caption = 'Beside'\nend\n");
  auto session = Open({});
  EXPECT_EQ(session->Load().status, TLoadStatus::Loaded);
  EXPECT_EQ(session->Document().path, (m_folder / "menu.kiv").string()) << "the sibling of menu.exe";
  EXPECT_EQ(session->Window().Caption(), "Beside");
  EXPECT_EQ(m_log, (std::vector<std::string>{"font menu.ttf"}));
  session->Shutdown();
  session->Shutdown();
  EXPECT_EQ(m_log, (std::vector<std::string>{"font menu.ttf", "fonts removed"}));
}

TEST_F(MenuSession, FontsComeFromTheFolderOfTheDocument) {
  // Played as "telvo /media/cdrom/menu.kiv": the player lies elsewhere, the fonts beside the menu.
  const fs::path medium = m_folder / "cdrom";
  fs::create_directories(medium / "FontData");
  WriteBytes(medium / "FontData" / "title.otf", {0});
  auto session = Open({Document("object frmDesign: TfrmDesign\nend\n", "cdrom/menu.kiv")});
  EXPECT_EQ(session->Load().status, TLoadStatus::Loaded);
  EXPECT_EQ(session->Fonts(), (std::vector<std::string>{(medium / "FontData" / "title.otf").string()}));
  EXPECT_EQ(m_log, (std::vector<std::string>{"font title.otf"}));

  // A document named by a relative path finds the FontData folder beside it too.
  const fs::path working = fs::current_path();
  fs::current_path(m_folder);
  auto relative = Open({"cdrom/menu.kiv"});
  fs::current_path(working);
  EXPECT_EQ(relative->Fonts().size(), 1u);
}

TEST_F(MenuSession, ContainerAppendedToTheExecutableWinsOverTheSibling) {
  Document("object frmDesign: TfrmDesign\n  Caption = 'Beside'\nend\n");
  WriteBytes(m_folder / "menu.exe", AppendContainer(std::vector<uint8_t>(64, 0x90),
                                                    Container("object frmDesign: TfrmDesign\n  Caption = 'Inside'\nend\n"),
                                                    kTagNewSaFlag));
  auto session = Open({"-p"});
  EXPECT_TRUE(session->Document().appended);
  EXPECT_EQ(session->Window().Caption(), "Inside");

  // A document named on the command line wins over both.
  auto named = Open({Document("object frmDesign: TfrmDesign\n  Caption = 'Named'\nend\n", "other.kiv")});
  EXPECT_FALSE(named->Document().appended);
  EXPECT_EQ(named->Window().Caption(), "Named");

  // A menu executable named by hand is read from its appended container.
  fs::copy_file(m_folder / "menu.exe", m_folder / "given.exe");
  auto given = Open({(m_folder / "given.exe").string()});
  EXPECT_EQ(given->Window().Caption(), "Inside");
}

TEST_F(MenuSession, NoTrailerAndNoSiblingIsTheFallbackWindow) {
  auto session = Open({});
  EXPECT_EQ(session->Load().status, TLoadStatus::FileMissing);
  EXPECT_EQ(session->Document().path, (m_folder / "menu.kiv").string());
  ExpectFallbackWindow(session->Window());
  EXPECT_EQ(m_log, (std::vector<std::string>{"font menu.ttf"})) << "a missing sibling is not reported";
}

TEST_F(MenuSession, TrailerPointingOutsideTheFileIsTheFallbackWindowNotTheSibling) {
  Document("object frmDesign: TfrmDesign\n  Caption = 'Beside'\nend\n");
  for (std::string_view tag : {kTagNewSaFlag, kTagStandalone}) {
    SCOPED_TRACE(tag);
    std::vector<uint8_t> executable(64, 0x90);
    for (uint8_t b : {0x00, 0x10, 0x00, 0x00}) executable.push_back(b);  // 4096, beyond the 78 bytes
    executable.insert(executable.end(), tag.begin(), tag.end());
    WriteBytes(m_folder / "menu.exe", executable);
    auto session = Open({});
    EXPECT_TRUE(session->Document().appended);
    EXPECT_EQ(session->Load().status, TLoadStatus::NoDocument);
    ExpectFallbackWindow(session->Window());
  }
}

TEST_F(MenuSession, ADocumentNamedOnTheCommandLineThatCannotBeOpenedIsReported) {
  auto session = Open({(m_folder / "missing.kiv").string()});
  ExpectFallbackWindow(session->Window());
  EXPECT_EQ(m_log, (std::vector<std::string>{
                       "font menu.ttf", "report cannot open \"" + (m_folder / "missing.kiv").string() +
                                            "\": no such file or directory"}));
  m_log.clear();
  auto folder = Open({m_folder.string()});
  EXPECT_EQ(m_log, (std::vector<std::string>{"report cannot open \"" + m_folder.string() + "\": is a directory"}));
}

TEST_F(MenuSession, AnyFailureGivesTheCompleteFallbackWindow) {
  const std::string broken = Document(R"(object frmDesign: TfrmDesign
  Caption = 'Half'
  object Button1: TKIVButton
    Caption = 'read'
  end
  object Button2: TKIVButton
    Style = absNoSuchStyle
  end
end
)");
  std::vector<uint8_t> truncated = Container("object frmDesign: TfrmDesign\n  Caption = 'Cut'\nend\n");
  truncated.resize(truncated.size() - 6);
  WriteBytes(m_folder / "truncated.kiv", truncated);
  WriteBytes(m_folder / "nomagic.kiv", {'n', 'o', 't', ' ', 'a', ' ', 'm', 'e', 'n', 'u'});
  const std::pair<std::string, TLoadStatus> cases[] = {
      {broken, TLoadStatus::Failed},
      {(m_folder / "truncated.kiv").string(), TLoadStatus::Failed},
      {(m_folder / "nomagic.kiv").string(), TLoadStatus::NoDocument},
      {(m_folder / "missing.kiv").string(), TLoadStatus::FileMissing},
      {m_folder.string(), TLoadStatus::FileMissing},
  };
  for (const auto& [path, status] : cases) {
    SCOPED_TRACE(path);
    auto session = Open({path});
    EXPECT_EQ(session->Load().status, status);
    ExpectFallbackWindow(session->Window());
    EXPECT_EQ(session->Start(&m_host), TMenuSession::TStartResult::Run);
  }
}

TEST_F(MenuSession, AdminOnlyRefusesWithTheMessage) {
  struct TCase {
    std::string adminMsg;
    bool administrator;
    std::vector<std::string> messages;
  };
  const TCase cases[] = {
      {"", false, {"Locked|You need the administrative privilege to launch this CD."}},
      {"'Ask\\nsomeone'", false, {"Locked|Ask\nsomeone"}},
      {"'Ask'", true, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.adminMsg);
    m_administrator = c.administrator;
    m_host.messages.clear();
    std::string text = "object frmDesign: TfrmDesign\n  Caption = 'Locked'\n  AdminOnly = True\n";
    if (!c.adminMsg.empty()) text += "  AdminMsg = " + c.adminMsg + "\n";
    auto session = Open({Document(text + "end\n")});
    EXPECT_EQ(session->Start(&m_host),
              c.administrator ? TMenuSession::TStartResult::Run : TMenuSession::TStartResult::Abort);
    EXPECT_EQ(m_host.messages, c.messages);
  }
}

TEST_F(MenuSession, AMusicPlayerWhoseAudioModuleDoesNotLoadIsAWarningAndStaysSilent) {
  m_system.sound = std::make_shared<TSoundOnDemand>((m_folder / "no-modules").string(), nullptr);
  const std::string player = "object frmDesign: TfrmDesign\n  Caption = 'Jukebox'\n"
                             "  object Player: TKIVAudierePlayer\n    AutoPlay = True\n"
                             "    PlayList.Strings = (\n      'song.ogg')\n  end\nend\n";
  auto session = Open({Document(player)});
  EXPECT_EQ(session->Start(&m_host), TMenuSession::TStartResult::Run);
  EXPECT_EQ(m_host.messages, std::vector<std::string>{"Jukebox|Can not load audiere.dll, music player control may not work."});
  session->BeforeShow();
  auto* control = dynamic_cast<TKIVAudierePlayer*>(session->Window().FindComponent("Player"));
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->Engine().PlayList().Count(), 1u);
  EXPECT_FALSE(control->Engine().Usable());
  EXPECT_EQ(control->Engine().Status(), TPlayerStatus::Stopped);

  // Without a player, no warning.
  m_host.messages.clear();
  auto plain = Open({Document("object frmDesign: TfrmDesign\nend\n", "plain.kiv")});
  plain->Start(&m_host);
  EXPECT_TRUE(m_host.messages.empty());
}

TEST_F(MenuSession, RunModeStartPageAndCentring) {
  const std::string menu = Document(R"(object frmDesign: TfrmDesign
  ClientWidth = 400
  ClientHeight = 300
  DesignMode = True
  StartupPage = 2
  HideTaskBar = True
  Pages.Strings = ('Intro' 'Main' 'Extras')
end
)");
  struct TCase {
    std::vector<std::string> arguments;
    int32_t page;
  };
  const TCase cases[] = {{{menu}, 2}, {{menu, "-p", "MAIN"}, 1}, {{"-p", "extras", menu}, 2}, {{menu, "-p", "Nope"}, 2}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    auto session = Open(c.arguments);
    ASSERT_EQ(session->Start(&m_host), TMenuSession::TStartResult::Run);
    TfrmMain& window = session->Window();
    EXPECT_FALSE(window.DesignMode());
    EXPECT_EQ(window.ActivePage(), c.page);
    EXPECT_EQ(m_host.position, (TPoint{(1920 - 406) / 2, (1080 - 325) / 2})) << "outer size, single fixed frame";
    EXPECT_EQ(window.BorderIcons() & biMinimize, 0u);
  }
  EXPECT_EQ(m_host.hiddenFromTaskbar, 4);
}

// A thread timer stored in the document ticks once the menu runs, through the session's
// dispatcher; before the start nothing ticks.
TEST_F(MenuSession, TheDocumentsThreadTimerTicksOnceTheMenuRuns) {
  auto ticks = std::make_shared<telvo_test::TQueueDispatcher>();
  m_system.tickDispatcher = ticks;
  auto session = Open({Document("object frmDesign: TfrmDesign\n  DesignMode = True\n"
                                "  object Pacer: TKIVThreadTimer\n    Enabled = True\n    Interval = 5\n"
                                "    OnTimer = FormResize\n  end\nend\n")});
  ASSERT_EQ(session->Load().status, TLoadStatus::Loaded);
  auto* timer = dynamic_cast<TKIVThreadTimer*>(session->Window().FindComponent("Pacer"));
  ASSERT_NE(timer, nullptr);
  int ticked = 0;
  timer->SetOnTimer([&] { ++ticked; });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(ticks->Queued(), 0u) << "a document being read does not tick";
  ASSERT_EQ(session->Start(&m_host), TMenuSession::TStartResult::Run);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(ticks->RunNext()) << "tick " << i;
  EXPECT_EQ(ticked, 3);
}

TEST_F(MenuSession, FullScreenIsNotCentred) {
  auto session = Open({Document("object frmDesign: TfrmDesign\n  WindowStyle = awsFullScreen\n  DesignMode = True\nend\n")});
  session->Start(&m_host);
  EXPECT_EQ(m_host.position, (TPoint{-1, -1}));
}

TEST_F(MenuSession, LaunchProgramWaitAndLaunchOnly) {
  struct TCase {
    std::string settings;
    std::vector<std::string> runs;
    TMenuSession::TStartResult result;
  };
  const TCase cases[] = {
      {"LaunchOnly = True", {}, TMenuSession::TStartResult::Run},
      {"LaunchApp = 'setup.exe'\n  LaunchParam = '/s'\n  LaunchWait = True\n  LaunchMax = True",
       {"run setup.exe /s maximised wait"},
       TMenuSession::TStartResult::Run},
      {"LaunchApp = 'setup.exe'\n  LaunchWait = True\n  LaunchOnly = True", {"run setup.exe "}, TMenuSession::TStartResult::Abort},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.settings);
    auto session = Open({Document("object frmDesign: TfrmDesign\n  " + c.settings + "\nend\n")});
    m_log.clear();
    EXPECT_EQ(session->Launch(), c.result);
    EXPECT_EQ(m_log, c.runs);
  }
}

TEST_F(MenuSession, InstanceLockFromBeforeShowToShutdown) {
  auto session = Open({});
  EXPECT_FALSE(session->Lock().has_value());
  session->BeforeShow();
  ASSERT_TRUE(session->Lock().has_value());
  const std::string path = session->Lock()->Path();
  EXPECT_TRUE(fs::exists(path));
  session->Shutdown();
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(MenuSession, EndScreenFollowsTheSplashSettingsWhenAsked) {
  const std::vector<uint8_t> picture = ReadTestFile("bmp/4bit-pat4.bmp");
  struct TCase {
    bool sameAsSplash, showSplash, showEndScreen;
    const char* shown;  // "splash", "end" or nothing
  };
  const TCase cases[] = {{true, false, true, nullptr},
                         {true, true, false, "splash"},
                         {false, true, true, "end"},
                         {false, true, false, nullptr}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.sameAsSplash << c.showSplash << c.showEndScreen);
    auto session = Open({});
    TfrmMain& window = session->Window();
    window.Splash()->SetGraphic(TPictureFormat::Bitmap, picture);
    window.EndScreen()->SetGraphic(TPictureFormat::Bitmap, picture);
    window.SetEndScreenSameAsSplash(c.sameAsSplash);
    window.SetShowSplash(c.showSplash);
    window.SetShowEndScreen(c.showEndScreen);
    const TPicture* shown = nullptr;
    session->Shutdown([&](const TSplashRequest& request) { shown = request.picture; });
    EXPECT_EQ(shown, c.shown == nullptr ? nullptr
                     : std::string(c.shown) == "splash" ? window.Splash()
                                                        : window.EndScreen());
  }
}

TEST_F(MenuSession, SplashShowsOnlyAPictureThatDecodes) {
  auto session = Open({});
  TfrmMain& window = session->Window();
  window.SetShowSplash(true);
  int shown = 0;
  auto count = [&](const TSplashRequest&) { ++shown; };
  window.Splash()->SetGraphic(TPictureFormat::Jpeg, {0xFF, 0xD8, 0xFF, 0xE0, 0x00});
  session->Splash(count);
  EXPECT_EQ(shown, 0) << "a damaged picture shows no splash";
  window.Splash()->SetGraphic(TPictureFormat::Bitmap, ReadTestFile("bmp/4bit-pat4.bmp"));
  session->Splash(count);
  EXPECT_EQ(shown, 1);
}

}  // namespace

// Two menus in one process, each from its own medium with its own translation: a click on
// either expands %CDROM% to its own folder and shows its own failure text, whichever was read
// last, and each session launches from its own folder.
TEST_F(MenuSession, TwoSessionsKeepTheirOwnTextsAndMacros) {
  struct TMenu {
    explicit TMenu(std::string name) : folder(std::move(name)) {}
    std::string folder;
    std::unique_ptr<TMenuSession> session;
    TRecordingServices services;
    std::optional<TServicesBinding> binding;
  };
  TMenu menus[2] = {TMenu("first"), TMenu("second")};
  for (TMenu& menu : menus) {
    fs::create_directories(m_folder / menu.folder);
    menu.session = Open({Document("object frmDesign: TfrmDesign\n"
                                  "  LaunchApp = '%CDROM%\\setup.exe'\n"
                                  "  TextTranslation.ActionCannotOpen = '" + menu.folder + ": no %s.'\n"
                                  "  object Setup: TKIVButton\n"
                                  "    ActionType = aatRunProgram\n"
                                  "    Parameter = '%CDROM%\\setup.exe'\n"
                                  "  end\n"
                                  "end\n",
                                  menu.folder + "/menu.kiv")});
    ASSERT_EQ(menu.session->Load().status, TLoadStatus::Loaded);
    menu.services.shellResult = 2;
    menu.binding.emplace(menu.session->Window().Context(), menu.services.All());
  }
  for (TMenu& menu : menus) {
    SCOPED_TRACE(menu.folder);
    const std::string medium = (m_folder / menu.folder).string();
    const std::string setup = medium + "\\setup.exe";
    dynamic_cast<TKIVActionControl&>(*menu.session->Window().FindComponent("Setup")).Click();
    EXPECT_EQ(menu.services.log,
              (std::vector<std::string>{"music 0", "shell open|" + setup + "||" + medium + "|0",
                                        "message " + menu.folder + ": no " + setup + ". The file or path doesn't exist."}));
    m_log.clear();
    menu.session->Launch();
    EXPECT_EQ(m_log, std::vector<std::string>{"run " + setup + " "});
  }
}
