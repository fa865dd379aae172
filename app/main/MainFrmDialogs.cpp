// The commands that show the options, about and profile dialogs; each shows its
// dialog once that dialog exists.
#include "app/KelvaneSettings.h"
#include "app/main/MainFrm.h"
#include "skin/controls/SkinEdit.h"

void TMainForm::EditProfiles1Click(TObject*) {}
