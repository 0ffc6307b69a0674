#pragma once
// Checks shared by the control tests: a freshly constructed object holds every ordinal stream
// default of its class, so the writer omits exactly the values a new object already has.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string_view>

#include "model/class_info.h"
#include "model/persistent.h"

// exceptions names properties whose initial value deliberately differs from their stream default.
inline void ExpectFreshObjectHoldsStreamDefaults(const TClassInfo& cls, const std::set<std::string_view>& exceptions) {
  std::unique_ptr<TPersistent> object = cls.Create();
  ASSERT_NE(object, nullptr) << cls.Name();
  for (const TPropInfo* prop : cls.AllProperties()) {
    if (!prop->IsOrdinal() || !prop->streamDefault) continue;
    bool matches = prop->getOrdinal(*object) == *prop->streamDefault;
    EXPECT_NE(matches, exceptions.count(prop->name) > 0) << cls.Name() << "." << prop->name;
  }
}

// Sets property name of object through the class table and returns what the getter then reports.
inline int64_t SetAndRead(TPersistent& object, std::string_view name, int64_t value) {
  const TPropInfo* prop = object.ClassType().FindProperty(name);
  if (!prop || !prop->setOrdinal) {
    ADD_FAILURE() << "no writable property " << name;
    return 0;
  }
  prop->setOrdinal(object, value);
  return prop->getOrdinal(object);
}
