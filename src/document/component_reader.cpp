#include "document/component_reader.h"

#include <vector>

#include "model/collection.h"
#include "model/control.h"
#include "model/names.h"
#include "model/read_error.h"
#include "model/text_encoding.h"

namespace {

class TComponentReader {
 public:
  TComponentReader(TStreamInput& input, TComponent& root, const TClassRegistry& registry, const TReadOptions& options)
      : m_in(input), m_root(root), m_registry(registry), m_options(options) {}

  void ReadRoot();

 private:
  struct TFixup {
    TPersistent* object;
    const TPropInfo* prop;
    std::string name;
  };

  void ReadChildren(TComponent& parent, int depth);
  void ReadChild(TComponent& parent, int depth);
  void ReadPropertyList(TPersistent& instance);
  void ReadProperty(TPersistent& instance, const std::string& path);
  void SetProperty(TPersistent& instance, const std::string& path);
  void ReadValue(TPersistent& object, const TPropInfo& prop);
  int64_t ReadOrdinalValue(const TPropInfo& prop);
  double ReadFloatValue(const TPropInfo& prop);
  void ReadCollection(TCollection& collection);
  void SkipUnknown(TPersistent& instance, const std::string& path, std::string_view name);
  [[noreturn]] void Fail(const std::string& message) const { m_in.Fail(message); }

