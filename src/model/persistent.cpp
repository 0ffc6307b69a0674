#include "model/persistent.h"

#include "model/names.h"

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TPersistent>("TPersistent", nullptr).Build();
  return *info;
}

void TPersistent::Assign(const TPersistent* source) { AssignError(source); }

void TPersistent::AssignError(const TPersistent* source) const {
  std::string from = source ? std::string(source->ClassName()) : "nil";
  throw EConvertError("Cannot assign a " + from + " to a " + std::string(ClassName()));
}

void TPersistent::NoteStored(std::string_view path) {
  for (const std::string& p : m_storedPaths)
    if (SameText(p, path)) return;
  m_storedPaths.emplace_back(path);
}

std::string TPersistent::EventBinding(std::string_view event) const {
  for (const auto& [name, method] : m_eventBindings)
    if (SameText(name, event)) return method;
  return {};
}

void TPersistent::SetEventBinding(std::string_view event, const std::string& method) {
  for (auto& [name, bound] : m_eventBindings)
    if (SameText(name, event)) {
      bound = method;
      return;
    }
  if (!method.empty()) m_eventBindings.emplace_back(std::string(event), method);
}

std::string GetEventBinding(const TPersistent& object, std::string_view event) { return object.EventBinding(event); }

void SetEventBinding(TPersistent& object, std::string_view event, const std::string& method) {
  object.SetEventBinding(event, method);
}
