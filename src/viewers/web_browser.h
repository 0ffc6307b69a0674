#pragma once
// TKIVWebBrowser, the page control that shows a web page through the web module's component,
// with an optional navigation bar (back, forward, the address box, go). Links of the kiv scheme
// drive the menu (run, open, explore, page, copy, print, minimize, exit): the navigation is
// cancelled and the verb runs once the engine's callback has returned.

#include <cstdint>
#include <memory>
#include <string>

#include "model/menu_enums.h"
#include "viewers/viewer_host.h"
#include "viewers/web_component.h"

class TKIVWebBrowser : public TViewerHost {
 public:
  TKIVWebBrowser();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Home address as stored (path macros not expanded). Setting it navigates there.
  const std::string& URL() const { return m_url; }
  void SetURL(std::string url);
  bool ShowMenu() const { return m_showMenu; }
  void SetShowMenu(bool shown);
  TKIVWebBrowserControlBarStyle ControlBarStyle() const { return m_controlBarStyle; }
  void SetControlBarStyle(TKIVWebBrowserControlBarStyle style);
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

  // What the component tells the control, bound to it.
  TWebComponent::TEvents ComponentEvents();
  // Takes the module's component, lays it out and navigates to URL.
  void AttachComponent(std::unique_ptr<TWebComponent> component);

  // "about:blank" for an address that is empty or blanks only; otherwise the address with its
  // path macros expanded (a Windows path reaching its Linux file). URL does not change.
  void Navigate(const std::string& address);
  // Back and forward while the engine's history allows them.
  void GoBack();
  void GoForward();
  void GoHome() { Navigate(m_url); }
  void Stop();
  void Refresh();
  bool BackEnabled() const { return m_backEnabled; }
  bool ForwardEnabled() const { return m_forwardEnabled; }

  // The address box's height: a Windows edit's for "Tahoma" 8, its text height and eight
  // pixels of frame.
  static int32_t AddressBoxHeight();

 private:
  TWebComponent* Web() const { return static_cast<TWebComponent*>(Component()); }
  void LayOut();
  // Whether address is a kiv link (the navigation is then cancelled); its verb runs later, and
  // only when the page it comes from (pageAddress) is the medium's own, not one from the network.
  bool CatchKivLink(const std::string& address, const std::string& pageAddress);

  std::string m_url;
  bool m_showMenu = true;
  TKIVWebBrowserControlBarStyle m_controlBarStyle = TKIVWebBrowserControlBarStyle::awbNone;
  bool m_backEnabled = true;
  bool m_forwardEnabled = true;
};
