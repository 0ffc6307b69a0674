#include "startup/menu_session.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <random>
#include <system_error>

#include "startup/menu_music.h"
#include "audio/music_player.h"
#include "graphics/font_resolver.h"
#include "graphics/picture_decoder.h"
#include "graphics/text_escape.h"
#include "startup/administrator.h"
#include "actions/launch.h"
#include "actions/macros.h"
#include "startup/main_window.h"
#include "startup/register_menu_classes.h"
#include "startup/sound_on_demand.h"
#include "window/thread_timer.h"

namespace fs = std::filesystem;

TStartupSystem RealStartupSystem() {
  TStartupSystem system;
  std::error_code ec;
  system.executablePath = fs::read_symlink("/proc/self/exe", ec).string();
  system.addFontFile = [](const std::string& path) { AddFontFile(path); };
  system.removeAddedFonts = [] { RemoveAddedFonts(); };
  system.isAdministrator = [] { return IsUserAdministrator(); };
  system.runAndWait = [](const std::string& file, const std::string& parameters, bool maximised, bool wait) {
    RunAndWait(file, parameters, maximised, wait);
  };
  system.lockFolder = LockFolder();
  system.registerClasses = RegisterMenuClasses;
  system.reportUnopenedDocument = [](const std::string& message) { std::cerr << "telvo: " << message << "\n"; };
  return system;
}

namespace {

// A picture the splash or end screen can show: it decodes and has an area.
bool ShowablePicture(const TPicture& picture) {
  if (picture.Empty()) return false;
  std::optional<TDecodedPicture> decoded = DecodePicture(*picture.Format(), picture.FileBytes());
  return decoded && decoded->bitmap.Width() > 0 && decoded->bitmap.Height() > 0;
}

std::string AdminRefusalText(const TKIVForm& form) {
  const std::string& text =
      form.AdminMsg().empty() ? std::string("You need the administrative privilege to launch this CD.") : form.AdminMsg();
  try {
    return UnescapeText(text);
  } catch (const ETextEscapeError&) {
    return text;  // a text that does not decode is shown as written
  }
}

}  // namespace

std::optional<TSplashRequest> SplashRequest(TKIVForm& form) {
  if (!form.ShowSplash() || form.SplashDelay() <= 0 || !ShowablePicture(*form.Splash())) return std::nullopt;
  return TSplashRequest{form.Splash(), form.ShapedShow(), form.SplashFade(), form.SplashSkipWithESC(),
                        form.SplashDelay()};
}

std::optional<TSplashRequest> EndScreenRequest(TKIVForm& form) {
  if (form.EndScreenSameAsSplash()) return SplashRequest(form);
  if (!form.ShowEndScreen() || form.EndScreenDelay() <= 0 || !ShowablePicture(*form.EndScreen())) return std::nullopt;
  return TSplashRequest{form.EndScreen(), form.EndScreenShaped(), form.EndScreenFade(), form.EndScreenSkipWithESC(),
                        form.EndScreenDelay()};
}

TMenuSession::TMenuSession(const TCommandLine& line, TStartupSystem system)
    : m_system(std::move(system)), m_startPage(line.startPage) {
  m_window = CreateMainWindow(m_application);
  const std::optional<TTrailer> trailer =
      line.documentPath.empty() ? ExecutableTrailer(m_system.executablePath) : std::nullopt;
  m_document = LocateDocument(line.documentPath, m_system.executablePath, trailer);
  // The document's folder is the medium's: %CDROM% and the FontData folder are found there.
  std::error_code absoluteError;
  const std::string documentFolder = fs::absolute(m_document.path, absoluteError).parent_path().string();
  // Fonts come before any control, so every control of the document finds them when it is built.
  m_fonts = EmbeddedFontFiles(documentFolder);
  if (m_system.addFontFile)
    for (const std::string& font : m_fonts) m_system.addFontFile(font);
  if (m_system.registerClasses)
    m_system.registerClasses(m_registry);
  else
    RegisterMenuClasses(m_registry);

  // Path macros are fixed before the document is read.
  const TMacroValues macroValues = SystemMacroValues(documentFolder);
  m_window->Context().macroValues = macroValues;
  if (m_document.appended && !m_document.containerOffset)
    m_load = {TLoadStatus::NoDocument, m_document.path + ": its trailer points outside the file"};
  else
    m_load = LoadMenuDocument(m_document.path, m_document.containerOffset, *m_window, m_registry, m_system.readOptions);
  if (m_load.status != TLoadStatus::Loaded) {
    // Whatever the read left behind goes: the menu is the complete built-in window.
    m_application.DestroyComponent(m_window);
    m_window = CreateMainWindow(m_application);
    m_window->Context().macroValues = macroValues;
    const bool named = !line.documentPath.empty();
    if (named && m_load.status == TLoadStatus::FileMissing && m_system.reportUnopenedDocument)
      m_system.reportUnopenedDocument(m_load.error);
    else if (m_system.explainFallback)
      m_system.explainFallback(m_load.error);
  }
  if (m_system.sound) PrepareMusic(*m_system.sound, *m_window);
}

