#pragma once
// The table from class name to class that the stream reader constructs from. Names match
// ignoring letter case. Registering a class registers its ancestors too, up to the first one
// already present.

#include <string>
#include <string_view>
#include <vector>

#include "model/class_info.h"

class TClassRegistry {
 public:
  // Throws EReadError("A class named %s already exists") when another class has cls's name.
  void RegisterClass(const TClassInfo& cls);
  // Null when no class of that name is registered.
  const TClassInfo* FindClass(std::string_view name) const;
  // Registered classes in registration order.
  const std::vector<const TClassInfo*>& Classes() const { return m_classes; }

 private:
  std::vector<const TClassInfo*> m_classes;
};
