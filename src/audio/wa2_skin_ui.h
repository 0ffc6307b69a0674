#pragma once
// TWA2SkinUI: the skinned music player's surface, always 275 x 116 pixels: the skin's main
// picture with its buttons, switches, indicators, sliders, the title line (and the hint line
// that takes its place while a slider is held) and the four displays (play state, time, bit
// rate, sample rate). It starts with the player's built-in skin. It paints into a picture of its own size, in child order, and keeps the
// pointer with the part it was pressed on until the button is let go. Clicks and slider changes
// go to the owner through the parts' events.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/wa2_parts.h"
#include "audio/wa2_skin.h"
#include "model/control.h"

// The interactive parts of the surface.
enum class TWA2Element : uint8_t {
  Options, Minimize, Shade, Close,
  Previous, Play, Pause, Stop, Next, Eject,
  Shuffle, Repeat, Equalizer, PlayList,
  Volume, Balance, SeekBar,
};
inline constexpr size_t kWA2ElementCount = 17;

class TWA2SkinUI : public TCustomControl {
 public:
  static constexpr int32_t kWidth = 275;
  static constexpr int32_t kHeight = 116;

  TWA2SkinUI();
  ~TWA2SkinUI() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Keeps the position and resets the size to 275 x 116.
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

  // A disabled element is drawn as usual but ignores the mouse. All start enabled except the
  // seek bar, which is enabled while a file with a known length plays.
  bool ElementEnabled(TWA2Element element) const { return Element(element).Enabled(); }
  void SetElementEnabled(TWA2Element element, bool enabled) { Element(element).SetEnabled(enabled); }

  // Loads a skin's bitmaps over the current ones and repaints.
  void LoadSkin(TSkinSource& source);
  const TWA2Skin& Skin() const { return m_skin; }

  // The displays; each repaints only its own area. Play state 0 stopped, 1 paused, 2 playing;
  // time in seconds, bit rate in kbit/s and sample rate in kHz, each -1 for blank; channels 0
  // for none, 1 mono, more stereo.
  void SetPlayState(int32_t state);
  void SetTime(int32_t seconds);
  void SetBitRate(int32_t kbps);
  void SetSampleRate(int32_t khz);
  void SetChannels(int32_t channels);
  void SetTitle(const std::string& title);

  TWA2Button& Button(TWA2Element element);
  TWA2Switch& Switch(TWA2Element element);
  TWA2Slider& Slider(TWA2Element element);
  TWA2InfoBar& TitleLine() { return *m_title; }
  TWA2InfoBar& HintLine() { return *m_hint; }
  TWA2Indicator& Mono() { return *m_mono; }
  TWA2Indicator& Stereo() { return *m_stereo; }

  // The menu window paints the surface and hands it the pointer, above its windowless controls.
  bool PaintedByWindow() const override { return true; }
  // The surface's picture as it is now.
  TBitmap32 Picture() const;
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

 protected:
  // Whether a part holds the pointer (the last left press landed on an enabled part).
  bool PartHoldsPointer() const { return m_captured != nullptr; }

 private:
  TWA2Part& Element(TWA2Element element) const { return *m_elements[static_cast<size_t>(element)]; }
  template <class TPart, class... TArgs>
  TPart& AddPart(TArgs&&... args);
  void RepaintArea(const TRect& area) { InvalidateArea(area.left, area.top, area.Width(), area.Height()); }
  // A display's new value; its area is painted again when it changed.
  void SetDisplay(int32_t& shown, int32_t value, const TRect& area);
  void PaintDisplays(const TBitmapView& surface) const;

  TWA2Skin m_skin;
  std::vector<std::unique_ptr<TWA2Part>> m_parts;  // child order
  std::array<TWA2Part*, kWA2ElementCount> m_elements{};
  TWA2Indicator* m_mono = nullptr;
  TWA2Indicator* m_stereo = nullptr;
  TWA2InfoBar* m_title = nullptr;
  TWA2InfoBar* m_hint = nullptr;
  TWA2Part* m_captured = nullptr;
  int32_t m_playState = 0;
  int32_t m_time = -1;
  int32_t m_bitRate = -1;
  int32_t m_sampleRate = -1;
};
