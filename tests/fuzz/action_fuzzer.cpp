// Fuzz target of the action texts a document stores: the first byte picks the action kind, the
// rest is the parameter and the second parameter separated by a zero byte. The dispatcher runs
// them against a menu window whose services start nothing (every open fails, so the failure
// message is built and decoded too); macros expand and accelerators are read from the same text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "actions/dispatcher.h"
#include "actions/macros.h"
#include "controls/action_control.h"
#include "graphics/text_escape.h"
#include "window/menu_form.h"

namespace {

// The services the dispatcher reaches; the rest stay unbound.
class TInertServices : public TShell, public TDialogs, public TWindowPictures {
 public:
  void ShellExecute(const TShellRequest&, std::function<void(int)> done) override { done(2); }
  void RunAndWait(const std::string&, const std::string&, bool, bool) override {}
  void EjectMediumOf(const std::string&) override {}
  void ShowMessageWindow(TKIVForm&, const std::string&) override {}
  void ShowMessageBox(const std::string&, const std::string&, TMessageBoxIcon) override {}
  bool InputQuery(const std::string&, const std::string&, std::string&, bool) override { return false; }
  void CopyWindowToClipboard(bool) override {}
  void PrintWindowPicture(bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const auto kind = static_cast<TKIVActionType>(data[0] % 16);
  const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const size_t split = rest.find('\0');
  const std::string parameter = rest.substr(0, split);
  const std::string second = split == std::string::npos ? std::string() : rest.substr(split + 1);

  static TInertServices services;
  TKIVForm window;
  window.SetPageCount(5);
  window.Context().services = {.shell = &services, .dialogs = &services, .pictures = &services};
  try {
    RunAction(window, kind, parameter, second);
    LocateTarget(window, kind, parameter, second);
  } catch (const ETextEscapeError&) {
    // A message whose numeric escape is too large: reported by the caller, not a fault.
  }
  (void)ExpandMacros(parameter, {"%%ENV-HOME%%", "", "", ""}, ReadEnvironment);
  (void)IsAccelerator(U'a', parameter);
  return 0;
}
