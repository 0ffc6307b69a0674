// telvo-convert: compiles the text form of a menu document into a document container (or appends
// it to an executable), and prints a container's component stream back as text.

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/read_error.h"
#include "document/container.h"
#include "document/text_form.h"

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  telvo-convert [--uncompressed] [--block] [--client-size WxH]\n"
    "                [--append EXE [--tag NEW-SAFLAG|STANDALONE]] INPUT.txt OUTPUT\n"
    "  telvo-convert --to-text INPUT OUTPUT.txt\n"
    "  telvo-convert --help\n"
    "\n"
    "The first form compiles the text form of a menu document into a document container,\n"
    "zlib-compressed unless --uncompressed is given. --block writes the 16-byte builder block,\n"
    "--client-size stores the window's client size (0 leaves a half unset). With --append the\n"
    "container is appended to a copy of EXE with a trailer of the given tag (NEW-SAFLAG when\n"
    "omitted), and a client-size word is always written.\n"
    "\n"
    "The second form prints the component stream of a container file, of an executable that\n"
    "carries one, or of a bare component stream, in the text form.\n"
    "\n"
    "INPUT or OUTPUT may be '-' for standard input or output.\n";

struct TUsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct TOptions {
  bool toText = false;
  TContainerOptions container;
  std::optional<std::string> appendTo;
  std::optional<std::string> tag;
  std::vector<std::string> files;
};

std::vector<uint8_t> ReadFile(const std::string& path) {
  if (path == "-") return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path + ": " + std::strerror(errno));
  std::vector<uint8_t> data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw std::runtime_error("cannot read " + path);
  return data;
}

void WriteFile(const std::string& path, std::span<const uint8_t> data) {
  if (path == "-") {
    std::cout.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    std::cout.flush();
    if (!std::cout) throw std::runtime_error("cannot write to standard output");
    return;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot create " + path + ": " + std::strerror(errno));
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path);
}

uint16_t ParseSizeHalf(std::string_view text, std::string_view whole) {
  unsigned value = 0;
  if (text.empty() || text.size() > 5) throw TUsageError("bad --client-size " + std::string(whole));
  for (char c : text) {
    if (c < '0' || c > '9') throw TUsageError("bad --client-size " + std::string(whole));
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value > 0xFFFF) throw TUsageError("--client-size halves must be at most 65535");
  return static_cast<uint16_t>(value);
}

TClientSize ParseClientSize(std::string_view text) {
  size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) throw TUsageError("--client-size expects WxH, e.g. 640x480");
  return {ParseSizeHalf(text.substr(0, x), text), ParseSizeHalf(text.substr(x + 1), text)};
}

TOptions ParseArguments(int argc, char** argv) {
  TOptions options;
  bool framingGiven = false;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw TUsageError(std::string(arg) + " needs a value");
      return argv[++i];
    };
    if (arg == "--to-text") {
      options.toText = true;
    } else if (arg == "--uncompressed") {
      options.container.compress = false;
      framingGiven = true;
    } else if (arg == "--block") {
      options.container.blockMarker = true;
      framingGiven = true;
    } else if (arg == "--client-size") {
      options.container.clientSize = ParseClientSize(value());
      framingGiven = true;
    } else if (arg == "--append") {
      options.appendTo = value();
      framingGiven = true;
    } else if (arg == "--tag") {
      options.tag = value();
      if (*options.tag != kTagNewSaFlag && *options.tag != kTagStandalone)
        throw TUsageError("--tag must be NEW-SAFLAG or STANDALONE");
      framingGiven = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw TUsageError("unknown option " + std::string(arg));
    } else {
      options.files.emplace_back(arg);
    }
  }
  if (options.files.size() != 2) throw TUsageError("expected an input and an output file");
  if (options.toText && framingGiven) throw TUsageError("--to-text takes no container options");
  if (options.tag && !options.appendTo) throw TUsageError("--tag needs --append");
  return options;
}

std::string Describe(const EReadError& error) {
  return std::string(error.what()) + " (at byte " + std::to_string(error.OffsetBytes()) + ")";
}

void TextToContainer(const TOptions& options) {
  const std::string& input = options.files[0];
  std::vector<uint8_t> text = ReadFile(input);
  std::vector<uint8_t> stream;
  try {
    stream = ObjectTextToBinary({reinterpret_cast<const char*>(text.data()), text.size()});
  } catch (const ETextFormError& error) {
    throw std::runtime_error(input + ": " + error.what());
  }
  TContainerOptions framing = options.container;
  // Behind an appended container the reader always finds bytes (the trailer) and takes the
  // first four as the client-size word, so one must be there.
  if (options.appendTo && !framing.clientSize) framing.clientSize = TClientSize{};
  std::vector<uint8_t> container = WriteDocumentContainer(stream, framing);
  if (options.appendTo) {
    std::vector<uint8_t> executable = ReadFile(*options.appendTo);
    container = AppendContainer(executable, container, options.tag.value_or(std::string(kTagNewSaFlag)));
  }
  WriteFile(options.files[1], container);
}

// The component stream of a container at offset 0, of the container an executable's trailer
// points at, or of a bare stream.
TStoredStream FindStream(std::span<const uint8_t> data, const std::string& input) {
  if (std::optional<TStoredStream> stored = ExtractComponentStream(data)) return *stored;
  if (std::optional<uint64_t> offset = FindAppendedContainer(data)) {
    if (std::optional<TStoredStream> stored = ExtractComponentStream(data.subspan(*offset))) return *stored;
    throw std::runtime_error(input + ": the trailer points at offset " + std::to_string(*offset) +
                             ", where no document container starts");
  }
  if (data.size() >= 4 && std::memcmp(data.data(), "TPF0", 4) == 0) return {{data.begin(), data.end()}, {}};
  throw std::runtime_error(input + ": no document container or component stream found");
}

void ContainerToText(const TOptions& options) {
  const std::string& input = options.files[0];
  std::vector<uint8_t> data = ReadFile(input);
  std::string text;
  TStoredStream stored;
  try {
    stored = FindStream(data, input);
    text = ObjectBinaryToText(stored.stream);
  } catch (const EReadError& error) {
    throw std::runtime_error(input + ": " + Describe(error));
  }
  WriteFile(options.files[1], {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  // The text form holds the stream only; say how to frame it the same way again.
  const TContainerOptions& framing = stored.framing;
  std::string again;
  if (!framing.compress) again += " --uncompressed";
  if (framing.blockMarker) again += " --block";
  if (framing.clientSize)
    again += " --client-size " + std::to_string(framing.clientSize->width) + "x" +
             std::to_string(framing.clientSize->height);
  if (!again.empty()) std::cerr << "telvo-convert: note: the container was written with" << again << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
      std::cout << kUsage;
      return 0;
    }
  try {
    TOptions options = ParseArguments(argc, argv);
    if (options.toText)
      ContainerToText(options);
    else
      TextToContainer(options);
    return 0;
  } catch (const TUsageError& error) {
    std::cerr << "telvo-convert: " << error.what() << "\n(telvo-convert --help shows the usage)\n";
  } catch (const std::exception& error) {
    std::cerr << "telvo-convert: " << error.what() << "\n";
  }
  return 1;
}
