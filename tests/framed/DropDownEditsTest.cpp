// The edits that drop a pop-up or widen: the expand edit's rows, the colour edit
// accepting and cancelling through its picker, and the date-time edit's rows under
// a pinned locale and today, with its calendar and clock dropped for real.
#include <gtest/gtest.h>

#include <functional>

#include "framed/display/RzColorPicker.h"
#include "framed/edits/RzColorEdit.h"
#include "framed/edits/RzDateTimeEdit.h"
#include "framed/edits/RzExpandEdit.h"
#include "framed/popups/RzPopupPanel.h"
#include "platform/controls/Messages.h"
#include "platform/core/LocaleSettings.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/framed/PopupJobs.h"

namespace {

class FramedDropDownEdits : public FramedForm {
protected:
  void SetUp() override {
    FramedForm::SetUp();
    jobs = Make<TJobWindow>({0, 0, 1, 1});
    other = Make<TRzEdit>({10, 200, 110, 221});
  }
  // Text as a user types it: in the focused edit, marked modified.
  static void Type(TWinControl* edit, const String& text) {
    edit->SetFocus();
    edit->SetText(text);
    static_cast<TCustomEdit*>(edit)->SetModified(true);
  }

  TLocaleSettings Locale() {
    TLocaleSettings s = TLocaleSettings::English();
    s.ShortTimeFormat = "hh:mm";
    return s;
  }
  TLocaleOverride locale{Locale()};
  TNowOverride now{EncodeDate(2008, 8, 8) + EncodeTime(9, 15, 0, 0)};
  TJobWindow* jobs = nullptr;
  TRzEdit* other = nullptr;
  TPopupRescue rescue;
};

}  // namespace

