#include "transitions/pic_show.h"

#include <algorithm>

#include "graphics/colors.h"
#include "graphics/raster.h"
#include "transitions/frame.h"
#include "transitions/transition_styles.h"

struct TCustomPicShow::TWorker {
  std::thread thread;
  std::atomic<bool> endRequested = false;
};

const TClassInfo& TCustomPicShow::StaticClass() {
  static const TClassInfo* info =
      TClassBuilder<TCustomPicShow>("TCustomPicShow", &TCustomControl::StaticClass()).Unpublished().Build();
  return *info;
}

const TClassInfo& TPicShow::StaticClass() {
  using C = TCustomPicShow;
  static const TClassInfo* info =
      TClassBuilder<C>("TPicShow", &TCustomPicShow::StaticClass())
          .Enum("BgMode", Accessors(&C::BgMode, &C::SetBgMode), TBackgroundMode::bmTiled)
          .Bool("AutoSize", Accessors(&C::AutoSize, &C::SetAutoSize), true)
          .Bool("Center", Accessors(&C::Center, &C::SetCenter), false)
          .Bool("Stretch", Accessors(&C::Stretch, &C::SetStretch), false)
          .Bool("StretchFine", Accessors(&C::StretchFine, &C::SetStretchFine), false)
          .Integer("Step", Accessors(&C::Step, &C::SetStep), 4)
          .Integer("Delay", Accessors(&C::Delay, &C::SetDelay), 40)
          .Integer("Style", Accessors(&C::Style, &C::SetStyle), 51)
          .String("StyleName", Accessors(&C::StyleName, &C::SetStyleName))
          .Bool("Reverse", Accessors(&C::Reverse, &C::SetReverse), false)
          .Bool("Manual", Accessors(&C::Manual, &C::SetManual), false)
          .Bool("Threaded", Accessors(&C::Threaded, &C::SetThreaded), true)
          .Enum("ThreadPriority", Accessors(&C::ThreadPriority, &C::SetThreadPriority), TThreadPriority::tpNormal)
          .Bool("ExactTiming", Accessors(&C::ExactTiming, &C::SetExactTiming), false)
          .Bool("OverDraw", Accessors(&C::OverDraw, &C::SetOverDraw), true)
          .PublishAll("Align", "Anchors", "Color", "Enabled", "Visible", "PopupMenu", "ShowHint", "TabStop",
                      "TabOrder")
          .Events("OnStart", "OnBeforeNewFrame", "OnAfterNewFrame", "OnCustomDraw", "OnProgress", "OnComplete",
                  "OnStop", "OnChange", "OnMouseEnter", "OnMouseLeave")
          .Build();
  return *info;
}

TCustomPicShow::TCustomPicShow(TPicShowHost& host)
    : m_host(host), m_self(std::make_shared<TCustomPicShow*>(this)) {}

TCustomPicShow::~TCustomPicShow() {
  m_destroying = true;
  StopTransition();
  *m_self = nullptr;
}

void TCustomPicShow::SetPicture(TBitmap32 picture) {
  m_picture = std::move(picture);
  if (m_autoSize && !m_picture.Empty() && m_align != TAlign::alClient) {
    const bool keepWidth = m_align == TAlign::alTop || m_align == TAlign::alBottom;
    const bool keepHeight = m_align == TAlign::alLeft || m_align == TAlign::alRight;
    SetBounds(m_left, m_top, keepWidth ? m_width : m_picture.Width(), keepHeight ? m_height : m_picture.Height());
  }
  if (OnChange) OnChange(*this);
}

void TCustomPicShow::SetBgPicture(TBitmap32 picture) {
  m_bgPicture = std::move(picture);
  m_host.RequestPaint({0, 0, m_width, m_height});
}

void TCustomPicShow::SetStep(int32_t step) { m_step = std::clamp(step, 1, 100); }

void TCustomPicShow::SetDelay(int32_t delayMs) { m_delay = std::clamp(delayMs, 0, 65535); }

void TCustomPicShow::SetStyle(int32_t style) {
  if (style >= 0 && style <= kTransitionStyleCount) m_style = style;
}

std::string TCustomPicShow::StyleName() const {
  return m_style == 0 ? std::string("Custom") : std::string(TransitionStyles()[static_cast<size_t>(m_style.load())].name);
}

void TCustomPicShow::SetStyleName(const std::string& name) {
  if (const std::optional<int32_t> style = FindTransitionStyle(name)) m_style = *style;
}

void TCustomPicShow::SetManual(bool manual) {
  if (manual == m_manual) return;
  m_manual = manual;
  if (!m_busy) {
    m_progress = StartProgress();
  } else if (manual) {
    EndWorker();
  } else {
    Animate();
  }
}

void TCustomPicShow::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  {
    // The worker reads the client size for the rectangle it repaints.
    const std::lock_guard lock(m_frameLock);
    TCustomControl::SetBounds(left, top, width, height);
    FitOffscreen();
    UpdateLayout();
  }
  m_host.RequestPaint({0, 0, m_width, m_height});
}

