#include "window/component_host.h"

#include "graphics/qt_seam.h"

void TWidgetSlot::Adopt(std::unique_ptr<TWidgetComponent> component, const TRect& area) {
  m_component = std::move(component);
  Place(area);
}

void TWidgetSlot::Place(const TRect& area) {
  if (!m_component) return;
  TRect rect = area.Offset(m_owner.Left(), m_owner.Top());
  bool shown = m_owner.Visible();
  for (const TControl* parent = m_owner.Parent(); parent && parent->Parent(); parent = parent->Parent()) {
    rect = rect.Offset(parent->Left(), parent->Top());
    shown = shown && parent->Visible();
  }
  m_component->Place(rect, shown);
}

void TWidgetSlot::Render(TCanvas& canvas, const TRect& area) {
  if (!m_component) return;
  QImage surface = WrapAsQImage(canvas.View());
  QPainter painter(&surface);
  painter.translate(canvas.Origin().x + area.left, canvas.Origin().y + area.top);
  painter.setClipRect(0, 0, area.Width(), area.Height());
  m_component->Render(painter);
}
