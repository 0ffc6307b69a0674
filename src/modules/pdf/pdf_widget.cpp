#include "modules/pdf/pdf_widget.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>

#include "modules/pdf/pdf_cover.h"
#include "modules/viewer_widgets/component_widget.h"

namespace {

constexpr int kToolbarHeight = 24;
constexpr int kButtonSide = 24;
constexpr int kPageNumberWidth = 64;
// Around the page in the view, and the zoom's limits and step.
constexpr int kPageMargin = 4;
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 8.0;
constexpr double kZoomStep = 1.25;
// A page is drawn no larger than this many pixels a side.
constexpr double kMaxPageSide = 8000;

}  // namespace

TPdfWidget::TPdfWidget(QWidget* window)
    : QWidget(window),
      m_toolbar(new QWidget(this)),
      m_previous(new TGlyphButton(TGlyph::PreviousPage, m_toolbar)),
      m_next(new TGlyphButton(TGlyph::NextPage, m_toolbar)),
      m_pageNumber(new QLabel(m_toolbar)),
      m_zoomOut(new TGlyphButton(TGlyph::ZoomOut, m_toolbar)),
      m_zoomIn(new TGlyphButton(TGlyph::ZoomIn, m_toolbar)),
      m_print(new TGlyphButton(TGlyph::Print, m_toolbar)),
      m_view(new QScrollArea(this)),
      m_pagePicture(new QLabel),
      m_cover(new QLabel(this)) {
  hide();
  setFocusPolicy(Qt::NoFocus);
  m_toolbar->setAutoFillBackground(true);
  m_pageNumber->setAlignment(Qt::AlignCenter);
  m_pagePicture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  m_pagePicture->setMargin(kPageMargin);
  m_view->setWidget(m_pagePicture);
  m_view->setWidgetResizable(true);
  m_view->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  m_view->setBackgroundRole(QPalette::Dark);
  m_view->setFrameShape(QFrame::NoFrame);
  m_cover->setAutoFillBackground(true);
  QPalette white = m_cover->palette();
  white.setColor(QPalette::Window, Qt::white);
  m_cover->setPalette(white);
  m_cover->setAlignment(Qt::AlignCenter);
  m_cover->setPixmap(PdfCoverPicture());
  m_cover->raise();

  connect(m_previous, &QToolButton::clicked, this, [this] { ShowPage(m_page - 1); });
  connect(m_next, &QToolButton::clicked, this, [this] { ShowPage(m_page + 1); });
  connect(m_zoomOut, &QToolButton::clicked, this, [this] { SetZoom(EffectiveZoom() / kZoomStep); });
  connect(m_zoomIn, &QToolButton::clicked, this, [this] { SetZoom(EffectiveZoom() * kZoomStep); });
  connect(m_print, &QToolButton::clicked, this, [this] { PrintWithDialog(); });
  Arrange();
  UpdateToolbar();
}

// Arranged here too: a widget in a window that is not shown gets no resize events.
void TPdfWidget::Place(const TRect& rect, bool shown) {
  PlaceComponentWidget(*this, rect, shown);
  Arrange();
}

void TPdfWidget::Render(QPainter& painter) { RenderComponentWidget(*this, painter); }

bool TPdfWidget::Load(std::vector<uint8_t> bytes) {
  auto loaded = std::make_unique<TLoadedPdf>();
  loaded->bytes = QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  loaded->buffer.open(QIODevice::ReadOnly);
  loaded->document.load(&loaded->buffer);
  if (loaded->document.status() != QPdfDocument::Status::Ready || loaded->document.pageCount() <= 0) return false;
  m_loaded = std::move(loaded);
  ShowPage(0);
  return true;
}

void TPdfWidget::SetShowToolbar(bool shown) {
  m_toolbarShown = shown;
  Arrange();
}

void TPdfWidget::SetCoverVisible(bool visible) { m_cover->setVisible(visible); }

void TPdfWidget::GotoFirstPage() { ShowPage(0); }

