// The options dialog: the user's defaults in the settings (output folder, DVD
// drive, audio and subtitle languages, the two title filters, the three naming
// patterns) with a preview of a name a pattern makes. OK stores them all; Cancel
// and Escape store nothing.
#pragma once

#include <vector>

#include "platform/controls/CustomForm.h"

class TImage;
class TImageList;
class TRzLabel;
class TRzPanel;
class TspDynamicSkinForm;
class TspSkinButton;
class TspSkinCheckRadioBox;
class TspSkinComboBox;
class TspSkinEdit;
class TspSkinGroupBox;

class TOptionForm : public TForm {
public:
  explicit TOptionForm(TComponent* owner);

  TspSkinGroupBox* gbDefaultSettings = nullptr;
  TspSkinEdit* edtOutputFolder = nullptr;
  TspSkinComboBox* cbAudioLang = nullptr;
  TspSkinComboBox* cbSubTitleLang = nullptr;
  TspSkinComboBox* cbCDDVDRom = nullptr;
  TspSkinCheckRadioBox* chkOnlySelectMainMovie = nullptr;
  TspSkinCheckRadioBox* chkNotShowNotAvailableTitles = nullptr;
  TspSkinGroupBox* gbSymbols = nullptr;
  TspSkinComboBox* cbSingleFile = nullptr;
  TspSkinComboBox* cbMultiFiles = nullptr;
  TspSkinComboBox* cbByChapterMultiFiles = nullptr;
  TspSkinButton* btnPreviewSymbols = nullptr;
  TspSkinButton* btnSplitPrevew = nullptr;
  TspSkinButton* btnByChapterPreview = nullptr;
  TRzLabel* lblPreviewSymbols = nullptr;
  TRzPanel* pnlSymbolsHint = nullptr;
  TspSkinButton* btnOk = nullptr;
  TspSkinButton* btnCancel = nullptr;
  TImage* CDImage = nullptr;
  TImage* CDMaskImage = nullptr;
  TImageList* ImageList = nullptr;
  TspDynamicSkinForm* DSF = nullptr;

  // The root ("D:") of each entry of the drive list, in the list's order.
  const std::vector<String>& DriveRoots() const { return driveRoots_; }
  // The root of the chosen drive; empty with no drive in the list.
  String SelectedDriveRoot() const;

  void cbCDDVDRomDropDown(TObject* sender);
  void edtOutputFolderButtonClick(TObject* sender);
  void btnPreviewSymbolsClick(TObject* sender);
  void btnSplitPrevewClick(TObject* sender);
  void btnByChapterPreviewClick(TObject* sender);
  void btnOkClick(TObject* sender);

protected:
  void Loaded() override;
  void CreateParams(TCreateParams& params) override;

private:
  void FillDriveList();
  void FillLanguages();
  void PreviewPattern(const TspSkinComboBox* patternBox);

  std::vector<String> driveRoots_;
};
