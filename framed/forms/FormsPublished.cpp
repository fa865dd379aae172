#include "framed/forms/FormsPublished.h"

#include "framed/forms/RzFormShape.h"
#include "framed/forms/RzFormState.h"
#include "framed/settings/RzCommon_RegIniFile.h"
#include "platform/published/Published.h"

void PublishFramedForms() {
  static bool published = false;
  if (published) return;
  published = true;
  using S = TRzFormState;
  PublishClass<S, TComponent>()
      .Str("Section", &S::Section, &S::Section)
      .Component<TRzRegIniFile>("RegIniFile", &S::RegIniFile, &S::SetRegIniFile)
      .Event("OnSaveState", &S::OnSaveState)
      .Event("OnRestoreState", &S::OnRestoreState);
  using F = TRzFormShape;
  PublishClass<F, TImage>()
      .Default("Align", alClient)
      .Default("Transparent", 1)
      .Bool("AllowFormDrag", &F::AllowFormDrag, &F::AllowFormDrag, true)
      .Event("OnFormShow", &F::OnFormShow);
}
