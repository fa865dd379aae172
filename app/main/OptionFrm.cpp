#include "app/main/OptionFrm.h"

#include <algorithm>
#include <cstring>

#include "app/AppInfo.h"
#include "app/KelvaneSettings.h"
#include "app/Myshelllib.h"
#include "app/OutputFileName.h"
#include "app/main/MainFrm.h"
#include "framed/controls/RzLabel.h"
#include "framed/controls/RzPanel.h"
#include "platform/controls/Dialogs.h"
#include "platform/core/SysUtils.h"
#include "platform/core/SystemCalls.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include "platform/published/FormsPublished.h"
#include "platform/stdctrls/Image.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinPanel.h"
#include "skin/form/DynamicSkinForm.h"

namespace {

// The volume name of the drive at `root` ("D:"); empty when the system gives none.
String VolumeName(const String& root) {
  char name[MAX_PATH + 1] = {};
  if (!SystemCalls().GetVolumeInformation(root + "\\", name, sizeof(name) - 1)) return String();
  return String(name);
}

// Selects the first entry equal to `text`, leaving the selection as it is when none is.
void SelectExactly(TspSkinComboBox* box, const String& text) {
  TStrings* items = box->Items();
  for (int i = 0; i < items->Count(); ++i) {
    if (items->Strings(i) == text) {
      box->SetItemIndex(i);
      return;
    }
  }
}

void CopyText(char* into, std::size_t size, const String& text) {
  std::memset(into, 0, size);
  std::memcpy(into, text.data(), std::min(text.size(), size - 1));
}

}  // namespace

TOptionForm::TOptionForm(TComponent* owner) : TForm(owner) {
  DeclareFormBindings(this)
      .Field("gbDefaultSettings", gbDefaultSettings)
      .Field("edtOutputFolder", edtOutputFolder)
      .Field("cbAudioLang", cbAudioLang)
      .Field("cbSubTitleLang", cbSubTitleLang)
      .Field("cbCDDVDRom", cbCDDVDRom)
      .Field("chkOnlySelectMainMovie", chkOnlySelectMainMovie)
      .Field("chkNotShowNotAvailableTitles", chkNotShowNotAvailableTitles)
      .Field("gbSymbols", gbSymbols)
      .Field("cbSingleFile", cbSingleFile)
      .Field("cbMultiFiles", cbMultiFiles)
      .Field("cbByChapterMultiFiles", cbByChapterMultiFiles)
      .Field("btnPreviewSymbols", btnPreviewSymbols)
      .Field("btnSplitPrevew", btnSplitPrevew)
      .Field("btnByChapterPreview", btnByChapterPreview)
      .Field("lblPreviewSymbols", lblPreviewSymbols)
      .Field("pnlSymbolsHint", pnlSymbolsHint)
      .Field("btnOk", btnOk)
      .Field("btnCancel", btnCancel)
      .Field("CDImage", CDImage)
      .Field("CDMaskImage", CDMaskImage)
      .Field("ImageList", ImageList)
      .Field("DSF", DSF)
      .Handler("cbCDDVDRomDropDown", this, &TOptionForm::cbCDDVDRomDropDown)
      .Handler("edtOutputFolderButtonClick", this, &TOptionForm::edtOutputFolderButtonClick)
      .Handler("btnPreviewSymbolsClick", this, &TOptionForm::btnPreviewSymbolsClick)
      .Handler("btnSplitPrevewClick", this, &TOptionForm::btnSplitPrevewClick)
      .Handler("btnByChapterPreviewClick", this, &TOptionForm::btnByChapterPreviewClick)
      .Handler("btnOkClick", this, &TOptionForm::btnOkClick);
}

void TOptionForm::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.WindowClass.style |= DropShadowClassStyle();
}

void TOptionForm::Loaded() {
  TForm::Loaded();
  SetCaption(String(kProductName) + " - " + "Option");
  const KelvaneSettings& settings = *GetSettings();
  edtOutputFolder->SetText(settings.DefaultOutputFolder);
  FillDriveList();
  const auto chosen = std::find(driveRoots_.begin(), driveRoots_.end(), settings.DefaultDVDRom);
  if (chosen != driveRoots_.end()) cbCDDVDRom->SetItemIndex(int(chosen - driveRoots_.begin()));
  FillLanguages();
  SelectExactly(cbAudioLang, settings.DefaultAudioLang);
  SelectExactly(cbSubTitleLang, settings.DefaultSubtitleLang);
  cbSingleFile->SetText(settings.SingleFileSymbols);
  cbMultiFiles->SetText(settings.MultiFilesSymbols);
  cbByChapterMultiFiles->SetText(settings.ByChapterMultiFilesSymbols);
  chkOnlySelectMainMovie->SetChecked(settings.OnlySelectMainMovie);
  chkNotShowNotAvailableTitles->SetChecked(settings.DontShowNotAvailableTitles);
}

