#pragma once
// What belongs to one menu and not to the process: the message texts, the hint settings, the
// path macros' values, the colour theme and the services the menu uses. The menu window owns
// its context (see TKIVForm::Context), so two menus (or two tests) in one process never see each
// other's; whatever lies on the window reaches it through MenuContextOf. User-interface thread
// only.

#include <optional>
#include <string>

#include "model/message_texts.h"
#include "window/hint_settings.h"
#include "window/macro_values.h"
#include "window/menu_services.h"

class TControl;
class TKIVForm;

struct TMenuContext {
  // The defaults until the window's Loaded fills them from the document's translations.
  TMessageTexts messageTexts;
  // Written by the window (ApplyHintSettings and the setters of its Hint* properties); read by
  // the hint windows.
  THintSettings hintSettings;
  // Set by the session before the document is read.
  TMacroValues macroValues;
  // UseSysColorTheme and UseSysColorStyle: one value for both names, never stored by documents.
  std::string sysColorTheme = "TRUE";
  TMenuServices services;
  // The comment the window's comment showers show (nothing before the pointer met the window).
  std::optional<std::string> shownComment;
};

// The menu window control lies on (control itself, or its parents), or null.
TKIVForm* MenuWindowOf(const TControl& control);
// The context of that menu window, or null when control lies on none.
TMenuContext* MenuContextOf(const TControl& control);

// Binds services into context for as long as it lives, and unbinds them (every service null)
// when it goes; the context must outlive it.
class TServicesBinding {
 public:
  TServicesBinding(TMenuContext& context, const TMenuServices& services) : m_context(context) {
    m_context.services = services;
  }
  ~TServicesBinding() { m_context.services = {}; }
  TServicesBinding(const TServicesBinding&) = delete;
  TServicesBinding& operator=(const TServicesBinding&) = delete;

 private:
  TMenuContext& m_context;
};
