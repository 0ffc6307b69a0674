#pragma once
// The file a control shows (a viewer's file, the rich edit's RTF), from the name stored in the
// control: the path macros expanded with the menu window's values, then a Windows path turned
// into its Linux file (ToLinuxPath).

#include <string>

#include "model/control.h"

// Without a menu window (the control not yet placed on one) the macros stay as written.
std::string ControlFilePath(const TControl& control, const std::string& stored);
