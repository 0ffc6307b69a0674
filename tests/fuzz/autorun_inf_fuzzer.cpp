// Fuzz target of autorun.inf files: any bytes are read as one; a refused file names no command,
// every program named is a name (not empty, no NUL), and every command's arguments are read by
// the player's rule into words they hold.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "startup/autorun_inf.h"

namespace {

bool HoldsNul(const std::string& text) { return text.find('\0') != std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TAutorunInf inf = ParseAutorunInf({data, size});
  if (inf.status != TAutorunInfStatus::Read && !inf.commands.empty()) std::abort();
  for (const TAutorunCommand& command : inf.commands) {
    if (command.program.empty() || HoldsNul(command.program)) std::abort();
    if (std::any_of(command.arguments.begin(), command.arguments.end(), HoldsNul)) std::abort();
    const TPlayerArguments read = ReadPlayerArguments(command.arguments);
    const auto given = [&](const std::string& word) {
      return word.empty() || std::find(command.arguments.begin(), command.arguments.end(), word) != command.arguments.end();
    };
    if (!given(read.document) || !given(read.startPage) || read.document.starts_with('-')) std::abort();
  }
  // The splitter on its own, over the whole input as one command line.
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const std::string& word : SplitCommandArguments(text))
    if (word.size() > size) std::abort();
  return 0;
}
