#pragma once
// What the actions ask of the world outside the menu window's own logic: starting processes,
// the message and input windows, the clipboard and the printer, hiding the window, sounds and
// music, and the actions that other layers carry out (picture viewer, slide show, control
// commands). The session binds one implementation to each menu window; tests bind a recording
// one. Closing, minimising and page changes go through the window itself.

#include <functional>
#include <string>

#include "model/control.h"
#include "model/custom_data.h"
#include "model/menu_enums.h"
#include "window/window_host.h"

class TKIVForm;

// How a started window should show; a request the started program may not honour here.
enum class TShowMode : uint8_t { Normal, Maximized, Restored, Hidden };

// One open request as the documents' platform knows it: an empty verb is the file's default
// action, "open" and "explore" the named ones.
struct TShellRequest {
  std::string verb;
  std::string file;
  std::string parameters;
  std::string directory;
  TShowMode show = TShowMode::Normal;
};

// Result codes of an open request: above kShellSuccessAbove is success; the rest name the
// failure (file not found 2, path not found 3, access denied 5, out of memory 8, invalid
// executable 11, no association 31, ...).
inline constexpr int kShellSuccessAbove = 32;
inline constexpr int kShellSuccess = 42;

class TActionServices {
 public:
  virtual ~TActionServices() = default;

  // Opens request.file (already expanded) and hands how it went (see the result codes) to done:
  // at once when that is known at once, else later on the user-interface thread, which goes on
  // meanwhile (xdg-open takes a moment to answer). When the services go first, done is dropped;
  // services never outlive the menu window they serve.
  virtual void ShellExecute(const TShellRequest& request, std::function<void(int resultCode)> done) = 0;
  // Starts file with parameters (macros expanded inside) and, with wait, returns only when the
  // started process has ended. Reports nothing.
  virtual void RunAndWait(const std::string& file, const std::string& parameters, bool maximised, bool wait) = 0;
  // Hands the eject of the medium holding folder to the eject helper, which waits for the
  // player to end. Nothing happens when folder is not on an optical drive.
  virtual void EjectMediumOf(const std::string& folder) = 0;

  // The menu's own modal message window, owned by window, with text already decoded.
  virtual void ShowMessageWindow(TKIVForm& window, const std::string& text) = 0;
  // The platform's modal message box with one OK button.
  virtual void ShowMessageBox(const std::string& title, const std::string& text, TMessageBoxIcon icon) = 0;
  // The modal input window; true with the typed text in text when confirmed, false (text
  // unchanged) when cancelled.
  virtual bool InputQuery(const std::string& title, const std::string& prompt, std::string& text, bool masked) = 0;

  // Hides the menu window and shows it again (around the picture, slide-show and message actions).
  virtual void HideMenuWindow() = 0;
  virtual void ShowMenuWindow() = 0;
  // 200 ms later, the window's picture from the screen (client area only, or with its frame)
  // goes to the clipboard, or to a printer chosen in the printer dialog shown now.
  virtual void CopyWindowToClipboard(bool clientOnly) = 0;
  virtual void PrintWindowPicture(bool clientOnly) = 0;

  // Plays a control sound; with wait, returns when it has ended. An empty sound plays nothing.
  virtual void PlaySound(const TWaveData& sound, bool wait) = 0;
  virtual void ControlBGMusic(TKIVBGMusicControl control) = 0;

  // An error no window may show because it would come back with every paint (a caption whose
  // escape does not decode); the player writes it on stderr with --verbose. Ignored here.
  virtual void ReportPaintError(const std::string& text) { (void)text; }

  // The actions another layer carries out for the clicked action control.
  virtual void ShowPicture(TControl& clicked) = 0;
  virtual void RunSlideShow(TControl& clicked) = 0;
  virtual void RunControlCommand(TControl& clicked) = 0;
};

// Binds services to window (null unbinds); the binding must be removed before either goes.
void BindActionServices(const TKIVForm& window, TActionServices* services);
// The services of the menu window control lies on (control itself, or its parents), or null.
TActionServices* ActionServicesOf(const TControl& control);
// The menu window control lies on (control itself, or its parents), or null.
TKIVForm* MenuWindowOf(const TControl& control);
