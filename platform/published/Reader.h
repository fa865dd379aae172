// TReader applies a form definition to a root component and the components it
// creates, binds the form's fields and resolves references once everything is read.
#pragma once

#include <memory>
#include <vector>

#include "platform/published/Filer.h"

class TReader : public TFiler {
public:
  TReader(TComponent* root, const TFormBindings& bindings, const TDefinitionFiles& files, const String& source);
  ~TReader() override;

  // Applies the definition to the root: sets its name and properties, creates
  // the nested components (owner: the root), resolves references, binds the
  // fields and calls Loaded on each component read. On failure the components
  // it created are destroyed again and EFormDefinitionError names the form, the
  // component and the property.
  void ReadRoot(const TFormObject& definition);

  void DefineProperty(const String& name, const TReaderProc& readData, const TWriterProc& writeData,
                      bool hasData) override;
  void DefineBinaryProperty(const String& name, const TStreamProc& readData, const TStreamProc& writeData,
                            bool hasData) override;

  // Values of the property being read through DefineProperty, in order.
  TFormValueKind NextValue() const;
  bool ReadBoolean();
  Int64 ReadInteger();
  double ReadFloat();  // an integer is read as a float too
  String ReadString();
  String ReadIdent();
  std::vector<String> ReadSet();
  void ReadListBegin();
  bool EndOfList() const;
  void ReadListEnd();
  void SkipValue();

  // Raises EFormDefinitionError with the place being read.
  [[noreturn]] void Error(const String& what) const;

private:
  struct Fixup;
  struct Frame {
    const std::vector<TFormValue>* Values;
    size_t Index;
  };

  TComponent* CreateComponent(const TFormObject& definition, TComponent* container);
  void ReadObject(const TFormObject& definition, TComponent* instance);
  void ReadProperty(TPersistent* instance, const TFormProperty& property);
  void ApplyPath(TPersistent* instance, const String& path, const TFormValue& value);
  void ApplyValue(TPersistent* instance, const TPropInfo& info, const TFormValue& value);
  bool ApplyDefined(TPersistent* instance, const String& name, const TFormValue& value);
  void ReadCollection(TPersistent* collection, const TFormValue& value);
  void ReadLines(TPersistent* strings, const TFormValue& value);
  void ReadBinary(const TFormValue& value, TMemoryStream& stream);
  Int64 OrdinalOf(const TPropInfo& info, const TFormValue& value);
  const TFormValue& Take();
  void ResolveFixups();
  void BindFields();
  void Undo();

  const TFormBindings& bindings_;
  const TDefinitionFiles& files_;
  String source_;
  std::vector<TComponent*> created_;  // borrowed (the root owns them), in the order created
  std::vector<TComponent*> loading_;  // every component read, the root first
  std::vector<Fixup> fixups_;
  String componentName_;  // where the reader is, for messages
  String propertyPath_;
  int line_ = 0;
  // Defined properties: the one being looked for, and the values being read.
  String wanted_;
  const TFormValue* wantedValue_ = nullptr;
  bool found_ = false;
  std::vector<Frame> frames_;
};
