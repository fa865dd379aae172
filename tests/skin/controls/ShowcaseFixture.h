// What the showcase tests share: a showcase definition read from this folder,
// the check that a form writes back as it was read, a walk over every control
// of a form, the skin change a skinned form does, the record each kind of
// skinned control holds, and a shown form given time to paint.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "platform/controls/Forms.h"

// The text of the showcase definition `fileName` of this folder.
String ShowcaseText(const char* fileName);
// A new form read from a showcase text.
std::unique_ptr<TForm> ReadShowcaseForm(const String& text);
// The form written back gives `text` again; a different text is saved under
// `dumpName` in the working folder for a look.
void ExpectWrittenBackAsRead(TForm* form, const String& text, const char* dumpName);

void ForEachControl(TWinControl* parent, const std::function<void(TControl*)>& visit);
// What a skinned form does on a skin change: the skinned bases re-read their
// records, the others through the skin-change table.
void UpdateSkinControls(TWinControl* form);

// The record a control holds now and the name it looks for.
struct TShowcaseRecord {
  bool Found;
  String Name;
};
// Nothing for a control that reads no record of its own.
std::optional<TShowcaseRecord> RecordOf(TControl* c);

// Shows the form and gives it time to paint.
void ShowAndSettle(TForm* form);

template <class C>
C* Find(TComponent* form, const char* name) {
  return dynamic_cast<C*>(form->FindComponent(name));
}
