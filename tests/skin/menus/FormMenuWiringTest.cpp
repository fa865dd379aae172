// The skinned menus joined to the skinned frame: a real skinned form (VARNEL)
// shows its system menu skinned for each window state, from the caption's right
// click, the system-menu button and Alt+Space; a chosen item acts on the form;
// a skin switch or the form going while its menu is open leaves no menu, no
// hook and nothing that crashes the pump. The system menu is captured
// (menu-captures/ in the working folder).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/FileUtils.h"
#include "skin/draw/SkinRects.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinFormMenuHost.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupWindow.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

std::vector<std::string> Names(TMenuItem* root) {
  std::vector<std::string> out;
  for (int i = 0; i < root->Count(); ++i)
    out.push_back(root->Items(i)->Caption() == "-" ? "-" : root->Items(i)->Name());
  return out;
}

// Stands for whatever handler the program had installed before a menu opened.
struct AppHandler {
  void OnMessage(MSG&, bool&) {}
};

String CaptureFolder() {
  char current[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, current);
  const String folder = String(current) + "\\menu-captures\\";
  ForceDirectories(folder);
  return folder;
}

}  // namespace

class FormMenuWiring : public ::testing::Test {
protected:
  void SetUp() override {
    savedSeams = FormMenuSeams();
    savedLookup = SkinMenuHostLookup();
    restoreControlHooks = ControlMenuHooksRestorer();
    UseSkinMenus();
    Application.OnMessage = TMessageEvent(&program, &AppHandler::OnMessage);
    ASSERT_TRUE(skin.LoadFromFile(VarnelSkinIni()));
    form = NewForm<TForm>(nullptr);
    form->SetBounds(120, 100, 420, 300);
    form->SetCaption("Varnel Revo - system menu");
    frame = new TspDynamicSkinForm(form);
    frame->SetSkinData(&skin);
    frame->SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp | biMinimizeToTray);
    form->Show();
    ::SetForegroundWindow(form->Handle());
    PumpUntil([this] { return frame->FormActive(); }, 2000);
    host = FormMenuHostOf(frame);
    ASSERT_NE(host, nullptr);
  }
  void TearDown() override {
    delete form;
    PumpMessages();
    EXPECT_TRUE(Application.OnMessage == TMessageEvent(&program, &AppHandler::OnMessage));
    Application.OnMessage = nullptr;
    FormMenuSeams() = savedSeams;
    SkinMenuHostLookup() = savedLookup;
    restoreControlHooks();
  }
  TspSkinMenu* Engine() { return host->SkinMenu(); }
  bool Hooked() { return !(Application.OnMessage == TMessageEvent(&program, &AppHandler::OnMessage)); }
  TRect ButtonRect(TStdCommand command) {
    for (auto& o : frame->Objects())
      if (auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get()); b && b->Command == command) return b->ObjectRect;
    return {};
  }
  bool AltSpace() {
    TMessage msg = MakeMessage(WM_SYSKEYDOWN, VK_SPACE, 1 << 29);
    return form->IsShortCut(msg);
  }

  TspFormMenuSeams savedSeams;
  TspSkinMenuHostLookup savedLookup;
  std::function<void()> restoreControlHooks;
  AppHandler program;
  TspSkinData skin{nullptr};
  TForm* form = nullptr;
  TspDynamicSkinForm* frame = nullptr;
  TspFormMenuHost* host = nullptr;
};

TEST_F(FormMenuWiring, SystemMenuFollowsTheWindowState) {
  struct Case {
    const char* what;
    std::function<void()> enter;
    std::vector<std::string> names;
  } cases[] = {
      {"normal", [] {}, {"DSF_MINITEM", "DSF_MAXITEM", "DSF_ROLLUP", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}},
      {"maximized", [&] { frame->SetWindowState(wsMaximized); },
       {"DSF_MINITEM", "DSF_RESTORE", "DSF_ROLLUP", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}},
      {"rolled up", [&] {
         frame->SetWindowState(wsNormal);
         frame->SetRollUpState(true);
       },
       {"DSF_MINITEM", "DSF_MAXITEM", "DSF_RESTORE", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}},
      {"minimized", [&] {
         frame->SetRollUpState(false);
         frame->SetWindowState(wsMinimized);
       },
       {"DSF_MAXITEM", "DSF_RESTORE", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}},
  };
  for (const Case& c : cases) {
    c.enter();
    PumpMessages();
    EXPECT_EQ(Names(frame->GetSystemMenu()), c.names) << c.what;
  }
  frame->SetWindowState(wsNormal);
  // Without the minimize and roll-up icons those items go.
  frame->SetBorderIcons(biSystemMenu | biMaximize);
  EXPECT_EQ(Names(frame->GetSystemMenu()), (std::vector<std::string>{"DSF_MAXITEM", "-", "DSF_CLOSE"}));
}

TEST_F(FormMenuWiring, UserSystemMenuKeepsOneCloseOverRebuilds) {
  TPopupMenu user(form);
  auto* about = new TMenuItem(user.Items());
  about->SetName("About1");
  about->SetCaption("About...");
  user.Items()->Add(about);
  host->Menus()->SetSystemMenu(&user);
  for (int i = 0; i < 4; ++i) frame->GetSystemMenu();
  EXPECT_EQ(Names(user.Items()),
            (std::vector<std::string>{"DSF_MINITEM", "DSF_MAXITEM", "DSF_ROLLUP", "DSF_MINTOTRAY", "About1",
                                      "DSF_CLOSE"}));
  host->Menus()->SetSystemMenu(nullptr);
}

