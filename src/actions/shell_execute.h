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
// answer: its exit status 2 maps to 2, any other failure to 31; still running counts as success.

#include <sys/types.h>

#include "window/menu_services.h"
#include "actions/launch.h"

inline constexpr int kXdgOpenWaitMs = 2000;

// The result code of a started open request: known at once, or still to come while xdg-open has
// its time to answer. Move-only.
class TShellAnswer {
 public:
  // A result known at once.
  explicit TShellAnswer(int result) : m_result(result) {}
  // An answer to come through the read end of a report pipe whose writer is the intermediate
  // child; the answer owns both (StartShellExecute makes these).
  TShellAnswer(int reportDescriptor, pid_t intermediate) : m_descriptor(reportDescriptor), m_intermediate(intermediate) {}
  TShellAnswer(TShellAnswer&& other) noexcept;
  TShellAnswer& operator=(TShellAnswer&& other) noexcept;
  // An answer still to come is given up: the pipe closes and the intermediate child, which ends
  // by itself within kXdgOpenWaitMs, is reaped when it already has.
  ~TShellAnswer();

  // Whether the result is known without waiting.
  bool Ready() const { return m_descriptor < 0; }
  // A descriptor that becomes readable once the answer has come; -1 when Ready.
  int Descriptor() const { return m_descriptor; }
  // The result code; waits for an answer still to come (up to about kXdgOpenWaitMs).
  int Result();

 private:
  void GiveUp();

  int m_result = kShellSuccess;
  int m_descriptor = -1;
  pid_t m_intermediate = -1;
};

// Starts the request and returns its answer: known at once for everything but xdg-open.
TShellAnswer StartShellExecute(const TShellRequest& request, const TProgramLookup& lookup = SystemProgramLookup());

// Starts the request and waits for its result code.
int ShellExecuteOnLinux(const TShellRequest& request, const TProgramLookup& lookup = SystemProgramLookup());
