#include "app/main/JumpToFrm.h"

#include "app/Myshelllib.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/form/DynamicSkinForm.h"

namespace {

int Whole(const TspSkinSpinEdit* edit) {
  double value = edit->Value();
  if (value < edit->MinValue()) value = edit->MinValue();
  if (value > edit->MaxValue()) value = edit->MaxValue();
  return static_cast<int>(value);
}

}  // namespace

TJumpToForm::TJumpToForm(TComponent* owner) : TForm(owner) {
  DeclareFormBindings(this)
      .Field("edtHour", edtHour)
      .Field("edtMin", edtMin)
      .Field("edtSec", edtSec)
      .Field("btnJump", btnJump)
      .Field("btnCancel", btnCancel)
      .Field("DSF", DSF);
}

void TJumpToForm::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.WindowClass.style |= DropShadowClassStyle();
}

void TJumpToForm::SetTime(int seconds) {
  const int hours = seconds / 3600;
  const int minutes = (seconds - hours * 3600) / 60;
  edtHour->SetValue(hours);
  edtMin->SetValue(minutes);
  edtSec->SetValue(seconds - hours * 3600 - minutes * 60);
}

int TJumpToForm::Time() const { return Whole(edtHour) * 3600 + Whole(edtMin) * 60 + Whole(edtSec); }
