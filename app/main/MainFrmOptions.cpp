// The options and about commands.
#include <memory>

#include "app/KelvaneSettings.h"
#include "app/main/AboutFrm.h"
#include "app/main/MainFrm.h"
#include "app/main/OptionFrm.h"
#include "skin/controls/SkinEdit.h"

// Whatever the dialog's answer, the window's folder shows the setting.
void TMainForm::btnOptionClick(TObject*) {
  {
    std::unique_ptr<TOptionForm> dialog(NewForm<TOptionForm>(this));
    dialog->ShowModal();
  }
  edtOutputFolder->SetText(GetSettings()->DefaultOutputFolder);
}

void TMainForm::AboutKelvane1Click(TObject*) {
  std::unique_ptr<TAboutForm> dialog(NewForm<TAboutForm>(this));
  dialog->ShowModal();
}