  TStreamInput& m_in;
  TComponent& m_root;
  const TClassRegistry& m_registry;
  const TReadOptions& m_options;
  std::vector<TComponent*> m_loadOrder;
  std::vector<TFixup> m_fixups;
};

std::string DisplayName(const TPersistent& instance) {
  if (const auto* component = As<TComponent>(&instance); component && !component->Name().empty())
    return component->Name();
  return std::string(instance.ClassName());
}

std::string Decoded(const std::string& raw) {
  return Cp1252ToUtf8({reinterpret_cast<const uint8_t*>(raw.data()), raw.size()});
}

void TComponentReader::ReadRoot() {
  m_in.ReadSignature();
  int64_t position = 0;
  m_in.ReadPrefix(position);
  m_in.ReadShortString();  // the stored class name; the existing root is filled whatever it says
  std::string storedName = Decoded(m_in.ReadShortString());
  std::string name = storedName;
  // The root's name must be unique among the top-level components (those of its owner).
  if (TComponent* owner = m_root.Owner())
    for (int suffix = 1;; ++suffix) {
      TComponent* other = owner->FindComponent(name);
      if (!other || other == &m_root) break;
      name = storedName + "_" + std::to_string(suffix);
    }
  try {
    m_root.SetName(name);
  } catch (const EConvertError& e) {
    Fail(e.what());
  }
  m_root.BeginLoading();
  m_loadOrder.push_back(&m_root);
  ReadPropertyList(m_root);
  ReadChildren(m_root, 0);
  for (TComponent* component : m_loadOrder) component->Loaded();
  for (const TFixup& fixup : m_fixups) {
    TComponent* target = SameText(fixup.name, m_root.Name()) ? &m_root : m_root.FindComponent(fixup.name);
    if (target && target->InheritsFrom(*fixup.prop->referenceClass)) fixup.prop->setReference(*fixup.object, target);
  }
}

void TComponentReader::ReadChildren(TComponent& parent, int depth) {
  if (depth >= TStreamInput::kMaxComponentDepth) Fail(kInvalidStreamFormat);
  while (!m_in.EndOfList()) ReadChild(parent, depth + 1);
  m_in.ReadByte();
}

void TComponentReader::ReadChild(TComponent& parent, int depth) {
  int64_t childPosition = -1;
  uint8_t flags = m_in.ReadPrefix(childPosition);
  std::string className = Decoded(m_in.ReadShortString());
  std::string name = Decoded(m_in.ReadShortString());

  if (flags & 0x01) {
    // The builder never writes inherited records; they name a component that must exist.
    TComponent* existing = m_root.FindComponent(name);
    if (!existing) Fail("Ancestor for '" + name + "' not found");
    ReadPropertyList(*existing);
    ReadChildren(*existing, depth);
    return;
  }

  const TClassInfo* cls = m_registry.FindClass(className);
  if (!cls || !cls->IsComponent()) Fail("Class " + className + " not found");
  std::unique_ptr<TPersistent> created = cls->Create();
  if (!created) Fail("Class " + className + " not found");

  const size_t firstNew = m_root.Components().size();
  const size_t loadMark = m_loadOrder.size();
  auto* component = m_root.InsertComponent(std::unique_ptr<TComponent>(static_cast<TComponent*>(created.release())));
  try {
    component->BeginLoading();
    auto* control = As<TControl>(component);
    auto* parentWindow = As<TWinControl>(&parent);
    if (control && parentWindow) control->SetParent(parentWindow);
    try {
      component->SetName(name);
    } catch (const EConvertError& e) {
      Fail(e.what());
    }
    m_loadOrder.push_back(component);
    ReadPropertyList(*component);
    ReadChildren(*component, depth);
    if (childPosition >= 0) {
      int index = static_cast<int>(std::min<int64_t>(childPosition, INT32_MAX));
      if (control && control->Parent())
        control->Parent()->SetChildOrder(control, index);
      else if (!control)
        m_root.SetComponentIndex(component, index);
    }
  } catch (...) {
    // Nothing of the failed record stays: destroy it and everything read inside it.
    m_loadOrder.resize(loadMark);
    while (m_root.Components().size() > firstNew) m_root.DestroyComponent(m_root.Components().back().get());
    throw;
  }
}

void TComponentReader::ReadPropertyList(TPersistent& instance) {
  while (!m_in.EndOfList()) {
    std::string path = Decoded(m_in.ReadShortString());
    ReadProperty(instance, path);
  }
  m_in.ReadByte();
}

void TComponentReader::ReadProperty(TPersistent& instance, const std::string& path) {
  try {
    SetProperty(instance, path);
  } catch (const std::exception& e) {
    uint64_t offset = m_in.Position();
    if (const auto* readError = dynamic_cast<const EReadError*>(&e)) offset = readError->OffsetBytes();
    throw EReadError("Error reading " + DisplayName(instance) + "." + path + ": " + e.what(), offset);
  }
}

void TComponentReader::SetProperty(TPersistent& instance, const std::string& path) {
  TPersistent* object = &instance;
  size_t start = 0;
  for (size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
    std::string_view segment(path.data() + start, dot - start);
    const TPropInfo* prop = object->ClassType().FindProperty(segment);
    if (!prop) return SkipUnknown(instance, path, segment);
    if (prop->kind != TPropKind::Object) Fail(kInvalidPropertyPath);
    object = prop->getObject(*object);
    if (!object) Fail(kInvalidPropertyPath);
    start = dot + 1;
  }
  std::string_view last(path.data() + start, path.size() - start);
  if (const TPropInfo* prop = object->ClassType().FindProperty(last)) {
    if (!prop->IsWritable()) Fail(kPropertyReadOnly);
    ReadValue(*object, *prop);
  } else if (const TDefinedProp* defined = object->ClassType().FindDefined(last)) {
    defined->read(*object, m_in);
  } else {
    return SkipUnknown(instance, path, last);
  }
  instance.NoteStored(path);
}

void TComponentReader::SkipUnknown(TPersistent& instance, const std::string& path, std::string_view name) {
  if (!m_options.skipUnknownProperties) Fail("Property " + std::string(name) + " does not exist");
  if (m_options.onUnknownProperty) m_options.onUnknownProperty(DisplayName(instance), path);
  m_in.SkipValue();
}

void TComponentReader::ReadValue(TPersistent& object, const TPropInfo& prop) {
  switch (prop.kind) {
    case TPropKind::Integer:
    case TPropKind::Enumeration:
    case TPropKind::Set:
    case TPropKind::Int64: prop.setOrdinal(object, ReadOrdinalValue(prop)); return;
    case TPropKind::Char: {
      std::string text = m_in.ReadString();
      size_t pos = 0;
      if (!text.empty()) NextCodePoint(text, pos);
      if (pos != text.size()) Fail(kInvalidPropertyValue);
      prop.setString(object, text);
      return;
    }
    case TPropKind::Float: prop.setFloat(object, ReadFloatValue(prop)); return;
    case TPropKind::String: prop.setString(object, m_in.ReadString()); return;
    case TPropKind::Object: {
      TPersistent* sub = prop.getObject(object);
      TValueType type = m_in.NextValue();
      if (type == TValueType::vaNil) {
        m_in.ReadValueType();
        if (sub) sub->Assign(nullptr);
      } else if (type == TValueType::vaCollection && As<TCollection>(sub)) {
        m_in.ReadValueType();
        ReadCollection(*As<TCollection>(sub));
      } else {
        Fail(kInvalidPropertyValue);
      }
      return;
    }
    case TPropKind::Reference: {
      TValueType type = m_in.ReadValueType();
      if (type == TValueType::vaNil) return prop.setReference(object, nullptr);
      if (type != TValueType::vaIdent) Fail(kInvalidPropertyValue);
      m_fixups.push_back({&object, &prop, m_in.ReadIdentPayload(type)});
      return;
    }
    case TPropKind::Event: {
      TValueType type = m_in.ReadValueType();
      if (type == TValueType::vaNil) return prop.setString(object, {});
      if (type != TValueType::vaIdent) Fail(kInvalidPropertyValue);
      std::string method = m_in.ReadIdentPayload(type);
      // Events bind only to the methods the root's class publishes.
      if (!m_root.ClassType().HasMethod(method)) Fail(kInvalidPropertyValue);
      prop.setString(object, method);
      return;
    }
  }
}

int64_t TComponentReader::ReadOrdinalValue(const TPropInfo& prop) {
  TValueType type = m_in.ReadValueType();
  switch (prop.kind) {
    case TPropKind::Integer:
      if (type == TValueType::vaIdent) {
        std::optional<int32_t> value = IdentToInt(prop.idents, m_in.ReadIdentPayload(type));
        if (!value) Fail(kInvalidPropertyValue);
        return *value;
      }
      if (type == TValueType::vaInt64) Fail(kInvalidPropertyValue);
      return m_in.ReadIntegerPayload(type);
    case TPropKind::Int64: return m_in.ReadIntegerPayload(type);
    case TPropKind::Enumeration: {
      int index = prop.enumType->IndexOf(m_in.ReadIdentPayload(type));
      // A name outside the type is refused, so no out-of-range value reaches a control.
      if (index < 0) Fail(kInvalidPropertyValue);
      return index;
    }
    case TPropKind::Set: {
      if (type != TValueType::vaSet) Fail(kInvalidPropertyValue);
      uint32_t bits = 0;
      for (const std::string& element : m_in.ReadSetPayload()) {
        int index = prop.enumType->IndexOf(element);
        if (index < 0 || index >= 32) Fail(kInvalidPropertyValue);
        bits |= 1u << index;
      }
      return bits;
    }
    default: Fail(kInvalidPropertyValue);
  }
}

double TComponentReader::ReadFloatValue(const TPropInfo& prop) {
  TValueType type = m_in.ReadValueType();
  switch (type) {
    case TValueType::vaExtended: return m_in.ReadExtendedPayload();
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
    case TValueType::vaInt64: return static_cast<double>(m_in.ReadIntegerPayload(type));
    case TValueType::vaSingle:
      if (prop.floatType != TFloatType::Single) break;
      return m_in.ReadSinglePayload();
    case TValueType::vaCurrency:
      if (prop.floatType != TFloatType::Currency) break;
      return static_cast<double>(m_in.ReadInt64Payload()) / 10000.0;
    case TValueType::vaDate:
      if (prop.floatType != TFloatType::Date) break;
      return m_in.ReadDoublePayload();
    default: break;
  }
  Fail(kInvalidPropertyValue);
}

void TComponentReader::ReadCollection(TCollection& collection) {
  if (!m_in.EndOfList()) collection.Clear();
  while (!m_in.EndOfList()) {
    TValueType type = m_in.NextValue();
    if (type == TValueType::vaInt8 || type == TValueType::vaInt16 || type == TValueType::vaInt32) m_in.ReadInteger();
    m_in.ReadListBegin();
    TCollectionItem* item = collection.Add();
    while (!m_in.EndOfList()) ReadProperty(*item, Decoded(m_in.ReadShortString()));
    m_in.ReadListEnd();
  }
  m_in.ReadListEnd();
}

}  // namespace

void ReadRootComponent(TStreamInput& input, TComponent& root, const TClassRegistry& registry,
                       const TReadOptions& options) {
  TComponentReader(input, root, registry, options).ReadRoot();
}
