// The control button's press, release and repeat timeline on the family's clock,
// its glyph counts, and the spin edit's value, keys and layout with the ranges of
// the program's MP3 settings.
#include <gtest/gtest.h>

#include <vector>

#include "framed/controls/RzControlButton.h"
#include "framed/controls/RzSpinEdit.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class FramedControlButton : public FramedForm {
protected:
  TRzControlButton* Button() {
    auto* button = new TRzControlButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 17, 21);
    button->OnClick = TNotifyEvent::Function([this](TObject*) { clicks.push_back(clock.Clock().TickCount()); });
    return button;
  }
  void Down(TRzControlButton* b, TMouseButton which = mbLeft) {
    b->Perform(which == mbLeft ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, which == mbLeft ? MK_LBUTTON : MK_RBUTTON,
               MAKELPARAM(5, 5));
  }
  void Up(TRzControlButton* b, int x, TMouseButton which = mbLeft) {
    b->Perform(which == mbLeft ? WM_LBUTTONUP : WM_RBUTTONUP, 0, MAKELPARAM(x, 5));
  }
  TManualClockScope clock;
  std::vector<Cardinal> clicks;
};

TEST_F(FramedControlButton, HeldButtonRepeatsAfterTheInitialDelay) {
  ShowForm();  // the button captures the mouse through the form's window
  struct Case {
    const char* name;
    bool repeat;
    TMouseButton which;
    int releaseX;
    std::vector<Cardinal> clicks;
  };
  const Case cases[] = {
      {"held one second, released inside", true, mbLeft, 5, {400, 500, 600, 700, 800, 900, 1000, 1000}},
      {"held one second, released outside", true, mbLeft, 50, {400, 500, 600, 700, 800, 900, 1000}},
      {"no repeat: only the release", false, mbLeft, 5, {1000}},
      {"right button: the timer runs but clicks nothing", true, mbRight, 5, {}},
  };
  for (const Case& c : cases) {
    clicks.clear();
    auto* button = Button();
    button->RepeatClicks = c.repeat;
    const Cardinal start = clock.Clock().TickCount();
    Down(button, c.which);
    if (c.which == mbLeft) button->SetMouseCapture(true);
    for (int i = 0; i < 10; ++i) clock.Clock().Advance(100);
    Up(button, c.releaseX, c.which);
    button->SetMouseCapture(false);
    clock.Clock().Advance(1000);
    std::vector<Cardinal> relative;
    for (Cardinal t : clicks) relative.push_back(t - start);
    EXPECT_EQ(relative, c.clicks) << c.name;
    EXPECT_FALSE(button->Pressed()) << c.name;
    delete button;
  }
}

TEST_F(FramedControlButton, GlyphWidthTellsTheNumberOfImages) {
  struct Case {
    int width, height;
    TNumGlyphs before, after;
  };
  const Case cases[] = {{32, 16, 1, 2}, {80, 16, 3, 1}, {30, 16, 3, 3}, {64, 16, 1, 4}, {16, 16, 2, 1}};
  for (const Case& c : cases) {
    auto* button = Button();
    button->SetNumGlyphs(c.before);
    TBitmap glyph(c.width, c.height, pf32bit);
    button->SetGlyph(&glyph);
    EXPECT_EQ(button->NumGlyphs(), c.after) << c.width << "x" << c.height;
    delete button;
  }
}

class FramedSpinEdit : public FramedForm {
protected:
  // One of the MP3 dialog's filter frequencies.
  TRzSpinEdit* Filter() {
    auto* edit = Make<TRzSpinEdit>({10, 10, 90, 31});
    edit->SetMax(48000);
    edit->SetMin(1);
    edit->Increment = 500;
    edit->SetCheckRange(true);
    edit->AllowKeyEdit = true;
    edit->SetFlatButtons(true);
    edit->SetFrameVisible(true);
    edit->FlatButtonColor = clWindow;
    return edit;
  }
};

