// The options dialog through the system-call hooks: the drive list from the drive
// types and volume names the hooks give, the engine's language names, the naming
// patterns and their preview, OK storing the nine settings, Cancel and Escape none.
#include <map>
#include <memory>

#include "app/KelvaneSettings.h"
#include "app/main/OptionFrm.h"
#include "framed/controls/RzLabel.h"
#include "platform/graphics/ImageList.h"
#include "platform/core/SysUtils.h"
#include "platform/io/IniFiles.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinEdit.h"
#include "tests/app/main/DialogTestFixture.h"
#include "tests/harness/WindowPump.h"

namespace {

String ItemsOf(const TspSkinComboBox* box) {
  String text;
  for (int i = 0; i < box->Items()->Count(); ++i) text += (i ? "," : "") + box->Items()->Strings(i);
  return text;
}

class OptionDialog : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    Drives({});
  }
  void TearDown() override {
    dialog.reset();
    DialogTest::TearDown();
  }
  // The machine's CD/DVD drives and their volume names ("" for none); every other
  // letter is a fixed disk.
  void Drives(std::map<String, String> drives) {
    SystemCalls().GetDriveType = [this](const String& root) -> UINT {
      roots.push_back(root);
      return cdDrives.count(root.substr(0, 2)) ? DRIVE_CDROM : DRIVE_FIXED;
    };
    SystemCalls().GetVolumeInformation = [this](const String& root, char* name, DWORD size) -> BOOL {
      auto found = cdDrives.find(root.substr(0, 2));
      if (found == cdDrives.end() || found->second.empty()) return FALSE;
      lstrcpynA(name, found->second.c_str(), int(size));
      return TRUE;
    };
    cdDrives = std::move(drives);
  }
  void Open() { dialog.reset(NewForm<TOptionForm>(window.get())); }

  std::map<String, String> cdDrives;
  std::vector<String> roots;
  std::unique_ptr<TOptionForm> dialog;
};

