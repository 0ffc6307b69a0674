#include "startup/menu_components.h"

#include <utility>

#include "model/component.h"
#include "modules/module_loader.h"
#include "platform/menu_window_widget.h"
#include "platform/rich_edit_widget.h"
#include "platform/text_box_widget.h"
#include "text/rich_edit.h"
#include "text/text_box.h"
#include "viewers/media_player.h"
#include "viewers/pdf_viewer.h"
#include "viewers/web_browser.h"
#include "window/menu_form.h"

namespace {

template <class TKind>
void ForEach(TComponent& owner, const std::function<void(TKind&)>& visit) {
  for (const auto& component : owner.Components()) {
    if (auto* found = dynamic_cast<TKind*>(component.get())) visit(*found);
    ForEach(*component, visit);
  }
}

// The component of each kind for control.
std::unique_ptr<TPdfComponent> Create(const TPdfComponent::TFactory& factory, QWidget* window, TKIVPDFViewer&) {
  return factory.create(window);
}
std::unique_ptr<TMediaComponent> Create(const TMediaComponent::TFactory& factory, QWidget* window, TKIVMediaPlayer&) {
  return factory.create(window);
}
std::unique_ptr<TWebComponent> Create(const TWebComponent::TFactory& factory, QWidget* window,
                                      TKIVWebBrowser& browser) {
  return factory.create(window, browser.ComponentEvents());
}

// Gives every TControlClass on form a component of TInterface, loading its module on the first
// one.
template <class TControlClass, class TInterface>
void AttachEach(TKIVForm& form, QWidget* window, const std::string& moduleFolder,
                const std::function<void(const std::string&)>& report, const char* viewerName) {
  const typename TInterface::TFactory* factory = nullptr;
  bool tried = false;
  ForEach<TControlClass>(form, [&](TControlClass& control) {
    if (!std::exchange(tried, true)) {
      std::string notInstalled;
      factory = LoadModuleInterface<TInterface>(moduleFolder, notInstalled);
      if (!factory && report) report(std::string(viewerName) + " shows its not-installed label: " + notInstalled);
    }
    if (!factory) return;
    if (auto component = Create(*factory, window, control))
      control.AttachComponent(std::move(component));
    else if (report)
      report(std::string(viewerName) + " shows its not-installed label: its module made no component");
  });
}

}  // namespace

TAttachedComponents::TAttachedComponents(TKIVForm& form, QWidget* window, const std::string& moduleFolder,
                                   const std::function<void(const std::string&)>& report, TUse use)
    : m_form(form) {
  ForEach<TKIVTextBox>(form, [window](TKIVTextBox& box) { box.AttachComponent(std::make_unique<TQtTextBox>(window)); });
  // Over links: the menu's hot cursor when it has one (defined once the menu runs), else the hand.
  auto linkCursor = [&form, menuWindow = dynamic_cast<TQtMenuWindow*>(window)]() -> QCursor {
    if (menuWindow && !form.KIVHotCursor()->Empty()) return menuWindow->Cursors().Frames(kCursorHot).front().cursor;
    return QCursor(Qt::PointingHandCursor);
  };
  ForEach<TKIVRichEdit>(form, [&](TKIVRichEdit& edit) {
    edit.AttachComponent(std::make_unique<TQtRichEdit>(window, linkCursor));
  });
  if (use == TUse::Still) ForEach<TKIVMediaPlayer>(form, [](TKIVMediaPlayer& player) { player.KeepStill(); });
  AttachEach<TKIVPDFViewer, TPdfComponent>(form, window, moduleFolder, report, "the PDF viewer");
  AttachEach<TKIVMediaPlayer, TMediaComponent>(form, window, moduleFolder, report, "the media player");
  AttachEach<TKIVWebBrowser, TWebComponent>(form, window, moduleFolder, report, "the web browser");
}

TAttachedComponents::~TAttachedComponents() {
  ForEach<TComponentHost>(m_form, [](TComponentHost& host) { host.DetachComponent(); });
}

void ShowComponentsFirstTime(TKIVForm& form) {
  ForEach<TComponentHost>(form, [](TComponentHost& host) { host.FirstShow(); });
}

void SettleComponents(TKIVForm& form, std::chrono::steady_clock::time_point deadline) {
  ForEach<TComponentHost>(form, [deadline](TComponentHost& host) {
    if (TWidgetComponent* component = host.Component()) component->Settle(deadline);
  });
}
