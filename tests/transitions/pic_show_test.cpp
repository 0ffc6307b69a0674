#include "transitions/pic_show.h"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <thread>
#include <vector>

#include "graphics/colors.h"
#include "transitions/pic_show_layout.h"
#include "transitions/test_pictures.h"

namespace {

// A host whose clock moves only when the worker waits (by the time it waits), when the
// user-interface loop handles messages (10 ms per round) or when a test moves it. Paints are
// posted to the user-interface thread like a real window's, which the test thread runs.
class TTestHost final : public TPicShowHost {
 public:
  uint64_t NowMs() override { return now; }
  void WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, uint32_t ms,
               const std::function<bool()>& woken) override {
    (void)lock;
    (void)cv;
    now += ms;
    (void)woken();
  }
  void PostToUiThread(std::function<void()> task) override {
    {
      const std::lock_guard lock(m_lock);
      m_tasks.push_back(std::move(task));
    }
    m_posted.notify_all();
  }
  void ProcessPendingMessages() override {
    now += 10;
    RunPosted();
  }
  void SetWorkerPriority(TThreadPriority priority) override {
    workerPriority = priority;
    prioritySetOnWorker = std::this_thread::get_id() != uiThread;
  }
  void RequestPaint(const TRect& rect) override {
    (void)rect;
    if (paints) PostToUiThread([this] { control->Paint(); });
  }

  // Runs the tasks posted so far on the calling (user-interface) thread.
  void RunPosted() {
    std::deque<std::function<void()>> tasks;
    {
      const std::lock_guard lock(m_lock);
      tasks.swap(m_tasks);
    }
    for (auto& task : tasks) task();
  }
  // Runs posted tasks until done() holds; false when it does not within a generous bound.
  bool RunUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
      {
        std::unique_lock lock(m_lock);
        if (!m_posted.wait_until(lock, deadline, [&] { return !m_tasks.empty(); })) return false;
      }
      RunPosted();
    }
    return true;
  }

  std::atomic<uint64_t> now = 1000;
  const std::thread::id uiThread = std::this_thread::get_id();
  std::atomic<TThreadPriority> workerPriority = TThreadPriority::tpNormal;
  std::atomic<bool> prioritySetOnWorker = false;
  TCustomPicShow* control = nullptr;
  bool paints = true;

 private:
  std::mutex m_lock;
  std::condition_variable m_posted;
  std::deque<std::function<void()>> m_tasks;
};

constexpr int32_t kW = 40;
constexpr int32_t kH = 30;

// A black control showing nothing yet, with the new test picture to show next, recording the
// progress of each frame built and the completion events.
struct TPicShowFixture : ::testing::Test {
  TPicShowFixture() {
    host.control = &show;
    show.SetColor(clBlack);
    show.SetPicture(NewTestPicture(kW, kH));
    show.OnAfterNewFrame = [this](TCustomPicShow& s, TBitmap32&, TBitmap32&) {
      const std::lock_guard lock(framesLock);
      frames.push_back(s.Progress());
    };
    show.OnComplete = [this](TCustomPicShow&) { ++completed; };
    show.OnStop = [this](TCustomPicShow&) { ++stopped; };
  }
  std::vector<int32_t> Frames() {
    const std::lock_guard lock(framesLock);
    return frames;
  }
  // Share of the display's pixels that show the new picture.
  double NewShare() const {
    const TBitmap32 picture = NewTestPicture(kW, kH);
    int32_t same = 0;
    for (int32_t y = 0; y < kH; ++y)
      for (int32_t x = 0; x < kW; ++x) same += show.Display().At(x, y) == picture.At(x, y);
    return static_cast<double>(same) / (kW * kH);
  }

  TTestHost host;
  TPicShow show{host};
  std::mutex framesLock;
  std::vector<int32_t> frames;
  int completed = 0;
  int stopped = 0;
};

std::vector<int32_t> Progressions(int32_t from, int32_t to, int32_t step) {
  std::vector<int32_t> values;
  for (int32_t p = from; step > 0 ? p <= to : p >= to; p += step) values.push_back(p);
  return values;
}

