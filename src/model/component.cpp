#include "model/component.h"

#include <algorithm>
#include <cassert>

#include "model/names.h"

namespace {

TDefinedProp DesignPosition(std::string_view name, int32_t TComponent::*field) {
  return {name,
          [field](TPersistent& o, TValueReader& r) {
            auto& c = static_cast<TComponent&>(o);
            c.*field = static_cast<int32_t>(r.ReadInteger());
          },
          [field](const TPersistent& o, TValueWriter& w) { w.WriteInteger(static_cast<const TComponent&>(o).*field); },
          [](const TPersistent&) { return true; }};
}

}  // namespace

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TComponent>("TComponent", &TPersistent::StaticClass())
                                      .String("Name", Accessors(&TComponent::Name, &TComponent::SetName))
                                      .Integer("Tag", Accessors(&TComponent::Tag, &TComponent::SetTag), 0)
                                      .Defined(DesignPosition("Left", &TComponent::m_designLeft))
                                      .Defined(DesignPosition("Top", &TComponent::m_designTop))
                                      .Build();
  return *info;
}

TComponent::TComponent() = default;

TComponent::~TComponent() {
  // Destroy the newest first, as components may refer to older ones while they go.
  while (!m_components.empty()) {
    std::unique_ptr<TComponent> last = std::move(m_components.back());
    m_components.pop_back();
    last.reset();
  }
}

void TComponent::SetName(const std::string& name) {
  if (name == m_name) return;
  if (!name.empty() && !IsValidIdent(name)) throw EConvertError("''" + name + "'' is not a valid component name");
  if (!name.empty() && m_owner) {
    TComponent* other = m_owner->FindComponent(name);
    if (other && other != this) throw EConvertError("A component named " + name + " already exists");
  }
  if (m_owner) m_owner->UnindexName(*this);
  m_name = name;
  if (m_owner) m_owner->IndexName(*this);
}

void TComponent::IndexName(TComponent& component) {
  if (component.m_name.empty()) return;
  [[maybe_unused]] const bool added = m_componentsByName.emplace(LowerAscii(component.m_name), &component).second;
  assert(added && "owned component names are unique");
}

void TComponent::UnindexName(const TComponent& component) {
  if (component.m_name.empty()) return;
  auto it = m_componentsByName.find(LowerAscii(component.m_name));
  if (it != m_componentsByName.end() && it->second == &component) m_componentsByName.erase(it);
}

TComponent* TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
  assert(!component->m_owner);
  component->m_owner = this;
  IndexName(*component);
  m_components.push_back(std::move(component));
  return m_components.back().get();
}

void TComponent::DestroyComponent(TComponent* component) {
  // Searched from the newest: a failed read destroys what it added last.
  auto it = std::find_if(m_components.rbegin(), m_components.rend(),
                         [component](const auto& c) { return c.get() == component; });
  if (it == m_components.rend()) return;
  UnindexName(*component);
  std::unique_ptr<TComponent> doomed = std::move(*it);
  m_components.erase(std::next(it).base());
}

void TComponent::SetComponentIndex(TComponent* component, int index) {
  auto it = std::find_if(m_components.begin(), m_components.end(),
                         [component](const auto& c) { return c.get() == component; });
  if (it == m_components.end()) return;
  std::unique_ptr<TComponent> moved = std::move(*it);
  m_components.erase(it);
  index = std::clamp(index, 0, static_cast<int>(m_components.size()));
  m_components.insert(m_components.begin() + index, std::move(moved));
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  auto it = m_componentsByName.find(LowerAscii(name));
  return it == m_componentsByName.end() ? nullptr : it->second;
}
