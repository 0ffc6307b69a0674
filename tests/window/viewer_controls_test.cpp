// The viewer controls' own rules, driven through stand-in components: the web browser's bar
// layouts, navigation and kiv links, the media player's going live, showing and pausing, what
// the PDF viewer agrees to load, and the commands other controls send them.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "controls/action_control.h"
#include "startup/control_commands.h"
#include "support/gui_application.h"
#include "viewers/media_player.h"
#include "viewers/pdf_viewer.h"
#include "viewers/web_browser.h"
#include "window/window_test_support.h"

namespace fs = std::filesystem;

namespace {

class TFakeWeb final : public TWebComponent {
 public:
  explicit TFakeWeb(TEvents events) : events(std::move(events)) {}
  void Place(const TRect& r, bool s) override { rect = r, shown = s; }
  void Render(QPainter&) override {}
  void Navigate(const std::string& address) override { navigations.push_back(address); }
  void GoBack() override { calls.push_back("back"); }
  void GoForward() override { calls.push_back("forward"); }
  void Stop() override {}
  void Refresh() override {}
  std::string LocationURL() const override { return "file:///shown.html"; }
  void SetLayout(const TWebBrowserLayout& l) override { layout = l; }
  void SetBackEnabled(bool) override {}
  void SetForwardEnabled(bool) override {}
  void SetAddressText(const std::string& text) override { address = text; }
  void SetShowMenu(bool) override {}
  void RunLater(std::function<void()> work) override { later.push_back(std::move(work)); }
  void Settle(std::chrono::steady_clock::time_point) override {}

  TEvents events;
  TRect rect;
  bool shown = false;
  TWebBrowserLayout layout;
  std::vector<std::string> navigations, calls;
  std::string address;
  std::vector<std::function<void()>> later;
};

class TFakeMedia final : public TMediaComponent {
 public:
  void Place(const TRect&, bool) override {}
  void Render(QPainter&) override {}
  void SetSources(std::vector<std::string> s) override {
    sources = std::move(s);
    state = TState::Stopped;
  }
  void Play() override {
    ++plays;
    state = TState::Playing;
  }
  void Pause() override { state = TState::Paused; }
  void Stop() override { state = TState::Stopped; }
  TState State() const override { return state; }
  void SetPlayCount(int count) override { playCount = count; }
  void SetBar(TBar b) override { bar = b; }
  void SetStretchToFit(bool) override {}
  void SetContextMenu(bool) override {}
  void SetFullScreen(bool) override {}
  void SetEndedHandler(std::function<void()>) override {}

  std::vector<std::string> sources;
  TState state = TState::Stopped;
  int plays = 0;
  int playCount = 0;
  TBar bar = TBar::None;
};

class TFakePdf final : public TPdfComponent {
 public:
  void Place(const TRect&, bool) override {}
  void Render(QPainter&) override {}
  bool Load(std::vector<uint8_t> bytes) override {
    ++loads;
    return std::string(bytes.begin(), bytes.end()).starts_with("%PDF");
  }
  void SetShowToolbar(bool) override {}
  void SetCoverVisible(bool visible) override { cover = visible; }
  void GotoFirstPage() override {}
  void PrintWithDialog() override {}
  int loads = 0;
  bool cover = true;
};

// A menu folder with its %CDROM% set.
struct TMenuFolder {
  fs::path folder = fs::path(testing::TempDir()) /
                    ("viewer_controls_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  TMenuFolder() {
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(folder / name, std::ios::binary) << text;
  }
  void Use(TTestMenu& menu) const { menu->Context().macroValues.cdrom = folder.string(); }
};

}  // namespace

TEST(WebBrowserLayout, PlacesTheBarAndTheViewPerStyle) {
  using S = TKIVWebBrowserControlBarStyle;
  struct TCase {
    S style;
    TWebBrowserLayout expected;
  };
  const TCase cases[] = {
      {S::awbFull,
       {TRect::FromSize(0, 0, 21, 21), TRect::FromSize(21, 0, 21, 21), TRect::FromSize(43, 0, 240, 21),
        TRect::FromSize(284, 0, 21, 21), TRect::FromSize(0, 22, 305, 163)}},
      {S::awbMini,
       {std::nullopt, std::nullopt, TRect::FromSize(0, 0, 283, 21), TRect::FromSize(284, 0, 21, 21),
        TRect::FromSize(0, 22, 305, 163)}},
      {S::awbNone, {std::nullopt, std::nullopt, std::nullopt, std::nullopt, TRect::FromSize(0, 0, 305, 185)}},
  };
  for (const TCase& c : cases) EXPECT_EQ(LayOutWebBrowser(c.style, 305, 185, 21), c.expected);
  EnsureGuiApplication();
  EXPECT_EQ(TKIVWebBrowser::AddressBoxHeight(), 21) << "a Windows edit's height for Tahoma 8";
}

