#pragma once
// TCustomPicShow / TPicShow: a windowed control that shows one picture and replaces it by a new
// one through an animated transition of one of the numbered styles (0 is the custom style, drawn
// by OnCustomDraw). The transition runs as frames at a fixed progress step and frame delay,
// either on a worker thread or in a loop on the user-interface thread, and ends with OnComplete
// (unless stopped) and OnStop.
//
// Threads: everything here is used on the user-interface thread, except that in threaded mode a
// worker thread builds the frames. It builds them under the frame lock (which also guards the
// bitmaps against Paint) and paces itself by the frame-done event, which the host sets after the
// paint of each frame (FrameDone), so no frame is built while the previous one is being painted.
// The worker never paints; its end is posted to the user-interface thread, where the completion
// events are raised. The draw events raised while building frames (OnBeforeNewFrame,
// OnAfterNewFrame, OnCustomDraw) therefore run on the worker thread in threaded mode and must only
// draw on the bitmaps they are given.
//
// The control is not a class documents store: only the slide-show window creates it.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "graphics/bitmap32.h"
#include "model/control.h"
#include "transitions/pic_show_host.h"
#include "transitions/pic_show_layout.h"
#include "model/seeded_random.h"

class TCustomPicShow;

// A draw event: the control, the new picture's bitmap and the display bitmap (the frame).
using TPicShowDrawEvent = std::function<void(TCustomPicShow&, TBitmap32& newImage, TBitmap32& display)>;
using TPicShowNotifyEvent = std::function<void(TCustomPicShow&)>;