TEST_F(OptionDialog, ListsTheCDAndDVDDrivesWithTheirNames) {
  struct Case {
    const char* name;
    std::map<String, String> drives;
    String chosen;  // DefaultDVDRom
    String items, selected;
  } cases[] = {
      {"no drive", {}, "D:", "", ""},
      {"one drive labelled MOVIE", {{"E:", "MOVIE"}}, "", "(E:) MOVIE", "E:"},
      {"two, the second chosen", {{"D:", ""}, {"F:", "DATA"}}, "F:", "(D:),(F:) DATA", "F:"},
      {"a choice no drive has", {{"D:", ""}, {"F:", "DATA"}}, "Z:", "(D:),(F:) DATA", "D:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Drives(c.drives);
    GetSettings()->DefaultDVDRom = c.chosen;
    roots.clear();
    Open();
    ASSERT_EQ(roots.size(), 26u) << "every letter is asked";
    EXPECT_EQ(roots.front(), "A:\\");
    EXPECT_EQ(ItemsOf(dialog->cbCDDVDRom), c.items);
    EXPECT_EQ(dialog->SelectedDriveRoot(), c.selected);
    EXPECT_EQ(dialog->ImageList->Count(), int(c.drives.size()));
    EXPECT_EQ(dialog->cbCDDVDRom->Images(), dialog->ImageList);
    // Each opening of the list asks again and keeps one picture per drive.
    for (int i = 0; i < 3; ++i) {
      dialog->cbCDDVDRom->SetItemIndex(int(c.drives.size()) - 1);
      dialog->cbCDDVDRomDropDown(nullptr);
      EXPECT_EQ(dialog->ImageList->Count(), int(c.drives.size()));
      EXPECT_EQ(dialog->cbCDDVDRom->ItemIndex(), c.drives.empty() ? -1 : 0);
    }
    EXPECT_EQ(roots.size(), 26u * 4);
  }
}

// The engine's language names, sorted, with "None" among the subtitle languages.
TEST_F(OptionDialog, OffersTheEnginesLanguagesSorted) {
  DiscEngine* languages = LoadBuiltDiscEngine();
  ASSERT_NE(languages, nullptr);
  DiscEngine* fake = DiscEngineObject;
  DiscEngineObject = languages;
  struct Case {
    String audio, subtitle;
    String shownAudio, shownSubtitle;
  } cases[] = {
      {"French", "German", "French", "German"},
      {"Klingon", "None", "", "None"},  // not a name the engine knows: the first entry
  };
  for (const Case& c : cases) {
    GetSettings()->DefaultAudioLang = c.audio;
    GetSettings()->DefaultSubtitleLang = c.subtitle;
    Open();
    TStrings* audio = dialog->cbAudioLang->Items();
    TStrings* subtitles = dialog->cbSubTitleLang->Items();
    ASSERT_EQ(audio->Count(), languages->GetLanguageCount());
    ASSERT_EQ(subtitles->Count(), audio->Count() + 1);
    EXPECT_EQ(audio->IndexOf("None"), -1);
    EXPECT_NE(subtitles->IndexOf("None"), -1);
    for (int i = 1; i < audio->Count(); ++i)
      EXPECT_LE(AnsiCompareText(audio->Strings(i - 1), audio->Strings(i)), 0) << audio->Strings(i);
    for (int i = 1; i < subtitles->Count(); ++i)
      EXPECT_LE(AnsiCompareText(subtitles->Strings(i - 1), subtitles->Strings(i)), 0) << subtitles->Strings(i);
    EXPECT_EQ(dialog->cbAudioLang->Text(), c.shownAudio.empty() ? audio->Strings(0) : c.shownAudio);
    EXPECT_EQ(dialog->cbSubTitleLang->Text(), c.shownSubtitle);
  }
  dialog.reset();
  DiscEngineObject = fake;
  languages->Release();
}

TEST_F(OptionDialog, ThePreviewFollowsThePatternBoxes) {
  Drives({{"E:", "MOVIE"}});
  Open();
  dialog->edtOutputFolder->SetText("C:\\Out\\");
  dialog->cbSubTitleLang->SetItemIndex(0);  // "None", the only entry of the fake engine
  struct Case {
    TspSkinComboBox* TOptionForm::*box;
    void (TOptionForm::*preview)(TObject*);
    String pattern, expected;
  } cases[] = {
      {&TOptionForm::cbSingleFile, &TOptionForm::btnPreviewSymbolsClick,
       "<volumelabel>_T<title_index>[angle_index][clips_number]", "C:\\Out\\MOVIE_T01"},
      {&TOptionForm::cbMultiFiles, &TOptionForm::btnSplitPrevewClick,
       "<volumelabel>\\T<title_index>[angle_index]_<clips_number>", "C:\\Out\\MOVIE\\T01_01"},
      {&TOptionForm::cbByChapterMultiFiles, &TOptionForm::btnByChapterPreviewClick,
       "<volumelabel>_T<title_index>_A<angle_index>_C<chapter_index>", "C:\\Out\\MOVIE_T01_A01_C01"},
      {&TOptionForm::cbSingleFile, &TOptionForm::btnPreviewSymbolsClick,
       "<volumelabel>_(Subtitle_<subtitle_lang> <subtitle_ext>)", "C:\\Out\\MOVIE_(Subtitle_None Normal Captions)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    (dialog.get()->*c.box)->SetText(c.pattern);
    (dialog.get()->*c.preview)(nullptr);
    EXPECT_EQ(dialog->lblPreviewSymbols->Caption(), c.expected);
    EXPECT_EQ(dialog->lblPreviewSymbols->Hint(), c.expected);
  }
}

TEST_F(OptionDialog, OffersNineSuggestionsPerPattern) {
  Open();
  for (TspSkinComboBox* box : {dialog->cbSingleFile, dialog->cbMultiFiles, dialog->cbByChapterMultiFiles}) {
    ASSERT_EQ(box->Items()->Count(), 9) << box->Name();
    EXPECT_EQ(box->Items()->Strings(1).find("<volumelabel>\\\\T<title_index>"), 0u) << "two backslashes, as written";
  }
  EXPECT_EQ(dialog->cbSingleFile->Items()->Strings(0), "<volumelabel>_T<title_index>[angle_index][clips_number]");
  EXPECT_EQ(dialog->Caption(), "Varnel Revo - Option");
}

// OK stores the nine settings; Cancel and Escape store none of them. The settings
// file is read back after the settings are written, as at the program's end.
TEST_F(OptionDialog, OkStoresTheNineSettingsCancelAndEscapeNone) {
  Drives({{"E:", "MOVIE"}});
  KelvaneSettings& settings = *GetSettings();
  settings.DefaultDVDRom = "";
  settings.SingleFileSymbols = "single";
  settings.MultiFilesSymbols = "multi";
  settings.ByChapterMultiFilesSymbols = "chapter";
  settings.OnlySelectMainMovie = false;
  settings.DontShowNotAvailableTitles = false;
  settings.Save();
  const String before = folder.Read("DUZORERAVE.ini");

  enum Close { kOk, kCancel, kEscape };
  for (Close close : {kCancel, kEscape, kOk}) {
    SCOPED_TRACE(int(close));
    Open();
    dialog->edtOutputFolder->SetText("D:\\Films\\");
    dialog->cbSingleFile->SetText("<volumelabel>_S");
    dialog->cbMultiFiles->SetText("<volumelabel>_M<clips_number>");
    dialog->cbByChapterMultiFiles->SetText("<volumelabel>_C<chapter_index>");
    dialog->chkOnlySelectMainMovie->SetChecked(true);
    dialog->chkNotShowNotAvailableTitles->SetChecked(true);
    if (close == kOk) PostClick(dialog->btnOk, 10, 10);
    if (close == kCancel) PostClick(dialog->btnCancel, 10, 10);
    if (close == kEscape) PostKey(dialog->edtOutputFolder->Handle(), VK_ESCAPE);
    EXPECT_EQ(dialog->ShowModal(), close == kOk ? mrOk : mrCancel);
    dialog.reset();
    settings.Save();
    if (close != kOk) {
      EXPECT_EQ(folder.Read("DUZORERAVE.ini"), before);
    }
  }
  TIniFile file(SettingsFileName());
  EXPECT_EQ(file.ReadString("Settings", "DefaultOutputFolder", ""), "D:\\Films\\");
  EXPECT_EQ(file.ReadString("Settings", "DefaultDVDRom", ""), "E:");
  EXPECT_EQ(file.ReadString("Settings", "SingleFileSymbols", ""), "<volumelabel>_S");
  EXPECT_EQ(file.ReadString("Settings", "MultiFilesSymbols", ""), "<volumelabel>_M<clips_number>");
  EXPECT_EQ(file.ReadString("Settings", "ByChapterMultiFilesSymbols", ""), "<volumelabel>_C<chapter_index>");
  EXPECT_EQ(file.ReadString("Settings", "DefaultAudioLang", "?"), "") << "the fake engine names no language";
  EXPECT_EQ(file.ReadString("Settings", "DefaultSubtitleLang", ""), "None");
  EXPECT_TRUE(file.ReadBool("Settings", "OnlySelectMainMovie", false));
  EXPECT_TRUE(file.ReadBool("Settings", "DontShowNotAvailableTitles", false));
}

TEST_F(OptionDialog, OkWithoutADriveStoresNone) {
  GetSettings()->DefaultDVDRom = "D:";
  Open();
  ASSERT_EQ(dialog->cbCDDVDRom->Items()->Count(), 0);
  dialog->btnOkClick(nullptr);
  EXPECT_EQ(GetSettings()->DefaultDVDRom, "");
}

TEST_F(OptionDialog, TheBrowseButtonPicksAFolder) {
  Open();
  SystemCalls().BrowseForFolder = [&](BROWSEINFOA* request) -> LPITEMIDLIST {
    EXPECT_STREQ(request->lpszTitle, "Select Directory");
    return ::ILCreateFromPathA(folder.Path().substr(0, folder.Path().size() - 1).c_str());
  };
  dialog->edtOutputFolderButtonClick(nullptr);
  EXPECT_EQ(dialog->edtOutputFolder->Text(), folder.Path()) << "with its backslash";
  SystemCalls().BrowseForFolder = [](BROWSEINFOA*) -> LPITEMIDLIST { return nullptr; };
  dialog->edtOutputFolderButtonClick(nullptr);
  EXPECT_EQ(dialog->edtOutputFolder->Text(), folder.Path()) << "a cancelled choice changes nothing";
}

// The main window's Option button: whatever the answer, its folder shows the setting.
TEST_F(OptionDialog, TheOptionButtonShowsTheDialogAndTheFolderAfterIt) {
  for (bool ok : {false, true}) {
    RunInNextLoop([ok] {
      TOptionForm* open = OpenForm<TOptionForm>();
      ASSERT_NE(open, nullptr);
      open->edtOutputFolder->SetText("E:\\Chosen\\");
      PostClick(ok ? open->btnOk : open->btnCancel, 10, 10);
    });
    GetSettings()->DefaultOutputFolder = "C:\\Before\\";
    window->btnOption->ButtonClick();
    EXPECT_EQ(OpenForm<TOptionForm>(), nullptr);
    EXPECT_EQ(GetSettings()->DefaultOutputFolder, ok ? "E:\\Chosen\\" : "C:\\Before\\");
    EXPECT_EQ(window->edtOutputFolder->Text(), GetSettings()->DefaultOutputFolder);
  }
}

}  // namespace
