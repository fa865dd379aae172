// TButton: a push button over the system's "BUTTON" class; the default and cancel
// buttons of a form answer Enter and Escape.
#pragma once

#include "platform/controls/ModalResult.h"
#include "platform/controls/WinControl.h"

class TButton : public TWinControl {
public:
  explicit TButton(TComponent* owner);

  // Given to the parent form when clicked; a modal form then closes.
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  // Enter clicks the default button, Escape the cancel button.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }

  void Click() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void CMDialogKey(TMessage& message) override;
  void CMFocusChanged(TMessage& message) override;

private:
  void SetButtonStyle(bool isDefault);
  TModalResult modalResult_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;  // shown as the default button now
};
