#include "controls/themed_button.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "graphics/qt_seam.h"

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
