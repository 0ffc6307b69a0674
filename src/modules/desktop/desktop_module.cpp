// The desktop module: the desktop's default applications found and started through GIO, served
// as the player's TDefaultApplications.

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

#include "actions/default_application.h"
#include "modules/module_entry.h"

namespace {

struct TObjectRelease {
  void operator()(gpointer object) const { g_object_unref(object); }
};
template <class T>
using TObject = std::unique_ptr<T, TObjectRelease>;

struct TTextRelease {
  void operator()(gchar* text) const { g_free(text); }
};
using TText = std::unique_ptr<gchar, TTextRelease>;

using K = TDefaultApplicationStart::TOutcome;

// The application for an address's scheme, with the address itself as the URI to hand it.
TObject<GAppInfo> HandlerOfAddress(const std::string& address, std::string& uri) {
  const TText scheme(g_uri_parse_scheme(address.c_str()));
  if (!scheme) return nullptr;
  uri = address;
  return TObject<GAppInfo>(g_app_info_get_default_for_uri_scheme(scheme.get()));
}

// The application for a file's content type, with the file's URI to hand it.
TObject<GAppInfo> HandlerOfFile(const std::string& path, std::string& uri) {
  const TObject<GFile> file(g_file_new_for_path(path.c_str()));
  const TObject<GFileInfo> info(g_file_query_info(file.get(), G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                                  G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
  const char* contentType = info ? g_file_info_get_content_type(info.get()) : nullptr;
  if (!contentType) return nullptr;
  uri = TText(g_file_get_uri(file.get())).get();
  return TObject<GAppInfo>(g_app_info_get_default_for_type(contentType, FALSE));
}

void KeepProcess(GDesktopAppInfo*, GPid process, gpointer started) {
  static_cast<TDefaultApplicationStart*>(started)->process = process;
}

TDefaultApplicationStart Start(const std::string& target, bool address) {
  std::string uri;
  const TObject<GAppInfo> application = address ? HandlerOfAddress(target, uri) : HandlerOfFile(target, uri);
  if (!application || !G_IS_DESKTOP_APP_INFO(application.get())) return {};

  TDefaultApplicationStart started;
  GList uris{uri.data(), nullptr, nullptr};
  // Not reaped by GLib: the process stays a child of ours for the caller to wait for.
  const auto flags = static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD);
  GError* error = nullptr;
  const bool launched = g_desktop_app_info_launch_uris_as_manager(G_DESKTOP_APP_INFO(application.get()), &uris, nullptr,
                                                                  flags, nullptr, nullptr, KeepProcess, &started, &error);
  if (error) g_error_free(error);
  if (!launched) started.outcome = K::Failed;
  else started.outcome = started.process > 0 ? K::Started : K::StartedElsewhere;
  return started;
}

constexpr TDefaultApplications::TFactory kFactory{&Start};
constexpr TModuleEntry kEntry{kModuleEntryVersion, TDefaultApplications::kInterfaceName,
                              TDefaultApplications::kInterfaceVersion, &kFactory};

}  // namespace

// Named as kModuleEntrySymbol says.
extern "C" [[gnu::visibility("default")]] const TModuleEntry* TelvoModuleEntry() { return &kEntry; }
