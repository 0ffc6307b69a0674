#pragma once
// Starting programs in child processes. Everything a child needs is prepared before fork; after
// it, a child runs async-signal-safe calls only (exec, _exit, write, nanosleep and the like), as
// the player has other threads whose locks a forked copy would find held.

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

// A program's command line as exec takes it: the strings and a null-terminated pointer array
// into them, built in the parent. Argv()[0] is the program's path.
class TExecArguments {
 public:
  explicit TExecArguments(std::vector<std::string> command);
  TExecArguments(const TExecArguments&) = delete;
  TExecArguments& operator=(const TExecArguments&) = delete;
  char* const* Argv() const { return m_pointers.data(); }

 private:
  std::vector<std::string> m_strings;
  std::vector<char*> m_pointers;
};

// Sleeps ms milliseconds, resuming after signals; async-signal-safe, so children may use it.
void SleepMs(long ms);

// Waits for child to end, resuming after signals, and returns its wait status (0 when child is
// not ours to wait for).
int WaitForExit(pid_t child);
// Whether a wait status tells a normal exit with status 0.
bool ExitedCleanly(int status);

// Runs the program in a child process of ours, for the caller to reap; -1 when fork fails.
pid_t StartChild(const TExecArguments& command);

// Starts a detached program: forks an intermediate child, which forks the program child and then
// runs intermediate with the program's pid (-1 when that fork failed); what intermediate returns
// is the intermediate's exit status. The program child runs program, which must end in exec or
// _exit (returning ends the child with status 127); it is adopted by init once the intermediate
// ends, so it leaves nothing to reap. Returns the intermediate's pid for the caller to reap
// (WaitForExit), or -1 when fork fails. Both callbacks run after fork: async-signal-safe calls
// only.
pid_t StartDetached(const std::function<void()>& program, const std::function<int(pid_t)>& intermediate);
// The same with an intermediate that ends at once: status 0 once the program child is forked.
pid_t StartDetached(const std::function<void()>& program);

// Execs command, or ends the calling child with status 127 when exec fails.
[[noreturn]] void ExecOrExit(const TExecArguments& command);
