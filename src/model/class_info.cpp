#include "model/class_info.h"

#include "model/names.h"
#include "model/persistent.h"

TClassInfo::TClassInfo(std::string_view name, const TClassInfo* parent, TFactory factory, bool isComponent,
                       std::vector<TPropInfo> published, std::vector<TPropInfo> unpublished,
                       std::vector<TDefinedProp> defined, std::vector<std::string_view> methods)
    : m_name(name),
      m_parent(parent),
      m_factory(std::move(factory)),
      m_isComponent(isComponent),
      m_published(std::move(published)),
      m_unpublished(std::move(unpublished)),
      m_defined(std::move(defined)),
      m_methods(std::move(methods)) {
  for (size_t i = 0; i < m_published.size(); ++i) m_publishedIndex.emplace(LowerAscii(m_published[i].name), i);
}

std::unique_ptr<TPersistent> TClassInfo::Create() const { return m_factory ? m_factory() : nullptr; }

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->m_parent)
    if (c == &other) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  const std::string key = LowerAscii(name);
  for (const TClassInfo* c = this; c; c = c->m_parent) {
    auto it = c->m_publishedIndex.find(key);
    if (it != c->m_publishedIndex.end()) return &c->m_published[it->second];
  }
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c; c = c->m_parent) chain.insert(chain.begin(), c);
  std::vector<const TPropInfo*> all;
  for (const TClassInfo* c : chain)
    for (const TPropInfo& p : c->m_published) {
      // A descendant that publishes a property again replaces the ancestor's entry in place.
      bool replaced = false;
      for (const TPropInfo*& existing : all)
        if (SameText(existing->name, p.name)) existing = &p, replaced = true;
      if (!replaced) all.push_back(&p);
    }
  return all;
}

const TDefinedProp* TClassInfo::FindDefined(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->m_parent)
    for (const TDefinedProp& d : c->m_defined)
      if (SameText(d.name, name)) return &d;
  return nullptr;
}

std::vector<const TDefinedProp*> TClassInfo::AllDefined() const {
  std::vector<const TDefinedProp*> all;
  for (const TClassInfo* c = this; c; c = c->m_parent)
    for (const TDefinedProp& d : c->m_defined) all.push_back(&d);
  return all;
}

bool TClassInfo::HasMethod(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->m_parent)
    for (std::string_view m : c->m_methods)
      if (SameText(m, name)) return true;
  return false;
}

const TPropInfo* TClassInfo::FindUnpublished(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->m_parent)
    for (const TPropInfo& p : c->m_unpublished)
      if (SameText(p.name, name)) return &p;
  return nullptr;
}
