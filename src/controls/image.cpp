#include "controls/image.h"

#include <algorithm>

const TClassInfo& TKIVImageControl::StaticClass() {
  using C = TKIVImageControl;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVImageControl", &TKIVStaticActionControl::StaticClass())
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Build();
  return *info;
}

TKIVImageControl::TKIVImageControl() {
  m_width = 105;
  m_height = 105;
}

void TKIVImageControl::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }

const TClassInfo& TKIVImage::StaticClass() {
  using C = TKIVImage;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVImage", &TKIVImageControl::StaticClass())
          // The control's own AutoSize, on from construction and omitted by the writer while on.
          .Publish("AutoSize", true)
          .Object("Pic", [](C& c) -> TPersistent* { return &c.m_pic; })
          .Bool("Tile", Field(&C::m_tile))
          .Bool("Center", Field(&C::m_center))
          .Bool("Stretch", Field(&C::m_stretch), false)
          .Bool("KeepAspectRatio", Field(&C::m_keepAspectRatio))
          .Bool("Transparent", Field(&C::m_transparent))
          .Bool("WMHandle", Field(&C::m_wmHandle))
          .String("IAName", Field(&C::m_iaName))
          .PublishAll("Align", "Constraints", "DragCursor", "DragKind", "DragMode", "ParentShowHint", "PopupMenu",
                      "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnStartDock",
                      "OnStartDrag")
          .Events("OnChange", "OnAnimate")
          .Build();
  return *info;
}

TKIVImage::TKIVImage() { m_autoSize = true; }
