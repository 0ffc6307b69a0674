#pragma once
// The web module's component: a web view with the player's navigation bar (back, forward, the
// address box and go), laid out by the control, and the hooks the control's navigation rules
// need. The web engine needs settings made before the application object exists, so the
// module is loaded and prepared first when a document holds a web browser.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "window/widget_component.h"
#include "viewers/web_browser_layout.h"

class QWidget;

class TWebComponent : public TWidgetComponent {
 public:
  static constexpr const char* kModuleName = "web";
  static constexpr const char* kInterfaceName = "TWebComponent";
  static constexpr uint32_t kInterfaceVersion = 2;

  // What the process needs before its application object exists.
  struct TProcessSetup {
    // The fontconfig configuration the engine's renderer processes read (FONTCONFIG_FILE): the
    // player's stand-in fonts and the document's own.
    std::string fontConfigFile;
    // Chromium's sandbox; it cannot run as root.
    bool sandbox = true;
    // Told once, when a page from the network shows without the sandbox; may be empty.
    std::function<void(const std::string&)> report;
  };

  // What the component tells the control. Each may be left empty.
  struct TEvents {
    // Before any navigation of any frame to address, from the page shown at pageAddress: true
    // cancels it. Called inside the engine's callback; whatever it starts must run later
    // (queued).
    std::function<bool(const std::string& address, const std::string& pageAddress)> beforeNavigate;
    // The engine can (or no longer can) go back or forward.
    std::function<void(bool canGoBack, bool canGoForward)> historyChanged;
    // A page or frame finished loading.
    std::function<void()> documentComplete;
    // The navigation bar: back, forward, and go (the go button, or Enter in the address box)
    // with the address box's text.
    std::function<void()> back;
    std::function<void()> forward;
    std::function<void(const std::string& text)> go;
  };

  struct TFactory {
    // Before the application object: registers the kiv scheme (a local scheme, which pages from
    // the network cannot reach), shares OpenGL contexts, sets the sandbox and the fonts.
    void (*prepareProcess)(const TProcessSetup& setup);
    // A hidden component inside window, showing "about:blank", with an off-the-record profile;
    // null unless prepareProcess ran before the application object.
    std::unique_ptr<TWebComponent> (*create)(QWidget* window, TEvents events);
  };

  virtual void Navigate(const std::string& address) = 0;
  virtual void GoBack() = 0;
  virtual void GoForward() = 0;
  virtual void Stop() = 0;
  virtual void Refresh() = 0;
  // The address of the page shown.
  virtual std::string LocationURL() const = 0;

  // Places the bar's parts and the view (component coordinates); parts without a rectangle hide.
  virtual void SetLayout(const TWebBrowserLayout& layout) = 0;
  virtual void SetBackEnabled(bool enabled) = 0;
  virtual void SetForwardEnabled(bool enabled) = 0;
  virtual void SetAddressText(const std::string& text) = 0;
  // Whether the right button opens the engine's menu in the page.
  virtual void SetShowMenu(bool shown) = 0;
  // Runs work on the user-interface thread after the current event (never when the component
  // went before).
  virtual void RunLater(std::function<void()> work) = 0;
  // For a picture: waits, until deadline at most, for the page to finish loading and to be
  // drawn, and keeps that drawing for Render.
  void Settle(std::chrono::steady_clock::time_point deadline) override = 0;
};
