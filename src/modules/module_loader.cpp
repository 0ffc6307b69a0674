#include "modules/module_loader.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

TModuleLoad NotInstalled(std::string reason) { return {nullptr, std::move(reason)}; }

}  // namespace

std::string ModuleFolder() {
  if (const char* folder = std::getenv("TELVO_MODULE_DIR"); folder && *folder) return folder;
  std::error_code ec;
  const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
  if (ec || executable.empty()) return {};
  return (executable.parent_path() / TELVO_MODULE_FOLDER_FROM_EXECUTABLE).lexically_normal().string();
}

TModuleLoad LoadModule(const std::string& folder, std::string_view name, std::string_view interfaceName,
                       uint32_t interfaceVersion) {
  if (folder.empty()) return NotInstalled("the folder of the player's modules is unknown");
  // An absolute path, so that dlopen looks nowhere else.
  std::error_code ec;
  const std::string path = (fs::absolute(folder, ec) / (std::string(name) + ".so")).string();
  if (ec) return NotInstalled(folder + ": " + ec.message());
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char* error = dlerror();
    return NotInstalled(error ? error : path + ": cannot be loaded");
  }
  const auto entryFunction = reinterpret_cast<TModuleEntryFunction>(dlsym(library, kModuleEntrySymbol));
  const TModuleEntry* entry = entryFunction ? entryFunction() : nullptr;
  std::string problem;
  if (!entry)
    problem = path + ": not a module of this player (no " + kModuleEntrySymbol + ")";
  else if (entry->entryVersion != kModuleEntryVersion)
    problem = path + ": a module of another build of the player (entry version " +
              std::to_string(entry->entryVersion) + ", this player reads " + std::to_string(kModuleEntryVersion) + ")";
  else if (!entry->interfaceName || interfaceName != entry->interfaceName || entry->interfaceVersion != interfaceVersion)
    problem = path + ": serves " + (entry->interfaceName ? entry->interfaceName : "no interface") + " version " +
              std::to_string(entry->interfaceVersion) + ", this player needs " + std::string(interfaceName) +
              " version " + std::to_string(interfaceVersion);
  else if (!entry->factory)
    problem = path + ": its entry has no factory";
  if (!problem.empty()) {
    dlclose(library);
    return NotInstalled(problem);
  }
  return {entry->factory, {}};
}