TEST_F(FramedSpinEdit, ValueRows) {
  struct Case {
    const char* name;
    Extended min, max;
    bool checkRange, allowBlank;
    const char* text;
    Extended value;         // GetValue
    const char* textAfter;  // the text after GetValue
    const char* shownOnExit;
  };
  const Case cases[] = {
      {"out of range while typing", 1, 48000, true, false, "60000", 60000, "60000", "48000"},
      {"below the range", 1, 48000, true, false, "0", 0, "0", "1"},
      {"in range", 1, 48000, true, false, "4500", 4500, "4500", "4500"},
      {"empty: Min written back", 1, 48000, true, false, "", 1, "1", "1"},
      {"empty and blank allowed", 1, 48000, true, true, "", 0, "", ""},
      {"letters give Min until left", 1, 48000, true, false, "abc", 1, "abc", "1"},
      {"thousands separator does not parse", 1, 48000, true, false, "48,000", 1, "48,000", "1"},
      {"equal limits without range check", 0, 0, false, false, "77", 77, "77", "77"},
      {"equal limits with range check", 0, 0, true, false, "77", 77, "77", "0"},
      {"ATH level", 1, 50, true, false, "51", 51, "51", "50"},
  };
  for (const Case& c : cases) {
    auto* edit = Make<TRzSpinEdit>({10, 10, 90, 31});
    edit->SetMax(c.max);
    edit->SetMin(c.min);
    edit->SetCheckRange(c.checkRange);
    edit->AllowBlank = c.allowBlank;
    edit->SetText(c.text);
    EXPECT_EQ(edit->GetValue(), c.value) << c.name;
    EXPECT_EQ(edit->Text(), c.textAfter) << c.name;
    edit->Perform(CM_EXIT);
    EXPECT_EQ(edit->Text(), c.shownOnExit) << c.name;
    delete edit;
  }
}

TEST_F(FramedSpinEdit, StepsAndTheirCaret) {
  struct Case {
    const char* name;
    const char* text;
    int caret;
    Word key;
    const char* after;
    int caretAfter;
  };
  const Case cases[] = {{"grows", "999", 3, VK_UP, "1000", 4},
                        {"shrinks", "1000", 4, VK_DOWN, "999", 3},
                        {"same length", "100", 1, VK_UP, "101", 1},
                        {"page up", "5", 1, VK_PRIOR, "15", 2},
                        {"page down", "95", 2, VK_NEXT, "85", 2},
                        {"clamped at the top", "10000", 0, VK_UP, "10000", 0}};
  ShowForm();
  for (const Case& c : cases) {
    auto* edit = Make<TRzSpinEdit>({10, 10, 90, 31});
    edit->SetMax(10000);
    edit->SetText(c.text);
    edit->SetFocus();
    edit->SetSelStart(c.caret);
    edit->SetSelLength(0);
    edit->Perform(WM_KEYDOWN, c.key, 0);
    EXPECT_EQ(edit->Text(), c.after) << c.name;
    EXPECT_EQ(edit->SelStart(), c.caretAfter) << c.name;
    delete edit;
  }
}

