// The skinned popup menu: the lookup of the form's skinning component, the
// skin taken once, OnMenuClose, a second popup over the first, reading it from
// a form definition, and a skinned form driven through its menu by posted keys
// and pointer moves while it keeps activation and focus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/Application.h"
#include "platform/published/ControlsPublished.h"
#include "platform/published/FormDefinition.h"
#include "platform/published/Published.h"
#include "platform/core/Math.h"
#include "platform/published/StdCtrlsPublished.h"
#include "platform/stdctrls/Edit.h"
#include "skin/menus/MenusPublished.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/data/SkinFixtures.h"
#include "tests/skin/menus/MenuFixtures.h"

namespace {

class Lookup : public ::testing::Test {
protected:
  void SetUp() override {
    form = NewForm<MenuForm>(nullptr);
    form->SetBounds(100, 100, 300, 200);
    host = new FakeFormComponent(form, &skin.data);
    form->Host = host;
  }
  void TearDown() override {
    delete form;
    PumpMessages();
  }
  ZoneMenuSkin skin;
  MenuForm* form;
  FakeFormComponent* host;
};

TEST_F(Lookup, OrderHostFormOwnerAndOwnersOwner) {
  MenuForm other(nullptr);
  auto* otherHost = new FakeFormComponent(&other);
  TFrame frame(form);  // a frame on the form owns the second menu
  TspSkinPopupMenu onForm(form), onFrame(&frame), loose(nullptr), hosted(form);
  hosted.SetHostForm(&other);
  EXPECT_EQ(onForm.FindHost(), host);
  EXPECT_EQ(onFrame.FindHost(), host);
  EXPECT_EQ(loose.FindHost(), nullptr);
  EXPECT_EQ(hosted.FindHost(), otherHost);
}

TEST_F(Lookup, ReplacedLookupIsUsed) {
  FakeFormComponent elsewhere(nullptr);
  auto saved = SkinMenuHostLookup();
  SkinMenuHostLookup() = [&](TComponent*) -> TspSkinMenuHost* { return &elsewhere; };
  TspSkinPopupMenu menu(form);
  EXPECT_EQ(menu.FindHost(), &elsewhere);
  SkinMenuHostLookup() = saved;
}

TEST_F(Lookup, SkinTakenOnceAndMenuShownByTheHost) {
  TspSkinPopupMenu menu(form);
  AddItem(menu.Items(), "One");
  int popups = 0;
  menu.OnPopup = TNotifyEvent::Function([&](TObject* sender) {
    EXPECT_EQ(sender, &menu);
    ++popups;
  });
  menu.Popup(150, 160);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(menu.SkinData(), &skin.data);
  EXPECT_EQ(menu.LastPopupPoint, (TPoint{150, 160}));
  ASSERT_EQ(host->Engine->LevelCount(), 1);
  EXPECT_NE(host->Engine->TopLevel()->WindowRecord, nullptr);
  EXPECT_EQ(host->Opens, 1);
  EXPECT_TRUE(host->Menus->HookedApp());
  // The host's skin changes; the menu keeps the one it took.
  ZoneMenuSkin second;
  host->Skin = &second.data;
  menu.PopupFromRect({10, 20, 40, 30}, true);
  EXPECT_EQ(menu.SkinData(), &skin.data);
  EXPECT_EQ(menu.LastPopupPoint, (TPoint{10, 20}));
  EXPECT_EQ(host->Closes, 1);  // the open menu was closed first
}

TEST_F(Lookup, Popup2NeedsASkinTheOthersShowTheDefaultLook) {
  host->Skin = nullptr;
  TspSkinPopupMenu menu(form);
  AddItem(menu.Items(), "One");
  TEdit edit(form);
  menu.Popup2(&edit, 10, 10);
  EXPECT_EQ(host->Engine->LevelCount(), 0);
  menu.PopupFromRect2(&edit, {10, 10, 30, 20}, false);
  ASSERT_EQ(host->Engine->LevelCount(), 1);
  EXPECT_EQ(host->Engine->TopLevel()->WindowRecord, nullptr);
  EXPECT_EQ(host->Engine->Opener, &edit);
}

TEST_F(Lookup, WithoutAHostNothingIsShownButOnPopupFires) {
  TspSkinPopupMenu menu(nullptr);
  AddItem(menu.Items(), "One");
  int popups = 0;
  menu.OnPopup = TNotifyEvent::Function([&](TObject*) { ++popups; });
  menu.Popup(10, 10);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(host->Engine->LevelCount(), 0);
}

TEST_F(Lookup, SecondPopupClosesTheFirstWhoseOnMenuCloseFires) {
  std::vector<std::string> log;
  TspSkinPopupMenu first(form), second(form);
  AddItem(first.Items(), "First");
  AddItem(second.Items(), "Second");
  first.OnMenuClose = TNotifyEvent::Function([&](TObject*) { log.push_back("first closed"); });
  second.OnMenuClose = TNotifyEvent::Function([&](TObject*) { log.push_back("second closed"); });
  first.Popup(10, 10);
  second.Popup(20, 20);
  EXPECT_EQ(log, (std::vector<std::string>{"first closed"}));
  ASSERT_EQ(host->Engine->LevelCount(), 1);
  EXPECT_EQ(host->Engine->TopLevel()->Items[0]->SourceItem->Caption(), "Second");
  host->Engine->Hide();
  EXPECT_EQ(log, (std::vector<std::string>{"first closed", "second closed"}));
}

TEST_F(Lookup, OnMenuCloseAssignedAfterThePopupIsNotUsedForIt) {
  int closes = 0;
  TspSkinPopupMenu menu(form);
  AddItem(menu.Items(), "One");
  menu.Popup(10, 10);
  menu.OnMenuClose = TNotifyEvent::Function([&](TObject*) { ++closes; });
  host->Engine->Hide();
  EXPECT_EQ(closes, 0);
}

TEST_F(Lookup, AutoPopupOfAControlIsSkinned) {
  TspSkinPopupMenu menu(form);
  AddItem(menu.Items(), "One");
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetPopupMenu(&menu);
  form->Show();
  PostMouse(edit, WM_RBUTTONDOWN, 5, 5, MK_RBUTTON);
  PostMouse(edit, WM_RBUTTONUP, 5, 5);
  ::PostMessageA(edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), MAKELPARAM(120, 120));
  EXPECT_TRUE(PumpUntil([&] { return host->Engine->LevelCount() == 1; }));
}

