// The reading of a form's definition when it is made, and the registrations of the
// component layer's published classes it starts.
//
// A form declares its fields and handlers in its constructor; AfterConstruction
// (Application.CreateForm, NewForm) then reads the definition named after its
// class with them, and OnCreate runs:
//
//   TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
//     DeclareFormBindings(this)
//         .Field("btnOpen", btnOpen)
//         .Handler("btnOpenClick", this, &TMainForm::btnOpenClick);
//   }
#pragma once

#include "platform/published/FormDefinition.h"

class TCustomForm;

// Publishes the classes of the component layer and makes every form read its
// definition in AfterConstruction: a form that declared bindings must have one
// (EResNotFound otherwise), a form without bindings reads one when there is one.
// The program calls it once at start-up; calling it again does no harm.
void UseFormDefinitions();

// The bindings of a form, made on first call and kept until the form is destroyed.
// Also calls UseFormDefinitions.
TFormBindings& DeclareFormBindings(TCustomForm* form);
// The bindings declared for a form (for writing its definition); nullptr when none.
const TFormBindings* DeclaredFormBindings(const TCustomForm* form);
