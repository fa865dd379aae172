// One definition that holds every control and component of the family's
// periphery with settings of its own: it is read, shown, captured to look at,
// and written back as it was read.
#include <gtest/gtest.h>

#include "framed/components/RzCustomColors.h"
#include "framed/components/RzDialogComponent.h"
#include "framed/components/RzMenuController.h"
#include "framed/display/RzColorPicker.h"
#include "framed/display/RzLEDDisplay.h"
#include "framed/display/RzMeter.h"
#include "framed/edits/RzHotKeyEdit.h"
#include "framed/edits/RzMemo.h"
#include "framed/edits/RzNumericEdit.h"
#include "framed/edits/RzRichEdit.h"
#include "framed/groups/RzCheckGroup.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/WindowCapture.h"

namespace {

// As the writer writes it, so reading and writing it again gives the same text.
const char* const kShowcase = R"(object Showcase: TForm
  Left = 40
  Top = 40
  Width = 660
  Height = 500
  Caption = 'Framed periphery'
  PopupMenu = Popup
  object Options: TRzCheckGroup
    Left = 8
    Top = 8
    Width = 200
    Height = 90
    Caption = 'Options'
    TabOrder = 0
    Columns = 2
    Items = (
      'Normalize'
      'Dither'
      'Split'
      'Tags')
    AllowGrayed = True
    CheckStates = (
      1
      0
      2
      1)
  end
  object Name: TRzEdit
    Left = 8
    Top = 108
    Width = 200
    Height = 20
    TabOrder = 1
    Text = 'Plain text'
    FrameStyle = fsGroove
    FrameVisible = True
    ParentCtl3D = False
  end
  object Phone: TRzMaskEdit
    Left = 8
    Top = 136
    Width = 200
    Height = 20
    TabOrder = 2
    Text = '555-1234'
    EditMask = '000-0000;1;_'
    FrameColor = clNavy
    FrameVisible = True
    ParentCtl3D = False
  end
  object Amount: TRzNumericEdit
    Left = 8
    Top = 164
    Width = 200
    Height = 20
    TabOrder = 3
    FocusColor = clYellow
    FrameVisible = True
    ParentCtl3D = False
    AllowBlank = False
    BlankValue = 0.0
    CheckRange = False
    IntegersOnly = True
    Max = 1000000.0
    Min = -1000000.0
    DisplayFormat = ',0;(,0)'
    Value = -1234567.0
  end
  object Notes: TRzMemo
    Left = 8
    Top = 192
    Width = 200
    Height = 70
    TabOrder = 4
    Lines = (
      'First line of the memo'
      'Second line')
    FrameHotTrack = True
    FrameVisible = True
    ParentCtl3D = False
    TabOnEnter = True
  end
  object Story: TRzRichEdit
    Left = 8
    Top = 270
    Width = 200
    Height = 70
    TabOrder = 5
    Lines = (
      'A rich edit, framed'
      'with a dotted frame')
    FrameStyle = fsLowered
    FrameVisible = True
    ParentCtl3D = False
  end
  object Keys: TRzHotKeyEdit
    Left = 8
    Top = 348
    Width = 200
    Height = 21
    TabOrder = 6
    HotKey = 'Ctrl+Alt+K'
    FrameColor = clMaroon
    FrameVisible = True
    ParentCtl3D = False
  end
  object Divider: TRzBorder
    Left = 224
    Top = 8
    Width = 180
    Height = 60
    BorderInner = fsLowered
    BorderOuter = fsRaised
    BorderWidth = 3
    BorderColor = clTeal
  end
  object Sign: TRzLEDDisplay
    Left = 224
    Top = 80
    Width = 180
    Height = 40
    Caption = 'VARNEL 4.0'
    SegOnColor = clYellow
    ScrollType = stNone
  end
  object Level: TRzMeter
    Left = 224
    Top = 132
    Width = 180
    Height = 24
    Value = 70
    Seg1Count = 6
    Seg3Count = 3
  end
  object Progress: TRzMeter
    Left = 224
    Top = 164
    Width = 180
    Height = 24
    Value = 40
    BackColor = clWhite
    BarColor = clNavy
    MeterType = mtBar3D
  end
  object Picker: TRzColorPicker
    Left = 420
    Top = 8
    Width = 152
    Height = 145
    CustomColor = $003399FF
    CustomColors = Colors
    ShowNoColor = True
    ShowCustomColor = True
    SelectedColor = clRed
  end
  object Popup: TPopupMenu
    OwnerDraw = True
    object Cut: TMenuItem
      Caption = 'Cu&t'
      ShortCut = 'Ctrl+X'
    end
    object Wrap: TMenuItem
      Caption = 'Word &wrap'
      Checked = True
    end
  end
  object Menus: TRzMenuController
    MenuColor = clInfoBk
  end
  object Colors: TRzCustomColors
    Colors = (
      'ColorA=0000FF'
      'ColorB=00FF00'
      'ColorC=FFFFFF'
      'ColorD=FFFFFF'
      'ColorE=FFFFFF'
      'ColorF=FFFFFF'
      'ColorG=FFFFFF'
      'ColorH=FFFFFF'
      'ColorI=FFFFFF'
      'ColorJ=FFFFFF'
      'ColorK=FFFFFF'
      'ColorL=FFFFFF'
      'ColorM=FFFFFF'
      'ColorN=FFFFFF'
      'ColorO=FFFFFF'
      'ColorP=FFFFFF')
  end
  object Dialog: TRzDialogComponent
    CenterToParent = True
    OriginLeft = 20
    Position = poOwnerFormCenter
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

TEST(PeripheryShowcase, IsReadShownAndWrittenBackAsItWas) {
  PublishFramedControls();
  TForm* form = NewForm<TForm>(nullptr);
  ReadComponentText(form, kShowcase);
  auto* options = Find<TRzCheckGroup>(form, "Options");
  auto* amount = Find<TRzNumericEdit>(form, "Amount");
  auto* picker = Find<TRzColorPicker>(form, "Picker");
  auto* colors = Find<TRzCustomColors>(form, "Colors");
  auto* menus = Find<TRzMenuController>(form, "Menus");
  auto* dialog = Find<TRzDialogComponent>(form, "Dialog");
  ASSERT_TRUE(options && amount && picker && colors && menus && dialog);
  ASSERT_TRUE(Find<TRzMemo>(form, "Notes") && Find<TRzRichEdit>(form, "Story") && Find<TRzHotKeyEdit>(form, "Keys"));
  ASSERT_TRUE(Find<TRzLEDDisplay>(form, "Sign") && Find<TRzMeter>(form, "Level") && Find<TRzBorder>(form, "Divider"));
  EXPECT_EQ(options->GetItemState(2), cbGrayed);
  EXPECT_EQ(amount->Text(), "(1,234,567)");
  EXPECT_EQ(picker->SelColorIndex(), 16);
  EXPECT_EQ(picker->CustomColors(), colors);
  EXPECT_EQ(menus->ItemCount(), 2);
  EXPECT_EQ(dialog->Position, poOwnerFormCenter);
  EXPECT_EQ(WithoutCarriageReturns(WriteComponentText(form)), kShowcase);

  form->Show();
  ::SetForegroundWindow(form->Handle());
  PumpMessages();
  form->Update();
  const CapturedPixels shot = CaptureWindow(form->Handle());
  shot.SaveBmp("framed_periphery_showcase.bmp");
  EXPECT_GT(shot.Width, 600);
  delete form;
}

}  // namespace
