#include "document/component_writer.h"

#include <cmath>
#include <string>

#include "model/collection.h"
#include "model/control.h"
#include "document/stream_output.h"

namespace {

class TComponentWriter {
 public:
  explicit TComponentWriter(std::vector<uint8_t>& out) : m_out(out) {}

  void WriteRoot(const TComponent& root) {
    m_root = &root;
    m_out.WriteSignature();
    WriteComponent(root);
  }

 private:
  void WriteComponent(const TComponent& component) {
    m_out.WritePrefix(0, std::nullopt);
    m_out.WriteShortString(component.ClassName());
    m_out.WriteShortString(component.Name());
    WriteProperties(component);
    for (const TComponent* child : Children(component)) WriteComponent(*child);
    m_out.WriteEnd();
  }

  std::vector<const TComponent*> Children(const TComponent& component) const {
    std::vector<const TComponent*> children;
    if (const auto* window = As<TWinControl>(&component))
      for (const TControl* control : window->Controls())
        if (control->Owner() == m_root) children.push_back(control);
    if (&component == m_root)
      for (const auto& owned : m_root->Components()) {
        const auto* control = As<TControl>(owned.get());
        if (!control || !control->Parent()) children.push_back(owned.get());
      }
    return children;
  }

  void WriteProperties(const TPersistent& object) {
    for (const std::string& path : object.StoredPaths()) WriteProperty(object, path);
    m_out.WriteEnd();
  }

  void WriteProperty(const TPersistent& instance, const std::string& path) {
    auto* object = const_cast<TPersistent*>(&instance);
    size_t start = 0;
    for (size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
      const TPropInfo* prop = object->ClassType().FindProperty(std::string_view(path).substr(start, dot - start));
      if (!prop || prop->kind != TPropKind::Object || !(object = prop->getObject(*object))) return;
      start = dot + 1;
    }
    std::string_view last = std::string_view(path).substr(start);
    if (const TPropInfo* prop = object->ClassType().FindProperty(last)) {
      m_out.WriteShortString(path);
      WriteValue(*object, *prop);
    } else if (const TDefinedProp* defined = object->ClassType().FindDefined(last)) {
      // An entry with nothing to store (an empty data holder, an empty list) is left out.
      if (!defined->hasData(*object)) return;
      m_out.WriteShortString(path);
      defined->write(*object, m_out);
    }
  }

  void WriteValue(TPersistent& object, const TPropInfo& prop) {
    switch (prop.kind) {
      case TPropKind::Integer: {
        auto value = static_cast<int32_t>(prop.getOrdinal(object));
        if (auto ident = IntToIdent(prop.idents, value)) return m_out.WriteIdent(*ident);
        return m_out.WriteInteger(prop.getOrdinal(object));
      }
      case TPropKind::Int64: return m_out.WriteInteger(prop.getOrdinal(object));
      case TPropKind::Enumeration: {
        int64_t ordinal = prop.getOrdinal(object);
        if (ordinal >= 0 && ordinal < prop.enumType->Count())
          return m_out.WriteIdent(prop.enumType->values[static_cast<size_t>(ordinal)]);
        return m_out.WriteInteger(ordinal);
      }
      case TPropKind::Set: {
        std::vector<std::string> names;
        auto bits = static_cast<uint32_t>(prop.getOrdinal(object));
        for (int i = 0; i < prop.enumType->Count() && i < 32; ++i)
          if (bits & (1u << i)) names.emplace_back(prop.enumType->values[static_cast<size_t>(i)]);
        return m_out.WriteSet(names);
      }
      case TPropKind::Char:
      case TPropKind::String: return m_out.WriteString(prop.getString(object));
      case TPropKind::Float: {
        double value = prop.getFloat(object);
        switch (prop.floatType) {
          case TFloatType::Single: return m_out.WriteSingle(static_cast<float>(value));
          case TFloatType::Currency: return m_out.WriteCurrency(std::llround(value * 10000.0));
          case TFloatType::Date: return m_out.WriteDate(value);
          case TFloatType::Extended: return m_out.WriteExtended(value);
        }
        return;
      }
      case TPropKind::Object: {
        const auto* collection = As<TCollection>(prop.getObject(object));
        if (!collection) return m_out.WriteNil();
        m_out.WriteValueType(TValueType::vaCollection);
        for (int i = 0; i < collection->Count(); ++i) {
          m_out.WriteListBegin();
          WriteProperties(*collection->Item(i));
        }
        return m_out.WriteEnd();
      }
      case TPropKind::Reference: {
        const TComponent* target = prop.getReference(object);
        if (!target || target->Name().empty()) return m_out.WriteNil();
        return m_out.WriteIdent(target->Name());
      }
      case TPropKind::Event: {
        std::string method = prop.getString(object);
        if (method.empty()) return m_out.WriteNil();
        return m_out.WriteIdent(method);
      }
    }
  }

  TStreamOutput m_out;
  const TComponent* m_root = nullptr;
};

}  // namespace

std::vector<uint8_t> WriteRootComponent(const TComponent& root) {
  std::vector<uint8_t> bytes;
  TComponentWriter(bytes).WriteRoot(root);
  return bytes;
}