class TCustomPicShow : public TCustomControl {
 public:
  // host must outlive the control.
  explicit TCustomPicShow(TPicShowHost& host);
  // Stops a running transition first (without raising OnComplete or OnStop).
  ~TCustomPicShow() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The picture the next transition shows, already decoded (its owner reads the files). With
  // AutoSize the control takes its size.
  const TBitmap32& Picture() const { return m_picture; }
  void SetPicture(TBitmap32 picture);
  const TBitmap32& BgPicture() const { return m_bgPicture; }
  void SetBgPicture(TBitmap32 picture);
  TBackgroundMode BgMode() const { return m_bgMode; }
  void SetBgMode(TBackgroundMode mode) { m_bgMode = mode; }
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }
  const TPicShowLayout& Layout() const { return m_layout; }
  bool Center() const { return m_layout.center; }
  void SetCenter(bool center) { SetLayoutFlag(&TPicShowLayout::center, center); }
  bool Stretch() const { return m_layout.stretch; }
  void SetStretch(bool stretch) { SetLayoutFlag(&TPicShowLayout::stretch, stretch); }
  bool StretchFine() const { return m_layout.stretchFine; }
  void SetStretchFine(bool stretchFine) { SetLayoutFlag(&TPicShowLayout::stretchFine, stretchFine); }
  int32_t Step() const { return m_step.load(); }
  // 0 becomes 1, above 100 becomes 100.
  void SetStep(int32_t step);
  int32_t Delay() const { return m_delay.load(); }
  void SetDelay(int32_t delayMs);
  int32_t Style() const { return m_style.load(); }
  // A style outside 0 to 150 changes nothing.
  void SetStyle(int32_t style);
  std::string StyleName() const;
  // Looked up in any letter case, "Custom" first; an unknown name changes nothing.
  void SetStyleName(const std::string& name);
  bool Reverse() const { return m_reverse.load(); }
  void SetReverse(bool reverse) { m_reverse = reverse; }
  bool Manual() const { return m_manual; }
  // While busy, switching on stops a running worker and switching off resumes the animation;
  // while idle the progress goes back to its start value.
  void SetManual(bool manual);
  bool Threaded() const { return m_threaded; }
  void SetThreaded(bool threaded) { m_threaded = threaded; }
  // The worker thread's priority, applied when a worker starts.
  TThreadPriority ThreadPriority() const { return m_threadPriority.load(); }
  void SetThreadPriority(TThreadPriority priority) { m_threadPriority = priority; }
  bool ExactTiming() const { return m_exactTiming.load(); }
  void SetExactTiming(bool exactTiming) { m_exactTiming = exactTiming; }
  bool OverDraw() const { return m_overDraw; }
  void SetOverDraw(bool overDraw) { m_overDraw = overDraw; }
  // The generator the random styles draw from; seed it while idle (a worker draws from it).
  TSeededRandom& Random() { return m_random; }

  bool Busy() const { return m_busy.load(); }
  int32_t Progress() const { return m_progress.load(); }
  // Clamped to 0 to 100; does nothing when idle or unchanged. Builds the frame, asks for its
  // paint and raises OnProgress (from the worker, OnProgress is posted to the user-interface
  // thread). In manual mode the owner drives the transition with it.
  void SetProgress(int32_t progress);

  // Begins a transition to Picture; nothing when there is no picture or one is running.
  void StartTransition();
  // Ends a running transition at once: OnStop, not OnComplete; the display keeps the last frame.
  void StopTransition();
  // Forgets the shown picture (only when idle) and repaints the background.
  void ClearDisplay();

  // The control's offscreen picture: the background with the display drawn into its target
  // rectangle. The host copies it to the screen and then calls FrameDone.
  const TBitmap32& Paint();
  // The end of a paint: sets the frame-done event, letting the worker build the next frame.
  void FrameDone();
  // The frame being built, picture-sized. While a worker runs it changes under the frame lock,
  // so read it when idle, in manual mode, or when the transition runs on the user-interface
  // thread.
  const TBitmap32& Display() const { return m_display; }
  TRect PictureRect() const { return m_pictureRect; }
  TRect TargetRect() const { return m_targetRect; }
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

  TPicShowDrawEvent OnStart, OnBeforeNewFrame, OnAfterNewFrame, OnCustomDraw;
  TPicShowNotifyEvent OnProgress, OnComplete, OnStop, OnChange;

 private:
  struct TWorker;

  int32_t StartProgress() const { return m_reverse ? 100 : 0; }
  int32_t EndProgress() const { return m_reverse ? 0 : 100; }
  int32_t NextProgress(int32_t current, int32_t step) const;
  void Prepare();
  void ApplyProgress(int32_t progress, bool onWorker);
  void BuildFrame(int32_t progress);
  void Animate();
  void AnimateOnUiThread();
  void StartWorker();
  void RunWorker(TWorker& worker);
  void EndWorker();
  void WorkerEnded(const TWorker* worker);
  void Finish();
  void UpdateLayout();
  void FitOffscreen();
  void SetLayoutFlag(bool TPicShowLayout::*flag, bool value);

  TPicShowHost& m_host;
  TBitmap32 m_picture;
  TBitmap32 m_bgPicture;
  TBackgroundMode m_bgMode = TBackgroundMode::bmTiled;
  bool m_autoSize = true;
  TPicShowLayout m_layout;
  // Read by the worker while the owner may set them.
  std::atomic<int32_t> m_step = 4;
  std::atomic<int32_t> m_delay = 40;
  std::atomic<bool> m_exactTiming = false;
  std::atomic<TThreadPriority> m_threadPriority = TThreadPriority::tpNormal;
  std::atomic<int32_t> m_style = 51;
  std::atomic<bool> m_reverse = false;
  bool m_manual = false;
  bool m_threaded = true;
  bool m_overDraw = true;
  TSeededRandom m_random;

  std::atomic<bool> m_busy = false;
  bool m_stopping = false;
  bool m_firstPaint = true;
  bool m_destroying = false;
  bool m_painting = false;
  // Guards the progress and the bitmaps between the worker, which builds frames, and Paint.
  mutable std::mutex m_frameLock;
  std::atomic<int32_t> m_progress = 0;
  TBitmap32 m_display;
  TBitmap32 m_oldImage;
  TBitmap32 m_newImage;
  TBitmap32 m_offscreen;
  TRect m_pictureRect;
  TRect m_targetRect;
  // The frame-done event: manual reset, initially set.
  std::mutex m_eventLock;
  std::condition_variable m_eventChanged;
  bool m_frameDone = true;
  std::unique_ptr<TWorker> m_worker;
  // Tasks posted by a worker check it, so none runs after the control is gone.
  std::shared_ptr<TCustomPicShow*> m_self;
};

class TPicShow : public TCustomPicShow {
 public:
  using TCustomPicShow::TCustomPicShow;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};
