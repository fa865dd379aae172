// The prompt before a preview plays: with sound or video only, and whether to ask
// again; both answers are kept in [LastSettings] of the settings file.
#pragma once

#include "platform/controls/CustomForm.h"

class TspDynamicSkinForm;
class TspSkinButton;
class TspSkinCheckRadioBox;

class TPreviewPromptForm : public TForm {
public:
  explicit TPreviewPromptForm(TComponent* owner);

  TspSkinButton* btnPlay = nullptr;
  TspSkinButton* btnPlayOnlyVideo = nullptr;
  TspSkinCheckRadioBox* chkPrompt = nullptr;
  TspDynamicSkinForm* DSF = nullptr;

protected:
  void CreateParams(TCreateParams& params) override;
  void Loaded() override;

private:
  void btnPlayClick(TObject* sender);
  void btnPlayOnlyVideoClick(TObject* sender);
  void Remember(bool withSound);
};

// Asks, unless told not to, and answers the remembered mode: true plays with
// sound, false video only.
bool AskPreviewMode();
