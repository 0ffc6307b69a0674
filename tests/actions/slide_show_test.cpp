// The slide show's course: folder scan, fitting, order, counters, modes and the user's actions,
// with the transition control run on the test thread and a timer the test fires by hand.

#include "actions/slide_show.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "actions/slide_show_fit.h"
#include "actions/slide_show_folder.h"
#include "transitions/pic_show.h"

namespace fs = std::filesystem;

namespace {

// Transitions run to their end inside StartTransition: no worker, no delay, one step.
class TInstantHost final : public TPicShowHost {
 public:
  uint64_t NowMs() override { return 0; }
  void WaitFor(std::unique_lock<std::mutex>&, std::condition_variable&, uint32_t, const std::function<bool()>&) override {}
  void PostToUiThread(std::function<void()>) override {}
  void ProcessPendingMessages() override {}
  void RequestPaint(const TRect&) override {}
};

class TTestTimer final : public TSlideShowTimer {
 public:
  void Start(uint32_t intervalMs) override { interval = intervalMs, running = true; }
  void Stop() override { running = false; }
  uint32_t interval = 0;
  bool running = false;
};

TPixel32 Grey(uint8_t v) { return MakePixel(v, v, v); }

struct TShowFixture {
  explicit TShowFixture(TSlideShowSettings settings, std::vector<std::string> names = {"a.png", "b.png", "c.png"}) {
    folder = fs::path(testing::TempDir()) / "slide_show_course" /
             testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::create_directories(folder);
    settings.folder = folder.string();
    settings.helpAutomatic = "auto help";
    settings.helpManual = "manual help";
    engine.SetThreaded(false);
    engine.SetDelay(0);
    engine.SetStep(100);
    engine.SetBounds(0, 0, 40, 30);
    std::vector<std::string> pictures;
    for (const std::string& name : names) pictures.push_back((folder / name).string());
    show = std::make_unique<TSlideShow>(pictures, settings, engine, timer, [this](const std::string& path) {
      loads.push_back(fs::path(path).filename().string());
      if (unreadable.contains(fs::path(path).filename().string())) return std::optional<TBitmap32>();
      return std::optional<TBitmap32>(TBitmap32(10, 10, Grey(static_cast<uint8_t>(loads.size()))));
    }, 7);
    show->OnClose = [this] { ++closes; };
    engine.OnComplete = [this](TCustomPicShow&) { show->TransitionCompleted(); };
    engine.OnStart = [this](TCustomPicShow& control, TBitmap32&, TBitmap32&) { styles.push_back(control.Style()); };
    show->Shown();
  }
  // Fires the timer when it runs; false when it does not.
  bool Tick() {
    if (!timer.running) return false;
    show->TimerTick();
    return true;
  }
  // The file-name line without the folder.
  std::string Line() const {
    const std::string& line = show->FileNameLine();
    const std::string prefix = folder.string() + "/";
    return line.starts_with(prefix) ? line.substr(prefix.size()) : line;
  }

