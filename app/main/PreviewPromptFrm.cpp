#include "app/main/PreviewPromptFrm.h"

#include <memory>

#include "app/AppInfo.h"
#include "app/KelvaneSettings.h"
#include "app/Myshelllib.h"
#include "platform/controls/Application.h"
#include "platform/io/IniFiles.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/form/DynamicSkinForm.h"

namespace {

constexpr char kSection[] = "LastSettings";
constexpr char kShowPrompt[] = "ShowPreviewPrompt";
constexpr char kPreviewMode[] = "PreviewMode";

}  // namespace

TPreviewPromptForm::TPreviewPromptForm(TComponent* owner) : TForm(owner) {
  DeclareFormBindings(this)
      .Field("btnPlay", btnPlay)
      .Field("btnPlayOnlyVideo", btnPlayOnlyVideo)
      .Field("chkPrompt", chkPrompt)
      .Field("DSF", DSF)
      .Handler("btnPlayClick", this, &TPreviewPromptForm::btnPlayClick)
      .Handler("btnPlayOnlyVideoClick", this, &TPreviewPromptForm::btnPlayOnlyVideoClick);
}

// The caption is the program's name, whatever the definition holds.
void TPreviewPromptForm::Loaded() {
  TForm::Loaded();
  SetCaption(kProductName);
}

void TPreviewPromptForm::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.WindowClass.style |= DropShadowClassStyle();
}

void TPreviewPromptForm::Remember(bool withSound) {
  TIniFile settings(SettingsFileName());
  settings.WriteBool(kSection, kShowPrompt, !chkPrompt->Checked());
  settings.WriteBool(kSection, kPreviewMode, withSound);
}

void TPreviewPromptForm::btnPlayClick(TObject*) { Remember(true); }

void TPreviewPromptForm::btnPlayOnlyVideoClick(TObject*) { Remember(false); }

bool AskPreviewMode() {
  bool ask = true;
  {
    TIniFile settings(SettingsFileName());
    ask = settings.ReadBool(kSection, kShowPrompt, true);
  }
  if (ask) {
    std::unique_ptr<TPreviewPromptForm> prompt(NewForm<TPreviewPromptForm>(&Application));
    prompt->ShowModal();
  }
  TIniFile settings(SettingsFileName());
  return settings.ReadBool(kSection, kPreviewMode, true);
}
