// A form of every list and edit control, set as the program's forms set them,
// read from its definition with VARNEL: every control finds its record, the
// form is shown and captured, skin changes (VARNEL, stress, fixture, none)
// re-read every record and keep texts, items and indexes, and the definition
// writes back equal.
#include <gtest/gtest.h>

#include "platform/published/FormDefinition.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/SkinBoxCtrlsPublished.h"
#include "skin/controls/SkinComboBoxEx.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinHeaderControl.h"
#include "skin/controls/SkinPageControl.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/form/SkinChangeTable.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

const char* kShowcase = R"(object ShowcaseForm: TForm
  Left = 0
  Top = 0
  Width = 600
  Height = 420
  Caption = 'Lists and edits'
  Color = clBtnFace
  object SkinData1: TspSkinData
  end
  object NameEdit: TspSkinEdit
    Left = 12
    Top = 12
    Width = 180
    Height = 20
    Text = 'Title 1'
    SkinData = SkinData1
    SkinDataName = 'edit'
  end
  object FolderEdit: TspSkinEdit
    Left = 12
    Top = 40
    Width = 180
    Height = 20
    Text = 'C:\Videos'
    ButtonMode = True
    SkinData = SkinData1
    SkinDataName = 'buttonedit'
  end
  object BitrateSpin: TspSkinSpinEdit
    Left = 12
    Top = 68
    Width = 120
    Height = 20
    SkinData = SkinData1
    SkinDataName = 'spinedit'
    MaxValue = 99999999
    Increment = 10
    MaxLength = 10
    DefaultHeight = 20
  end
  object FormatCombo: TspSkinComboBox
    Left = 12
    Top = 96
    Width = 180
    Height = 20
    SkinData = SkinData1
    SkinDataName = 'combobox'
    Items.Strings = (
      'MPEG-4'
      'WMV'
      'MP3')
    ItemIndex = 1
    DropDownCount = 12
  end
  object TitleCombo: TspSkinComboBox
    Left = 12
    Top = 124
    Width = 180
    Height = 20
    SkinData = SkinData1
    SkinDataName = 'combobox'
    Style = spcbEditStyle
    Text = 'Chapter 2'
  end
  object TargetCombo: TspSkinComboBoxEx
    Left = 12
    Top = 152
    Width = 180
    Height = 20
    SkinData = SkinData1
    SkinDataName = 'combobox'
    DropDownCount = 16
    ItemsEx = <
      item
        Caption = 'AVI'
        ImageIndex = 0
      end
      item
        Caption = 'MP3'
        ImageIndex = 1
      end>
  end
  object PresetList: TspSkinListBox
    Left = 12
    Top = 184
    Width = 180
    Height = 96
    SkinData = SkinData1
    SkinDataName = 'listbox'
    Items.Strings = (
      'High quality'
      'Normal'
      'Small file'
      'Mobile'
      'Voice'
      'Archive')
    ItemIndex = 1
  end
  object StepUpDown: TspSkinUpDown
    Left = 140
    Top = 68
    Width = 40
    Height = 20
    SkinData = SkinData1
    SkinDataName = 'hupdown'
    UseSkinSize = False
  end
  object TitleHeader: TspSkinHeaderControl
    Align = alNone
    Left = 208
    Top = 12
    Width = 370
    Height = 22
    SkinData = SkinData1
    SkinDataName = 'resizetoolbutton'
  end
  object TitleList: TspSkinListView
    Left = 208
    Top = 40
    Width = 351
    Height = 121
    SkinData = SkinData1
    SkinDataName = 'listview'
    HeaderSkinDataName = 'resizetoolbutton'
    ViewStyle = vsReport
    RowSelect = True
    ReadOnly = True
    MultiSelect = True
    HScrollBar = TitleHScroll
    VScrollBar = TitleVScroll
  end
  object TitleVScroll: TspSkinScrollBar
    Left = 559
    Top = 40
    Width = 19
    Height = 121
    SkinData = SkinData1
    SkinDataName = 'vscrollbar'
    Kind = sbVertical
    DefaultWidth = 19
    DefaultHeight = 0
    PageSize = 3
    Max = 3
    LargeChange = 50
    Visible = False
  end
  object TitleHScroll: TspSkinScrollBar
    Left = 208
    Top = 161
    Width = 370
    Height = 19
    SkinData = SkinData1
    SkinDataName = 'hscrollbar'
    Max = 479
    LargeChange = 50
    DefaultHeight = 19
    Visible = False
  end
  object ProfilePages: TspSkinPageControl
    Left = 208
    Top = 188
    Width = 370
    Height = 180
    SkinData = SkinData1
    SkinDataName = 'tab'
    DefaultItemHeight = 20
    UseSkinFont = False
    ShowCloseButtons = True
    ActivePage = AviSheet
    object AviSheet: TspSkinTabSheet
      Caption = 'AVI'
    end
    object WmvSheet: TspSkinTabSheet
      Caption = 'WMV'
    end
    object Mp4Sheet: TspSkinTabSheet
      Caption = 'MP4'
    end
    object FlvSheet: TspSkinTabSheet
      Caption = 'FLV'
    end
  end
end)";

// Hands every control of the form its skin change: the skinned bases through
// their own ChangeSkinData, the others through the skin-change table.
void ChangeSkins(TWinControl* parent) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* control = parent->Controls(i);
    if (auto* skinned = dynamic_cast<TspSkinControl*>(control)) skinned->ChangeSkinData();
    else TSkinChangeTable::Instance().Dispatch(control, TSkinChangeStage::After);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) ChangeSkins(windowed);
  }
}

