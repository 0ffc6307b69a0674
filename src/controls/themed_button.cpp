#include "controls/themed_button.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "controls/control_paint.h"
#include "graphics/colors.h"
#include "graphics/qt_seam.h"
#include "graphics/raster.h"

bool VisualStylesActive() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

void DrawThemedPushButton(const TBitmapView& target, const TRect& rect, TThemedButtonState state) {
  if (!VisualStylesActive() || rect.IsEmpty()) return;
  QImage image = WrapAsQImage(target);
  QPainter painter(&image);
  QStyleOptionButton option;
  option.rect = QRect(rect.left, rect.top, rect.Width(), rect.Height());
  option.palette = QApplication::palette();
  option.state = QStyle::State_Raised;
  if (state != TThemedButtonState::Disabled) option.state |= QStyle::State_Enabled;
  if (state == TThemedButtonState::Hot) option.state |= QStyle::State_MouseOver;
  if (state == TThemedButtonState::Pressed) option.state |= QStyle::State_Sunken;
  QApplication::style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter);
}

void DrawClassicPushButton(const TBitmapView& target, const TRect& rect, bool pushed) {
  FillRect(target, rect, ColorToPixel(clBtnFace));
  const TRect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
  const TColor dkShadow = SystemColor(21), light = SystemColor(22);
  if (pushed) {
    DrawFrame3D(target, rect, clBtnShadow, clBtnHighlight);
    DrawFrame3D(target, inner, dkShadow, light);
  } else {
    DrawFrame3D(target, rect, light, dkShadow);
    DrawFrame3D(target, inner, clBtnHighlight, clBtnShadow);
  }
}
