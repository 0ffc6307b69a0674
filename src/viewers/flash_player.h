#pragma once
// TKIVFlash, the page control that hosts a Flash movie inside a coloured border. No player for
// it exists here, so in practice it shows its not-installed message; the stored form is kept
// whole so that documents load and the border and message are drawn as stored.

#include <cstdint>
#include <string>

#include "model/menu_enums.h"
#include "viewers/viewer_host.h"

class TKIVFlash : public TViewerHost {
 public:
  TKIVFlash();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Movie file (path macros not expanded); empty when there is none. The stream carries "no
  // movie" as a single space, so setting " " clears the movie and StoredMovie gives " " back.
  const std::string& Movie() const { return m_movie; }
  void SetMovie(std::string movie);
  std::string StoredMovie() const { return m_movie.empty() ? std::string(" ") : m_movie; }
  TColor BackgroundColor() const { return m_backgroundColor; }
  TKIVFlashQuality Quality() const { return m_quality; }
  TKIVFlashScale Scale() const { return m_scale; }
  bool Play() const { return m_play; }
  bool Loop() const { return m_loop; }
  bool ShowMenu() const { return m_showMenu; }
  bool AutoPause() const { return m_autoPause; }
  // Width of the border around the movie in pixels; negative values are stored as 0. This is
  // the control's own border, drawn in BorderColor, not the platform's window border.
  int32_t BorderWidth() const { return m_borderWidthPx; }
  void SetBorderWidth(int32_t widthPx);
  TColor BorderColor() const { return m_borderColor; }

 protected:
  // A white rectangle inset by half the pen's width, outlined BorderWidth wide in BorderColor (no
  // outline when BorderWidth is 0).
  void PaintFrame(TCanvas& canvas) const override;

 private:
  std::string m_movie;
  TColor m_backgroundColor = clWhite;
  TKIVFlashQuality m_quality = TKIVFlashQuality::afqHigh;
  TKIVFlashScale m_scale = TKIVFlashScale::afsShowAll;
  bool m_play = true;
  bool m_loop = false;
  bool m_showMenu = true;
  bool m_autoPause = false;
  int32_t m_borderWidthPx = 1;
  TColor m_borderColor = 0xFFCF90;
};
