#include "platform/text_widget_style.h"

#include <QProxyStyle>
#include <QStyleFactory>

#include "graphics/canvas.h"
#include "graphics/colors.h"

namespace {

constexpr int kScrollBarExtent = 17;

class TTextWidgetStyle : public QProxyStyle {
 public:
  TTextWidgetStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_ScrollBarExtent) return kScrollBarExtent;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};
}  // namespace

QStyle* TextWidgetStyle() {
  static QStyle* const style = new TTextWidgetStyle;
  return style;
}

QPalette TextWidgetPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, ToQColor(clBtnFace));
  palette.setColor(QPalette::WindowText, ToQColor(clWindowText));
  palette.setColor(QPalette::Base, ToQColor(clWindow));
  palette.setColor(QPalette::Text, ToQColor(clWindowText));
  palette.setColor(QPalette::Button, ToQColor(clBtnFace));
  palette.setColor(QPalette::ButtonText, ToQColor(clBtnText));
  palette.setColor(QPalette::Light, ToQColor(SystemColor(22)));
  palette.setColor(QPalette::Midlight, ToQColor(clBtnHighlight));
  palette.setColor(QPalette::Mid, ToQColor(clBtnShadow));
  palette.setColor(QPalette::Dark, ToQColor(clBtnShadow));
  palette.setColor(QPalette::Shadow, ToQColor(SystemColor(21)));
  palette.setColor(QPalette::Highlight, ToQColor(clHighlight));
  palette.setColor(QPalette::HighlightedText, ToQColor(SystemColor(14)));
  return palette;
}

void PrepareTransparentEditor(QTextEdit& editor) {
  editor.hide();
  editor.setStyle(TextWidgetStyle());
  QPalette palette = TextWidgetPalette();
  palette.setColor(QPalette::Base, Qt::transparent);
  editor.setPalette(palette);
  editor.setFrameShape(QFrame::NoFrame);
  editor.setAutoFillBackground(false);
  editor.viewport()->setAutoFillBackground(false);
  editor.viewport()->setCursor(Qt::ArrowCursor);
  editor.setReadOnly(true);
  editor.setUndoRedoEnabled(false);
  editor.document()->setDocumentMargin(0);
}
