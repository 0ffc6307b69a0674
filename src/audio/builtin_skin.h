#pragma once
// The player's own music player skin: eleven PNG pictures built into the program
// (builtin_skin/WA2_*.png, drawn by scripts/make-builtin-skin.py), at the sizes and cell layouts
// the skinned player cuts its parts from.

#include <cstdint>
#include <span>
#include <string_view>

// The PNG file of the skin bitmap name ("main", "titlebar", "cbuttons", "shufrep", "monoster",
// "volume", "balance", "posbar", "nums_ex", "playpaus", "text"); empty for any other name.
std::span<const uint8_t> BuiltinSkinFile(std::string_view name);
