#pragma once
// The menu window as the program creates it before any document byte is read, and again as
// the fallback window when a document fails to load.

#include "model/component.h"
#include "window/menu_form.h"

// Creates a TfrmMain from the built-in description, owned by application (the owner of the
// top-level components). Its Loaded has run, so the message texts hold their defaults.
TfrmMain* CreateMainWindow(TComponent& application);