TEST_F(FormMenuWiring, CaptionRightClickOpensTheSkinnedSystemMenu) {
  const TPoint p{form->Left() + 60, form->Top() + 10};
  frame->CursorPos = [p] { return p; };
  // The platform's default handling of the press waits for the release.
  ::PostMessageA(form->Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(p.X, p.Y));
  ::PostMessageA(form->Handle(), WM_RBUTTONUP, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return Engine()->Visible(); }));
  ASSERT_EQ(Engine()->LevelCount(), 1);
  TspSkinPopupWindow* level = Engine()->TopLevel();
  EXPECT_EQ(level->ItemCount(), 6);
  EXPECT_EQ(Engine()->CurrentSkinData(), &skin);
  TRect r;
  ::GetWindowRect(level->Handle(), reinterpret_cast<RECT*>(&r));
  EXPECT_EQ(r.Left, p.X);
  EXPECT_EQ(r.Top, p.Y);
  EXPECT_TRUE(host->Menus()->SkinMenuOpened);
  EXPECT_TRUE(Hooked());
  EXPECT_EQ(::GetForegroundWindow(), form->Handle());  // the menu takes no activation
  // The accelerator of Maximize chooses it: the form maximizes, the menu and hook go.
  PostKey(form->Handle(), 'X');
  ASSERT_TRUE(PumpUntil([&] { return frame->WindowState() == wsMaximized; }));
  PumpMessages();
  EXPECT_FALSE(Engine()->Visible());
  EXPECT_FALSE(host->Menus()->SkinMenuOpened);
  EXPECT_FALSE(Hooked());
}

TEST_F(FormMenuWiring, DisabledSystemMenuOpensFromNothing) {
  frame->DisableSystemMenu = true;
  frame->CursorPos = [this] { return TPoint{form->Left() + 60, form->Top() + 10}; };
  ::PostMessageA(form->Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(form->Left() + 60, form->Top() + 10));
  ::PostMessageA(form->Handle(), WM_RBUTTONUP, 0, 0);
  EXPECT_TRUE(AltSpace());  // still reported as handled
  PumpMessages();
  EXPECT_FALSE(Engine()->Visible());
  EXPECT_FALSE(Hooked());
}

TEST_F(FormMenuWiring, AltSpaceOpensTheMenuUnderTheSystemMenuButton) {
  const TRect button = ButtonRect(cmSysMenu);
  ASSERT_FALSE(IsNullRect(button)) << "VARNEL has a system-menu button";
  EXPECT_TRUE(AltSpace());
  ASSERT_TRUE(Engine()->Visible());
  TRect r;
  ::GetWindowRect(Engine()->TopLevel()->Handle(), reinterpret_cast<RECT*>(&r));
  EXPECT_EQ(r.Left, form->Left() + button.Left);
  EXPECT_EQ(r.Top, form->Top() + button.Bottom);
  PumpMessages();
  CapturedPixels frameShot = CaptureWindow(form->Handle());
  frameShot.SaveBmp(CaptureFolder() + "system-menu-form.bmp");
  CapturedPixels menuShot = CaptureWindow(Engine()->TopLevel()->Handle());
  menuShot.SaveBmp(CaptureFolder() + "system-menu-level.bmp");
  CaptureWindow(::GetDesktopWindow()).SaveBmp(CaptureFolder() + "system-menu-screen.bmp");
  // Escape closes it and gives the application its handler back.
  PostKey(form->Handle(), VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !Engine()->Visible() && !Hooked(); }));
  EXPECT_FALSE(host->Menus()->SkinMenuOpened);
}

TEST_F(FormMenuWiring, SystemMenuButtonPressOpensTheMenu) {
  const TRect button = ButtonRect(cmSysMenu);
  ASSERT_FALSE(IsNullRect(button));
  const TPoint p{form->Left() + (button.Left + button.Right) / 2, form->Top() + (button.Top + button.Bottom) / 2};
  ::SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
  ::PostMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(p.X, p.Y));
  ASSERT_TRUE(PumpUntil([&] { return Engine()->Visible(); }));
  EXPECT_EQ(Engine()->TopLevel()->ItemCount(), 6);
  // A press on the form closes it.
  ::SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
  ::SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
  PumpMessages();
  EXPECT_FALSE(Engine()->Visible());
  EXPECT_FALSE(Hooked());
}

TEST_F(FormMenuWiring, SkinSwitchWhileOpenClosesTheMenu) {
  EXPECT_TRUE(AltSpace());
  ASSERT_TRUE(Engine()->Visible());
  ASSERT_TRUE(skin.LoadFromFile(StressSkinIni()));
  EXPECT_FALSE(Engine()->Visible());
  EXPECT_EQ(Engine()->LevelCount(), 0);
  EXPECT_FALSE(Hooked());
  PumpMessages();
  skin.ClearSkin();
  PumpMessages();
  // The menu opens again with the default look.
  EXPECT_TRUE(AltSpace());
  PumpMessages();
  EXPECT_TRUE(Engine()->Visible());
}

TEST_F(FormMenuWiring, FormDestroyedWhileItsMenuIsOpen) {
  EXPECT_TRUE(AltSpace());
  ASSERT_TRUE(Engine()->Visible());
  ASSERT_TRUE(Hooked());
  delete form;
  form = nullptr;
  EXPECT_EQ(FormMenuHostOf(frame), nullptr);
  EXPECT_FALSE(Hooked());
  // Keys and wheel go through the restored handler and crash nothing.
  ::PostThreadMessageA(::GetCurrentThreadId(), WM_KEYDOWN, VK_ESCAPE, 0);
  ::PostThreadMessageA(::GetCurrentThreadId(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  PumpMessages();
}
