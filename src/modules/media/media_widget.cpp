#include "modules/media/media_widget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QVideoFrame>
#include <algorithm>

#include "modules/viewer_widgets/component_widget.h"

namespace {

constexpr int kBarHeight = 24;
constexpr int kButtonSide = 24;
constexpr int kTimeWidth = 84;

QString Clock(qint64 ms) {
  const qint64 seconds = std::max<qint64>(ms, 0) / 1000;
  return QString("%1:%2").arg(seconds / 60, 2, 10, QChar('0')).arg(seconds % 60, 2, 10, QChar('0'));
}

// A source as the player takes it: an address with a scheme as it is, anything else a file.
QUrl SourceUrl(const std::string& source) {
  const QString text = QString::fromStdString(source);
  if (!text.startsWith('/')) {
    const QUrl url(text);
    if (url.isValid() && url.scheme().size() > 1) return url;
  }
  return QUrl::fromLocalFile(text);
}

}  // namespace

TMediaWidget::TMediaWidget(QWidget* window)
    : QWidget(window),
      m_video(new TVideoArea(this)),
      m_controls(new QWidget(this)),
      m_play(new TGlyphButton(TGlyph::Play, m_controls)),
      m_pause(new TGlyphButton(TGlyph::Pause, m_controls)),
      m_stop(new TGlyphButton(TGlyph::Stop, m_controls)),
      m_position(new QSlider(Qt::Horizontal, m_controls)),
      m_time(new QLabel(m_controls)) {
  hide();
  setFocusPolicy(Qt::NoFocus);
  m_controls->setAutoFillBackground(true);
  m_position->setFocusPolicy(Qt::NoFocus);
  m_time->setAlignment(Qt::AlignCenter);
  m_player.setAudioOutput(&m_audio);
  m_player.setVideoSink(&m_sink);

  connect(m_play, &QToolButton::clicked, this, [this] { Play(); });
  connect(m_pause, &QToolButton::clicked, this, [this] { Pause(); });
  connect(m_stop, &QToolButton::clicked, this, [this] { Stop(); });
  connect(m_position, &QSlider::sliderPressed, this, [this] { m_seeking = true; });
  connect(m_position, &QSlider::sliderReleased, this, [this] {
    m_seeking = false;
    m_player.setPosition(m_position->value());
  });
  connect(&m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) { ShowFrame(frame); });
  connect(&m_player, &QMediaPlayer::positionChanged, this, [this] { ShowPosition(); });
  connect(&m_player, &QMediaPlayer::durationChanged, this, [this] { ShowPosition(); });
  connect(&m_player, &QMediaPlayer::playbackStateChanged, this, [this] { ShowPosition(); });
  connect(&m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::EndOfMedia) Advance(false);
    if (status == QMediaPlayer::InvalidMedia) Advance(true);
  });
  connect(&m_player, &QMediaPlayer::errorOccurred, this, [this] {
    if (m_player.mediaStatus() != QMediaPlayer::InvalidMedia) Advance(true);
  });
  Arrange();
  ShowPosition();
}

TMediaWidget::~TMediaWidget() {
  m_ended = nullptr;
  m_player.stop();
}

// Arranged here too: a widget in a window that is not shown gets no resize events.
void TMediaWidget::Place(const TRect& rect, bool shown) {
  PlaceComponentWidget(*this, rect, shown);
  Arrange();
}

void TMediaWidget::Render(QPainter& painter) { RenderComponentWidget(*this, painter); }

void TMediaWidget::SetSources(std::vector<std::string> sources) {
  Stop();
  m_sources.clear();
  for (const std::string& source : sources) m_sources.push_back(SourceUrl(source));
  m_current = 0;
  m_playsLeft = m_playCount;
  m_video->SetFrame({});
  m_player.setSource(m_sources.empty() ? QUrl() : m_sources.front());
  ShowPosition();
}

void TMediaWidget::Play() {
  if (m_sources.empty()) return;
  if (m_player.playbackState() == QMediaPlayer::StoppedState) m_playsLeft = m_playCount;
  m_player.play();
}

void TMediaWidget::Pause() {
  if (m_player.playbackState() == QMediaPlayer::PlayingState) m_player.pause();
}

void TMediaWidget::Stop() {
  m_player.stop();
  if (m_current != 0 && !m_sources.empty()) {
    m_current = 0;
    m_player.setSource(m_sources.front());
  }
}

