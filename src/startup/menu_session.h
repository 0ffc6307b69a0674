#pragma once
// The player's start and shutdown, in the fixed order the menu relies on: fonts before any
// control exists, the document (or the fallback window), the administrator test, the switch
// into run mode, the start page, centring, the launch program, the instance lock; and at the
// end fonts removed, end screen, lock released. The windowing system is reached only through
// the window host handed to Start; the rest of the machine through TStartupSystem, which tests
// replace.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/class_registry.h"
#include "audio/music_player_dialogs.h"
#include "audio/sound_system.h"
#include "model/component.h"
#include "startup/command_line.h"
#include "startup/document_loader.h"
#include "startup/instance_lock.h"
#include "startup/startup_decisions.h"
#include "window/menu_form.h"
#include "window/tick_dispatcher.h"

struct TStartupSystem {
  // The running program, whose appended container and sibling ".kiv" count.
  std::string executablePath;
  // Adds the fonts of a file for the run (the text layer's AddFontFile); removes them all.
  std::function<void(const std::string& path)> addFontFile;
  std::function<void()> removeAddedFonts;
  std::function<bool()> isAdministrator;
  // RunAndWait: file, parameters (their path macros expanded), maximised, wait.
  std::function<void(const std::string&, const std::string&, bool, bool)> runAndWait;
  // Where the instance lock lives.
  std::string lockFolder;
  // Told why a document was not played (--verbose); may be empty.
  std::function<void(const std::string&)> explainFallback;
  // Told, in one line, that the document named on the command line cannot be opened (the
  // built-in window plays instead); may be empty.
  std::function<void(const std::string&)> reportUnopenedDocument;
  TReadOptions readOptions;
  // Registers the classes a document may hold (RegisterMenuClasses; tests add their own).
  std::function<void(TClassRegistry&)> registerClasses;
  // The run's sound output; null plays no music at all.
  std::shared_ptr<TSoundSystem> sound;
  // The music players' skin menus and open-file dialogs; null offers neither.
  TMusicPlayerDialogs* musicPlayerDialogs = nullptr;
  // Hears what --verbose reports (the stored skins' messages); may be empty.
  std::function<void(const std::string&)> verbose;
  // Where the thread timers of the document hand their ticks (the user-interface thread's event
  // loop); null: they never tick.
  std::shared_ptr<TTickDispatcher> tickDispatcher;
};

// The machine as it is: /proc/self/exe, the font resolver, the process's groups, fork and exec,
// the runtime folder, an unopened document reported on stderr.
TStartupSystem RealStartupSystem();

// A splash or end screen to show: which picture and how.
struct TSplashRequest {
  const TPicture* picture = nullptr;
  bool shaped = false;
  bool fade = false;
  bool skipWithEsc = false;
  int32_t delaySeconds = 0;
};
// The splash of a window: ShowSplash with a non-empty Splash picture and a delay.
std::optional<TSplashRequest> SplashRequest(TKIVForm& form);
// The end screen: the splash's settings with EndScreenSameAsSplash (and then only when the
// splash would show), else ShowEndScreen with a non-empty EndScreen picture.
std::optional<TSplashRequest> EndScreenRequest(TKIVForm& form);

class TMenuSession {
 public:
  // Creates the built-in window, finds the document, adds the fonts of the FontData folder
  // beside it, sets the path macros of the document's folder into the window's context and
  // reads the document into the window. A document that is missing, holds no menu or fails to
  // load leaves the complete built-in window (a failed read's window is thrown away whole).
  // Whoever plays the menu binds its services into Window().Context() (see TServicesBinding).
  TMenuSession(const TCommandLine& line, TStartupSystem system);
  // Runs Shutdown if it has not run.
  ~TMenuSession();
  TMenuSession(const TMenuSession&) = delete;
  TMenuSession& operator=(const TMenuSession&) = delete;

  TfrmMain& Window() { return *m_window; }
  const TLoadResult& Load() const { return m_load; }
  const TDocumentLocation& Document() const { return m_document; }
  const std::vector<std::string>& Fonts() const { return m_fonts; }
  const std::optional<TInstanceLock>& Lock() const { return m_lock; }

  enum class TStartResult { Run, Abort };

  // Attaches host (may be null: nothing is shown), then: HideTaskBar, the AdminOnly refusal
  // (message box through the host, then Abort), the warning that a music player on the window
  // will stay silent (the run has sound, but its audio module does not load), run mode, the start page (the "-p" caption,
  // else StartupPage), centring unless full screen, the music with AutoPlayMusic, the
  // document's thread timers ticking.
  TStartResult Start(TWindowHost* host);
  // The application became active or stopped being active (another program activated, or the
  // menu minimised): with AutoMusic the music starts again from its beginning, or stops.
  void ApplicationActivation(bool active);
  // The run's sound output (null when the system gave none).
  TSoundSystem* Sound() const { return m_system.sound.get(); }
  // The splash: showSplash is called with the request when there is one (not yet shown here).
  void Splash(const std::function<void(const TSplashRequest&)>& showSplash);
  // LaunchApp with LaunchParam (both expanded with the window's macro values), maximised with
  // LaunchMax, waiting with LaunchWait unless LaunchOnly; then Abort with LaunchOnly. An empty
  // LaunchApp does nothing and never aborts.
  TStartResult Launch();
  // TopMost, hint settings, the music players' sound and play lists, the instance lock: the last
  // steps before the window shows.
  void BeforeShow();
  // Once: fonts removed, the end screen (showEndScreen, when there is one), lock released.
  void Shutdown(const std::function<void(const TSplashRequest&)>& showEndScreen = {});

 private:
  // Whether the run's sound loads its audio module (loading it now if it was not).
  bool AudioEngineLoads();

  TStartupSystem m_system;
  std::string m_startPage;
  TClassRegistry m_registry;
  TComponent m_application;  // owns the window
  TfrmMain* m_window = nullptr;
  TDocumentLocation m_document;
  TLoadResult m_load;
  std::vector<std::string> m_fonts;
  std::optional<TInstanceLock> m_lock;
  bool m_shutDown = false;
};
