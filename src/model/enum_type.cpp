#include "model/enum_type.h"

#include "model/names.h"

const TEnumType kBooleanType{"Boolean", {"False", "True"}};

int TEnumType::IndexOf(std::string_view valueName) const {
  for (size_t i = 0; i < values.size(); ++i)
    if (SameText(values[i], valueName)) return static_cast<int>(i);
  return -1;
}

TEnumType SplitEnumNames(std::string_view typeName, std::string_view list) {
  TEnumType type{typeName, {}};
  while (!list.empty()) {
    size_t comma = list.find(',');
    std::string_view item = list.substr(0, comma);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
    type.values.push_back(item);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return type;
}