TMediaComponent::TState TMediaWidget::State() const {
  switch (m_player.playbackState()) {
    case QMediaPlayer::PlayingState: return TState::Playing;
    case QMediaPlayer::PausedState: return TState::Paused;
    case QMediaPlayer::StoppedState: break;
  }
  return TState::Stopped;
}

void TMediaWidget::SetPlayCount(int count) {
  m_playCount = std::max(count, 1);
  m_playsLeft = m_playCount;
}

void TMediaWidget::SetBar(TBar bar) {
  m_bar = bar;
  Arrange();
}

void TMediaWidget::SetStretchToFit(bool stretch) {
  m_stretch = stretch;
  m_video->SetStretch(stretch);
  if (m_fullScreen) m_fullScreen->SetStretch(stretch);
}

void TMediaWidget::SetContextMenu(bool enabled) { m_contextMenu = enabled; }

void TMediaWidget::SetFullScreen(bool fullScreen) {
  if (!fullScreen) {
    m_fullScreen.reset();
    return;
  }
  if (m_fullScreen) return;
  m_fullScreen = std::make_unique<TVideoArea>(nullptr);
  m_fullScreen->SetStretch(m_stretch);
  m_fullScreen->SetDoubleClicked([this] { QMetaObject::invokeMethod(this, [this] { SetFullScreen(false); }, Qt::QueuedConnection); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_fullScreen.get());
  connect(escape, &QShortcut::activated, this, [this] { SetFullScreen(false); });
  m_fullScreen->showFullScreen();
}

void TMediaWidget::resizeEvent(QResizeEvent*) { Arrange(); }

void TMediaWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (!m_contextMenu) return;
  QMenu menu(this);
  menu.addAction("Play", this, [this] { Play(); });
  menu.addAction("Pause", this, [this] { Pause(); });
  menu.addAction("Stop", this, [this] { Stop(); });
  menu.exec(event->globalPos());
}

void TMediaWidget::Arrange() {
  const bool barShown = m_bar != TBar::None;
  const int bar = barShown ? kBarHeight : 0;
  m_video->setGeometry(0, 0, width(), std::max(0, height() - bar));
  m_controls->setVisible(barShown);
  m_controls->setGeometry(0, height() - kBarHeight, width(), kBarHeight);
  int x = 0;
  for (TGlyphButton* button : {m_play, m_pause, m_stop}) {
    button->setGeometry(x, 0, kButtonSide, kButtonSide);
    x += kButtonSide;
  }
  const bool full = m_bar == TBar::Full;
  m_position->setVisible(full);
  m_time->setVisible(full);
  const int timeWidth = std::min(kTimeWidth, std::max(0, width() - x));
  m_time->setGeometry(width() - timeWidth, 0, timeWidth, kBarHeight);
  m_position->setGeometry(x + 4, 0, std::max(0, width() - timeWidth - x - 8), kBarHeight);
}

void TMediaWidget::Advance(bool failed) {
  if (m_sources.empty()) return;
  if (m_current + 1 < m_sources.size()) {
    ++m_current;
  } else {
    m_current = 0;
    // A list that failed to the last source does not start over: it would fail again at once.
    if (failed || --m_playsLeft <= 0) {
      m_player.stop();
      m_player.setSource(m_sources.front());
      m_playsLeft = m_playCount;
      if (m_ended) m_ended();
      return;
    }
  }
  m_player.setSource(m_sources[m_current]);
  m_player.play();
}

void TMediaWidget::ShowPosition() {
  const qint64 duration = m_player.duration();
  const qint64 position = m_player.position();
  m_time->setText(Clock(position) + " / " + Clock(duration));
  m_position->setEnabled(m_player.isSeekable());
  m_position->setRange(0, static_cast<int>(std::min<qint64>(duration, INT32_MAX)));
  if (!m_seeking) m_position->setValue(static_cast<int>(std::min<qint64>(position, INT32_MAX)));
  const bool playing = m_player.playbackState() == QMediaPlayer::PlayingState;
  m_play->setEnabled(!m_sources.empty() && !playing);
  m_pause->setEnabled(playing);
  m_stop->setEnabled(m_player.playbackState() != QMediaPlayer::StoppedState);
}

void TMediaWidget::ShowFrame(const QVideoFrame& frame) {
  const QImage image = frame.toImage();
  m_video->SetFrame(image);
  if (m_fullScreen) m_fullScreen->SetFrame(image);
}
