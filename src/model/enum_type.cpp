#include "model/enum_type.h"

#include "model/names.h"

const TEnumType kBooleanType{"Boolean", {"False", "True"}};

int TEnumType::IndexOf(std::string_view valueName) const {
  for (size_t i = 0; i < values.size(); ++i)
    if (SameText(values[i], valueName)) return static_cast<int>(i);
  return -1;
}
