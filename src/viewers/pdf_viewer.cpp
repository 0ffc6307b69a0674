#include "viewers/pdf_viewer.h"

const TClassInfo& TKIVPDFViewer::StaticClass() {
  using C = TKIVPDFViewer;
  static const TClassInfo* info = TClassBuilder<C>("TKIVPDFViewer", &TCustomControl::StaticClass())
                                      .String("FileName", Field(&C::m_fileName))
                                      .Bool("ShowToolbar", Field(&C::m_showToolbar))
                                      .Bool("DesignMode", Accessors(&C::DesignMode, &C::SetDesignMode))
                                      .Bool("Locked", Field(&C::m_locked))
                                      .Integer("GroupIndex", Field(&C::m_groupIndex))
                                      .String("IAName", Field(&C::m_iaName))
                                      .Build();
  return *info;
}

TKIVPDFViewer::TKIVPDFViewer() {
  m_width = 301;
  m_height = 241;
}
