// The time picker: hours and minutes from the pointer's direction, AM and PM,
// stepping across midnight, the SetTime rules, the how-to hint on the family's
// clock, and the classic AM/PM glyphs drawn in the picker's colour.
#include <gtest/gtest.h>

#include <cmath>

#include "framed/common/RzClock.h"
#include "framed/popups/RzTimePicker.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/Messages.h"
#include "platform/core/LocaleSettings.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class FramedTimePicker : public FramedForm {
protected:
  TRzTimePicker* Picker() {
    auto* p = Make<TRzTimePicker>({10, 10, 0, 0});
    p->OnChange = TNotifyEvent::Function([this](TObject*) { ++changes; });
    p->OnSetTime = TNotifyEvent::Function([this](TObject*) { ++setTimes; });
    p->OnSetBtnClick = TNotifyEvent::Function([this](TObject*) { ++setClicks; });
    p->CalcRects();
    return p;
  }
  // A point on the face at `minutes` past the hour (60 = a full turn), `fraction` of the radius out.
  static TPoint OnFace(TRzTimePicker* p, double minutes, double fraction = 0.6) {
    const double a = minutes * 3.14159265358979323846 / 30 - 3.14159265358979323846 / 2;
    const double d = p->Radius() * fraction;
    return Point(p->Center().X + static_cast<int>(std::lround(std::cos(a) * d)),
                 p->Center().Y + static_cast<int>(std::lround(std::sin(a) * d)));
  }
  static void Click(TRzTimePicker* p, const TPoint& at, bool right = false, WPARAM keys = 0) {
    p->Perform(right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, keys | (right ? MK_RBUTTON : MK_LBUTTON),
               MAKELPARAM(at.X, at.Y));
    p->Perform(right ? WM_RBUTTONUP : WM_LBUTTONUP, keys, MAKELPARAM(at.X, at.Y));
  }
  void SetUp() override {
    FramedForm::SetUp();
    ::GetCursorPos(&savedCursor);
  }
  void TearDown() override {
    ::SetCursorPos(savedCursor.x, savedCursor.y);  // later tests find the pointer where it was
    FramedForm::TearDown();
  }
  static String Shown(TDateTime t) { return FormatDateTime("hh:nn", t); }

  TLocaleOverride locale{TLocaleSettings::English()};
  TNowOverride now{EncodeDate(2008, 8, 8) + EncodeTime(9, 0, 0, 0)};
  int changes = 0, setTimes = 0, setClicks = 0;
  POINT savedCursor{};
};

}  // namespace

TEST_F(FramedTimePicker, HourAndMinuteFromThePointersDirection) {
  auto* p = Picker();
  const TPoint c = p->Center();
  EXPECT_EQ(p->GetHourFromXY(c.X, c.Y - 20), 12);
  EXPECT_EQ(p->GetHourFromXY(c.X, c.Y + 20), 6);
  EXPECT_EQ(p->GetMinuteFromXY(c.X, c.Y + 20, false), 30);
  EXPECT_EQ(p->GetMinuteFromXY(c.X, c.Y - 20, false), 0);
  for (int hour = 1; hour <= 12; ++hour) {
    const TPoint at = OnFace(p, hour * 5);
    EXPECT_EQ(p->GetHourFromXY(at.X, at.Y), hour);
  }
  const TPoint halfPastTwelve = OnFace(p, 2.0);  // between twelve and half past one: still 12
  EXPECT_EQ(p->GetHourFromXY(halfPastTwelve.X, halfPastTwelve.Y), 12);
  for (int minute : {1, 7, 15, 29, 31, 44, 58}) {
    const TPoint at = OnFace(p, minute, 0.9);
    EXPECT_EQ(p->GetMinuteFromXY(at.X, at.Y, false), minute);
  }
  const TPoint seven = OnFace(p, 7, 0.9), fiftyEight = OnFace(p, 58, 0.9);
  EXPECT_EQ(p->GetMinuteFromXY(seven.X, seven.Y, true), 5);
  EXPECT_EQ(p->GetMinuteFromXY(fiftyEight.X, fiftyEight.Y, true), 0);
  p->RestrictMinutes = true;
  EXPECT_EQ(p->GetMinuteFromXY(seven.X, seven.Y, false), 5);
  EXPECT_NEAR(TRzTimePicker::NormalizedArcTan(1, -1), 7 * 3.14159265358979323846 / 4, 1e-9);
  EXPECT_NEAR(TRzTimePicker::NormalizedArcTan(-1, 1), 3 * 3.14159265358979323846 / 4, 1e-9);
}

TEST_F(FramedTimePicker, ClicksSetHoursMinutesAndTheHalfOfTheDay) {
  auto* p = Picker();
  ShowForm();
  const TPoint c = p->Center();
  Click(p, Point(c.X, c.Y - 20));
  EXPECT_EQ(Shown(p->Time()), "00:00") << "twelve before noon is midnight";
  Click(p, Point(c.X, c.Y + 20), true);
  EXPECT_EQ(Shown(p->Time()), "00:30");
  EXPECT_EQ(setTimes, 2);
  Click(p, OnFace(p, 15));
  EXPECT_EQ(Shown(p->Time()), "03:30");
  Click(p, Point((p->PMRect().Left + p->PMRect().Right) / 2, p->PMRect().Top + 3));
  EXPECT_TRUE(p->IsPM());
  EXPECT_EQ(Shown(p->Time()), "15:30");
  Click(p, OnFace(p, 45));
  EXPECT_EQ(Shown(p->Time()), "21:30") << "with PM the three o'clock side is afternoon";
  Click(p, OnFace(p, 35, 0.9), true, MK_CONTROL);
  EXPECT_EQ(Shown(p->Time()), "21:35");
  Click(p, Point(p->AMRect().Left + 3, p->AMRect().Top + 3));
  EXPECT_FALSE(p->IsPM());
  EXPECT_EQ(Shown(p->Time()), "09:35");
  // A press on the face released outside it keeps the hour the press set, but sets no time.
  setTimes = 0;
  const TPoint six = OnFace(p, 30);
  p->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(six.X, six.Y));
  p->Perform(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(Shown(p->Time()), "06:35");
  EXPECT_EQ(setTimes, 0);
  // Without the Set button its corner does nothing.
  const TDateTime before = p->Time();
  Click(p, Point(p->Width() - 8, p->SetButtonRect().Top + 3));
  EXPECT_EQ(setClicks, 0);
  EXPECT_EQ(p->Time(), before);
  p->SetShowSetButton(true);
  Click(p, Point(p->Width() - 8, p->SetButtonRect().Top + 3));
  EXPECT_EQ(setClicks, 1);
}

