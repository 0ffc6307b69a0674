#pragma once
// The media module's component on Qt Multimedia (the GStreamer back end, chosen by the module's
// entry): a player with an audio output always attached, its video frames taken from a video
// sink and drawn by the component, a play list played PlayCount times, and the player's own
// control bar (full: play, pause, stop, position and time; mini: play, pause, stop).

#include <QAudioOutput>
#include <QLabel>
#include <QMediaPlayer>
#include <QSlider>
#include <QUrl>
#include <QVideoSink>
#include <QWidget>
#include <memory>
#include <vector>

#include "modules/media/video_area.h"
#include "modules/viewer_widgets/glyph_button.h"
#include "viewers/media_component.h"

class TMediaWidget final : public QWidget, public TMediaComponent {
 public:
  explicit TMediaWidget(QWidget* window);
  ~TMediaWidget() override;

  void Place(const TRect& rect, bool shown) override;
  void Render(QPainter& painter) override;
  void SetSources(std::vector<std::string> sources) override;
  void Play() override;
  void Pause() override;
  void Stop() override;
  TState State() const override;
  void SetPlayCount(int count) override;
  void SetBar(TBar bar) override;
  void SetStretchToFit(bool stretch) override;
  void SetContextMenu(bool enabled) override;
  void SetFullScreen(bool fullScreen) override;
  void SetEndedHandler(std::function<void()> ended) override { m_ended = std::move(ended); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Arrange();
  // The list's next source after the current one ended or failed.
  void Advance(bool failed);
  void ShowPosition();
  void ShowFrame(const QVideoFrame& frame);

  QMediaPlayer m_player;
  QAudioOutput m_audio;
  QVideoSink m_sink;
  std::vector<QUrl> m_sources;
  size_t m_current = 0;
  int m_playCount = 1;
  int m_playsLeft = 1;
  TBar m_bar = TBar::Full;
  bool m_stretch = false;
  bool m_contextMenu = true;
  bool m_seeking = false;
  std::function<void()> m_ended;

  TVideoArea* m_video;
  QWidget* m_controls;
  TGlyphButton* m_play;
  TGlyphButton* m_pause;
  TGlyphButton* m_stop;
  QSlider* m_position;
  QLabel* m_time;
  std::unique_ptr<TVideoArea> m_fullScreen;
};
