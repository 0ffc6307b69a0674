#pragma once
// The desktop's default application for a document, folder or address, started by the player
// itself so that it knows the process that shows the target and can wait for it. GIO finds the
// application from the user's and the system's desktop entries and mimeapps.list files, expands
// its Exec line by the desktop-entry rules and starts it.

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

// Starts the default application for target: an address with a scheme ("https:", "mailto:")
// goes to the scheme's handler; a file or folder (a Linux path) to the application for its content
// type, told by its name and first bytes. A path that does not exist has no type: NoDefault.
// Call on one thread only (GIO reads the desktop folders once, at its first use).
TDefaultApplicationStart StartDefaultApplication(const std::string& target);
