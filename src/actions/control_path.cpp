#include "actions/control_path.h"

#include "actions/launch.h"
#include "actions/macros.h"
#include "window/menu_context.h"

std::string ControlFilePath(const TControl& control, const std::string& stored) {
  const TMenuContext* context = MenuContextOf(control);
  return ToLinuxPath(context ? ExpandMacros(stored, context->macroValues) : stored);
}
