#include "actions/action_services.h"

#include <map>

#include "window/menu_form.h"

namespace {

// Menu windows and their services. Only the user-interface thread binds and looks up.
std::map<const TKIVForm*, TActionServices*>& Bindings() {
  static std::map<const TKIVForm*, TActionServices*> bindings;
  return bindings;
}

}  // namespace

void BindActionServices(const TKIVForm& window, TActionServices* services) {
  if (services)
    Bindings()[&window] = services;
  else
    Bindings().erase(&window);
}

TKIVForm* MenuWindowOf(const TControl& control) {
  for (const TControl* c = &control; c; c = c->Parent())
    if (auto* form = dynamic_cast<const TKIVForm*>(c)) return const_cast<TKIVForm*>(form);
  return nullptr;
}

TActionServices* ActionServicesOf(const TControl& control) {
  const TKIVForm* window = MenuWindowOf(control);
  if (!window) return nullptr;
  const auto found = Bindings().find(window);
  return found == Bindings().end() ? nullptr : found->second;
}
