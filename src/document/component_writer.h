#pragma once
// Writes a loaded component tree back as a component stream: for every object, the property
// paths the document stored, in the order they were read, with the values the model holds now.

#include <cstdint>
#include <vector>

#include "model/component.h"

std::vector<uint8_t> WriteRootComponent(const TComponent& root);