TEST(WebBrowserControl, NavigatesWithMacrosAndCatchesKivLinksForLater) {
  EnsureGuiApplication();
  TMenuFolder cd;
  TTestMenu menu{R"(object frmDesign: TfrmDesign
  Pages.Strings = ('Start' 'Main Page')
  PageCount = 1
  object Browser: TKIVWebBrowser
    Left = 10
    Top = 20
    Width = 305
    Height = 185
    URL = '%CDROM%\Docs\Index.HTM'
    ControlBarStyle = awbMini
  end
end
)"};
  cd.Use(menu);
  fs::create_directories(cd.folder / "docs");
  cd.Write("docs/index.htm", "<p>");
  auto& browser = static_cast<TKIVWebBrowser&>(menu.Control("Browser"));
  TFakeWeb* web = nullptr;
  {
    auto component = std::make_unique<TFakeWeb>(browser.ComponentEvents());
    web = component.get();
    browser.AttachComponent(std::move(component));
  }
  EXPECT_EQ(web->rect, TRect::FromSize(10, 20, 305, 185));
  EXPECT_FALSE(web->layout.back.has_value()) << "mini bar";
  ASSERT_EQ(web->navigations.size(), 1u);
  EXPECT_EQ(web->navigations[0], (cd.folder / "docs" / "index.htm").string()) << "macros, then the Linux file";

  browser.Navigate("   ");
  browser.SetURL("https://example.org/%CDROM%");
  EXPECT_EQ(web->navigations[1], "about:blank");
  EXPECT_EQ(web->navigations[2], "https://example.org/" + cd.folder.string());
  EXPECT_EQ(browser.URL(), "https://example.org/%CDROM%") << "the stored URL keeps its macro";
  ASSERT_EQ(mkfifo((cd.folder / "pipe.htm").c_str(), 0600), 0);
  browser.Navigate("%CDROM%\\pipe.htm");
  EXPECT_EQ(web->navigations.size(), 3u) << "a FIFO is not handed to the engine";

  // A kiv link is cancelled at once and runs only after the engine's callback.
  EXPECT_FALSE(web->events.beforeNavigate("https://example.org/", "file:///cd/docs/index.htm"));
  EXPECT_TRUE(web->events.beforeNavigate("kiv://page/main%20page/", "file:///cd/docs/index.htm"));
  EXPECT_EQ(menu->ActivePage(), 0);
  ASSERT_EQ(web->later.size(), 1u);
  web->later[0]();
  EXPECT_EQ(menu->ActivePage(), 1);
  EXPECT_TRUE(web->events.beforeNavigate("KIV:///nothing", "")) << "an empty verb is cancelled and runs nothing";
  EXPECT_EQ(web->later.size(), 1u);
  // A page from the network has its kiv links cancelled and run nothing.
  EXPECT_TRUE(web->events.beforeNavigate("kiv://page/start", "https://example.org/"));
  ASSERT_EQ(web->later.size(), 2u);
  web->later[1]();
  EXPECT_EQ(menu->ActivePage(), 1);

  // Back and forward follow the engine's history; a finished page shows its address.
  web->events.historyChanged(false, true);
  browser.GoBack();
  browser.GoForward();
  EXPECT_EQ(web->calls, std::vector<std::string>{"forward"});
  web->events.documentComplete();
  EXPECT_EQ(web->address, "file:///shown.html");
  web->events.go("  ");
  web->events.go("%CDROM%\\docs\\index.htm");
  ASSERT_EQ(web->navigations.size(), 4u);
  EXPECT_EQ(web->navigations[3], web->navigations[0]) << "go and Enter expand the address box's text";
}

