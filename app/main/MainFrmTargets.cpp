// The target bar and the target commands; filled in with the output assignment.
#include "app/main/MainFrm.h"

void TMainForm::SetupTargetBar() {}

void TMainForm::btnConfigClick(TObject*) {}

void TMainForm::cbTargetFormatChange(TObject*) {}
