#include "support/menu_registry.h"

#include "startup/register_menu_classes.h"

const TClassRegistry& MenuRegistry() {
  static const TClassRegistry registry = [] {
    TClassRegistry classes;
    RegisterMenuClasses(classes);
    return classes;
  }();
  return registry;
}
