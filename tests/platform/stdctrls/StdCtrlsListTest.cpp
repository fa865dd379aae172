// List boxes and combo boxes: made from a form definition; selecting from code
// runs no handler while the user's selection does; owner-drawn items are drawn
// by the handler; items, objects and selection survive a new window.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/stdctrls/StdCtrls.h"
#include "tests/harness/WindowCapture.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

namespace {

const char* const kListForm = R"(object ListForm: TForm
  Left = 60
  Top = 60
  Width = 320
  Height = 200
  BorderStyle = bsNone
  Color = clWhite
  object lbTargets: TListBox
    Left = 8
    Top = 8
    Width = 120
    Height = 100
    BorderStyle = bsNone
    Style = lbOwnerDrawFixed
    ItemHeight = 20
    Items.Strings = (
      'MP3'
      'WMA'
      'AAC')
    OnClick = ListClick
    OnDrawItem = ListDrawItem
  end
  object cbFormat: TComboBox
    Left = 140
    Top = 8
    Width = 120
    Style = csDropDownList
    ItemIndex = 1
    DropDownCount = 4
    Items.Strings = (
      'Ogg'
      'FLAC'
      'APE')
    OnChange = ComboChange
    OnClick = ComboClick
    OnDropDown = ComboDropDown
    OnCloseUp = ComboCloseUp
  end
  object cbName: TComboBox
    Left = 140
    Top = 60
    Width = 120
    Text = 'typed'
    OnChange = ComboChange
  end
end)";

const TColor kItemColors[] = {clRed, clLime, clBlue};

struct ListForm : TObject {
  EventLog list, combo;
  std::vector<int> drawn;
  std::unique_ptr<TForm> form;
  TListBox* targets = nullptr;
  TComboBox* format = nullptr;
  TComboBox* name = nullptr;

  ListForm() {
    TFormBindings bindings;
    bindings.Handler("ListClick", &list, &EventLog::Click)
        .Handler("ListDrawItem", this, &ListForm::DrawItem)
        .Handler("ComboChange", &combo, &EventLog::Change)
        .Handler("ComboClick", &combo, &EventLog::Click)
        .Handler("ComboDropDown", &combo, &EventLog::DropDown)
        .Handler("ComboCloseUp", &combo, &EventLog::CloseUp);
    form = ShowDefinition(kListForm, bindings);
    targets = Find<TListBox>(form.get(), "lbTargets");
    format = Find<TComboBox>(form.get(), "cbFormat");
    name = Find<TComboBox>(form.get(), "cbName");
    list.Clear();
    combo.Clear();
  }
  void DrawItem(TWinControl* control, int index, TRect rect, TOwnerDrawState) {
    drawn.push_back(index);
    TCanvas* canvas = static_cast<TListBox*>(control)->Canvas();
    canvas->Brush()->SetColor(kItemColors[index % 3]);
    canvas->FillRect(rect);
  }
};

}  // namespace

TEST(StdListBox, OwnerDrawnItemsAreDrawnByTheHandler) {
  ListForm f;
  ASSERT_TRUE(f.targets && f.format && f.name);
  EXPECT_EQ(f.targets->Items()->Count(), 3);
  EXPECT_EQ(f.targets->ItemHeight(), 20);
  f.targets->Repaint();
  CapturedPixels pixels = CaptureClient(f.targets->Handle());
  EXPECT_EQ(std::count(f.drawn.begin(), f.drawn.end(), 2), 2) << "each paint draws every item";
  EXPECT_EQ(pixels.At(10, 10), 0xFF0000u);
  EXPECT_EQ(pixels.At(10, 30), 0x00FF00u);
  EXPECT_EQ(pixels.At(10, 50), 0x0000FFu);
  EXPECT_EQ(f.targets->ItemRect(1), TRect(0, 20, f.targets->ClientWidth(), 40));
  EXPECT_EQ(f.targets->ItemAtPos(TPoint{10, 45}, true), 2);
  EXPECT_EQ(f.targets->ItemAtPos(TPoint{10, 90}, true), -1) << "below the last item";
  EXPECT_EQ(f.targets->ItemAtPos(TPoint{10, 90}, false), 3);
}

