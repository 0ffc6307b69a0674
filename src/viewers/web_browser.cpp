#include "viewers/web_browser.h"

// No property of the viewer hosts has a stream default: the document always carries them.
const TClassInfo& TKIVWebBrowser::StaticClass() {
  using C = TKIVWebBrowser;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVWebBrowser", &TCustomControl::StaticClass())
          .String("URL", Field(&C::m_url))
          .Bool("ShowMenu", Field(&C::m_showMenu))
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .Bool("DesignMode", Accessors(&C::DesignMode, &C::SetDesignMode))
          .Enum("ControlBarStyle", Field(&C::m_controlBarStyle))
          .String("IAName", Field(&C::m_iaName))
          .Build();
  return *info;
}

TKIVWebBrowser::TKIVWebBrowser() {
  m_width = 305;
  m_height = 185;
}
