#include "platform/published/Reader.h"

#include <algorithm>
#include <limits>

#include "platform/controls/ShortCuts.h"
#include "platform/core/Collection.h"
#include "platform/core/Strings.h"
#include "platform/core/SysUtils.h"

struct TReader::Fixup {
  TPersistent* Instance;
  TPropInfo Info;
  String Reference;
  String ComponentName;
  String PropertyPath;
  int Line;
};

namespace {

const char* KindName(TFormValueKind kind) {
  switch (kind) {
    case vkInteger: return "an integer";
    case vkFloat: return "a number";
    case vkString: return "a string";
    case vkIdent: return "an identifier";
    case vkSet: return "a set";
    case vkList: return "a list";
    case vkCollection: return "a collection";
    case vkBinary: return "binary data";
  }
  return "a value";
}

}  // namespace

TReader::TReader(TComponent* root, const TFormBindings& bindings, const TDefinitionFiles& files, const String& source)
    : TFiler(root), bindings_(bindings), files_(files), source_(source) {}

TReader::~TReader() = default;

void TReader::Error(const String& what) const {
  String place = root_->Name().empty() ? root_->ClassName() : root_->Name();
  if (!componentName_.empty()) place += "." + componentName_;
  if (!propertyPath_.empty()) place += "." + propertyPath_;
  String where = source_;
  if (line_ > 0) where += ", line " + IntToStr(line_);
  throw EFormDefinitionError(where + ": " + place + ": " + what);
}

namespace {

// Runs `step`; an error other than a definition error gets the reader's place.
template <class F>
void Guarded(const TReader& reader, F step) {
  try {
    step();
  } catch (const EFormDefinitionError&) {
    throw;
  } catch (const Exception& e) {
    reader.Error(e.Message.empty() ? e.ClassName() : e.Message);
  } catch (const std::exception& e) {
    reader.Error(e.what());
  }
}

// A second form of the same class under the same owner gets "Name_1", "Name_2",
// ... so that both can be made.
String UniqueRootName(TComponent* root, const String& name) {
  TComponent* owner = root->Owner();
  if (!owner) return name;
  String unique = name;
  for (int i = 1;; ++i) {
    TComponent* holder = owner->FindComponent(unique);
    if (!holder || holder == root) return unique;
    unique = name + "_" + IntToStr(i);
  }
}

}  // namespace

void TReader::ReadRoot(const TFormObject& definition) {
  line_ = definition.Line;
  if (definition.ClassName != root_->ClassName())
    Error("the definition is of class " + definition.ClassName + ", not " + root_->ClassName());
  try {
    root_->BeginLoading();
    loading_.push_back(root_);
    if (!definition.Name.empty()) Guarded(*this, [&] { root_->SetName(UniqueRootName(root_, definition.Name)); });
    ReadObject(definition, root_);
    ResolveFixups();
    BindFields();
  } catch (...) {
    Undo();
    throw;
  }
  for (TComponent* component : loading_) {
    component->SetState(csReading, false);
    component->Loaded();
  }
}

void TReader::Undo() {
  for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
    std::erase(loading_, *it);
    delete *it;
  }
  created_.clear();
  for (TComponent* component : loading_) {
    component->SetState(csReading, false);
    component->SetState(csLoading, false);
  }
  loading_.clear();
}

TComponent* TReader::CreateComponent(const TFormObject& definition, TComponent* container) {
  line_ = definition.Line;
  componentName_ = definition.Name;
  propertyPath_.clear();
  TComponent* component = root_->FindComponent(definition.Name);
  if (component) {
    if (component->ClassName() != definition.ClassName)
      Error("a component of that name already exists (a " + component->ClassName() + ")");
    if (std::find(loading_.begin(), loading_.end(), component) != loading_.end())
      Error("the definition holds two components of that name");
  } else {
    const TComponentClassList::Ref* ref = ComponentClasses().Find(definition.ClassName);
    if (!ref) Error("class " + definition.ClassName + " is not registered");
    Guarded(*this, [&] { component = ref->Create(root_); });
    created_.push_back(component);
    Guarded(*this, [&] { component->SetName(definition.Name); });
  }
  component->BeginLoading();
  loading_.push_back(component);
  Guarded(*this, [&] {
    for (const TChildPlacement& placement : ChildPlacements())
      if (placement.Place && placement.Place(component, container)) break;
  });
  return component;
}

