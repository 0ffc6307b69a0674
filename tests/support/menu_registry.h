#pragma once
// The player's own class registry, as the start-up fills it, for tests that read menu documents.

#include "model/class_registry.h"

// Every menu class registered once per process; read-only thereafter.
const TClassRegistry& MenuRegistry();
