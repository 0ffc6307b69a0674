// The PDF module's entry: the PDF view, served as the player's TPdfComponent.

#include "modules/module_entry.h"
#include "modules/pdf/pdf_widget.h"

namespace {

std::unique_ptr<TPdfComponent> CreatePdfComponent(QWidget* window) { return std::make_unique<TPdfWidget>(window); }

constexpr TPdfComponent::TFactory kFactory{&CreatePdfComponent};
constexpr TModuleEntry kEntry{kModuleEntryVersion, TPdfComponent::kInterfaceName, TPdfComponent::kInterfaceVersion,
                              &kFactory};

}  // namespace

// Named as kModuleEntrySymbol says.
extern "C" [[gnu::visibility("default")]] const TModuleEntry* TelvoModuleEntry() { return &kEntry; }
