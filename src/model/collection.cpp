#include "model/collection.h"

#include <cassert>

const TClassInfo& TCollectionItem::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TCollectionItem>("TCollectionItem", &TPersistent::StaticClass()).Build();
  return *info;
}

const TClassInfo& TCollection::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TCollection>("TCollection", &TPersistent::StaticClass()).Build();
  return *info;
}

TCollection::TCollection(const TClassInfo& itemClass) : m_itemClass(&itemClass) {
  assert(itemClass.InheritsFrom(TCollectionItem::StaticClass()));
}

TCollectionItem* TCollection::Add() {
  std::unique_ptr<TPersistent> created = m_itemClass->Create();
  assert(created);
  auto* item = static_cast<TCollectionItem*>(created.release());
  item->m_collection = this;
  m_items.emplace_back(item);
  return item;
}

void TCollection::Assign(const TPersistent* source) {
  if (!source) {
    Clear();
    return;
  }
  const TCollection* from = As<TCollection>(source);
  if (!from || from->m_itemClass != m_itemClass) AssignError(source);
  if (from == this) return;
  Clear();
  for (const auto& item : from->m_items) Add()->Assign(item.get());
}
