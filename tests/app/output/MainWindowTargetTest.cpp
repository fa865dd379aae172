// The main window's output settings dialog: made once and kept, and the target the
// tasks of a newly opened source take from it.
#include <memory>

#include "platform/comctrls/ListView.h"
#include "platform/controls/Menus.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/menus/SkinPopupMenu.h"

#include "app/main/MainFrm.h"
#include "app/output/OutputSettingsFrm.h"
#include "tests/app/main/FakeDiscEngine.h"
#include "tests/app/output/OutputFixture.h"

namespace {

FakeDiscEngine* engine = nullptr;
DiscEngine* MakeEngine() { return engine; }

class MainWindowTarget : public OutputFixture {
public:
  void SetUp() override {
    OutputFixture::SetUp();
    fake.Titles = {FakeTitle(3600, {{0, "English"}})};
    engine = &fake;
    SetDiscEngineFactory(&MakeEngine);
    form.reset(NewForm<TMainForm>(nullptr));
    MainForm = form.get();
  }
  void TearDown() override {
    MainForm = nullptr;
    form.reset();
    FreeDiscEngine();
    SetDiscEngineFactory(nullptr);
    OutputFixture::TearDown();
  }
  FakeDiscEngine fake;
  std::unique_ptr<TMainForm> form;
};

TEST_F(MainWindowTarget, NewTasksTakeTheDialogsCurrentTarget) {
  TOutputSettingsForm* dialog = form->GetOutputSettingsForm();
  EXPECT_EQ(form->GetOutputSettingsForm(), dialog) << "made once";
  EXPECT_EQ(dialog->Owner(), form.get());
  struct Case {
    int code;
    const char* formatName;
    const char* extension;
    bool video;
  } cases[] = {{8, "MP3", "mp3", false}, {14, "M4A", "mp4", false}, {1, "AVI", "avi", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    dialog->SelectOutputFormat(static_cast<OutputFormatCode>(c.code));
    form->LoadTitles("C:\\", skDVDFolder);
    ASSERT_EQ(form->TaskCount(), 1);
    DVDConvertTask* task = form->Task(0);
    EXPECT_EQ(task->FormatName, c.formatName);
    EXPECT_EQ(task->Extension, c.extension);
    EXPECT_EQ(task->FormatCode, c.code);
    EXPECT_EQ(task->VideoProfile != nullptr, c.video);
    EXPECT_EQ(task->AudioScheme != nullptr, !c.video);
    if (task->AudioScheme) {
      EXPECT_EQ(task->AudioScheme->FormatCode, c.code);
    }
  }
}

TEST(TargetFormats, EachTagStandsForItsFormat) {
  const int expected[] = {1, 4, 5, 3, 2, 6, 0, 7, 8, 9, 10, 12, 11, 13, 14, 15, 16, 17};
  for (int tag = 0; tag < 18; ++tag) EXPECT_EQ(TargetFormatOfTag(tag), expected[tag]) << tag;
  for (int tag : {-1, 18, 1000}) EXPECT_EQ(TargetFormatOfTag(tag), 1) << "AVI for " << tag;
}

TEST_F(MainWindowTarget, TheTargetBarShowsTheAudioActions) {
  const char* captions[] = {"To MP3", "To WMA", "To AAC", "To WAV", "To OGG", "To RA", "To APE", "To More..."};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(form->btnToX[i]->Caption(), captions[i]);
  const char* more[] = {"To MP3", "To WMA", "To AAC", "To WAV", "To OGG", "To RA", "To APE", "To FLAC", "To MPC",
                        "To M4A"};
  TMenuItem* items = form->ToMorePopupMenu->Items();
  ASSERT_EQ(items->Count(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(items->Items(i)->Caption(), more[i]);
}

// With nothing selected in the tree, a target changes the current task only.
TEST_F(MainWindowTarget, ATargetWithoutASelectionChangesTheCurrentTask) {
  fake.Titles = {FakeTitle(3600, {{0, "English"}}), FakeTitle(1800, {{0, "English"}})};
  form->GetOutputSettingsForm()->SelectOutputFormat(8);
  form->LoadTitles("C:\\", skDVDFolder);
  ASSERT_EQ(form->TaskCount(), 2);
  form->lvTitles->ClearSelection();
  form->CurrentTask = form->Task(1);
  form->SetTargetFormat(0);  // AVI
  EXPECT_EQ(form->Task(1)->FormatCode, 1);
  EXPECT_NE(form->Task(1)->VideoProfile, nullptr);
  EXPECT_EQ(form->Task(0)->FormatCode, 8) << "untouched";
}

}  // namespace
