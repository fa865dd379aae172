// The colour, font, history and image combo boxes: the colour rows and their
// mends, the font filter and recent fonts across a new window, the history on
// an INI store (a damaged count included), image items kept and freed once.
#include <gtest/gtest.h>

#include <vector>

#include "framed/combos/RzColorComboBox.h"
#include "framed/combos/RzFontComboBox.h"
#include "framed/combos/RzImageComboBox.h"
#include "framed/combos/RzMRUComboBox.h"
#include "platform/core/Exceptions.h"
#include "platform/stdctrls/Edit.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

class FramedCombos : public FramedForm {
protected:
  template <class C>
  C* Combo() {
    return Make<C>({10, 10, 200, 24});
  }
};

// ---- colour ----

TEST_F(FramedCombos, ColourEntriesAndSelection) {
  ShowForm();
  auto* combo = Combo<TRzColorComboBox>();
  EXPECT_EQ(combo->Items()->Count(), 43);
  EXPECT_EQ(combo->GetSelectedColor(), combo->DefaultColor());  // nothing selected yet
  combo->SetSelectedColor(clRed);
  EXPECT_EQ(combo->Items()->Strings(combo->ItemIndex()), "Red");
  combo->SetSelectedColor(clBlack);  // the "Default" entry is black too and comes first
  EXPECT_EQ(combo->ItemIndex(), 0);
  combo->SetSelectedColor(0x123456);
  EXPECT_EQ(combo->ItemIndex(), 42);
  EXPECT_EQ(combo->CustomColor(), 0x123456);
  EXPECT_EQ(combo->GetSelectedColor(), 0x123456);
}

// Without a "Custom" entry an unknown colour selects nothing, and the selected
// colour is then the default one (not whatever entry is last).
TEST_F(FramedCombos, AnUnknownColourWithoutCustomEntrySelectsNothing) {
  ShowForm();
  auto* combo = Combo<TRzColorComboBox>();
  combo->SetShowCustomColor(false);
  combo->SetDefaultColor(clYellow);
  combo->SetSelectedColor(0x123456);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->GetSelectedColor(), clYellow);
}

TEST_F(FramedCombos, RenamedColoursSurviveAFontChange) {
  ShowForm();
  for (bool withDefault : {true, false}) {
    auto* combo = Combo<TRzColorComboBox>();
    combo->SetShowDefaultColor(withDefault);
    combo->SetSelectedColor(clBlue);
    combo->ColorNames()->SetStdColor(9, "Rot");
    const int red = withDefault ? 10 : 9;
    EXPECT_EQ(combo->Items()->Strings(red), "Rot");
    combo->Font()->SetSize(14);  // a new window
    EXPECT_EQ(combo->Items()->Strings(red), "Rot") << withDefault;
    EXPECT_EQ(combo->GetSelectedColor(), clBlue) << withDefault;
    delete combo;
  }
}

TEST_F(FramedCombos, TheCustomEntryOpensTheDialogUnlessCancelled) {
  ShowForm();
  SystemCallsGuard guard;
  int shown = 0;
  SystemCalls().ChooseColor = [&](CHOOSECOLORA* request) {
    ++shown;
    request->rgbResult = 0x00AB00;
    return TRUE;
  };
  auto* combo = Combo<TRzColorComboBox>();
  combo->SetItemIndex(42);
  combo->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_SELENDCANCEL), 0);
  combo->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP), 0);
  EXPECT_EQ(shown, 0);
  combo->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_SELENDOK), 0);
  combo->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP), 0);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(combo->CustomColor(), 0x00AB00);
}

TEST_F(FramedCombos, CustomColoursAreCheckedBeforeTheyAreRewritten) {
  auto* combo = Combo<TRzColorComboBox>();
  TStringList lines;
  lines.SetText("ColorA=1FFFFFF\nColorB=80\n");
  combo->SetCustomColors(&lines);
  EXPECT_EQ(combo->CustomColors()->Text(), "ColorA=FFFFFF\r\nColorB=000080\r\n");
  lines.SetText("ColorA=80\nColorB=nothex\n");
  EXPECT_THROW(combo->SetCustomColors(&lines), EConvertError);
  EXPECT_EQ(combo->CustomColors()->Strings(0), "ColorA=80");  // nothing rewritten

  TempProgramFolder folder;
  TRzRegIniFile store(nullptr);
  store.SetPath(folder.Path() + "colors.ini");
  store.SetPathType(ptIniFile);
  store.WriteString("Custom", "ColorA", "ff");
  store.WriteString("Custom", "ColorB", "zz");
  combo->SetRegIniFile(&store);
  combo->LoadCustomColors("Custom");
  EXPECT_EQ(combo->CustomColors()->Text(), "ColorA=0000FF\r\n");
  combo->SetRegIniFile(nullptr);
  EXPECT_THROW(combo->SaveCustomColors("Custom"), Exception);
}

