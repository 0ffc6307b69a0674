#pragma once
// An environment variable set (or unset) for as long as a test needs it, and restored after.

#include <cstdlib>
#include <optional>
#include <string>

namespace telvo_test {

class TScopedEnvironment {
 public:
  // value null unsets the variable.
  TScopedEnvironment(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~TScopedEnvironment() {
    if (m_old)
      setenv(m_name, m_old->c_str(), 1);
    else
      unsetenv(m_name);
  }
  TScopedEnvironment(const TScopedEnvironment&) = delete;
  TScopedEnvironment& operator=(const TScopedEnvironment&) = delete;

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

}  // namespace telvo_test
