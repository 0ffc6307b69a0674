#pragma once
// Metadata of one published property: its stored name, its type and the accessors through
// which the generic stream reader and writer get and set it. Declared once per class, in the
// class's table (see class_info.h); nothing else lists properties.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/enum_type.h"
#include "model/ident_tables.h"

class TPersistent;
class TComponent;
class TClassInfo;

enum class TPropKind : uint8_t {
  Integer,      // 8 to 32 bit, signed or not; may accept identifiers through `idents`
  Char,         // a string of at most one character
  Enumeration,  // includes Boolean; stored by value name
  Set,          // bit mask over `enumType`'s ordinals
  Int64,
  Float,
  String,       // UTF-8
  Object,       // owned sub-object reached by dotted paths (font, picture, list, record, collection)
  Reference,    // another component, stored by name and resolved after the tree is read
  Event,        // bound to a published method of the root, stored by method name
};

enum class TFloatType : uint8_t { Extended, Single, Currency, Date };

struct TPropInfo {
  std::string_view name;
  TPropKind kind = TPropKind::Integer;
  const TEnumType* enumType = nullptr;
  TIdentTable idents = TIdentTable::None;
  TFloatType floatType = TFloatType::Extended;
  std::optional<int64_t> streamDefault;  // ordinal kinds only; the writer omits a value equal to it
  const TClassInfo* referenceClass = nullptr;

  std::function<int64_t(const TPersistent&)> getOrdinal;  // Integer, Char, Enumeration, Set, Int64
  std::function<void(TPersistent&, int64_t)> setOrdinal;
  std::function<double(const TPersistent&)> getFloat;
  std::function<void(TPersistent&, double)> setFloat;
  std::function<std::string(const TPersistent&)> getString;  // String, Char as text, Event
  std::function<void(TPersistent&, const std::string&)> setString;
  std::function<TPersistent*(TPersistent&)> getObject;  // Object
  std::function<TComponent*(const TPersistent&)> getReference;
  std::function<void(TPersistent&, TComponent*)> setReference;

  bool IsOrdinal() const {
    return kind == TPropKind::Integer || kind == TPropKind::Char || kind == TPropKind::Enumeration ||
           kind == TPropKind::Set || kind == TPropKind::Int64;
  }
  // Whether the stream may set this property (a property without write access fails to load).
  bool IsWritable() const;
};
