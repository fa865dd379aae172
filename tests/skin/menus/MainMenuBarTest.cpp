// The main menu bar: items merged with a child menu by GroupIndex (replaced
// groups, a stable order), items that do not fit hidden and disabled with the
// marker menu starting at the first of them, an open drop-down handed over to the
// item the pointer enters (also between items of one name), the keyboard entry
// points, and the default look captured.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinFormMenuHost.h"
#include "skin/menus/SkinMainMenuBar.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupWindow.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

TMenuItem* AddItem(TMenuItem* parent, TComponent* owner, const String& caption, int group = 0,
                   const String& name = String()) {
  auto* item = new TMenuItem(owner);
  if (!name.empty()) item->SetName(name);
  item->SetCaption(caption);
  item->SetGroupIndex(group);
  parent->Add(item);
  return item;
}

class MainMenuBar : public ::testing::Test {
protected:
  void SetUp() override {
    savedSeams = FormMenuSeams();
    savedLookup = SkinMenuHostLookup();
    restoreControlHooks = ControlMenuHooksRestorer();
    UseSkinMenus();
    form = NewForm<TForm>(nullptr);
    form->SetBounds(100, 100, 400, 200);
    frame = new TspDynamicSkinForm(form);
    menu = new TMainMenu(form);
    file = AddItem(menu->Items(), form, "&File", 0, "FileItem");
    AddItem(file, form, "&Open");
    edit = AddItem(menu->Items(), form, "&Edit", 1, "EditItem");
    AddItem(edit, form, "&Copy");
    view = AddItem(menu->Items(), form, "&View", 2, "ViewItem");
    view->OnClick = TNotifyEvent::Function([this](TObject*) { ++viewClicks; });
    help = AddItem(menu->Items(), form, "&Help", 9, "HelpItem");
    AddItem(help, form, "&About");
    bar = new TspSkinMainMenuBar(form);
    bar->SetParent(form);
    bar->SetDynamicSkinForm(frame);
    bar->SetMainMenu(menu);
    form->Show();
    PumpMessages();
  }
  void TearDown() override {
    FormMenuHost()->SkinMenu()->Hide();
    delete form;
    PumpMessages();
    Application.OnMessage = nullptr;
    FormMenuSeams() = savedSeams;
    SkinMenuHostLookup() = savedLookup;
    restoreControlHooks();
  }
  TspFormMenuHost* FormMenuHost() { return FormMenuHostOf(frame); }
  TspSkinMainMenuBarItem* Item(size_t i) { return dynamic_cast<TspSkinMainMenuBarItem*>(bar->Objects().at(i).get()); }
  std::vector<String> Captions() {
    std::vector<String> out;
    for (auto& o : bar->Objects())
      if (auto* item = dynamic_cast<TspSkinMainMenuBarItem*>(o.get())) out.push_back(item->MenuItem->Caption());
    return out;
  }
  // The first row of the open drop-down.
  TMenuItem* DropDownFirst() {
    TspSkinMenu* engine = FormMenuHost()->SkinMenu();
    if (engine->LevelCount() == 0 || engine->Level(0)->ItemCount() == 0) return nullptr;
    return engine->Level(0)->Items[0]->SourceItem;
  }

  TspFormMenuSeams savedSeams;
  TspSkinMenuHostLookup savedLookup;
  std::function<void()> restoreControlHooks;
  TForm* form = nullptr;
  TspDynamicSkinForm* frame = nullptr;
  TMainMenu* menu = nullptr;
  TMenuItem *file = nullptr, *edit = nullptr, *view = nullptr, *help = nullptr;
  TspSkinMainMenuBar* bar = nullptr;
  int viewClicks = 0;
};

}  // namespace

TEST_F(MainMenuBar, AMergedChildMenuReplacesItsGroupsInAStableOrder) {
  EXPECT_EQ(Captions(), (std::vector<String>{"&File", "&Edit", "&View", "&Help"}));
  TMainMenu child(nullptr);
  AddItem(child.Items(), &child, "Child &Edit", 1);
  std::vector<String> expected{"&File", "Child &Edit"};
  // Many items of one group: an unstable sort would shuffle them.
  for (int i = 0; i < 24; ++i) {
    const String caption = "Tool " + std::to_string(i);
    AddItem(child.Items(), &child, caption, 3);
  }
  AddItem(child.Items(), &child, "Hidden", 3)->SetVisible(false);
  expected.push_back("&View");
  for (int i = 0; i < 24; ++i) expected.push_back("Tool " + std::to_string(i));
  expected.push_back("&Help");
  bar->Merge(&child);
  EXPECT_EQ(Captions(), expected);
  EXPECT_TRUE(bar->ChildMenuShown);
  EXPECT_FALSE(bar->ScrollMenu) << "a merged menu turns the marker off";
  bar->UnMerge();
  EXPECT_EQ(Captions(), (std::vector<String>{"&File", "&Edit", "&View", "&Help"}));
}

