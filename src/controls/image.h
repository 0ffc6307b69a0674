#pragma once
// TKIVImageControl adds an opacity to the static action control; TKIVImage shows one picture at
// its natural size, centred, stretched (optionally keeping its proportions) or tiled, with an
// optional key-colour transparency. Control commands find an image by its IAName.

#include <cstdint>
#include <string>

#include "controls/action_control.h"

class TKIVImageControl : public TKIVStaticActionControl {
 public:
  TKIVImageControl();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);

 protected:
  int32_t m_opacity = 100;
};

class TKIVImage : public TKIVImageControl {
 public:
  TKIVImage();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  bool AutoSize() const { return m_autoSize; }
  TPicture* Pic() { return &m_pic; }
  const TPicture& Pic() const { return m_pic; }
  bool Tile() const { return m_tile; }
  bool Center() const { return m_center; }
  bool Stretch() const { return m_stretch; }
  bool KeepAspectRatio() const { return m_keepAspectRatio; }
  bool Transparent() const { return m_transparent; }
  bool WMHandle() const { return m_wmHandle; }
  const std::string& IAName() const { return m_iaName; }

 protected:
  TPicture m_pic;
  bool m_tile = false;
  bool m_center = false;
  bool m_stretch = false;
  bool m_keepAspectRatio = false;
  bool m_transparent = false;
  bool m_wmHandle = false;
  std::string m_iaName;
};
