#include "startup/web_engine_start.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "graphics/font_resolver.h"
#include "modules/module_loader.h"
#include "startup/document_loader.h"
#include "startup/startup_decisions.h"
#include "viewers/web_component.h"

namespace fs = std::filesystem;

namespace {

// Writes text to a new private file in the user's runtime folder (else the temporary folder);
// its path, or empty when it cannot be written.
std::string WritePrivateFile(const std::string& text) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::error_code error;
  const fs::path folder = runtime && *runtime ? fs::path(runtime) : fs::temp_directory_path(error);
  if (error) return {};
  std::string path = (folder / "telvo-fonts-XXXXXX.conf").string();
  const int fd = mkstemps(path.data(), 5);
  if (fd < 0) return {};
  const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  close(fd);
  if (!written) {
    unlink(path.c_str());
    return {};
  }
  return path;
}

}  // namespace

std::unique_ptr<TWebEngineStart> TWebEngineStart::Prepare(const TCommandLine& line, const std::string& executablePath,
                                                          const std::string& moduleFolder,
                                                          const std::function<void(const std::string&)>& report) {
  const std::optional<TTrailer> trailer =
      line.documentPath.empty() ? ExecutableTrailer(executablePath) : std::nullopt;
  const TDocumentLocation document = LocateDocument(line.documentPath, executablePath, trailer);
  if (document.appended && !document.containerOffset) return nullptr;
  if (!DocumentMentions(document.path, document.containerOffset, "TKIVWebBrowser")) return nullptr;

  std::string notInstalled;
  const TWebComponent::TFactory* factory = LoadModuleInterface<TWebComponent>(moduleFolder, notInstalled);
  // A module that does not load is told of when the browser is given its component.
  if (!factory) return nullptr;
  std::error_code error;
  const std::string documentFolder = fs::absolute(document.path, error).parent_path().string();
  TWebComponent::TProcessSetup setup;
  setup.fontConfigFile = WritePrivateFile(StandInFontConfig(EmbeddedFontFiles(documentFolder)));
  // Chromium's sandbox cannot run as root.
  setup.sandbox = geteuid() != 0;
  if (!setup.sandbox && report)
    setup.report = [report](const std::string& text) { report(text); };
  factory->prepareProcess(setup);
  return std::unique_ptr<TWebEngineStart>(new TWebEngineStart(setup.fontConfigFile));
}

TWebEngineStart::~TWebEngineStart() {
  if (!m_fontConfigPath.empty()) unlink(m_fontConfigPath.c_str());
}
