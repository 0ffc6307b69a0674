#include "startup/play.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "actions/eject.h"
#include "modules/module_loader.h"
#include "startup/menu_music.h"
#include "controls/action_control.h"
#include "platform/display_scale.h"
#include "platform/menu_window_binding.h"
#include "platform/music_player_dialogs.h"
#include "platform/menu_window_widget.h"
#include "platform/qt_action_services.h"
#include "platform/qt_platform_choice.h"
#include "platform/screen_capture.h"
#include "startup/menu_session.h"
#include "startup/menu_components.h"
#include "startup/web_engine_start.h"
#include "startup/picture_screens.h"
#include "startup/sound_on_demand.h"
#include "window/pointer_dispatch.h"
#include "window/qt_tick_dispatcher.h"
#include "window/qt_timer_source.h"

namespace {

// Termination signals reach the event loop through a pipe: the handler only writes a byte.
int g_signalPipe[2] = {-1, -1};

void OnTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] ssize_t written = write(g_signalPipe[1], &byte, 1);
}

// Hands the errors of painting to report (--verbose).
class TReportedDiagnostics : public TDiagnostics {
 public:
  explicit TReportedDiagnostics(std::function<void(const std::string&)> report) : m_report(std::move(report)) {}
  void ReportPaintError(const std::string& text) override { m_report(text); }

 private:
  std::function<void(const std::string&)> m_report;
};

// Quits application when a termination signal arrives, for as long as it lives, and counts the
// signals, so the splash, the end screen and the picture viewer (whose waits a quit does not end)
// and the start before the event loop runs (where a quit would be lost) can tell.
class TTerminationSignals {
 public:
  explicit TTerminationSignals(QApplication& application) {
    if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_notifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, &application, [this, &application] {
      char byte;
      while (read(g_signalPipe[0], &byte, 1) > 0) ++m_received;
      application.quit();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
      // A signal ignored when the player started stays ignored: nohup ignores SIGHUP, and a
      // shell ignores SIGINT for the jobs a script starts in the background.
      struct sigaction inherited {};
      if (sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN) continue;
      sigaction(signal, &action, nullptr);
      m_caught.push_back(signal);
    }
  }
  ~TTerminationSignals() {
    if (!m_notifier) return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    for (int signal : m_caught) sigaction(signal, &action, nullptr);
    m_notifier.reset();
    close(g_signalPipe[0]);
    close(g_signalPipe[1]);
  }

  // The signals handled so far (by the event loop, a nested wait's included).
  uint64_t Received() const { return m_received; }
  // True once a signal arrives after this call.
  std::function<bool()> ArrivesFromNow() const {
    return [this, before = m_received] { return m_received != before; };
  }

 private:
  uint64_t m_received = 0;
  std::unique_ptr<QSocketNotifier> m_notifier;
  std::vector<int> m_caught;
};

}  // namespace

