#pragma once
// Run-time description of an enumeration type of stored properties: its name and value names
// (ordinal = position). Sets of stored properties use the same description for their elements.

#include <string_view>
#include <vector>

struct TEnumType {
  std::string_view name;
  std::vector<std::string_view> values;

  // Ordinal of the value named valueName, ignoring letter case; -1 when there is none.
  int IndexOf(std::string_view valueName) const;
  int Count() const { return static_cast<int>(values.size()); }
};

extern const TEnumType kBooleanType;

// Maps a C++ enumeration to its description; each enumeration used by a property specialises it.
template <class E>
const TEnumType& EnumTypeOf();

template <>
inline const TEnumType& EnumTypeOf<bool>() {
  return kBooleanType;
}
