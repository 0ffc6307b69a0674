#pragma once
// Open requests carried out on Linux, with the result codes the actions report. A stored
// Windows path is first turned into a Linux path (ToLinuxPath). A bare name (IsBareName) that is
// no file in the current folder is looked for on PATH (TProgramLookup::findOnPath); a bare .exe
// or .com found nowhere goes to wine as it is, which searches the Windows path. Then:
//  - a missing file or folder gives 2 (file not found), an unreadable one 5 (access denied);
//  - a web or mail address, a folder, or a file that is no program goes to xdg-open;
//  - .exe and .com go to wine (not a Windows executable: 11), .bat and .msi to wine start;
//    without wine: 31 (no association);
//  - an executable file runs directly with the parameters, in the request's directory.
// The program is started with an argument vector, never through a shell, and detached, so it
// leaves no process behind. When the program cannot be executed, its error is mapped (missing 2,
// denied 5, not executable 11, out of memory 8). xdg-open is given up to kXdgOpenWaitMs to
// report: its exit status 2 maps to 2, any other failure to 31; still running counts as success.

#include "actions/action_services.h"
#include "actions/launch.h"

inline constexpr int kXdgOpenWaitMs = 2000;

int ShellExecuteOnLinux(const TShellRequest& request, const TProgramLookup& lookup = SystemProgramLookup());
