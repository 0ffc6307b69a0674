#include "platform/qt_action_services.h"

#include <sys/wait.h>

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>

#include "actions/launch.h"
#include "actions/macros.h"
#include "actions/shell_execute.h"
#include "graphics/picture_decoder.h"
#include "graphics/qt_seam.h"
#include "modules/module_loader.h"
#include "platform/input_window.h"
#include "platform/message_window.h"
#include "platform/player_icon.h"
#include "platform/window_printing.h"
#include "window/menu_form.h"

namespace {

// Copy and print look at the window a moment after the click, once the pressed button is drawn
// released again.
constexpr int kCaptureDelayMs = 200;

// The icon of the message window: the document's icon, else the player's own.
TBitmap32 MessageIcon(TKIVForm& form) {
  if (!form.IconData()->Empty())
    if (std::optional<std::vector<TBitmap32>> images = DecodeIcon(form.IconData()->Bytes()); images && !images->empty()) {
      for (const TBitmap32& image : *images)
        if (image.Width() == 32 && image.Height() == 32) return image;
      return images->front();
    }
  return BitmapFromQImage(DefaultPlayerIcon().pixmap(32, 32).toImage());
}

// How often a wait looks whether the started process has ended.
constexpr int kProcessPollMs = 50;

// Waits for the child process to end and reaps it. Meanwhile the window thread goes on painting
// and running its timers, while pointer and key input waits until the wait is over, as it queues
// for a program busy on Windows. An application that quits ends the wait early, and the process
// then goes on unwaited for.
void WaitWhileDrawing(pid_t process) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&loop, process] {
    const pid_t ended = waitpid(process, nullptr, WNOHANG);
    if (ended == process || (ended < 0 && errno != EINTR)) loop.quit();
  });
  poll.start(kProcessPollMs);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

void TQtActionServices::ShellExecute(const TShellRequest& request, std::function<void(int)> done) {
  auto answer = std::make_shared<TShellAnswer>(StartShellExecute(request));
  if (answer->Ready()) {
    done(answer->Result());
    return;
  }
  // The answer is read once its pipe has something to say, so the window is drawn and used
  // meanwhile.
  auto* watcher = new QSocketNotifier(answer->Descriptor(), QSocketNotifier::Read, &m_pendingAnswers);
  QObject::connect(watcher, &QSocketNotifier::activated, watcher, [watcher, answer, done = std::move(done)] {
    watcher->setEnabled(false);
    watcher->deleteLater();
    done(answer->Result());
  });
}

void TQtActionServices::RunAndWait(const std::string& file, const std::string& parameters, bool maximised, bool wait) {
  const TMacroValues& macros = m_form.Context().macroValues;
  const std::string expandedFile = ExpandMacros(file, macros);
  const std::string expandedParameters = ExpandMacros(parameters, macros);
  if (!wait) {
    ::RunAndWait(expandedFile, expandedParameters, maximised, false);
    return;
  }
  if (const std::optional<pid_t> process = StartToWaitFor(expandedFile, expandedParameters)) WaitWhileDrawing(*process);
}

void TQtActionServices::EjectMediumOf(const std::string& folder) {
  if (ejectMediumOf) ejectMediumOf(folder);
}

void TQtActionServices::ShowMessageWindow(TKIVForm& form, const std::string& text) {
  TMessageWindow window(m_window, text, MessageIcon(form), form.ScreenSize().width);
  // The menu's normal cursor over the window and its hot cursor over OK (first frames).
  if (!form.DesignMode() && m_window) {
    window.SetCursors(m_window->Cursors().Frames(kCursorNormal).front().cursor,
                      m_window->Cursors().Frames(kCursorHot).front().cursor);
  }
  window.exec();
}

void TQtActionServices::ShowMessageBox(const std::string& title, const std::string& text, TMessageBoxIcon icon) {
  QMessageBox box(icon == TMessageBoxIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok, m_window);
  box.exec();
}

bool TQtActionServices::InputQuery(const std::string& title, const std::string& prompt, std::string& text, bool masked) {
  return ::InputQuery(title, prompt, text, masked);
}

void TQtActionServices::HideMenuWindow() {
  if (m_window) m_window->hide();
}

void TQtActionServices::ShowMenuWindow() {
  if (m_window) m_window->show();
}

QImage TQtActionServices::CaptureWindow(bool clientOnly) const {
  if (!m_window) return {};
  QScreen* screen = m_window->screen();
  QImage image;
  if (screen) {
    const QRect frame = m_window->frameGeometry();
    image = clientOnly ? screen->grabWindow(m_window->winId()).toImage()
                       : screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
  }
  // Screens that cannot be read (no display server) give the window as it paints itself.
  if (image.isNull() || image.size() == QSize(0, 0)) image = m_window->grab().toImage();
  return image;
}

void TQtActionServices::CopyWindowToClipboard(bool clientOnly) {
  QTimer::singleShot(kCaptureDelayMs, m_window, [this, clientOnly] {
    QApplication::clipboard()->setImage(CaptureWindow(clientOnly));
  });
}

QRect PlacePrintedPicture(int32_t width, int32_t height, const TPrintPlacement& page) {
  const int32_t screenDpi = page.screenDpi > 0 ? page.screenDpi : 96;
  int64_t w = int64_t{width} * page.printerDpiX / screenDpi;
  int64_t h = int64_t{height} * page.printerDpiY / screenDpi;
  const int64_t printableWidth = page.pageWidth - 2 * int64_t{page.offsetLeft};
  const int64_t printableHeight = page.pageHeight - 2 * int64_t{page.offsetTop};
  if (w > printableWidth && w > 0) {
    h = h * printableWidth / w;
    w = printableWidth;
  }
  if (h > printableHeight && h > 0) {
    w = w * printableHeight / h;
    h = printableHeight;
  }
  return QRect(static_cast<int>((page.pageWidth - w) / 2), static_cast<int>((page.pageHeight - h) / 2),
               static_cast<int>(w), static_cast<int>(h));
}

void TQtActionServices::PrintWindowPicture(bool clientOnly) {
  std::string notInstalled;
  const TWindowPrinting::TFactory* printing = LoadModuleInterface<TWindowPrinting>(ModuleFolder(), notInstalled);
  if (!printing) return;  // a print that cannot start fails silently, as a failed action does
  std::shared_ptr<TChosenPrinter> printer = printing->choose(m_window);
  if (!printer) return;
  const std::string caption = m_form.Caption();
  QTimer::singleShot(kCaptureDelayMs, m_window, [this, printer, clientOnly, caption] {
    const QImage picture = CaptureWindow(clientOnly);
    printer->SetDocumentName(caption.empty() ? std::string("Telvo") : caption);
    const TChosenPrinter::TPage page = printer->Page();
    // A window Qt scales is grabbed in device pixels; it prints at the size of its own pixels.
    const QSize size = picture.deviceIndependentSize().toSize();
    const QRect target = PlacePrintedPicture(
        size.width(), size.height(),
        {page.width, page.height, page.printableLeft, page.printableTop, page.resolution, page.resolution,
         m_window ? m_window->logicalDpiX() : 96});
    QPainter painter;
    if (!painter.begin(printer->Device())) return;
    // The painter's origin is the printable area's corner; the placement is on the whole page.
    painter.drawImage(target.translated(-page.printableLeft, -page.printableTop), picture);
    painter.end();
  });
}
