#pragma once
// Loading the player's modules: shared libraries installed beside the player and loaded the
// first time a menu needs them, so the player neither links nor starts the libraries behind
// them. A module that is missing or broken is "not installed", with a reason to tell; it never
// stops the player. A loaded module stays loaded until the process ends: threads it starts
// (an audio device's, for one) may outlive every object it handed out.

#include <cstdint>
#include <string>
#include <string_view>

#include "modules/module_entry.h"

// Where the running player's modules are: lib/telvo/modules beside the folder of its
// executable (bin/telvo and lib/telvo/modules under an installation prefix; src/app/telvo and
// src/lib/telvo/modules in the build tree), or the folder that the environment variable
// TELVO_MODULE_DIR names (the tests' executables use the build tree's modules so). Empty when
// neither is known.
std::string ModuleFolder();

// What loading a module came to: the factory of the interface asked for, or why there is none.
struct TModuleLoad {
  const void* factory = nullptr;
  std::string notInstalled;  // set when factory is null
};

// Loads <folder>/<name>.so and asks its entry for the interface interfaceName at
// interfaceVersion. Not installed: the file is missing or does not load (its own libraries
// missing, not a library), it has no entry, or its entry serves another interface or version.
// Any thread; loading the same module again gives the same factory.
TModuleLoad LoadModule(const std::string& folder, std::string_view name, std::string_view interfaceName,
                       uint32_t interfaceVersion);

// The factory of TInterface (see TSoundSystem) from its module in folder; null with the reason in
// notInstalled when the module is not installed.
template <class TInterface>
const typename TInterface::TFactory* LoadModuleInterface(const std::string& folder, std::string& notInstalled) {
  TModuleLoad load =
      LoadModule(folder, TInterface::kModuleName, TInterface::kInterfaceName, TInterface::kInterfaceVersion);
  notInstalled = std::move(load.notInstalled);
  return static_cast<const typename TInterface::TFactory*>(load.factory);
}
