// The main window's output settings dialog: made once and kept, and the target the
// tasks of a newly opened source take from it.
#include <memory>

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

}  // namespace
