// The split dialog on a fake disc engine: the task's mode in its radio buttons,
// the clip list and its limits, in and out points, the mode written as it is
// chosen, what Cancel keeps, the owner-drawn rows, and the main window's command.
#include <cstdlib>
#include <memory>

#include "app/DVDConvertTask.h"
#include "app/main/SplitFrm.h"
#include "app/main/TitleTree.h"
#include "platform/comctrls/ListItems.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinTrackBar.h"
#include "tests/app/main/DialogTestFixture.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

namespace {

void AddClip(DVDConvertTask& task, double start, double end) { task.Clips.push_back(new TimeRange{start, end}); }

// Within a few steps per channel: the display may round a colour.
bool Near(std::uint32_t a, std::uint32_t b) {
  for (int shift : {0, 8, 16})
    if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 4) return false;
  return true;
}

String RowText(TListItem* row) {
  return row->Caption() + "|" + row->SubItems()->Strings(0) + "|" + row->SubItems()->Strings(1);
}

// The chapter rows the title tree shows.
int ChapterRows(const TMainForm& window) {
  int rows = 0;
  for (int i = 0; i < window.lvTitles->Items()->Count(); ++i)
    rows += RowOf(window.lvTitles->Items()->Item(i))->Kind == rkChapter;
  return rows;
}

class SplitDialog : public DialogTest {
protected:
  void Open() { dialog.reset(NewPreviewDialog<TSplitForm>(window.get(), task)); }
  void TearDown() override {
    dialog.reset();
    DialogTest::TearDown();
  }
  TspSkinListView* List() const { return dialog->lvCustomSplitList; }
  std::unique_ptr<TSplitForm> dialog;
};

TEST_F(SplitDialog, ShowsTheTasksModeAndEnablesItsControls) {
  struct Case {
    SplitMode mode;
    TspSkinCheckRadioBox* TSplitForm::*checked;
    bool durationEnabled, sizeEnabled, clipsEnabled;
  } cases[] = {
      {smClips, &TSplitForm::rbCustomSplit, false, false, true},
      {smBySize, &TSplitForm::rbByOutputSize, false, true, false},
      {smByTime, &TSplitForm::rbByTime, true, false, false},
      // No handler: the controls keep their state of the definition.
      {smByChapter, &TSplitForm::rbByChapter, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.mode));
    task->Split = c.mode;
    task->Checked = false;
    task->SplitSize = 650;
    task->SplitMinutes = 45;
    Open();
    EXPECT_EQ(dialog->Caption(), "Spliting");
    EXPECT_TRUE((dialog.get()->*c.checked)->Checked());
    for (TspSkinCheckRadioBox* other : {dialog->rbCustomSplit, dialog->rbByTime, dialog->rbByOutputSize,
                                        dialog->rbByChapter})
      if (other != dialog.get()->*c.checked) {
        EXPECT_FALSE(other->Checked()) << other->Name();
      }
    EXPECT_EQ(task->Split, c.mode) << "showing the mode writes the same mode";
    EXPECT_FALSE(task->Checked);
    EXPECT_EQ(dialog->edtByOutputSizeValue->Value(), 650);
    EXPECT_EQ(dialog->edtByDurationValue->Value(), 45);
    EXPECT_EQ(dialog->edtByDurationValue->Enabled(), c.durationEnabled);
    EXPECT_EQ(dialog->edtByOutputSizeValue->Enabled(), c.sizeEnabled);
    EXPECT_EQ(dialog->btnNewClip->Enabled(), c.clipsEnabled);
    EXPECT_EQ(List()->Enabled(), c.clipsEnabled);
    EXPECT_EQ(dialog->tbPreview->MaxValue(), 3600000);
  }
}

TEST_F(SplitDialog, ListsTheClipsAndSelectsTheFirst) {
  AddClip(*task, 61.9, 3725.5);
  AddClip(*task, 0, 30);
  Open();
  ASSERT_EQ(List()->Items()->Count(), 2);
  // The duration is the clip's own, cut to whole seconds: not 3725 - 61.
  EXPECT_EQ(RowText(List()->Items()->Item(0)), "00:01:01 |01:02:05 |01:01:03 ");
  EXPECT_EQ(RowText(List()->Items()->Item(1)), "00:00:00 |00:00:30 |00:00:30 ");
  EXPECT_EQ(List()->Selected(), List()->Items()->Item(0));
  EXPECT_TRUE(dialog->btnSetInPoint->Enabled());
  EXPECT_TRUE(dialog->btnOutPoint->Enabled());
}

