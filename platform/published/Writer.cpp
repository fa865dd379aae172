#include "platform/published/Writer.h"

#include <algorithm>
#include <limits>

#include "platform/controls/ShortCuts.h"
#include "platform/core/Collection.h"
#include "platform/core/Strings.h"
#include "platform/core/SysUtils.h"

TWriter::TWriter(TComponent* root, const TFormBindings& bindings) : TFiler(root), bindings_(bindings) {}

TFormObject TWriter::WriteRoot() { return WriteObject(root_); }

namespace {

TComponent* ContainerOf(TComponent* component) {
  for (const TChildPlacement& placement : ChildPlacements())
    if (placement.Container)
      if (TComponent* container = placement.Container(component)) return container;
  return nullptr;
}

}  // namespace

TFormObject TWriter::WriteObject(TComponent* component) {
  TFormObject object;
  object.Name = component->Name();
  object.ClassName = component->ClassName();
  WriteProperties(component, String(), object.Properties);
  for (int i = 0; i < root_->ComponentCount(); ++i) {
    TComponent* child = root_->Components(i);
    if (child->Name().empty()) continue;  // made in code; a definition names what it holds
    TComponent* container = ContainerOf(child);
    bool atRoot = !container || container == root_ || container->Owner() != root_;
    if (component == root_ ? atRoot : container == component) object.Children.push_back(WriteObject(child));
  }
  return object;
}

void TWriter::WriteProperties(TPersistent* instance, const String& prefix, std::vector<TFormProperty>& out) {
  if (const TPublishedClass* published = PublishedClassOf(instance)) {
    for (const TPropInfo& info : published->Properties()) {
      if (info.Stored && !info.Stored(instance)) continue;
      if (info.Kind == pkObject) {
        TPersistent* sub = info.GetObject(instance);
        if (!sub) continue;
        if (auto* collection = dynamic_cast<TCollection*>(sub)) {
          if (collection->Count() == 0) continue;
          TFormValue value;
          value.Kind = vkCollection;
          for (int i = 0; i < collection->Count(); ++i) {
            value.Elements.emplace_back();
            WriteProperties(collection->Items(i), String(), value.Elements.back());
          }
          out.push_back({prefix + info.Name, value, 0});
        } else {
          WriteProperties(sub, prefix + info.Name + ".", out);
        }
        continue;
      }
      TFormValue value;
      if (ValueOf(instance, info, value)) out.push_back({prefix + info.Name, value, 0});
    }
  }
  std::vector<TFormProperty>* savedOut = out_;
  String savedPrefix = prefix_;
  out_ = &out;
  prefix_ = prefix;
  instance->DefineProperties(this);
  out_ = savedOut;
  prefix_ = savedPrefix;
}