TEST_F(FramedTimePicker, SetTimeKeepsHoursAndMinutesOnly) {
  auto* p = Picker();
  changes = 0;
  p->SetTime(EncodeDate(2008, 8, 8) + EncodeTime(14, 35, 50, 0));
  EXPECT_EQ(p->Time(), EncodeTime(14, 35, 0, 0));
  EXPECT_TRUE(p->IsPM());
  EXPECT_EQ(changes, 1);
  p->SetTime(EncodeTime(14, 35, 0, 0));
  EXPECT_EQ(changes, 1) << "the same time again does nothing";
  p->Clear();
  EXPECT_TRUE(p->IsClear());
  EXPECT_FALSE(p->IsPM());
  p->SetTime(EncodeTime(0, 1, 0, 0));
  EXPECT_FALSE(p->IsClear());
}

TEST_F(FramedTimePicker, KeysStepAcrossMidnight) {
  auto* p = Picker();
  ShowForm();
  struct Case {
    Word key;
    const char* from;
    const char* to;
  } cases[] = {
      {VK_NEXT, "00:00", "23:00"}, {VK_DOWN, "00:00", "23:59"}, {VK_PRIOR, "23:30", "00:30"},
      {VK_UP, "23:59", "00:00"},   {VK_UP, "09:59", "10:00"},
  };
  for (const Case& k : cases) {
    p->SetTime(EncodeTime(std::stoi(String(k.from).substr(0, 2)), std::stoi(String(k.from).substr(3, 2)), 0, 0));
    p->Perform(WM_KEYDOWN, k.key, 0);
    EXPECT_EQ(Shown(p->Time()), k.to) << k.from;
  }
  EXPECT_EQ(p->Perform(WM_GETDLGCODE), DLGC_WANTARROWS);
  p->SetShowSetButton(true);
  p->Perform(WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(setClicks, 1);
  // The choices' accelerators.
  p->SetCaptionAM("&Morning");
  p->SetCaptionPM("&Afternoon");
  p->SetCaptionSet("&Done");
  p->SetTime(EncodeTime(9, 0, 0, 0));
  EXPECT_EQ(p->Perform(CM_DIALOGCHAR, 'a'), 1);
  EXPECT_EQ(Shown(p->Time()), "21:00");
  EXPECT_EQ(p->Perform(CM_DIALOGCHAR, 'm'), 1);
  EXPECT_EQ(Shown(p->Time()), "09:00");
  EXPECT_EQ(p->Perform(CM_DIALOGCHAR, 'd'), 1);
  EXPECT_EQ(setClicks, 2);
}

TEST_F(FramedTimePicker, TheHowToHintLeavesWithThePointer) {
  TManualClockScope clock;
  auto* p = Picker();
  ShowForm();
  const TPoint inside = p->ClientToScreen(p->Center());
  ::SetCursorPos(inside.X, inside.Y);
  p->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(p->Center().X, p->Center().Y));
  ASSERT_NE(p->HintWindow(), nullptr);
  EXPECT_TRUE(::IsWindowVisible(p->HintWindow()->Handle()));
  EXPECT_TRUE(p->HintTimerEnabled());
  clock.Clock().Advance(1000);
  EXPECT_TRUE(p->HintWindow()->HandleAllocated()) << "still over the face";
  const TPoint outside = p->ClientToScreen(Point(2, 2));
  ::SetCursorPos(outside.X, outside.Y);
  clock.Clock().Advance(1000);
  EXPECT_FALSE(p->HintWindow()->HandleAllocated());
  EXPECT_FALSE(p->HintTimerEnabled());
}

TEST_F(FramedTimePicker, TheClassicChoicesHaveNoOliveCorners) {
  ASSERT_FALSE(ThemeServices()->ThemesEnabled()) << "the classic look";
  auto* p = Picker();
  p->SetColor(0x00E0F0F0);
  ShowForm();
  p->Repaint();
  const TRect am = p->AMRect();
  const int top = am.Top + (am.Height() - 13) / 2;
  EXPECT_EQ(ShownPixel(p, am.Left, top), 0x00E0F0F0) << "the glyph's corner takes the picker's colour";
  EXPECT_EQ(ShownPixel(p, am.Left + 12, top + 12), 0x00E0F0F0);
  int olive = 0, dark = 0;
  for (int y = top; y < top + 13; ++y)
    for (int x = am.Left; x < am.Left + 13; ++x) {
      const TColor c = ShownPixel(p, x, y);
      olive += c == 0x008080 ? 1 : 0;
      dark += c != 0x00E0F0F0 ? 1 : 0;
    }
  EXPECT_EQ(olive, 0);
  EXPECT_GT(dark, 40) << "the circle is drawn";
}
