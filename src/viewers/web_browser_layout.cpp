#include "viewers/web_browser_layout.h"

TWebBrowserLayout LayOutWebBrowser(TKIVWebBrowserControlBarStyle style, int32_t width, int32_t height,
                                   int32_t addressHeight) {
  const int32_t h = addressHeight;
  TWebBrowserLayout layout;
  switch (style) {
    case TKIVWebBrowserControlBarStyle::awbFull:
      layout.back = TRect::FromSize(0, 0, h, h);
      layout.forward = TRect::FromSize(h, 0, h, h);
      layout.address = TRect::FromSize(2 * h + 1, 0, width - 3 * h - 2, h);
      layout.go = TRect::FromSize(width - h, 0, h, h);
      layout.view = TRect::FromSize(0, h + 1, width, height - h - 1);
      break;
    case TKIVWebBrowserControlBarStyle::awbMini:
      layout.address = TRect::FromSize(0, 0, width - h - 1, h);
      layout.go = TRect::FromSize(width - h, 0, h, h);
      layout.view = TRect::FromSize(0, h + 1, width, height - h - 1);
      break;
    case TKIVWebBrowserControlBarStyle::awbNone:
      layout.view = TRect::FromSize(0, 0, width, height);
      break;
  }
  return layout;
}