TEST(StdListBox, CodeSelectsSilentlyAndTheUsersClickRunsOnClick) {
  ListForm f;
  f.targets->SetItemIndex(2);
  EXPECT_EQ(f.targets->ItemIndex(), 2);
  EXPECT_TRUE(f.targets->Selected(2));
  EXPECT_TRUE(f.list.Events.empty()) << "ItemIndex from code runs no handler";
  PostClick(f.targets, 10, 25);
  EXPECT_TRUE(PumpUntil([&] { return !f.list.Events.empty(); }));
  EXPECT_EQ(f.list.Events, (std::vector<String>{"click"}));
  EXPECT_EQ(f.targets->ItemIndex(), 1);
  f.targets->SetItemIndex(7);
  EXPECT_EQ(f.targets->ItemIndex(), 1) << "an index past the items is ignored";
  f.targets->SetItemIndex(-1);
  EXPECT_EQ(f.targets->ItemIndex(), -1);
  EXPECT_EQ(f.list.Events.size(), 1u);
}

TEST(StdListBox, ItemsObjectsAndSelectionSurviveANewWindow) {
  ListForm f;
  TObject first, second;
  f.targets->Items()->PutObject(0, &first);
  f.targets->Items()->AddObject("OGG", &second);
  f.targets->SetItemIndex(3);
  HWND before = f.targets->Handle();
  f.targets->SetBorderStyle(bsSingle);  // a style of the window: made anew
  EXPECT_NE(f.targets->Handle(), before);
  ASSERT_EQ(f.targets->Count(), 4);
  EXPECT_EQ(f.targets->Items()->Get(3), "OGG");
  EXPECT_EQ(f.targets->Items()->Objects(0), &first);
  EXPECT_EQ(f.targets->Items()->Objects(3), &second);
  EXPECT_EQ(f.targets->ItemIndex(), 3);

  f.targets->SetMultiSelect(true);
  EXPECT_EQ(f.targets->ItemIndex(), 3) << "the selection goes over to a multi-selection list";
  f.targets->SetSelected(1, true);
  EXPECT_EQ(f.targets->SelCount(), 2);
  f.targets->SetStyle(lbStandard);
  EXPECT_TRUE(f.targets->Selected(1));
  EXPECT_TRUE(f.targets->Selected(3));
  EXPECT_FALSE(f.targets->Selected(0));

  f.targets->SetSorted(true);
  EXPECT_EQ(f.targets->Items()->CommaText(), "AAC,MP3,OGG,WMA");
  f.targets->Items()->Add("FLAC");
  EXPECT_EQ(f.targets->Items()->Get(1), "FLAC") << "a sorted list places new items in order";
  EXPECT_EQ(f.targets->Items()->Objects(3), &second) << "objects move with their items";
  f.targets->SetColumns(2);
  EXPECT_TRUE(::GetWindowLongPtrA(f.targets->Handle(), GWL_STYLE) & LBS_MULTICOLUMN);
  EXPECT_EQ(f.targets->Count(), 5);
}

