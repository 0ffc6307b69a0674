#include "viewers/pdf_viewer.h"

const TClassInfo& TKIVPDFViewer::StaticClass() {
  using C = TKIVPDFViewer;
  static const TClassInfo* info = [] {
    TClassBuilder<C> builder("TKIVPDFViewer", &TCustomControl::StaticClass());
    builder.String("FileName", Field(&C::m_fileName)).Bool("ShowToolbar", Field(&C::m_showToolbar));
    AddHostProperties(builder);
    return builder.Build();
  }();
  return *info;
}

TKIVPDFViewer::TKIVPDFViewer() : TViewerHost(TMessageKey::NoAcrobatMessage, "https://packages.debian.org/bookworm/libqt6pdfwidgets6") {
  m_width = 301;
  m_height = 241;
}
