// The tool bar's Customize: the customisation window, shown modally.
#include <memory>

#include "framed/bars/RzFrmCustomizeToolbar.h"
#include "framed/bars/RzToolbar.h"
#include "platform/controls/Application.h"

void TRzToolbar::Customize(bool showTextOptions) {
  std::unique_ptr<TRzFrmCustomizeToolbar> form(NewForm<TRzFrmCustomizeToolbar>(&Application));
  form->SetToolbar(this, Owner());
  form->Reposition();
  form->UpdateControls(customizeCaptions_.get(), showTextOptions);
  form->ShowModal();
}
