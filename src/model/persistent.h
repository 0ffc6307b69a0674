#pragma once
// The base of every object that has a stored form: its run-time class, assignment, the
// event bindings it holds, and the record of which property paths the document stored.

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/class_info.h"

// Raised when an object refuses an assignment; its text is the platform's assignment error.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TPersistent {
 public:
  TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;
  virtual ~TPersistent() = default;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  std::string_view ClassName() const { return ClassType().Name(); }
  bool InheritsFrom(const TClassInfo& cls) const { return ClassType().InheritsFrom(cls); }

  // Copies source's content into this object. A null source clears the objects that allow it.
  // Throws EConvertError ("Cannot assign a %s to a %s") for a source the class does not accept.
  virtual void Assign(const TPersistent* source);

  // Property paths the document stored for this object, in the order they were first read.
  const std::vector<std::string>& StoredPaths() const { return m_storedPaths; }
  void NoteStored(std::string_view path);
  void ForgetStoredPaths() { m_storedPaths.clear(); }

  // Method names bound to event properties (empty string: unbound).
  std::string EventBinding(std::string_view event) const;
  void SetEventBinding(std::string_view event, const std::string& method);

 protected:
  [[noreturn]] void AssignError(const TPersistent* source) const;

 private:
  std::vector<std::string> m_storedPaths;
  std::vector<std::pair<std::string, std::string>> m_eventBindings;
};

// Casts object to T when its run-time class is T or derives from it; null otherwise.
template <class T>
T* As(TPersistent* object) {
  return object && object->InheritsFrom(T::StaticClass()) ? static_cast<T*>(object) : nullptr;
}
template <class T>
const T* As(const TPersistent* object) {
  return object && object->InheritsFrom(T::StaticClass()) ? static_cast<const T*>(object) : nullptr;
}