void TPdfWidget::PrintWithDialog() {
  if (Document().pageCount() <= 0) return;
  QPrinter printer;
  printer.setFromTo(1, Document().pageCount());
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  int first = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
  int last = printer.toPage() > 0 ? printer.toPage() - 1 : Document().pageCount() - 1;
  last = std::min(last, Document().pageCount() - 1);
  QPainter painter(&printer);
  for (int page = first; page <= last; ++page) {
    if (page > first) printer.newPage();
    const QRect area = painter.viewport();
    const QSizeF points = Document().pagePointSize(page);
    if (points.isEmpty()) continue;
    const QSize size = points.scaled(area.size(), Qt::KeepAspectRatio).toSize();
    painter.drawImage(QRect(area.topLeft(), size), Document().render(page, size));
  }
}

void TPdfWidget::resizeEvent(QResizeEvent*) { Arrange(); }

void TPdfWidget::Arrange() {
  const int toolbar = m_toolbarShown ? kToolbarHeight : 0;
  m_toolbar->setVisible(m_toolbarShown);
  m_toolbar->setGeometry(0, 0, width(), kToolbarHeight);
  int x = 0;
  for (QWidget* part : {static_cast<QWidget*>(m_previous), static_cast<QWidget*>(m_next)}) {
    part->setGeometry(x, 0, kButtonSide, kButtonSide);
    x += kButtonSide;
  }
  m_pageNumber->setGeometry(x, 0, kPageNumberWidth, kToolbarHeight);
  x += kPageNumberWidth;
  for (QWidget* part : {m_zoomOut, m_zoomIn, m_print}) {
    part->setGeometry(x, 0, kButtonSide, kButtonSide);
    x += kButtonSide;
  }
  const QRect viewArea(0, toolbar, width(), std::max(0, height() - toolbar));
  if (m_view->geometry() != viewArea) {
    m_view->setGeometry(viewArea);
    if (m_zoom == 0) ShowPage(m_page);
  }
  m_cover->setGeometry(0, 0, width(), height());
}

void TPdfWidget::ShowPage(int page) {
  const int count = Document().pageCount();
  if (count <= 0) {
    m_pagePicture->clear();
    UpdateToolbar();
    return;
  }
  m_page = std::clamp(page, 0, count - 1);
  const QSizeF points = Document().pagePointSize(m_page);
  const double zoom = EffectiveZoom();
  QSizeF pixels = points * zoom;
  if (pixels.width() > kMaxPageSide || pixels.height() > kMaxPageSide)
    pixels = pixels.scaled(kMaxPageSide, kMaxPageSide, Qt::KeepAspectRatio);
  const QSize size = pixels.toSize();
  if (size.isEmpty()) {
    m_pagePicture->clear();
  } else {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, Document().render(m_page, size));
    painter.end();
    m_pagePicture->setPixmap(QPixmap::fromImage(picture));
  }
  m_view->verticalScrollBar()->setValue(0);
  UpdateToolbar();
}

void TPdfWidget::SetZoom(double zoom) {
  m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  ShowPage(m_page);
}

double TPdfWidget::EffectiveZoom() const {
  if (m_zoom != 0) return m_zoom;
  const QSizeF points = Document().pageCount() > 0 ? Document().pagePointSize(m_page) : QSizeF();
  if (points.width() <= 0) return 1.0;
  // Fit the width, leaving room for the margins and a vertical scroll bar.
  const int room = m_view->width() - 2 * kPageMargin - m_view->verticalScrollBar()->sizeHint().width();
  return std::clamp(std::max(room, 1) / points.width(), kMinZoom, kMaxZoom);
}

void TPdfWidget::UpdateToolbar() {
  const int count = Document().pageCount();
  m_pageNumber->setText(count > 0 ? QString("%1 / %2").arg(m_page + 1).arg(count) : QString());
  m_previous->setEnabled(count > 0 && m_page > 0);
  m_next->setEnabled(m_page + 1 < count);
  for (QWidget* part : {m_zoomOut, m_zoomIn, m_print}) part->setEnabled(count > 0);
}