TEST_F(TPicShowFixture, StepFourRunsTwentyFiveFramesOnTheWorkerAndInTheLoop) {
  for (const bool threaded : {true, false}) {
    SCOPED_TRACE(threaded ? "threaded" : "loop");
    frames.clear();
    completed = stopped = 0;
    show.SetThreaded(threaded);
    show.SetThreadPriority(TThreadPriority::tpLower);
    host.workerPriority = TThreadPriority::tpNormal;
    host.prioritySetOnWorker = false;
    int progressEvents = 0;
    show.OnProgress = [&](TCustomPicShow&) { ++progressEvents; };
    const uint64_t start = host.now;
    show.StartTransition();
    ASSERT_TRUE(host.RunUntil([&] { return stopped > 0; }));
    EXPECT_EQ(Frames(), Progressions(4, 100, 4));
    EXPECT_EQ(progressEvents, 25);
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(stopped, 1);
    EXPECT_FALSE(show.Busy());
    EXPECT_EQ(show.Display(), NewTestPicture(kW, kH));
    // 24 delays of 40 ms between the 25 frames: about a second.
    EXPECT_GE(host.now - start, 24u * 40u);
    EXPECT_LE(host.now - start, 25u * 50u);
    // The worker, and only the worker, takes the control's thread priority.
    EXPECT_EQ(host.prioritySetOnWorker.load(), threaded);
    EXPECT_EQ(host.workerPriority.load(), threaded ? TThreadPriority::tpLower : TThreadPriority::tpNormal);
  }
}

TEST_F(TPicShowFixture, ReverseRevealRunsFromNearlyAllOfTheNewPictureBackToTheOld) {
  show.SetThreaded(false);
  show.SetReverse(true);
  show.SetStyleName("Reveal from left");
  std::vector<double> shares;
  show.OnAfterNewFrame = [&](TCustomPicShow& s, TBitmap32&, TBitmap32&) {
    frames.push_back(s.Progress());
    shares.push_back(NewShare());
  };
  show.StartTransition();
  EXPECT_EQ(frames, Progressions(96, 0, -4));
  ASSERT_FALSE(shares.empty());
  EXPECT_GT(shares.front(), 0.9);
  EXPECT_EQ(shares.back(), 0.0);
  EXPECT_EQ(show.Display(), TBitmap32(kW, kH, ColorToPixel(clBlack)));
  EXPECT_EQ(completed, 1);
}

TEST_F(TPicShowFixture, ExactTimingEnlargesTheStepsOfLateFrames) {
  // Every frame takes twice the delay to build.
  show.OnBeforeNewFrame = [&](TCustomPicShow&, TBitmap32&, TBitmap32&) { host.now += 80; };
  for (const bool exact : {false, true}) {
    SCOPED_TRACE(exact ? "exact" : "plain");
    frames.clear();
    stopped = 0;
    show.SetExactTiming(exact);
    show.StartTransition();
    ASSERT_TRUE(host.RunUntil([&] { return stopped > 0; }));
    EXPECT_EQ(Frames(), exact ? Progressions(4, 100, 8) : Progressions(4, 100, 4));
  }
}

