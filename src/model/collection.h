#pragma once
// A collection of items of one class, stored as a collection value: when the document stores at
// least one item the collection is emptied first and one item is added per stored item.

#include <memory>
#include <vector>

#include "model/persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  TCollection* Collection() const { return m_collection; }

 private:
  friend class TCollection;
  TCollection* m_collection = nullptr;
};

class TCollection : public TPersistent {
 public:
  // itemClass must derive from TCollectionItem and have a factory.
  explicit TCollection(const TClassInfo& itemClass);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // A null source clears; another collection of the same item class is copied item by item.
  void Assign(const TPersistent* source) override;

  const TClassInfo& ItemClass() const { return *m_itemClass; }
  TCollectionItem* Add();
  void Clear() { m_items.clear(); }
  int Count() const { return static_cast<int>(m_items.size()); }
  TCollectionItem* Item(int index) const { return m_items[static_cast<size_t>(index)].get(); }

 private:
  const TClassInfo* m_itemClass;
  std::vector<std::unique_ptr<TCollectionItem>> m_items;
};
