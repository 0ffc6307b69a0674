#pragma once
// Loading a menu document file into the menu window: find the container (at the start of the
// file, or through the trailer of an executable that carries one), read it, apply the stored
// client size.

#include <optional>
#include <string>
#include <string_view>

#include "model/class_registry.h"
#include "document/component_reader.h"
#include "document/container.h"
#include "window/menu_form.h"

class TFileReader;

enum class TLoadStatus {
  Loaded,
  FileMissing,  // no such file, or it cannot be read
  NoDocument,   // the file holds no container (wrong magic, no trailer)
  Failed,       // the container or stream is damaged; the window must be discarded
};

struct TLoadResult {
  TLoadStatus status = TLoadStatus::FileMissing;
  // The reader's message when Failed; CannotOpenMessage when FileMissing; else a short
  // description.
  std::string error;
};

// "cannot open "PATH": REASON", the reason being the text of the error number.
std::string CannotOpenMessage(const std::string& path, int error);

// The trailer at the end of file; nothing when the file is too short, cannot be read there or
// ends with neither tag.
std::optional<TTrailer> FileTrailer(const TFileReader& file);

// Whether file carries a menu document where LoadMenuDocument looks for one: a container at its
// start, or a trailer that points inside the file. Only the first bytes and the trailer are read.
bool CarriesMenuDocument(const TFileReader& file);

// Reads path into window, reading no more of the file than the container's bytes.
// containerOffset is where the container starts; without it, the container is at the start of
// the file or, when the file does not start with one, where an executable's trailer says (a
// trailer that points outside the file is no document). After a Failed result the window is
// partly built and must go.
TLoadResult LoadMenuDocument(const std::string& path, std::optional<uint64_t> containerOffset, TfrmMain& window,
                             const TClassRegistry& registry, const TReadOptions& options = {});

// Whether the component stream of the document at path (found as LoadMenuDocument finds it)
// holds the bytes of text anywhere: a quick look, before the document is read, for whether it
// may hold a control of a class. False when there is no readable document.
bool DocumentMentions(const std::string& path, std::optional<uint64_t> containerOffset, std::string_view text);