TEST_F(FramedDropDownEdits, TheExpandEditWidensWhileEdited) {
  auto* edit = Make<TRzExpandEdit>({10, 10, 60, 31});
  ShowForm();
  edit->SetExpandOn(etFocus);
  edit->SetFocus();
  EXPECT_EQ(edit->Width(), 50) << "ExpandedWidth 0: nothing expands";
  other->SetFocus();

  edit->SetExpandedWidth(200);
  edit->SetFocus();
  EXPECT_EQ(edit->Width(), 200);
  other->SetFocus();
  EXPECT_EQ(edit->Width(), 50);

  edit->SetExpandOn(etMouseButton2Click);
  edit->Perform(WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(edit->Width(), 200);
  EXPECT_TRUE(edit->Focused()) << "the right click also focuses";
  edit->Perform(WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(edit->Width(), 50);
  edit->Perform(WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
  other->SetFocus();
  EXPECT_EQ(edit->Width(), 50) << "leaving restores it too";

  edit->Perform(WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
  edit->SetWidth(150);
  other->SetFocus();
  EXPECT_EQ(edit->Width(), 50) << "the width remembered at the expansion";
}

TEST_F(FramedDropDownEdits, TheColorEditTakesAColourOnlyFromAChoice) {
  auto* edit = Make<TRzColorEdit>({10, 10, 110, 31});
  int changes = 0;
  edit->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  ShowForm();
  edit->SetFocus();
  edit->Perform(WM_CHAR, 'a', 0);
  EXPECT_EQ(edit->Text(), "") << "typing is ignored";
  const TPoint s = edit->ClientToScreen(Point(5, 5));
  EXPECT_EQ(edit->Perform(WM_NCHITTEST, 0, MAKELPARAM(s.X, s.Y)), HTCLIENT);
  edit->Repaint();
  int hatch = 0;
  for (int x = 3; x < edit->ClientWidth() - 3; ++x)
    hatch += ShownPixel(edit, x, edit->ClientHeight() / 2) == ColorToRGB(clBtnShadow) ? 1 : 0;
  EXPECT_GT(hatch, 5) << "no colour: a hatched box, in the shadow colour while focused";

  // Cancelled with Escape: nothing changes.
  edit->CustomColor = clYellow;
  jobs->Post([] { ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); });
  edit->Perform(WM_SYSKEYDOWN, VK_DOWN, 1 << 29);  // Alt+Down
  EXPECT_EQ(edit->SelectedColor(), clNone);
  EXPECT_EQ(edit->CustomColor, clYellow);
  EXPECT_EQ(changes, 0);

  // A right click does nothing; a left click anywhere drops the picker, a cell chooses.
  edit->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  TRzColorPicker* picker = nullptr;
  jobs->Post([&] {
    TRzPopup* popup = OpenPopup(edit);
    ASSERT_NE(popup, nullptr);
    picker = dynamic_cast<TRzColorPicker*>(popup->Controls(0));
    ASSERT_NE(picker, nullptr);
    const TRect cell = picker->GetCellRect(9);
    PostClick(picker, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
  });
  edit->Perform(WM_NCHITTEST, 0, MAKELPARAM(s.X, s.Y));
  edit->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_NE(picker, nullptr);
  EXPECT_NE(edit->SelectedColor(), clNone);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(OpenPopup(edit), nullptr) << "the panel is freed after the choice";

  other->SetFocus();
  edit->Repaint();
  EXPECT_EQ(ShownPixel(edit, edit->ClientWidth() / 2, edit->ClientHeight() / 2), ColorToRGB(edit->SelectedColor()))
      << "a swatch of the chosen colour";
}

TEST_F(FramedDropDownEdits, DateModeRows) {
  auto* edit = Make<TRzDateTimeEdit>({10, 10, 130, 31});
  std::vector<TDateTime> reported;
  edit->OnDateTimeChange =
      TRzDateTimeChangeEvent::Function([&](TObject*, TDateTime value) { reported.push_back(value); });
  ShowForm();
  EXPECT_EQ(edit->Text(), "");
  edit->Perform(WM_KEYDOWN, VK_PRIOR, 0);
  EXPECT_EQ(edit->Text(), "9/8/2008") << "an empty edit steps from today";
  edit->Perform(WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(edit->Text(), "9/9/2008");
  ::SetKeyboardState([] {
    static BYTE keys[256] = {};
    keys[VK_SHIFT] = 0x80;
    return keys;
  }());
  edit->Perform(WM_KEYDOWN, VK_PRIOR, 0);
  static BYTE none[256] = {};
  ::SetKeyboardState(none);
  EXPECT_EQ(edit->Text(), "9/9/2009") << "Shift+Page Up steps a year";

  reported.clear();
  const TDateTime day = EncodeDate(2008, 5, 13);
  edit->SetDate(day);
  edit->SetDate(day + EncodeTime(10, 30, 0, 0));
  EXPECT_EQ(reported.size(), 1u) << "a new time part in date mode is not reported";
  edit->SetDate(day + 1);
  EXPECT_EQ(reported.size(), 2u);

  Type(edit, "12 jan 2008");
  other->SetFocus();
  EXPECT_EQ(edit->Text(), "1/20/2008") << "the edit shows what it read";
  Type(edit, "31/2/2008");
  other->SetFocus();
  EXPECT_EQ(edit->Text(), "") << "an impossible date is the empty value";
  Type(edit, "12345678901");
  other->SetFocus();
  EXPECT_EQ(edit->Text(), "");

  // The locale's date separator types itself; '+' steps the day.
  TLocaleSettings dashes = Locale();
  dashes.DateSeparator = '-';
  TLocaleOverride dashed(dashes);
  edit->SetDate(day);
  edit->SetFocus();
  edit->SetSelStart(static_cast<int>(edit->Text().size()));
  edit->Perform(WM_CHAR, '-', 0);
  EXPECT_EQ(edit->Text(), "5-13-2008-");
  EXPECT_EQ(edit->GetDate(), day);
  edit->SetDate(day);
  edit->Perform(WM_CHAR, '+', 0);
  EXPECT_EQ(edit->GetDate(), day + 1);
  EXPECT_EQ(TRzDateTimeEdit::DaysToBitmask({1, 2, 31, 0, 32}), 0x40000003u);
  EXPECT_EQ(edit->Perform(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(FramedDropDownEdits, TimeModeRows) {
  auto* edit = Make<TRzDateTimeEdit>({10, 10, 130, 31});
  ShowForm();
  edit->SetTime(EncodeTime(0, 30, 0, 0));
  EXPECT_EQ(edit->Text(), "00:30");
  edit->AdjustMinute(-31);
  EXPECT_EQ(edit->Text(), "23:59") << "a step back across midnight";
  EXPECT_GE(edit->Value(), 0);

  edit->SetFocus();
  edit->SetText("");
  for (char c : String("9x3q0p")) edit->Perform(WM_CHAR, c, 0);
  EXPECT_EQ(edit->Text(), "930p") << "only A, M and P among the letters";
  other->SetFocus();
  EXPECT_EQ(edit->Text(), "21:30");

  // Switching the type reads typed text again and shows it in the new format.
  edit->SetEditType(etDate);
  Type(edit, "930");
  edit->SetEditType(etTime);
  EXPECT_EQ(edit->Text(), "09:30");
}

TEST_F(FramedDropDownEdits, TheCalendarAndTheClockDropAndChoose) {
  auto* edit = Make<TRzDateTimeEdit>({10, 10, 130, 31});
  ShowForm();
  edit->SetDate(EncodeDate(2008, 8, 8));
  jobs->Post([&] {
    TRzPopup* popup = OpenPopup(edit);
    ASSERT_NE(popup, nullptr);
    auto* calendar = dynamic_cast<TRzCalendar*>(popup->Controls(0));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->Date(), EncodeDate(2008, 8, 8));
    // Down the arrow keys go to the calendar; then a click on a day chooses it.
    ::PostMessageA(edit->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    jobs->Post([calendar] {
      TRzCalendarAreas a;
      calendar->CalcAreas(a);
      const int index = static_cast<int>(calendar->Date() - calendar->FirstVisibleDate()) + 1;
      const TPoint p(a[caDays].Left + (index % 7) * calendar->CellWidth() + 4,
                     a[caDays].Top + (index / 7) * calendar->CellHeight() + 4);
      const TPoint s = calendar->ClientToScreen(p);
      calendar->Perform(WM_NCHITTEST, 0, MAKELPARAM(s.X, s.Y));
      PostClick(calendar, p.X, p.Y);
    });
  });
  edit->DoDropDown();
  EXPECT_EQ(edit->GetDate(), EncodeDate(2008, 8, 16)) << "a week on by the arrow, a day on by the click";

  edit->SetEditType(etTime);
  edit->Clear();
  jobs->Post([&] {
    auto* picker = dynamic_cast<TRzTimePicker*>(OpenPopup(edit)->Controls(0));
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->ShowSetButton());
    picker->CalcRects();
    const TRect set = picker->SetButtonRect();
    PostClick(picker, (set.Left + set.Right) / 2, (set.Top + set.Bottom) / 2);
  });
  edit->DoDropDown();
  EXPECT_EQ(edit->Text(), "00:00") << "the clock's midnight is shown, not the empty text";
}
