#pragma once
// What a menu asks of the world outside its window's own logic, as small interfaces of one
// concern each: the shell, the dialogs, pictures of the window, sounds, hiding and showing the
// window, the actions other layers carry out, and a diagnostics report. The session binds the
// platform's implementations into the menu's context (see TMenuContext); tests bind recording
// ones. An unbound service is null, and what would need it does not happen. Closing, minimising
// and page changes go through the window itself. Every call comes on the user-interface thread.

#include <cstdint>
#include <functional>
#include <string>

#include "model/control.h"
#include "model/custom_data.h"
#include "model/menu_enums.h"
#include "window/control_timer.h"
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

// Starting programs, documents and addresses, and the eject of the medium.
class TShell {
 public:
  virtual ~TShell() = default;
  // Opens request.file (already expanded) and hands how it went (see the result codes) to done:
  // at once when that is known at once, else later on the user-interface thread, which goes on
  // meanwhile (xdg-open takes a moment to answer). When the shell goes first, done is dropped;
  // a shell never outlives the menu window it serves.
  virtual void ShellExecute(const TShellRequest& request, std::function<void(int resultCode)> done) = 0;
  // Starts file with parameters (the path macros of the menu expanded inside) and, with wait,
  // returns only when the started process has ended. Reports nothing.
  virtual void RunAndWait(const std::string& file, const std::string& parameters, bool maximised, bool wait) = 0;
  // Hands the eject of the medium holding folder to the eject helper, which waits for the
  // player to end. Nothing happens when folder is not on an optical drive.
  virtual void EjectMediumOf(const std::string& folder) = 0;
};

// The modal windows an action shows.
class TDialogs {
 public:
  virtual ~TDialogs() = default;
  // The menu's own message window, owned by window, with text already decoded.
  virtual void ShowMessageWindow(TKIVForm& window, const std::string& text) = 0;
  // The platform's message box with one OK button.
  virtual void ShowMessageBox(const std::string& title, const std::string& text, TMessageBoxIcon icon) = 0;
  // The input window; true with the typed text in text when confirmed, false (text unchanged)
  // when cancelled.
  virtual bool InputQuery(const std::string& title, const std::string& prompt, std::string& text, bool masked) = 0;
};

// The window's picture from the screen, 200 ms later (client area only, or with its frame).
class TWindowPictures {
 public:
  virtual ~TWindowPictures() = default;
  // The picture goes to the clipboard.
  virtual void CopyWindowToClipboard(bool clientOnly) = 0;
  // The picture goes to a printer chosen in the printer dialog shown now.
  virtual void PrintWindowPicture(bool clientOnly) = 0;
};

// The control sounds and the background music of a click.
class TSounds {
 public:
  virtual ~TSounds() = default;
  // Plays a control sound, cutting off the one before; with wait, returns when it has ended.
  // An empty sound plays nothing.
  virtual void PlaySound(const TWaveData& sound, bool wait) = 0;
  // A click's music command.
  virtual void ControlBGMusic(TKIVBGMusicControl control) = 0;
};

// Hiding the menu window and showing it again (around the picture, slide-show and message
// actions).
class TWindowShowing {
 public:
  virtual ~TWindowShowing() = default;
  virtual void HideMenuWindow() = 0;
  virtual void ShowMenuWindow() = 0;
};

// The actions another layer carries out for the clicked action control.
class TDelegatedActions {
 public:
  virtual ~TDelegatedActions() = default;
  virtual void ShowPicture(TControl& clicked) = 0;
  virtual void RunSlideShow(TControl& clicked) = 0;
  virtual void RunControlCommand(TControl& clicked) = 0;
};

// Errors no window may show.
class TDiagnostics {
 public:
  virtual ~TDiagnostics() = default;
  // An error that would come back with every paint (a caption whose escape does not decode);
  // the player writes it on stderr with --verbose.
  virtual void ReportPaintError(const std::string& text) = 0;
};

// The services bound to one menu; each may be null. The implementations are owned by whoever
// binds them and must stay until they are unbound.
struct TMenuServices {
  TShell* shell = nullptr;
  TDialogs* dialogs = nullptr;
  TWindowPictures* pictures = nullptr;
  TSounds* sounds = nullptr;
  TWindowShowing* showing = nullptr;
  TDelegatedActions* delegated = nullptr;
  TDiagnostics* diagnostics = nullptr;
  // The living controls' timers; without it they stand still (a picture of the first moment).
  TTimerSource* timers = nullptr;
};
