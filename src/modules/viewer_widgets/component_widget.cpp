#include "modules/viewer_widgets/component_widget.h"

void PlaceComponentWidget(QWidget& widget, const TRect& rect, bool shown) {
  widget.setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
  widget.setVisible(shown);
}

bool RenderComponentWidget(QWidget& widget, QPainter& painter) {
  if (widget.window()->isVisible()) return false;
  widget.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  return true;
}
