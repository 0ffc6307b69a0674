#pragma once
// Run-time class description: name, ancestor, factory, published properties (in stream order),
// defined properties (stored entries that are not published properties), published methods and
// the properties an ancestor keeps unpublished for descendants to publish. TClassBuilder builds
// one from member pointers so that every class declares its table in one place.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "model/prop_info.h"
#include "model/value_io.h"

class TPersistent;
class TComponent;

// Event bindings are kept generically on every persistent object (see persistent.h).
std::string GetEventBinding(const TPersistent& object, std::string_view event);
void SetEventBinding(TPersistent& object, std::string_view event, const std::string& method);

// A stored entry read and written by the object itself (for example "Strings" of a string list).
struct TDefinedProp {
  std::string_view name;
  std::function<void(TPersistent&, TValueReader&)> read;
  std::function<void(const TPersistent&, TValueWriter&)> write;
  std::function<bool(const TPersistent&)> hasData;  // whether the writer stores the entry at all
};

class TClassInfo {
 public:
  using TFactory = std::function<std::unique_ptr<TPersistent>()>;

  TClassInfo(std::string_view name, const TClassInfo* parent, TFactory factory, bool isComponent,
             std::vector<TPropInfo> published, std::vector<TPropInfo> unpublished,
             std::vector<TDefinedProp> defined, std::vector<std::string_view> methods);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  std::string_view Name() const { return m_name; }
  const TClassInfo* Parent() const { return m_parent; }
  bool InheritsFrom(const TClassInfo& other) const;
  bool IsComponent() const { return m_isComponent; }
  // A new instance; null for a class without a factory (abstract, or needing arguments).
  std::unique_ptr<TPersistent> Create() const;

  // Published property of this class or an ancestor, by name ignoring case; null when none.
  const TPropInfo* FindProperty(std::string_view name) const;
  // Every published property, ancestors' first, each class in declaration order.
  std::vector<const TPropInfo*> AllProperties() const;
  const TDefinedProp* FindDefined(std::string_view name) const;
  std::vector<const TDefinedProp*> AllDefined() const;
  bool HasMethod(std::string_view name) const;
  // Unpublished property of an ancestor that a descendant may publish (see TClassBuilder::Publish).
  const TPropInfo* FindUnpublished(std::string_view name) const;

 private:
  std::string_view m_name;
  const TClassInfo* m_parent;
  TFactory m_factory;
  bool m_isComponent;
  std::vector<TPropInfo> m_published;
  std::vector<TPropInfo> m_unpublished;
  std::vector<TDefinedProp> m_defined;
  std::vector<std::string_view> m_methods;
  std::unordered_map<std::string, size_t> m_publishedIndex;  // lower-case name -> m_published
};

// Accessor pair of one property: a data member, or a getter and a setter of the class.
template <class C, class T>
struct TAccess {
  std::function<T(const C&)> get;
  std::function<void(C&, T)> set;
};

template <class C, class T>
TAccess<C, T> Field(T C::*member) {
  return {[member](const C& c) { return c.*member; }, [member](C& c, T v) { c.*member = std::move(v); }};
}

template <class C, class R, class S>
TAccess<C, std::decay_t<R>> Accessors(R (C::*getter)() const, void (C::*setter)(S)) {
  using T = std::decay_t<R>;
  return {[getter](const C& c) -> T { return (c.*getter)(); },
          [setter](C& c, T v) { (c.*setter)(std::move(v)); }};
}

template <class C, class R>
TAccess<C, std::decay_t<R>> ReadOnly(R (C::*getter)() const) {
  return {[getter](const C& c) -> std::decay_t<R> { return (c.*getter)(); }, nullptr};
}

template <class C>
class TClassBuilder {
 public:
  // parent is null only for the persistent base. abstract classes get no factory.
  TClassBuilder(std::string_view name, const TClassInfo* parent) : m_name(name), m_parent(parent) {
    if constexpr (!std::is_abstract_v<C> && std::is_default_constructible_v<C>)
      m_factory = [] { return std::unique_ptr<TPersistent>(new C()); };
  }

  // Declarations after this call are kept unpublished until a descendant publishes them.
  TClassBuilder& Unpublished() {
    m_toUnpublished = true;
    return *this;
  }