// One picture per drive: the list's pictures go with its entries.
void TOptionForm::FillDriveList() {
  driveRoots_.clear();
  cbCDDVDRom->Items()->Clear();
  ImageList->Clear();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const String root = String(1, letter) + ":";
    if (SystemCalls().GetDriveType(root + "\\") != DRIVE_CDROM) continue;
    ImageList->Add(CDImage->Picture()->Bitmap(), CDMaskImage->Picture()->Bitmap());
    const String label = VolumeName(root);
    cbCDDVDRom->Items()->Add(label.empty() ? "(" + root + ")" : "(" + root + ") " + label);
    driveRoots_.push_back(root);
  }
  if (!driveRoots_.empty()) cbCDDVDRom->SetItemIndex(0);
}

void TOptionForm::FillLanguages() {
  cbSubTitleLang->Items()->Add("None");
  if (DiscEngine* engine = DiscEngineObject) {
    const int count = engine->GetLanguageCount();
    for (int i = 0; i < count; ++i) {
      const char* name = engine->GetLanguageName(i);
      if (!name) continue;
      cbAudioLang->Items()->Add(name);
      cbSubTitleLang->Items()->Add(name);
    }
  }
  cbAudioLang->SetItemIndex(0);
  cbSubTitleLang->SetItemIndex(0);
}

String TOptionForm::SelectedDriveRoot() const {
  const int index = cbCDDVDRom->ItemIndex();
  return index >= 0 && index < int(driveRoots_.size()) ? driveRoots_[index] : String();
}

void TOptionForm::cbCDDVDRomDropDown(TObject*) { FillDriveList(); }

void TOptionForm::edtOutputFolderButtonClick(TObject*) {
  String folder = SelectDirectory("Select Directory");
  if (folder.empty()) return;
  if (folder.back() != '\\') folder += '\\';
  edtOutputFolder->SetText(folder);
}

void TOptionForm::PreviewPattern(const TspSkinComboBox* patternBox) {
  TitleBeginInfo sample{};
  sample.ClipNumber = 1;
  CopyText(sample.AudioLanguage, sizeof(sample.AudioLanguage), cbAudioLang->Text());
  sample.AudioExtension = 1;
  CopyText(sample.SubtitleLanguage, sizeof(sample.SubtitleLanguage), cbSubTitleLang->Text());
  sample.CaptionKind = 1;
  const String root = SelectedDriveRoot();
  const String label = root.empty() ? String() : VolumeName(root);
  const String text = edtOutputFolder->Text() + BuildOutputFileName(patternBox->Text(), label, sample);
  lblPreviewSymbols->SetCaption(text);
  lblPreviewSymbols->SetHint(text);
}

void TOptionForm::btnPreviewSymbolsClick(TObject*) { PreviewPattern(cbSingleFile); }

void TOptionForm::btnSplitPrevewClick(TObject*) { PreviewPattern(cbMultiFiles); }

void TOptionForm::btnByChapterPreviewClick(TObject*) { PreviewPattern(cbByChapterMultiFiles); }

// With no drive in the list the chosen drive is none, stored as an empty text.
void TOptionForm::btnOkClick(TObject*) {
  KelvaneSettings& settings = *GetSettings();
  settings.DefaultOutputFolder = edtOutputFolder->Text();
  settings.DefaultDVDRom = SelectedDriveRoot();
  settings.SingleFileSymbols = cbSingleFile->Text();
  settings.MultiFilesSymbols = cbMultiFiles->Text();
  settings.ByChapterMultiFilesSymbols = cbByChapterMultiFiles->Text();
  settings.DefaultAudioLang = cbAudioLang->Text();
  settings.DefaultSubtitleLang = cbSubTitleLang->Text();
  settings.OnlySelectMainMovie = chkOnlySelectMainMovie->Checked();
  settings.DontShowNotAvailableTitles = chkNotShowNotAvailableTitles->Checked();
}
