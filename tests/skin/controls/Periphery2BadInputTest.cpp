// Records an untrusted skin may hold for the second periphery ("memo",
// "checklistbox", "scrollbox", "tab"): missing pictures and empty rectangles;
// texts of letters or 30 digits, empty lists, indexes outside the lists and
// tiny sizes. Each control shows its default look or refuses by its own rule;
// nothing fails.
#include <gtest/gtest.h>

#include <functional>

#include "skin/controls/boxes/SkinScrollBox.h"
#include "skin/controls/calendars/SkinDateEdit.h"
#include "skin/controls/checklists/SkinCheckComboBox.h"
#include "skin/controls/edits2/SkinNumericEdit.h"
#include "skin/controls/edits2/SkinPasswordEdit.h"
#include "skin/controls/edits2/SkinTimeEdit.h"
#include "skin/controls/edits2/SkinTrackEdit.h"
#include "skin/controls/memos/SkinMemo.h"
#include "skin/controls/pickers/FontPickers.h"
#include "skin/controls/tabs/SkinTabControl.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

struct Hostile {
  const char* type;
  const char* lines;
};

const Hostile kRecords[] = {
    {"memo", "pictureindex=9;skinrect=0,0,40,40;clientrect=4,4,36,36"},
    {"memo", "skinrect=0,0,0,0;clientrect=0,0,0,0;activeskinrect=0,0,0,0"},
    {"checklistbox", "pictureindex=9;skinrect=0,0,40,40;itemrect=50,0,90,16;checkimagerect=0,50,10,60"},
    {"checklistbox", "skinrect=0,0,40,40;itemrect=0,0,0,0;itemcheckrect=0,0,0,0;checkimagerect=0,0,0,0"},
    {"scrollbox", "pictureindex=9;skinrect=0,0,40,40;clientrect=2,2,38,38"},
    {"scrollbox", "skinrect=0,0,0,0;clientrect=0,0,0,0;bgpictureindex=7"},
    {"tab", "pictureindex=9;skinrect=0,0,40,40;tabrect=50,0,90,20"},
    {"tab", "skinrect=0,0,0,0;clientrect=0,0,0,0;tabrect=0,0,0,0;activetabrect=0,0,0,0;bgpictureindex=7"},
};

void SetSkin(TControl* c, TspSkinData* data, const String& name) {
  if (auto* s = dynamic_cast<TspSkinControl*>(c)) s->SkinDataName = name, s->SetSkinData(data);
  if (auto* s = dynamic_cast<TspSkinMemo*>(c)) s->SkinDataName = name, s->SetSkinData(data);
  if (auto* s = dynamic_cast<TspSkinTabControl*>(c)) s->SkinDataName = name, s->SetSkinData(data);
}

template <class C>
std::function<TControl*(TForm*)> Maker(TRect r) {
  return [r](TForm* form) {
    auto* c = new C(form);
    c->SetParent(form);
    c->SetBoundsRect(r);
    return static_cast<TControl*>(c);
  };
}

}  // namespace

TEST(Periphery2BadInput, HostileRecordsAndTinyControlsDrawWithoutFailing) {
  TestSkin skin;
  std::vector<String> names;
  for (size_t i = 0; i < std::size(kRecords); ++i) {
    String name = "hostile" + std::to_string(i);
    skin.Add(kRecords[i].type, name, kRecords[i].lines);
    names.push_back(name);
  }
  skin.Finish();
  std::vector<std::function<TControl*(TForm*)>> makers;
  for (TRect r : {TRect{0, 0, 120, 80}, TRect{0, 0, 2, 2}, TRect{0, 0, 0, 0}}) {
    makers.push_back(Maker<TspSkinMemo>(r));
    makers.push_back(Maker<TspSkinCheckListBox>(r));
    makers.push_back(Maker<TspSkinScrollBox>(r));
    makers.push_back(Maker<TspSkinTabControl>(r));
  }
  FormFixture f;
  f.form->Show();
  int drawn = 0;
  for (auto& make : makers) {
    for (const String& name : names) {
      TControl* c = make(f.form);
      if (auto* tabs = dynamic_cast<TspSkinTabControl*>(c)) tabs->Tabs()->Add("Tab"), tabs->SetShowCloseButtons(true);
      if (auto* list = dynamic_cast<TspSkinCheckListBox*>(c)) list->Items()->Add("Item"), list->SetItemIndex(0);
      if (auto* memo = dynamic_cast<TspSkinMemo*>(c)) memo->SetText("abc\r\ndef");
      SetSkin(c, &skin.data, name);
      c->Repaint();
      Render(c);
      PumpMessages();
      ++drawn;
      delete c;
    }
  }
  EXPECT_EQ(drawn, static_cast<int>(makers.size() * names.size()));
}

// Texts of letters or of 30 digits, empty lists and indexes outside them:
// each control refuses by its own rule.
TEST(Periphery2BadInput, TextsEmptyListsAndIndexesAreRefusedByEachControlsRule) {
  FormFixture f;
  f.form->Show();
  const String digits30(30, '9');
  auto* numeric = f.Make<TspSkinNumericEdit>({0, 0, 120, 20});
  numeric->SetText("abc");
  EXPECT_EQ(numeric->Value(), 0);
  numeric->SetText(digits30);
  EXPECT_EQ(numeric->Value(), 2147483647.0);
  auto* track = f.Make<TspSkinTrackEdit>({0, 30, 120, 50});
  track->SetText(digits30);
  EXPECT_EQ(track->Value(), 100);
  auto* time = f.Make<TspSkinTimeEdit>({0, 60, 120, 80});
  time->SetTime("xx:yy:zz");
  EXPECT_EQ(time->Milliseconds(), 0);
  auto* date = f.Make<TspSkinDateEdit>({0, 90, 120, 110});
  EXPECT_FALSE(date->IsValidText(digits30));
  EXPECT_FALSE(date->IsValidText("ab/cd/efgh"));
  EXPECT_FALSE(date->IsValidText2("zz/zz/zzzz"));
  auto* password = f.Make<TspSkinPasswordEdit>({0, 120, 120, 140});
  password->DeleteFrom(50, 10, true);
  password->InsertAfter(-4, "x", true);
  EXPECT_EQ(password->Text(), "x");
  auto* combo = f.Make<TspSkinCheckComboBox>({0, 150, 120, 170});
  combo->DropDown();
  EXPECT_FALSE(combo->IsPopupVisible()) << "an empty list does not open";
  EXPECT_THROW(combo->SetChecked(3, true), Exception);
  auto* tabs = f.Make<TspSkinTabControl>({0, 180, 120, 260});
  tabs->DoClose();  // no tab: nothing
  tabs->SetTabIndex(-1);
  tabs->TestActive(500, 500);
  auto* sizes = f.Make<TspSkinFontSizeComboBox>({0, 270, 60, 290});
  sizes->SetFontName("");
  EXPECT_EQ(sizes->Items()->Count(), 0);
  EXPECT_EQ(sizes->GetSizeValue(), 0);
  auto* box = f.Make<TspSkinScrollBox>({130, 0, 131, 1});
  box->VScroll(100);
  box->UpdateScrollRange();
}
