#include "actions/default_application.h"

#include "actions/launch.h"
#include "modules/module_loader.h"

TDefaultApplicationStart StartDefaultApplication(const std::string& target) {
  std::string notInstalled;
  const TDefaultApplications::TFactory* desktop = LoadModuleInterface<TDefaultApplications>(ModuleFolder(), notInstalled);
  if (!desktop) return {};
  return desktop->start(target, HasUrlScheme(target));
}
