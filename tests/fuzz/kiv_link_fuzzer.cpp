// Fuzz target of kiv:// links: any bytes are an address as the web engine hands it over; its
// escapes are undone, it is split, and a link is carried out on a menu window whose services
// start nothing. The window lists fewer page names than its highest page index, so a page link
// also walks past the end of the list.

#include <cstddef>
#include <cstdint>
#include <string>

#include "actions/kiv_link.h"
#include "window/menu_form.h"

namespace {

// The services a link reaches; every open succeeds without starting anything.
class TInertServices : public TShell, public TWindowPictures {
 public:
  void ShellExecute(const TShellRequest&, std::function<void(int)> done) override { done(kShellSuccess); }
  void RunAndWait(const std::string&, const std::string&, bool, bool) override {}
  void EjectMediumOf(const std::string&) override {}
  void CopyWindowToClipboard(bool) override {}
  void PrintWindowPicture(bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string address(reinterpret_cast<const char*>(data), size);
  const std::optional<TKivLink> link = ParseKivLink(UndoBrowserEscapes(address));
  if (!link) return 0;

  static TInertServices services;
  TKIVForm window;
  window.Context().macroValues = {"/media/cd", "", "", "/home/u/Desktop"};
  window.Context().services = {.shell = &services, .pictures = &services};
  window.Pages()->SetLines({"Intro", "Main Page", "Caf\xC3\xA9"});
  window.SetPageCount(6);
  RunKivLink(window, *link, TLinkSource::Trusted);
  return 0;
}
