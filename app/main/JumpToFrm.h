// The "Jump to" dialog: a time in hours, minutes and seconds to seek to.
#pragma once

#include "platform/controls/CustomForm.h"

class TspDynamicSkinForm;
class TspSkinButton;
class TspSkinSpinEdit;

class TJumpToForm : public TForm {
public:
  explicit TJumpToForm(TComponent* owner);

  TspSkinSpinEdit* edtHour = nullptr;
  TspSkinSpinEdit* edtMin = nullptr;
  TspSkinSpinEdit* edtSec = nullptr;
  TspSkinButton* btnJump = nullptr;
  TspSkinButton* btnCancel = nullptr;
  TspDynamicSkinForm* DSF = nullptr;

  // Shows `seconds` in the three edits.
  void SetTime(int seconds);
  // The edits' time in seconds, each edit kept within its range.
  int Time() const;

protected:
  void CreateParams(TCreateParams& params) override;
};
