// The forms of the start-up: the hidden resource form with its skin list and
// format lists, and the splash window, both read from their definitions.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/KelvaneSettings.h"
#include "app/main/CoverFrm.h"
#include "app/main/FormRegistrations.h"
#include "app/main/ResourceFrm.h"
#include "app/ProfileManager.h"
#include "platform/core/FileUtils.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/Image.h"
#include "platform/stdctrls/Label.h"
#include "skin/data/SkinData.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

namespace {

std::vector<String> ItemsOf(TComboBox* box) {
  std::vector<String> items;
  for (int i = 0; i < box->Items()->Count(); ++i) items.push_back(box->Items()->Strings(i));
  return items;
}

}  // namespace

TEST(ResourceForm, ListsFoldersAndPlainFilesOfTheSkinsFolder) {
  UseProgramFormDefinitions();
  TempProgramFolder folder;
  folder.Write("Skins\\Blue\\readme.txt", "folder skin");
  folder.Write("Skins\\packed.skn", "a plain file");
  GetSettings()->Skin = folder.Path() + "Skins\\Missing\\Skin.ini";

  std::unique_ptr<TResourceForm> form(NewForm<TResourceForm>(nullptr));
  form->LoadSkinList();

  std::vector<String> skins = ItemsOf(form->cbSkins);
  std::sort(skins.begin(), skins.end());
  EXPECT_EQ(skins, (std::vector<String>{"Blue", "packed.skn"}));
  EXPECT_TRUE(form->FormSkinData->Empty) << "a skin that does not load leaves the default look";
  EXPECT_EQ(form->FormSkinData->ResourceStrData(), form->spResourceStrData);
  form->ReleaseResources();
}

TEST(ResourceForm, WithoutPlugInsOrProfilesTheListsStayEmpty) {
  UseProgramFormDefinitions();
  TempProgramFolder folder;
  std::unique_ptr<TResourceForm> form(NewForm<TResourceForm>(nullptr));
  ASSERT_NE(form->ProfileManager, nullptr);
  EXPECT_EQ(form->ProfileManager->Folder(), folder.Path() + "Profiles\\");
  form->LoadResources();
  EXPECT_EQ(form->ProfileManager->GetCount(), 0);
  for (TComboBox* box : {form->cbSystemProfile, form->cbWMVAudioFormat, form->cbRealAudioFormat}) {
    EXPECT_EQ(box->Items()->Count(), 0);
    EXPECT_EQ(box->ItemIndex(), -1);
  }
  form->ReleaseResources();
}

TEST(CoverForm, ShowsTheVersionTheBackgroundAndTheRevoLogo) {
  UseProgramFormDefinitions();
  std::unique_ptr<TCoverForm> splash(NewForm<TCoverForm>(nullptr));
  EXPECT_EQ(splash->lblVersion->Caption(), "Version: 4.0.0(Build: 20071106)");
  EXPECT_TRUE(splash->imgRevo->Visible());
  EXPECT_FALSE(splash->imgPro->Visible());
  EXPECT_EQ(splash->BGImage->Picture()->Width(), 553);
  EXPECT_EQ(splash->BGImage->Picture()->Height(), 260);
  EXPECT_GT(splash->imgRevo->Picture()->Width(), 0);
  EXPECT_EQ(splash->Width(), 553);
  EXPECT_EQ(splash->Height(), 260);

  splash->Show();
  splash->ShowStatus("Loading Profiles...");
  EXPECT_EQ(splash->lblInfoText->Caption(), "Loading Profiles...");
  CapturedPixels shot = CaptureWindow(splash->Handle());
  shot.SaveBmp("splash.bmp");
  ASSERT_EQ(shot.Width, 553);
  // The background is the drawn picture's deep blue, not the form's plain face.
  const std::uint32_t corner = shot.At(540, 250);
  EXPECT_LT((corner >> 16) & 0xFF, 0x40);
  EXPECT_LT(corner & 0xFF, 0x60);
}
