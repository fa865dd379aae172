// Form definitions: the text of a form, compiled into the program as an RCDATA
// resource named after the form's class ("TMAINFORM"), with the picture files it
// names as resources named after the file ("LOGO.PNG"). A form reads its
// definition between its C++ constructor and AfterConstruction:
//
//   TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
//     TFormBindings bindings;
//     bindings.Field("btnOpen", btnOpen).Handler("btnOpenClick", this, &TMainForm::btnOpenClick);
//     ReadFormDefinition(this, bindings);
//   }
#pragma once

#include "platform/published/Filer.h"

// Reads the definition of the root's class from the module's resources (the
// program when `module` is nullptr). EResNotFound when there is none;
// EFormDefinitionError when it does not fit the class.
void ReadFormDefinition(TComponent* root, const TFormBindings& bindings = TFormBindings(), void* module = nullptr);

// The definition text of a class; false when the module has none.
bool FindFormDefinition(const String& className, String& text, void* module = nullptr);

// Reads a definition given as text; the files it names come from `files`.
void ReadComponentText(TComponent* root, const String& text, const TFormBindings& bindings = TFormBindings(),
                       const TDefinitionFiles& files = TNoFiles());

// The definition of the root and its components: only the properties that
// differ from their defaults, events by the names the bindings give them.
String WriteComponentText(TComponent* root, const TFormBindings& bindings = TFormBindings());
