#include "startup/command_line.h"

#include <charconv>

namespace {

// A time in milliseconds: decimal digits only, within int64_t.
std::optional<int64_t> Milliseconds(const std::string& text) {
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text[0] == '-' || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  TCommandLine line;
  bool optionsEnded = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
      line.documentPath = arg;
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-p") {
      if (i + 1 < arguments.size()) line.startPage = arguments[++i];
    } else if (arg == "--dump") {
      line.dump = true;
    } else if (arg == "--first-frame") {
      line.firstFrame = true;
    } else if (arg == "--verbose") {
      line.verbose = true;
    } else if (arg == "--help" || arg == "-h") {
      line.help = true;
    } else if (arg == "--version") {
      line.version = true;
    } else if (arg == "--render") {
      if (i + 1 < arguments.size())
        line.renderPath = arguments[++i];
      else if (line.error.empty())
        line.error = "--render needs a file name";
    } else if (arg == "--render-splash") {
      const std::optional<int64_t> ms = i + 1 < arguments.size() ? Milliseconds(arguments[i + 1]) : std::nullopt;
      if (ms && i + 2 < arguments.size()) {
        line.renderSplash = TSplashRenderRequest{*ms, arguments[i + 2]};
        i += 2;
      } else if (line.error.empty()) {
        line.error = "--render-splash needs a time in milliseconds and a file name";
      }
    } else if (line.error.empty()) {
      line.error = "unknown option " + arg;
    }
  }
  return line;
}
