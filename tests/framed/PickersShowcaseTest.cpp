// One definition with the calendar, the clock, a popup panel and the edits that
// drop them: it is read, shown, its calendar and clock are dropped and captured
// to look at, and it is written back as it was read.
#include <gtest/gtest.h>

#include "framed/edits/RzColorEdit.h"
#include "framed/edits/RzDateTimeEdit.h"
#include "framed/edits/RzExpandEdit.h"
#include "framed/periphery/PeripheryPublished.h"
#include "framed/popups/RzCalendar.h"
#include "framed/popups/RzPopupPanel.h"
#include "framed/popups/RzTimePicker.h"
#include "platform/core/LocaleSettings.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/framed/PopupJobs.h"
#include "tests/harness/WindowCapture.h"

namespace {

// As the writer writes it, so reading and writing it again gives the same text.
const char* const kShowcase = R"(object Pickers: TForm
  Left = 40
  Top = 40
  Width = 560
  Height = 420
  Caption = 'Pickers'
  object Month: TRzCalendar
    Left = 8
    Top = 8
    Width = 160
    Height = 150
    TabOrder = 0
    CalendarColors.SelectedDateBack = clNavy
    CalendarColors.TodaysDateFrame = clRed
    Date = 39668.0
    FirstDayOfWeek = fdowMonday
    Elements = [ceYear, ceMonth, ceArrows, ceWeekNumbers, ceDaysOfWeek, ceFillDays, ceTodayButton, ceClearButton]
  end
  object Clock: TRzTimePicker
    Left = 220
    Top = 8
    Width = 156
    Height = 176
    TabOrder = 1
    ClockFaceColors.Face = clInfoBk
    ClockFaceColors.Hands = clNavy
    ShowSetButton = True
    Time = 0.5625
  end
  object Drop: TRzPopupPanel
    Left = 400
    Top = 8
    Width = 66
    Height = 26
    Visible = False
    TabOrder = 2
    object Sign: TRzPanel
      Left = 3
      Top = 3
      Width = 60
      Height = 20
      TabOrder = 0
    end
  end
  object Wide: TRzExpandEdit
    Left = 8
    Top = 220
    Width = 100
    Height = 20
    TabOrder = 3
    Text = 'A long name to type'
    ExpandedWidth = 240
    ExpandOn = etFocus
  end
  object Swatch: TRzColorEdit
    Left = 8
    Top = 250
    Width = 100
    Height = 20
    TabOrder = 4
    SelectedColor = clTeal
    ShowNoColor = True
  end
  object Day: TRzDateTimeEdit
    Left = 8
    Top = 280
    Width = 120
    Height = 20
    TabOrder = 5
    CaptionTodayBtn = 'Now'
    EditType = etDate
    Date = 39668.0
  end
  object Hour: TRzDateTimeEdit
    Left = 8
    Top = 310
    Width = 120
    Height = 20
    TabOrder = 6
    RestrictMinutes = True
    EditType = etTime
    Format = 'hh:nn'
    Time = 0.5625
  end
end
)";

String WithoutCarriageReturns(const String& text) {
  String out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

template <class T>
T* Find(TForm* form, const char* name) {
  return dynamic_cast<T*>(form->FindComponent(name));
}

// Drops the edit's pop-up, captures the screen around it and dismisses it.
CapturedPixels DropAndCapture(TJobWindow* jobs, TRzCustomEdit* edit, TRect& shown) {
  CapturedPixels shot;
  jobs->Post([&] {
    TRzPopup* popup = OpenPopup(edit);
    if (!popup) return;
    popup->Repaint();
    for (int i = 0; i < popup->ControlCount(); ++i)
      if (auto* child = dynamic_cast<TWinControl*>(popup->Controls(i))) child->Repaint();
    RECT r;
    ::GetWindowRect(popup->Handle(), &r);
    shown = TRect(r.left, r.top, r.right, r.bottom);
    shot = CaptureWindow(popup->Handle());
    ::PostMessageA(popup->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  });
  edit->DoDropDown();
  return shot;
}

}  // namespace

TEST(PickersShowcase, IsReadShownDroppedAndWrittenBackAsItWas) {
  TLocaleOverride locale(TLocaleSettings::English());
  TNowOverride today(EncodeDate(2008, 8, 20) + EncodeTime(9, 0, 0, 0));
  TPopupRescue rescue;
  PublishFramedPeriphery();
  TForm* form = NewForm<TForm>(nullptr);
  ReadComponentText(form, kShowcase);
  auto* month = Find<TRzCalendar>(form, "Month");
  auto* clock = Find<TRzTimePicker>(form, "Clock");
  auto* drop = Find<TRzPopupPanel>(form, "Drop");
  auto* wide = Find<TRzExpandEdit>(form, "Wide");
  auto* swatch = Find<TRzColorEdit>(form, "Swatch");
  auto* day = Find<TRzDateTimeEdit>(form, "Day");
  auto* hour = Find<TRzDateTimeEdit>(form, "Hour");
  ASSERT_TRUE(month && clock && drop && wide && swatch && day && hour);
  EXPECT_EQ(drop->ControlCount(), 1) << "the popup panel holds its designed children";
  EXPECT_EQ(month->Date(), EncodeDate(2008, 8, 8));
  EXPECT_EQ(month->CalendarColors()->SelectedDateBack(), clNavy);
  EXPECT_EQ(clock->Time(), EncodeTime(13, 30, 0, 0));
  EXPECT_TRUE(clock->IsPM());
  EXPECT_EQ(swatch->SelectedColor(), clTeal);
  EXPECT_EQ(day->Text(), "8/8/2008");
  EXPECT_EQ(hour->Text(), "13:30");
  EXPECT_EQ(WithoutCarriageReturns(WriteComponentText(form)), kShowcase);

  auto* jobs = new TJobWindow(form);
  jobs->SetParent(form);
  jobs->SetBounds(0, 0, 1, 1);
  form->Show();
  ::SetForegroundWindow(form->Handle());
  PumpMessages();
  form->Update();
  CaptureWindow(form->Handle()).SaveBmp("framed_pickers_showcase.bmp");

  TRect calendarRect, clockRect;
  const CapturedPixels calendarShot = DropAndCapture(jobs, day, calendarRect);
  calendarShot.SaveBmp("framed_pickers_calendar.bmp");
  EXPECT_GT(calendarShot.Width, 120);
  RECT edit;
  ::GetWindowRect(day->Handle(), &edit);
  EXPECT_EQ(calendarRect.Top, edit.bottom) << "dropped under the edit";
  EXPECT_EQ(calendarRect.Right, edit.right);
  const CapturedPixels clockShot = DropAndCapture(jobs, hour, clockRect);
  clockShot.SaveBmp("framed_pickers_clock.bmp");
  EXPECT_GT(clockShot.Height, 150);
  EXPECT_EQ(hour->Text(), "13:30") << "dismissed: the value stays";
  TRect pickerRect;
  const CapturedPixels pickerShot = DropAndCapture(jobs, swatch, pickerRect);
  pickerShot.SaveBmp("framed_pickers_colors.bmp");
  EXPECT_GT(pickerShot.Width, 100);
  EXPECT_EQ(swatch->SelectedColor(), clTeal);
  delete form;
}
