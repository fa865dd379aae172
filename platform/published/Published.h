// Published properties: per class (by class name, with its parent class, so
// properties are inherited and descendants may change a default), each property's
// name, kind, typed access and default, as form definitions read and write them.
// Also the component classes that a definition may create by name, and the rules
// that place a nested component into its container (a control into its parent).
//
// A class publishes its properties once, from a registration function that the
// program calls before the first definition is read:
//
//   PublishClass<TButton, TWinControl>()
//       .Enum("ModalResult", ModalResultNames(), &TButton::ModalResult, &TButton::SetModalResult, 0)
//       .Bool("Default", &TButton::Default, &TButton::SetDefault, false)
//       .Event("OnClick", &TButton::OnClick);
#pragma once

#include <functional>
#include <limits>
#include <memory>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "platform/core/ClassRegistry.h"
#include "platform/core/Component.h"
#include "platform/core/Events.h"
#include "platform/graphics/Colors.h"
#include "platform/io/Streams.h"

enum TPropKind {
  pkInteger,    // 12
  pkBool,       // True / False
  pkEnum,       // an identifier of the type's names (ordinal = index)
  pkSet,        // [a, b]: bit i stands for name i
  pkString,     // 'text'
  pkIdentInt,   // an integer written as its identifier where it has one: colours, cursors
  pkFloat,      // 1.5
  pkShortCut,   // 'Ctrl+D' (or the number)
  pkObject,     // a sub-object with its own properties (TFont, TStrings, TPicture, TCollection)
  pkStrings,    // ('a' 'b'): the lines of a TStrings (its "Strings")
  pkComponent,  // a reference to a component by name
  pkEvent,      // the name of a handler the form registered
  pkBinary,     // bytes: {hex} or {file 'name'}
};

// The identifiers of an enumeration, in ordinal order; or of a set's elements,
// name i standing for bit i.
struct TEnumNames {
  String TypeName;
  std::vector<String> Names;

  // The ordinal of a name (case-insensitive); -1 when unknown.
  int IndexOf(const String& name) const;
};

// Integers that have names: identifier -> value and back (colours, cursors).
struct TIdentMap {
  std::function<bool(const String& ident, Int64& value)> ToValue;
  std::function<bool(Int64 value, String& ident)> ToIdent;
};
// A map from a table of values and their identifiers.
TIdentMap IdentMapOf(std::vector<std::pair<Int64, String>> table);
const TIdentMap& ColorIdents();
const TIdentMap& CursorIdents();   // crDefault 0, crArrow -2, ..., crHourGlass -11, ...
const TIdentMap& CharsetIdents();  // DEFAULT_CHARSET 1, ANSI_CHARSET 0, ...

// ---------------------------------------------------------------------------
// Event values of any event type, as properties and form handlers hold them.

class TMethodValue {
public:
  TMethodValue() = default;
  template <class... Args>
  static TMethodValue Of(const TEvent<Args...>& event) {
    TMethodValue made;
    made.type_ = &typeid(TEvent<Args...>);
    made.value_ = std::make_shared<TEvent<Args...>>(event);
    made.equals_ = [](const void* a, const void* b) {
      return *static_cast<const TEvent<Args...>*>(a) == *static_cast<const TEvent<Args...>*>(b);
    };
    made.assigned_ = [](const void* a) { return static_cast<bool>(*static_cast<const TEvent<Args...>*>(a)); };
    return made;
  }

  // The event when it is of type E, else nullptr.
  template <class E>
  const E* As() const {
    return type_ && *type_ == typeid(E) ? static_cast<const E*>(value_.get()) : nullptr;
  }
  bool Assigned() const { return value_ && assigned_(value_.get()); }
  const std::type_info* Type() const { return type_; }
  // The same type and the same object and method.
  bool SameAs(const TMethodValue& other) const {
    return type_ && other.type_ && *type_ == *other.type_ && equals_(value_.get(), other.value_.get());
  }

private:
  const std::type_info* type_ = nullptr;
  std::shared_ptr<void> value_;
  bool (*equals_)(const void*, const void*) = nullptr;
  bool (*assigned_)(const void*) = nullptr;
};

// ---------------------------------------------------------------------------
// One published property. The access functions that fit the kind are set:
// ordinal kinds (integer, bool, enum, set, ident-int, shortcut) go through
// GetOrdinal / SetOrdinal, strings through GetString / SetString, and so on.

struct TPropInfo {
  String Name;
  TPropKind Kind = pkInteger;
  const TEnumNames* Names = nullptr;  // pkEnum, pkSet
  const TIdentMap* Idents = nullptr;  // pkIdentInt

