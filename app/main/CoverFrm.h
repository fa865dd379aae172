// The splash window shown while the program starts: a picture, the version and a
// status line that is repainted at once whenever it changes.
#pragma once

#include "platform/controls/CustomForm.h"

class TImage;
class TLabel;

class TCoverForm : public TForm {
public:
  explicit TCoverForm(TComponent* owner);

  // Shows the status text and paints the window before the caller goes on.
  void ShowStatus(const String& text);

  TImage* BGImage = nullptr;
  TLabel* lblVersion = nullptr;
  TLabel* lblInfoText = nullptr;
  TImage* imgRevo = nullptr;
  TImage* imgPro = nullptr;

private:
  void FormCreate(TObject* sender);
};
