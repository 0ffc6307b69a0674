#pragma once
// Reads a component stream into an existing root component: every stored child is constructed
// from the class registry, owned by the root and parented to the control whose child list
// holds it, and every stored value is set through the class's property table.

#include <functional>
#include <string>
#include <string_view>

#include "model/class_registry.h"
#include "model/component.h"
#include "document/stream_input.h"

struct TReadOptions {
  // Unknown property names are skipped (their values by type code) so that documents from
  // other builder versions load; false makes them fail with "Property %s does not exist".
  bool skipUnknownProperties = true;
  // Told about each skipped property: the owner's name (or class name) and the stored path.
  std::function<void(std::string_view owner, std::string_view path)> onUnknownProperty;
};

// Reads signature, root record, children; then calls Loaded on every component read (root
// first, in reading order) and resolves references by name. Throws EReadError with the
// format's message at the first error; the caller discards the root then. A component whose
// record failed is destroyed together with the components read inside it.
void ReadRootComponent(TStreamInput& input, TComponent& root, const TClassRegistry& registry,
                       const TReadOptions& options = {});
