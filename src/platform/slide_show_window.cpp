#include "platform/slide_show_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <chrono>

#include "graphics/colors.h"
#include "graphics/text_render.h"
#include "window/qt_tick_dispatcher.h"

namespace {

constexpr TColor kLime = 0x0000FF00;

// The lines' labels: "Tahoma" at 8 points, lime, transparent. The file-name line starts 8
// pixels in from the top left corner. The help line is right-aligned and keeps the distance
// from the bottom edge its label had in the 306 x 230 window it was laid out in (top 209, one
// line high); its right end keeps the same 8-pixel margin as the file-name line's start.
constexpr TPoint kFileNameAt{8, 8};
constexpr int32_t kDesignHeight = 230, kHelpTop = 209, kHelpRightMargin = 8;

void SetLineFont(TCanvas& canvas) {
  canvas.Font().name = "Tahoma";
  canvas.Font().height = -11;
  canvas.Font().color = kLime;
  canvas.Brush().style = TBrushStyle::bsClear;
}

TSlideKey KeyOf(int key, bool& known) {
  known = true;
  switch (key) {
    case Qt::Key_Escape: return TSlideKey::Escape;
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Space: case Qt::Key_PageDown: case Qt::Key_Right:
    case Qt::Key_Down: return TSlideKey::Forward;
    case Qt::Key_PageUp: case Qt::Key_Left: case Qt::Key_Up: return TSlideKey::Back;
    default: known = false; return TSlideKey::Escape;
  }
}

QString MenuCaption(const std::string& name) {
  // An ampersand in a file name is shown, not taken as an accelerator.
  return QString::fromStdString(name).replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace

TSlideShowWindow::TSlideShowWindow(QWidget* owner, std::vector<std::string> pictures, TSlideShowSettings settings,
                                   const TSlideShowFrame& frame, const TPictureWindowServices& services,
                                   TSlideShow::TPictureLoader loader, uint32_t seed)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), m_frame(frame), m_stage(new TPicShowWidget(this)) {
  setModal(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  TPicShow& engine = m_stage->Control();
  // The control fills the window whatever the picture's size.
  engine.SetAutoSize(false);
  engine.SetBgMode(TBackgroundMode::bmNone);
  engine.SetCenter(true);
  engine.SetStretchFine(true);
  engine.SetColor(frame.background);
  if (frame.showInfo) m_stage->SetOverlay([this](const TBitmapView& view) { PaintLines(view); });

  m_timer.SetEnabled(false);
  if (services.clock) m_timer.SetClock(services.clock);
  TTickDispatcher* dispatcher = services.dispatcher;
  if (!dispatcher) dispatcher = (m_ownDispatcher = std::make_unique<TQtTickDispatcher>()).get();
  m_timer.SetDispatcher(dispatcher);
  m_timer.SetOnTimer([this] { m_show->TimerTick(); });

  TSlideShowTimer& timer = *this;
  m_show = std::make_unique<TSlideShow>(std::move(pictures), std::move(settings), engine, timer, std::move(loader), seed);
  engine.OnComplete = [this](TCustomPicShow&) { m_show->TransitionCompleted(); };
  m_show->OnLinesChanged = [this] { m_stage->update(); };
  m_show->OnClose = [this] { hide(); };
}

TSlideShowWindow::~TSlideShowWindow() {
  // The timer and the transition end before the show they call.
  m_timer.SetEnabled(false);
  m_timer.SetDispatcher(nullptr);
  m_stage->Control().OnComplete = nullptr;
  m_stage->Control().StopTransition();
}

void TSlideShowWindow::Start() {
  if (m_frame.fullScreen) {
    showFullScreen();
  } else {
    const QScreen* screen = parentWidget() && parentWidget()->screen() ? parentWidget()->screen()
                                                                       : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, m_frame.width, m_frame.height);
    const int width = std::clamp(m_frame.width, 1, area.width());
    const int height = std::clamp(m_frame.height, 1, area.height());
    setGeometry(area.left() + (area.width() - width) / 2, area.top() + (area.height() - height) / 2, width, height);
    show();
  }
  activateWindow();
  setFocus();
  m_show->Shown();
}

TBitmap32 TSlideShowWindow::Picture() { return m_stage->Picture(); }

void TSlideShowWindow::Start(uint32_t intervalMs) {
  m_timer.SetIntervalMs(std::max<uint32_t>(intervalMs, 1));
  m_timer.SetEnabled(true);
}

void TSlideShowWindow::Stop() { m_timer.SetEnabled(false); }

void TSlideShowWindow::PaintLines(const TBitmapView& view) const {
  TCanvas canvas(view);
  SetLineFont(canvas);
  TextOutAt(canvas, m_show->FileNameLine(), kFileNameAt.x, kFileNameAt.y, false, DT_NOPREFIX);
  const int32_t lineHeight = MeasureTextHeight(canvas, "Ag", false, DT_SINGLELINE);
  const int32_t bottomGap = kDesignHeight - kHelpTop - lineHeight;
  const int32_t right = view.Width() - kHelpRightMargin;
  const int32_t width = MeasureTextWidth(canvas, m_show->HelpLine(), false, DT_NOPREFIX);
  TextOutAt(canvas, m_show->HelpLine(), right - width, view.Height() - bottomGap - lineHeight, false, DT_NOPREFIX);
}

uint64_t TSlideShowWindow::NowMs() {
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count());
}