TEST_F(TPicShowFixture, StopEndsTheWorkerWithOnStopOnlyAndKeepsTheLastFrame) {
  // Frames are never painted, so the worker waits for the frame-done event after its first.
  host.paints = false;
  show.StartTransition();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (Frames().empty() && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  ASSERT_EQ(Frames(), std::vector<int32_t>{4});
  const TBitmap32 lastFrame = show.Display();
  show.StopTransition();
  EXPECT_FALSE(show.Busy());
  EXPECT_EQ(completed, 0);
  EXPECT_EQ(stopped, 1);
  EXPECT_EQ(show.Display(), lastFrame);
  host.RunPosted();  // the worker's own end message changes nothing now
  EXPECT_EQ(stopped, 1);
}

TEST_F(TPicShowFixture, ManualProgressIsSetFromOutsideAndStartWhileBusyDoesNothing) {
  show.SetManual(true);
  int starts = 0;
  show.OnStart = [&](TCustomPicShow&, TBitmap32&, TBitmap32&) { ++starts; };
  show.StartTransition();
  EXPECT_TRUE(show.Busy());
  EXPECT_TRUE(Frames().empty());
  show.SetProgress(50);
  show.SetProgress(50);  // unchanged: no frame
  show.StartTransition();
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(show.Progress(), 50);
  show.SetProgress(180);
  EXPECT_EQ(Frames(), (std::vector<int32_t>{50, 100}));
  show.StopTransition();
  EXPECT_EQ(completed, 0);
  EXPECT_EQ(stopped, 1);
  EXPECT_EQ(show.Display(), NewTestPicture(kW, kH));
}

TEST_F(TPicShowFixture, LeavingManualModeResumesTheAnimation) {
  show.SetThreaded(false);
  show.SetManual(true);
  show.StartTransition();
  show.SetProgress(50);
  show.SetManual(false);
  EXPECT_EQ(frames, (std::vector<int32_t>{50, 54, 58, 62, 66, 70, 74, 78, 82, 86, 90, 94, 98, 100}));
  EXPECT_EQ(completed, 1);
  EXPECT_FALSE(show.Busy());
}

TEST_F(TPicShowFixture, OverDrawStartsFromWhatIsShownOrFromAFreshBackground) {
  show.SetThreaded(false);
  show.StartTransition();
  show.Paint();
  const TBitmap32 shown = show.Display();
  TBitmap32 startedFrom;
  show.OnStart = [&](TCustomPicShow&, TBitmap32&, TBitmap32& oldImage) { startedFrom = oldImage; };
  show.SetPicture(OldTestPicture(kW, kH));
  for (const bool overDraw : {true, false}) {
    show.SetOverDraw(overDraw);
    show.StartTransition();
    EXPECT_EQ(startedFrom, overDraw ? shown : TBitmap32(kW, kH, ColorToPixel(clBlack)));
    show.SetPicture(NewTestPicture(kW, kH));
    show.StartTransition();
    show.Paint();
    show.SetPicture(OldTestPicture(kW, kH));
  }
}

TEST_F(TPicShowFixture, DestroyingARunningControlEndsItsWorkerWithoutEvents) {
  host.paints = false;
  {
    TPicShow running(host);
    running.SetPicture(NewTestPicture(kW, kH));
    running.OnStop = [this](TCustomPicShow&) { ++stopped; };
    running.StartTransition();
    EXPECT_TRUE(running.Busy());
  }
  host.RunPosted();
  EXPECT_EQ(stopped, 0);
}

TEST_F(TPicShowFixture, ClearDisplayForgetsTheShownPictureOnlyWhenIdle) {
  show.SetManual(true);
  show.StartTransition();
  show.SetProgress(100);
  show.ClearDisplay();
  EXPECT_FALSE(show.Display().Empty());
  show.StopTransition();
  show.ClearDisplay();
  EXPECT_TRUE(show.Display().Empty());
  EXPECT_EQ(show.Paint(), TBitmap32(kW, kH, ColorToPixel(clBlack)));
}

TEST_F(TPicShowFixture, CustomStyleDrawsThroughOnCustomDraw) {
  show.SetManual(true);
  show.SetStyle(0);
  std::vector<int32_t> drawn;
  show.OnCustomDraw = [&](TCustomPicShow& s, TBitmap32& newImage, TBitmap32& display) {
    drawn.push_back(s.Progress());
    display.At(0, 0) = newImage.At(0, 0);
  };
  show.StartTransition();
  show.SetProgress(30);
  EXPECT_EQ(drawn, std::vector<int32_t>{30});
  EXPECT_EQ(show.Display().At(0, 0), NewTestPicture(kW, kH).At(0, 0));
  EXPECT_EQ(show.Display().At(1, 0), ColorToPixel(clBlack));
}

TEST(TPicShow, SettersKeepTheirRanges) {
  TTestHost host;
  TPicShow show(host);
  EXPECT_EQ(show.Style(), 51);
  EXPECT_EQ(show.Step(), 4);
  EXPECT_EQ(show.Delay(), 40);
  show.SetStep(0);
  EXPECT_EQ(show.Step(), 1);
  show.SetStep(101);
  EXPECT_EQ(show.Step(), 100);
  show.SetStyle(200);
  EXPECT_EQ(show.Style(), 51);
  show.SetStyleName("fade");
  EXPECT_EQ(show.Style(), 118);
  EXPECT_EQ(show.StyleName(), "Fade");
  show.SetStyleName("no such style");
  EXPECT_EQ(show.Style(), 118);
  show.SetStyleName("Custom");
  EXPECT_EQ(show.Style(), 0);
  EXPECT_EQ(show.StyleName(), "Custom");
}

TEST(TPicShow, PropertyTableAgreesWithTheConstructorAndGoesThroughTheSetters) {
  TTestHost host;
  TPicShow show(host);
  const TClassInfo& info = TPicShow::StaticClass();
  for (const std::string_view name : {"BgMode", "AutoSize", "Center", "Stretch", "StretchFine", "Step", "Delay",
                                      "Style", "Reverse", "Manual", "Threaded", "ThreadPriority", "ExactTiming",
                                      "OverDraw"}) {
    const TPropInfo* prop = info.FindProperty(name);
    ASSERT_NE(prop, nullptr) << name;
    EXPECT_EQ(prop->streamDefault, prop->getOrdinal(show)) << name;
  }
  info.FindProperty("Step")->setOrdinal(show, 0);
  EXPECT_EQ(show.Step(), 1);
  info.FindProperty("StyleName")->setString(show, "PUSH LEFT");
  EXPECT_EQ(show.Style(), 129);
  EXPECT_EQ(info.FindProperty("StyleName")->getString(show), "Push left");
  EXPECT_NE(info.FindProperty("OnComplete"), nullptr);
  EXPECT_EQ(info.Create(), nullptr);  // only the slide-show window makes one, with its host
}

TEST(TPicShowLayout, PictureAndTargetRectangles) {
  struct Case {
    TPicShowLayout layout;
    TRect target;
  };
  // A 40 x 30 picture in a 100 x 50 client area.
  const Case cases[] = {
      {{false, false, false}, {0, 0, 40, 30}},
      {{true, false, false}, {30, 10, 70, 40}},
      {{false, true, false}, {0, 0, 100, 50}},
      {{false, true, true}, {17, 0, 83, 50}},  // 40 * 50 / 30 = 66 wide, centred
  };
  for (const Case& c : cases) {
    const TRect picture = PictureRect(c.layout, 40, 30, 100, 50);
    EXPECT_EQ(TargetRect(c.layout, picture, 100, 50), c.target);
  }
  // A tall client area: the fit takes the client's width.
  EXPECT_EQ(TargetRect({false, true, true}, {0, 0, 40, 30}, 80, 200), (TRect{0, 70, 80, 130}));
}

TEST(TPicShowLayout, BackgroundModes) {
  const TPixel32 fill = MakePixel(1, 2, 3);
  const TPixel32 red = MakePixel(255, 0, 0);
  TBitmap32 tile(3, 2, red);
  tile.At(0, 0) = MakePixel(0, 255, 0);
  struct Case {
    TBackgroundMode mode;
    TPoint at;
    TPixel32 expected;
  };
  const Case cases[] = {
      {TBackgroundMode::bmNone, {0, 0}, fill},
      {TBackgroundMode::bmTiled, {3, 2}, MakePixel(0, 255, 0)},
      {TBackgroundMode::bmTiled, {4, 3}, red},
      {TBackgroundMode::bmStretched, {9, 7}, red},
      {TBackgroundMode::bmStretched, {1, 1}, MakePixel(0, 255, 0)},
      {TBackgroundMode::bmCentered, {0, 0}, fill},
      {TBackgroundMode::bmCentered, {4, 4}, MakePixel(0, 255, 0)},
      {TBackgroundMode::bmCentered, {6, 5}, red},
  };
  for (const Case& c : cases) {
    TBitmap32 client(11, 10);
    PaintPicShowBackground(client.View(), client.Bounds(), fill, tile, c.mode);
    EXPECT_EQ(client.At(c.at.x, c.at.y), c.expected) << static_cast<int>(c.mode) << " " << c.at.x << "," << c.at.y;
  }
}

TEST_F(TPicShowFixture, PaintDrawsTheDisplayIntoItsTargetOverTheBackground) {
  show.SetAutoSize(false);
  show.SetBounds(0, 0, 100, 50);
  show.SetCenter(true);
  show.SetThreaded(false);
  show.StartTransition();
  const TBitmap32& client = show.Paint();
  const TBitmap32 picture = NewTestPicture(kW, kH);
  EXPECT_EQ(client.At(30, 10), picture.At(0, 0));
  EXPECT_EQ(client.At(69, 39), picture.At(39, 29));
  EXPECT_EQ(client.At(29, 10), ColorToPixel(clBlack));
  show.SetStretch(true);
  EXPECT_EQ(show.Paint().At(99, 49), picture.At(39, 29));
}

}  // namespace
