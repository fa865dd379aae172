// The dialog a conversion run shows: its timer starts the run once the dialog is
// on screen; it shows the progress the driver writes into it; Pause and Cancel act
// on the running conversion; two radio buttons choose what follows the run.
#pragma once

#include "platform/controls/CustomForm.h"

class TImage32;
class TMainForm;
class TTimer;
class TspSkinButton;
class TspSkinCheckRadioBox;
class TspSkinGauge;
class TspSkinPanel;
class TspSkinStdLabel;

class TProcessingForm : public TForm {
public:
  // The main window that owns it drives it.
  explicit TProcessingForm(TComponent* owner);

  TspSkinPanel* spSkinPanel1 = nullptr;
  TspSkinPanel* spSkinPanel2 = nullptr;
  TspSkinPanel* spSkinPanel5 = nullptr;
  TspSkinButton* btnCancel = nullptr;
  TspSkinButton* btnPauseConvert = nullptr;
  TspSkinCheckRadioBox* chkPreviewMovie = nullptr;
  TspSkinCheckRadioBox* chkShutdown = nullptr;
  TspSkinCheckRadioBox* chkOpenOutputFolder = nullptr;
  TImage32* PreviewImage = nullptr;
  TspSkinGauge* CurrentGauge = nullptr;
  TspSkinStdLabel* lblTime1 = nullptr;
  TspSkinStdLabel* lblTime2 = nullptr;
  TTimer* Timer = nullptr;
  TTimer* PreviewTimer = nullptr;

  // Runs the conversion once and closes the dialog.
  void TimerTimer(TObject* sender);

protected:
  void Loaded() override;

private:
  void FormShow(TObject* sender);
  void btnCancelClick(TObject* sender);
  void btnPauseConvertClick(TObject* sender);
  void chkShutdownClick(TObject* sender);
  void chkOpenOutputFolderClick(TObject* sender);
  void chkPreviewMovieClick(TObject* sender);
  TMainForm* driver_;
};
