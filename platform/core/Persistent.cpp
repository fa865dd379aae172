#include "platform/core/Persistent.h"

void RaiseCannotAssign(const TPersistent* source, const TPersistent* dest) {
  String from = source ? source->ClassName() : String("nil");
  throw EConvertError("Cannot assign a " + from + " to a " + dest->ClassName());
}

void TPersistent::Assign(const TPersistent* source) {
  if (source) source->AssignTo(this);
  else RaiseCannotAssign(source, this);
}

void TPersistent::AssignTo(TPersistent* dest) const { RaiseCannotAssign(this, dest); }
