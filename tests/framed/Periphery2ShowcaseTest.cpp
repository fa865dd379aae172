// One definition with every list and combo box of the family's second
// periphery: it is read, shown, captured to look at, and written back as it
// was read.
#include <gtest/gtest.h>

#include "framed/combos/RzColorComboBox.h"
#include "framed/combos/RzFontComboBox.h"
#include "framed/combos/RzImageComboBox.h"
#include "framed/combos/RzMRUComboBox.h"
#include "framed/lists/RzCheckList.h"
#include "framed/lists/RzEditListBox.h"
#include "framed/lists/RzFontListBox.h"
#include "framed/lists/RzRankListBox.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/WindowCapture.h"

namespace {

// As the writer writes it, so reading and writing it again gives the same text.
const char* const kShowcase = R"(object Showcase: TForm
  Left = 40
  Top = 40
  Width = 660
  Height = 420
  Caption = 'Framed lists and combo boxes'
  object Fruit: TRzListBox
    Left = 8
    Top = 8
    Width = 150
    Height = 120
    TabOrder = 0
    ItemHeight = 14
    Style = lbOwnerDrawFixed
    Items = (
      '//Fruit'
      'Apple'
      'Pear'
      '//Nuts'
      'Pecan'
      'Walnut')
    FrameVisible = True
    FramingPreference = fpCustomFraming
    ShowGroups = True
    ParentCtl3D = False
  end
  object Table: TRzTabbedListBox
    Left = 166
    Top = 8
    Width = 160
    Height = 120
    TabOrder = 1
    Items = (
      'Title'#9'Length'#9'Angles'
      '1'#9'1:52:10'#9'1'
      '2'#9'0:04:31'#9'2')
    TabStops.Min = -2147483647
    TabStops.Max = 2147483647
    TabStops.Integers = (
      7
      17)
    TabStopsMode = tsmAutomatic
  end
  object Checks: TRzCheckList
    Left = 334
    Top = 8
    Width = 160
    Height = 120
    TabOrder = 2
    ItemHeight = 17
    Items = (
      'Normalize'
      'Dither'
      '//Tags'
      'Artist'
      'Album')
    AllowGrayed = True
    ItemEnabled = (
      True
      True
      True
      False
      True)
    ItemState = (
      1
      0
      0
      1
      2)
  end
  object Names: TRzEditListBox
    Left = 502
    Top = 8
    Width = 144
    Height = 120
    TabOrder = 3
    Items = (
      'Intro'
      'Chapter 1'
      'Credits')
  end
  object Order: TRzRankListBox
    Left = 8
    Top = 136
    Width = 150
    Height = 100
    TabOrder = 4
    Items = (
      'MP3'
      'OGG'
      'FLAC'
      'WAV')
    MoveOnDrag = False
  end
  object Faces: TRzFontListBox
    Left = 166
    Top = 136
    Width = 160
    Height = 100
    TabOrder = 5
    FontName = 'Courier New'
    ShowStyle = ssFontNameAndSample
  end
  object Swatch: TRzColorComboBox
    Left = 334
    Top = 136
    Width = 160
    Height = 24
    TabOrder = 6
    ColorNames.Default = 'Default'
    ColorNames.Black = 'Black'
    ColorNames.Maroon = 'Maroon'
    ColorNames.Green = 'Green'
    ColorNames.Olive = 'Olive'
    ColorNames.Navy = 'Navy'
    ColorNames.Purple = 'Purple'
    ColorNames.Teal = 'Sea'
    ColorNames.Gray = 'Gray'
    ColorNames.Silver = 'Silver'
    ColorNames.Red = 'Red'
    ColorNames.Lime = 'Lime'
    ColorNames.Yellow = 'Yellow'
    ColorNames.Blue = 'Blue'
    ColorNames.Fuchsia = 'Fuchsia'
    ColorNames.Aqua = 'Aqua'
    ColorNames.White = 'White'
    ColorNames.ScrollBar = 'ScrollBar'
    ColorNames.Background = 'Background'
    ColorNames.ActiveCaption = 'ActiveCaption'
    ColorNames.InactiveCaption = 'InactiveCaption'
    ColorNames.Menu = 'Menu'
    ColorNames.Window = 'Window'
    ColorNames.WindowFrame = 'WindowFrame'
    ColorNames.MenuText = 'MenuText'
    ColorNames.WindowText = 'WindowText'
    ColorNames.CaptionText = 'CaptionText'
    ColorNames.ActiveBorder = 'ActiveBorder'
    ColorNames.InactiveBorder = 'InactiveBorder'
    ColorNames.AppWorkSpace = 'AppWorkSpace'
    ColorNames.Highlight = 'Highlight'
    ColorNames.HighlightText = 'HighlightText'
    ColorNames.BtnFace = 'BtnFace'
    ColorNames.BtnShadow = 'BtnShadow'
    ColorNames.GrayText = 'GrayText'
    ColorNames.BtnText = 'BtnText'
    ColorNames.InactiveCaptionText = 'InactiveCaptionText'
    ColorNames.BtnHighlight = 'BtnHighlight'
    ColorNames.DkShadow3D = '3DDkShadow'
    ColorNames.Light3D = '3DLight'
    ColorNames.InfoText = 'InfoText'
    ColorNames.InfoBk = 'InfoBk'
    ColorNames.Custom = 'Custom'
    SelectedColor = clTeal
  end
  object Face: TRzFontComboBox
    Left = 334
    Top = 168
    Width = 160
    Height = 24
    TabOrder = 7
    FontName = 'Tahoma'
    ShowStyle = ssFontNameAndSample
  end
  object Recent: TRzMRUComboBox
    Left = 502
    Top = 136
    Width = 144
    Height = 24
    TabOrder = 8
    Items = (
      'C:\Movies'
      'D:\Rips')
    MaxHistory = 10
    MruSection = 'History'
    MruID = 'Folder'
  end
  object Pictures: TRzImageComboBox
    Left = 502
    Top = 168
    Width = 144
    Height = 24
    TabOrder = 9
    ItemIndent = 16
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

// Families the font lists show, so the definition reads the same everywhere.
std::vector<TFontFamilyInfo> Families(TFontDeviceKind) {
  return {{"Tahoma", ANSI_CHARSET, 0x05, TRUETYPE_FONTTYPE},
          {"Courier New", ANSI_CHARSET, 0x04, TRUETYPE_FONTTYPE},
          {"System", ANSI_CHARSET, 0x01, RASTER_FONTTYPE},
          {"Fixedsys", ANSI_CHARSET, 0x00, RASTER_FONTTYPE}};
}

TEST(Periphery2Showcase, IsReadShownAndWrittenBackAsItWas) {
  PublishFramedControls();
  TFontEnumerationOverride families(&Families);
  TForm* form = NewForm<TForm>(nullptr);
  ReadComponentText(form, kShowcase);
  auto* checks = Find<TRzCheckList>(form, "Checks");
  auto* table = Find<TRzTabbedListBox>(form, "Table");
  auto* swatch = Find<TRzColorComboBox>(form, "Swatch");
  auto* faces = Find<TRzFontListBox>(form, "Faces");
  auto* face = Find<TRzFontComboBox>(form, "Face");
  auto* recent = Find<TRzMRUComboBox>(form, "Recent");
  auto* pictures = Find<TRzImageComboBox>(form, "Pictures");
  ASSERT_TRUE(checks && table && swatch && faces && face && recent && pictures);
  ASSERT_TRUE(Find<TRzListBox>(form, "Fruit") && Find<TRzEditListBox>(form, "Names") &&
              Find<TRzRankListBox>(form, "Order"));
  EXPECT_EQ(checks->GetItemState(4), cbGrayed);
  EXPECT_FALSE(checks->GetItemEnabled(3));
  EXPECT_EQ(table->TabStops()->Count(), 2);
  EXPECT_EQ(WithoutCarriageReturns(WriteComponentText(form)), kShowcase);

  form->Show();
  ::SetForegroundWindow(form->Handle());
  PumpMessages();
  EXPECT_EQ(swatch->GetSelectedColor(), clTeal);
  EXPECT_EQ(swatch->Items()->Strings(swatch->ItemIndex()), "Sea");
  EXPECT_EQ(faces->GetFontName(), "Courier New");
  EXPECT_EQ(face->GetFontName(), "Tahoma");
  EXPECT_EQ(recent->Items()->Count(), 2);
  pictures->AddItem("Movies", -1, 0);
  pictures->AddItem("Extras", -1, 1);
  pictures->SetItemIndex(1);
  form->Update();
  const CapturedPixels shot = CaptureWindow(form->Handle());
  shot.SaveBmp("framed_periphery2_showcase.bmp");
  EXPECT_GT(shot.Width, 600);
  delete form;
}

}  // namespace
