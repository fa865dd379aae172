// The countdown before the computer shuts down after a conversion run.
#pragma once

#include "platform/controls/CustomForm.h"

class TRzLabel;
class TTimer;
class TspSkinButton;

class TShutDownForm : public TForm {
public:
  explicit TShutDownForm(TComponent* owner);

  TRzLabel* lblInfo = nullptr;
  TspSkinButton* btnOk = nullptr;
  TspSkinButton* btnCancel = nullptr;
  TTimer* Timer = nullptr;

  // One second of the countdown; at 0 the dialog closes and the system shuts down.
  void TimerTimer(TObject* sender);
  int SecondsLeft() const { return count_; }

private:
  void FormShow(TObject* sender);
  void btnOkClick(TObject* sender);
  void btnCancelClick(TObject* sender);
  int count_ = 15;
};

// Shows the countdown modally and frees it.
void ShowShutDownDialog();
// Enables the shutdown privilege and asks the system to shut down; false when
// either step fails.
bool ShutDownSystem();