TMenuSession::~TMenuSession() { Shutdown(); }

TMenuSession::TStartResult TMenuSession::Start(TWindowHost* host) {
  TfrmMain& window = *m_window;
  window.SetHost(host);
  if (window.HideTaskBar()) {
    window.SetBorderIcons(window.BorderIcons() & ~biMinimize);
    if (host) host->HideFromTaskbar();
  }
  if (window.AdminOnly() && !(m_system.isAdministrator && m_system.isAdministrator())) {
    if (host) host->ShowMessageBox(window.Caption(), AdminRefusalText(window), TMessageBoxIcon::Information);
    return TStartResult::Abort;
  }
  const auto& children = window.Controls();
  const bool holdsPlayer = std::any_of(children.begin(), children.end(),
                                       [](TControl* child) { return dynamic_cast<TKIVAudierePlayer*>(child); });
  if (holdsPlayer && Sound() && !AudioEngineLoads() && host)
    host->ShowMessageBox(window.Caption(), "Can not load audiere.dll, music player control may not work.",
                         TMessageBoxIcon::Warning);
  window.SetDesignMode(false);
  window.SetActivePage(ChooseStartPage(window.Pages()->Lines(), m_startPage, window.StartupPage()));
  if (window.WindowStyle() != TKIVWindowStyle::awsFullScreen)
    window.SetWindowPosition(CentredPosition(window.ScreenSize(), window.OuterSize()));
  if (m_system.sound) StartUpMusic(*m_system.sound, window);
  AttachThreadTimers(window, m_system.tickDispatcher.get());
  return TStartResult::Run;
}

bool TMenuSession::AudioEngineLoads() {
  auto* onDemand = dynamic_cast<TSoundOnDemand*>(Sound());
  return !onDemand || onDemand->Open();
}

void TMenuSession::ApplicationActivation(bool active) {
  if (m_system.sound) MusicOnActivation(*m_system.sound, *m_window, active);
}

void TMenuSession::Splash(const std::function<void(const TSplashRequest&)>& showSplash) {
  if (!showSplash) return;
  if (std::optional<TSplashRequest> request = SplashRequest(*m_window)) showSplash(*request);
}

TMenuSession::TStartResult TMenuSession::Launch() {
  TfrmMain& window = *m_window;
  if (window.LaunchApp().empty()) return TStartResult::Run;
  const TMacroValues& macros = window.Context().macroValues;
  if (m_system.runAndWait)
    m_system.runAndWait(ExpandMacros(window.LaunchApp(), macros), ExpandMacros(window.LaunchParam(), macros),
                        window.LaunchMax(), window.LaunchWait() && !window.LaunchOnly());
  return window.LaunchOnly() ? TStartResult::Abort : TStartResult::Run;
}

void TMenuSession::BeforeShow() {
  m_window->ApplyTopMost();
  m_window->ApplyHintSettings();
  StartMusicPlayers(Sound(), [this] { return AudioEngineLoads(); }, *m_window, m_system.musicPlayerDialogs,
                    m_system.verbose);
  std::random_device seed;
  std::mt19937 generator(seed());
  m_lock = TInstanceLock::Create(m_system.lockFolder, [&generator] { return static_cast<int32_t>(generator()); });
}

void TMenuSession::Shutdown(const std::function<void(const TSplashRequest&)>& showEndScreen) {
  if (m_shutDown) return;
  m_shutDown = true;
  if (m_system.removeAddedFonts && !m_fonts.empty()) m_system.removeAddedFonts();
  if (showEndScreen)
    if (std::optional<TSplashRequest> request = EndScreenRequest(*m_window)) showEndScreen(*request);
  m_lock.reset();
  m_window->SetHost(nullptr);
}
