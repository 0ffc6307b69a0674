// Fuzz target of the document reader: the input is a menu document file. It is read the way the
// player reads one (container at the start, or through an executable's trailer) into a fresh
// menu window with every menu class registered; an input that starts with the stream signature
// is also read as a bare component stream. A document that loads is written back and printed,
// as --dump does. EReadError is the expected outcome of bad input; any other exception, a crash,
// a hang or a huge allocation is a finding.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

#include "model/read_error.h"
#include "document/byte_source.h"
#include "document/component_reader.h"
#include "document/component_writer.h"
#include "document/container.h"
#include "startup/main_window.h"
#include "document/stream_input.h"
#include "document/text_form.h"
#include "support/menu_registry.h"

namespace {

// The owner of the top-level components, as the player's application object is. Each input gets
// a window of its own, destroyed before the next input.
TComponent& Application() {
  static TComponent application;
  return application;
}

// Writes a loaded tree back and prints it. Nothing here may throw: the player does this with
// every document it loaded, without catching.
void DumpLoaded(const TfrmMain& window) {
  std::vector<uint8_t> stream = WriteRootComponent(window);
  std::string text = ObjectBinaryToText(stream);
  (void)text;
}

void ReadContainer(std::span<const uint8_t> file) {
  std::optional<uint64_t> offset;
  if (file.size() >= kContainerMagic.size() &&
      std::memcmp(file.data(), kContainerMagic.data(), kContainerMagic.size()) == 0)
    offset = 0;
  else
    offset = FindAppendedContainer(file);
  if (!offset) return;

  TComponent& application = Application();
  TfrmMain* window = CreateMainWindow(application);
  TClientSize clientSize;
  bool loaded = false;
  try {
    loaded = ReadDocumentContainer(file.subspan(*offset), *window, MenuRegistry(), {}, clientSize) ==
             TContainerResult::Loaded;
  } catch (const EReadError&) {
    // A damaged document: the player discards the window.
  }
  if (loaded) DumpLoaded(*window);
  application.DestroyComponent(window);
}

void ReadBareStream(std::span<const uint8_t> stream) {
  TComponent& application = Application();
  TfrmMain* window = CreateMainWindow(application);
  bool loaded = false;
  try {
    TMemorySource source(stream);
    TStreamInput input(source);
    ReadRootComponent(input, *window, MenuRegistry());
    loaded = true;
  } catch (const EReadError&) {
  }
  if (loaded) DumpLoaded(*window);
  application.DestroyComponent(window);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> input(data, size);
  ReadContainer(input);
  if (size >= 4 && std::memcmp(data, "TPF0", 4) == 0) ReadBareStream(input);
  return 0;
}
