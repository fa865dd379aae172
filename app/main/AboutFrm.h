// The about box: the program's name, version and build, and where to find its
// makers on the web and by mail.
#pragma once

#include "platform/controls/CustomForm.h"

class TImage;
class TRzLabel;
class TRzPanel;
class TRzURLLabel;
class TspDynamicSkinForm;
class TspSkinButton;

// "Version: 4.0.0(Build: 20071106)": the parts joined with nothing between them.
String AboutVersionLine();

class TAboutForm : public TForm {
public:
  explicit TAboutForm(TComponent* owner);

  TImage* imgLogo = nullptr;
  TRzLabel* lblNameAndCopy = nullptr;
  TRzLabel* lblVersion = nullptr;
  TRzPanel* pnlNote = nullptr;
  TRzURLLabel* lblWebSite = nullptr;
  TRzURLLabel* lblSupport = nullptr;
  TspSkinButton* btnClose = nullptr;
  TspDynamicSkinForm* DSF = nullptr;

protected:
  void Loaded() override;
  void CreateParams(TCreateParams& params) override;
};
