#include "model/prop_info.h"

bool TPropInfo::IsWritable() const {
  switch (kind) {
    case TPropKind::Integer:
    case TPropKind::Enumeration:
    case TPropKind::Set:
    case TPropKind::Int64: return static_cast<bool>(setOrdinal);
    case TPropKind::Char:
    case TPropKind::String:
    case TPropKind::Event: return static_cast<bool>(setString);
    case TPropKind::Float: return static_cast<bool>(setFloat);
    case TPropKind::Object: return static_cast<bool>(getObject);
    case TPropKind::Reference: return static_cast<bool>(setReference);
  }
  return false;
}
