#include "viewers/web_browser.h"

#include <filesystem>

#include "actions/dispatcher.h"
#include "actions/kiv_link.h"
#include "actions/launch.h"
#include "actions/macros.h"
#include "actions/regular_file.h"
#include "graphics/canvas.h"
#include "graphics/text_render.h"
#include "window/menu_context.h"
#include "window/menu_form.h"

namespace {

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

}  // namespace

// No property of the viewer hosts has a stream default: the document always carries them. The
// web browser stores the shared properties around its own, so it adds them one by one.
const TClassInfo& TKIVWebBrowser::StaticClass() {
  using C = TKIVWebBrowser;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVWebBrowser", &TCustomControl::StaticClass())
          .String("URL", Accessors(&C::URL, &C::SetURL))
          .Bool("ShowMenu", Accessors(&C::ShowMenu, &C::SetShowMenu))
          .Bool("Locked", LockedAccess<C>())
          .Integer("GroupIndex", GroupIndexAccess<C>())
          .Bool("DesignMode", DesignModeAccess<C>())
          .Enum("ControlBarStyle", Accessors(&C::ControlBarStyle, &C::SetControlBarStyle))
          .String("IAName", IANameAccess<C>())
          .Build();
  return *info;
}

TKIVWebBrowser::TKIVWebBrowser()
    : TViewerHost(TMessageKey::NoIE4Message, "https://packages.debian.org/bookworm/libqt6webenginewidgets6") {
  m_width = 305;
  m_height = 185;
}

int32_t TKIVWebBrowser::AddressBoxHeight() {
  TBitmap32 measuring(1, 1);
  TCanvas canvas(measuring.View());
  canvas.Font().name = "Tahoma";
  canvas.Font().height = -11;  // 8 points
  return MeasureTextHeight(canvas, "Wg", false, 0) + 8;
}

void TKIVWebBrowser::SetURL(std::string url) {
  m_url = std::move(url);
  Navigate(m_url);
}

void TKIVWebBrowser::SetShowMenu(bool shown) {
  m_showMenu = shown;
  if (Web()) Web()->SetShowMenu(shown);
}

void TKIVWebBrowser::SetControlBarStyle(TKIVWebBrowserControlBarStyle style) {
  m_controlBarStyle = style;
  LayOut();
}

void TKIVWebBrowser::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  TViewerHost::SetBounds(left, top, width, height);
  LayOut();
}

void TKIVWebBrowser::LayOut() {
  if (Web()) Web()->SetLayout(LayOutWebBrowser(m_controlBarStyle, m_width, m_height, AddressBoxHeight()));
}

TWebComponent::TEvents TKIVWebBrowser::ComponentEvents() {
  TWebComponent::TEvents events;
  events.beforeNavigate = [this](const std::string& address, const std::string& pageAddress) {
    return CatchKivLink(address, pageAddress);
  };
  events.historyChanged = [this](bool canGoBack, bool canGoForward) {
    m_backEnabled = canGoBack;
    m_forwardEnabled = canGoForward;
    if (!Web()) return;
    Web()->SetBackEnabled(canGoBack);
    Web()->SetForwardEnabled(canGoForward);
  };
  events.documentComplete = [this] {
    if (Web()) Web()->SetAddressText(Web()->LocationURL());
  };
  events.back = [this] { GoBack(); };
  events.forward = [this] { GoForward(); };
  events.go = [this](const std::string& text) {
    if (!IsBlank(text)) Navigate(text);
  };
  return events;
}

void TKIVWebBrowser::AttachComponent(std::unique_ptr<TWebComponent> component) {
  AdoptComponent(std::move(component));
  Web()->SetShowMenu(m_showMenu);
  Web()->SetBackEnabled(m_backEnabled);
  Web()->SetForwardEnabled(m_forwardEnabled);
  LayOut();
  Navigate(m_url);
}

void TKIVWebBrowser::Navigate(const std::string& address) {
  TWebComponent* web = Web();
  if (!web) return;
  if (IsBlank(address)) {
    web->Navigate("about:blank");
    return;
  }
  const TMenuContext* context = MenuContextOf(*this);
  std::string expanded = context ? ExpandMacros(address, context->macroValues) : address;
  if (!HasUrlScheme(expanded)) {
    // A file: a Windows path reaches its Linux file, a relative one is taken from the current
    // folder, as a shell would.
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(ToLinuxPath(expanded), error);
    if (!error) expanded = path.lexically_normal().string();
    // Something that is there but no regular file (a FIFO, a device) is not shown: the engine
    // would wait on it. A missing file still goes to the engine, which says so in the page.
    if (std::filesystem::exists(expanded, error) && !IsReadableRegularFile(expanded)) return;
  }
  web->Navigate(expanded);
}

void TKIVWebBrowser::GoBack() {
  if (Web() && m_backEnabled) Web()->GoBack();
}

void TKIVWebBrowser::GoForward() {
  if (Web() && m_forwardEnabled) Web()->GoForward();
}

void TKIVWebBrowser::Stop() {
  if (Web()) Web()->Stop();
}

void TKIVWebBrowser::Refresh() {
  if (Web()) Web()->Refresh();
}

bool TKIVWebBrowser::CatchKivLink(const std::string& address, const std::string& pageAddress) {
  const std::optional<TKivLink> link = ParseKivLink(UndoBrowserEscapes(address));
  if (!link) return false;
  if (link->verb.empty() || !Web()) return true;
  // Pages from the medium are files; "about:blank" is where every browser starts.
  const bool local = pageAddress.empty() || pageAddress.starts_with("file:") || pageAddress.starts_with("about:");
  const TLinkSource source = local ? TLinkSource::Trusted : TLinkSource::Untrusted;
  Web()->RunLater([this, link = *link, source] {
    TKIVForm* window = As<TKIVForm>(Parent());
    if (!window) return;
    try {
      RunKivLink(*window, link, source);
    } catch (const std::exception& error) {
      ReportActionError(*window, error);
    }
  });
  return true;
}
