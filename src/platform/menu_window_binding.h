#pragma once
// Connects the Qt menu window with the window logic.

#include "platform/menu_window_widget.h"
#include "window/menu_form.h"
#include "window/pointer_dispatch.h"

// The handlers through which window shows form: form paints the surface and hears typed keys,
// presses on its background, minimising and the tray; dispatcher gets the pointer, and the
// cursor and the standard hint (see TStandardHint) follow whatever lies under it; the About
// menu opens only where no windowless control is. closed is left empty for the caller. window,
// form and dispatcher must outlive the handlers' use (install them with window.SetHandlers,
// then call form.SetHost(&window)).
TMenuWindowHandlers MenuWindowHandlers(TQtMenuWindow& window, TKIVForm& form, TPointerDispatcher& dispatcher);
