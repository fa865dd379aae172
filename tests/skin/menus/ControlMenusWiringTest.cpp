// The skinned controls' menus through the form's menu engine: the menu button
// drops its skinned popup menu below itself and is told (1228) when it closes.
#include <gtest/gtest.h>

#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinMenuPopup.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinFormMenuHost.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinPopupWindow.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

class ControlMenusWiring : public ::testing::Test {
protected:
  void SetUp() override {
    savedSeams = FormMenuSeams();
    savedLookup = SkinMenuHostLookup();
    restoreControlHooks = ControlMenuHooksRestorer();
    UseSkinMenus();
    ASSERT_TRUE(skin.LoadFromFile(VarnelSkinIni()));
    form = NewForm<TForm>(nullptr);
    form->SetBounds(140, 120, 360, 240);
    frame = new TspDynamicSkinForm(form);
    frame->SetSkinData(&skin);
    form->Show();
    PumpMessages();
  }
  void TearDown() override {
    delete form;
    PumpMessages();
    FormMenuSeams() = savedSeams;
    SkinMenuHostLookup() = savedLookup;
    restoreControlHooks();
  }
  TspFormMenuSeams savedSeams;
  TspSkinMenuHostLookup savedLookup;
  std::function<void()> restoreControlHooks;
  TspSkinData skin{nullptr};
  TForm* form = nullptr;
  TspDynamicSkinForm* frame = nullptr;
};

}  // namespace

TEST_F(ControlMenusWiring, MenuButtonPopsItsSkinnedMenuAndHearsItClose) {
  auto* menu = new TspSkinPopupMenu(form);
  for (const char* caption : {"Open...", "Save", "Close"}) {
    auto* item = new TMenuItem(menu->Items());
    item->SetCaption(caption);
    menu->Items()->Add(item);
  }
  auto* button = new TspSkinMenuButton(form);
  button->SetParent(form);
  button->SetBounds(20, 30, 120, 25);
  button->SetSkinPopupMenu(menu);
  int hidden = 0;
  button->OnHideTrackMenu = TNotifyEvent::Function([&](TObject*) { ++hidden; });
  PumpMessages();
  TspSkinMenu* engine = FormMenuHostOf(frame)->SkinMenu();
  PostMouse(button, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  ASSERT_TRUE(PumpUntil([&] { return engine->Visible(); }));
  EXPECT_EQ(engine->Opener, button);
  EXPECT_EQ(engine->TopLevel()->ItemCount(), 3);
  EXPECT_EQ(engine->CurrentSkinData(), &skin);
  EXPECT_TRUE(button->MenuTracking);
  PostMouse(button, WM_LBUTTONUP, 10, 10);
  PumpMessages();
  EXPECT_TRUE(button->Down());
  // Escape closes the menu; the button hears 1228 and comes up.
  PostKey(form->Handle(), VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !engine->Visible(); }));
  PumpMessages();
  EXPECT_FALSE(button->MenuTracking);
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(hidden, 1);
}
