#include "audio/wa2_skin_ui.h"

#include "audio/skin_sources.h"
#include "audio/wa2_font.h"
#include "graphics/bitmap_to_canvas.h"
#include "graphics/raster.h"

namespace {

using E = TWA2Element;

constexpr TRect kPlayStateArea{26, 28, 35, 37};
constexpr TRect kTimeArea{48, 26, 99, 39};
constexpr TRect kBitRateArea{111, 43, 126, 49};
constexpr TRect kSampleRateArea{156, 43, 166, 49};
constexpr int32_t kDigitWidth = 9, kDigitHeight = 13;
constexpr int32_t kTimeDigitLeft[] = {48, 60, 78, 90};

// A number right-aligned to width characters with leading spaces; a longer one keeps its last
// width digits.
std::string RightAligned(int32_t value, size_t width) {
  std::string text = std::to_string(value);
  if (text.size() > width) return text.substr(text.size() - width);
  return std::string(width - text.size(), ' ') + text;
}

}  // namespace

const TClassInfo& TWA2SkinUI::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TWA2SkinUI>("TWA2SkinUI", &TCustomControl::StaticClass()).Build();
  return *info;
}

template <class TPart, class... TArgs>
TPart& TWA2SkinUI::AddPart(TArgs&&... args) {
  auto part = std::make_unique<TPart>(std::forward<TArgs>(args)...);
  TPart& added = *part;
  part->onRepaint = [this](const TRect& area) { RepaintArea(area); };
  m_parts.push_back(std::move(part));
  return added;
}

TWA2SkinUI::TWA2SkinUI() {
  m_width = kWidth;
  m_height = kHeight;
  TBuiltinSkinSource builtIn;
  m_skin.Load(builtIn);
  // The buttons, then the switches, in child order.
  const struct {
    E element;
    TRect bounds;
    const TBitmap32& bitmap;
    bool toggles;
  } clickable[] = {
      {E::Options, TRect::FromSize(6, 3, 9, 9), m_skin.optionsButton, false},
      {E::Minimize, TRect::FromSize(244, 3, 9, 9), m_skin.minimizeButton, false},
      {E::Shade, TRect::FromSize(254, 3, 9, 9), m_skin.shadeButton, false},
      {E::Close, TRect::FromSize(264, 3, 9, 9), m_skin.closeButton, false},
      {E::Previous, TRect::FromSize(16, 88, 23, 18), m_skin.previous, false},
      {E::Play, TRect::FromSize(39, 88, 23, 18), m_skin.play, false},
      {E::Pause, TRect::FromSize(62, 88, 23, 18), m_skin.pause, false},
      {E::Stop, TRect::FromSize(85, 88, 23, 18), m_skin.stop, false},
      {E::Next, TRect::FromSize(108, 88, 22, 18), m_skin.next, false},
      {E::Eject, TRect::FromSize(136, 89, 22, 16), m_skin.eject, false},
      {E::Shuffle, TRect::FromSize(164, 89, 47, 15), m_skin.shuffle, true},
      {E::Repeat, TRect::FromSize(210, 89, 28, 15), m_skin.repeat, true},
      {E::Equalizer, TRect::FromSize(219, 58, 23, 12), m_skin.equalizer, true},
      {E::PlayList, TRect::FromSize(242, 58, 23, 12), m_skin.playList, true},
  };
  for (const auto& c : clickable)
    m_elements[static_cast<size_t>(c.element)] =
        c.toggles ? &AddPart<TWA2Switch>(c.bounds, c.bitmap) : &AddPart<TWA2Button>(c.bounds, c.bitmap);
  m_mono = &AddPart<TWA2Indicator>(TRect::FromSize(212, 41, 29, 12), m_skin.mono);
  m_stereo = &AddPart<TWA2Indicator>(TRect::FromSize(239, 41, 29, 12), m_skin.stereo);
  m_elements[static_cast<size_t>(E::Volume)] =
      &AddPart<TWA2Slider>(TRect::FromSize(107, 57, 68, 13), m_skin.volume, TWA2SliderKind::Volume);
  m_elements[static_cast<size_t>(E::Balance)] =
      &AddPart<TWA2Slider>(TRect::FromSize(177, 57, 38, 13), m_skin.balance, TWA2SliderKind::Balance);
  m_elements[static_cast<size_t>(E::SeekBar)] =
      &AddPart<TWA2Slider>(TRect::FromSize(16, 72, 248, 10), m_skin.seekBar, TWA2SliderKind::SeekBar);
  m_title = &AddPart<TWA2InfoBar>(TRect::FromSize(111, 27, 155, 6), m_skin.font);
  m_hint = &AddPart<TWA2InfoBar>(TRect::FromSize(111, 27, 155, 6), m_skin.font);
  m_hint->SetVisible(false);
  SetElementEnabled(E::SeekBar, false);
  // While a slider is held its hint stands in for the title.
  for (E slider : {E::Volume, E::Balance, E::SeekBar})
    Slider(slider).onHint = [this](const std::string& hint) {
      m_hint->SetText(hint);
      m_hint->SetVisible(!hint.empty());
      m_title->SetVisible(hint.empty());
    };
}

