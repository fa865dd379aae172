#include "app/main/ProcessingFrm.h"

#include "app/KelvaneSettings.h"
#include "app/main/MainFrm.h"
#include "imaging/GR32_Image.h"
#include "platform/core/Timer.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinStdLabel.h"

TProcessingForm::TProcessingForm(TComponent* owner) : TForm(owner), driver_(dynamic_cast<TMainForm*>(owner)) {
  DeclareFormBindings(this)
      .Field("spSkinPanel1", spSkinPanel1)
      .Field("spSkinPanel2", spSkinPanel2)
      .Field("spSkinPanel5", spSkinPanel5)
      .Field("btnCancel", btnCancel)
      .Field("btnPauseConvert", btnPauseConvert)
      .Field("chkPreviewMovie", chkPreviewMovie)
      .Field("chkShutdown", chkShutdown)
      .Field("chkOpenOutputFolder", chkOpenOutputFolder)
      .Field("PreviewImage", PreviewImage)
      .Field("CurrentGauge", CurrentGauge)
      .Field("lblTime1", lblTime1)
      .Field("lblTime2", lblTime2)
      .Field("Timer", Timer)
      .Field("PreviewTimer", PreviewTimer)
      .Handler("FormShow", this, &TProcessingForm::FormShow)
      .Handler("TimerTimer", this, &TProcessingForm::TimerTimer)
      .Handler("btnCancelClick", this, &TProcessingForm::btnCancelClick)
      .Handler("btnPauseConvertClick", this, &TProcessingForm::btnPauseConvertClick)
      .Handler("chkShutdownClick", this, &TProcessingForm::chkShutdownClick)
      .Handler("chkOpenOutputFolderClick", this, &TProcessingForm::chkOpenOutputFolderClick)
      .Handler("chkPreviewMovieClick", this, &TProcessingForm::chkPreviewMovieClick);
}

// Every change below fires the controls' click handlers as a user's click would.
void TProcessingForm::Loaded() {
  TForm::Loaded();
  spSkinPanel1->SetVisible(false);
  chkPreviewMovie->SetVisible(false);
  chkPreviewMovie->SetChecked(false);
  SetHeight(250);
  KelvaneSettings& settings = *GetSettings();
  chkShutdown->SetChecked(settings.Shutdown);
  chkOpenOutputFolder->SetChecked(settings.OpenOutputFolder);
  chkPreviewMovie->SetChecked(settings.PreviewMovie);
}

void TProcessingForm::FormShow(TObject*) { Timer->SetEnabled(true); }

void TProcessingForm::TimerTimer(TObject*) {
  Timer->SetEnabled(false);
  if (driver_) driver_->RunConversion();
  Close();
}

void TProcessingForm::btnCancelClick(TObject*) {
  if (driver_) driver_->actStopConvertExecute(this);
}

void TProcessingForm::btnPauseConvertClick(TObject*) {
  if (driver_) driver_->actPauseExecute(this);
}

void TProcessingForm::chkShutdownClick(TObject*) {
  GetSettings()->Shutdown = chkShutdown->Checked();
  GetSettings()->OpenOutputFolder = false;
}

void TProcessingForm::chkOpenOutputFolderClick(TObject*) {
  GetSettings()->OpenOutputFolder = chkOpenOutputFolder->Checked();
  GetSettings()->Shutdown = false;
}

void TProcessingForm::chkPreviewMovieClick(TObject*) { GetSettings()->PreviewMovie = chkPreviewMovie->Checked(); }