  std::function<Int64(TPersistent*)> GetOrdinal;
  std::function<void(TPersistent*, Int64)> SetOrdinal;
  std::function<String(TPersistent*)> GetString;
  std::function<void(TPersistent*, const String&)> SetString;
  std::function<double(TPersistent*)> GetFloat;
  std::function<void(TPersistent*, double)> SetFloat;
  // pkObject, pkStrings: the sub-object, owned by the instance.
  std::function<TPersistent*(TPersistent*)> GetObject;
  // pkComponent: the reference; Accepts tells whether a component fits the type.
  std::function<TComponent*(TPersistent*)> GetComponent;
  std::function<void(TPersistent*, TComponent*)> SetComponent;
  std::function<bool(TComponent*)> Accepts;
  String ComponentType;
  // pkEvent: the event's type and value.
  const std::type_info* EventType = nullptr;
  std::function<TMethodValue(TPersistent*)> GetEvent;
  std::function<void(TPersistent*, const TMethodValue&)> SetEvent;
  // pkBinary: reads the bytes (`fileName` is the file they came from, empty when
  // given inline); writes them and answers false when there is nothing to write.
  std::function<void(TPersistent*, TStream&, const String& fileName)> ReadBinary;
  std::function<bool(TPersistent*, TStream&)> WriteBinary;

  Int64 DefaultOrdinal = 0;
  String DefaultString;
  double DefaultFloat = 0;
  bool HasDefault = true;  // false: always written (ordinals, strings, floats)
  // When set and false, the property is not written (Font while ParentFont).
  std::function<bool(TPersistent*)> Stored;
};

class TPublishedClass {
public:
  String Name;
  const TPublishedClass* Parent = nullptr;
  std::function<bool(const TPersistent*)> IsInstance;
  const std::type_info* Type = nullptr;  // nullptr while only named as a parent

  // Inherited and own properties in the order they were published (the parent's
  // first); a descendant's property or default replaces the parent's in place.
  const std::vector<TPropInfo>& Properties() const;
  // Case-insensitive; nullptr when the class has no such property.
  const TPropInfo* Find(const String& name) const;

  void Add(TPropInfo property);
  void OverrideDefault(const String& name, Int64 ordinal);
  void OverrideDefault(const String& name, const String& text);
  void Hide(const String& name);  // a property the descendant does not publish
  // The property added last, for changes right after it was added.
  TPropInfo& LastAdded();

private:
  struct Change {
    enum { Add, Default, Hide } What;
    TPropInfo Property;
  };
  std::vector<Change> changes_;
  mutable std::vector<TPropInfo> flat_;
  mutable unsigned flatGeneration_ = 0;
};

// The registered class of that exact name, or nullptr.
TPublishedClass* FindPublishedClass(const String& className);
// The class of an object: its own when registered, else that of its nearest
// registered ancestor; nullptr when none is registered.
const TPublishedClass* PublishedClassOf(const TPersistent* instance);
// Registers (or finds) a class by name and type test; used by PublishClass.
// EInvalidOperation when another C++ type was published under the same name.
TPublishedClass& RegisterPublishedClass(const String& name, const String& parentName, const std::type_info& type,
                                        std::function<bool(const TPersistent*)> isInstance);

// The component classes a definition can create by name, with the owner.
using TComponentClassList = TClassList<TComponent, TComponent*>;
TComponentClassList& ComponentClasses();

// ---------------------------------------------------------------------------
// Placement of nested components: a definition nests a control in its parent
// control and a menu item in its menu. Each rule answers whether it placed the
// child (Place) and, for the writer, which component holds a child (Container).

struct TChildPlacement {
  std::function<bool(TComponent* child, TComponent* container)> Place;
  std::function<TComponent*(TComponent* child)> Container;
};
void RegisterChildPlacement(const TChildPlacement& placement);
const std::vector<TChildPlacement>& ChildPlacements();

// ---------------------------------------------------------------------------
// The typed side: PublishClass<T, Parent>() and its builder.

