#pragma once
// TKIVHtmlLabel, a windowless page control that shows a short piece of HTML over what lies
// beneath it, faded by an opacity, with clickable links: an ordinary link opens through the
// action dispatcher (aatGotoWeb), a kiv link drives the menu as the web browser's do.
//
// The HTML is read and laid out by the mini HTML renderer when it is first needed after the
// lines or the width changed (a document is read before there is any application to measure
// text with); pictures come from the medium's folder, read only as regular files of a bounded
// size.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/control.h"
#include "model/strings.h"

class TQzMiniHtml2;

class TKIVHtmlLabel : public TGraphicControl {
 public:
  TKIVHtmlLabel();
  ~TKIVHtmlLabel() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The HTML source lines.
  TStrings* Html() { return &m_html; }
  const TStrings& Html() const { return m_html; }
  TColor LinkColor() const { return m_linkColor; }
  void SetLinkColor(TColor color);
  TColor HLBackColor() const { return m_hlBackColor; }
  void SetHLBackColor(TColor color);
  TColor HLForeColor() const { return m_hlForeColor; }
  void SetHLForeColor(TColor color);
  // Percentage with which the content covers the background, clamped to 0-100.
  int32_t Opacity() const { return m_opacity; }
  void SetOpacity(int32_t percent);

  // The link target at (x, y) in the control, or empty.
  std::string LinkAt(int32_t x, int32_t y);

  void Paint(TCanvas& canvas) override;
  // Over a link the pointer shows the menu's hot cursor (the hand without one).
  void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
  void MouseLeave() override;
  // A left click on a link follows it.
  void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

 private:
  // Reads and lays out the lines again when they or the width changed since the last time.
  TQzMiniHtml2& Renderer();
  void ShowLinkCursor(bool overLink);
  void FollowLink(const std::string& target);

  TStrings m_html;
  TColor m_linkColor = clBlue;
  TColor m_hlBackColor = clBlue;
  TColor m_hlForeColor = clWhite;
  int32_t m_opacity = 100;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;

  std::unique_ptr<TQzMiniHtml2> m_renderer;
  std::vector<std::string> m_laidOutLines;
  int32_t m_laidOutWidth = -1;
  // The cursor the window gave the label, while the link cursor shows.
  std::optional<TCursor> m_cursorOffLinks;
};