int RunPlayCommand(const TCommandLine& line) {
  ChooseQtPlatform();
  // Without any display Qt would abort; say what is missing instead.
  auto isSet = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
    std::cerr << "telvo: no display to show the menu on (DISPLAY is not set); "
                 "--render OUT.png paints the start page without one\n";
    return 1;
  }
  std::optional<TX11Connection> x11;
  if (std::optional<std::string> display = X11DisplayFor(CurrentPlatformEnvironment())) {
    x11.emplace(*display);
    if (!x11->Answers()) {
      std::cerr << "telvo: cannot open the display " << *display << "; "
                   "--render OUT.png paints the start page without one\n";
      return 1;
    }
  }
  // With --verbose, what the player tells about itself goes to stderr, one line each.
  std::function<void(const std::string&)> verbose;
  if (line.verbose) verbose = [](const std::string& text) { std::cerr << "telvo: " << text << "\n"; };
  TStartupSystem system = RealStartupSystem();
  // The web engine's settings come before the application object.
  const std::unique_ptr<TWebEngineStart> webEngine =
      TWebEngineStart::Prepare(line, system.executablePath, ModuleFolder(), verbose);
  int argc = 1;
  char name[] = "telvo";
  char* argv[] = {name, nullptr};
  std::optional<TDisplayScaleSetup> scaleSetup(std::in_place, line.scale);
  QApplication application(argc, argv);
  scaleSetup.reset();
  x11.reset();  // Qt has its own connection now
  QApplication::setApplicationName("Telvo");
  TTerminationSignals terminationSignals(application);

  auto sound = std::make_shared<TSoundOnDemand>(ModuleFolder(), verbose);
  system.sound = sound;
  const std::shared_ptr<TTickDispatcher> tickDispatcher = std::make_shared<TQtTickDispatcher>();
  system.tickDispatcher = tickDispatcher;
  TQtMusicPlayerDialogs musicPlayerDialogs;
  system.musicPlayerDialogs = &musicPlayerDialogs;
  system.verbose = verbose;
  if (line.verbose) {
    system.explainFallback = [](const std::string& reason) {
      std::cerr << "telvo: " << reason << "; playing the built-in window\n";
    };
    system.readOptions.onUnknownProperty = [](std::string_view owner, std::string_view path) {
      std::cerr << "telvo: skipped unknown property " << owner << "." << path << "\n";
    };
  }
  TMenuSession session(line, std::move(system));
  TfrmMain& form = session.Window();
  TQtMenuWindow window;
  const TAttachedComponents components(form, &window, ModuleFolder(), verbose, TAttachedComponents::TUse::Play);
  TPointerDispatcher dispatcher(form);
  TMenuWindowHandlers handlers = MenuWindowHandlers(window, form, dispatcher, verbose);
  handlers.closed = [&application] { application.quit(); };
  handlers.dialogChar = [&form](char32_t character, TShiftState shift) {
    return DispatchDialogChar(form, character, shift);
  };
  if (line.firstFrame) {
    handlers.paint = [paint = std::move(handlers.paint), &application](const TBitmapView& surface, const TRect& area) {
      paint(surface, area);
      application.quit();
    };
  } else if (MenuMakesSound(form)) {
    // A menu with sounds loads the audio module once its first frame is on screen, so that its
    // first sound does not wait for the module and the device.
    handlers.paint = [paint = std::move(handlers.paint), sound, &application, shown = false](
                         const TBitmapView& surface, const TRect& area) mutable {
      paint(surface, area);
      if (!std::exchange(shown, true)) QTimer::singleShot(0, &application, [sound] { sound->Open(); });
    };
  }
  window.SetHandlers(std::move(handlers));

  TQtActionServices actions(window, form);
  // The splash, the end screen and the picture viewer: each window ends early at a termination
  // signal that arrives while it shows.
  auto pictureServices = [&] {
    TPictureWindowServices services;
    services.dispatcher = tickDispatcher.get();
    services.compositor = CompositorRuns();
    services.menu = &window;
    services.report = verbose;
    services.interrupted = terminationSignals.ArrivesFromNow();
    return services;
  };
  auto showScreen = [&](const TSplashRequest& request) { ShowSplashScreen(request, pictureServices()); };
  TDelegatedMenuActions pictureActions([&](TControl& clicked) { ShowPictureOf(clicked, window, pictureServices()); },
                                 [&](TControl& clicked) { RunSlideShowOf(clicked, window, pictureServices()); });
  actions.ejectMediumOf = [&session](const std::string& folder) {
    EjectMediumOf(folder, session.Lock() ? session.Lock()->Path() : std::string());
  };
  std::optional<TMenuSounds> sounds;
  if (TSoundSystem* sound = session.Sound()) sounds.emplace(*sound, form);
  TReportedDiagnostics diagnostics(verbose);
  TQtTimerSource timers;
  // Bound for as long as the window plays; unbound before the window and the services go.
  const TServicesBinding binding(form.Context(), {.shell = &actions,
                                                  .dialogs = &actions,
                                                  .pictures = &actions,
                                                  .sounds = sounds ? &*sounds : nullptr,
                                                  .showing = &actions,
                                                  .delegated = &pictureActions,
                                                  .diagnostics = line.verbose ? &diagnostics : nullptr,
                                                  .timers = &timers});

  // An ended start shows nothing; the session's end removes the fonts.
  if (session.Start(&window) == TMenuSession::TStartResult::Abort) return 0;
  QObject::connect(&application, &QGuiApplication::applicationStateChanged, &application,
                   [&session](Qt::ApplicationState state) { session.ApplicationActivation(state == Qt::ApplicationActive); });
  session.Splash(showScreen);
  // A signal handled before the event loop runs (during the splash) ends the player here: its
  // quit would be lost on a loop that has not started. As when the menu closes, the shutdown
  // still shows the end screen, which a further signal ends.
  if (terminationSignals.Received() == 0 && session.Launch() == TMenuSession::TStartResult::Abort) return 0;
  int code = 0;
  if (terminationSignals.Received() == 0) {
    session.BeforeShow();
    window.show();
    ShowComponentsFirstTime(form);
    code = application.exec();
  }
  window.hide();
  session.Shutdown(showScreen);
  return code;
}
