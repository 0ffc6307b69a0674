#include "viewers/web_browser.h"

// No property of the viewer hosts has a stream default: the document always carries them. The
// web browser stores the shared properties around its own, so it adds them one by one.
const TClassInfo& TKIVWebBrowser::StaticClass() {
  using C = TKIVWebBrowser;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVWebBrowser", &TCustomControl::StaticClass())
          .String("URL", Field(&C::m_url))
          .Bool("ShowMenu", Field(&C::m_showMenu))
          .Bool("Locked", LockedAccess<C>())
          .Integer("GroupIndex", GroupIndexAccess<C>())
          .Bool("DesignMode", DesignModeAccess<C>())
          .Enum("ControlBarStyle", Field(&C::m_controlBarStyle))
          .String("IAName", IANameAccess<C>())
          .Build();
  return *info;
}

TKIVWebBrowser::TKIVWebBrowser() : TViewerHost(TMessageKey::NoIE4Message, "https://packages.debian.org/bookworm/libqt6webenginewidgets6") {
  m_width = 305;
  m_height = 185;
}
