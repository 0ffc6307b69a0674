#include "viewers/viewer_host.h"

#include "graphics/colors.h"
#include "graphics/text_escape.h"
#include "graphics/text_render.h"
#include "window/menu_context.h"

namespace {

constexpr TColor kLabelBlue = 0xFF0000;

}  // namespace

std::string TViewerHost::LabelText() const { return UnescapeTextLeavingOutErrors(NotInstalledText()).text; }

void TViewerHost::SetLabelFont(TCanvas& canvas) const {
  canvas.Font().name = "Tahoma";
  canvas.Font().height = -13;  // 10 points
  canvas.Font().color = kLabelBlue;
  canvas.Font().style = m_labelHot ? uint32_t{fsUnderline} : 0u;
  canvas.Brush().style = TBrushStyle::bsClear;
}

TRect TViewerHost::NotInstalledLabelRect() const {
  TBitmap32 measuring(1, 1);
  TCanvas canvas(measuring.View());
  SetLabelFont(canvas);
  const TRect extent = CalcTextRectPlain(canvas, LabelText(), {0, 0, 0, 0}, 0);
  return TRect::FromSize((m_width - extent.Width()) / 2, (m_height - extent.Height()) / 2, extent.Width(),
                         extent.Height());
}

void TViewerHost::PaintFrame(TCanvas& canvas) const {
  canvas.Pen() = {};
  canvas.Pen().color = kLabelBlue;
  canvas.Brush() = {};
  canvas.Brush().color = clWhite;
  canvas.Rectangle({0, 0, m_width, m_height});
}

void TViewerHost::AdoptComponent(std::unique_ptr<TWidgetComponent> component) {
  m_component.Adopt(std::move(component), ComponentArea());
  Invalidate();
}

void TViewerHost::DetachComponent() {
  m_component.Reset();
  Invalidate();
}

void TViewerHost::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  TCustomControl::SetBounds(left, top, width, height);
  m_component.Place(ComponentArea());
}

void TViewerHost::SetVisible(bool visible) {
  TCustomControl::SetVisible(visible);
  m_component.Place(ComponentArea());
}

void TViewerHost::Paint(TCanvas& canvas) {
  if (m_component.Get()) {
    m_component.Render(canvas, ComponentArea());
    return;
  }
  PaintFrame(canvas);
  SetLabelFont(canvas);
  TRect label = NotInstalledLabelRect();
  DrawTextPlain(canvas, LabelText(), label, 0);
}

void TViewerHost::SetLabelHot(bool hot) {
  hot = hot && !m_designMode;
  if (hot == m_labelHot) return;
  m_labelHot = hot;
  Invalidate();
}

void TViewerHost::MouseMove(TShiftState, int32_t x, int32_t y) {
  SetLabelHot(!m_component.Get() && NotInstalledLabelRect().Contains({x, y}));
}

void TViewerHost::MouseLeave() { SetLabelHot(false); }

void TViewerHost::MouseUp(TMouseButton button, TShiftState, int32_t x, int32_t y) {
  if (button != TMouseButton::mbLeft || m_designMode || m_component.Get() || !NotInstalledLabelRect().Contains({x, y}))
    return;
  const TMenuContext* context = MenuContextOf(*this);
  if (context && context->services.shell)
    context->services.shell->ShellExecute({"open", m_downloadPage, "", "", TShowMode::Normal}, [](int) {});
}
