#include "window/control_composite.h"

#include <algorithm>
#include <map>

#include "graphics/bitmap_to_canvas.h"
#include "graphics/colors.h"

namespace {

TRect Bounds(const TControl& control) {
  return TRect::FromSize(control.Left(), control.Top(), control.Width(), control.Height());
}

// Marks a control as painting a copy for the lifetime of the guard.
class TPaintingCopyMark {
 public:
  explicit TPaintingCopyMark(TControl& control) : m_control(control) { m_control.SetPaintingCopy(true); }
  ~TPaintingCopyMark() { m_control.SetPaintingCopy(false); }
  TPaintingCopyMark(const TPaintingCopyMark&) = delete;
  TPaintingCopyMark& operator=(const TPaintingCopyMark&) = delete;

 private:
  TControl& m_control;
};

}  // namespace

void PaintChildControl(TCanvas& canvas, TControl& child) {
  if (!child.Visible()) return;
  canvas.Save();
  canvas.OffsetOrigin(child.Left(), child.Top());
  canvas.IntersectClip(TRect::FromSize(0, 0, child.Width(), child.Height()));
  canvas.SetFont(*child.Font());
  if (!canvas.ClipRect().IsEmpty()) child.Paint(canvas);
  canvas.Restore();
}

void CopyParentBackground(TControl& control, TCanvas& canvas) {
  TWinControl* parent = control.Parent();
  if (!parent) return;
  TPaintingCopyMark parentMark(*parent);
  canvas.Save();
  canvas.OffsetOrigin(-control.Left(), -control.Top());
  const TSize client = parent->ClientSize();
  canvas.IntersectClip(TRect::FromSize(0, 0, client.width, client.height));
  if (!canvas.ClipRect().IsEmpty()) {
    parent->Paint(canvas);
    const TRect bounds = Bounds(control);
    for (TControl* sibling : parent->Controls()) {
      if (sibling == &control) break;
      if (!sibling->Visible() || !sibling->InheritsFrom(TGraphicControl::StaticClass())) continue;
      if (!Bounds(*sibling).Intersects(bounds)) continue;
      TPaintingCopyMark siblingMark(*sibling);
      PaintChildControl(canvas, *sibling);
    }
  }
  canvas.Restore();
}

namespace {

// The captures of the current scope, or null outside one.
thread_local std::map<const TControl*, TBitmap32>* t_captures = nullptr;

}  // namespace

TCaptureScope::TCaptureScope() : m_outermost(t_captures == nullptr) {
  if (m_outermost) t_captures = new std::map<const TControl*, TBitmap32>;
}

TCaptureScope::~TCaptureScope() {
  if (!m_outermost) return;
  delete t_captures;
  t_captures = nullptr;
}

TBitmap32 CaptureBackground(TControl& control) {
  const int32_t width = std::max(control.Width(), 0), height = std::max(control.Height(), 0);
  if (t_captures) {
    const auto found = t_captures->find(&control);
    if (found != t_captures->end() && found->second.Width() == width && found->second.Height() == height)
      return found->second;
  }
  TBitmap32 background(width, height);
  TCanvas canvas(background.View());
  CopyParentBackground(control, canvas);
  if (t_captures) (*t_captures)[&control] = background;
  return background;
}

void CompositeOpacity(TControl& control, int32_t opacity, const TBitmap32& surface, TCanvas& canvas) {
  opacity = std::clamp(opacity, 0, 100);
  if (opacity == 100) {
    CopyToCanvas(canvas, {0, 0}, surface.View());
    return;
  }
  const TBitmap32 background = CaptureBackground(control);
  BlendBitmaps(background, surface, canvas, static_cast<uint8_t>((100 - opacity) * 255 / 100));
}

void BlendColorOverBackground(TCanvas& canvas, TControl& control, TColor color) {
  const TBitmap32 background = CaptureBackground(control);
  const TBitmap32 colour(background.Width(), background.Height(), ColorToPixel(color));
  BlendBitmaps(background, colour, canvas, 128);
}
