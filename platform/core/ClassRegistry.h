// Class references with virtual construction: a registry of classes by name, each
// with a factory, for the families that are created from a name read off a file or
// a stream (chunk classes, resamplers, profile classes, component classes).
#pragma once

#include <vector>

#include "platform/core/Exceptions.h"

template <class Base, class... CtorArgs>
struct TClassRef {
  String Name;
  Base* (*Create)(CtorArgs...) = nullptr;

  template <class T>
  static TClassRef Of(String name) {
    return TClassRef{std::move(name), [](CtorArgs... args) -> Base* { return new T(args...); }};
  }
};

template <class Base, class... CtorArgs>
class TClassList {
public:
  using Ref = TClassRef<Base, CtorArgs...>;

  // Registers a class; a second class under the same name replaces the first.
  void Add(const Ref& ref) {
    for (Ref& known : classes_)
      if (known.Name == ref.Name) { known = ref; return; }
    classes_.push_back(ref);
  }

  template <class T>
  void Add(const String& name) { Add(Ref::template Of<T>(name)); }

  // The class registered under exactly this name (case-sensitive), or nullptr.
  const Ref* Find(const String& name) const {
    for (const Ref& known : classes_)
      if (known.Name == name) return &known;
    return nullptr;
  }

  // A new object of the named class; EClassNotFound when none is registered.
  Base* Create(const String& name, CtorArgs... args) const {
    const Ref* ref = Find(name);
    if (!ref) throw EClassNotFound("Class " + name + " not found");
    return ref->Create(args...);
  }

  int Count() const { return static_cast<int>(classes_.size()); }
  const Ref& operator[](int index) const { return classes_.at(index); }

private:
  std::vector<Ref> classes_;
};