TEST(MediaPlayerControl, StartsWhenItFirstShowsAndPausesWhileHidden) {
  EnsureGuiApplication();
  TMenuFolder cd;
  cd.Write("Clip.wav", "RIFF");
  TTestMenu menu{R"(object frmDesign: TfrmDesign
  DesignMode = True
  object Waiting: TKIVMediaPlayer
    DesignMode = True
    Tag = 1
    URL = '%CDROM%\CLIP.WAV'
    AutoStart = True
    AutoPause = True
  end
  object AtOnce: TKIVMediaPlayer
    DesignMode = True
    URL = '%CDROM%\clip.wav'
    AutoStart = True
    AutoStartWhenShowing = False
    AutoRewind = True
    ControlBarStyle = ambMini
  end
  object Missing: TKIVMediaPlayer
    DesignMode = True
    URL = '%CDROM%\none.wav'
    AutoStart = True
    AutoStartWhenShowing = False
  end
end
)"};
  cd.Use(menu);
  auto attach = [&](const char* name) {
    auto component = std::make_unique<TFakeMedia>();
    TFakeMedia* media = component.get();
    static_cast<TKIVMediaPlayer&>(menu.Control(name)).AttachComponent(std::move(component));
    return media;
  };
  TFakeMedia* waiting = attach("Waiting");
  TFakeMedia* atOnce = attach("AtOnce");
  TFakeMedia* missing = attach("Missing");
  EXPECT_TRUE(waiting->sources.empty()) << "nothing loads in design mode";
  EXPECT_EQ(atOnce->bar, TMediaComponent::TBar::Mini);
  EXPECT_EQ(atOnce->playCount, 1);

  menu->SetDesignMode(false);
  menu->SetActivePage(0);
  EXPECT_EQ(atOnce->sources, std::vector<std::string>{(cd.folder / "Clip.wav").string()});
  EXPECT_EQ(atOnce->plays, 1);
  EXPECT_EQ(atOnce->playCount, 999) << "AutoRewind";
  EXPECT_TRUE(missing->sources.empty()) << "a missing file plays nothing";
  EXPECT_EQ(waiting->plays, 0) << "its page is not shown";

  menu->SetActivePage(1);
  EXPECT_EQ(waiting->plays, 1);
  menu->SetActivePage(0);
  EXPECT_EQ(waiting->state, TMediaComponent::TState::Paused) << "AutoPause";
  menu->SetActivePage(1);
  EXPECT_EQ(waiting->state, TMediaComponent::TState::Playing);
  EXPECT_EQ(waiting->plays, 2) << "resumed, not started a second time by AutoStart";
}

TEST(MediaPlayerControl, AStillPlayerNeverPlaysAndTheAudioCdNeedsAnOpticalDrive) {
  EnsureGuiApplication();
  TTestMenu menu{R"(object frmDesign: TfrmDesign
  object Cd: TKIVMediaPlayer
    URL = '[audio cd]'
    AutoStart = True
    AutoStartWhenShowing = False
  end
end
)"};
  menu->Context().macroValues.cdrom = testing::TempDir();
  auto& player = static_cast<TKIVMediaPlayer&>(menu.Control("Cd"));
  player.KeepStill();
  auto component = std::make_unique<TFakeMedia>();
  TFakeMedia* media = component.get();
  player.AttachComponent(std::move(component));
  menu->SetDesignMode(false);
  EXPECT_TRUE(media->sources.empty()) << "the menu's folder is on no optical drive";
  player.PlayMedia();
  EXPECT_EQ(media->plays, 0);
}

TEST(PdfViewerControl, LoadsOnlyRegularPdfFilesAndCoversWhatIsNotLoaded) {
  EnsureGuiApplication();
  TMenuFolder cd;
  cd.Write("Manual.PDF", "%PDF-1.4");
  cd.Write("notes.txt", "%PDF-1.4");
  ASSERT_EQ(mkfifo((cd.folder / "pipe.pdf").c_str(), 0600), 0);
  TTestMenu menu{R"(object frmDesign: TfrmDesign
  object Pdf: TKIVPDFViewer
    FileName = '%CDROM%\manual.pdf'
  end
end
)"};
  cd.Use(menu);
  auto& viewer = static_cast<TKIVPDFViewer&>(menu.Control("Pdf"));
  auto component = std::make_unique<TFakePdf>();
  TFakePdf* pdf = component.get();
  viewer.AttachComponent(std::move(component));
  EXPECT_TRUE(viewer.Loaded()) << "the extension in any case, the file in any case";
  EXPECT_FALSE(pdf->cover);

  for (const char* name : {"%CDROM%\\notes.txt", "%CDROM%\\missing.pdf", "%CDROM%\\pipe.pdf"}) {
    SCOPED_TRACE(name);
    viewer.LoadPdf(name);
    EXPECT_FALSE(viewer.Loaded());
    EXPECT_TRUE(pdf->cover);
  }
  EXPECT_EQ(pdf->loads, 1) << "neither the text file nor the FIFO is read";

  viewer.SetFileName("%CDROM%\\Manual.pdf");
  EXPECT_FALSE(pdf->cover);
  viewer.SetDesignMode(true);
  EXPECT_TRUE(pdf->cover) << "design mode covers the document";
}

