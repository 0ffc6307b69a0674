#pragma once
// Connects the Qt menu window with the window logic.

#include <functional>
#include <string>

#include "platform/menu_window_widget.h"
#include "window/menu_form.h"
#include "window/pointer_dispatch.h"

// The handlers through which window shows form: form paints the surface and hears typed keys,
// presses on its background, minimising and the tray; dispatcher gets the pointer, and the
// cursor and the controls' hints (see TControlHints) follow whatever lies under it; the About
// menu opens only where no windowless control is. closed is left empty for the caller. window,
// form and dispatcher must outlive the handlers' use (install them with window.SetHandlers,
// then call form.SetHost(&window)). report (may be empty) hears what the custom hint window
// reports (--verbose).
TMenuWindowHandlers MenuWindowHandlers(TQtMenuWindow& window, TKIVForm& form, TPointerDispatcher& dispatcher,
                                       std::function<void(const std::string&)> report = {});
