// The push button, the bit button and the menu button: sticky groups, Default
// and Cancel, the Space key, the hatch of a held button, the standard kinds, the
// glyph count, and the menu's drop-down with its 100 ms guard.
#include <gtest/gtest.h>

#include <vector>

#include "framed/buttons/RzBitBtn.h"
#include "framed/buttons/RzButton.h"
#include "framed/buttons/RzMenuButton.h"
#include "framed/common/RzClock.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/startup/RzButton_Kinds.h"
#include "platform/controls/Menus.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/WindowCapture.h"

namespace {

// A popup menu that records where it was asked to pop up instead of tracking.
class RecordingMenu : public TPopupMenu {
public:
  explicit RecordingMenu(TComponent* owner) : TPopupMenu(owner) {
    auto* item = new TMenuItem(this);
    item->SetCaption("Item");
    Items()->Add(item);
  }
  void Popup(int x, int y) override { popups.push_back(TPoint{x, y}); }
  std::vector<TPoint> popups;
};

class ProbeButton : public TRzButton {
public:
  using TRzButton::TRzButton;
  int clicks = 0;
  std::vector<bool> keyboardClicks;
  void Click() override {
    ++clicks;
    keyboardClicks.push_back(KeyboardClick());
    TRzButton::Click();
  }
};

class FramedPushButton : public FramedForm {
protected:
  void Press(TWinControl* c, int x = 5, int y = 5) {
    c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    c->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
};

TEST_F(FramedPushButton, GroupsHoldOneButtonDown) {
  auto* lone = Make<ProbeButton>(Rect(8, 8, 83, 33));
  lone->SetDown(true);
  EXPECT_FALSE(lone->Down()) << "a button without a group cannot be held down";

  auto* a = Make<ProbeButton>(Rect(8, 40, 83, 65));
  auto* b = Make<ProbeButton>(Rect(90, 40, 165, 65));
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  ShowForm();
  Press(a);
  EXPECT_TRUE(a->Down());
  EXPECT_TRUE(a->Exclusive());
  Press(a);
  EXPECT_TRUE(a->Down()) << "without AllowAllUp the down button stays down";
  EXPECT_EQ(a->clicks, 2) << "but it still clicks";
  Press(b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down()) << "the other member went up";

  a->SetAllowAllUp(true);
  EXPECT_TRUE(b->AllowAllUp()) << "AllowAllUp spreads to the group";
  Press(b);
  EXPECT_FALSE(b->Down()) << "with AllowAllUp the down button goes up";
}

TEST_F(FramedPushButton, EnterClicksTheActiveButtonAndEscapeTheCancelButton) {
  auto* ok = Make<ProbeButton>(Rect(8, 8, 83, 33));
  auto* cancel = Make<ProbeButton>(Rect(90, 8, 165, 33));
  auto* other = Make<ProbeButton>(Rect(170, 8, 245, 33));
  ok->SetDefault(true);
  cancel->SetCancel(true);
  ShowForm();
  form->Perform(CM_DIALOGKEY, VK_RETURN, 0);
  EXPECT_EQ(ok->clicks, 1);
  EXPECT_EQ(cancel->clicks, 0);
  form->Perform(CM_DIALOGKEY, VK_ESCAPE, 0);
  EXPECT_EQ(cancel->clicks, 1);
  EXPECT_EQ(other->clicks, 0);

  // Another button with the focus becomes the one Enter clicks.
  other->SetFocus();
  PumpMessages();
  form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(other));
  EXPECT_FALSE(ok->Active());
  form->Perform(CM_DIALOGKEY, VK_RETURN, 0);
  EXPECT_EQ(other->clicks, 1);
  EXPECT_EQ(ok->clicks, 1);

  // Ctrl held: Enter does nothing here.
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  form->Perform(CM_DIALOGKEY, VK_RETURN, 0);
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
  EXPECT_EQ(other->clicks, 1);