void TReader::ReadObject(const TFormObject& definition, TComponent* instance) {
  for (const TFormProperty& property : definition.Properties) {
    componentName_ = instance == root_ ? String() : instance->Name();
    ReadProperty(instance, property);
  }
  for (const TFormObject& child : definition.Children) {
    TComponent* component = CreateComponent(child, instance);
    ReadObject(child, component);
  }
}

void TReader::ReadProperty(TPersistent* instance, const TFormProperty& property) {
  line_ = property.Line;
  propertyPath_ = property.Name;
  Guarded(*this, [&] { ApplyPath(instance, property.Name, property.Value); });
  propertyPath_.clear();
}

void TReader::ApplyPath(TPersistent* instance, const String& path, const TFormValue& value) {
  const TPublishedClass* published = PublishedClassOf(instance);
  size_t dot = path.find('.');
  String head = path.substr(0, dot);
  const TPropInfo* info = published ? published->Find(head) : nullptr;
  if (dot == String::npos) {
    if (info) ApplyValue(instance, *info, value);
    else if (!ApplyDefined(instance, head, value)) Error("unknown property \"" + head + "\" of " + instance->ClassName());
    return;
  }
  if (!info) Error("unknown property \"" + head + "\" of " + instance->ClassName());
  if (info->Kind != pkObject && info->Kind != pkStrings) Error(head + " has no properties of its own");
  TPersistent* sub = info->GetObject(instance);
  if (!sub) Error(head + " is not there to read into");
  ApplyPath(sub, path.substr(dot + 1), value);
}

namespace {

void ExpectKind(const TReader& reader, const TFormValue& value, TFormValueKind kind) {
  if (value.Kind != kind) reader.Error(String(KindName(kind)) + " expected, not " + KindName(value.Kind));
}

}  // namespace

Int64 TReader::OrdinalOf(const TPropInfo& info, const TFormValue& value) {
  switch (info.Kind) {
    case pkInteger:
      ExpectKind(*this, value, vkInteger);
      return value.Integer;
    case pkBool:
      ExpectKind(*this, value, vkIdent);
      if (SameText(value.Text, "True")) return 1;
      if (SameText(value.Text, "False")) return 0;
      Error("True or False expected, not " + value.Text);
    case pkEnum: {
      ExpectKind(*this, value, vkIdent);
      int index = info.Names->IndexOf(value.Text);
      if (index < 0) Error(value.Text + " is not a value of " + info.Names->TypeName);
      return index;
    }
    case pkSet: {
      ExpectKind(*this, value, vkSet);
      Int64 bits = 0;
      for (const String& name : value.Names) {
        int index = info.Names->IndexOf(name);
        if (index < 0) Error(name + " is not a value of " + info.Names->TypeName);
        bits |= Int64(1) << index;
      }
      return bits;
    }
    case pkIdentInt: {
      if (value.Kind == vkInteger) return value.Integer;
      ExpectKind(*this, value, vkIdent);
      Int64 number = 0;
      if (!info.Idents->ToValue(value.Text, number)) Error("unknown identifier " + value.Text);
      return number;
    }
    case pkShortCut: {
      if (value.Kind == vkInteger) return value.Integer;
      ExpectKind(*this, value, vkString);
      int shortCut = TextToShortCutValue(value.Text);
      if (shortCut < 0) Error("'" + value.Text + "' is no shortcut");
      return shortCut;
    }
    default:
      Error("not an ordinal property");
  }
}

