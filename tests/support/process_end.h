#pragma once
// What a test process undoes after its last test and before its static objects are destroyed:
// above all the Qt application a test made. Ended among the static destructors it would find
// parts of Qt gone already; never ended, the fonts it offered to fontconfig are left behind and
// the leak checker reports them.

#include <functional>
#include <utility>
#include <vector>

namespace telvo_test {

inline std::vector<std::function<void()>>& ProcessEndActions() {
  static std::vector<std::function<void()>> actions;
  return actions;
}

// Runs action at the process's end, after the actions added later.
inline void AtProcessEnd(std::function<void()> action) { ProcessEndActions().push_back(std::move(action)); }

// Runs the actions, the latest first, and forgets them. The test mains call it once RUN_ALL_TESTS
// has returned.
inline void RunProcessEndActions() {
  std::vector<std::function<void()>>& actions = ProcessEndActions();
  while (!actions.empty()) {
    const std::function<void()> action = std::move(actions.back());
    actions.pop_back();
    action();
  }
}

}  // namespace telvo_test
