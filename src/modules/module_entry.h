#pragma once
// The one symbol a module library exports, and what it returns. A module serves one interface:
// a class of the player with a name, a version and a factory type (TSoundSystem is one). The
// player and its modules are built together from the same headers; the versions make a module
// of another build count as not installed instead of being called wrongly.

#include <cstdint>

// Raised whenever TModuleEntry changes.
inline constexpr uint32_t kModuleEntryVersion = 1;

struct TModuleEntry {
  uint32_t entryVersion;       // kModuleEntryVersion of the module's build
  const char* interfaceName;   // the interface's kInterfaceName
  uint32_t interfaceVersion;   // the interface's kInterfaceVersion
  const void* factory;         // the interface's TFactory, alive as long as the process
};

// The exported function: extern "C" const TModuleEntry* TelvoModuleEntry(). It only returns a
// pointer to a constant; the module's work starts when the factory is called.
inline constexpr const char* kModuleEntrySymbol = "TelvoModuleEntry";
using TModuleEntryFunction = const TModuleEntry* (*)();
