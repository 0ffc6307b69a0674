// The media module's entry: the media player, served as the player's TMediaComponent.

#include <QtGlobal>

#include "modules/media/media_widget.h"
#include "modules/module_entry.h"

namespace {

std::unique_ptr<TMediaComponent> CreateMediaComponent(QWidget* window) {
  // Qt Multimedia picks its back end when it first starts. Debian's FFmpeg back end stalls on a
  // machine without an audio device, so the GStreamer one is asked for, unless the user chose.
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
  return std::make_unique<TMediaWidget>(window);
}

constexpr TMediaComponent::TFactory kFactory{&CreateMediaComponent};
constexpr TModuleEntry kEntry{kModuleEntryVersion, TMediaComponent::kInterfaceName,
                              TMediaComponent::kInterfaceVersion, &kFactory};

}  // namespace

// Named as kModuleEntrySymbol says.
extern "C" [[gnu::visibility("default")]] const TModuleEntry* TelvoModuleEntry() { return &kEntry; }
