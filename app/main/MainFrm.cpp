#include "app/main/MainFrm.h"

#include "app/AppInfo.h"
#include "platform/published/FormsPublished.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
  DeclareFormBindings(this).Handler("FormCreate", this, &TMainForm::FormCreate);
}

void TMainForm::FormCreate(TObject*) {
  SetCaption(String(kProductName) + " Version " + kVersionText);
}