TEST_F(SplitDialog, NewClipsStopAtAHundred) {
  for (int i = 0; i < 99; ++i) AddClip(*task, i, i + 1);
  Open();
  dialog->btnNewClipClick(nullptr);
  ASSERT_EQ(task->Clips.size(), 100u);
  EXPECT_DOUBLE_EQ(task->Clips.back()->Start, 0);
  EXPECT_DOUBLE_EQ(task->Clips.back()->End, 3600) << "a new clip is the whole title";
  EXPECT_EQ(List()->Selected(), List()->Items()->Item(99));
  dialog->btnNewClipClick(nullptr);
  EXPECT_EQ(task->Clips.size(), 100u);
  EXPECT_EQ(List()->Items()->Count(), 100);
}

TEST_F(SplitDialog, InAndOutPointsStayInOrder) {
  AddClip(*task, 100, 200);
  AddClip(*task, 0, 0.5);
  Open();
  TimeRange& clip = *task->Clips[0];
  struct Case {
    const char* name;
    void (TSplitForm::*command)(TObject*);
    int sliderMs;
    double start, end;
  } cases[] = {
      {"in point inside the clip", &TSplitForm::btnSetInPointClick, 150000, 150, 200},
      {"in point past the end: a second before it", &TSplitForm::btnSetInPointClick, 250000, 199, 200},
      {"out point after the start", &TSplitForm::btnOutPointClick, 1500000, 199, 1500},
      {"out point before the start: a second after it", &TSplitForm::btnOutPointClick, 10000, 199, 200},
      {"out point at the start", &TSplitForm::btnOutPointClick, 199000, 199, 199},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialog->tbPreview->SetValue(c.sliderMs);
    (dialog.get()->*c.command)(nullptr);
    EXPECT_DOUBLE_EQ(clip.Start, c.start);
    EXPECT_DOUBLE_EQ(clip.End, c.end);
    EXPECT_EQ(List()->Items()->Item(0)->Caption(), ClipRow(clip).InPoint) << "the row follows";
  }
  // A clip shorter than a second: its start cannot go below the title's.
  List()->SetSelected(List()->Items()->Item(1));
  dialog->tbPreview->SetValue(3000);
  dialog->btnSetInPointClick(nullptr);
  EXPECT_DOUBLE_EQ(task->Clips[1]->Start, 0);
  EXPECT_EQ(RowText(List()->Items()->Item(1)), "00:00:00 |00:00:00 |00:00:00 ");
}

TEST_F(SplitDialog, DeletesOnlyTheSelectedClip) {
  AddClip(*task, 0, 10);
  AddClip(*task, 10, 20);
  AddClip(*task, 20, 30);
  Open();
  List()->ClearSelection();
  dialog->btnDelClipClick(nullptr);
  EXPECT_EQ(task->Clips.size(), 3u) << "nothing selected, nothing deleted";
  EXPECT_FALSE(dialog->btnSetInPoint->Enabled());
  List()->SetSelected(List()->Items()->Item(1));
  dialog->btnDelClipClick(nullptr);
  ASSERT_EQ(task->Clips.size(), 2u);
  EXPECT_DOUBLE_EQ(task->Clips[1]->Start, 20);
  ASSERT_EQ(List()->Items()->Count(), 2);
  EXPECT_EQ(List()->Items()->Item(1)->Caption(), "00:00:20 ");
}

