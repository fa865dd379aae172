// What a form class declares for its definition: its component fields and its
// event handlers, each by the name the definition uses; and where the files a
// definition names ({file 'logo.png'}) are found.
//
//   TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
//     TFormBindings bindings;
//     bindings.Field("btnOpen", btnOpen)
//             .Handler("btnOpenClick", this, &TMainForm::btnOpenClick);
//     ReadFormDefinition(this, bindings);
//   }
#pragma once

#include <functional>
#include <vector>

#include "platform/published/Published.h"

class TFormBindings {
public:
  // The field is set to the component of that name once the definition is read;
  // a definition without it, or with a component of another class, is an error.
  template <class T>
  TFormBindings& Field(const String& name, T*& field) {
    static_assert(std::is_base_of_v<TComponent, T>, "a field holds a component");
    fields_.push_back({name, DemangledTypeName(typeid(T)),
                       [](TComponent* component) { return dynamic_cast<T*>(component) != nullptr; },
                       [&field](TComponent* component) { field = dynamic_cast<T*>(component); }});
    return *this;
  }

  // A handler of any event type: a method of the form (or of any object).
  template <class C, class... Args>
  TFormBindings& Handler(const String& name, C* object, void (C::*method)(Args...)) {
    return Handler(name, TMethodValue::Of(TEvent<Args...>(object, method)));
  }
  TFormBindings& Handler(const String& name, const TMethodValue& handler);

  struct TFieldBinding {
    String Name;
    String TypeName;
    std::function<bool(TComponent*)> Fits;  // false for a component of another class
    std::function<void(TComponent*)> Bind;
  };
  const std::vector<TFieldBinding>& Fields() const { return fields_; }

  // The handler of that name (case-insensitive), or nullptr.
  const TMethodValue* FindHandler(const String& name) const;
  // The name under which the event's handler was declared; empty when none.
  String HandlerName(const TMethodValue& event) const;

private:
  struct THandlerBinding {
    String Name;
    TMethodValue Handler;
  };
  std::vector<TFieldBinding> fields_;
  std::vector<THandlerBinding> handlers_;
};

// The files a definition names.
class TDefinitionFiles {
public:
  virtual ~TDefinitionFiles() = default;
  // The file's bytes; false when there is no such file.
  virtual bool Read(const String& fileName, String& bytes) const = 0;
};

// Files compiled into a module as RCDATA resources named after the file in upper
// case ("LOGO.PNG"); the module is the program itself when none is given.
class TResourceFiles : public TDefinitionFiles {
public:
  explicit TResourceFiles(void* module = nullptr) : module_(module) {}
  bool Read(const String& fileName, String& bytes) const override;

private:
  void* module_;
};

// Files in a folder; a name with a path or ".." in it is refused.
class TFolderFiles : public TDefinitionFiles {
public:
  explicit TFolderFiles(const String& folder) : folder_(folder) {}
  bool Read(const String& fileName, String& bytes) const override;

private:
  String folder_;
};

// No files at all.
class TNoFiles : public TDefinitionFiles {
public:
  bool Read(const String&, String&) const override { return false; }
};

// True for a plain file name: no folder part, no "..", not empty.
bool IsPlainFileName(const String& fileName);