void TReader::ApplyValue(TPersistent* instance, const TPropInfo& info, const TFormValue& value) {
  switch (info.Kind) {
    case pkInteger:
    case pkBool:
    case pkEnum:
    case pkSet:
    case pkIdentInt:
    case pkShortCut:
      info.SetOrdinal(instance, OrdinalOf(info, value));
      return;
    case pkString:
      ExpectKind(*this, value, vkString);
      info.SetString(instance, value.Text);
      return;
    case pkFloat:
      if (value.Kind == vkInteger) {
        info.SetFloat(instance, static_cast<double>(value.Integer));
        return;
      }
      ExpectKind(*this, value, vkFloat);
      info.SetFloat(instance, value.Float);
      return;
    case pkObject: {
      TPersistent* sub = info.GetObject(instance);
      if (!sub) Error(info.Name + " is not there to read into");
      if (value.Kind == vkCollection && dynamic_cast<TCollection*>(sub)) ReadCollection(sub, value);
      else Error(info.Name + " takes its properties one by one (" + info.Name + ".Name = ...)");
      return;
    }
    case pkStrings:
      ReadLines(info.GetObject(instance), value);
      return;
    case pkComponent:
      ExpectKind(*this, value, vkIdent);
      if (SameText(value.Text, "nil")) info.SetComponent(instance, nullptr);
      else fixups_.push_back({instance, info, value.Text, componentName_, propertyPath_, line_});
      return;
    case pkEvent: {
      ExpectKind(*this, value, vkIdent);
      if (SameText(value.Text, "nil")) {
        info.SetEvent(instance, TMethodValue());
        return;
      }
      const TMethodValue* handler = bindings_.FindHandler(value.Text);
      if (!handler) Error("handler " + value.Text + " is not declared by " + root_->ClassName());
      if (!handler->Type() || *handler->Type() != *info.EventType)
        Error("handler " + value.Text + " does not fit the type of the event");
      info.SetEvent(instance, *handler);
      return;
    }
    case pkBinary: {
      TMemoryStream stream;
      ReadBinary(value, stream);
      info.ReadBinary(instance, stream, value.FromFile ? value.Text : String());
      return;
    }
  }
}

void TReader::ReadCollection(TPersistent* collection, const TFormValue& value) {
  auto* items = static_cast<TCollection*>(collection);
  String path = propertyPath_;
  items->BeginUpdate();
  try {
    items->Clear();
    for (size_t i = 0; i < value.Elements.size(); ++i) {
      TCollectionItem* item = items->Add();
      for (const TFormProperty& property : value.Elements[i]) {
        line_ = property.Line;
        propertyPath_ = path + "[" + IntToStr(static_cast<Int64>(i)) + "]." + property.Name;
        ApplyPath(item, property.Name, property.Value);
      }
    }
  } catch (...) {
    items->EndUpdate();
    throw;
  }
  items->EndUpdate();
  propertyPath_ = path;
}

void TReader::ReadLines(TPersistent* strings, const TFormValue& value) {
  auto* lines = dynamic_cast<TStrings*>(strings);
  if (!lines) Error("not a list of strings");
  ExpectKind(*this, value, vkList);
  for (const TFormValue& item : value.Items) ExpectKind(*this, item, vkString);
  lines->BeginUpdate();
  try {
    lines->Clear();
    for (const TFormValue& item : value.Items) lines->Add(item.Text);
  } catch (...) {
    lines->EndUpdate();
    throw;
  }
  lines->EndUpdate();
}

void TReader::ReadBinary(const TFormValue& value, TMemoryStream& stream) {
  ExpectKind(*this, value, vkBinary);
  String bytes = value.Bytes;
  if (value.FromFile && !files_.Read(value.Text, bytes)) Error("file '" + value.Text + "' not found");
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
  stream.SetPosition(0);
}

bool TReader::ApplyDefined(TPersistent* instance, const String& name, const TFormValue& value) {
  String savedName = wanted_;
  const TFormValue* savedValue = wantedValue_;
  wanted_ = name;
  wantedValue_ = &value;
  found_ = false;
  try {
    instance->DefineProperties(this);
  } catch (...) {
    wanted_ = savedName;
    wantedValue_ = savedValue;
    throw;
  }
  wanted_ = savedName;
  wantedValue_ = savedValue;
  bool found = found_;
  found_ = false;
  return found;
}

void TReader::DefineProperty(const String& name, const TReaderProc& readData, const TWriterProc&, bool) {
  if (found_ || !wantedValue_ || !SameText(name, wanted_)) return;
  found_ = true;
  if (!readData) Error("property " + name + " cannot be read");
  std::vector<TFormValue> value{*wantedValue_};
  std::vector<Frame> savedFrames;
  savedFrames.swap(frames_);
  frames_.push_back({&value, 0});
  try {
    readData(*this);
    if (frames_.size() != 1 || frames_.back().Index != 1) Error("the value was not read to its end");
  } catch (...) {
    frames_.swap(savedFrames);
    throw;
  }
  frames_.swap(savedFrames);
}

