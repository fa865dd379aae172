// Shared by the tests of the standard controls: a form read from definition text
// and shown, and a record of the events a control reported.
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/Forms.h"
#include "platform/published/FormDefinition.h"
#include "platform/published/StdCtrlsPublished.h"
#include "tests/harness/WindowPump.h"

// A form made from `text` with the handlers of `bindings`, shown and painted.
inline std::unique_ptr<TForm> ShowDefinition(const String& text, const TFormBindings& bindings = TFormBindings()) {
  PublishStdControlClasses();
  auto form = std::make_unique<TForm>(nullptr);
  ReadComponentText(form.get(), text, bindings);
  form->Show();
  form->Update();
  PumpMessages();
  return form;
}

template <class T>
T* Find(TComponent* root, const char* name) {
  return dynamic_cast<T*>(root->FindComponent(name));
}

// Remembers the events it is bound to, in order, by name.
struct EventLog : TObject {
  std::vector<String> Events;
  void Click(TObject*) { Events.push_back("click"); }
  void Change(TObject*) { Events.push_back("change"); }
  void DropDown(TObject*) { Events.push_back("dropdown"); }
  void CloseUp(TObject*) { Events.push_back("closeup"); }
  void Clear() { Events.clear(); }
};