TEST(SkinPopupMenuDefinition, ReadFromAFormDefinition) {
  PublishControlClasses();
  PublishStdControlClasses();
  PublishSkinMenuClasses();
  String text =
      "object Form: TForm\r\n"
      "  object Skin: TspSkinData\r\n"
      "  end\r\n"
      "  object ConvertMenu: TspSkinPopupMenu\r\n"
      "    SkinData = Skin\r\n"
      "    OnMenuClose = ConvertMenuClose\r\n"
      "    object ToMP31: TMenuItem\r\n"
      "      Caption = 'DVD Audio To MP3'\r\n"
      "      ShortCut = 'Ctrl+M'\r\n"
      "    end\r\n"
      "    object N1: TMenuItem\r\n"
      "      Caption = '-'\r\n"
      "    end\r\n"
      "  end\r\n"
      "end\r\n";
  TForm form(nullptr);
  int closes = 0;
  struct Handlers {
    int* closes;
    void ConvertMenuClose(TObject*) { ++*closes; }
  } handlers{&closes};
  TFormBindings bindings;
  bindings.Handler("ConvertMenuClose", &handlers, &Handlers::ConvertMenuClose);
  ReadComponentText(&form, text, bindings);
  auto* menu = dynamic_cast<TspSkinPopupMenu*>(form.FindComponent("ConvertMenu"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->SkinData(), form.FindComponent("Skin"));
  ASSERT_EQ(menu->Items()->Count(), 2);
  EXPECT_EQ(menu->Items()->Items(0)->Caption(), "DVD Audio To MP3");
  menu->OnMenuClose(menu);
  EXPECT_EQ(closes, 1);
  String written = WriteComponentText(&form, bindings);
  EXPECT_NE(written.find("TspSkinPopupMenu"), String::npos);
  EXPECT_NE(written.find("OnMenuClose = ConvertMenuClose"), String::npos);
}

// A skinned form read from its definition pops its menu up and is driven
// through it by posted keys and pointer moves; it stays active and focused.
TEST(SkinPopupMenuOnScreen, DrivenByKeysAndPointerKeepingActivationAndFocus) {
  PublishControlClasses();
  PublishStdControlClasses();
  PublishSkinMenuClasses();
  String text =
      "object Form: MenuForm\r\n"
      "  Left = 120\r\n"
      "  Top = 120\r\n"
      "  Width = 360\r\n"
      "  Height = 240\r\n"
      "  Caption = 'Varnel Revo'\r\n"
      "  object NameEdit: TEdit\r\n"
      "    Left = 10\r\n"
      "    Top = 10\r\n"
      "    Width = 200\r\n"
      "    Height = 22\r\n"
      "    TabOrder = 0\r\n"
      "  end\r\n"
      "  object Skin: TspSkinData\r\n"
      "  end\r\n"
      "  object MoreMenu: TspSkinPopupMenu\r\n"
      "    SkinData = Skin\r\n"
      "    object ToMP31: TMenuItem\r\n"
      "      Caption = 'DVD Audio To &MP3'\r\n"
      "    end\r\n"
      "    object ToWMA1: TMenuItem\r\n"
      "      Caption = 'DVD Audio To &WMA'\r\n"
      "    end\r\n"
      "    object N1: TMenuItem\r\n"
      "      Caption = '-'\r\n"
      "    end\r\n"
      "    object More1: TMenuItem\r\n"
      "      Caption = 'M&ore'\r\n"
      "      object ToOGG1: TMenuItem\r\n"
      "        Caption = 'DVD Audio To &OGG'\r\n"
      "        Checked = True\r\n"
      "      end\r\n"
      "      object ToAPE1: TMenuItem\r\n"
      "        Caption = 'DVD Audio To &APE'\r\n"
      "        ShortCut = 'Ctrl+A'\r\n"
      "      end\r\n"
      "    end\r\n"
      "  end\r\n"
      "end\r\n";
  PublishClass<MenuForm, TForm>();
  auto* form = new MenuForm(nullptr);
  std::vector<std::string> clicks;
  ReadComponentText(form, text);
  auto* skin = dynamic_cast<TspSkinData*>(form->FindComponent("Skin"));
  auto* menu = dynamic_cast<TspSkinPopupMenu*>(form->FindComponent("MoreMenu"));
  auto* edit = dynamic_cast<TEdit*>(form->FindComponent("NameEdit"));
  ASSERT_TRUE(skin && menu && edit);
  ASSERT_TRUE(skin->LoadFromFile(VarnelSkinIni()));
  form->Host = new FakeFormComponent(form, skin);
  for (const char* name : {"ToMP31", "ToWMA1", "ToOGG1", "ToAPE1"}) {
    std::string item = name;
    dynamic_cast<TMenuItem*>(form->FindComponent(name))->OnClick =
        TNotifyEvent::Function([&clicks, item](TObject*) { clicks.push_back(item); });
  }
  form->Show();
  ::SetForegroundWindow(form->Handle());
  edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == edit->Handle(); }));
  auto keepsActivationAndFocus = [&] {
    EXPECT_EQ(::GetActiveWindow(), form->Handle());
    EXPECT_EQ(::GetFocus(), edit->Handle());
  };
  TspSkinMenu* engine = form->Host->Engine.get();
  TPoint at = edit->ClientToScreen({20, 30});

  // The form with its open menu, to look at by hand.
  auto capture = [&](const String& name) {
    TspSkinPopupWindow* top = engine->TopLevel();
    const TRect both{form->Left(), form->Top(), Max(form->Left() + form->Width(), top->Left() + top->Width()) + 10,
                     Max(form->Top() + form->Height(), top->Top() + top->Height()) + 10};
    HDC screen = ::GetDC(nullptr);
    TBitmap shot;
    shot.SetPixelFormat(pf24bit);
    shot.SetSize(both.Width(), both.Height());
    ::BitBlt(shot.Canvas()->Handle(), 0, 0, both.Width(), both.Height(), screen, both.Left, both.Top, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    shot.SaveToFile(CaptureFolder() + name);
  };
  // Keys: down to "More", right into the sub-menu, enter on its first item.
  menu->Popup(at.X, at.Y);
  ASSERT_EQ(engine->LevelCount(), 1);
  PumpMessages();
  capture("menu-varnel-form.bmp");
  keepsActivationAndFocus();
  for (Word key : {VK_DOWN, VK_DOWN, VK_RIGHT}) PostKey(edit->Handle(), key);
  ASSERT_TRUE(PumpUntil([&] { return engine->LevelCount() == 2; }));
  PumpMessages();
  keepsActivationAndFocus();
  EXPECT_EQ(edit->Text(), "");  // the keys went to the menu, not to the edit
  capture("menu-varnel-form-sub.bmp");
  PostKey(edit->Handle(), VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return !clicks.empty(); }));
  EXPECT_EQ(clicks, (std::vector<std::string>{"ToOGG1"}));
  EXPECT_EQ(engine->LevelCount(), 0);
  EXPECT_FALSE(form->Host->Menus->HookedApp());
  keepsActivationAndFocus();

  // The pointer: moved onto the second row, then clicked there.
  menu->Popup(at.X, at.Y);
  TspSkinPopupWindow* level = engine->TopLevel();
  ASSERT_NE(level, nullptr);
  const TRect& row = level->Items[1]->ItemRect;
  TPoint target = level->ClientToScreen({row.Left + 20, row.Top + row.Height() / 2});
  ::SetCursorPos(target.X, target.Y);
  ASSERT_TRUE(PumpUntil([&] { return level->ActiveIndex == 1; }));
  keepsActivationAndFocus();
  PostMouse(level, WM_LBUTTONDOWN, row.Left + 20, row.Top + 5, MK_LBUTTON);
  PostMouse(level, WM_LBUTTONUP, row.Left + 20, row.Top + 5);
  ASSERT_TRUE(PumpUntil([&] { return clicks.size() == 2; }));
  EXPECT_EQ(clicks.back(), "ToWMA1");
  keepsActivationAndFocus();

  // Escape closes; the mouse wheel is swallowed while the menu is open.
  menu->Popup(at.X, at.Y);
  ::PostMessageA(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  PostKey(edit->Handle(), VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return engine->LevelCount() == 0; }));
  PumpMessages();
  EXPECT_FALSE(form->Host->Menus->HookedApp());
  EXPECT_FALSE(form->Host->Menus->SkinMenuOpened);
  keepsActivationAndFocus();
  delete form;
  PumpMessages();
}

}  // namespace
