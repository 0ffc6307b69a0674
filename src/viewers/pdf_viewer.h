#pragma once
// TKIVPDFViewer, the page control that hosts a PDF viewer for one file. Here it is its stored
// form; hosting and loading build on it.

#include <cstdint>
#include <string>

#include "model/control.h"
#include "viewers/web_browser.h"

class TKIVPDFViewer : public TCustomControl {
 public:
  TKIVPDFViewer();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  void MessageTextsChanged() override { m_notInstalled.Reread(); }
  const std::string& NotInstalledText() const { return m_notInstalled.Text(); }

  // PDF file as stored (path macros not expanded).
  const std::string& FileName() const { return m_fileName; }
  bool ShowToolbar() const { return m_showToolbar; }
  bool DesignMode() const { return m_designMode; }
  void SetDesignMode(bool designMode) { m_designMode = designMode; }
  const std::string& IAName() const { return m_iaName; }

 private:
  TNotInstalledMessage m_notInstalled{TMessageKey::NoAcrobatMessage};
  std::string m_fileName;
  bool m_showToolbar = true;
  bool m_designMode = false;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
  std::string m_iaName;
};