// ---- font ----

const std::vector<TFontFamilyInfo> kFamilies = {
    {"Arial Test", ANSI_CHARSET, 0x05, TRUETYPE_FONTTYPE}, {"Courier Test", ANSI_CHARSET, 0x00, RASTER_FONTTYPE},
    {"Mono Test", ANSI_CHARSET, 0x04, TRUETYPE_FONTTYPE},  {"Symbol Test", SYMBOL_CHARSET, 0x05, TRUETYPE_FONTTYPE},
    {"Printer Test", ANSI_CHARSET, 0x01, DEVICE_FONTTYPE},
};

TEST_F(FramedCombos, FontFilterAndRecentFontsAcrossANewWindow) {
  TFontEnumerationOverride families([](TFontDeviceKind) { return kFamilies; });
  ShowForm();
  auto* combo = Combo<TRzFontComboBox>();
  struct Case {
    TRzFontType type;
    int count;
  } cases[] = {{ftAll, 5}, {ftTrueType, 3}, {ftFixedPitch, 2}, {ftPrinter, 1}};
  for (const Case& c : cases) {
    combo->SetFontType(c.type);
    EXPECT_EQ(combo->Items()->Count(), c.count) << c.type;
  }
  combo->SetFontType(ftAll);
  EXPECT_EQ(combo->GetSelectedFont(), nullptr);
  combo->SetFontName("Symbol Test");
  combo->ChooseRecentFont();
  EXPECT_EQ(combo->Items()->Strings(0), "Symbol Test");
  EXPECT_EQ(combo->MRULast(), 0);
  combo->SetItemIndex(5);  // the same family lower down: moved, not copied
  combo->ChooseRecentFont();
  EXPECT_EQ(combo->Items()->Count(), 6);
  combo->SetFontName("Mono Test");
  combo->SetShowSymbolFonts(false);  // a new window
  EXPECT_EQ(combo->Items()->Strings(0), "Symbol Test");
  EXPECT_EQ(combo->MRULast(), 0);
  EXPECT_EQ(combo->GetFontName(), "Mono Test");
}

TEST_F(FramedCombos, ThePreviewShowsTheEditsTextOrTheSample) {
  TFontEnumerationOverride families([](TFontDeviceKind) { return kFamilies; });
  ShowForm();
  auto* combo = Combo<TRzFontComboBox>();
  combo->UpdatePreviewText();
  EXPECT_EQ(combo->PreviewPanel()->Caption(), "AaBbYyZz");
  EXPECT_EQ(combo->PreviewPanel()->Alignment(), taCenter);
  auto* edit = Make<TEdit>({10, 60, 200, 80});
  edit->SetText("twelve chars");
  combo->SetPreviewEdit(edit);
  combo->UpdatePreviewText();
  EXPECT_EQ(combo->PreviewPanel()->Caption(), "twelve cha");
  EXPECT_EQ(combo->PreviewPanel()->Alignment(), taLeftJustify);
  delete edit;  // the combo box forgets it
  EXPECT_EQ(combo->PreviewEdit(), nullptr);
  combo->SetShowStyle(ssFontPreview);
  combo->SetItemIndex(1);
  combo->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_DROPDOWN), 0);
  EXPECT_TRUE(combo->PreviewShown());
  combo->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP), 0);
  EXPECT_FALSE(combo->PreviewShown());
}

// ---- history ----

class FramedHistory : public FramedCombos {
protected:
  TempProgramFolder folder;
  TRzRegIniFile store{nullptr};
  TRzMRUComboBox* History() {
    store.SetPath(folder.Path() + "history.ini");
    store.SetPathType(ptIniFile);
    auto* combo = Combo<TRzMRUComboBox>();
    combo->SetMruRegIniFile(&store);
    combo->MruSection = "History";
    combo->MruID = "Find";
    return combo;
  }
};

TEST_F(FramedHistory, EnterPutsTheTextOnTopAndSavesIt) {
  ShowForm();
  auto* combo = History();
  int enters = 0;
  combo->OnEnterKeyPressed = TNotifyEvent::Function([&](TObject*) { ++enters; });
  combo->SetText("first");
  combo->Perform(WM_CHAR, '\r', 0);
  EXPECT_EQ(store.ReadInteger("History", "Find_Count", -1), 1);
  EXPECT_EQ(store.ReadString("History", "Find_Item0", ""), "first");
  EXPECT_EQ(enters, 1);
  for (const char* s : {"b", "c", "d"}) combo->Items()->Add(s);
  combo->ForceText("c");
  ASSERT_EQ(combo->Text(), "c");
  combo->UpdateMRUList();
  EXPECT_EQ(combo->Items()->Strings(0), "c");
  EXPECT_EQ(combo->Items()->Count(), 4);
}

