#pragma once
// The player's command line: an optional document and "-p" with a page caption, in any order,
// plus the options of this player (--dump, --render, --render-splash, --first-frame, --verbose,
// --help, --version),
// which never change how the first two are read. Any other argument that begins with "-" is an
// unknown option; after "--" every argument is a document name.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// --render-splash MS OUT.png: the start-up splash as it looks MS milliseconds after it opened.
struct TSplashRenderRequest {
  int64_t elapsedMs = 0;
  std::string path;
};

struct TCommandLine {
  std::string documentPath;  // the last argument that is not an option; empty when none
  std::string startPage;     // the argument after "-p"; a trailing "-p" is ignored
  bool dump = false;
  bool verbose = false;
  bool firstFrame = false;  // close the menu once its window has painted the first time
  bool help = false;
  bool version = false;
  std::optional<std::string> renderPath;
  std::optional<TSplashRenderRequest> renderSplash;
  std::string error;  // the first unknown or malformed option; the player then shows its usage
};

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments);