void TCustomPicShow::SetLayoutFlag(bool TPicShowLayout::*flag, bool value) {
  {
    const std::lock_guard lock(m_frameLock);
    m_layout.*flag = value;
    UpdateLayout();
  }
  m_host.RequestPaint({0, 0, m_width, m_height});
}

void TCustomPicShow::FitOffscreen() {
  // Only a new size clears it: until the next paint it is what the screen shows, which the next
  // transition starts from.
  const int32_t width = std::max(m_width, 0);
  const int32_t height = std::max(m_height, 0);
  if (m_offscreen.Width() != width || m_offscreen.Height() != height) m_offscreen.Resize(width, height);
}

void TCustomPicShow::UpdateLayout() {
  m_pictureRect = ::PictureRect(m_layout, m_display.Width(), m_display.Height(), m_width, m_height);
  m_targetRect = ::TargetRect(m_layout, m_pictureRect, m_width, m_height);
}

int32_t TCustomPicShow::NextProgress(int32_t current, int32_t step) const {
  return m_reverse ? std::max(current - step, 0) : std::min(current + step, 100);
}

void TCustomPicShow::StartTransition() {
  if (m_picture.Empty() || m_busy) return;
  m_busy = true;
  try {
    Prepare();
  } catch (...) {
    const std::lock_guard lock(m_frameLock);
    m_oldImage = TBitmap32();
    m_newImage = TBitmap32();
    m_busy = false;
    throw;
  }
  if (!m_manual && !m_stopping) Animate();
}

void TCustomPicShow::Prepare() {
  const int32_t width = m_picture.Width();
  const int32_t height = m_picture.Height();
  if (m_firstPaint || !m_overDraw) {
    const std::lock_guard lock(m_frameLock);
    FitOffscreen();
    PaintPicShowBackground(m_offscreen.View(), m_offscreen.Bounds(), ColorToPixel(m_color), m_bgPicture, m_bgMode);
  }
  {
    const std::lock_guard lock(m_frameLock);
    m_display.Resize(width, height);
    UpdateLayout();
    // What is on screen under the target rectangle now, scaled to the picture's size.
    m_oldImage = TBitmap32(width, height, ColorToPixel(m_color));
    if (m_targetRect.Width() == width && m_targetRect.Height() == height)
      CopyRect(m_oldImage.View(), {-m_targetRect.left, -m_targetRect.top}, m_offscreen.View());
    else
      StretchNearest(m_oldImage.View(), m_oldImage.Bounds(), m_offscreen.View(), m_targetRect);
    m_newImage = m_picture;
    // Every bitmap here is 32 bits per pixel, so the styles that work on scan lines need no
    // conversion.
    CopyRect(m_display.View(), {0, 0}, m_oldImage.View());
    m_progress = StartProgress();
  }
  if (OnStart) OnStart(*this, m_newImage, m_oldImage);
}

void TCustomPicShow::SetProgress(int32_t progress) { ApplyProgress(progress, false); }

void TCustomPicShow::ApplyProgress(int32_t progress, bool onWorker) {
  progress = std::clamp(progress, 0, 100);
  if (!m_busy || progress == m_progress) return;
  TRect changed;
  {
    const std::lock_guard lock(m_frameLock);
    m_progress = progress;
    BuildFrame(progress);
    // The frame procedures do not report what they changed, so the whole picture is repainted.
    changed = m_layout.stretch ? m_targetRect : m_pictureRect.Intersect({0, 0, m_width, m_height});
  }
  m_host.RequestPaint(changed);
  if (!OnProgress) return;
  // On the worker the progress event goes to the user-interface thread, like every other event
  // the owner may react to by touching controls.
  if (!onWorker) {
    OnProgress(*this);
    return;
  }
  m_host.PostToUiThread([self = std::weak_ptr<TCustomPicShow*>(m_self)] {
    const std::shared_ptr<TCustomPicShow*> alive = self.lock();
    if (alive && *alive && (*alive)->OnProgress) (*alive)->OnProgress(**alive);
  });
}

void TCustomPicShow::BuildFrame(int32_t progress) {
  CopyRect(m_display.View(), {0, 0}, m_oldImage.View());
  if (OnBeforeNewFrame) OnBeforeNewFrame(*this, m_newImage, m_display);
  if (progress == 100) {
    CopyRect(m_display.View(), {0, 0}, m_newImage.View());
  } else if (progress > 0) {
    const int32_t style = m_style;
    if (style == 0) {
      if (OnCustomDraw) OnCustomDraw(*this, m_newImage, m_display);
    } else {
      const TFrame frame(m_display.View(), m_newImage.View(), progress, m_step, m_random);
      TransitionStyles()[static_cast<size_t>(style)].draw(frame);
    }
  }
  if (OnAfterNewFrame) OnAfterNewFrame(*this, m_newImage, m_display);
}

void TCustomPicShow::Animate() {
  if (m_threaded)
    StartWorker();
  else
    AnimateOnUiThread();
}

