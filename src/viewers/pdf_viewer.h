#pragma once
// TKIVPDFViewer, the page control that hosts a PDF viewer for one file. Here it is its stored
// form; hosting and loading build on it.

#include <cstdint>
#include <string>

#include "viewers/viewer_host.h"

class TKIVPDFViewer : public TViewerHost {
 public:
  TKIVPDFViewer();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // PDF file as stored (path macros not expanded).
  const std::string& FileName() const { return m_fileName; }
  bool ShowToolbar() const { return m_showToolbar; }

 private:
  std::string m_fileName;
  bool m_showToolbar = true;
};
