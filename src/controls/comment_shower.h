#pragma once
// Comment showers describe whatever control the pointer is over: TKIVCommentShower shows its
// hint text, TKIVGraphicCommentShower its GraphicComment picture. Neither runs actions. The
// caption of a text shower is the text it currently shows and is not stored.

#include <cstdint>

#include "controls/image.h"
#include "model/control.h"

class TKIVCommentShower : public TGraphicControl {
 public:
  TKIVCommentShower();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment alignment);
  bool WordWrap() const { return m_wordWrap; }
  void SetWordWrap(bool wordWrap);
  bool DesignMode() const { return m_designMode; }
  void SetDesignMode(bool designMode) override;
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);
  TKIVTextRenderMode TextMode() const { return m_textMode; }
  void SetTextMode(TKIVTextRenderMode mode);
  // The text shown; a change repaints a visible shower.
  void SetCaption(std::string caption) override;

  // The caption over what lies beneath, aligned and wrapped as set, faded by Opacity; a dotted
  // frame in design mode.
  void Paint(TCanvas& canvas) override;

 protected:
  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_wordWrap = false;
  bool m_designMode = false;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
  int32_t m_opacity = 100;
  TKIVTextRenderMode m_textMode = TKIVTextRenderMode::atmSystemDefault;
};

class TKIVGraphicCommentShower : public TKIVImage {
 public:
  TKIVGraphicCommentShower();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};
