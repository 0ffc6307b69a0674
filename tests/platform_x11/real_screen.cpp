#include "real_screen.h"

#include <cstdlib>

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QWindow>

#include "support/test_application.h"

QImage GrabScreen(const QRect& area) {
  return QGuiApplication::primaryScreen()
      ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

TPaintWatch::TPaintWatch() { qApp->installEventFilter(this); }

TPaintWatch::~TPaintWatch() { qApp->removeEventFilter(this); }

bool TPaintWatch::Painted(const QWidget& window) const {
  const auto found = m_paints.find(&window);
  return found != m_paints.end() && found->second > 0;
}

bool TPaintWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && watched->isWidgetType()) ++m_paints[static_cast<QWidget*>(watched)->window()];
  return false;
}

namespace {

constexpr QRgb kColourBits = 0x00FFFFFF;

bool SameColour(QRgb a, QRgb b, int tolerance) {
  if (tolerance == 0) return (a & kColourBits) == (b & kColourBits);
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The pixels of region (window coordinates) where screen and picture differ in colour by more
// than tolerance; a pixel outside the picture counts as differing.
int CountDifferences(const QImage& screen, const QImage& picture, const QRegion& region, int tolerance, QImage* diff) {
  int differing = 0;
  for (const QRect& rect : region)
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x) {
        const bool same =
            picture.valid(x, y) && screen.valid(x, y) && SameColour(picture.pixel(x, y), screen.pixel(x, y), tolerance);
        if (same) continue;
        ++differing;
        if (diff && diff->valid(x, y)) diff->setPixel(x, y, qRgb(255, 0, 0));
      }
  return differing;
}

std::string WriteImage(const QImage& image, const std::string& fileName) {
  const std::string path = testing::TempDir() + fileName;
  image.save(QString::fromStdString(path), "PNG");
  return path;
}

}  // namespace

testing::AssertionResult ShowsItsPicture(const QWidget& window, const TPaintWatch& watch, TX11Observer& observer,
                                         const std::function<QImage()>& picture, const std::string& name,
                                         int tolerance) {
  const bool shown = telvo_test::ProcessEventsUntil(
      [&] {
        return window.windowHandle() && observer.Viewable(static_cast<xcb_window_t>(window.winId())) &&
               window.windowHandle()->isExposed() && watch.Painted(window);
      },
      kShowTimeoutMs);
  if (!shown) return testing::AssertionFailure() << name << " was not mapped, exposed and painted in time";

  const QRect area(window.mapToGlobal(QPoint(0, 0)), window.size());
  // What lies off the screen shows nowhere.
  const QRect onScreen = QGuiApplication::primaryScreen()->geometry().translated(-area.topLeft());
  const QRegion region = (window.mask().isEmpty() ? QRegion(window.rect()) : window.mask()).intersected(onScreen);
  QImage screen, expected;
  QElapsedTimer settling;
  settling.start();
  while (true) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    screen = GrabScreen(area);
    expected = picture();
    if (CountDifferences(screen, expected, region, tolerance, nullptr) == 0) return testing::AssertionSuccess();
    if (settling.elapsed() > kSettleMs) break;
  }
  QImage diff = screen.copy();
  const int differing = CountDifferences(screen, expected, region, tolerance, &diff);
  return testing::AssertionFailure() << name << ": " << differing << " of the window's pixels on screen differ from its picture; see "
                                     << WriteImage(screen, name + "-screen.png") << ", "
                                     << WriteImage(expected, name + "-picture.png") << " and "
                                     << WriteImage(diff, name + "-diff.png");
}
