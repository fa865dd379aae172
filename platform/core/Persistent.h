// TPersistent: an object that can copy itself from another (Assign) and take part
// in streaming, where DefineProperties adds binary and dropped old properties.
#pragma once

#include "platform/core/Exceptions.h"

class TFiler;

class TPersistent : public TObject {
public:
  // Copies `source` into this object. The base asks the source to copy itself into
  // this one (AssignTo) and raises EConvertError "Cannot assign ..." when it can't.
  virtual void Assign(const TPersistent* source);
  virtual String GetNamePath() const { return ClassName(); }

protected:
  virtual void AssignTo(TPersistent* dest) const;
  // Streaming hook: declares properties that are not published ones.
  virtual void DefineProperties(TFiler* filer) {}
  friend class TFiler;
  friend class TReader;
  friend class TWriter;
};

// Raises the "Cannot assign a X to a Y" error.
[[noreturn]] void RaiseCannotAssign(const TPersistent* source, const TPersistent* dest);
