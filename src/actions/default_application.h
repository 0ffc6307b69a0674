#pragma once
// The desktop's default application for a document, folder or address, started by the player
// itself so that it knows the process that shows the target and can wait for it. The desktop
// module (modules/desktop) does it with GIO, which finds the application from the user's and the
// system's desktop entries and mimeapps.list files, expands its Exec line by the desktop-entry
// rules and starts it. The player loads that module, and GIO with it, the first time it waits for
// a document.

#include <sys/types.h>

#include <cstdint>
#include <string>

// What starting the default application came to.
struct TDefaultApplicationStart {
  enum class TOutcome : uint8_t {
    NoDefault,         // no default application is known for the target's type
    Started,           // process is the application's
    StartedElsewhere,  // the desktop session started it (D-Bus activation): no process here
    Failed,            // the application could not be started
  };
  TOutcome outcome = TOutcome::NoDefault;
  pid_t process = -1;  // Started: a child of this process, which the caller must reap
};

// What the desktop module serves (see TSoundSystem for the fields): start(target, address)
// starts the default application for an address with a scheme when address is set, else for a
// file or folder.
struct TDefaultApplications {
  static constexpr const char* kModuleName = "desktop";
  static constexpr const char* kInterfaceName = "TDefaultApplications";
  static constexpr uint32_t kInterfaceVersion = 1;
  struct TFactory {
    TDefaultApplicationStart (*start)(const std::string& target, bool address);
  };
};

// Starts the default application for target: an address with a scheme ("https:", "mailto:")
// goes to the scheme's handler; a file or folder (a Linux path) to the application for its content
// type, told by its name and first bytes. A path that does not exist has no type: NoDefault; so
// does every target while the desktop module is not installed.
// Call on one thread only (GIO reads the desktop folders once, at its first use).
TDefaultApplicationStart StartDefaultApplication(const std::string& target);
