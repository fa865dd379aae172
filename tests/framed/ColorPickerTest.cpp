// The colour picker: its classic size, the selection rows, the hit test over
// every part, clicks and drags, the colour-name hint and the custom colour
// chosen through the (hooked) colour dialog.
#include <gtest/gtest.h>

#include <vector>

#include "framed/display/RzColorPicker.h"
#include "framed/startup/RzBorder_ColorNames.h"
#include "framed/theme/RzThemeSrv.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/SystemCallsGuard.h"

namespace {

class FramedColorPicker : public FramedForm {
protected:
  TRzColorPicker* Picker(bool allRows = false) {
    auto* picker = Make<TRzColorPicker>({10, 10, 0, 0});
    picker->SetLeft(10);
    picker->SetTop(10);
    if (allRows) {
      picker->SetShowNoColor(true);
      picker->SetShowDefaultColor(true);
      picker->SetShowSystemColors(true);
      picker->SetShowCustomColor(true);
    }
    changes = clicks = 0;
    picker->OnChange = TNotifyEvent::Function([this](TObject*) { ++changes; });
    picker->OnClick = TNotifyEvent::Function([this](TObject*) { ++clicks; });
    return picker;
  }
  static void Press(TRzColorPicker* picker, int x, int y) {
    picker->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    picker->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  int changes = 0, clicks = 0;
};

TEST_F(FramedColorPicker, TheClassicPickerHoldsFortyCells) {
  ASSERT_FALSE(ThemeServices()->ThemesEnabled()) << "these tests expect the classic look";
  auto* picker = Picker();
  EXPECT_EQ(picker->Width(), 152);
  EXPECT_EQ(picker->Height(), 98);
  EXPECT_EQ(picker->BorderOuter(), fsLowered);
  EXPECT_EQ(picker->ClientRect(), TRect(4, 4, 148, 94));
  EXPECT_EQ(picker->GetCellRect(0), TRect(4, 4, 22, 22));
  EXPECT_EQ(picker->GetCellRect(39), TRect(130, 76, 148, 94));
  EXPECT_EQ(picker->GetCellRect(40), TRect(0, 0, 0, 0)) << "no system colours";
  EXPECT_EQ(picker->GetSelectedColor(), clNone);
  picker->SetShowSystemColors(true);
  EXPECT_EQ(picker->Height(), 178);
  picker->SetShowNoColor(true);
  EXPECT_EQ(picker->Height(), 178 + picker->Margin() + 1);
}

TEST_F(FramedColorPicker, SelectedColorFindsItsCell) {
  const TColor face = ColorToRGB(clBtnFace);
  int faceIndex = kPickCustomSwatch;
  for (int i = 0; i < 40; ++i)
    if (ColorPickerColors[i].Color == face) faceIndex = i;
  struct Case {
    const char* name;
    bool system, deflt;
    TColor set;
    int index;
    TColor selected;
  } cases[] = {
      {"red", false, false, clRed, 16, clRed},
      {"none", false, false, clNone, kPickNoColor, clNone},
      {"button face among the system colours", true, false, clBtnFace, 55, clBtnFace},
      {"button face by its RGB value", false, false, clBtnFace, faceIndex, face},
      {"the default colour comes first", true, true, clHighlight, kPickDefault, clHighlight},
      {"an unlisted colour becomes the custom one", false, false, 0x123456, kPickCustomSwatch, 0x123456},
  };
  for (const Case& c : cases) {
    auto* picker = Picker();
    picker->SetShowSystemColors(c.system);
    picker->SetShowDefaultColor(c.deflt);
    picker->SetSelectedColor(c.set);
    EXPECT_EQ(picker->SelColorIndex(), c.index) << c.name;
    EXPECT_EQ(picker->GetSelectedColor(), c.selected) << c.name;
  }
}

TEST_F(FramedColorPicker, HitTestCoversEveryPart) {
  auto* picker = Picker(true);
  // MS Sans Serif 8: rows of 23 pixels; client (4, 4) to (148, 245); cells 18 x 18.
  ASSERT_EQ(picker->Margin(), 23);
  ASSERT_EQ(picker->ClientRect(), TRect(4, 4, 148, 245));
  struct Case {
    const char* name;
    int x, y, index;
  } cases[] = {
      {"the frame", 2, 2, kPickNothing},
      {"None row", 10, 10, kPickNoColor},
      {"default row's button", 10, 30, kPickDefault},
      {"default row's swatch", 140, 30, kPickDefault},
      {"first cell", 5, 51, 0},
      {"last of the first row", 131, 51, 7},
      {"first of the fifth row", 10, 123, 32},
      {"separator band", 10, 144, kPickNothing},
      {"first system colour", 10, 150, 40},
      {"last system colour", 95, 203, 69},
      {"after the last system colour", 131, 203, kPickNothing},
      {"More Colors... button", 10, 230, kPickCustomButton},
      {"custom swatch", 140, 230, kPickCustomSwatch},
  };
  for (const Case& c : cases) EXPECT_EQ(picker->HitTest(c.x, c.y), c.index) << c.name;
  EXPECT_EQ(picker->GetCellRect(0), TRect(4, 50, 22, 68));
  EXPECT_EQ(picker->GetCellRect(40), TRect(4, 148, 22, 166));
}

TEST_F(FramedColorPicker, ClicksSelectAndTheCustomSwatchAlwaysCounts) {
  ShowForm();
  auto* picker = Picker(true);
  Press(picker, 5, 51);
  EXPECT_EQ(picker->SelColorIndex(), 0);
  EXPECT_EQ(changes, 1);
  Press(picker, 5, 51);
  EXPECT_EQ(changes, 1) << "the same cell again is no change";
  Press(picker, 140, 230);
  Press(picker, 140, 230);
  EXPECT_EQ(picker->SelColorIndex(), kPickCustomSwatch);
  EXPECT_EQ(changes, 3) << "choosing the custom colour again counts";
  // Besides the click every release makes, the custom swatch clicks each time.
  clicks = 0;
  picker->SetSelColorIndex(kPickCustomSwatch);
  picker->SetSelColorIndex(kPickCustomSwatch);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(changes, 5);
  Press(picker, 10, 144);  // the separator
  Press(picker, 131, 203);  // an empty cell
  EXPECT_EQ(picker->SelColorIndex(), kPickCustomSwatch);
  EXPECT_EQ(changes, 5) << "the separator and an empty cell do nothing";
}

TEST_F(FramedColorPicker, DraggingSelectsCellsButNotTheSeparator) {
  ShowForm();
  auto* picker = Picker(true);
  picker->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 51));
  picker->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(25, 51));
  EXPECT_EQ(picker->SelColorIndex(), 1);
  picker->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(25, 144));
  EXPECT_EQ(picker->SelColorIndex(), 1) << "the band leaves the selection";
  picker->Perform(WM_LBUTTONUP, 0, MAKELPARAM(25, 144));
  picker->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(10, 150));
  EXPECT_EQ(picker->HighlightColorIndex(), 40) << "without the button the cell is only hot";
  EXPECT_EQ(picker->SelColorIndex(), 1);
}