  // Without DropDownOnEnter a click by Enter is marked, a mouse click never.
  other->DropDownOnEnter = false;
  form->Perform(CM_DIALOGKEY, VK_RETURN, 0);
  Press(other);
  ASSERT_EQ(other->keyboardClicks.size(), 3u);
  EXPECT_TRUE(other->keyboardClicks[1]);
  EXPECT_FALSE(other->keyboardClicks[2]);
  EXPECT_FALSE(other->KeyboardClick());
}

// Each Space release clicks only after a press of its own.
TEST_F(FramedPushButton, SpaceReleaseClicksOnlyAfterItsOwnPress) {
  auto* button = Make<ProbeButton>(Rect(8, 8, 83, 33));
  auto* next = Make<ProbeButton>(Rect(90, 8, 165, 33));
  ShowForm();
  button->SetFocus();
  PumpMessages();
  PostKey(button->Handle(), VK_SPACE);
  PumpMessages();
  EXPECT_EQ(button->clicks, 1);
  ::PostMessageA(button->Handle(), WM_KEYUP, VK_SPACE, 1 | (1u << 30) | (1u << 31));
  PumpMessages();
  EXPECT_EQ(button->clicks, 1) << "a release without a new press";

  ::PostMessageA(button->Handle(), WM_KEYDOWN, VK_SPACE, 1);
  PumpMessages();
  next->SetFocus();
  PumpMessages();
  button->SetFocus();
  PumpMessages();
  ::PostMessageA(button->Handle(), WM_KEYUP, VK_SPACE, 1 | (1u << 30) | (1u << 31));
  PumpMessages();
  EXPECT_EQ(button->clicks, 1) << "the press was forgotten when the focus left";
}

TEST_F(FramedPushButton, ClickSetsTheFormsModalResultAndTheHatchFollowsTheColour) {
  auto* button = Make<ProbeButton>(Rect(8, 8, 83, 33));
  form->SetModalResult(mrCancel);
  button->Click();
  EXPECT_EQ(form->ModalResult(), mrNone) << "ModalResult 0 is copied too";

  struct Case {
    TColor color, dot;
  };
  for (const Case c : {Case{TColor(0xC0C0C0), TColor(0x808080)}, Case{clWhite, TColor(0xC0C0C0)}}) {
    button->SetColor(c.color);
    TBitmap pattern;
    button->CreateBrushPattern(&pattern);
    EXPECT_EQ(pattern.Canvas()->Pixels(0, 0), c.dot);
    EXPECT_EQ(pattern.Canvas()->Pixels(1, 1), c.dot);
    EXPECT_EQ(pattern.Canvas()->Pixels(1, 0), ColorToRGB(c.color));
  }
}

TEST_F(FramedPushButton, HeldGroupButtonShowsItsHatch) {
  auto* button = Make<ProbeButton>(Rect(8, 8, 108, 38));
  button->SetThemeAware(false);
  button->SetColor(clWhite);
  button->SetGroupIndex(1);
  button->SetDown(true);
  ShowForm();
  button->Repaint();
  int silver = 0;
  for (int x = 10; x < 20; ++x) silver += ShownPixel(button, x, 8) == TColor(0xC0C0C0);
  EXPECT_GE(silver, 4) << "every other pixel of the face is silver";
}

TEST_F(FramedPushButton, KindsSetCaptionResultAndGlyphs) {
  StartButtonKinds();
  auto* button = Make<TRzBitBtn>(Rect(8, 8, 108, 38));
  button->SetKind(bkYes);
  EXPECT_EQ(button->Caption(), "&Yes");
  EXPECT_TRUE(button->Default());
  EXPECT_FALSE(button->Cancel());
  EXPECT_EQ(button->ModalResult(), mrYes);
  EXPECT_EQ(button->NumGlyphs(), 2);
  EXPECT_EQ(button->Glyph()->Width(), 32);
  EXPECT_EQ(button->GetKind(), bkYes);
  button->SetModalResult(mrNone);
  EXPECT_EQ(button->GetKind(), bkCustom) << "a changed setting makes the kind custom";

  struct GlyphCase {
    int width, height, numGlyphs;
  };
  for (const GlyphCase c : {GlyphCase{64, 16, 4}, GlyphCase{80, 16, 1}, GlyphCase{30, 16, 1}}) {
    TBitmap glyph(c.width, c.height);
    button->SetNumGlyphs(1);
    button->SetGlyph(&glyph);
    EXPECT_EQ(button->NumGlyphs(), c.numGlyphs) << c.width << " x " << c.height;
  }
  button->SetNumGlyphs(3);
  TBitmap odd(30, 16);
  button->SetGlyph(&odd);
  EXPECT_EQ(button->NumGlyphs(), 3) << "a width that is no multiple leaves the count";
  button->SetMargin(-2);
  EXPECT_EQ(button->Margin(), 2);
  button->SetMargin(-1);
  EXPECT_EQ(button->Margin(), -1);
}

TEST_F(FramedPushButton, DisabledBitButtonDrawsItsSecondGlyph) {
  auto* button = Make<TRzBitBtn>(Rect(8, 8, 108, 40));
  button->SetThemeAware(false);
  TBitmap glyph(32, 16);
  TCanvas* c = glyph.Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(Rect(0, 0, 32, 16));
  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(4, 4, 12, 12));
  c->Brush()->SetColor(clBlue);
  c->FillRect(Rect(20, 4, 28, 12));
  button->SetGlyph(&glyph);
  ShowForm();
  button->Repaint();
  auto sees = [&](TColor color) {
    const CapturedPixels shot = CaptureClient(button->Handle());
    for (uint32_t p : shot.Pixels)
      if (p == ((color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF))) return true;
    return false;
  };
  EXPECT_TRUE(sees(clRed));
  EXPECT_FALSE(sees(clFuchsia)) << "the glyph's corner colour is see-through";
  button->SetEnabled(false);
  button->Repaint();
  EXPECT_TRUE(sees(clBlue));
  EXPECT_FALSE(sees(clRed));
}

