#include "startup/command_line.h"

#include <charconv>

namespace {

// A number in decimal digits only (no sign), within T.
template <typename T>
std::optional<T> Decimal(const std::string& text) {
  T value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text[0] == '-' || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int64_t> Milliseconds(const std::string& text) { return Decimal<int64_t>(text); }

// The latest moment a picture is taken of: ten minutes of the menu's life.
constexpr int64_t kMaxRenderMomentMs = 600000;

// The largest --scale.
constexpr int32_t kMaxScale = 4;

// A whole number from low to high.
std::optional<int32_t> NumberWithin(const std::string& text, int32_t low, int32_t high) {
  const std::optional<int32_t> value = Decimal<int32_t>(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

}  // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  TCommandLine line;
  bool optionsEnded = false;
  std::optional<int32_t> step;
  std::optional<int64_t> at;
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
    } else if (arg == "--transition") {
      const auto argument = [&](size_t n) { return i + n < arguments.size() ? arguments[i + n] : std::string(); };
      const std::optional<int32_t> style = NumberWithin(argument(1), 1, 150);
      const std::optional<int32_t> progress = NumberWithin(argument(2), 0, 100);
      if (style && progress && i + 5 < arguments.size()) {
        line.transition = TTransitionRenderRequest{*style, *progress, argument(3), argument(4), argument(5)};
        i += 5;
      } else if (line.error.empty()) {
        line.error = "--transition needs a style (1 to 150), a progress (0 to 100) and three file names";
      }
    } else if (arg == "--at") {
      at = i + 1 < arguments.size() ? Milliseconds(arguments[++i]) : std::nullopt;
      if (at && (*at < 0 || *at > kMaxRenderMomentMs)) at.reset();
      if (!at && line.error.empty()) line.error = "--at needs a time in milliseconds (0 to 600000)";
    } else if (arg == "--scale") {
      line.scale = i + 1 < arguments.size() ? NumberWithin(arguments[++i], 1, kMaxScale) : std::nullopt;
      if (!line.scale && line.error.empty()) line.error = "--scale needs a number from 1 to 4";
    } else if (arg == "--step") {
      step = i + 1 < arguments.size() ? NumberWithin(arguments[++i], 1, 100) : std::nullopt;
      if (!step && line.error.empty()) line.error = "--step needs a number from 1 to 100";
    } else if (line.error.empty()) {
      line.error = "unknown option " + arg;
    }
  }
  if (at) {
    if (line.renderPath)
      line.renderAtMs = *at;
    else if (line.error.empty())
      line.error = "--at belongs to --render";
  }
  if (line.scale && line.transition && line.error.empty()) line.error = "--scale does not belong to --transition";
  if (step) {
    if (line.transition)
      line.transition->step = *step;
    else if (line.error.empty())
      line.error = "--step belongs to --transition";
  }
  return line;
}
