#pragma once
// The parts of the skinned player's surface: buttons, switches, indicators, the three sliders
// and the two text lines. Each lies at fixed bounds on the surface, paints itself from its skin
// bitmap onto the surface's picture, and takes the pointer in its own coordinates while
// enabled (a disabled part looks the same but ignores the mouse). The surface paints them in
// its child order and keeps the pointer with the part it was pressed on until the release.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"

class QTimer;

class TWA2Part {
 public:
  TWA2Part(const TRect& bounds, const TBitmap32& bitmap) : m_bounds(bounds), m_bitmap(bitmap) {}
  virtual ~TWA2Part() = default;
  TWA2Part(const TWA2Part&) = delete;
  TWA2Part& operator=(const TWA2Part&) = delete;

  const TRect& Bounds() const { return m_bounds; }
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled) { m_enabled = enabled; }
  bool Visible() const { return m_visible; }
  void SetVisible(bool visible);

  // Draws the part onto surface (the whole player's picture) at its bounds.
  virtual void Paint(const TBitmapView& surface) const = 0;
  virtual void MouseDown(int32_t x, int32_t y) { (void)x, (void)y; }
  virtual void MouseMove(int32_t x, int32_t y) { (void)x, (void)y; }
  virtual void MouseUp(int32_t x, int32_t y) { (void)x, (void)y; }

  // Asks the surface to paint this rectangle (surface coordinates) again.
  std::function<void(const TRect&)> onRepaint;

 protected:
  void Repaint() const {
    if (onRepaint) onRepaint(m_bounds);
  }
  bool Inside(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
  int32_t Width() const { return m_bounds.Width(); }
  int32_t Height() const { return m_bounds.Height(); }
  // Copies the part-sized area of the bitmap at (0, row x height) to the part's place, clipped to
  // the bitmap.
  void PaintRow(const TBitmapView& surface, int32_t row) const;

  const TRect m_bounds;
  const TBitmap32& m_bitmap;

 private:
  bool m_enabled = true;
  bool m_visible = true;
};

// Pressed while the left button is held on it; a release on it is a click.
class TWA2Button : public TWA2Part {
 public:
  using TWA2Part::TWA2Part;
  void Paint(const TBitmapView& surface) const override;
  void MouseDown(int32_t x, int32_t y) override;
  void MouseMove(int32_t x, int32_t y) override;
  void MouseUp(int32_t x, int32_t y) override;
  bool Pressed() const { return m_pressed; }

  std::function<void()> onClick;

 protected:
  virtual int32_t SourceRow() const { return m_pressed ? 1 : 0; }
  virtual void Click();

 private:
  bool m_pressed = false;
};

// A button that turns on and off with each click (before the click is reported); its rows are
// off, off pressed, on, on pressed.
class TWA2Switch : public TWA2Button {
 public:
  using TWA2Button::TWA2Button;
  bool On() const { return m_on; }
  void SetOn(bool on);

 protected:
  int32_t SourceRow() const override { return TWA2Button::SourceRow() + (m_on ? 2 : 0); }
  void Click() override;

 private:
  bool m_on = false;
};

// Lit (row 0) or not (row 1).
class TWA2Indicator : public TWA2Part {
 public:
  using TWA2Part::TWA2Part;
  void Paint(const TBitmapView& surface) const override { PaintRow(surface, m_on ? 0 : 1); }
  bool On() const { return m_on; }
  void SetOn(bool on);

 private:
  bool m_on = false;
};

enum class TWA2SliderKind : uint8_t { Volume, Balance, SeekBar };

// A slider over a range: the volume (0..100), the balance (-50..50, with a dead zone of 10 around
// the centre) and the seek bar (0..1000, reporting only on release). The volume and balance
// backgrounds are 28 frames stacked in their bitmap with the thumbs below them; the seek bar's
// background and thumbs lie side by side.
class TWA2Slider : public TWA2Part {
 public:
  TWA2Slider(const TRect& bounds, const TBitmap32& bitmap, TWA2SliderKind kind);
  void Paint(const TBitmapView& surface) const override;
  void MouseDown(int32_t x, int32_t y) override;
  void MouseMove(int32_t x, int32_t y) override;
  void MouseUp(int32_t x, int32_t y) override;

  int32_t Minimum() const { return m_min; }
  int32_t Maximum() const { return m_max; }
  int32_t Value() const { return m_value; }
  // Limited to the range; ignored while the user holds the thumb.
  void SetValue(int32_t value);
  bool Pressed() const { return m_pressed; }
  // The thumb's left edge in the part.
  int32_t ThumbLeft() const;
  // The value at the part's x with the current grab: limited to the range, and 0 inside the dead
  // zone.
  int32_t ValueAt(int32_t x) const;
  // The background frame shown for the value (0 to 27).
  int32_t FrameIndex() const;
  // The seek bar's hint needs the song's length in seconds.
  void SetLengthSeconds(int32_t seconds) { m_lengthSeconds = seconds; }

  // The value changed by the user: while dragging for the volume and balance, on release for the
  // seek bar.
  std::function<void(int32_t value)> onChange;
  // The hint line's text while the thumb is held; empty when it is let go.
  std::function<void(const std::string& hint)> onHint;

 private:
  int32_t Track() const;
  void Drag(int32_t x);
  std::string Hint() const;

  TWA2SliderKind m_kind;
  int32_t m_min, m_max, m_value;
  int32_t m_leftMargin, m_rightMargin, m_sourceX, m_thumbGap, m_thumbYExtra, m_spacing;
  int32_t m_thumbWidth, m_thumbHeight, m_deadZone;
  bool m_live;
  bool m_pressed = false;
  int32_t m_grab = 0;
  int32_t m_lengthSeconds = 0;
};

// A line of text in the skin's bitmap font. A text wider than the line gets "   ***   " and
// scrolls left one character every 200 ms.
class TWA2InfoBar : public TWA2Part {
 public:
  TWA2InfoBar(const TRect& bounds, const TBitmap32& font);
  ~TWA2InfoBar() override;
  void Paint(const TBitmapView& surface) const override;
  const std::u32string& Text() const { return m_text; }
  void SetText(const std::string& utf8);
  bool Scrolling() const { return m_scrolling; }
  // One step of the scroll: the first character moves to the end.
  void Scroll();

 private:
  std::u32string m_text;
  bool m_scrolling = false;
  std::unique_ptr<QTimer> m_timer;  // only where an event loop can run it
};

// Minutes and seconds as "mm:ss", each at least two digits; from 100 minutes on "99:59".
std::string MinutesAndSeconds(int32_t seconds);
