#include "app/main/MainFrm.h"
#include "platform/published/FormsPublished.h"
#include "skin/form/DynamicSkinForm.h"

void TMainForm::DeclareSkinFrameField() { DeclareFormBindings(this).Field("DSF", DSF); }