void TSlideShowWindow::keyPressEvent(QKeyEvent* event) {
  bool known = false;
  const TSlideKey key = KeyOf(event->key(), known);
  if (known) m_show->KeyPressed(key);
}

void TSlideShowWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_show->LeftPressed(NowMs());
  if (event->button() == Qt::RightButton) OpenMenu(event->globalPosition().toPoint());
}

void TSlideShowWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(m_pointerPixels.PixelAt(event->position())))
    m_show->LeftClicked();
}

void TSlideShowWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_show->DoubleClicked();
}

void TSlideShowWindow::closeEvent(QCloseEvent* event) {
  m_show->Close();
  event->accept();
}

void TSlideShowWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  m_stage->setGeometry(rect());
}

void TSlideShowWindow::OpenMenu(const QPoint& globalPosition) {
  const TSlideShowMenu contents = m_show->Menu();
  QMenu menu(this);
  QAction* play = menu.addAction(QStringLiteral("&Play"));
  play->setVisible(contents.playVisible);
  QAction* pause = menu.addAction(QStringLiteral("Pau&se"));
  pause->setVisible(contents.pauseVisible);
  QAction* resume = menu.addAction(QStringLiteral("&Resume"));
  resume->setVisible(contents.resumeVisible);
  menu.addSeparator();
  QAction* next = menu.addAction(QStringLiteral("&Next"));
  QAction* previous = menu.addAction(QStringLiteral("Pre&vious"));
  previous->setEnabled(contents.previousEnabled);
  QMenu* pictures = menu.addMenu(QStringLiteral("&Goto"));
  for (size_t i = 0; i < contents.gotoCaptions.size(); ++i)
    pictures->addAction(MenuCaption(contents.gotoCaptions[i]))->setData(QVariant::fromValue(static_cast<qulonglong>(i)));
  menu.addSeparator();
  QAction* exit = menu.addAction(QStringLiteral("E&xit"));

  QAction* chosen = menu.exec(globalPosition);
  // The time the menu closed, not the time it opened: the click that closed it may come much
  // later than 100 ms after the opening and must still not advance a manual show.
  m_show->MenuClosed(NowMs());
  if (!chosen || m_show->Closed()) return;
  if (chosen == play || chosen == pause || chosen == resume)
    m_show->TogglePlay();
  else if (chosen == next)
    m_show->Next();
  else if (chosen == previous)
    m_show->Previous();
  else if (chosen == exit)
    m_show->Close();
  else
    m_show->Goto(static_cast<size_t>(chosen->data().toULongLong()));
}

void RunSlideShowWindow(QWidget* owner, std::vector<std::string> pictures, TSlideShowSettings settings,
                        const TSlideShowFrame& frame, const TPictureWindowServices& services,
                        TSlideShow::TPictureLoader loader) {
  const auto seed = static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  TSlideShowWindow window(owner, std::move(pictures), std::move(settings), frame, services, std::move(loader), seed);
  window.Start();
  RunUntil([&window] { return window.Show().Closed(); }, services);
  window.hide();
}
