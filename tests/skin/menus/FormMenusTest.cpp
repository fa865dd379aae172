// The form's menus: the system menu for each window state, the user system
// menu rebuilt, the tray menu, Alt+Space, the application hook and what is
// left behind when a form, its component or the skin goes while a menu is open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/harness/WindowPump.h"
#include "tests/skin/menus/MenuFixtures.h"

namespace {

std::vector<std::string> Names(TMenuItem* root) {
  std::vector<std::string> out;
  for (int i = 0; i < root->Count(); ++i)
    out.push_back(root->Items(i)->Caption() == "-" ? "-" : root->Items(i)->Name());
  return out;
}

class FormMenus : public ::testing::Test {
protected:
  void SetUp() override {
    form = NewForm<MenuForm>(nullptr);
    form->SetBounds(100, 100, 300, 200);
    host = new FakeFormComponent(form);
    form->Host = host;
    menus = host->Menus.get();
  }
  void TearDown() override {
    delete form;
    PumpMessages();
  }
  MenuForm* form;
  FakeFormComponent* host;
  TspFormMenus* menus;
};

TEST_F(FormMenus, DefaultSystemMenuPerState) {
  struct Case {
    const char* what;
    TspSystemMenuState state;
    std::vector<std::string> names;
  } cases[] = {
      {"normal", {true, true, true, true, wsNormal, false, false, false},
       {"DSF_MINITEM", "DSF_MAXITEM", "DSF_ROLLUP", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}},
      {"maximized", {true, true, true, true, wsMaximized, false, false, false},
       {"DSF_MINITEM", "DSF_RESTORE", "DSF_ROLLUP", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}},
      {"minimized", {true, true, true, false, wsMinimized, false, false, false},
       {"DSF_MAXITEM", "DSF_RESTORE", "-", "DSF_CLOSE"}},
      {"rolled up", {true, true, true, false, wsNormal, true, false, false},
       {"DSF_MINITEM", "DSF_MAXITEM", "DSF_RESTORE", "-", "DSF_CLOSE"}},
      {"maximized MDI child rolls not up", {true, true, true, false, wsMaximized, false, true, true},
       {"DSF_MINITEM", "DSF_RESTORE", "-", "DSF_CLOSE"}},
      {"no border icons", {false, false, false, false, wsNormal, false, false, false}, {"DSF_CLOSE"}},
  };
  for (const Case& c : cases) {
    TMenuItem* root = menus->GetSystemMenu(c.state);
    EXPECT_EQ(Names(root), c.names) << c.what;
    TMenuItem* close = root->Items(root->Count() - 1);
    EXPECT_EQ(ShortCutToText(close->ShortCut()), c.state.MDIChild ? "Ctrl+F4" : "Alt+F4") << c.what;
  }
}

TEST_F(FormMenus, CaptionsFromTheSkinStringsElseTheFallbacks) {
  TspSystemMenuState state;
  TMenuItem* root = menus->GetSystemMenu(state);
  EXPECT_EQ(root->Items(0)->Caption(), "Mi&nimize");
  EXPECT_EQ(root->Items(root->Count() - 1)->Caption(), "&Close");
  TspResourceStrData strings(nullptr);
  TStringList lines;
  lines.Add("MI_MINCAPTION=Verkleinern");
  lines.Add("MI_CLOSECAPTION=Schliessen");
  strings.SetResStrs(&lines);
  menus->Strings = &strings;
  root = menus->GetSystemMenu(state);
  EXPECT_EQ(root->Items(0)->Caption(), "Verkleinern");
  EXPECT_EQ(root->Items(root->Count() - 1)->Caption(), "Schliessen");
  menus->Strings = nullptr;
  // The tray menu was built before any skin: fallback texts.
  EXPECT_EQ(Names(menus->TrayPopupMenu()->Items()), (std::vector<std::string>{"TRAY_DSF_RESTORE", "-", "TRAY_DSF_CLOSE"}));
  EXPECT_EQ(menus->TrayPopupMenu()->Items()->Items(0)->Caption(), "&Restore");
}

TEST_F(FormMenus, UserSystemMenuRebuiltEndsWithOneClose) {
  TPopupMenu user(form);
  AddItem(user.Items(), "About...", "About1");
  menus->SetSystemMenu(&user);
  TspSystemMenuState state{true, true, true, true, wsMaximized, false, false, false};
  for (int i = 0; i < 3; ++i) menus->GetSystemMenu(state);
  EXPECT_EQ(Names(user.Items()),
            (std::vector<std::string>{"DSF_MINITEM", "DSF_RESTORE", "DSF_ROLLUP", "DSF_MINTOTRAY", "About1",
                                      "DSF_CLOSE"}));
  menus->UseDefaultSysMenu = false;
  menus->GetSystemMenu(state);
  EXPECT_EQ(user.Items()->Count(), 6);
}

TEST_F(FormMenus, ItemsCarryOutTheirCommands) {
  std::vector<TspSystemCommand> commands;
  menus->OnCommand = [&](TspSystemCommand c) { commands.push_back(c); };
  TMenuItem* root = menus->GetSystemMenu({true, true, false, false, wsMaximized, false, false, false});
  for (int i = 0; i < root->Count(); ++i) root->Items(i)->Click();
  menus->TrayPopupMenu()->Items()->Items(0)->Click();
  menus->TrayPopupMenu()->Items()->Items(2)->Click();
  EXPECT_EQ(commands, (std::vector<TspSystemCommand>{TspSystemCommand::Minimize, TspSystemCommand::Restore,
                                                     TspSystemCommand::Close, TspSystemCommand::TrayRestore,
                                                     TspSystemCommand::TrayClose}));
}

TEST_F(FormMenus, AltSpacePopsTheSystemMenuUnlessDisabled) {
  int popups = 0;
  menus->OnPopupSystemMenu = [&] {
    ++popups;
    menus->TrackSystemMenu({}, 150, 150);
  };
  auto altSpace = [&] {
    TMessage msg = MakeMessage(WM_SYSKEYDOWN, VK_SPACE, 1 << 29);
    bool handled = false;
    menus->FormShortCut(msg, handled);
    return handled;
  };
  EXPECT_TRUE(altSpace());
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(host->Engine->LevelCount(), 1);
  EXPECT_EQ(Names(menus->DefaultSystemMenu()->Items()).back(), "DSF_CLOSE");
  host->Engine->Hide();
  menus->DisableSystemMenu = true;
  EXPECT_TRUE(altSpace());  // still reported as handled
  EXPECT_EQ(popups, 1);
  menus->TrackSystemMenu({}, 150, 150);  // the caption's right click shows nothing either
  EXPECT_EQ(host->Engine->LevelCount(), 0);
  TMessage plain = MakeMessage(WM_KEYDOWN, VK_SPACE, 0);
  bool handled = false;
  menus->FormShortCut(plain, handled);
  EXPECT_FALSE(handled);
}

TEST_F(FormMenus, HookRoutesKeysAndSwallowsTheWheel) {
  TPopupMenu menu(nullptr);
  AddItem(menu.Items(), "One");
  AddItem(menu.Items(), "Two");
  int saved = 0;
  Application.OnMessage = TMessageEvent::Function([&](MSG&, bool&) { ++saved; });
  const TMessageEvent original = Application.OnMessage;
  menus->PopupSkinMenu(&menu, {150, 150});
  EXPECT_TRUE(menus->HookedApp());
  EXPECT_TRUE(menus->SkinMenuOpened);
  MSG key{nullptr, WM_KEYDOWN, VK_DOWN, 0, 0, {}};
  bool handled = false;
  Application.OnMessage(key, handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(key.message, 0u);
  EXPECT_EQ(host->Engine->TopLevel()->ActiveIndex, 1);
  MSG wheel{nullptr, WM_MOUSEWHEEL, 0, 0, 0, {}};
  handled = false;
  Application.OnMessage(wheel, handled);
  EXPECT_TRUE(handled);
  MSG other{nullptr, WM_CHAR, 'a', 0, 0, {}};
  handled = false;
  Application.OnMessage(other, handled);
  EXPECT_FALSE(handled);
  EXPECT_EQ(saved, 0);  // the saved handler is not called while hooked
  MSG escape{nullptr, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  Application.OnMessage(escape, handled);
  EXPECT_EQ(host->Engine->LevelCount(), 0);
  EXPECT_FALSE(menus->HookedApp());
  EXPECT_TRUE(Application.OnMessage == original);
  Application.OnMessage = nullptr;
}

TEST_F(FormMenus, TwoFormsHookedUnhookInAnyOrder) {
  MenuForm second(nullptr);
  auto* secondHost = new FakeFormComponent(&second);
  Application.OnMessage = nullptr;
  menus->HookApp();
  secondHost->Menus->HookApp();
  menus->UnHookApp();  // the first leaves the chain; the second's is still in force
  EXPECT_TRUE(Application.OnMessage == TMessageEvent(secondHost->Menus.get(), &TspFormMenus::NewAppMessage));
  secondHost->Menus->UnHookApp();
  EXPECT_FALSE(Application.OnMessage);  // not the first one's, which has gone
}

TEST_F(FormMenus, ClosingMessagesOfTheFormCloseTheMenu) {
  TPopupMenu menu(nullptr);
  AddItem(menu.Items(), "One");
  form->Show();
  for (UINT msg : {WM_MOVE, WM_SIZE, WM_ACTIVATE, WM_LBUTTONDOWN, WM_NCRBUTTONDOWN, WM_CANCELMODE}) {
    menus->PopupSkinMenu(&menu, {150, 150});
    ASSERT_EQ(host->Engine->LevelCount(), 1);
    ::SendMessageA(form->Handle(), msg, 0, 0);
    EXPECT_EQ(host->Engine->LevelCount(), 0) << msg;
    EXPECT_FALSE(menus->SkinMenuOpened) << msg;
    EXPECT_FALSE(menus->HookedApp()) << msg;
  }
  menus->PopupSkinMenu(&menu, {150, 150});
  ::SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, 0);
  EXPECT_EQ(host->Engine->LevelCount(), 1);
  EXPECT_FALSE(CanMenuClose(WM_KEYDOWN));
  EXPECT_TRUE(CanMenuClose(WM_PARENTNOTIFY));
}

TEST_F(FormMenus, FormDestroyedWithItsMenuOpen) {
  TPopupMenu menu(nullptr);
  AddItem(AddItem(menu.Items(), "Sub"), "Leaf");
  form->Show();
  menus->PopupSkinMenu(&menu, {150, 150});
  host->Engine->TopLevel()->Items[0]->MouseDown();
  ASSERT_EQ(host->Engine->LevelCount(), 2);
  ASSERT_TRUE(menus->HookedApp());
  delete form;
  form = nullptr;
  EXPECT_FALSE(Application.OnMessage);
  PumpMessages();
  form = NewForm<MenuForm>(nullptr);  // for TearDown
}

TEST_F(FormMenus, SkinSwitchedWhileAMenuIsOpen) {
  auto skin = std::make_unique<ZoneMenuSkin>();
  host->Skin = &skin->data;
  TPopupMenu menu(nullptr);
  AddItem(AddItem(menu.Items(), "Sub"), "Leaf");
  form->Show();
  menus->PopupSkinMenu(&menu, {150, 150});
  host->Engine->TopLevel()->Items[0]->MouseDown();
  ASSERT_NE(host->Engine->TopLevel()->WindowRecord, nullptr);
  // The container tells the form before it clears its records.
  ::SendMessageA(form->Handle(), SkinMsgBeforeChange, reinterpret_cast<WPARAM>(&skin->data), SkinMsgLParam);
  EXPECT_EQ(host->Engine->LevelCount(), 0);
  EXPECT_FALSE(menus->HookedApp());
  skin->data.ClearAll();
  PumpMessages();
  PumpMessages();
}

}  // namespace
