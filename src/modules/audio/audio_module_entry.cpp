// The audio module's entry: the engine's sound system, served as the player's TSoundSystem.

#include "modules/audio/engine_sound_system.h"
#include "modules/module_entry.h"

namespace {

std::shared_ptr<TSoundSystem> OpenSoundSystem() { return TEngineSoundSystem::Open(); }

constexpr TSoundSystem::TFactory kFactory{&OpenSoundSystem};
constexpr TModuleEntry kEntry{kModuleEntryVersion, TSoundSystem::kInterfaceName, TSoundSystem::kInterfaceVersion,
                              &kFactory};

}  // namespace

// Named as kModuleEntrySymbol says.
extern "C" [[gnu::visibility("default")]] const TModuleEntry* TelvoModuleEntry() { return &kEntry; }
