#include "platform/picture_viewer.h"

#include <QThread>

namespace {

bool Fades(const TPictureViewerSettings& settings) {
  return settings.fade && settings.style != TSPWindowStyle::swsNormal;
}

TPictureWindow::TStyle ViewerStyle(const TPictureViewerSettings& settings) {
  TPictureWindow::TStyle style;
  style.dialogFrame = settings.style == TSPWindowStyle::swsNormal;
  style.stayOnTop = Fades(settings);
  return style;
}

}  // namespace

// A captioned window is placed by its client area; the window manager's frame lies around it.
TPictureViewer::TPictureViewer(QWidget* owner, TSplashPicture& picture, const TPictureViewerSettings& settings,
                               const TPictureWindowServices& services, const QCursor& cursor)
    : m_stage(owner, picture, ViewerStyle(settings), CentredArea(owner ? owner->screen() : nullptr, picture),
              Fades(settings), services) {
  Window().setWindowModality(Qt::ApplicationModal);
  Window().setWindowTitle(QString::fromStdString(settings.caption));
  Window().setCursor(cursor);
  Window().onEscape = [this] { UserClose(); };
  Window().onClick = [this] { UserClose(); };
  Window().onCloseRequest = [this] { UserClose(); };
  if (!Fades(settings)) {
    m_stage.Play();
    return;
  }
  // A fade time of 0 or less leaves no fade to run: the picture shows at once at full opacity
  // and a click closes the window at once.
  m_fade = std::make_unique<TViewerFade>(ViewerFadeDurationMs(settings.fadeTimeSeconds), services.dispatcher,
                                         services.clock);
  m_fade->SetOnStep([this](uint8_t alpha) { m_stage.ShowFadeStep(alpha); });
  m_fade->SetOnClosed([this] { m_closed = true; });
  m_stage.ShowFadeStep(0);
}

void TPictureViewer::UserClose() {
  if (!m_fade) {
    m_closed = true;
    return;
  }
  m_fade->RequestClose();  // ignored until the picture is fully in
}

void TPictureViewer::Show() {
  Window().show();
  Window().raise();
  Window().activateWindow();
  if (m_fade) m_fade->Start();
}

void ShowPictureViewer(QWidget* owner, TSplashPicture& picture, const TPictureViewerSettings& settings,
                       const TPictureWindowServices& services, const QCursor& cursor) {
  if (Fades(settings)) QThread::msleep(50);
  TPictureViewer viewer(owner, picture, settings, services, cursor);
  viewer.Show();
  RunUntil([&viewer] { return viewer.Closed(); }, services);
  viewer.Window().hide();
}
