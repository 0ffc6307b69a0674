#pragma once
// The services of a menu shown in a TQtMenuWindow that the platform carries out: the shell
// (processes through the actions layer, the eject through a hook the session sets), the message
// and input windows and the system message box, the window's picture on the clipboard or the
// printer (through the print module, loaded at the first print; without it nothing is printed),
// and hiding and showing the window. While RunAndWait waits, and while xdg-open has
// still to answer, the window is drawn as usual; RunAndWait holds back pointer and key input
// until the started process has ended.

#include <functional>

#include <QObject>
#include <QPointer>

#include "platform/menu_window_widget.h"
#include "window/menu_services.h"

class TKIVForm;

class TQtActionServices : public TShell, public TDialogs, public TWindowPictures, public TWindowShowing {
 public:
  // form is the menu shown in window; its macro values expand what RunAndWait starts.
  TQtActionServices(TQtMenuWindow& window, TKIVForm& form) : m_window(&window), m_form(form) {}

  // Hands the eject of the medium holding a folder over; empty: nothing is ejected.
  std::function<void(const std::string& folder)> ejectMediumOf;

  void ShellExecute(const TShellRequest& request, std::function<void(int)> done) override;
  void RunAndWait(const std::string& file, const std::string& parameters, bool maximised, bool wait) override;
  void EjectMediumOf(const std::string& folder) override;
  void ShowMessageWindow(TKIVForm& window, const std::string& text) override;
  void ShowMessageBox(const std::string& title, const std::string& text, TMessageBoxIcon icon) override;
  bool InputQuery(const std::string& title, const std::string& prompt, std::string& text, bool masked) override;
  void HideMenuWindow() override;
  void ShowMenuWindow() override;
  void CopyWindowToClipboard(bool clientOnly) override;
  void PrintWindowPicture(bool clientOnly) override;

  // The window's picture: the client area from the screen (or, where the screen cannot be read,
  // as the window paints it), or the whole window with its frame.
  QImage CaptureWindow(bool clientOnly) const;

 private:
  QPointer<TQtMenuWindow> m_window;
  TKIVForm& m_form;
  // Parent of the watchers of answers still to come: they, and the calls they would make, end
  // with the services.
  QObject m_pendingAnswers;
};

// Where a captured picture of width x height lands on a printed page: scaled from the screen's
// dots per inch to the printer's, shrunk (keeping its proportions) to the printable area (the
// page less twice the physical offsets), centred on the page.
struct TPrintPlacement {
  int32_t pageWidth, pageHeight;      // printer pixels
  int32_t offsetLeft, offsetTop;      // physical offsets of the printable area
  int32_t printerDpiX, printerDpiY;
  int32_t screenDpi;
};
QRect PlacePrintedPicture(int32_t width, int32_t height, const TPrintPlacement& page);
