#include "platform/core/Exceptions.h"

#include <typeinfo>

String Exception::ClassName() const { return DemangledTypeName(typeid(*this)); }

void Assert(bool condition, const String& message) {
  if (!condition) throw EAssertionFailed(message);
}

void Abort() { throw EAbort("Operation aborted"); }
