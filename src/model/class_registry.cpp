#include "model/class_registry.h"

#include "model/names.h"
#include "model/read_error.h"

void TClassRegistry::RegisterClass(const TClassInfo& cls) {
  for (const TClassInfo* c = &cls; c; c = c->Parent()) {
    const TClassInfo* existing = FindClass(c->Name());
    if (existing == c) return;
    if (existing) throw EReadError("A class named " + std::string(c->Name()) + " already exists");
    m_classes.push_back(c);
  }
}

const TClassInfo* TClassRegistry::FindClass(std::string_view name) const {
  for (const TClassInfo* c : m_classes)
    if (SameText(c->Name(), name)) return c;
  return nullptr;
}
