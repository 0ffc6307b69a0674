#include "window/hint_settings.h"

THintSettings& ProcessHintSettings() {
  static THintSettings settings;
  return settings;
}