void TReader::DefineBinaryProperty(const String& name, const TStreamProc& readData, const TStreamProc&, bool) {
  if (found_ || !wantedValue_ || !SameText(name, wanted_)) return;
  found_ = true;
  if (!readData) Error("property " + name + " cannot be read");
  TMemoryStream stream;
  ReadBinary(*wantedValue_, stream);
  readData(stream);
}

const TFormValue& TReader::Take() {
  if (frames_.empty()) Error("no value to read here");
  Frame& frame = frames_.back();
  if (frame.Index >= frame.Values->size()) Error("the list has no more values");
  return (*frame.Values)[frame.Index++];
}

TFormValueKind TReader::NextValue() const {
  if (frames_.empty() || frames_.back().Index >= frames_.back().Values->size()) Error("no value to read here");
  return (*frames_.back().Values)[frames_.back().Index].Kind;
}

bool TReader::ReadBoolean() {
  const TFormValue& value = Take();
  ExpectKind(*this, value, vkIdent);
  if (SameText(value.Text, "True")) return true;
  if (SameText(value.Text, "False")) return false;
  Error("True or False expected, not " + value.Text);
}

Int64 TReader::ReadInteger() {
  const TFormValue& value = Take();
  ExpectKind(*this, value, vkInteger);
  return value.Integer;
}

double TReader::ReadFloat() {
  const TFormValue& value = Take();
  if (value.Kind == vkInteger) return static_cast<double>(value.Integer);
  ExpectKind(*this, value, vkFloat);
  return value.Float;
}

String TReader::ReadString() {
  const TFormValue& value = Take();
  ExpectKind(*this, value, vkString);
  return value.Text;
}

String TReader::ReadIdent() {
  const TFormValue& value = Take();
  ExpectKind(*this, value, vkIdent);
  return value.Text;
}

std::vector<String> TReader::ReadSet() {
  const TFormValue& value = Take();
  ExpectKind(*this, value, vkSet);
  return value.Names;
}

void TReader::ReadListBegin() {
  const TFormValue& value = Take();
  ExpectKind(*this, value, vkList);
  frames_.push_back({&value.Items, 0});
}

bool TReader::EndOfList() const {
  return frames_.empty() || frames_.back().Index >= frames_.back().Values->size();
}

void TReader::ReadListEnd() {
  if (frames_.size() < 2) Error("no list to end here");
  if (!EndOfList()) Error("end of list expected");
  frames_.pop_back();
}

void TReader::SkipValue() { Take(); }

void TReader::ResolveFixups() {
  for (const Fixup& fixup : fixups_) {
    componentName_ = fixup.ComponentName;
    propertyPath_ = fixup.PropertyPath;
    line_ = fixup.Line;
    const String& reference = fixup.Reference;
    size_t dot = reference.find('.');
    TComponent* owner = root_;
    String name = reference;
    if (dot != String::npos) {
      String rootName = reference.substr(0, dot);
      name = reference.substr(dot + 1);
      owner = SameText(rootName, root_->Name()) ? root_ : FindGlobalRoot(rootName);
      if (!owner) Error("there is no form " + rootName + " to take " + name + " from");
    }
    TComponent* target = dot == String::npos && SameText(name, root_->Name()) ? root_ : owner->FindComponent(name);
    if (!target) Error("component " + reference + " does not exist");
    if (fixup.Info.Accepts && !fixup.Info.Accepts(target))
      Error(reference + " is a " + target->ClassName() + ", not a " + fixup.Info.ComponentType);
    Guarded(*this, [&] { fixup.Info.SetComponent(fixup.Instance, target); });
  }
  fixups_.clear();
}

void TReader::BindFields() {
  propertyPath_.clear();
  line_ = 0;
  for (const TFormBindings::TFieldBinding& field : bindings_.Fields()) {
    componentName_ = field.Name;
    TComponent* component = root_->FindComponent(field.Name);
    if (!component) Error("the form's field " + field.Name + " has no component in the definition");
    if (!field.Fits(component)) Error("is a " + component->ClassName() + ", but the field holds a " + field.TypeName);
  }
  for (const TFormBindings::TFieldBinding& field : bindings_.Fields()) field.Bind(root_->FindComponent(field.Name));
  componentName_.clear();
}
