#pragma once
// The components of the menu's controls: the text box's editor, and each viewer's (the PDF
// viewer, the media player and the web browser) from its module, which is loaded only when the
// window holds such a control, so a menu without viewers never loads their libraries. A viewer
// whose module is not installed (or, for the web browser, was not prepared before the
// application object: see TWebEngineStart) keeps its not-installed label. User-interface thread
// only; needs the widget application.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

class QWidget;
class TKIVForm;

// Attaches a component, inside window (the menu window's widget, or a hidden stand-in for an
// off-screen render), to every viewer control of form, and frees them all again when it goes,
// before window does. report (may be empty) is told, once per module, why a module is not
// installed. For a picture of the window (still), media players load but never play.
class TAttachedComponents {
 public:
  enum class TUse : uint8_t { Play, Still };
  TAttachedComponents(TKIVForm& form, QWidget* window, const std::string& moduleFolder,
                   const std::function<void(const std::string&)>& report, TUse use);
  ~TAttachedComponents();
  TAttachedComponents(const TAttachedComponents&) = delete;
  TAttachedComponents& operator=(const TAttachedComponents&) = delete;

 private:
  TKIVForm& m_form;
};

// The menu window is shown for the first time: every viewer loads its file again (FirstShow).
void ShowComponentsFirstTime(TKIVForm& form);

// Before a picture of the window: every component gets ready to be drawn, until deadline at most.
void SettleComponents(TKIVForm& form, std::chrono::steady_clock::time_point deadline);