TEST_F(FramedColorPicker, APointBelowTheGridWithoutCustomRowSelectsNoColour) {
  auto* picker = Picker();
  picker->SetAutoSize(false);
  picker->SetHeight(110);
  picker->SetSelectedColor(clRed);
  Press(picker, 10, picker->ClientRect().Bottom - 1);
  EXPECT_EQ(picker->SelColorIndex(), kPickNoColor);
  EXPECT_EQ(picker->GetSelectedColor(), clNone);
}

TEST_F(FramedColorPicker, TheHintNamesTheColourUnderTheMouse) {
  ShowForm();
  auto* picker = Picker();
  picker->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(10 + 0, 40));  // cell 16, "Red"
  ASSERT_NE(picker->HintWindow(), nullptr);
  EXPECT_EQ(picker->HintWindow()->Caption(), "Red");
  EXPECT_TRUE(::IsWindowVisible(picker->HintWindow()->Handle()));
  const TRect cell = picker->GetCellRect(16);
  const TPoint at = picker->ClientToScreen(TPoint{cell.Left + 4, cell.Bottom + 12});
  EXPECT_EQ(picker->HintWindow()->Left(), at.X);
  EXPECT_EQ(picker->HintWindow()->Top(), at.Y);
  picker->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(picker->HintWindow()->HandleAllocated());
  EXPECT_EQ(picker->HighlightColorIndex(), kPickNoHotCell);
}

TEST_F(FramedColorPicker, MoreColorsAsksTheColourDialog) {
  SystemCallsGuard guard;
  ShowForm();
  auto* picker = Picker(true);
  auto* colors = new TRzCustomColors(form);
  picker->SetCustomColors(colors);
  picker->SetCustomColor(0x00FF80);
  struct Answer {
    const char* name;
    BOOL ok;
  } answers[] = {{"cancelled", FALSE}, {"chosen", TRUE}};
  for (const Answer& a : answers) {
    CHOOSECOLORA seen = {};
    SystemCalls().ChooseColor = [&](CHOOSECOLORA* request) {
      seen = *request;
      request->rgbResult = 0x123456;
      request->lpCustColors[0] = 0x00AB00;
      return a.ok;
    };
    Press(picker, 10, 230);
    EXPECT_EQ(seen.rgbResult, 0x00FF80u) << a.name << ": the dialog starts at the custom colour";
    EXPECT_TRUE(seen.Flags & CC_FULLOPEN) << a.name;
  }
  EXPECT_EQ(picker->SelColorIndex(), kPickCustomSwatch);
  EXPECT_EQ(picker->CustomColor(), 0x123456);
  EXPECT_EQ(picker->GetSelectedColor(), 0x123456);
  EXPECT_EQ(colors->Colors()->Strings(0), "ColorA=00AB00");
  EXPECT_EQ(changes, 1) << "only the chosen colour changed the selection";
  delete colors;
  EXPECT_EQ(picker->CustomColors(), nullptr) << "a freed component is forgotten";
}

}  // namespace
