#pragma once
// Loading a menu document file into the menu window: find the container (at the start of the
// file, or through the trailer of an executable that carries one), read it, apply the stored
// client size.

#include <optional>
#include <string>

#include "model/class_registry.h"
#include "startup/component_reader.h"
#include "window/menu_form.h"

enum class TLoadStatus {
  Loaded,
  FileMissing,  // no such file, or it cannot be read
  NoDocument,   // the file holds no container (wrong magic, no trailer)
  Failed,       // the container or stream is damaged; the window must be discarded
};

struct TLoadResult {
  TLoadStatus status = TLoadStatus::FileMissing;
  std::string error;  // the reader's message when Failed, else a short description
};

// Reads path into window. containerOffset is where the container starts; without it, the
// container is at the start of the file or, when the file does not start with one, where an
// executable's trailer says. After a Failed result the window is partly built and must go.
TLoadResult LoadMenuDocument(const std::string& path, std::optional<uint64_t> containerOffset, TfrmMain& window,
                             const TClassRegistry& registry, const TReadOptions& options = {});