TWA2SkinUI::~TWA2SkinUI() = default;

void TWA2SkinUI::SetBounds(int32_t left, int32_t top, int32_t, int32_t) {
  TCustomControl::SetBounds(left, top, kWidth, kHeight);
}

TWA2Button& TWA2SkinUI::Button(TWA2Element element) { return dynamic_cast<TWA2Button&>(Element(element)); }
TWA2Switch& TWA2SkinUI::Switch(TWA2Element element) { return dynamic_cast<TWA2Switch&>(Element(element)); }
TWA2Slider& TWA2SkinUI::Slider(TWA2Element element) { return dynamic_cast<TWA2Slider&>(Element(element)); }

void TWA2SkinUI::LoadSkin(TSkinSource& source) {
  m_skin.Load(source);
  Invalidate();
}

void TWA2SkinUI::SetDisplay(int32_t& shown, int32_t value, const TRect& area) {
  if (value == shown) return;
  shown = value;
  RepaintArea(area);
}

void TWA2SkinUI::SetPlayState(int32_t state) { SetDisplay(m_playState, state, kPlayStateArea); }
void TWA2SkinUI::SetTime(int32_t seconds) { SetDisplay(m_time, seconds, kTimeArea); }
void TWA2SkinUI::SetBitRate(int32_t kbps) { SetDisplay(m_bitRate, kbps, kBitRateArea); }
void TWA2SkinUI::SetSampleRate(int32_t khz) { SetDisplay(m_sampleRate, khz, kSampleRateArea); }

void TWA2SkinUI::SetChannels(int32_t channels) {
  m_mono->SetOn(channels == 1);
  m_stereo->SetOn(channels > 1);
}

void TWA2SkinUI::SetTitle(const std::string& title) { m_title->SetText(title); }

void TWA2SkinUI::PaintDisplays(const TBitmapView& surface) const {
  // Playing, paused, or stopped (and any other state).
  const int32_t stateX = m_playState == 2 ? 0 : m_playState == 1 ? 9 : 18;
  CopyRect(surface, {kPlayStateArea.left, kPlayStateArea.top},
           m_skin.playState.View().SubView(TRect::FromSize(stateX, 0, 9, 9)));
  if (m_time >= 0) {
    int32_t minutes = m_time / 60, seconds = m_time % 60;
    if (minutes >= 100) minutes = 99, seconds = 59;
    const int32_t digits[] = {minutes / 10, minutes % 10, seconds / 10, seconds % 10};
    for (size_t i = 0; i < 4; ++i)
      CopyRect(surface, {kTimeDigitLeft[i], kTimeArea.top},
               m_skin.numbers.View().SubView(TRect::FromSize(kDigitWidth * digits[i], 0, kDigitWidth, kDigitHeight)));
  }
  if (m_bitRate >= 0) DrawWA2Text(surface, kBitRateArea, m_skin.font, WA2FontText(RightAligned(m_bitRate, 3)));
  if (m_sampleRate >= 0)
    DrawWA2Text(surface, kSampleRateArea, m_skin.font, WA2FontText(RightAligned(m_sampleRate, 2)));
}

TBitmap32 TWA2SkinUI::Picture() const {
  TBitmap32 surface(kWidth, kHeight);
  CopyRect(surface.View(), {0, 0}, m_skin.main.View());
  PaintDisplays(surface.View());
  for (const auto& part : m_parts)
    if (part->Visible()) part->Paint(surface.View());
  return surface;
}

void TWA2SkinUI::Paint(TCanvas& canvas) { CopyToCanvas(canvas, {0, 0}, Picture().View()); }

void TWA2SkinUI::MouseDown(TMouseButton button, TShiftState, int32_t x, int32_t y) {
  if (button != TMouseButton::mbLeft) return;
  // The topmost part under the pointer, in reverse child order.
  for (auto part = m_parts.rbegin(); part != m_parts.rend(); ++part) {
    const TRect& bounds = (*part)->Bounds();
    if (!(*part)->Visible() || !bounds.Contains({x, y})) continue;
    if (!(*part)->Enabled()) return;
    m_captured = part->get();
    m_captured->MouseDown(x - bounds.left, y - bounds.top);
    return;
  }
}

void TWA2SkinUI::MouseMove(TShiftState, int32_t x, int32_t y) {
  if (m_captured) m_captured->MouseMove(x - m_captured->Bounds().left, y - m_captured->Bounds().top);
}

void TWA2SkinUI::MouseUp(TMouseButton button, TShiftState, int32_t x, int32_t y) {
  if (button != TMouseButton::mbLeft || !m_captured) return;
  TWA2Part* part = std::exchange(m_captured, nullptr);
  part->MouseUp(x - part->Bounds().left, y - part->Bounds().top);
}