  template <class T>
  TClassBuilder& Integer(std::string_view name, TAccess<C, T> a, std::optional<int64_t> def = std::nullopt,
                         TIdentTable idents = TIdentTable::None) {
    static_assert(std::is_integral_v<T>);
    TPropInfo p = Ordinal(name, TPropKind::Integer, std::move(a), def);
    p.idents = idents;
    return Add(std::move(p));
  }
  TClassBuilder& Color(std::string_view name, TAccess<C, TColor> a, std::optional<int64_t> def = std::nullopt) {
    return Integer(name, std::move(a), def, TIdentTable::Color);
  }
  TClassBuilder& Cursor(std::string_view name, TAccess<C, TCursor> a, std::optional<int64_t> def = std::nullopt) {
    return Integer(name, std::move(a), def, TIdentTable::Cursor);
  }
  TClassBuilder& Int64(std::string_view name, TAccess<C, int64_t> a) {
    return Add(Ordinal(name, TPropKind::Int64, std::move(a), std::nullopt));
  }
  TClassBuilder& Bool(std::string_view name, TAccess<C, bool> a, std::optional<bool> def = std::nullopt) {
    return Enum(name, std::move(a), def);
  }
  template <class E>
  TClassBuilder& Enum(std::string_view name, TAccess<C, E> a, std::optional<std::type_identity_t<E>> def = std::nullopt) {
    std::optional<int64_t> ordDef;
    if (def) ordDef = static_cast<int64_t>(*def);
    TPropInfo p = Ordinal(name, TPropKind::Enumeration, std::move(a), ordDef);
    p.enumType = &EnumTypeOf<E>();
    return Add(std::move(p));
  }
  // A set over the elements of elements, held as a bit mask (bit n = ordinal n).
  TClassBuilder& Set(std::string_view name, TAccess<C, uint32_t> a, const TEnumType& elements,
                     std::optional<uint32_t> def = std::nullopt) {
    std::optional<int64_t> ordDef;
    if (def) ordDef = *def;
    TPropInfo p = Ordinal(name, TPropKind::Set, std::move(a), ordDef);
    p.enumType = &elements;
    return Add(std::move(p));
  }
  TClassBuilder& Float(std::string_view name, TAccess<C, double> a, TFloatType type = TFloatType::Extended) {
    TPropInfo p;
    p.name = name;
    p.kind = TPropKind::Float;
    p.floatType = type;
    p.getFloat = [g = a.get](const TPersistent& o) { return g(static_cast<const C&>(o)); };
    if (a.set) p.setFloat = [s = a.set](TPersistent& o, double v) { s(static_cast<C&>(o), v); };
    return Add(std::move(p));
  }
  TClassBuilder& String(std::string_view name, TAccess<C, std::string> a) {
    return Add(Text(name, TPropKind::String, std::move(a)));
  }
  TClassBuilder& Char(std::string_view name, TAccess<C, std::string> a) {
    return Add(Text(name, TPropKind::Char, std::move(a)));
  }
  // An owned sub-object; the stream reaches it by dotted paths and never replaces it.
  // getter is a member function or a callable taking C& and returning the sub-object.
  template <class F>
  TClassBuilder& Object(std::string_view name, F getter) {
    TPropInfo p;
    p.name = name;
    p.kind = TPropKind::Object;
    p.getObject = [getter](TPersistent& o) -> TPersistent* { return std::invoke(getter, static_cast<C&>(o)); };
    return Add(std::move(p));
  }
  TClassBuilder& Reference(std::string_view name, TAccess<C, TComponent*> a, const TClassInfo& target) {
    TPropInfo p;
    p.name = name;
    p.kind = TPropKind::Reference;
    p.referenceClass = &target;
    p.getReference = [g = a.get](const TPersistent& o) { return g(static_cast<const C&>(o)); };
    if (a.set) p.setReference = [s = a.set](TPersistent& o, TComponent* v) { s(static_cast<C&>(o), v); };
    return Add(std::move(p));
  }
  // An event property; its binding (a method name of the root) is kept on the object.
  TClassBuilder& Event(std::string_view name) {
    TPropInfo p;
    p.name = name;
    p.kind = TPropKind::Event;
    p.getString = [name](const TPersistent& o) { return GetEventBinding(o, name); };
    p.setString = [name](TPersistent& o, const std::string& m) { SetEventBinding(o, name, m); };
    return Add(std::move(p));
  }
  template <class... Names>
  TClassBuilder& Events(Names... names) {
    (Event(names), ...);
    return *this;
  }
  // Publishes an ancestor's unpublished property, optionally with another stream default.
  TClassBuilder& Publish(std::string_view name, std::optional<int64_t> def = std::nullopt) {
    const TPropInfo* p = m_parent ? m_parent->FindUnpublished(name) : nullptr;
    if (!p) p = m_parent ? m_parent->FindProperty(name) : nullptr;
    if (!p) throw std::logic_error("no property to publish: " + std::string(name));
    TPropInfo copy = *p;
    if (def) copy.streamDefault = def;
    return Add(std::move(copy));
  }
  template <class... Names>
  TClassBuilder& PublishAll(Names... names) {
    (Publish(names), ...);
    return *this;
  }
  TClassBuilder& Defined(TDefinedProp d) {
    m_defined.push_back(std::move(d));
    return *this;
  }
  TClassBuilder& Method(std::string_view name) {
    m_methods.push_back(name);
    return *this;
  }

  TClassInfo* Build() {
    bool isComponent = IsComponentClass();
    return new TClassInfo(m_name, m_parent, std::move(m_factory), isComponent, std::move(m_published),
                          std::move(m_unpublished), std::move(m_defined), std::move(m_methods));
  }

 private:
  template <class T>
  static TPropInfo Ordinal(std::string_view name, TPropKind kind, TAccess<C, T> a, std::optional<int64_t> def) {
    TPropInfo p;
    p.name = name;
    p.kind = kind;
    p.streamDefault = def;
    p.getOrdinal = [g = a.get](const TPersistent& o) { return static_cast<int64_t>(g(static_cast<const C&>(o))); };
    if (a.set) p.setOrdinal = [s = a.set](TPersistent& o, int64_t v) { s(static_cast<C&>(o), static_cast<T>(v)); };
    return p;
  }
  static TPropInfo Text(std::string_view name, TPropKind kind, TAccess<C, std::string> a) {
    TPropInfo p;
    p.name = name;
    p.kind = kind;
    p.getString = [g = a.get](const TPersistent& o) { return g(static_cast<const C&>(o)); };
    if (a.set)
      p.setString = [s = a.set](TPersistent& o, const std::string& v) { s(static_cast<C&>(o), v); };
    return p;
  }
  TClassBuilder& Add(TPropInfo p) {
    (m_toUnpublished ? m_unpublished : m_published).push_back(std::move(p));
    return *this;
  }
  static bool IsComponentClass() { return std::is_base_of_v<TComponent, C>; }

  std::string_view m_name;
  const TClassInfo* m_parent;
  TClassInfo::TFactory m_factory;
  bool m_toUnpublished = false;
  std::vector<TPropInfo> m_published;
  std::vector<TPropInfo> m_unpublished;
  std::vector<TDefinedProp> m_defined;
  std::vector<std::string_view> m_methods;
};