  fs::path folder;
  TInstantHost host;
  TPicShow engine{host};
  TTestTimer timer;
  std::unique_ptr<TSlideShow> show;
  std::vector<std::string> loads;
  std::set<std::string> unreadable;
  std::vector<int32_t> styles;
  int closes = 0;
};

TEST(SlideShow, ShowsEachPictureWithItsCounterAndClosesAfterTheLastPause) {
  TSlideShowSettings settings;
  settings.pauseSeconds = 3;
  TShowFixture f(settings);
  EXPECT_EQ(f.show->HelpLine(), "auto help");
  EXPECT_EQ(f.timer.interval, 50u);
  for (const char* line : {"a.png [1/3]", "b.png [2/3]", "c.png [3/3]"}) {
    ASSERT_TRUE(f.Tick());
    EXPECT_EQ(f.Line(), line);
    EXPECT_EQ(f.timer.interval, 3000u);
  }
  EXPECT_EQ(f.closes, 0);
  ASSERT_TRUE(f.Tick());
  EXPECT_EQ(f.closes, 1);
  EXPECT_TRUE(f.show->Closed());
  EXPECT_FALSE(f.timer.running);
}

TEST(SlideShow, LoopStartsAgainAndAZeroPauseStillMovesOn) {
  TSlideShowSettings settings;
  settings.loop = true;
  settings.pauseSeconds = 0;
  TShowFixture f(settings);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(f.Tick());
  EXPECT_EQ(f.Line(), "a.png [1/3]");
  EXPECT_EQ(f.timer.interval, 1u);
  EXPECT_EQ(f.closes, 0);
}

TEST(SlideShow, RandomOrderNeverRepeatsAPictureAtOnceAndHasNoCounter) {
  TSlideShowSettings settings;
  settings.random = true;
  settings.loop = true;
  TShowFixture f(settings);
  std::string previous;
  std::set<std::string> seen;
  for (int i = 0; i < 60; ++i) {
    ASSERT_TRUE(f.Tick());
    EXPECT_NE(f.Line(), previous);
    EXPECT_EQ(f.Line().find('['), std::string::npos);
    previous = f.Line();
    seen.insert(previous);
  }
  EXPECT_EQ(seen.size(), 3u);
}

TEST(SlideShow, EffectsChooseTheStyleAndABytePastTheStylesKeepsThePreviousOne) {
  TSlideShowSettings settings;
  settings.loop = true;
  settings.effects = "\x07";
  TShowFixture f(settings);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(f.Tick());
  EXPECT_EQ(f.styles, (std::vector<int32_t>{7, 7, 7}));

  settings.effects = "\xC8";  // 200: no such style
  TShowFixture g(settings);
  ASSERT_TRUE(g.Tick());
  EXPECT_EQ(g.styles, (std::vector<int32_t>{51}));  // the engine's own style
}

TEST(SlideShow, AnUnreadablePictureIsPassedOverAndAFolderWithoutOneEndsTheShow) {
  TSlideShowSettings settings;
  TShowFixture f(settings);
  f.unreadable = {"a.png"};
  ASSERT_TRUE(f.Tick());
  EXPECT_EQ(f.Line(), "b.png [2/3]");

  settings.loop = true;
  TShowFixture g(settings);
  g.unreadable = {"a.png", "b.png", "c.png"};
  ASSERT_TRUE(g.Tick());
  EXPECT_EQ(g.closes, 1);
  EXPECT_EQ(g.loads.size(), 3u);
}

TEST(SlideShow, AFolderThatDisappearsEndsTheShow) {
  TSlideShowSettings settings;
  settings.loop = true;
  TShowFixture f(settings);
  ASSERT_TRUE(f.Tick());
  fs::remove_all(f.folder);
  ASSERT_TRUE(f.Tick());
  EXPECT_EQ(f.closes, 1);
}

TEST(SlideShow, ManualModeAdvancesOnKeysAndClicksAndNotOnTheClickThatClosedTheMenu) {
  TSlideShowSettings settings;
  settings.manual = true;
  TShowFixture f(settings);
  EXPECT_EQ(f.show->HelpLine(), "manual help");
  ASSERT_TRUE(f.Tick());  // the first picture comes by itself
  EXPECT_EQ(f.Line(), "a.png [1/3]");
  EXPECT_FALSE(f.timer.running);

  f.show->KeyPressed(TSlideKey::Back);  // on the first picture: nothing
  EXPECT_EQ(f.Line(), "a.png [1/3]");
  f.show->KeyPressed(TSlideKey::Forward);
  EXPECT_EQ(f.Line(), "b.png [2/3]");
  f.show->KeyPressed(TSlideKey::Back);
  EXPECT_EQ(f.Line(), "a.png [1/3]");

  f.show->MenuClosed(10'000);
  f.show->LeftPressed(10'050);
  f.show->LeftClicked();
  EXPECT_EQ(f.Line(), "a.png [1/3]");
  f.show->LeftPressed(10'100);
  f.show->LeftClicked();
  EXPECT_EQ(f.Line(), "b.png [2/3]");
  f.show->DoubleClicked();  // only in automatic mode
  EXPECT_EQ(f.Line(), "b.png [2/3]");
  f.show->KeyPressed(TSlideKey::Escape);
  EXPECT_EQ(f.closes, 1);
}

TEST(SlideShow, KeysAndClicksWaitForARunningTransition) {
  TSlideShowSettings settings;
  settings.manual = true;
  TShowFixture f(settings);
  f.engine.SetManual(true);  // the transition stays running until the test moves it
  ASSERT_TRUE(f.Tick());
  ASSERT_TRUE(f.engine.Busy());
  f.show->KeyPressed(TSlideKey::Forward);
  f.show->LeftPressed(1'000);
  f.show->LeftClicked();
  EXPECT_EQ(f.loads.size(), 1u);
  f.show->Next();  // the menu's Next stops it first
  EXPECT_EQ(f.loads.size(), 2u);
}

TEST(SlideShow, MenuFollowsTheModeAndTogglingItMovesTheTimer) {
  TSlideShowSettings settings;
  settings.manual = true;
  TShowFixture f(settings, {"a.png", "sub/b.png"});
  ASSERT_TRUE(f.Tick());
  TSlideShowMenu menu = f.show->Menu();
  EXPECT_TRUE(menu.playVisible);
  EXPECT_FALSE(menu.pauseVisible);
  EXPECT_FALSE(menu.resumeVisible);
  EXPECT_FALSE(menu.previousEnabled);
  EXPECT_EQ(menu.gotoCaptions, (std::vector<std::string>{"a.png", "sub/b.png"}));

  f.show->TogglePlay();  // Play
  EXPECT_EQ(f.show->HelpLine(), "auto help");
  EXPECT_TRUE(f.timer.running);
  EXPECT_EQ(f.timer.interval, 500u);
  EXPECT_TRUE(f.show->Menu().pauseVisible);

  f.show->TogglePlay();  // Pause
  EXPECT_FALSE(f.timer.running);
  menu = f.show->Menu();
  EXPECT_FALSE(menu.playVisible);
  EXPECT_TRUE(menu.resumeVisible);

  f.show->Goto(1);
  EXPECT_EQ(f.Line(), "sub/b.png [2/2]");
  EXPECT_TRUE(f.show->Menu().previousEnabled);
}

TEST(SlideShowFolder, TakesPictureExtensionsInAnyCaseSkipsDotNamesAndLinkedFolders) {
  const fs::path folder = fs::path(testing::TempDir()) / "slide_show_scan";
  fs::remove_all(folder);
  fs::create_directories(folder / "Sub" / "deeper");
  for (const char* name : {"b.Jpg", "A.png", "c.tif", ".hidden.png", "d.PCX", "e.jpeg", "Sub/f.gif",
                           "Sub/deeper/g.BMP", "Sub/notes.txt"})
    std::ofstream(folder / name) << "x";
  fs::create_directory_symlink(folder, folder / "Sub" / "loop");
  fs::create_directory(folder / ".thumbs");
  std::ofstream(folder / ".thumbs" / "h.png") << "x";

  const auto names = [&](bool recursive) {
    std::vector<std::string> relative;
    for (const std::string& path : ScanSlideShowFolder(folder.string(), recursive))
      relative.push_back(fs::path(path).lexically_relative(folder).string());
    return relative;
  };
  EXPECT_EQ(names(false), (std::vector<std::string>{"A.png", "b.Jpg", "d.PCX", "e.jpeg"}));
  EXPECT_EQ(names(true), (std::vector<std::string>{"A.png", "b.Jpg", "d.PCX", "e.jpeg", "Sub/deeper/g.BMP",
                                                   "Sub/f.gif"}));
  EXPECT_TRUE(ScanSlideShowFolder((folder / "missing").string(), true).empty());
}

TEST(SlideShowFit, ScalesShrinksEnlargesAndGrowsTheCanvasOverThePreviousPicture) {
  const TPixel32 band = MakePixel(0, 0, 255);
  struct TCase {
    TSlideSize picture;
    TSlideFitRules rules;
    TSlideSize previous;
    TSlideSize result, visible;
    TRect inner;  // where the picture itself lies in the result
  };
  const TSlideSize area{800, 600};
  const TCase cases[] = {
      {{100, 100}, {false, true, band}, {}, {800, 600}, {800, 600}, {100, 0, 700, 600}},
      {{100, 100}, {false, false, band}, {}, {100, 100}, {100, 100}, {0, 0, 100, 100}},
      {{1600, 400}, {false, false, band}, {}, {800, 600}, {800, 600}, {0, 200, 800, 400}},
      {{100, 600}, {false, true, band}, {}, {100, 600}, {100, 600}, {0, 0, 100, 600}},  // touches: not enlarged
      {{100, 100}, {true, false, band}, {}, {800, 600}, {800, 600}, {0, 0, 800, 600}},
      {{100, 100}, {false, false, band}, {300, 50}, {300, 100}, {100, 100}, {100, 0, 200, 100}},
  };
  for (const TCase& c : cases) {
    const TFittedSlide fitted =
        FitSlidePicture(TBitmap32(c.picture.width, c.picture.height, Grey(128)), area, c.rules, c.previous);
    ASSERT_EQ(fitted.picture.Width(), c.result.width);
    ASSERT_EQ(fitted.picture.Height(), c.result.height);
    EXPECT_EQ(fitted.visible, c.visible);
    for (const TPoint p : {TPoint{c.inner.left, c.inner.top}, TPoint{c.inner.right - 1, c.inner.bottom - 1}})
      EXPECT_EQ(fitted.picture.At(p.x, p.y), Grey(128)) << c.picture.width << "x" << c.picture.height;
    if (c.inner.left > 0) {
      EXPECT_EQ(fitted.picture.At(c.inner.left - 1, c.inner.top), band);
    }
    if (c.inner.top > 0) {
      EXPECT_EQ(fitted.picture.At(c.inner.left, c.inner.top - 1), band);
    }
  }
}

}  // namespace
