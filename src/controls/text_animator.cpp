#include "controls/text_animator.h"

#include <QGuiApplication>
#include <algorithm>
#include <chrono>

#include "graphics/canvas.h"
#include "graphics/text_render.h"
#include "model/text_encoding.h"
#include "window/control_composite.h"
#include "window/menu_context.h"

const TClassInfo& TKIVTextAnimator::StaticClass() {
  using C = TKIVTextAnimator;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVTextAnimator", &TKIVStaticActionControl::StaticClass())
          .Color("BeginColor", Accessors(&C::BeginColor, &C::SetBeginColor), clYellow)
          .Color("EndColor", Accessors(&C::EndColor, &C::SetEndColor), clRed)
          // Starts at 50 but the writer omits 70: documents rely on that pairing, so a stored
          // speed of 70 reads back as 50.
          .Integer("Speed", Accessors(&C::Speed, &C::SetSpeed), 70)
          .Enum("Style", Accessors(&C::Style, &C::SetStyle), TKIVTextAnimatorStyle::ataRandom)
          .Integer("Swing", Accessors(&C::Swing, &C::SetSwing), 20)
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Accessors(&C::TextMode, &C::SetTextMode))
          .PublishAll("Align", "DragCursor", "DragMode", "ParentColor", "ParentShowHint", "PopupMenu", "OnDragDrop",
                      "OnDragOver", "OnEndDrag", "OnStartDrag")
          .Build();
  return *info;
}

TKIVTextAnimator::TKIVTextAnimator()
    : m_random(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {
  m_font.SetName("Times New Roman");
  m_font.SetSize(10);
  m_font.SetStyle(fsBold);
  m_acceleratorEnabled = false;
}

TKIVTextAnimator::~TKIVTextAnimator() = default;

void TKIVTextAnimator::SetBeginColor(TColor color) {
  if (color == m_beginColor) return;
  m_beginColor = color;
  m_walk = TColourWalk(m_beginColor, m_endColor);
  Invalidate();
}

void TKIVTextAnimator::SetEndColor(TColor color) {
  if (color == m_endColor) return;
  m_endColor = color;
  m_walk = TColourWalk(m_beginColor, m_endColor);
  Invalidate();
}

void TKIVTextAnimator::SetSpeed(int32_t speed) {
  speed = std::clamp(speed, 1, 100);
  if (speed == m_speed) return;
  m_speed = speed;
  if (Animating()) m_timer->Start(TimerIntervalMs());
}

void TKIVTextAnimator::SetStyle(TKIVTextAnimatorStyle style) {
  if (style == m_style) return;
  m_style = style;
  RestartLetters();
}

void TKIVTextAnimator::SetSwing(int32_t points) {
  points = std::clamp(points, 5, kMaxAnimatorSwing);
  if (points == m_swing) return;
  m_swing = points;
  RestartLetters();
  ApplyAutoSize();
}

void TKIVTextAnimator::SetOpacity(int32_t percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == m_opacity) return;
  m_opacity = percent;
  Invalidate();
}

void TKIVTextAnimator::SetTextMode(TKIVTextRenderMode mode) {
  if (mode == m_textMode) return;
  m_textMode = mode;
  RestartLetters();
  ApplyAutoSize();
}

void TKIVTextAnimator::SeedRandom(uint32_t seed) {
  m_random.Seed(seed);
  RestartLetters();
}

void TKIVTextAnimator::SetCaption(std::string caption) {
  TKIVStaticActionControl::SetCaption(std::move(caption));
  RestartLetters();
  ApplyAutoSize();
}

void TKIVTextAnimator::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  TKIVStaticActionControl::SetBounds(left, top, width, height);
  ApplyAutoSize();
}

void TKIVTextAnimator::SetVisible(bool visible) {
  TKIVStaticActionControl::SetVisible(visible);
  UpdateTimer();
}

void TKIVTextAnimator::SetDesignMode(bool designMode) {
  TKIVStaticActionControl::SetDesignMode(designMode);
  UpdateTimer();
}

void TKIVTextAnimator::PageShown() { UpdateTimer(); }

void TKIVTextAnimator::Loaded() {
  TKIVStaticActionControl::Loaded();
  ApplyAutoSize();
  UpdateTimer();
}

namespace {

// The characters of text, each as its own UTF-8 string.
std::vector<std::string> SplitCharacters(std::string_view text) {
  std::vector<std::string> characters;
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    NextCodePoint(text, pos);
    characters.emplace_back(text.substr(start, pos - start));
  }
  return characters;
}

