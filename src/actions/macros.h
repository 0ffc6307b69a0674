#pragma once
// Path macros: the folder words %CDROM%, %WinDir%, %SysDir% and %Desktop% (any letter case) and
// the environment form %%ENV-name%%, replaced in stored paths just before they are used.
//
// On this platform %CDROM% is the folder of the menu document (or of the executable that carries
// it), %WinDir% and %SysDir% the Windows and system folders of the Wine prefix when one exists
// (else empty), %Desktop% the user's XDG desktop folder.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "window/macro_values.h"

// Reads an environment variable: its value, or nothing when it is not defined.
using TEnvironmentReader = std::function<std::optional<std::string>(const std::string& name)>;

// The process's environment.
std::optional<std::string> ReadEnvironment(const std::string& name);

// Expands text with the given values:
//  1. each folder macro in turn (%CDROM%, then %WinDir%, %SysDir%, %Desktop%), every occurrence,
//     in any letter case, each step on the previous step's result;
//  2. environment macros, left to right: "%%", "ENV-" in any case, a name, "%%"; the name is
//     trimmed of spaces; an empty name leaves the macro as written (its closing pair may open the
//     next one); a missing closing pair ends the expansion; an undefined variable gives nothing.
//     An inserted value is never looked at again.
// Never fails: anything malformed stays as written.
std::string ExpandMacros(std::string_view text, const TMacroValues& values, const TEnvironmentReader& environment);

// Expands text with the given values (a menu's, see TMenuContext) and the process's environment.
std::string ExpandMacros(std::string_view text, const TMacroValues& values);

// The values of this machine for a menu whose document lies in documentFolder. Each loses one
// trailing path separator, so a root folder gives the empty string.
//  - winDir: $WINEPREFIX (else ~/.wine) + "/drive_c/windows" when that folder exists;
//    sysDir: its "system32" folder when that exists;
//  - desktop: the XDG desktop folder (XDG_DESKTOP_DIR of the user-dirs file, else ~/Desktop).
TMacroValues SystemMacroValues(const std::string& documentFolder);
