#include "audio/wa2_parts.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "audio/wa2_font.h"
#include "graphics/colors.h"
#include "graphics/raster.h"
#include "graphics/rect_frames.h"

namespace {

constexpr int32_t kFrames = 28;
constexpr int kScrollMs = 200;
constexpr std::u32string_view kScrollGap = U"   ***   ";

struct TSliderLook {
  int32_t min, max, value, leftMargin, rightMargin, sourceX, thumbGap, thumbYExtra, spacing, thumbWidth,
      thumbHeight, deadZone;
  bool live;
};

constexpr TSliderLook LookOf(TWA2SliderKind kind) {
  switch (kind) {
    case TWA2SliderKind::Volume: return {0, 100, 100, 0, 3, 0, 1, 2, 2, 14, 11, 0, true};
    case TWA2SliderKind::Balance: return {-50, 50, 0, 0, 0, 9, 1, 2, 2, 14, 11, 10, true};
    case TWA2SliderKind::SeekBar: return {0, 1000, 0, 0, 0, 0, 0, 0, 0, 29, 10, 0, false};
  }
  return {};
}

// Copies the size x of bitmap at source to surface at target, clipped to the bitmap.
void CopyFrom(const TBitmapView& surface, TPoint target, const TBitmap32& bitmap, const TRect& source) {
  CopyRect(surface, target, bitmap.View().SubView(source));
}

}  // namespace

void TWA2Part::SetVisible(bool visible) {
  if (visible == m_visible) return;
  m_visible = visible;
  Repaint();
}

void TWA2Part::PaintRow(const TBitmapView& surface, int32_t row) const {
  CopyFrom(surface, {m_bounds.left, m_bounds.top}, m_bitmap, TRect::FromSize(0, row * Height(), Width(), Height()));
}

void TWA2Button::Paint(const TBitmapView& surface) const {
  if (!m_bitmap.Empty()) {
    PaintRow(surface, SourceRow());
    return;
  }
  // Without a skin picture: a plain button, raised, sunken while pressed.
  FillRect(surface, m_bounds, ColorToPixel(clBtnFace));
  if (m_pressed)
    DrawSunkenFrame(surface, m_bounds);
  else
    DrawRaisedFrame(surface, m_bounds);
}

void TWA2Button::MouseDown(int32_t, int32_t) {
  m_pressed = true;
  Repaint();
}

void TWA2Button::MouseMove(int32_t x, int32_t y) {
  // Only while the button is held: leaving lets the button up, coming back presses it again.
  if (Inside(x, y) == m_pressed) return;
  m_pressed = Inside(x, y);
  Repaint();
}

void TWA2Button::MouseUp(int32_t x, int32_t y) {
  const bool click = m_pressed && Inside(x, y);
  m_pressed = false;
  Repaint();
  if (click) Click();
}

void TWA2Button::Click() {
  if (onClick) onClick();
}

void TWA2Switch::SetOn(bool on) {
  if (on == m_on) return;
  m_on = on;
  Repaint();
}

void TWA2Switch::Click() {
  SetOn(!m_on);
  TWA2Button::Click();
}

void TWA2Indicator::SetOn(bool on) {
  if (on == m_on) return;
  m_on = on;
  Repaint();
}

TWA2Slider::TWA2Slider(const TRect& bounds, const TBitmap32& bitmap, TWA2SliderKind kind)
    : TWA2Part(bounds, bitmap), m_kind(kind) {
  const TSliderLook look = LookOf(kind);
  m_min = look.min, m_max = look.max, m_value = look.value;
  m_leftMargin = look.leftMargin, m_rightMargin = look.rightMargin, m_sourceX = look.sourceX;
  m_thumbGap = look.thumbGap, m_thumbYExtra = look.thumbYExtra, m_spacing = look.spacing;
  m_thumbWidth = look.thumbWidth, m_thumbHeight = look.thumbHeight, m_deadZone = look.deadZone;
  m_live = look.live;
}

int32_t TWA2Slider::Track() const { return Width() - m_leftMargin - m_rightMargin - m_thumbWidth; }

int32_t TWA2Slider::ThumbLeft() const {
  if (m_max == m_min) return m_leftMargin;
  // The seek bar's thumb runs over the whole width less the thumb, the others over the track.
  const int32_t run = m_kind == TWA2SliderKind::SeekBar ? Width() - m_thumbWidth : Track();
  return m_leftMargin + run * (m_value - m_min) / (m_max - m_min);
}

int32_t TWA2Slider::FrameIndex() const {
  if (m_max == m_min) return 0;
  if (m_min * m_max < 0) return std::abs(m_value) * (kFrames - 1) / m_max;
  return std::abs(m_value) * (kFrames - 1) / (m_max - m_min);
}

int32_t TWA2Slider::ValueAt(int32_t x) const {
  const int32_t track = Track();
  const int32_t value =
      track > 0 ? std::clamp(m_min + (x - m_grab - m_leftMargin) * (m_max - m_min) / track, m_min, m_max) : m_min;
  return std::abs(value) < m_deadZone ? 0 : value;
}