void TCustomPicShow::AnimateOnUiThread() {
  while (m_busy && !m_manual && !m_stopping) {
    const uint64_t t0 = m_host.NowMs();
    const int32_t next = NextProgress(m_progress, m_step);
    SetProgress(next);
    if (next == EndProgress()) break;
    while (m_busy && !m_manual && !m_stopping && m_host.NowMs() - t0 <= static_cast<uint64_t>(m_delay.load()))
      m_host.ProcessPendingMessages();
  }
  // A stop from inside the message loop has finished the transition already.
  if (m_busy && (m_stopping || !m_manual)) Finish();
}

void TCustomPicShow::StartWorker() {
  m_worker = std::make_unique<TWorker>();
  m_worker->thread = std::thread([this, worker = m_worker.get()] { RunWorker(*worker); });
}

void TCustomPicShow::RunWorker(TWorker& worker) {
  m_host.SetWorkerPriority(m_threadPriority);
  int32_t step = m_step;
  for (;;) {
    const uint64_t t0 = m_host.NowMs();
    {
      std::unique_lock lock(m_eventLock);
      m_eventChanged.wait(lock, [&] { return m_frameDone || worker.endRequested; });
      if (worker.endRequested) break;
      m_frameDone = false;
    }
    const int32_t next = NextProgress(m_progress, step);
    ApplyProgress(next, true);
    if (next == EndProgress()) break;
    const int32_t delay = m_delay;
    const uint64_t elapsed = m_host.NowMs() - t0;
    if (elapsed <= static_cast<uint64_t>(delay)) {
      std::unique_lock lock(m_eventLock);
      m_host.WaitFor(lock, m_eventChanged, static_cast<uint32_t>(delay - static_cast<int32_t>(elapsed)),
                     [&] { return worker.endRequested.load(); });
      step = m_step;
    } else if (m_exactTiming && delay > 0) {
      // Late frames take a step as much larger as they took longer than the delay. A frame
      // later than the whole transition needs one step to the end; with no delay there is
      // nothing to be late for.
      const int32_t late = static_cast<int32_t>(std::min<uint64_t>(elapsed, uint64_t{100} * delay));
      step = std::clamp(MulDivRound(m_step, late, delay), 1, 100);
    }
  }
  m_host.PostToUiThread([self = std::weak_ptr<TCustomPicShow*>(m_self), ended = &worker] {
    const std::shared_ptr<TCustomPicShow*> alive = self.lock();
    if (alive && *alive) (*alive)->WorkerEnded(ended);
  });
}

void TCustomPicShow::EndWorker() {
  if (!m_worker) return;
  m_worker->endRequested = true;
  {
    const std::lock_guard lock(m_eventLock);
    m_frameDone = true;
  }
  m_eventChanged.notify_all();
  m_worker->thread.join();
  m_worker.reset();
}

void TCustomPicShow::WorkerEnded(const TWorker* worker) {
  // A worker ended by a stop or by the switch to manual mode was handled then.
  if (!m_worker || m_worker.get() != worker) return;
  m_worker->thread.join();
  m_worker.reset();
  if (m_stopping || !m_manual) Finish();
}

void TCustomPicShow::Finish() {
  if (!m_busy) return;
  m_busy = false;
  {
    const std::lock_guard lock(m_frameLock);
    m_oldImage = TBitmap32();
    m_newImage = TBitmap32();
  }
  if (m_destroying) return;
  const bool stopped = m_stopping;
  if (!stopped && OnComplete) OnComplete(*this);
  if (OnStop) OnStop(*this);
}

void TCustomPicShow::StopTransition() {
  if (!m_busy || m_stopping) return;
  m_stopping = true;
  EndWorker();
  Finish();
  m_stopping = false;
}

void TCustomPicShow::ClearDisplay() {
  if (m_busy) return;
  {
    const std::lock_guard lock(m_frameLock);
    m_display = TBitmap32();
  }
  m_host.RequestPaint({0, 0, m_width, m_height});
}

const TBitmap32& TCustomPicShow::Paint() {
  // A paint requested while one runs (from an event raised by it) is dropped.
  if (m_painting) return m_offscreen;
  m_painting = true;
  {
    const std::lock_guard lock(m_frameLock);
    FitOffscreen();
    PaintPicShowBackground(m_offscreen.View(), m_offscreen.Bounds(), ColorToPixel(m_color), m_bgPicture, m_bgMode);
    if (!m_display.Empty()) {
      if (m_layout.stretch)
        StretchNearest(m_offscreen.View(), m_targetRect, m_display.View(), m_display.Bounds());
      else
        CopyRect(m_offscreen.View(), {m_targetRect.left, m_targetRect.top}, m_display.View());
    }
  }
  m_firstPaint = false;
  m_painting = false;
  FrameDone();
  return m_offscreen;
}

void TCustomPicShow::FrameDone() {
  {
    const std::lock_guard lock(m_eventLock);
    m_frameDone = true;
  }
  m_eventChanged.notify_all();
}
