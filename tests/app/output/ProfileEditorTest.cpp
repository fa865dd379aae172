// The profile editor as a dialog, its questions answered from a table: New, Save,
// Copy, Delete, list and page switches, and saves that cannot be written.
#include <functional>
#include <memory>

#include "app/ProfileManager.h"
#include "app/main/MainFrm.h"
#include "app/output/EditProfileFrm.h"
#include "platform/controls/Menus.h"
#include "platform/core/FileUtils.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinPageControl.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/menus/SkinPopupMenu.h"
#include "tests/app/output/OutputFixture.h"

namespace {

constexpr int Yes = IDYES, No = IDNO;

class ProfileEditor : public OutputFixture {
public:
  void SetUp() override {
    OutputFixture::SetUp();
    AddProfile<TAVIProfile>("AVI One");
    AddProfile<TAVIProfile>("AVI Two");
    AddProfile<TMP4Profile>("MP4 Only");
    AddProfile<TFLVProfile>("FLV Only");
    editor.reset(NewForm<TEditProfileForm>(nullptr));
  }
  void TearDown() override {
    editor.reset();
    OutputFixture::TearDown();
  }
  void New(const char* item) {
    auto* menuItem = dynamic_cast<TMenuItem*>(editor->FindComponent(item));
    ASSERT_NE(menuItem, nullptr) << item;
    editor->NewProfileClick(menuItem);
  }
  void Choose(const String& listed) {
    int index = editor->cbProfiles->Items()->IndexOf(listed);
    ASSERT_GE(index, 0) << listed;
    editor->cbProfiles->SetItemIndex(index);  // runs the change handler as a pick would
  }
  void Page(int pageIndex) {
    editor->pcFormats->SetActivePageIndex(pageIndex);
    editor->pcFormatsChange(editor->pcFormats);
  }
  std::vector<String> Names() const {
    std::vector<String> names;
    for (int i = 0; i < Manager().GetCount(); ++i) names.push_back(Manager().GetProfile(i)->ProfileName);
    return names;
  }
  std::vector<String> Listed() const {
    std::vector<String> items;
    for (int i = 0; i < editor->cbProfiles->Items()->Count(); ++i) items.push_back(editor->cbProfiles->Items()->Strings(i));
    return items;
  }
  std::unique_ptr<TEditProfileForm> editor;
};

using Texts = std::vector<String>;
const String kAskNew = "Do You Want To Save Profile:\n";
const String kAskOverwrite = "There is already a Profile having the same name of ";
const String kAskChanged = "Profile:";

TEST_F(ProfileEditor, StartsOnTheAviPageWithItsFirstProfile) {
  EXPECT_EQ(editor->Caption(), "Varnel Revo - Profile Editor");
  EXPECT_EQ(editor->pcFormats->ActivePageIndex(), 0);
  EXPECT_EQ(editor->ProfileInfoPanel->Parent(), editor->tsAVI);
  EXPECT_EQ(Listed(), (Texts{"AVI One", "AVI Two"}));
  EXPECT_EQ(editor->edtName->Text(), "AVI One");
  EXPECT_EQ(editor->CurrentIndex(), 0);
  EXPECT_TRUE(Boxes.empty());
}


TEST_F(ProfileEditor, AnswersToItsQuestionsDecideWhatIsKept) {
  // Each case runs on a fresh editor over the four profiles.
  struct Case {
    const char* name;
    std::vector<int> answers;
    std::function<void(ProfileEditor&)> act;
    Texts asked;
    std::function<void(ProfileEditor&)> check;
  };
  const Case cases[] = {
      {"new then save",
       {Yes},
       [](ProfileEditor& t) {
         t.New("mnuNewAVIProfile");
         t.editor->btnSaveClick(nullptr);
       },
       {kAskNew + "New AVI Profile?"},
       [](ProfileEditor& t) {
         EXPECT_TRUE(FileExists(t.folder.Path() + "Profiles\\New AVI Profile.pf"));
         EXPECT_EQ(t.Listed(), (Texts{"AVI One", "AVI Two", "New AVI Profile"}));
         EXPECT_EQ(t.editor->cbProfiles->Text(), "New AVI Profile");
       }},
      {"new with a used name, overwrite",
       {Yes, Yes},
       [](ProfileEditor& t) {
         t.New("mnuNewAVIProfile");
         t.editor->edtName->SetText("AVI Two");
         t.editor->edtAVIVideoBitrate->SetValue(999);
         t.editor->btnSaveClick(nullptr);
       },
       {kAskNew + "AVI Two?", kAskOverwrite + "AVI Two,\nDo you want to overwrite it?"},
       [](ProfileEditor& t) {
         EXPECT_EQ(t.Names(), (Texts{"AVI One", "AVI Two", "MP4 Only", "FLV Only"}));
         auto* two = static_cast<TAVIProfile*>(t.Manager().GetProfile(1));
         EXPECT_EQ(two->VideoBitrate, 999000);
         EXPECT_NE(ReadText(t.folder, "Profiles\\AVI Two.pf").find("VideoBitrate=999000"), String::npos);
         EXPECT_FALSE(FileExists(t.folder.Path() + "Profiles\\AVI Two (2).pf"));
         EXPECT_EQ(t.editor->ProfilesAwaitingFree(), 0) << "the replaced entry is freed with the refill";
       }},
      {"new with a used name, keep the old",
       {Yes, No},
       [](ProfileEditor& t) {
         t.New("mnuNewAVIProfile");
         t.editor->edtName->SetText("AVI Two");
         t.editor->edtAVIVideoBitrate->SetValue(999);
         t.editor->btnSaveClick(nullptr);
       },
       {kAskNew + "AVI Two?", kAskOverwrite + "AVI Two,\nDo you want to overwrite it?"},
       [](ProfileEditor& t) {
         EXPECT_EQ(static_cast<TAVIProfile*>(t.Manager().GetProfile(1))->VideoBitrate, 768000) << "the class default";
         EXPECT_EQ(t.editor->cbProfiles->Text(), "AVI Two");
         EXPECT_EQ(t.editor->edtAVIVideoBitrate->Value(), 768) << "the existing profile is shown";
       }},
      {"a change asks on a list switch",
       {Yes},
       [](ProfileEditor& t) {
         t.editor->edtAVIVideoBitrate->SetValue(1234);
         t.Choose("AVI Two");
       },
       {kAskChanged + "AVI One\n has been modified ,Do you want to save it?"},
       [](ProfileEditor& t) {
         EXPECT_EQ(static_cast<TAVIProfile*>(t.Manager().GetProfile(0))->VideoBitrate, 1234000);
         EXPECT_NE(ReadText(t.folder, "Profiles\\AVI One.pf").find("VideoBitrate=1234000"), String::npos);
         EXPECT_EQ(t.editor->edtName->Text(), "AVI Two");
       }},
      {"a renamed profile replaces its entry and file",
       {Yes},
       [](ProfileEditor& t) {
         t.editor->edtName->SetText("AVI Renamed");
         t.editor->btnSaveClick(nullptr);
       },
       {kAskChanged + "AVI Renamed\n has been modified ,Do you want to save it?"},
       [](ProfileEditor& t) {
         EXPECT_EQ(t.Listed(), (Texts{"AVI Renamed", "AVI Two"}));
         EXPECT_FALSE(FileExists(t.folder.Path() + "Profiles\\AVI One.pf"));
         EXPECT_TRUE(FileExists(t.folder.Path() + "Profiles\\AVI Renamed.pf"));
       }},
      {"a changed profile given another's name asks to overwrite it",
       {Yes, No},
       [](ProfileEditor& t) {
         t.editor->edtName->SetText("AVI Two");
         t.editor->btnSaveClick(nullptr);
       },
       {kAskChanged + "AVI Two\n has been modified ,Do you want to save it?",
        kAskOverwrite + "AVI Two,\nDo you want to overwrite it?"},
       [](ProfileEditor& t) {
         EXPECT_EQ(t.Names(), (Texts{"AVI One", "AVI Two", "MP4 Only", "FLV Only"})) << "one entry per name";
         EXPECT_TRUE(FileExists(t.folder.Path() + "Profiles\\AVI One.pf"));
       }},
      {"copy adds \" - Copy\" and saves beside the copied one",
       {Yes},
       [](ProfileEditor& t) {
         t.editor->btnSaveAsClick(nullptr);
         EXPECT_EQ(t.editor->edtName->Text(), "AVI One - Copy");
         t.editor->btnSaveClick(nullptr);
       },
       {kAskNew + "AVI One - Copy?"},
       [](ProfileEditor& t) { EXPECT_EQ(t.Listed(), (Texts{"AVI One", "AVI One - Copy", "AVI Two"})); }},
      {"deleting a format's last profile shows the next one on its page",
       {Yes},
       [](ProfileEditor& t) {
         t.Page(3);  // MP4
         t.editor->btnDeleteProfileClick(nullptr);
       },
       {"Do you want delete profile:\nMP4 Only?"},
       [](ProfileEditor& t) {
         EXPECT_EQ(t.Names(), (Texts{"AVI One", "AVI Two", "FLV Only"}));
         EXPECT_EQ(t.editor->pcFormats->ActivePageIndex(), 7) << "FLV, the profile now at the deleted index";
         EXPECT_EQ(t.editor->edtName->Text(), "FLV Only");
         EXPECT_FALSE(FileExists(t.folder.Path() + "Profiles\\MP4 Only.pf"));
         EXPECT_EQ(t.editor->ProfilesAwaitingFree(), 0);
       }},
      {"declining a delete keeps the profile",
       {No},
       [](ProfileEditor& t) { t.editor->btnDeleteProfileClick(nullptr); },
       {"Do you want delete profile:\nAVI One?"},
       [](ProfileEditor& t) { EXPECT_EQ(t.Names().size(), 4u); }},
      {"close asks nothing",
       {},
       [](ProfileEditor& t) {
         t.editor->edtAVIVideoBitrate->SetValue(4321);
         t.New("mnuNewMP4Profile");
         t.Boxes.clear();
         t.editor->btnCloseClick(nullptr);
       },
       {},
       [](ProfileEditor& t) { EXPECT_EQ(t.Names().size(), 4u); }},
      {"pages remember their profile",
       {},
       [](ProfileEditor& t) {
         t.Choose("AVI Two");
         t.Page(3);
         t.Page(0);
       },
       {},
       [](ProfileEditor& t) { EXPECT_EQ(t.editor->cbProfiles->Text(), "AVI Two"); }},
      {"new real profile is named as the menu does not say",
       {Yes},
       [](ProfileEditor& t) {
         t.New("mnuNewRealProfile");
         EXPECT_EQ(t.editor->pcFormats->ActivePageIndex(), 2);
         EXPECT_EQ(t.editor->edtName->Text(), "New Real Profile");
         t.editor->btnSaveClick(nullptr);
       },
       {kAskNew + "New Real Profile?"},
       [](ProfileEditor& t) { EXPECT_EQ(t.Listed(), (Texts{"New Real Profile"})); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    editor.reset();
    while (Manager().GetCount() > 0) {  // files too
      TVideoProfile* profile = Manager().GetProfile(0);
      Manager().DeleteProfile(0);
      delete profile;
    }
    AddProfile<TAVIProfile>("AVI One");
    AddProfile<TAVIProfile>("AVI Two");
    AddProfile<TMP4Profile>("MP4 Only");
    AddProfile<TFLVProfile>("FLV Only");
    editor.reset(NewForm<TEditProfileForm>(nullptr));
    Boxes.clear();
    Answers.assign(c.answers.begin(), c.answers.end());
    c.act(*this);
    EXPECT_EQ(BoxTexts(), c.asked);
    for (const Box& box : Boxes) EXPECT_EQ(box.Flags, 68u) << box.Text;
    c.check(*this);
  }
}

TEST_F(ProfileEditor, AFailedSaveIsReportedAndLosesNothing) {
  struct Case {
    const char* name;
    std::function<void(ProfileEditor&)> act;
    const char* blocked;  // the file whose writing fails
    Texts names;
  } cases[] = {
      {"new profile",
       [](ProfileEditor& t) {
         t.New("mnuNewAVIProfile");
         t.editor->btnSaveClick(nullptr);
       },
       "New AVI Profile.pf", {"AVI One", "AVI Two", "MP4 Only", "FLV Only"}},
      {"changed profile",
       [](ProfileEditor& t) {
         t.editor->edtAVIVideoBitrate->SetValue(777);
         t.editor->btnSaveClick(nullptr);
       },
       "AVI One.pf", {"AVI One", "AVI Two", "MP4 Only", "FLV Only"}},
      {"overwrite of another",
       [](ProfileEditor& t) {
         t.New("mnuNewAVIProfile");
         t.editor->edtName->SetText("AVI Two");
         t.editor->btnSaveClick(nullptr);
       },
       "AVI Two.pf", {"AVI One", "AVI Two", "MP4 Only", "FLV Only"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const String blocker = folder.Path() + "Profiles\\" + c.blocked + ".tmp~";
    ForceDirectories(blocker);  // the new file's temporary cannot be made
    const String before = ReadText(folder, String("Profiles\\") + c.blocked);
    Boxes.clear();
    Answers.assign({Yes, Yes});
    c.act(*this);
    ASSERT_FALSE(Boxes.empty());
    EXPECT_EQ(Boxes.back().Text, "Cannot save profile:\n" + String(c.blocked).substr(0, String(c.blocked).size() - 3));
    EXPECT_EQ(Boxes.back().Flags, 16u);
    EXPECT_EQ(Names(), c.names);
    EXPECT_EQ(ReadText(folder, String("Profiles\\") + c.blocked), before);
    RemoveDir(blocker);
  }
}

TEST_F(ProfileEditor, NewPopsItsMenuUpAtTheCursor) {
  editor->Show();
  POINT cursor{};
  ::GetCursorPos(&cursor);
  editor->btnNewClick(nullptr);
  EXPECT_EQ(editor->NewPopupMenu->LastPopupPoint.X, cursor.x);
  EXPECT_EQ(editor->NewPopupMenu->LastPopupPoint.Y, cursor.y);
  TMenuItem* items = editor->NewPopupMenu->Items();
  ASSERT_EQ(items->Count(), 8);
  EXPECT_EQ(items->Items(2)->Caption(), "New RealVideo Profile");
}

}  // namespace
