#pragma once
// Page membership of the controls placed directly on the menu window.

#include <cstdint>

// A control with this Tag is visible on page: Tag is not negative and is the page, or is 0
// while page-zero controls show on every page.
constexpr bool IsOnPage(int32_t tag, int32_t page, bool alwaysShowPageZero) {
  return tag >= 0 && (tag == page || (tag == 0 && alwaysShowPageZero));
}
