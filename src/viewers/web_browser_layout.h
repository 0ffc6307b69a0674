#pragma once
// Where the web browser's navigation bar and view go, for each bar style.

#include <cstdint>
#include <optional>

#include "graphics/geometry.h"
#include "model/menu_enums.h"

// The parts' rectangles in the control; a part without one is hidden.
struct TWebBrowserLayout {
  std::optional<TRect> back;
  std::optional<TRect> forward;
  std::optional<TRect> address;
  std::optional<TRect> go;
  TRect view;
  friend bool operator==(const TWebBrowserLayout&, const TWebBrowserLayout&) = default;
};

// The layout of style in a control width x height whose address box is addressHeight high.
// Full: back, forward, the address box, go in one row addressHeight high, the view below one
// pixel lower. Mini: the address box and go only. None: the view alone.
TWebBrowserLayout LayOutWebBrowser(TKIVWebBrowserControlBarStyle style, int32_t width, int32_t height,
                                   int32_t addressHeight);
