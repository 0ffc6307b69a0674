#pragma once
// The PDF module's component on Qt PDF: one page at a time in a scrolling view, drawn at once
// (not on a worker, so an off-screen render shows the page), under the player's small toolbar
// (previous and next page, the page number, zoom out and in, print) and a white cover with the
// PDF picture.

#include <QBuffer>
#include <QByteArray>
#include <QLabel>
#include <QPdfDocument>
#include <QScrollArea>
#include <QWidget>
#include <memory>

#include "modules/viewer_widgets/glyph_button.h"
#include "viewers/pdf_component.h"

class TPdfWidget final : public QWidget, public TPdfComponent {
 public:
  explicit TPdfWidget(QWidget* window);

  void Place(const TRect& rect, bool shown) override;
  void Render(QPainter& painter) override;
  bool Load(std::vector<uint8_t> bytes) override;
  void SetShowToolbar(bool shown) override;
  void SetCoverVisible(bool visible) override;
  void GotoFirstPage() override;
  void PrintWithDialog() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Lays the toolbar, the view and the cover over the widget.
  void Arrange();
  void ShowPage(int page);
  // Zoom 0 fits the page's width to the view; otherwise pixels per point.
  void SetZoom(double zoom);
  double EffectiveZoom() const;
  void UpdateToolbar();
  QPdfDocument& Document() const { return m_loaded->document; }

  // A document with the bytes it reads from, which must live as long as it does.
  struct TLoadedPdf {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QPdfDocument document;
  };
  // The document shown (an empty one before any loads); Load replaces it only by one that loaded.
  std::unique_ptr<TLoadedPdf> m_loaded = std::make_unique<TLoadedPdf>();
  int m_page = 0;
  double m_zoom = 0;
  bool m_toolbarShown = true;

  QWidget* m_toolbar;
  TGlyphButton* m_previous;
  TGlyphButton* m_next;
  QLabel* m_pageNumber;
  TGlyphButton* m_zoomOut;
  TGlyphButton* m_zoomIn;
  TGlyphButton* m_print;
  QScrollArea* m_view;
  QLabel* m_pagePicture;
  QLabel* m_cover;
};
