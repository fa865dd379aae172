#include "app/main/CoverFrm.h"

#include "app/AppInfo.h"
#include "platform/published/FormsPublished.h"
#include "platform/stdctrls/Image.h"
#include "platform/stdctrls/Label.h"

TCoverForm::TCoverForm(TComponent* owner) : TForm(owner) {
  DeclareFormBindings(this)
      .Field("BGImage", BGImage)
      .Field("lblVersion", lblVersion)
      .Field("lblInfoText", lblInfoText)
      .Field("imgRevo", imgRevo)
      .Field("imgPro", imgPro)
      .Handler("FormCreate", this, &TCoverForm::FormCreate);
}

void TCoverForm::FormCreate(TObject*) {
  lblVersion->SetCaption(String("Version: ") + kVersionText + "(Build: " + kBuildText + ")");
  imgRevo->SetVisible(true);
  imgPro->SetVisible(false);
}

void TCoverForm::ShowStatus(const String& text) {
  lblInfoText->SetCaption(text);
  Update();
}
