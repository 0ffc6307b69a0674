#include "window/picture_fades.h"

#include <algorithm>
#include <cassert>

namespace {

uint8_t ToAlpha(int64_t value) { return static_cast<uint8_t>(std::clamp<int64_t>(value, 0, 255)); }

}  // namespace

uint8_t SplashFadeAlpha(int64_t elapsedMs, int64_t durationMs) {
  const int64_t e = elapsedMs, d = durationMs, h = d / 2;
  const int64_t rise = d * 4 / 10;
  if (d <= 0 || rise <= 0) return 255;
  if ((e > h ? e - h : h - e) <= d / 10) return 255;
  if (e < h) return ToAlpha(e * 255 / rise);
  return ToAlpha((d - e) * 255 / rise);
}

uint8_t ViewerFadeAlpha(int64_t elapsedMs, int64_t durationMs) {
  if (durationMs <= 0) return 255;
  return ToAlpha(std::clamp<int64_t>(elapsedMs, 0, durationMs) * 255 / durationMs);
}

int64_t ViewerFadeDurationMs(int32_t fadeTimeSeconds) {
  return int64_t{std::clamp(fadeTimeSeconds, 0, kMaxViewerFadeSeconds)} * 1000;
}

TSplashFade::TSplashFade(int64_t durationMs, TTickDispatcher* dispatcher, TTimerClock* clock)
    : m_durationMs(durationMs) {
  assert(dispatcher != nullptr && "a fade without a dispatcher never ends");
  m_timer.SetClock(clock);
  m_timer.SetIntervalMs(kFadeStepMs);
  m_timer.SetOnTimer([this] { Step(); });
  m_timer.SetDispatcher(dispatcher);
}

void TSplashFade::Step() {
  m_elapsedMs += kFadeStepMs;
  if (m_elapsedMs >= m_durationMs) {
    m_timer.SetEnabled(false);
    return;
  }
  if (m_onStep) m_onStep(SplashFadeAlpha(m_elapsedMs, m_durationMs));
}

TViewerFade::TViewerFade(int64_t durationMs, TTickDispatcher* dispatcher, TTimerClock* clock)
    : m_durationMs(std::max<int64_t>(durationMs, 0)) {
  assert(dispatcher != nullptr && "a fade without a dispatcher never ends");
  m_timer.SetClock(clock);
  m_timer.SetIntervalMs(kFadeStepMs);
  m_timer.SetOnTimer([this] { Step(); });
  m_timer.SetDispatcher(dispatcher);
}

void TViewerFade::Start() {
  if (m_durationMs == 0) {
    if (m_onStep) m_onStep(255);
    return;
  }
  m_timer.SetEnabled(true);
}

bool TViewerFade::RequestClose() {
  if (!Accepting()) return false;
  m_closing = true;
  if (m_durationMs == 0)
    Close();
  else
    m_timer.SetEnabled(true);
  return true;
}

void TViewerFade::Step() {
  if (m_closed) return;
  if (!m_closing) {
    m_elapsedMs = std::min<int64_t>(m_elapsedMs + kFadeStepMs, m_durationMs);
    if (m_elapsedMs >= m_durationMs) m_timer.SetEnabled(false);
  } else {
    m_elapsedMs = std::max<int64_t>(m_elapsedMs - kFadeStepMs, 0);
  }
  if (m_onStep) m_onStep(ViewerFadeAlpha(m_elapsedMs, m_durationMs));
  if (m_closing && m_elapsedMs <= 0) Close();
}

void TViewerFade::Close() {
  m_timer.SetEnabled(false);
  m_closed = true;
  if (m_onClosed) m_onClosed();
}