class Showcase : public ::testing::Test {
protected:
  void SetUp() override {
    PublishSkinBoxControlClasses();
    UseFormDefinitions();
    form = NewForm<TForm>(nullptr);
    ReadComponentText(form, kShowcase);
    data = dynamic_cast<TspSkinData*>(form->FindComponent("SkinData1"));
    ASSERT_NE(data, nullptr);
    auto* list = Find<TspSkinListView>("TitleList");
    const char* columns[][2] = {{"Name", "300"}, {"Duration", "60"}, {"Status", "100"}};
    for (auto& c : columns) {
      TListColumn* column = list->Columns()->Add();
      column->SetCaption(c[0]);
      column->SetWidth(std::stoi(c[1]) * 3 / 4);
    }
    for (int i = 1; i <= 12; ++i) {
      TListItem* item = list->Items()->Add();
      item->SetCaption("Title " + std::to_string(i));
    }
    auto* header = Find<TspSkinHeaderControl>("TitleHeader");
    for (const char* text : {"Title", "Audio", "Subtitles"}) {
      THeaderSection* section = header->Sections()->Add();
      section->SetText(text);
      section->SetWidth(110);
    }
  }
  void TearDown() override { delete form; }
  template <class C>
  C* Find(const char* name) {
    return dynamic_cast<C*>(form->FindComponent(name));
  }
  void Load(const String& ini) {
    ASSERT_TRUE(data->LoadFromFile(ini)) << ini;
    ChangeSkins(form);
  }
  TForm* form = nullptr;
  TspSkinData* data = nullptr;
};

TEST_F(Showcase, EveryControlFindsItsVarnelRecordAndShowsClean) {
  Load(VarnelSkinIni());
  form->Show();
  PumpMessages();
  EXPECT_TRUE(Find<TspSkinEdit>("NameEdit")->HasRecord());
  EXPECT_TRUE(Find<TspSkinEdit>("FolderEdit")->HasRecord());
  EXPECT_NE(Find<TspSkinSpinEdit>("BitrateSpin")->SkinRecordIndex, -1);
  EXPECT_NE(Find<TspSkinComboBox>("FormatCombo")->SkinRecordIndex, -1);
  EXPECT_NE(Find<TspSkinComboBox>("TitleCombo")->SkinRecordIndex, -1);
  EXPECT_NE(Find<TspSkinListBox>("PresetList")->SkinRecordIndex, -1);
  EXPECT_NE(Find<TspSkinUpDown>("StepUpDown")->SkinRecordIndex, -1);
  EXPECT_NE(Find<TspSkinScrollBar>("TitleVScroll")->SkinRecordIndex, -1);
  EXPECT_TRUE(Find<TspSkinPageControl>("ProfilePages")->HasRecord());
  EXPECT_EQ(Find<TspSkinComboBox>("FormatCombo")->Text(), "WMV");
  EXPECT_EQ(Find<TspSkinComboBoxEx>("TargetCombo")->Items()->Count(), 2);
  EXPECT_TRUE(Find<TspSkinScrollBar>("TitleVScroll")->Visible()) << "12 rows overflow the list";
  Find<TspSkinListBox>("PresetList")->SetItemIndex(2);
  form->Repaint();
  PumpMessages();
  CapturedPixels shot = CaptureWindow(form->Handle());
  EXPECT_GT(shot.Width, 500);
  shot.SaveBmp("skin_box_showcase.bmp");  // in the working folder, to look at
}

TEST_F(Showcase, SkinChangesKeepTextsItemsAndIndexes) {
  auto* name = Find<TspSkinEdit>("NameEdit");
  auto* combo = Find<TspSkinComboBox>("FormatCombo");
  auto* list = Find<TspSkinListBox>("PresetList");
  auto* spin = Find<TspSkinSpinEdit>("BitrateSpin");
  form->Show();
  spin->SetValue(1200);
  name->SetAutoSelect(false);  // a focused edit would select all when its window comes back
  name->SetSelStart(2);
  name->SetSelLength(3);
  int gdiBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  for (int round = 0; round < 2; ++round) {
    Load(VarnelSkinIni());
    Load(StressSkinIni());
    data->ClearSkin();
    ChangeSkins(form);
    EXPECT_FALSE(name->HasRecord()) << "no skin: the default look";
    Load(VarnelSkinIni());
    PumpMessages();
  }
  EXPECT_EQ(name->Text(), "Title 1");
  EXPECT_EQ(name->SelStart(), 2);
  EXPECT_EQ(name->SelLength(), 3);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Items()->Count(), 3);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Items()->Count(), 6);
  EXPECT_EQ(spin->Value(), 1200);
  EXPECT_EQ(spin->Edit()->Text(), "1200");
  int gdiAfter = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  EXPECT_LE(gdiAfter, gdiBefore + 20) << "GDI objects end flat";
}

TEST_F(Showcase, WritesBackEqual) {
  Load(VarnelSkinIni());
  auto* list = Find<TspSkinListView>("TitleList");
  list->Items()->Clear();  // the rows come from the program, not from the definition
  list->UpDateScrollBars();
  String first = WriteComponentText(form);
  TForm* again = NewForm<TForm>(nullptr);
  ReadComponentText(again, first);
  auto* againData = dynamic_cast<TspSkinData*>(again->FindComponent("SkinData1"));
  ASSERT_TRUE(againData->LoadFromFile(VarnelSkinIni()));
  ChangeSkins(again);
  String second = WriteComponentText(again);
  form->Show();
  again->Show();  // two shown copies side by side paint and go quiet
  PumpMessages();
  delete again;
  EXPECT_EQ(first, second);
  EXPECT_NE(first.find("TspSkinPageControl"), String::npos);
}

}  // namespace
