#pragma once
// The player's command line: an optional document and "-p" with a page caption, in any order,
// plus the options of this player (--dump, --render, --render-splash, --transition with --step,
// --first-frame, --scale, --verbose, --help, --version),
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

// --transition STYLE PROGRESS OLD.png NEW.png OUT.png [--step N]: one frame of a transition.
// STYLE is 1 to 150, PROGRESS 0 to 100, N 1 to 100 (4 when not given).
struct TTransitionRenderRequest {
  int32_t style = 0;
  int32_t progress = 0;
  std::string oldPath;
  std::string newPath;
  std::string outPath;
  int32_t step = 4;
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
  // With --render: the moment, in milliseconds after the window was first shown, whose picture
  // is wanted (--at MS; 0 without it).
  int64_t renderAtMs = 0;
  std::optional<TSplashRenderRequest> renderSplash;
  std::optional<TTransitionRenderRequest> transition;
  // --scale N (1 to 4): the windows, or the pictures of --render and --render-splash, N times as
  // large, each pixel an N x N block; without it windows follow the screen and pictures are
  // written as painted. A transition's frame keeps its pictures' size.
  std::optional<int32_t> scale;
  std::string error;  // the first unknown or malformed option; the player then shows its usage
};

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments);
