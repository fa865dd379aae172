#include "app/main/AboutFrm.h"

#include "app/AppInfo.h"
#include "app/Myshelllib.h"
#include "framed/controls/RzLabel.h"
#include "framed/controls/RzPanel.h"
#include "framed/controls/RzURLLabel.h"
#include "platform/published/FormsPublished.h"
#include "platform/stdctrls/Image.h"
#include "skin/controls/SkinButton.h"
#include "skin/form/DynamicSkinForm.h"

String AboutVersionLine() { return String("Version: ") + kVersionText + "(Build: " + kBuildText + ")"; }

TAboutForm::TAboutForm(TComponent* owner) : TForm(owner) {
  DeclareFormBindings(this)
      .Field("imgLogo", imgLogo)
      .Field("lblNameAndCopy", lblNameAndCopy)
      .Field("lblVersion", lblVersion)
      .Field("pnlNote", pnlNote)
      .Field("lblWebSite", lblWebSite)
      .Field("lblSupport", lblSupport)
      .Field("btnClose", btnClose)
      .Field("DSF", DSF);
}

void TAboutForm::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.WindowClass.style |= DropShadowClassStyle();
}

void TAboutForm::Loaded() {
  TForm::Loaded();
  lblVersion->SetCaption(AboutVersionLine());
}
