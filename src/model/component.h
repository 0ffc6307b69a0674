#pragma once
// A named component with an owner. The owner holds its components and destroys them with itself;
// the menu window owns every component read from a document.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/persistent.h"

class TComponent : public TPersistent {
 public:
  TComponent();
  ~TComponent() override;

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Name() const { return m_name; }
  // Checks and sets the name: an empty name is allowed, anything else must be an identifier
  // ("''%s'' is not a valid component name") unique among the owner's components ignoring case
  // ("A component named %s already exists").
  void SetName(const std::string& name);
  int32_t Tag() const { return m_tag; }
  void SetTag(int32_t tag) { m_tag = tag; }

  TComponent* Owner() const { return m_owner; }
  // Takes ownership of component, which must have no owner yet and no name that an owned
  // component already bears.
  TComponent* InsertComponent(std::unique_ptr<TComponent> component);
  // Destroys an owned component.
  void DestroyComponent(TComponent* component);
  // Moves an owned component to index in the ownership order (clamped to the valid range).
  void SetComponentIndex(TComponent* component, int index);
  const std::vector<std::unique_ptr<TComponent>>& Components() const { return m_components; }
  // The owned component of that name, ignoring letter case; null for an empty name or none.
  TComponent* FindComponent(std::string_view name) const;

  // The loading state lasts from construction by the reader until Loaded; setters that would
  // repaint or start media wait for Loaded.
  bool IsLoading() const { return m_loading; }
  void BeginLoading() { m_loading = true; }
  virtual void Loaded() { m_loading = false; }

  // Design position of a non-visual component (the stored "Left" and "Top"); kept, unused.
  int32_t DesignLeft() const { return m_designLeft; }
  int32_t DesignTop() const { return m_designTop; }

 private:
  void IndexName(TComponent& component);
  void UnindexName(const TComponent& component);

  std::string m_name;
  int32_t m_tag = 0;
  TComponent* m_owner = nullptr;
  std::vector<std::unique_ptr<TComponent>> m_components;
  // The named ones among m_components by lower-case name (names are ASCII identifiers), so a
  // name check does not walk every sibling: a menu's window owns thousands.
  std::unordered_map<std::string, TComponent*> m_componentsByName;
  bool m_loading = false;
  int32_t m_designLeft = 0;
  int32_t m_designTop = 0;
};
