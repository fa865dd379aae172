// The spin edit and the up-down: value rules and events, the text parser and
// its rewrites, refused characters, bad texts, and the step buttons' repeat.
#include <gtest/gtest.h>

#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinUpDown.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

struct SpinHost {
  BoxForm host;
  TspSkinSpinEdit* spin = host.Make<TspSkinSpinEdit>({10, 10, 120, 20});
  int changes = 0;
  SpinHost() { spin->OnChange = TNotifyEvent::Function([this](TObject*) { ++changes; }); }
  void Type(const String& text) { spin->Edit()->SetText(text); }
};

TEST(SkinSpinEdit, TypedTextIsParsedAndRewritten) {
  struct Case {
    const char* what;
    double min, max;
    const char* typed;
    double value;
    const char* shown;
  };
  const Case cases[] = {
      {"in range", 10, 100, "50", 50, "50"},
      {"below min is kept to be completed", 10, 100, "5", 10, "5"},
      {"above max is rewritten", 10, 100, "150", 100, "100"},
      {"no range takes anything", 0, 0, "-7", -7, "-7"},
      {"negative under a positive min", 10, 100, "-5", 10, "10"},
      {"letters change nothing", 10, 100, "ab", 10, "ab"},
      {"a lone minus changes nothing", 10, 100, "-", 10, "-"},
      {"thirty digits are read wide and clamped", 0, 99999999, "123456789012345678901234567890", 99999999, "99999999"},
  };
  for (const Case& c : cases) {
    SpinHost h;
    h.spin->SetMinValue(c.min);
    h.spin->SetMaxValue(c.max);
    h.spin->SetValue(c.min);
    h.Type(c.typed);
    EXPECT_EQ(h.spin->Value(), c.value) << c.what;
    EXPECT_EQ(h.spin->Edit()->Text(), c.shown) << c.what;
  }
}

TEST(SkinSpinEdit, LeavingTheEditRewritesTheValue) {
  SpinHost h;
  h.spin->SetMinValue(10);
  h.spin->SetMaxValue(100);
  h.Type("5");
  h.spin->Edit()->Perform(CM_EXIT);
  EXPECT_EQ(h.spin->Edit()->Text(), "10");
}

TEST(SkinSpinEdit, SetValueFiresEveryTimeButNotFromInsideOnChange) {
  SpinHost h;
  h.spin->SetValue(5);
  h.spin->SetValue(5);
  EXPECT_EQ(h.changes, 2) << "the program relies on OnChange for an unchanged value";
  h.spin->OnChange = TNotifyEvent::Function([&](TObject*) {
    ++h.changes;
    h.spin->SetValue(7);
  });
  h.spin->SetValue(6);
  EXPECT_EQ(h.changes, 3);
  EXPECT_EQ(h.spin->Value(), 7);
  EXPECT_EQ(h.spin->Edit()->Text(), "7");
}

TEST(SkinSpinEdit, RangeAndTypeRules) {
  SpinHost h;
  h.spin->SetMaxValue(100);
  h.spin->SetMinValue(10);
  EXPECT_EQ(h.spin->Value(), 10) << "a raised minimum pulls the value";
  h.spin->SetMaxValue(0);
  EXPECT_EQ(h.spin->CheckValue(50), 0) << "MaxValue 0 with MinValue 10: the range applies";
  h.spin->SetMinValue(0);
  EXPECT_EQ(h.spin->CheckValue(50), 50);
  EXPECT_EQ(h.spin->ValueText(2.5), "2") << "half to even";
  h.spin->SetValueType(vtFloat);
  EXPECT_EQ(h.spin->ValueText(1.5), "1.50");
  h.spin->Increment = 0.4;
  h.spin->SetValueType(vtInteger);
  EXPECT_EQ(h.spin->Increment, 1);
}

TEST(SkinSpinEdit, RefusedCharactersBeep) {
  SpinHost h;
  TspSkinNumEdit* edit = h.spin->Edit();
  EXPECT_TRUE(edit->IsValidChar('5'));
  EXPECT_FALSE(edit->IsValidChar('a'));
  EXPECT_FALSE(edit->IsValidChar('.')) << "no separator for integers";
  edit->SetText("-3");
  EXPECT_FALSE(edit->IsValidChar('-')) << "one minus only";
  EXPECT_TRUE(edit->IsValidChar(8));
  edit->EditorEnabled = false;
  EXPECT_FALSE(edit->IsValidChar(8));
  EXPECT_FALSE(edit->IsValidChar('5'));
}

TEST(SkinSpinEdit, ButtonsRepeatAndReleaseOutsideAddsNoStep) {
  SpinHost h;
  BoxClock clock;
  TPoint up = Centre(h.spin->ButtonRect(TspSkinSpinEdit::Up));
  h.spin->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(up.X, up.Y));
  h.spin->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(up.X, up.Y));
  EXPECT_EQ(clock.Interval(h.spin), 500u);
  clock.Tick(h.spin);
  EXPECT_EQ(clock.Interval(h.spin), 100u);
  EXPECT_EQ(h.spin->Value(), 0);
  clock.Tick(h.spin);
  EXPECT_EQ(h.spin->Value(), 1);
  h.spin->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 2));
  h.spin->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(h.spin->Value(), 1) << "released elsewhere: no step";
  h.spin->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(up.X, up.Y));
  h.spin->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(up.X, up.Y));
  h.spin->Perform(WM_LBUTTONUP, 0, MAKELPARAM(up.X, up.Y));
  EXPECT_EQ(h.spin->Value(), 2) << "released over it: one step";
}

TEST(SkinSpinEdit, ArrowKeysAndWheelStep) {
  SpinHost h;
  h.spin->Edit()->Perform(WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(h.spin->Value(), 1);
  h.spin->Edit()->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(h.spin->Value(), 0) << "turned away from the user steps down";
}

TEST(SkinUpDown, PositionRulesAndClicks) {
  BoxForm host;
  BoxClock clock;
  auto* updown = host.Make<TspSkinUpDown>({0, 0, 40, 20});
  int changes = 0, ups = 0;
  updown->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  updown->OnUpButtonClick = TNotifyEvent::Function([&](TObject*) { ++ups; });
  updown->SetPosition(200);
  EXPECT_EQ(updown->Position(), 0) << "outside the range: ignored";
  updown->SetPosition(0);
  EXPECT_EQ(changes, 1) << "the present value still fires";
  updown->CalcRects();
  EXPECT_EQ(updown->ButtonRect(TspSkinUpDown::Up), (TRect{20, 0, 40, 20})) << "horizontal: up on the right";
  updown->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
  updown->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));
  updown->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 10));
  updown->Perform(WM_LBUTTONUP, 0, MAKELPARAM(300, 10));
  EXPECT_EQ(updown->Position(), 1) << "a release outside still steps";
  EXPECT_EQ(ups, 1);
  updown->Increment = 0;
  updown->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
  updown->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));
  EXPECT_EQ(clock.Interval(updown), 0u);
  updown->Perform(WM_LBUTTONUP, 0, MAKELPARAM(30, 10));
  EXPECT_EQ(updown->Position(), 1);
  EXPECT_EQ(ups, 2);
}

}  // namespace