TEST_F(FramedSpinEdit, KeysWithoutKeyEditingAndEnter) {
  ShowForm();
  auto* edit = Make<TRzSpinEdit>({10, 10, 90, 31});
  edit->SetValue(5);
  edit->SetFocus();
  for (char key : {'7', '\b', '-'}) {
    char k = key;
    edit->Perform(WM_CHAR, static_cast<unsigned char>(k), 0);
  }
  edit->Perform(WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(edit->Text(), "5") << "typing is refused without AllowKeyEdit";
  edit->Perform(WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(edit->Text(), "6") << "the arrows still step";
  edit->AllowKeyEdit = true;
  edit->SelectAll();
  edit->Perform(WM_CHAR, '4', 0);
  EXPECT_EQ(edit->Text(), "4");
  edit->Perform(WM_CHAR, '\r', 0);
  EXPECT_EQ(edit->Text(), "4") << "Enter is dropped";
}

TEST_F(FramedSpinEdit, ValidCharacters) {
  struct Case {
    const char* text;
    int selStart, selLength;
    char key;
    bool integersOnly, accepted;
  };
  const Case cases[] = {{"12", 2, 0, '3', true, true},    {"12", 2, 0, '.', true, false},
                        {"12", 2, 0, '.', false, true},   {"1.2", 3, 0, '.', false, false},
                        {"1.2", 1, 2, '.', false, true},  {"12", 0, 0, '-', true, true},
                        {"12", 1, 0, '-', true, false},   {"-12", 0, 0, '-', true, false},
                        {"-12", 0, 3, '+', true, true},   {"12", 2, 0, 'a', true, false},
                        {"12", 2, 0, '\b', true, true},   {"12", 2, 0, '\r', true, false}};
  ShowForm();
  for (const Case& c : cases) {
    auto* edit = Make<TRzSpinEdit>({10, 10, 90, 31});
    edit->AllowKeyEdit = true;
    edit->SetIntegersOnly(c.integersOnly);
    edit->SetText(c.text);
    edit->SetSelStart(c.selStart);
    edit->SetSelLength(c.selLength);
    const String before = edit->Text();
    edit->Perform(WM_CHAR, static_cast<unsigned char>(c.key), 0);
    EXPECT_EQ(edit->Text() != before, c.accepted) << c.text << " + '" << c.key << "'";
    delete edit;
  }
}

TEST_F(FramedSpinEdit, IntegersOnlyRoundsHalfToEven) {
  struct Case {
    Extended value;
    const char* shown;
  };
  for (const Case& c : {Case{2.5, "2"}, Case{3.5, "4"}, Case{-2.5, "-2"}}) {
    auto* edit = Make<TRzSpinEdit>({10, 10, 90, 31});
    edit->SetMin(-10);
    edit->SetIntegersOnly(false);
    edit->SetDecimals(1);
    edit->SetValue(c.value);
    edit->SetIntegersOnly(true);
    EXPECT_EQ(edit->Decimals(), 0);
    EXPECT_EQ(edit->Text(), c.shown) << double(c.value);
    delete edit;
  }
}

TEST_F(FramedSpinEdit, LimitsPushEachOtherAndReclampTheText) {
  auto* edit = Make<TRzSpinEdit>({10, 10, 90, 31});
  edit->SetCheckRange(true);  // equal limits clamp only with the range check
  edit->SetValue(80);
  edit->SetMin(150);
  EXPECT_EQ(edit->Max(), 150);
  EXPECT_EQ(edit->Text(), "150");
  edit->SetMax(20);
  EXPECT_EQ(edit->Min(), 20);
  EXPECT_EQ(edit->Text(), "20");
}

TEST_F(FramedSpinEdit, ChangingCanVetoEveryStepAndReadOnlyBeeps) {
  auto* edit = Filter();
  edit->SetValue(1000);
  std::vector<TSpinButtonType> steps;
  edit->OnButtonClick = TSpinButtonEvent::Function([&](TObject*, TSpinButtonType b) { steps.push_back(b); });
  edit->IncValue(500);
  edit->DecValue(500);
  EXPECT_EQ(steps, (std::vector<TSpinButtonType>{sbUp, sbDown}));
  edit->OnChanging = TSpinChangingEvent::Function([](TObject*, bool& allow) { allow = false; });
  edit->IncValue(500);
  edit->SpinButtons()->UpRightButton()->Click();
  edit->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(edit->Text(), "1000");
  EXPECT_EQ(steps.size(), 2u) << "no OnButtonClick after a veto";
  edit->OnChanging = nullptr;
  edit->SetReadOnly(true);
  edit->IncValue(500);
  EXPECT_EQ(edit->Text(), "1000");
}

TEST_F(FramedSpinEdit, ButtonsStepByIncrementAndTheWheelByPageWithCtrl) {
  auto* edit = Filter();
  edit->SetValue(1000);
  edit->SpinButtons()->UpRightButton()->Click();
  EXPECT_EQ(edit->Text(), "1500");
  edit->SpinButtons()->DownLeftButton()->Click();
  edit->SpinButtons()->DownLeftButton()->Click();
  EXPECT_EQ(edit->Text(), "500");
  edit->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(edit->Text(), "1") << "clamped at Min";
  edit->Perform(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);
  EXPECT_EQ(edit->Text(), "11");
}

TEST_F(FramedSpinEdit, ButtonLayout) {
  auto* edit = Make<TRzSpinEdit>({10, 10, 90, 31});
  edit->HandleNeeded();
  TRzSpinButtons* buttons = edit->SpinButtons();
  EXPECT_EQ(buttons->BoundsRect(), TRect(80 - 17 - 4, 0, 80 - 4, edit->Height() - 3)) << "classic, Ctl3D";
  edit->SetOrientation(orHorizontal);
  EXPECT_EQ(buttons->Width(), 34) << "horizontal doubles the width";
  edit->SetButtonWidth(-5);
  EXPECT_EQ(edit->ButtonWidth(), 0);
}

}  // namespace
