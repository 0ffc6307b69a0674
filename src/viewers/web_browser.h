#pragma once
// TKIVWebBrowser, the page control that hosts a web view with an optional navigation bar. Here
// the control is its stored form; hosting and navigation build on it.

#include <cstdint>
#include <string>

#include "model/menu_enums.h"
#include "viewers/viewer_host.h"

class TKIVWebBrowser : public TViewerHost {
 public:
  TKIVWebBrowser();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Home address as stored (path macros not expanded).
  const std::string& URL() const { return m_url; }
  bool ShowMenu() const { return m_showMenu; }
  TKIVWebBrowserControlBarStyle ControlBarStyle() const { return m_controlBarStyle; }

 private:
  std::string m_url;
  bool m_showMenu = true;
  TKIVWebBrowserControlBarStyle m_controlBarStyle = TKIVWebBrowserControlBarStyle::awbNone;
  std::string m_iaName;
};