// The flags the letters are measured with and drawn with.
constexpr uint32_t kMeasureFlags = DT_NOPREFIX | DT_SINGLELINE;
constexpr uint32_t kDrawFlags = DT_NOPREFIX;

}  // namespace

void TKIVTextAnimator::RestartLetters() {
  m_pulses = StartingPulses(m_style, m_swing, SplitCharacters(DecodedCaption()).size(), m_random);
  Invalidate();
}

const TKIVTextAnimator::TLetterMetrics& TKIVTextAnimator::Metrics() {
  TFont largest;
  largest.Assign(&m_font);
  largest.SetSize(m_font.Size() + m_swing - 1);
  TMeasuredFor wanted{m_caption, TCanvasFont::From(largest), m_swing, m_textMode};
  if (m_measured && wanted == m_measuredFor) return m_metrics;

  TBitmap32 scratch(1, 1);
  TCanvas canvas(scratch.View());
  canvas.Font() = wanted.font;
  TLetterMetrics metrics;
  metrics.letters = SplitCharacters(DecodedCaption());
  for (const std::string& letter : metrics.letters) {
    metrics.advances.push_back(MeasureTextWidth(canvas, letter, Antialiased(), kMeasureFlags));
    metrics.totalWidth += metrics.advances.back();
  }
  metrics.lineHeight = MeasureTextHeight(canvas, "hy", Antialiased(), kMeasureFlags);
  m_metrics = std::move(metrics);
  m_measuredFor = std::move(wanted);
  m_measured = true;
  return m_metrics;
}

bool TKIVTextAnimator::ApplyAutoSize() {
  // Measuring needs the fonts of a running user interface; while loading, Loaded sizes.
  if (IsLoading() || !QGuiApplication::instance()) return false;
  const TLetterMetrics& metrics = Metrics();
  if (metrics.totalWidth == m_width && metrics.lineHeight == m_height) return false;
  TKIVStaticActionControl::SetBounds(m_left, m_top, metrics.totalWidth, metrics.lineHeight);
  Invalidate();
  return true;
}

void TKIVTextAnimator::UpdateTimer() {
  const TMenuContext* context = MenuContextOf(*this);
  TTimerSource* source = context ? context->services.timers : nullptr;
  if (!source || IsLoading() || DesignMode() || !Visible()) {
    if (m_timer) m_timer->Stop();
    return;
  }
  if (!m_timer || m_timerSource != source) {
    m_timer = source->MakeTimer([this] { Tick(); });
    m_timerSource = source;
  }
  if (!m_timer->Active()) m_timer->Start(TimerIntervalMs());
}

void TKIVTextAnimator::Tick() {
  if (!Visible()) return;
  for (TLetterPulse& pulse : m_pulses) StepPulse(pulse, m_swing);
  // The paint of the moment before took one colour for each letter.
  m_walk.Skip(m_pulses.size());
  Invalidate();
}

void TKIVTextAnimator::Paint(TCanvas& canvas) {
  if (m_painting) return;
  m_painting = true;
  struct TPaintEnd {
    bool& painting;
    ~TPaintEnd() { painting = false; }
  } paintEnd{m_painting};

  if (ApplyAutoSize()) {
    // The window clipped this paint to the old size; the new one shows at once and the window
    // repaints what the old size covered.
    canvas.ResetClip();
    canvas.IntersectClip({0, 0, m_width, m_height});
  }
  if (!Visible() || m_width <= 0 || m_height <= 0) return;
  const TLetterMetrics& metrics = Metrics();
  TBitmap32 surface = CaptureBackground(*this);
  TCanvas surfaceCanvas(surface.View());
  surfaceCanvas.SetFont(m_font);
  surfaceCanvas.Brush().style = TBrushStyle::bsClear;
  int32_t x = (m_width - metrics.totalWidth) / 2;
  const int32_t y = (m_height - metrics.lineHeight) / 2;
  TColourWalk walk = m_walk;
  TFont letterFont;
  letterFont.Assign(&m_font);
  const size_t count = std::min(metrics.letters.size(), m_pulses.size());
  for (size_t i = 0; i < count; ++i) {
    letterFont.SetSize(m_font.Size() + m_pulses[i].offset);
    surfaceCanvas.Font().height = letterFont.Height();
    surfaceCanvas.Font().color = walk.Next();
    TextOutAt(surfaceCanvas, metrics.letters[i], x, y, Antialiased(), kDrawFlags);
    x += metrics.advances[i];
  }
  CompositeOpacity(*this, m_opacity, surface, canvas);
}
