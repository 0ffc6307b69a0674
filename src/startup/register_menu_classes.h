#pragma once
// Registers the menu's component classes (and through them their ancestors) so that a
// document can construct them.

#include "model/class_registry.h"

void RegisterMenuClasses(TClassRegistry& registry);
