#include <gtest/gtest.h>

#include <richedit.h>

#include "platform/comctrls/ComCtrls.h"
#include "platform/published/ComCtrlsPublished.h"
#include "platform/published/FormDefinition.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

namespace {

struct RichEditForm : testing::Test {
  void SetUp() override {
    PublishCommonControlClasses();
    form = NewForm<TForm>(nullptr);
    form->SetBounds(20, 20, 320, 200);
    edit = new TRichEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 280, 140);
  }
  void TearDown() override { delete form; }
  TForm* form = nullptr;
  TRichEdit* edit = nullptr;  // owned by the form
};

}  // namespace

TEST_F(RichEditForm, TheWindowIsTheSystemsRichEdit) {
  form->Show();
  // Only a rich edit answers its event mask, and this one asks for its reports.
  const LRESULT mask = ::SendMessageA(edit->Handle(), EM_GETEVENTMASK, 0, 0);
  EXPECT_EQ(mask & (ENM_CHANGE | ENM_SELCHANGE), ENM_CHANGE | ENM_SELCHANGE);
}

// The caret's place counts the window's paragraphs; each move is reported.
TEST_F(RichEditForm, CaretPositionAndSelectionReports) {
  form->Show();
  edit->SetText("first\r\nsecond line\r\nthird");
  int reports = 0;
  edit->OnSelectionChange = TNotifyEvent::Function([&](TObject*) { ++reports; });
  struct Case {
    int start, length;
    TPoint caret;
  } cases[] = {{3, 0, {3, 0}}, {9, 0, {3, 1}}, {6, 4, {4, 1}}, {19, 3, {4, 2}}, {0, 0, {0, 0}}};
  // One character per paragraph break: "first" ends at 5, "second line" starts at 6.
  for (const Case& c : cases) {
    const int before = reports;
    edit->SetSelStart(c.start);
    edit->SetSelLength(c.length);
    EXPECT_EQ(edit->CaretPos(), c.caret) << c.start << "+" << c.length;
    EXPECT_GT(reports, before) << c.start;
  }
  EXPECT_EQ(edit->Lines()->Count(), 3);
  EXPECT_EQ(edit->Lines()->Strings(1), "second line");
}

TEST_F(RichEditForm, ChangesOfTheTextAreReported) {
  form->Show();
  int changes = 0;
  edit->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  edit->SetText("abc");
  EXPECT_GE(changes, 1);
  edit->SetSelStart(3);
  ::SendMessageA(edit->Handle(), WM_CHAR, 'd', 0);
  EXPECT_EQ(edit->Text(), "abcd");
  EXPECT_GE(changes, 2);
}

// The window paints its background in the control's colour and its text in the font's.
TEST_F(RichEditForm, ColourAndFontColourReachTheWindow) {
  edit->SetColor(clYellow);
  edit->Font()->SetColor(clRed);
  edit->SetText("WWWWWWWW");
  form->Show();
  PumpMessages();
  CapturedPixels shot = CaptureClient(edit->Handle());
  EXPECT_EQ(shot.At(shot.Width - 5, shot.Height - 5), 0xFFFF00u);
  bool red = false;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) red |= shot.At(x, y) == 0xFF0000u;
  EXPECT_TRUE(red) << "the text shows in the font's colour";
  edit->SetColor(clAqua);
  PumpMessages();
  shot = CaptureClient(edit->Handle());
  EXPECT_EQ(shot.At(shot.Width - 5, shot.Height - 5), 0x00FFFFu);
}
