#include "window/menu_context.h"

#include "window/menu_form.h"

TKIVForm* MenuWindowOf(const TControl& control) {
  for (const TControl* c = &control; c; c = c->Parent())
    if (auto* form = dynamic_cast<const TKIVForm*>(c)) return const_cast<TKIVForm*>(form);
  return nullptr;
}

TMenuContext* MenuContextOf(const TControl& control) {
  TKIVForm* window = MenuWindowOf(control);
  return window ? &window->Context() : nullptr;
}
