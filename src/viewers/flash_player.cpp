#include "viewers/flash_player.h"

#include <algorithm>

const TClassInfo& TKIVFlash::StaticClass() {
  using C = TKIVFlash;
  static const TClassInfo* info = [] {
    TClassBuilder<C> builder("TKIVFlash", &TCustomControl::StaticClass());
    builder.String("Movie", Accessors(&C::StoredMovie, &C::SetMovie))
        .Color("BackgroundColor", Field(&C::m_backgroundColor))
        .Enum("Quality", Field(&C::m_quality))
        .Enum("Scale", Field(&C::m_scale))
        .Bool("Play", Field(&C::m_play))
        .Bool("Loop", Field(&C::m_loop))
        .Bool("ShowMenu", Field(&C::m_showMenu))
        .Bool("AutoPause", Field(&C::m_autoPause))
        .Integer("BorderWidth", Accessors(&C::BorderWidth, &C::SetBorderWidth))
        .Color("BorderColor", Field(&C::m_borderColor));
    AddHostProperties(builder);
    return builder.Build();
  }();
  return *info;
}

TKIVFlash::TKIVFlash() : TViewerHost(TMessageKey::NoFlashMessage, "https://ruffle.rs/") {
  m_width = 201;
  m_height = 121;
}

void TKIVFlash::SetMovie(std::string movie) { m_movie = movie == " " ? std::string() : std::move(movie); }

void TKIVFlash::SetBorderWidth(int32_t widthPx) { m_borderWidthPx = std::max(widthPx, 0); }

void TKIVFlash::PaintFrame(TCanvas& canvas) const {
  canvas.Pen() = {};
  canvas.Pen().color = m_borderColor;
  canvas.Pen().width = m_borderWidthPx;
  if (m_borderWidthPx == 0) canvas.Pen().style = TPenStyle::psClear;
  canvas.Brush() = {};
  canvas.Brush().color = clWhite;
  const int32_t half = m_borderWidthPx / 2;
  canvas.Rectangle({half, half, m_width - half, m_height - half});
}
