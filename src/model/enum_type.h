#pragma once
// Run-time description of an enumeration type of stored properties: its name and value names
// (ordinal = position). Sets of stored properties use the same description for their elements.

#include <cstdint>
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

// Splits a stringified list "a, b, c" into value names that point into the literal itself.
TEnumType SplitEnumNames(std::string_view typeName, std::string_view commaSeparated);

// Declares an enumeration of stored properties and its run-time description from one list:
// TELVO_ENUM(TKIVFillStyle, afsNormal, afsGradient, afsGlyph)
#define TELVO_ENUM(Type, ...)                                                \
  enum class Type : uint8_t { __VA_ARGS__ };                                 \
  template <>                                                                \
  inline const TEnumType& EnumTypeOf<Type>() {                               \
    static const TEnumType description = SplitEnumNames(#Type, #__VA_ARGS__); \
    return description;                                                      \
  }