void TWA2Slider::SetValue(int32_t value) {
  if (m_pressed) return;
  value = std::clamp(value, m_min, m_max);
  if (value == m_value) return;
  m_value = value;
  Repaint();
}

void TWA2Slider::Paint(const TBitmapView& surface) const {
  const int32_t top = (Height() - m_thumbHeight) / 2;
  const TPoint at{m_bounds.left, m_bounds.top};
  if (m_kind == TWA2SliderKind::SeekBar) {
    CopyFrom(surface, at, m_bitmap, TRect::FromSize(0, 0, Width(), Height()));
    const int32_t thumbX = m_pressed ? Width() + m_thumbWidth + 1 : Width();
    CopyFrom(surface, {at.x + ThumbLeft(), at.y + top}, m_bitmap, TRect::FromSize(thumbX, 0, m_thumbWidth, Height()));
    return;
  }
  CopyFrom(surface, at, m_bitmap, TRect::FromSize(m_sourceX, FrameIndex() * (Height() + m_spacing), Width(), Height()));
  const int32_t thumbX = m_pressed ? 0 : m_thumbWidth + m_thumbGap;
  const int32_t thumbY = (Height() + m_spacing) * kFrames + m_thumbYExtra;
  CopyFrom(surface, {at.x + ThumbLeft(), at.y + top}, m_bitmap,
           TRect::FromSize(thumbX, thumbY, m_thumbWidth, m_thumbHeight));
}

void TWA2Slider::MouseDown(int32_t x, int32_t) {
  m_pressed = true;
  const int32_t thumb = ThumbLeft();
  if (x < thumb || x >= thumb + m_thumbWidth) {
    m_grab = m_thumbWidth / 2;
    Drag(x);
  } else {
    m_grab = x - thumb;
    Repaint();
  }
  if (onHint) onHint(Hint());
}

void TWA2Slider::MouseMove(int32_t x, int32_t) {
  Drag(x);
  // While the balance is held, a value left of the centre creeps one step toward it, except at
  // the minimum and at -25; the change reported for this move had the value before.
  if (m_kind == TWA2SliderKind::Balance && m_value < 0 && m_value > m_min && m_value != -25) ++m_value;
  if (onHint) onHint(Hint());
}

void TWA2Slider::Drag(int32_t x) {
  m_value = ValueAt(x);
  Repaint();
  if (m_live && onChange) onChange(m_value);
}

void TWA2Slider::MouseUp(int32_t, int32_t) {
  m_pressed = false;
  Repaint();
  if (!m_live && onChange) onChange(m_value);
  if (onHint) onHint({});
}

std::string TWA2Slider::Hint() const {
  switch (m_kind) {
    case TWA2SliderKind::Volume: return "Volume: " + std::to_string(m_value) + "%";
    case TWA2SliderKind::Balance:
      if (m_value == 0) return "Balance: Center";
      return "Balance: " + std::to_string(2 * std::abs(m_value)) + (m_value < 0 ? "% Left" : "% Right");
    case TWA2SliderKind::SeekBar: {
      const auto at = static_cast<int32_t>((int64_t{m_value} * m_lengthSeconds + 500) / 1000);
      return "Seek To: " + MinutesAndSeconds(at) + "/" + MinutesAndSeconds(m_lengthSeconds) + " (" +
             std::to_string(m_value / 10) + "%)";
    }
  }
  return {};
}

TWA2InfoBar::TWA2InfoBar(const TRect& bounds, const TBitmap32& font) : TWA2Part(bounds, font) {}

TWA2InfoBar::~TWA2InfoBar() = default;

void TWA2InfoBar::Paint(const TBitmapView& surface) const { DrawWA2Text(surface, m_bounds, m_bitmap, m_text); }

void TWA2InfoBar::SetText(const std::string& utf8) {
  m_text = WA2FontText(utf8);
  m_scrolling = WA2TextWidth(m_text) > Width();
  if (m_scrolling) {
    m_text += kScrollGap;
    // Without an event loop (a render, a dump) the text stands still.
    if (QCoreApplication::instance() && !m_timer) {
      m_timer = std::make_unique<QTimer>();
      QObject::connect(m_timer.get(), &QTimer::timeout, [this] { Scroll(); });
      m_timer->start(kScrollMs);
    }
  } else {
    m_timer.reset();
  }
  Repaint();
}

void TWA2InfoBar::Scroll() {
  if (m_text.empty()) return;
  std::rotate(m_text.begin(), m_text.begin() + 1, m_text.end());
  Repaint();
}

std::string MinutesAndSeconds(int32_t seconds) {
  seconds = std::max(seconds, 0);
  int32_t minutes = seconds / 60, rest = seconds % 60;
  if (minutes >= 100) minutes = 99, rest = 59;
  const auto two = [](int32_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  return two(minutes) + ":" + two(rest);
}
