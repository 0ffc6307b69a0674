#pragma once
// The tray icon's tip.

#include <string>
#include <string_view>

// The tip the tray icon shows for a window caption: its first 63 characters (a UTF-8 caption is
// cut between characters, never inside one).
std::string TrayTipText(std::string_view caption);