namespace published_detail {

template <class T, class Access>
decltype(auto) Get(Access access, T& object) {
  return std::invoke(access, object);
}

template <class T, class Access, class V>
void Set(Access access, T& object, V&& value) {
  if constexpr (std::is_member_object_pointer_v<Access>)
    object.*access = std::forward<V>(value);
  else
    std::invoke(access, object, std::forward<V>(value));
}

// An integer too large for the property's type is refused; 32-bit types take
// unsigned values too ($8000000F for a system colour).
template <class V>
void CheckRange(Int64 value) {
  if constexpr (std::is_integral_v<V> && !std::is_same_v<V, bool> && sizeof(V) < 8) {
    Int64 low = std::is_signed_v<V> ? static_cast<Int64>(std::numeric_limits<V>::min()) : 0;
    Int64 high = static_cast<Int64>(std::numeric_limits<std::make_unsigned_t<V>>::max());
    if (sizeof(V) == 4) low = std::numeric_limits<std::int32_t>::min();
    else if (std::is_signed_v<V>) high = std::numeric_limits<V>::max();
    if (value < low || value > high) throw ERangeError("Value " + std::to_string(value) + " is out of range");
  }
}

template <class T, class Access>
using ValueOf = std::decay_t<std::invoke_result_t<Access, T&>>;

}  // namespace published_detail

template <class T>
class TPublishedBuilder {
public:
  explicit TPublishedBuilder(TPublishedClass& published) : class_(published) {}

  TPublishedClass& Class() { return class_; }

  // Getters are member functions, data members or callables taking T&; setters
  // are member functions, data members or callables taking (T&, value).
  template <class G, class S>
  TPublishedBuilder& Integer(const String& name, G get, S set, Int64 def = 0) {
    return Ordinal(name, pkInteger, get, set, def);
  }
  template <class G, class S>
  TPublishedBuilder& Bool(const String& name, G get, S set, bool def = false) {
    return Ordinal(name, pkBool, get, set, def ? 1 : 0);
  }
  template <class G, class S>
  TPublishedBuilder& Enum(const String& name, const TEnumNames& names, G get, S set, Int64 def = 0) {
    Ordinal(name, pkEnum, get, set, def);
    last().Names = &names;
    return *this;
  }
  template <class G, class S>
  TPublishedBuilder& Set(const String& name, const TEnumNames& names, G get, S set, Int64 def = 0) {
    Ordinal(name, pkSet, get, set, def);
    last().Names = &names;
    return *this;
  }
  template <class G, class S>
  TPublishedBuilder& Color(const String& name, G get, S set, TColor def) {
    return IdentInt(name, ColorIdents(), get, set, def);
  }
  template <class G, class S>
  TPublishedBuilder& IdentInt(const String& name, const TIdentMap& idents, G get, S set, Int64 def) {
    Ordinal(name, pkIdentInt, get, set, def);
    last().Idents = &idents;
    return *this;
  }
  template <class G, class S>
  TPublishedBuilder& ShortCut(const String& name, G get, S set, Int64 def = 0) {
    return Ordinal(name, pkShortCut, get, set, def);
  }
  template <class G, class S>
  TPublishedBuilder& Str(const String& name, G get, S set, const String& def = String()) {
    TPropInfo info = Named(name, pkString);
    info.GetString = [get](TPersistent* o) { return String(published_detail::Get(get, Cast(o))); };
    info.SetString = [set](TPersistent* o, const String& v) { published_detail::Set(set, Cast(o), v); };
    info.DefaultString = def;
    return Add(std::move(info));
  }
  template <class G, class S>
  TPublishedBuilder& Float(const String& name, G get, S set, double def = 0) {
    TPropInfo info = Named(name, pkFloat);
    info.GetFloat = [get](TPersistent* o) { return static_cast<double>(published_detail::Get(get, Cast(o))); };
    info.SetFloat = [set](TPersistent* o, double v) {
      using V = published_detail::ValueOf<T, G>;
      published_detail::Set(set, Cast(o), static_cast<V>(v));
    };
    info.DefaultFloat = def;
    return Add(std::move(info));
  }
  // A sub-object the instance owns (a pointer or a reference from the getter).
  template <class G>
  TPublishedBuilder& Object(const String& name, G get) {
    TPropInfo info = Named(name, pkObject);
    info.GetObject = [get](TPersistent* o) -> TPersistent* {
      decltype(auto) sub = published_detail::Get(get, Cast(o));
      if constexpr (std::is_pointer_v<std::decay_t<decltype(sub)>>)
        return sub;
      else
        return &sub;
    };
    return Add(std::move(info));
  }
  // The lines of a TStrings reached through the getter, as a list of strings.
  template <class G>
  TPublishedBuilder& Lines(const String& name, G get) {
    Object(name, get);
    last().Kind = pkStrings;
    return *this;
  }
  // A reference to a component of class C (or a descendant).
  template <class C, class G, class S>
  TPublishedBuilder& Component(const String& name, G get, S set) {
    TPropInfo info = Named(name, pkComponent);
    info.GetComponent = [get](TPersistent* o) -> TComponent* { return published_detail::Get(get, Cast(o)); };
    info.SetComponent = [set](TPersistent* o, TComponent* c) {
      published_detail::Set(set, Cast(o), dynamic_cast<C*>(c));
    };
    info.Accepts = [](TComponent* c) { return c == nullptr || dynamic_cast<C*>(c) != nullptr; };
    info.ComponentType = DemangledTypeName(typeid(C));
    return Add(std::move(info));
  }
  // An event held in a TEvent field (or reached through a getter and a setter).
  template <class C, class... Args>
  TPublishedBuilder& Event(const String& name, TEvent<Args...> C::*field) {
    static_assert(std::is_base_of_v<C, T>, "the event must be a member of the class or of a base");
    return Event(name, field, field);
  }
  template <class G, class S>
  TPublishedBuilder& Event(const String& name, G get, S set) {
    using E = published_detail::ValueOf<T, G>;
    TPropInfo info = Named(name, pkEvent);
    info.EventType = &typeid(E);
    info.GetEvent = [get](TPersistent* o) { return TMethodValue::Of(E(published_detail::Get(get, Cast(o)))); };
    info.SetEvent = [set](TPersistent* o, const TMethodValue& v) {
      const E* event = v.As<E>();
      published_detail::Set(set, Cast(o), event ? *event : E());
    };
    return Add(std::move(info));
  }
  // Bytes read and written by the two callables.
  TPublishedBuilder& Binary(const String& name, std::function<void(T&, TStream&, const String& fileName)> read,
                            std::function<bool(T&, TStream&)> write) {
    TPropInfo info = Named(name, pkBinary);
    info.ReadBinary = [read](TPersistent* o, TStream& s, const String& f) { read(Cast(o), s, f); };
    info.WriteBinary = [write](TPersistent* o, TStream& s) { return write(Cast(o), s); };
    return Add(std::move(info));
  }

