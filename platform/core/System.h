// Base types of the component layer: the ANSI string, the root object with its
// class name, and the small helpers every unit uses.
#pragma once

#include <cstdint>
#include <string>
#include <typeinfo>

using String = std::string;  // ANSI bytes, as the program's files and windows use them
using Byte = std::uint8_t;
using Word = std::uint16_t;
using Cardinal = std::uint32_t;
using Integer = std::int32_t;
using Int64 = std::int64_t;
using Extended = long double;

class TObject {
public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The name of the object's dynamic class ("TStringList").
  String ClassName() const;

  template <class T>
  bool InheritsFrom() const { return dynamic_cast<const T*>(this) != nullptr; }
};

// The class name of a C++ type, without the namespaces around it ("TStringList").
String DemangledTypeName(const std::type_info& type);

template <class T>
void FreeAndNil(T*& object) {
  T* doomed = object;
  object = nullptr;
  delete doomed;
}