bool TWriter::ValueOf(TPersistent* instance, const TPropInfo& info, TFormValue& value) {
  switch (info.Kind) {
    case pkInteger:
    case pkBool:
    case pkEnum:
    case pkSet:
    case pkIdentInt:
    case pkShortCut: {
      Int64 ordinal = info.GetOrdinal(instance);
      if (info.HasDefault && ordinal == info.DefaultOrdinal) return false;
      value = TFormValue::OfInteger(ordinal);
      if (info.Kind == pkBool) {
        value = TFormValue::OfBoolean(ordinal != 0);
      } else if (info.Kind == pkEnum && ordinal >= 0 && ordinal < static_cast<Int64>(info.Names->Names.size())) {
        value = TFormValue::OfIdent(info.Names->Names[static_cast<size_t>(ordinal)]);
      } else if (info.Kind == pkSet) {
        value.Kind = vkSet;
        for (size_t i = 0; i < info.Names->Names.size() && i < 64; ++i)
          if (ordinal & (Int64(1) << i)) value.Names.push_back(info.Names->Names[i]);
      } else if (info.Kind == pkIdentInt) {
        String ident;
        if (info.Idents->ToIdent(ordinal, ident)) value = TFormValue::OfIdent(ident);
        else value.Hex = info.Idents == &ColorIdents();
      } else if (info.Kind == pkShortCut) {
        String text = ShortCutValueToText(static_cast<int>(ordinal));
        if (!text.empty()) value = TFormValue::OfString(text);
      }
      return true;
    }
    case pkString: {
      String text = info.GetString(instance);
      if (info.HasDefault && text == info.DefaultString) return false;
      value = TFormValue::OfString(text);
      return true;
    }
    case pkFloat: {
      double number = info.GetFloat(instance);
      if (info.HasDefault && number == info.DefaultFloat) return false;
      value = TFormValue::OfFloat(number);
      return true;
    }
    case pkStrings: {
      auto* lines = dynamic_cast<TStrings*>(info.GetObject(instance));
      if (!lines || lines->Count() == 0) return false;
      value.Kind = vkList;
      for (int i = 0; i < lines->Count(); ++i) value.Items.push_back(TFormValue::OfString(lines->Get(i)));
      return true;
    }
    case pkComponent: {
      TComponent* component = info.GetComponent(instance);
      if (!component) return false;
      value = TFormValue::OfIdent(ReferenceName(component));
      return true;
    }
    case pkEvent: {
      TMethodValue event = info.GetEvent(instance);
      if (!event.Assigned()) return false;
      String name = bindings_.HandlerName(event);
      if (name.empty()) return false;  // a handler set in code, not one of the form's
      value = TFormValue::OfIdent(name);
      return true;
    }
    case pkBinary: {
      TMemoryStream stream;
      if (!info.WriteBinary(instance, stream)) return false;
      value.Kind = vkBinary;
      value.Bytes.assign(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
      return true;
    }
    case pkObject:
      return false;
  }
  return false;
}

String TWriter::ReferenceName(TComponent* component) const {
  if (component == root_) return root_->Name();
  if (component->Owner() == root_ || !component->Owner()) return component->Name();
  return component->Owner()->Name() + "." + component->Name();
}

void TWriter::DefineProperty(const String& name, const TReaderProc&, const TWriterProc& writeData, bool hasData) {
  if (!hasData || !writeData || !out_) return;
  values_.clear();
  lists_.assign(1, &values_);
  writeData(*this);
  if (lists_.size() != 1) throw EFilerError("Property " + name + " leaves a list open");
  if (values_.empty()) return;
  if (values_.size() != 1) throw EFilerError("Property " + name + " writes more than one value");
  out_->push_back({prefix_ + name, values_.front(), 0});
}

void TWriter::DefineBinaryProperty(const String& name, const TStreamProc&, const TStreamProc& writeData, bool hasData) {
  if (!hasData || !writeData || !out_) return;
  TMemoryStream stream;
  writeData(stream);
  TFormValue value;
  value.Kind = vkBinary;
  value.Bytes.assign(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
  out_->push_back({prefix_ + name, value, 0});
}

void TWriter::Put(TFormValue value) {
  if (lists_.empty()) throw EFilerError("No property is being written");
  lists_.back()->push_back(std::move(value));
}

void TWriter::WriteBoolean(bool value) { Put(TFormValue::OfBoolean(value)); }
void TWriter::WriteInteger(Int64 value) { Put(TFormValue::OfInteger(value)); }
void TWriter::WriteFloat(double value) { Put(TFormValue::OfFloat(value)); }
void TWriter::WriteString(const String& value) { Put(TFormValue::OfString(value)); }
void TWriter::WriteIdent(const String& value) { Put(TFormValue::OfIdent(value)); }

void TWriter::WriteListBegin() {
  TFormValue list;
  list.Kind = vkList;
  Put(list);
  lists_.push_back(&lists_.back()->back().Items);
}

void TWriter::WriteListEnd() {
  if (lists_.size() < 2) throw EFilerError("No list to end");
  lists_.pop_back();
}
