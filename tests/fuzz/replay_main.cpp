// Replays inputs through a fuzz target without libFuzzer, so the ordinary test build proves the
// target builds and its seeds run clean. Arguments are files or folders (searched recursively);
// every regular file is one input. Exits non-zero when no input was found, so a missing corpus
// does not pass silently.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/process_end.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CollectInputs(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    fs::path arg(argv[i]);
    if (fs::is_directory(arg)) {
      std::vector<fs::path> found;
      for (const auto& entry : fs::recursive_directory_iterator(arg))
        if (entry.is_regular_file()) found.push_back(entry.path());
      std::sort(found.begin(), found.end());
      inputs.insert(inputs.end(), found.begin(), found.end());
    } else if (fs::is_regular_file(arg)) {
      inputs.push_back(arg);
    } else {
      std::fprintf(stderr, "replay: no such file or folder: %s\n", argv[i]);
    }
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> inputs = CollectInputs(argc, argv);
  if (inputs.empty()) {
    std::fprintf(stderr, "replay: no inputs\n");
    return 1;
  }
  for (const fs::path& path : inputs) {
    // Named first, so a crash can be traced to its input.
    std::fprintf(stderr, "replay: %s\n", path.string().c_str());
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "replay: cannot read %s\n", path.string().c_str());
      return 1;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  telvo_test::RunProcessEndActions();
  std::fprintf(stderr, "replay: %zu inputs ran clean\n", inputs.size());
  return 0;
}
