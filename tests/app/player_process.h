#pragma once
// The player run as a child process on Qt's offscreen platform, with a runtime folder of its own
// (where it takes its instance lock) and its stdout and stderr in a file.

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct TPlayerLaunch {
  std::string program = TELVO_BINARY;
  std::vector<std::string> arguments = {};
  // Holds runtime/ (made private when missing) and output.txt (written anew).
  std::filesystem::path folder = {};
  // Set in the child's environment after the defaults.
  std::vector<std::pair<std::string, std::string>> environment = {};
  // Ignored in the child before it starts the player, as nohup ignores SIGHUP.
  std::vector<int> ignoredSignals = {};
};

// Starts the player; the child ends with code 127 when it cannot run it.
pid_t StartPlayer(const TPlayerLaunch& launch);
// Waits for the child to end: its exit code, or -1 when a signal ended it.
int WaitForPlayer(pid_t pid);
// Waits at most about timeoutMs: the exit code, -1 for a signal, or nothing (the child runs on).
std::optional<int> WaitForPlayerFor(pid_t pid, int timeoutMs);
// What the player wrote on stdout and stderr so far.
std::string PlayerOutput(const std::filesystem::path& folder);
// Waits (checking every 50 ms, for at most 30 s) until holds() is true; false when it never was.
bool Eventually(const std::function<bool()>& holds);