TEST_F(MainMenuBar, ItemsThatDoNotFitAreHiddenAndTheMarkerMenuStartsAtTheFirstOfThem) {
  help->SetEnabled(false);
  bar->UpDateItems();
  bar->SetAlign(alNone);
  bar->SetWidth(110);
  bar->Repaint();
  ASSERT_TRUE(bar->ItemsHidden);
  size_t shown = 0;
  while (shown < 4 && Item(shown)->InBar) ++shown;
  ASSERT_GT(shown, 0u);
  ASSERT_LT(shown, 4u);
  for (size_t i = shown; i < 4; ++i) {
    EXPECT_FALSE(Item(i)->InBar) << i;
    EXPECT_FALSE(Item(i)->Enabled) << "hidden items are disabled";
  }
  const TRect marker = bar->GetMarkerRect();
  PostMouse(bar, WM_LBUTTONDOWN, marker.Left + 2, marker.Top + 2, MK_LBUTTON);
  PostMouse(bar, WM_LBUTTONUP, marker.Left + 2, marker.Top + 2);
  PumpMessages();
  EXPECT_EQ(DropDownFirst(), menu->Items()->Items(int(shown))) << "the drop-down starts at the first hidden item";
  FormMenuHost()->SkinMenu()->Hide();

  bar->SetWidth(400);
  bar->Repaint();
  EXPECT_FALSE(bar->ItemsHidden);
  for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(Item(i)->Enabled && Item(i)->InBar) << i;
  EXPECT_FALSE(Item(3)->Enabled) << "an item gets back what it had before it was hidden";
}

TEST_F(MainMenuBar, AnOpenDropDownFollowsThePointerEvenBetweenItemsOfOneName) {
  TMainMenu plain(nullptr);
  TMenuItem* a = AddItem(plain.Items(), &plain, "&Alpha");
  AddItem(a, &plain, "A1");
  TMenuItem* b = AddItem(plain.Items(), &plain, "&Beta");
  AddItem(b, &plain, "B1");
  bar->SetMainMenu(&plain);
  bar->Repaint();
  ASSERT_EQ(Item(0)->IDName, Item(1)->IDName) << "both unnamed";
  Item(0)->MouseEnter();
  Item(0)->MouseDown(0, 0, mbLeft);
  EXPECT_TRUE(Item(0)->Down);
  EXPECT_EQ(DropDownFirst(), a->Items(0));
  Item(1)->MouseEnter();
  EXPECT_FALSE(Item(0)->Down);
  EXPECT_TRUE(Item(1)->Down);
  EXPECT_EQ(DropDownFirst(), b->Items(0));
  FormMenuHost()->SkinMenu()->Hide();
  bar->SetMainMenu(menu);
}

TEST_F(MainMenuBar, KeyboardEntryPoints) {
  bar->MenuEnter();
  EXPECT_TRUE(bar->MenuMode);
  EXPECT_TRUE(Item(0)->Active);
  bar->NextMainMenuItem();
  EXPECT_FALSE(Item(0)->Active);
  EXPECT_TRUE(Item(1)->Active);
  bar->PriorMainMenuItem();
  bar->PriorMainMenuItem();
  EXPECT_TRUE(Item(3)->Active) << "wraps to the last";
  bar->NextMainMenuItem();
  EXPECT_TRUE(Item(0)->Active) << "wraps to the first";

  EXPECT_TRUE(bar->FindHotKeyItem('E'));
  EXPECT_TRUE(Item(1)->Down) << "an accelerator opens its drop-down";
  EXPECT_EQ(DropDownFirst(), edit->Items(0));
  EXPECT_FALSE(bar->FindHotKeyItem('Q'));
  bar->MenuClose();
  EXPECT_FALSE(Item(1)->Down);
  EXPECT_TRUE(Item(1)->Active);
  FormMenuHost()->SkinMenu()->Hide();

  bar->MenuExit();
  EXPECT_FALSE(bar->MenuMode);
  EXPECT_FALSE(Item(1)->Active);
  Item(2)->MouseEnter();  // View has no drop-down
  EXPECT_TRUE(bar->CheckReturnKey());
  EXPECT_EQ(viewClicks, 1);
  bar->MenuExit();
  EXPECT_FALSE(bar->CheckReturnKey()) << "nothing hot, nothing pressed";
}