TEST(StdComboBox, CodeSelectsSilentlyAndTheUsersChoiceRunsOnClickThenOnChange) {
  struct Case {
    const char* name;
    std::function<void(TComboBox*)> choose;
  } cases[] = {
      {"arrow key", [](TComboBox* c) { PostKey(c->Handle(), VK_DOWN); }},
      {"native notification",
       [](TComboBox* c) {
         ::SendMessageA(c->Handle(), CB_SETCURSEL, 2, 0);
         ::PostMessageA(c->Parent()->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(c->Handle()));
       }},
  };
  for (const Case& c : cases) {
    ListForm f;
    EXPECT_EQ(f.format->ItemIndex(), 1) << "ItemIndex read before its items";
    EXPECT_EQ(f.format->Text(), "FLAC");
    f.format->SetItemIndex(0);
    EXPECT_EQ(f.format->Text(), "Ogg");
    f.format->SetText("APE");
    EXPECT_EQ(f.format->ItemIndex(), 2) << "a drop-down list's text selects its item";
    f.format->SetItemIndex(5);
    EXPECT_EQ(f.format->ItemIndex(), 2) << c.name << ": an index past the items is ignored";
    f.format->SetItemIndex(1);
    EXPECT_TRUE(f.combo.Events.empty()) << c.name << ": setting from code runs no handler";

    f.format->SetFocus();
    c.choose(f.format);
    EXPECT_TRUE(PumpUntil([&] { return f.combo.Events.size() >= 2; })) << c.name;
    EXPECT_EQ(f.combo.Events, (std::vector<String>{"click", "change"})) << c.name;
    EXPECT_EQ(f.format->ItemIndex(), 2) << c.name;
    EXPECT_EQ(f.format->Text(), "APE") << c.name;
  }
}

TEST(StdComboBox, DropDownCloseUpTypingAndANewWindow) {
  ListForm f;
  f.format->SetDroppedDown(true);
  EXPECT_TRUE(f.format->DroppedDown());
  f.format->SetDroppedDown(false);
  EXPECT_EQ(f.combo.Events, (std::vector<String>{"dropdown", "closeup"}));
  f.combo.Clear();

  EXPECT_EQ(f.name->Text(), "typed");
  HWND edit = ::GetWindow(f.name->Handle(), GW_CHILD);
  ASSERT_NE(edit, nullptr);
  ::SendMessageA(edit, WM_CHAR, '!', 1);
  PumpMessages();
  EXPECT_EQ(f.name->Text(), "!typed");
  EXPECT_EQ(f.combo.Events, (std::vector<String>{"change"})) << "typing in the edit part runs OnChange";

  TObject data;
  f.format->Items()->PutObject(2, &data);
  f.format->SetItemIndex(2);
  f.format->RecreateWnd();
  EXPECT_EQ(f.format->Items()->Count(), 3);
  EXPECT_EQ(f.format->Items()->Objects(2), &data);
  EXPECT_EQ(f.format->ItemIndex(), 2);
  EXPECT_EQ(f.format->Text(), "APE");
  f.format->Clear();
  EXPECT_EQ(f.format->ItemIndex(), -1);
  EXPECT_EQ(f.format->Items()->Count(), 0);
}

TEST(StdComboBox, AnOwnerDrawnFaceIsDrawnByTheHandler) {
  std::vector<TOwnerDrawState> states;
  auto draw = TDrawItemEvent::Function([&](TWinControl* control, int index, TRect rect, TOwnerDrawState state) {
    states.push_back(state);
    TCanvas* canvas = static_cast<TComboBox*>(control)->Canvas();
    canvas->Brush()->SetColor(kItemColors[index < 0 ? 2 : index % 3]);
    canvas->FillRect(rect);
  });
  auto form = ShowDefinition(R"(object F: TForm
  Width = 200
  Height = 80
  BorderStyle = bsNone
  object cbDrawn: TComboBox
    Left = 0
    Top = 0
    Width = 150
    Style = csOwnerDrawFixed
    ItemHeight = 20
    Items.Strings = (
      'Red'
      'Lime')
  end
end)");
  auto* combo = Find<TComboBox>(form.get(), "cbDrawn");
  combo->OnDrawItem = draw;
  combo->SetItemIndex(1);
  combo->Repaint();
  CapturedPixels pixels = CaptureClient(combo->Handle());
  EXPECT_EQ(pixels.At(20, combo->ClientHeight() / 2), 0x00FF00u) << "the chosen item on the face";
  ASSERT_FALSE(states.empty());
  EXPECT_TRUE(states.back() & odComboBoxEdit) << "the face is drawn as the edit part";
}
