// A definition modelled on the MP3 settings dialog, read and shown: the strips,
// group boxes, hot-tracked buttons, spin edits, radio group and combo boxes look
// as the dialogs expect. Also every framed class read and written back, and the
// properties of older versions read and dropped.
#include <gtest/gtest.h>

#include "framed/common/RzCommon_Colors.h"
#include "framed/controls/RzCheckBox.h"
#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzGroupBox.h"
#include "framed/controls/RzLabel.h"
#include "framed/controls/RzPanel.h"
#include "framed/controls/RzRadioButton.h"
#include "framed/controls/RzRadioGroup.h"
#include "framed/controls/RzSpinEdit.h"
#include "framed/controls/RzURLLabel.h"
#include "platform/published/FormDefinition.h"
#include "platform/stdctrls/Button.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/WindowCapture.h"

namespace {

// The program's colours of the dialogs' hot-tracked buttons.
#define PROGRAM_COLOURS                      \
  "      HotTrack = True\n"                  \
  "      HotTrackColorType = htctActual\n"   \
  "      FrameColor = 8409372\n"             \
  "      HighlightColor = 2203937\n"         \
  "      HotTrackColor = 3983359\n"

#define FILTER_SPIN(name, top, value)          \
  "    object " name ": TRzSpinEdit\n"          \
  "      Left = 110\n"                          \
  "      Top = " top "\n"                       \
  "      Width = 70\n"                          \
  "      Height = 21\n"                         \
  "      AllowKeyEdit = True\n"                 \
  "      CheckRange = True\n"                   \
  "      FlatButtonColor = clWindow\n"          \
  "      FlatButtons = True\n"                  \
  "      FrameVisible = True\n"                 \
  "      Increment = 500\n"                     \
  "      Max = 48000\n"                         \
  "      Min = 1\n"                             \
  "      Value = " value "\n"                   \
  "    end\n"

const char* const kMp3Like =
    "object LameSettingForm: TForm\n"
    "  Left = 0\n"
    "  Top = 0\n"
    "  ClientWidth = 470\n"
    "  ClientHeight = 330\n"
    "  Color = clBtnFace\n"
    "  Font.Name = 'Tahoma'\n"
    "  Font.Height = -11\n"
    "  ParentFont = False\n"
    "  object RzPanel2: TRzPanel\n"
    "    Left = 0\n"
    "    Top = 0\n"
    "    Width = 470\n"
    "    Height = 41\n"
    "    Align = alTop\n"
    "    BorderOuter = fsGroove\n"
    "    BorderSides = [sdBottom]\n"
    "    Color = clWhite\n"
    "    TabOrder = 0\n"
    "    object RzLabel1: TRzLabel\n"
    "      Left = 12\n"
    "      Top = 13\n"
    "      Width = 170\n"
    "      Height = 13\n"
    "      Caption = 'Lame(MP3) Encoder Settings:'\n"
    "      Font.Name = 'Tahoma'\n"
    "      Font.Height = -11\n"
    "      Font.Style = [fsBold]\n"
    "      ParentFont = False\n"
    "      Transparent = True\n"
    "      BlinkIntervalOff = 200\n"
    "      BlinkIntervalOn = 200\n"
    "    end\n"
    "  end\n"
    "  object Samplerate: TRzGroupBox\n"
    "    Left = 8\n"
    "    Top = 50\n"
    "    Width = 220\n"
    "    Height = 95\n"
    "    Caption = 'Samplerate'\n"
    "    ParentColor = True\n"
    "    TabOrder = 1\n"
    "    object rbAutomatic: TRzRadioButton\n"
    "      Left = 12\n"
    "      Top = 20\n"
    "      Width = 90\n"
    "      Height = 17\n"
    "      Caption = 'Automatic'\n"
    "      Checked = True\n"
    PROGRAM_COLOURS
    "    end\n"
    "    object rbSpecify: TRzRadioButton\n"
    "      Left = 12\n"
    "      Top = 42\n"
    "      Width = 90\n"
    "      Height = 17\n"
    "      Caption = 'Specify'\n"
    PROGRAM_COLOURS
    "    end\n"
    "    object cbSamplerate: TRzComboBox\n"
    "      Left = 12\n"
    "      Top = 64\n"
    "      Width = 196\n"
    "      Height = 21\n"
    "      Ctl3D = False\n"
    "      DisabledColor = 15527920\n"
    "      Enabled = False\n"
    "      FrameVisible = True\n"
    "      ItemHeight = 13\n"
    "      ParentCtl3D = False\n"
    "      Style = csDropDownList\n"
    "      Items.Strings = (\n"
    "        'MPEG-1: 44100 Hz'\n"
    "        'MPEG-1: 48000 Hz'\n"
    "        'MPEG-1: 32000 Hz')\n"
    "      ItemIndex = 0\n"
    "    end\n"
    "  end\n"
    "  object GroupBox4: TRzGroupBox\n"
    "    Left = 240\n"
    "    Top = 50\n"
    "    Width = 220\n"
    "    Height = 95\n"
    "    Caption = 'Filter Setting'\n"
    "    ParentColor = True\n"
    "    TabOrder = 2\n"
    "    object chkLowpass: TRzCheckBox\n"
    "      Left = 12\n"
    "      Top = 22\n"
    "      Width = 90\n"
    "      Height = 17\n"
    "      Caption = 'Lowpass'\n"
    "      State = cbChecked\n"
    PROGRAM_COLOURS
    "    end\n"
    FILTER_SPIN("seLowpass", "20", "17000")
    "    object chkHighpass: TRzCheckBox\n"
    "      Left = 12\n"
    "      Top = 54\n"
    "      Width = 90\n"
    "      Height = 17\n"
    "      Caption = 'Highpass'\n"
    PROGRAM_COLOURS
    "    end\n"
    FILTER_SPIN("seHighpass", "52", "1")
    "  end\n"
    "  object rgVBRMethod: TRzRadioGroup\n"
    "    Left = 8\n"
    "    Top = 152\n"
    "    Width = 220\n"
    "    Height = 50\n"
    "    Caption = 'VBR Method:'\n"
    "    Columns = 2\n"
    "    ItemFrameColor = 8409372\n"
    "    ItemHighlightColor = 2203937\n"
    "    ItemHotTrack = True\n"
    "    ItemHotTrackColor = 3983359\n"
    "    ItemIndex = 1\n"
    "    Items.Strings = (\n"
    "      'Old'\n"
    "      'New')\n"
    "    ParentColor = True\n"
    "    SpaceEvenly = True\n"
    "    StartXPos = 10\n"
    "    TabOrder = 3\n"
    "  end\n"
    "  object Label1: TRzLabel\n"
    "    Left = 240\n"
    "    Top = 158\n"
    "    Width = 100\n"
    "    Height = 13\n"
    "    Caption = 'Algorithm Quality:'\n"
    "    Transparent = True\n"
    "  end\n"
    "  object cbAlgorithmQuality: TRzComboBox\n"
    "    Left = 240\n"
    "    Top = 176\n"
    "    Width = 220\n"
    "    Height = 21\n"
    "    Ctl3D = False\n"
    "    FrameVisible = True\n"
    "    ItemHeight = 13\n"
    "    ParentCtl3D = False\n"
    "    Style = csDropDownList\n"
    "    TabOrder = 4\n"
    "    Items.Strings = (\n"
    "      'Q0: Slowest, Even better'\n"
    "      'Q2: Recommended'\n"
    "      'Q9: Poor Quality')\n"
    "    ItemIndex = 1\n"
    "  end\n"
    "  object lblHome: TRzURLLabel\n"
    "    Left = 12\n"
    "    Top = 220\n"
    "    Width = 120\n"
    "    Height = 13\n"
    "    Caption = 'www.example.org'\n"
    "    Transparent = True\n"
    "    Layout = tlCenter\n"
    "  end\n"
    "  object RzPanel1: TRzPanel\n"
    "    Left = 0\n"
    "    Top = 290\n"
    "    Width = 470\n"
    "    Height = 40\n"
    "    Align = alBottom\n"
    "    BorderOuter = fsGroove\n"
    "    BorderSides = [sdTop]\n"
    "    TabOrder = 5\n"
    "    object btnOK: TButton\n"
    "      Left = 300\n"
    "      Top = 8\n"
    "      Width = 75\n"
    "      Height = 25\n"
    "      Caption = 'OK'\n"
    "      Default = True\n"
    "      ModalResult = 1\n"
    "      TabOrder = 0\n"
    "    end\n"
    "    object btnCancel: TButton\n"
    "      Left = 385\n"
    "      Top = 8\n"
    "      Width = 75\n"
    "      Height = 25\n"
    "      Caption = 'Cancel'\n"
    "      ModalResult = 2\n"
    "      TabOrder = 1\n"
    "    end\n"
    "  end\n"
    "end\n";

class FramedDialog : public FramedForm {
protected:
  template <class C>
  C* Find(const char* name) {
    auto* found = dynamic_cast<C*>(form->FindComponent(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  // What the form shows at a point of a control's client area.
  static TColor At(const CapturedPixels& shot, TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen(TPoint{x, y});
    const std::uint32_t rgb = shot.At(p.X - shotOrigin.X, p.Y - shotOrigin.Y);
    return static_cast<TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
  }
  CapturedPixels Shoot() {
    form->Update();
    PumpMessages();
    RECT r;
    ::GetWindowRect(form->Handle(), &r);
    shotOrigin = TPoint{r.left, r.top};
    return CaptureWindow(form->Handle());
  }
  static inline TPoint shotOrigin{};
};

TEST_F(FramedDialog, Mp3LikeDefinitionShowsAsTheDialogsExpect) {
  ReadComponentText(form, kMp3Like);
  auto* top = Find<TRzPanel>("RzPanel2");
  auto* bottom = Find<TRzPanel>("RzPanel1");
  auto* samplerate = Find<TRzGroupBox>("Samplerate");
  auto* lowpass = Find<TRzCheckBox>("chkLowpass");
  auto* seLowpass = Find<TRzSpinEdit>("seLowpass");
  auto* method = Find<TRzRadioGroup>("rgVBRMethod");
  auto* cbSamplerate = Find<TRzComboBox>("cbSamplerate");
  auto* quality = Find<TRzComboBox>("cbAlgorithmQuality");
  ASSERT_TRUE(top && bottom && samplerate && lowpass && seLowpass && method && cbSamplerate && quality);
  ShowForm();

  // What the dialogs' code reads back.
  EXPECT_TRUE(lowpass->GetChecked());
  EXPECT_TRUE(Find<TRzRadioButton>("rbAutomatic")->GetChecked());
  EXPECT_EQ(seLowpass->GetValue(), 17000);
  EXPECT_EQ(method->ItemIndex(), 1);
  EXPECT_TRUE(method->GetButtons(1)->Checked());
  EXPECT_EQ(cbSamplerate->ItemIndex(), 0);
  EXPECT_EQ(cbSamplerate->Color(), 15527920) << "disabled face";
  EXPECT_FALSE(cbSamplerate->Ctl3D());
  EXPECT_EQ(top->Height(), 41);
  EXPECT_EQ(bottom->Top() + bottom->Height(), form->ClientHeight());
  EXPECT_EQ(method->GetButtons(1)->Left(), 10 + (220 - 10 - 10) / 2) << "two even columns from StartXPos";

  PostMouse(lowpass, WM_MOUSEMOVE, 40, 8);
  ASSERT_TRUE(PumpUntil([&] { return lowpass->MouseOverButton(); }));
  const CapturedPixels shot = Shoot();
  shot.SaveBmp("framed_mp3_dialog.bmp");

  // The groove under the white strip: a shadow and a highlight line.
  const TColor shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
  EXPECT_EQ(At(shot, top, 200, 39), shadow);
  EXPECT_EQ(At(shot, top, 200, 40), light);
  EXPECT_EQ(At(shot, top, 200, 20), 0xFFFFFF) << "the strip is white";
  EXPECT_EQ(At(shot, bottom, 200, 0), shadow) << "the groove on the bottom strip's top";
  // gsFlat: the corner pixel is cut, the one inside it drawn.
  samplerate->Canvas()->SetFont(samplerate->Font());
  const int frameTop = samplerate->Canvas()->TextHeight("Pp") / 2 - 1;
  const TColor flat = ColorToRGB(AdjustColor(clBtnShadow, 30));
  EXPECT_EQ(At(shot, samplerate, 0, frameTop), ColorToRGB(clBtnFace));
  EXPECT_EQ(At(shot, samplerate, 1, frameTop + 1), flat);
  EXPECT_EQ(At(shot, samplerate, 0, frameTop + 10), flat);
  // The hovered check box: its glyph at (0, 2) in the program's colours.
  EXPECT_EQ(At(shot, lowpass, 5, 2), 8409372) << "frame";
  EXPECT_EQ(At(shot, lowpass, 5, 7), ColorToRGB(clWindow)) << "face";
  EXPECT_EQ(At(shot, lowpass, 3, 8), 2203937) << "check";
  EXPECT_EQ(At(shot, lowpass, 5, 3), DarkerColor(3983359, 30)) << "hot ring, upper left";
  EXPECT_EQ(At(shot, lowpass, 5, 13), LighterColor(3983359, 30)) << "hot ring, lower right";
  // The framed combo boxes: a one-pixel frame, the face inside it.
  EXPECT_EQ(At(shot, quality, 0, 10), shadow) << "frame";
  EXPECT_EQ(At(shot, quality, 1, 10), ColorToRGB(clWindow)) << "inside the frame";
  EXPECT_EQ(At(shot, cbSamplerate, 0, 10), shadow);
  EXPECT_EQ(At(shot, cbSamplerate, 1, 10), 15527920) << "the disabled face";
  EXPECT_EQ(At(shot, cbSamplerate, 4, 3), 15527920) << "the disabled face";
}

TEST_F(FramedDialog, EveryClassReadsAndWritesBackEqual) {
  const char* const text =
      "object Form: TForm\n"
      "  object Panel: TRzPanel\n"
      "    Left = 4\n    Top = 4\n    Width = 200\n    Height = 150\n"
      "    AlignmentVertical = avTop\n    BorderInner = fsFlat\n    BorderOuter = fsGroove\n"
      "    BorderSides = [sdLeft, sdBottom]\n    Color = clWhite\n    FlatColor = clRed\n"
      "    FlatColorAdjustment = 10\n    GridStyle = gsSolidLines\n    GridXSize = 5\n    ShowGrid = True\n"
      "    UseGradients = True\n    Locked = True\n    Ctl3D = False\n    ParentCtl3D = False\n"
      "    BiDiMode = bdRightToLeft\n    ParentBiDiMode = False\n    DragKind = dkDock\n    HelpContext = 7\n"
      "    object Group: TRzGroupBox\n"
      "      Left = 4\n      Top = 4\n      Width = 100\n      Height = 60\n"
      "      Caption = 'Group'\n      GroupStyle = gsTopLine\n      ThemeAware = False\n"
      "    end\n"
      "  end\n"
      "  object Radios: TRzRadioGroup\n"
      "    Left = 210\n    Top = 4\n    Width = 180\n    Height = 80\n"
      "    Columns = 2\n    ItemHotTrack = True\n    ItemIndex = 0\n"
      "    Items.Strings = (\n      'A'\n      'B')\n    SpaceEvenly = True\n    StartXPos = 10\n"
      "    VerticalSpacing = 5\n"
      "  end\n"
      "  object Title: TRzLabel\n"
      "    Left = 4\n    Top = 160\n    Width = 80\n    Height = 20\n"
      "    Angle = 90\n    BorderOuter = fsFlat\n    Caption = 'Title'\n    Font.Name = 'Tahoma'\n    ParentFont = False\n    ShadowDepth = 3\n"
      "    TextStyle = tsShadow\n    CondenseCaption = ccAtEnd\n"
      "  end\n"
      "  object Link: TRzURLLabel\n"
      "    Left = 100\n    Top = 160\n    Width = 80\n    Height = 13\n"
      "    Caption = 'Home'\n    URL = 'http://example.org'\n    VisitedColor = clRed\n"
      "  end\n"
      "  object Check: TRzCheckBox\n"
      "    Left = 4\n    Top = 190\n    Width = 80\n    Height = 17\n"
      "    AllowGrayed = True\n    Caption = 'Check'\n    State = cbGrayed\n    HotTrack = True\n"
      "    HotTrackColorType = htctActual\n    FrameColor = 8409372\n    TabOnEnter = True\n"
      "  end\n"
      "  object Radio: TRzRadioButton\n"
      "    Left = 100\n    Top = 190\n    Width = 80\n    Height = 17\n"
      "    Caption = 'Radio'\n    Checked = True\n    AlignmentVertical = avCenter\n"
      "  end\n"
      "  object Spin: TRzSpinEdit\n"
      "    Left = 4\n    Top = 220\n    Width = 80\n    Height = 21\n"
      "    Decimals = 2\n    IntegersOnly = False\n    Increment = 0.5\n    Max = 10\n    Min = -10\n"
      "    Value = 2.5\n    FrameVisible = True\n    FrameStyle = fsFlatBold\n    FocusColor = clYellow\n"
      "  end\n"
      "  object Combo: TRzComboBox\n"
      "    Left = 100\n    Top = 220\n    Width = 120\n    Height = 21\n"
      "    Style = csDropDownList\n    FrameVisible = True\n    ReadOnly = True\n    DisabledColor = 15527920\n"
      "    DropDownWidth = 200\n    ItemHeight = 13\n    KeepSearchCase = True\n"
      "    Items.Strings = (\n      'One'\n      'Two')\n    ItemIndex = 1\n"
      "  end\n"
      "end\n";
  ReadComponentText(form, text);
  const String first = WriteComponentText(form);
  for (const char* expected :
       {"BorderOuter = fsGroove", "BorderSides = [sdLeft, sdBottom]", "ShowGrid = True", "Locked = True",
        "Ctl3D = False", "BiDiMode = bdRightToLeft", "DragKind = dkDock", "HelpContext = 7", "GroupStyle = gsTopLine",
        "Columns = 2", "ItemIndex = 0", "StartXPos = 10", "Angle = 90", "TextStyle = tsShadow",
        "URL = 'http://example.org'", "State = cbGrayed", "AllowGrayed = True", "Checked = True", "Decimals = 2",
        "Value = 2.5", "FrameStyle = fsFlatBold", "ReadOnly = True", "DropDownWidth = 200", "ItemHeight = 13",
        "KeepSearchCase = True", "DisabledColor = $00ECEFF0"})
    EXPECT_NE(first.find(expected), String::npos) << expected << "\n" << first;
  TForm* again = NewForm<TForm>(nullptr);
  ReadComponentText(again, first);
  const String second = WriteComponentText(again);
  delete again;
  EXPECT_EQ(second, first);
  EXPECT_EQ(first.find("object", first.find("object Radios") + 1), first.find("object Title"))
      << "the group's buttons are not written";
}

TEST_F(FramedDialog, PropertiesOfOlderVersionsAreReadAndDropped) {
  ReadComponentText(form,
                    "object Form: TForm\n"
                    "  object Panel: TRzPanel\n    FrameSides = [sdTop]\n  end\n"
                    "  object Title: TRzLabel\n    FrameSides = [sdTop]\n  end\n"
                    "  object Check: TRzCheckBox\n    Flat = True\n  end\n"
                    "  object Radios: TRzRadioGroup\n    Flat = True\n  end\n"
                    "  object Combo: TRzComboBox\n    FrameFlat = True\n    FrameFocusStyle = fsGroove\n"
                    "    FrameFlatStyle = fsFlat\n  end\n"
                    "  object Spin: TRzSpinEdit\n    FlatButtonParentColor = True\n    FrameFlat = False\n  end\n"
                    "end\n");
  EXPECT_TRUE(Find<TRzCheckBox>("Check")->HotTrack());
  EXPECT_TRUE(Find<TRzRadioGroup>("Radios")->ItemHotTrack());
  auto* combo = Find<TRzComboBox>("Combo");
  EXPECT_TRUE(combo->FrameHotTrack());
  EXPECT_EQ(combo->FrameStyle(), fsStatus);
  EXPECT_EQ(combo->FrameHotStyle(), fsGroove) << "FrameFocusStyle came after FrameFlat";
  const String written = WriteComponentText(form);
  for (const char* old : {"FrameSides = [sdTop]", "Flat =", "FrameFlat", "FrameFocusStyle", "FrameFlatStyle",
                          "FlatButtonParentColor"})
    EXPECT_EQ(written.find(old), String::npos) << old << "\n" << written;
}

}  // namespace