TEST_F(MainMenuBar, TheDefaultLookIsCaptured) {
  bar->SetWidth(400);
  Item(1)->MouseEnter();
  bar->Repaint();
  PumpMessages();
  CapturedPixels shot = CaptureWindow(bar->Handle());
  shot.SaveBmp("menubar_default.bmp");
  // The hot item's face, and the plain face beside the items.
  EXPECT_EQ(bar->Canvas()->Pixels(Item(1)->ObjectRect.Left + 3, Item(1)->ObjectRect.Top + 3), TColor(0xD2BDB6));
  EXPECT_EQ(bar->Canvas()->Pixels(390, 10), TColor(::GetSysColor(COLOR_BTNFACE)));
}

TEST_F(MainMenuBar, TheVarnelLookIsCaptured) {
  TspSkinData skin(nullptr);
  ASSERT_TRUE(skin.LoadFromFile(VarnelSkinIni()));
  bar->SetSkinData(&skin);
  bar->ChangeSkinData();
  ASSERT_TRUE(bar->UsesSkin());
  ASSERT_NE(bar->ItemRecord(), nullptr);
  EXPECT_EQ(bar->Height(), 24) << "the record's strip height";
  Item(1)->MouseEnter();
  bar->Repaint();
  PumpMessages();
  CaptureWindow(bar->Handle()).SaveBmp("menubar_varnel.bmp");
  const TRect hot = Item(1)->ObjectRect;
  EXPECT_EQ(bar->Canvas()->Pixels(hot.Left + 2, hot.Top + hot.Height() / 2), TColor(0xEBE7E5)) << "the hover face";
  const TRect plain = Item(0)->ObjectRect;
  EXPECT_EQ(bar->Canvas()->Pixels(plain.Left + 1, plain.Top + 1), TColor(0xF6F4F3)) << "the bar's background";
  bar->SetSkinData(nullptr);
}

TEST_F(MainMenuBar, AMenuWithoutItemsAndAZeroSizeBarAreNoOps) {
  TMainMenu empty(nullptr);
  bar->SetMainMenu(&empty);
  EXPECT_TRUE(bar->Objects().empty());
  bar->MenuEnter();
  bar->NextMainMenuItem();
  bar->PriorMainMenuItem();
  bar->MenuClose();
  bar->MenuExit();
  EXPECT_FALSE(bar->CheckReturnKey());
  EXPECT_FALSE(bar->FindHotKeyItem('F'));
  bar->SetMainMenu(menu);
  bar->SetAlign(alNone);
  bar->SetBounds(0, 0, 0, 0);
  bar->Repaint();
  bar->TestActive(5, 5);
  EXPECT_EQ(bar->HotIndex, -1);
  bar->SetMainMenu(nullptr);
  EXPECT_TRUE(bar->Objects().empty());
}

TEST_F(MainMenuBar, TheFormsMenuKeyEntersTheBarAndTheKeysWalkIt) {
  frame->SetMainMenuBar(bar);
  form->Perform(WM_SYSCOMMAND, SC_KEYMENU, 0);
  EXPECT_TRUE(bar->MenuMode);
  EXPECT_TRUE(Item(0)->Active);
  PostKey(form->Handle(), VK_RIGHT);
  PumpMessages();
  EXPECT_TRUE(Item(1)->Active);
  PostKey(form->Handle(), VK_RETURN);
  PumpMessages();
  EXPECT_TRUE(Item(1)->Down);
  EXPECT_EQ(DropDownFirst(), edit->Items(0));
  PostKey(form->Handle(), VK_ESCAPE);
  PumpMessages();
  EXPECT_FALSE(FormMenuHost()->SkinMenu()->Visible());
  EXPECT_FALSE(Item(1)->Down);
  EXPECT_TRUE(Item(1)->Active) << "the first Escape closes only the drop-down";
  PostKey(form->Handle(), VK_ESCAPE);
  PumpMessages();
  EXPECT_FALSE(bar->MenuMode);
  EXPECT_FALSE(Item(1)->Active);
  EXPECT_FALSE(FormMenuHost()->Menus()->HookedApp()) << "the application's messages are given back";
}