TEST(ViewerCommands, CommandsReachTheViewersByTheirNames) {
  EnsureGuiApplication();
  TMenuFolder cd;
  cd.Write("guide.pdf", "%PDF-1.4");
  TTestMenu menu{R"(object frmDesign: TfrmDesign
  object Pdf: TKIVPDFViewer
    IAName = 'Guide'
  end
  object Media: TKIVMediaPlayer
    IAName = 'Clip'
    URL = 'http://example.org/clip.ogg'
  end
  object Web: TKIVWebBrowser
    IAName = 'Site'
    URL = 'https://example.org/home'
  end
  object Go: TKIVButton
    ActionType = aatControlIA
  end
end
)"};
  cd.Use(menu);
  menu->SetDesignMode(false);
  auto pdfComponent = std::make_unique<TFakePdf>();
  TFakePdf* pdf = pdfComponent.get();
  static_cast<TKIVPDFViewer&>(menu.Control("Pdf")).AttachComponent(std::move(pdfComponent));
  auto mediaComponent = std::make_unique<TFakeMedia>();
  TFakeMedia* media = mediaComponent.get();
  static_cast<TKIVMediaPlayer&>(menu.Control("Media")).AttachComponent(std::move(mediaComponent));

  auto& button = static_cast<TKIVActionControl&>(menu.Control("Go"));
  auto send = [&](TKIVControlIAType kind, const char* name, const char* word, const char* parameter) {
    button.CtrlIA()->m_controlType = kind;
    button.CtrlIA()->m_controlName = name;
    button.CtrlIA()->m_action = word;
    button.CtrlIA()->m_parameter = parameter;
    RunControlCommand(*button.CtrlIA(), button);
  };
  send(TKIVControlIAType::iatPDFViewer, "Guide", "Open", "%CDROM%\\GUIDE.PDF");
  EXPECT_TRUE(static_cast<TKIVPDFViewer&>(menu.Control("Pdf")).Loaded());
  EXPECT_EQ(pdf->loads, 1);
  send(TKIVControlIAType::iatPDFViewer, "guide", "open", "%CDROM%\\guide.pdf");
  EXPECT_EQ(pdf->loads, 1) << "IAName is matched exactly";
  send(TKIVControlIAType::iatMediaPlayer, "Clip", "PLAY", "");
  EXPECT_EQ(media->state, TMediaComponent::TState::Playing);
  send(TKIVControlIAType::iatMediaPlayer, "Clip", "pause", "");
  EXPECT_EQ(media->state, TMediaComponent::TState::Paused) << "pause toggles";
  send(TKIVControlIAType::iatMediaPlayer, "Clip", "open", "https://example.org/other.ogg");
  EXPECT_EQ(media->sources, std::vector<std::string>{"https://example.org/other.ogg"});
  send(TKIVControlIAType::iatPDFViewer, "Clip", "open", "%CDROM%\\guide.pdf");
  EXPECT_EQ(pdf->loads, 1) << "the name of another kind of control finds nothing";

  auto webComponent = std::make_unique<TFakeWeb>(static_cast<TKIVWebBrowser&>(menu.Control("Web")).ComponentEvents());
  TFakeWeb* web = webComponent.get();
  static_cast<TKIVWebBrowser&>(menu.Control("Web")).AttachComponent(std::move(webComponent));
  send(TKIVControlIAType::iatWebBrowser, "Site", "OPEN", "https://example.org/%CDROM%");
  send(TKIVControlIAType::iatWebBrowser, "Site", "Home", "");
  send(TKIVControlIAType::iatWebBrowser, "Site", "back", "");
  EXPECT_EQ(web->navigations, (std::vector<std::string>{"https://example.org/home", "https://example.org/" + cd.folder.string(),
                                                        "https://example.org/home"}));
  EXPECT_EQ(web->calls, std::vector<std::string>{"back"});
}
