#pragma once
// What a menu with a web browser needs before the application object exists: the web module
// loaded and the process prepared for its engine (the kiv scheme, shared OpenGL contexts, the
// sandbox, and a fontconfig configuration through which the engine's renderer processes see the
// stand-in fonts and the document's own). Menus without a web browser never load the module.

#include <functional>
#include <memory>
#include <string>

#include "startup/command_line.h"

class TWebEngineStart {
 public:
  // Looks into the document the command line names (as the session finds it, from
  // executablePath when none is named) before it is read; when it may hold a web browser, loads
  // the web module from moduleFolder and prepares the process. Null when the document holds
  // none or the module is not installed. report (may be empty) is told later that a page from
  // the network shows without the sandbox.
  static std::unique_ptr<TWebEngineStart> Prepare(const TCommandLine& line, const std::string& executablePath,
                                                  const std::string& moduleFolder,
                                                  const std::function<void(const std::string&)>& report);
  // Removes the fontconfig configuration.
  ~TWebEngineStart();
  TWebEngineStart(const TWebEngineStart&) = delete;
  TWebEngineStart& operator=(const TWebEngineStart&) = delete;

 private:
  explicit TWebEngineStart(std::string fontConfigPath) : m_fontConfigPath(std::move(fontConfigPath)) {}
  std::string m_fontConfigPath;
};