TEST_F(FramedPushButton, MenuButtonDropsItsMenuAndNeverClicks) {
  TManualClockScope clock;
  auto* menu = new RecordingMenu(form);
  auto* button = Make<TRzMenuButton>(Rect(8, 8, 118, 33));
  int clicks = 0;
  button->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  ShowForm();
  Press(button);
  EXPECT_EQ(clicks, 1) << "without a menu it clicks";

  button->SetDropDownMenu(menu);
  clock.Clock().Advance(1000);
  Press(button);
  ASSERT_EQ(menu->popups.size(), 1u);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(menu->PopupComponent(), button);
  const TPoint below = button->ClientToScreen(TPoint{0, button->Height()});
  EXPECT_EQ(menu->popups[0].X, below.X);
  EXPECT_EQ(menu->popups[0].Y, below.Y);

  clock.Clock().Advance(50);
  Press(button);
  EXPECT_EQ(menu->popups.size(), 1u) << "a press within 100 ms closed the menu";
  clock.Clock().Advance(200);
  Press(button);
  EXPECT_EQ(menu->popups.size(), 2u);
  EXPECT_EQ(clicks, 1);

  button->DropDownOnEnter = false;
  button->SetDefault(true);
  form->Perform(CM_FOCUSCHANGED, 0, 0);
  form->Perform(CM_DIALOGKEY, VK_RETURN, 0);
  EXPECT_EQ(clicks, 2) << "Enter clicks instead of dropping";
  EXPECT_EQ(menu->popups.size(), 2u);
}

TEST_F(FramedPushButton, MenuNearTheWorkAreaEdgeEndsUnderTheButton) {
  auto* menu = new RecordingMenu(form);
  auto* button = Make<TRzMenuButton>(Rect(8, 8, 118, 33));
  button->SetDropDownMenu(menu);
  ShowForm();
  const TRect area = GetMonitorWorkArea(FindMonitorAtPoint(button->ClientToScreen(TPoint{0, 0})));
  form->SetLeft(area.Right - 60);
  PumpMessages();
  const TPoint p = DropDownPoint(button, 100);
  const TPoint right = button->ClientToScreen(TPoint{button->Width(), button->Height()});
  EXPECT_EQ(p.X + 100, right.X);
}

}  // namespace
