#include "viewers/media_player.h"

const TClassInfo& TKIVMediaPlayer::StaticClass() {
  using C = TKIVMediaPlayer;
  static const TClassInfo* info = [] {
    TClassBuilder<C> builder("TKIVMediaPlayer", &TCustomControl::StaticClass());
    builder.String("URL", Field(&C::m_url))
        .Bool("AutoStart", Field(&C::m_autoStart))
        .Bool("AutoStartWhenShowing", Field(&C::m_autoStartWhenShowing))
        .Bool("AutoPause", Field(&C::m_autoPause))
        .Bool("AutoRewind", Field(&C::m_autoRewind))
        .Enum("ControlBarStyle", Field(&C::m_controlBarStyle))
        .Bool("ShowMenu", Field(&C::m_showMenu))
        .Bool("StretchToFit", Field(&C::m_stretchToFit));
    AddHostProperties(builder);
    return builder.Build();
  }();
  return *info;
}

TKIVMediaPlayer::TKIVMediaPlayer() : TViewerHost(TMessageKey::NoWMPMessage, "https://packages.debian.org/bookworm/libqt6multimediawidgets6") {
  m_width = 301;
  m_height = 241;
}