TEST_F(FramedHistory, SavingTrimsToMaxHistoryAndDeletesTheRest) {
  ShowForm();
  auto* combo = History();
  combo->MaxHistory = 5;
  for (const char* s : {"a", "b"}) combo->Items()->Add(s);
  store.WriteString("History", "Find_Item4", "stale");
  combo->SaveMRUData();
  EXPECT_EQ(store.ReadString("History", "Find_Item4", "gone"), "gone");
  combo->MaxHistory = 1;
  combo->SaveMRUData();
  EXPECT_EQ(store.ReadInteger("History", "Find_Count", -1), 1);
}

// A damaged store reads at most MaxHistory entries; a negative count reads none.
TEST_F(FramedHistory, ADamagedCountReadsAtMostMaxHistory) {
  ShowForm();
  struct Case {
    Integer count;
    int expected;
  } cases[] = {{2000000000, 3}, {-5, 0}, {2, 2}};
  for (const Case& c : cases) {
    auto* combo = History();
    combo->MaxHistory = 3;
    store.WriteInteger("History", "Find_Count", c.count);
    for (int i = 0; i < 4; ++i) store.WriteString("History", "Find_Item" + std::to_string(i), "v" + std::to_string(i));
    combo->LoadMRUData(true);
    EXPECT_EQ(combo->Items()->Count(), c.expected) << c.count;
    delete combo;
  }
}

TEST_F(FramedHistory, EscapeFiresItsEventAndTheRemoveEntryEmptiesTheText) {
  ShowForm();
  auto* combo = History();
  int escapes = 0;
  combo->OnEscapeKeyPressed = TNotifyEvent::Function([&](TObject*) { ++escapes; });
  combo->Perform(WM_CHAR, 27, 0);
  EXPECT_EQ(escapes, 1);
  combo->Items()->Add("keep");
  combo->SetText("absent");
  combo->MenuItem(9)->Click();
  EXPECT_EQ(combo->Text(), "");
  EXPECT_EQ(combo->Items()->Count(), 1);
  EXPECT_EQ(combo->MenuItem(9)->Caption(), "&Remove item from history list");
}

// ---- image ----

TEST_F(FramedCombos, ImageItemsSurviveANewWindowAndAreFreedOnce) {
  ShowForm();
  const int before = TRzImageComboBoxItem::Live();
  auto* combo = Combo<TRzImageComboBox>();
  std::vector<TRzImageComboBoxItem*> deleted;
  combo->OnDeleteItem =
      TRzDeleteImageComboBoxItemEvent::Function([&](TObject*, TRzImageComboBoxItem* item) { deleted.push_back(item); });
  combo->AddItem("Alpha", 0, 0);
  combo->AddItem("Beta", 1, 1);
  combo->AddItem("Gamma", 2, 2);
  combo->Font()->SetSize(16);  // a new window
  ASSERT_EQ(combo->Items()->Count(), 3);
  EXPECT_EQ(combo->GetImageComboBoxItem(1)->Caption(), "Beta");
  EXPECT_EQ(TRzImageComboBoxItem::Live(), before + 3);
  EXPECT_EQ(combo->IndexOf("gamma"), 2);
  combo->Delete(0);
  EXPECT_EQ(deleted.size(), 1u);
  EXPECT_EQ(TRzImageComboBoxItem::Live(), before + 2);
  combo->Items()->Clear();
  EXPECT_EQ(deleted.size(), 3u);
  EXPECT_EQ(TRzImageComboBoxItem::Live(), before);
  combo->AddItem("Kept", 0, 0);
  delete combo;
  EXPECT_EQ(TRzImageComboBoxItem::Live(), before);
}

TEST_F(FramedCombos, ItemHeightFollowsTheImagesAndTheFont) {
  ShowForm();
  auto* combo = Combo<TRzImageComboBox>();
  TImageList images(nullptr);
  images.SetSize(16, 40);
  combo->SetImages(&images);
  EXPECT_EQ(combo->ItemHeight2(), 40);
  images.SetSize(16, 10);  // the list tells the combo box
  EXPECT_LT(combo->ItemHeight2(), 40);
  combo->SetImages(nullptr);
}

}  // namespace
