// The commands that show the options and about dialogs; each shows its dialog
// once that dialog exists.
#include "app/KelvaneSettings.h"
#include "app/main/MainFrm.h"
#include "skin/controls/SkinEdit.h"

void TMainForm::btnOptionClick(TObject*) { edtOutputFolder->SetText(GetSettings()->DefaultOutputFolder); }

void TMainForm::AboutKelvane1Click(TObject*) {}
