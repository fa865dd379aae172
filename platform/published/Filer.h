// Filers of form definitions. TReader applies a definition to a root component
// and the components it creates; TWriter turns a root and its components back
// into a definition, writing only what differs from the defaults. A class adds
// properties that are not published ones in DefineProperties:
//
//   void TRzPanel::DefineProperties(TFiler* filer) {
//     TRzCustomPanel::DefineProperties(filer);
//     filer->DefineProperty("FrameSides", ReadAndDrop(), nullptr, false);  // older versions wrote it
//   }
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/published/FormBindings.h"
#include "platform/published/FormText.h"
#include "platform/published/Published.h"

class TReader;
class TWriter;

class TFiler : public TObject {
public:
  using TReaderProc = std::function<void(TReader&)>;
  using TWriterProc = std::function<void(TWriter&)>;
  using TStreamProc = std::function<void(TStream&)>;

  // A property written with the filer's values (ReadInteger, WriteListBegin, ...);
  // `hasData` false means nothing is written this time.
  virtual void DefineProperty(const String& name, const TReaderProc& readData, const TWriterProc& writeData,
                              bool hasData) = 0;
  // A property of raw bytes.
  virtual void DefineBinaryProperty(const String& name, const TStreamProc& readData, const TStreamProc& writeData,
                                    bool hasData) = 0;

  TComponent* Root() const { return root_; }
  // Definitions do not inherit from other definitions: there is no ancestor.
  TPersistent* Ancestor() const { return nullptr; }

protected:
  explicit TFiler(TComponent* root) : root_(root) {}
  TComponent* root_;  // borrowed
};

// Roots that references of other definitions may name ("ResourceForm.FormSkinData"):
// every root read from a definition joins until it is destroyed; others may be
// added by hand.
void AddGlobalRoot(TComponent* root);
void RemoveGlobalRoot(TComponent* root);
TComponent* FindGlobalRoot(const String& name);  // case-insensitive; nullptr when none

// A property reader that reads one value of any kind and drops it: for the
// properties older versions wrote.
TFiler::TReaderProc ReadAndDrop();

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