TEST_F(SplitDialog, ChoosingAModeWritesItAtOnceAndOkWritesTheValues) {
  AddClip(*task, 0, 10);
  task->Split = smClips;
  Open();
  dialog->rbByTime->SetChecked(true);
  EXPECT_EQ(task->Split, smByTime);
  EXPECT_EQ(List()->Selected(), nullptr);
  EXPECT_FALSE(dialog->btnNewClip->Enabled());
  dialog->rbByOutputSize->SetChecked(true);
  EXPECT_EQ(task->Split, smBySize);
  EXPECT_TRUE(dialog->edtByOutputSizeValue->Enabled());
  EXPECT_FALSE(dialog->edtByDurationValue->Enabled());
  dialog->rbCustomSplit->SetChecked(true);
  EXPECT_EQ(task->Split, smClips);
  EXPECT_EQ(List()->Selected(), List()->Items()->Item(0));
  dialog->rbByChapter->SetChecked(true);
  EXPECT_EQ(task->Split, smClips) << "By Chapter has no handler";

  struct Case {
    TspSkinCheckRadioBox* TSplitForm::*choice;
    SplitMode mode;
    int size, minutes;
  } cases[] = {
      {&TSplitForm::rbByOutputSize, smBySize, 700, 20},
      {&TSplitForm::rbByTime, smByTime, 700, 15},
      {&TSplitForm::rbByChapter, smByChapter, 700, 15},
      {&TSplitForm::rbCustomSplit, smClips, 700, 15},
  };
  dialog->edtByOutputSizeValue->SetValue(700.9);
  dialog->edtByDurationValue->SetValue(15.7);
  task->SplitMinutes = 20;
  for (const Case& c : cases) {
    (dialog.get()->*c.choice)->SetChecked(true);
    dialog->btnOkClick(nullptr);
    EXPECT_EQ(task->Split, c.mode);
    EXPECT_EQ(task->SplitSize, c.size);
    EXPECT_EQ(task->SplitMinutes, c.minutes);
  }
}

// Rows are drawn by the dialog: the selected one on its blue with white text.
TEST_F(SplitDialog, DrawsItsRows) {
  AddClip(*task, 0, 10);
  AddClip(*task, 10, 20);
  Open();
  dialog->Show();
  List()->SetSelected(List()->Items()->Item(1));
  dialog->Update();
  PumpMessages();
  const TRect selected = List()->Items()->Item(1)->DisplayRect(drBounds);
  const TRect plain = List()->Items()->Item(0)->DisplayRect(drBounds);
  CapturedPixels shot = CaptureClient(List()->Handle());
  shot.SaveBmp("SplitFormRows.bmp");
  EXPECT_TRUE(Near(shot.At(selected.Left + 3, selected.Top + 1), 0x3D7EDFu)) << std::hex << shot.At(selected.Left + 3, selected.Top + 1);
  EXPECT_EQ(shot.At(plain.Left + 3, plain.Top + 1), 0xFFFFFFu);
  int white = 0, dark = 0;
  for (int x = selected.Left; x < selected.Right; ++x)
    for (int y = selected.Top; y < selected.Bottom; ++y) white += shot.At(x, y) == 0xFFFFFFu;
  for (int x = plain.Left; x < plain.Right; ++x)
    for (int y = plain.Top; y < plain.Bottom; ++y) dark += shot.At(x, y) == 0x000000u;
  EXPECT_GT(white, 20) << "white text on the selected row";
  EXPECT_GT(dark, 20) << "black text on the others";
}

// The main window's command: the mode chosen stays when the dialog is cancelled
// (but not a mode without a handler), and the tree shows the task's split.
TEST_F(DialogTest, SplitCommandKeepsWhatTheDialogWroteAndRebuildsTheTree) {
  struct Case {
    const char* name;
    TspSkinCheckRadioBox* TSplitForm::*choice;
    bool ok;
    SplitMode expected;
  } cases[] = {
      {"By Time, then Cancel", &TSplitForm::rbByTime, false, smByTime},
      {"By Chapter, then Cancel", &TSplitForm::rbByChapter, false, smClips},
      {"By Chapter, then OK", &TSplitForm::rbByChapter, true, smByChapter},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    task->Split = smClips;
    window->RebuildTitleTree();
    ASSERT_EQ(ChapterRows(*window), 0);
    bool sawDialog = false;
    RunInNextLoop([&] {
      TSplitForm* open = window->OpenSplitForm;
      sawDialog = open && open->Task() == task && window->ForeignFrameHandler;
      if (!open) return;
      (open->*c.choice)->SetChecked(true);
      open->btnNewClipClick(nullptr);
      PostClick(c.ok ? open->btnOk : open->btnClose, 10, 10);
    });
    engine.Position = 7;
    const size_t clips = task->Clips.size();
    window->btnSplit->ButtonClick();
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(window->OpenSplitForm, nullptr);
    EXPECT_EQ(task->Split, c.expected);
    EXPECT_EQ(task->Clips.size(), clips + 1) << "the clip commands change the task at once";
    EXPECT_EQ(window->tbPreview->Value(), 7000);
    EXPECT_EQ(ChapterRows(*window), c.expected == smByChapter ? 3 : 0) << "the tree lists the chapters it splits at";
  }
}

}  // namespace
