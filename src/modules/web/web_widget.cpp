#include "modules/web/web_widget.h"

#include "modules/viewer_widgets/component_widget.h"
#include "modules/web/web_process.h"

#include <QEventLoop>
#include <QFont>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlSchemeHandler>

namespace {

// Refuses every request of the kiv scheme: its links are commands caught before they load.
class TRefusingSchemeHandler : public QWebEngineUrlSchemeHandler {
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
  void requestStarted(QWebEngineUrlRequestJob* job) override { job->fail(QWebEngineUrlRequestJob::RequestDenied); }
};

// Written to the console two animation frames after it is asked for: by then the page has been
// drawn.
const QString kFrameMarker = QStringLiteral("telvo-frame-drawn");
const QString kFrameScript = QStringLiteral(
    "requestAnimationFrame(() => requestAnimationFrame(() => console.log('telvo-frame-drawn')));");

QRect ToQRect(const TRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

void Put(QWidget* part, const std::optional<TRect>& rect) {
  part->setVisible(rect.has_value());
  if (rect) part->setGeometry(ToQRect(*rect));
}

}  // namespace

TWebWidget::TWebWidget(QWidget* window, TEvents events)
    : QWidget(window),
      m_events(std::move(events)),
      m_profile(std::make_unique<QWebEngineProfile>()),
      m_page(nullptr),
      m_view(new QWebEngineView(this)),
      m_back(new TGlyphButton(TGlyph::Back, this)),
      m_forward(new TGlyphButton(TGlyph::Forward, this)),
      m_address(new QLineEdit(this)),
      m_go(new TGlyphButton(TGlyph::Go, this)) {
  hide();
  setFocusPolicy(Qt::NoFocus);
  m_profile->installUrlSchemeHandler("kiv", new TRefusingSchemeHandler(m_profile.get()));
  m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
  m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
  m_page = new TWebPage(m_profile.get(), m_view);
  m_page->SetNavigationCheck(m_events.beforeNavigate);
  m_page->SetConsoleMarker(kFrameMarker, [this] { m_frameDrawn = true; });
  m_view->setPage(m_page);
  m_view->setFocusPolicy(Qt::NoFocus);
  QFont tahoma("Tahoma");
  tahoma.setPixelSize(11);
  m_address->setFont(tahoma);

  connect(m_back, &QToolButton::clicked, this, [this] {
    if (m_events.back) m_events.back();
  });
  connect(m_forward, &QToolButton::clicked, this, [this] {
    if (m_events.forward) m_events.forward();
  });
  auto go = [this] {
    if (m_events.go) m_events.go(m_address->text().toStdString());
  };
  connect(m_go, &QToolButton::clicked, this, go);
  connect(m_address, &QLineEdit::returnPressed, this, go);
  connect(m_page, &QWebEnginePage::loadStarted, this, [this] { m_loading = true; });
  connect(m_page, &QWebEnginePage::loadFinished, this, [this] {
    m_loading = false;
    NoteShownPage(m_page->url());
    if (m_events.documentComplete) m_events.documentComplete();
  });
  auto history = [this] {
    if (m_events.historyChanged) m_events.historyChanged(m_view->history()->canGoBack(), m_view->history()->canGoForward());
  };
  connect(m_page, &QWebEnginePage::urlChanged, this, history);
  connect(m_page, &QWebEnginePage::loadFinished, this, history);
}

TWebWidget::~TWebWidget() {
  // The page goes before its profile.
  delete m_view;
}

void TWebWidget::Place(const TRect& rect, bool shown) { PlaceComponentWidget(*this, rect, shown); }

void TWebWidget::Render(QPainter& painter) {
  if (RenderComponentWidget(*this, painter) && !m_snapshot.isNull()) painter.drawPixmap(m_viewRect.topLeft(), m_snapshot);
}

void TWebWidget::Navigate(const std::string& address) {
  m_loading = true;
  const QString text = QString::fromStdString(address);
  m_view->setUrl(text.startsWith('/') ? QUrl::fromLocalFile(text) : QUrl(text));
}

void TWebWidget::GoBack() { m_view->back(); }
void TWebWidget::GoForward() { m_view->forward(); }
void TWebWidget::Stop() { m_view->stop(); }
void TWebWidget::Refresh() { m_view->reload(); }

std::string TWebWidget::LocationURL() const { return m_view->url().toString().toStdString(); }

void TWebWidget::SetLayout(const TWebBrowserLayout& layout) {
  Put(m_back, layout.back);
  Put(m_forward, layout.forward);
  Put(m_address, layout.address);
  Put(m_go, layout.go);
  m_viewRect = ToQRect(layout.view);
  if (m_view->parentWidget() == this) m_view->setGeometry(m_viewRect);
}

void TWebWidget::SetBackEnabled(bool enabled) { m_back->setEnabled(enabled); }
void TWebWidget::SetForwardEnabled(bool enabled) { m_forward->setEnabled(enabled); }
void TWebWidget::SetAddressText(const std::string& text) { m_address->setText(QString::fromStdString(text)); }

void TWebWidget::SetShowMenu(bool shown) {
  m_view->setContextMenuPolicy(shown ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

void TWebWidget::RunLater(std::function<void()> work) { QTimer::singleShot(0, this, std::move(work)); }

bool TWebWidget::WaitFor(const std::function<bool()>& done, std::chrono::steady_clock::time_point deadline) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done() || std::chrono::steady_clock::now() >= deadline) loop.quit();
  });
  poll.start(10);
  if (!done()) loop.exec();
  return done();
}

void TWebWidget::Settle(std::chrono::steady_clock::time_point deadline) {
  // The engine draws only in a shown top-level window: the view is taken out of the hidden
  // window for the picture, and comes back afterwards.
  m_view->setParent(nullptr);
  m_view->resize(m_viewRect.size());
  m_view->show();
  if (WaitFor([this] { return !m_loading; }, deadline)) {
    m_frameDrawn = false;
    m_page->runJavaScript(kFrameScript, QWebEngineScript::ApplicationWorld);
    WaitFor([this] { return m_frameDrawn; }, deadline);
  }
  // The page is drawn once two grabs in a row agree.
  QImage previous;
  while (true) {
    const QImage grab = m_view->grab().toImage();
    if (grab == previous || std::chrono::steady_clock::now() >= deadline) {
      m_snapshot = QPixmap::fromImage(grab);
      break;
    }
    previous = grab;
    WaitFor([] { return false; }, std::min(deadline, std::chrono::steady_clock::now() + std::chrono::milliseconds(50)));
  }
  m_view->hide();
  m_view->setParent(this);
  m_view->setGeometry(m_viewRect);
  m_view->show();
}
