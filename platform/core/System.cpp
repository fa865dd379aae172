#include "platform/core/System.h"

#include <cxxabi.h>
#include <cstdlib>
#include <typeinfo>

String DemangledTypeName(const std::type_info& type) {
  int status = 0;
  char* name = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
  String result = status == 0 && name ? String(name) : String(type.name());
  std::free(name);
  size_t scope = result.rfind("::");
  return scope == String::npos ? result : result.substr(scope + 2);
}

String TObject::ClassName() const { return DemangledTypeName(typeid(*this)); }
