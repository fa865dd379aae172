// TWriter turns a root and its components back into a form definition, writing
// only what differs from the defaults.
#pragma once

#include <vector>

#include "platform/published/Filer.h"

class TWriter : public TFiler {
public:
  TWriter(TComponent* root, const TFormBindings& bindings);

  // The definition of the root and every component it owns, nested by container.
  TFormObject WriteRoot();

  void DefineProperty(const String& name, const TReaderProc& readData, const TWriterProc& writeData,
                      bool hasData) override;
  void DefineBinaryProperty(const String& name, const TStreamProc& readData, const TStreamProc& writeData,
                            bool hasData) override;

  void WriteBoolean(bool value);
  void WriteInteger(Int64 value);
  void WriteFloat(double value);
  void WriteString(const String& value);
  void WriteIdent(const String& value);
  void WriteListBegin();
  void WriteListEnd();

private:
  TFormObject WriteObject(TComponent* component);
  void WriteProperties(TPersistent* instance, const String& prefix, std::vector<TFormProperty>& out);
  bool ValueOf(TPersistent* instance, const TPropInfo& info, TFormValue& value);
  String ReferenceName(TComponent* component) const;
  void Put(TFormValue value);

  const TFormBindings& bindings_;
  std::vector<TFormProperty>* out_ = nullptr;  // where defined properties go
  String prefix_;
  std::vector<std::vector<TFormValue>*> lists_;  // open lists of the defined property being written
  std::vector<TFormValue> values_;
};