  // Modifiers of the property published last.
  TPublishedBuilder& NoDefault() {
    last().HasDefault = false;
    return *this;
  }
  TPublishedBuilder& StoredWhen(std::function<bool(T&)> stored) {
    last().Stored = [stored](TPersistent* o) { return stored(Cast(o)); };
    return *this;
  }

  // A descendant's default for an inherited property.
  TPublishedBuilder& Default(const String& name, Int64 ordinal) {
    class_.OverrideDefault(name, ordinal);
    return *this;
  }
  TPublishedBuilder& Default(const String& name, const String& text) {
    class_.OverrideDefault(name, text);
    return *this;
  }
  TPublishedBuilder& Hide(const String& name) {
    class_.Hide(name);
    return *this;
  }

private:
  static T& Cast(TPersistent* object) { return *static_cast<T*>(object); }

  TPropInfo Named(const String& name, TPropKind kind) {
    TPropInfo info;
    info.Name = name;
    info.Kind = kind;
    return info;
  }

  template <class G, class S>
  TPublishedBuilder& Ordinal(const String& name, TPropKind kind, G get, S set, Int64 def) {
    TPropInfo info = Named(name, kind);
    info.GetOrdinal = [get](TPersistent* o) { return static_cast<Int64>(published_detail::Get(get, Cast(o))); };
    info.SetOrdinal = [set](TPersistent* o, Int64 v) {
      using V = published_detail::ValueOf<T, G>;
      published_detail::CheckRange<V>(v);
      published_detail::Set(set, Cast(o), static_cast<V>(v));
    };
    info.DefaultOrdinal = def;
    return Add(std::move(info));
  }

  TPublishedBuilder& Add(TPropInfo info) {
    class_.Add(std::move(info));
    pending_ = true;
    return *this;
  }
  TPropInfo& last();

  TPublishedClass& class_;
  bool pending_ = false;
};

template <class T>
TPropInfo& TPublishedBuilder<T>::last() {
  if (!pending_) throw EInvalidOperation("No property to modify in " + class_.Name);
  return class_.LastAdded();
}

// Registers class T under its class name with Parent as its parent class (void
// for a root class) and, for a component class that can be made from an owner,
// as a component class a definition can create.
template <class T, class Parent = void>
TPublishedBuilder<T> PublishClass() {
  String parentName;
  if constexpr (!std::is_void_v<Parent>) {
    static_assert(std::is_base_of_v<Parent, T>, "the parent class must be a base of the class");
    parentName = DemangledTypeName(typeid(Parent));
  }
  TPublishedClass& published = RegisterPublishedClass(
      DemangledTypeName(typeid(T)), parentName, typeid(T),
      [](const TPersistent* o) { return dynamic_cast<const T*>(o) != nullptr; });
  if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                std::is_constructible_v<T, TComponent*>)
    ComponentClasses().template Add<T>(DemangledTypeName(typeid(T)));
  return TPublishedBuilder<T>(published);
}
