// The web module's entry: the web view, served as the player's TWebComponent.

#include "modules/module_entry.h"
#include "modules/web/web_process.h"
#include "modules/web/web_widget.h"

namespace {

std::unique_ptr<TWebComponent> CreateWebComponent(QWidget* window, TWebComponent::TEvents events) {
  if (!PreparedWebProcess()) return nullptr;
  return std::make_unique<TWebWidget>(window, std::move(events));
}

constexpr TWebComponent::TFactory kFactory{&PrepareWebProcess, &CreateWebComponent};
constexpr TModuleEntry kEntry{kModuleEntryVersion, TWebComponent::kInterfaceName, TWebComponent::kInterfaceVersion,
                              &kFactory};

}  // namespace

// Named as kModuleEntrySymbol says.
extern "C" [[gnu::visibility("default")]] const TModuleEntry* TelvoModuleEntry() { return &kEntry; }
