#include "window/hint_settings.h"

std::string ShortHintOf(const TControl& control) {
  if (!control.ShowHint()) return {};
  const std::string& hint = control.Hint();
  return hint.substr(0, hint.find('|'));
}
