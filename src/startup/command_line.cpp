#include "startup/command_line.h"

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
    } else if (line.error.empty()) {
      line.error = "unknown option " + arg;
    }
  }
  return line;
}
