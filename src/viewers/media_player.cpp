#include "viewers/media_player.h"

#include "actions/audio_cd.h"
#include "actions/launch.h"
#include "actions/regular_file.h"
#include "actions/control_path.h"
#include "window/menu_form.h"

namespace {

constexpr int kRewindPlayCount = 999;

TMediaComponent::TBar BarOf(TKIVMediaPlayerControlBarStyle style) {
  switch (style) {
    case TKIVMediaPlayerControlBarStyle::ambFull: return TMediaComponent::TBar::Full;
    case TKIVMediaPlayerControlBarStyle::ambMini: return TMediaComponent::TBar::Mini;
    case TKIVMediaPlayerControlBarStyle::ambNone: break;
  }
  return TMediaComponent::TBar::None;
}

}  // namespace

const TClassInfo& TKIVMediaPlayer::StaticClass() {
  using C = TKIVMediaPlayer;
  static const TClassInfo* info = [] {
    TClassBuilder<C> builder("TKIVMediaPlayer", &TCustomControl::StaticClass());
    builder.String("URL", Field(&C::m_url))
        .Bool("AutoStart", Field(&C::m_autoStart))
        .Bool("AutoStartWhenShowing", Field(&C::m_autoStartWhenShowing))
        .Bool("AutoPause", Field(&C::m_autoPause))
        .Bool("AutoRewind", Field(&C::m_autoRewind))
        .Enum("ControlBarStyle", Accessors(&C::ControlBarStyle, &C::SetControlBarStyle))
        .Bool("ShowMenu", Field(&C::m_showMenu))
        .Bool("StretchToFit", Accessors(&C::StretchToFit, &C::SetStretchToFit));
    AddHostProperties(builder);
    return builder.Build();
  }();
  return *info;
}

TKIVMediaPlayer::TKIVMediaPlayer()
    : TViewerHost(TMessageKey::NoWMPMessage, "https://packages.debian.org/bookworm/libqt6multimedia6") {
  m_width = 301;
  m_height = 241;
}

void TKIVMediaPlayer::SetControlBarStyle(TKIVMediaPlayerControlBarStyle style) {
  m_controlBarStyle = style;
  if (Media()) Media()->SetBar(BarOf(style));
}

void TKIVMediaPlayer::SetStretchToFit(bool stretch) {
  m_stretchToFit = stretch;
  if (Media()) Media()->SetStretchToFit(stretch);
}

void TKIVMediaPlayer::AttachComponent(std::unique_ptr<TMediaComponent> component) {
  AdoptComponent(std::move(component));
  Media()->SetBar(BarOf(m_controlBarStyle));
  Media()->SetStretchToFit(m_stretchToFit);
  m_wasShowing = Showing();
  SetDesignMode(DesignMode());
}

void TKIVMediaPlayer::SetDesignMode(bool designMode) {
  TViewerHost::SetDesignMode(designMode);
  if (designMode) m_startedWhenShown = false;
  TMediaComponent* media = Media();
  if (!media) return;
  if (!designMode) media->SetContextMenu(m_showMenu);
  media->Stop();
  media->SetPlayCount(m_autoRewind && !designMode ? kRewindPlayCount : 1);
  media->SetSources({});
  LoadURL(m_url);
  if (!designMode && m_autoStart && !m_autoStartWhenShowing) Start();
}

bool TKIVMediaPlayer::Showing() const {
  for (const TControl* control = this; control; control = control->Parent())
    if (!control->Visible()) return false;
  return true;
}

void TKIVMediaPlayer::SetVisible(bool visible) {
  TViewerHost::SetVisible(visible);
  const bool showing = Showing();
  if (showing == std::exchange(m_wasShowing, showing) || DesignMode() || !Media()) return;
  if (m_autoStart && m_autoStartWhenShowing && !m_startedWhenShown && showing && !m_reloading) {
    m_startedWhenShown = true;
    PlayMedia();
  } else if (m_autoPause) {
    const TMediaComponent::TState state = Media()->State();
    if (showing && state == TMediaComponent::TState::Paused) Start();
    if (!showing && !m_reloading && state == TMediaComponent::TState::Playing) Media()->Pause();
  }
}

void TKIVMediaPlayer::FirstShow() {
  if (!Media() || !As<TKIVForm>(Parent())) return;
  m_reloading = true;
  Media()->Stop();
  LoadURL(m_url);
  if (!DesignMode() && m_autoStart && (!m_autoStartWhenShowing || Showing())) {
    if (m_autoStartWhenShowing) m_startedWhenShown = true;
    Start();
  }
  m_reloading = false;
}

void TKIVMediaPlayer::LoadURL(const std::string& u) {
  TMediaComponent* media = Media();
  if (!media || DesignMode()) return;
  if (IsAudioCdAddress(u)) {
    media->SetSources(AudioCdTracks(ControlFilePath(*this, "%CDROM%")));
    return;
  }
  const std::string source = ControlFilePath(*this, u);
  // Addresses go to the player as they are; files only when they are regular files, so a
  // FIFO or a device named by a document cannot hang it.
  if (HasUrlScheme(source) || IsReadableRegularFile(source))
    media->SetSources({source});
  else
    media->SetSources({});
}

void TKIVMediaPlayer::Start() {
  if (Media() && !m_still) Media()->Play();
}

void TKIVMediaPlayer::PlayMedia() { Start(); }

void TKIVMediaPlayer::TogglePause() {
  if (!Media()) return;
  const TMediaComponent::TState state = Media()->State();
  if (state == TMediaComponent::TState::Playing) Media()->Pause();
  if (state == TMediaComponent::TState::Paused) Start();
}

void TKIVMediaPlayer::StopMedia() {
  if (Media()) Media()->Stop();
}

void TKIVMediaPlayer::FullScreen() {
  if (Media() && Media()->State() != TMediaComponent::TState::Stopped) Media()->SetFullScreen(true);
}
