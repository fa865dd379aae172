// The main menu drawn in a skinned frame: items built from the form's main menu
// and the skin's MAINMENUITEM record, placed left to right (hidden and disabled
// while they do not fit), their looks, drop-downs that follow the pointer, the
// keyboard mode (Alt, letters, arrows, Enter, Escape), Alt+letter and the
// menu's shortcuts, and menus linked to button objects by name. The frame is
// captured (menu-captures/frame-main-menu.bmp in the working folder).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/ShortCuts.h"
#include "skin/draw/SkinRects.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinFormMenuHost.h"
#include "skin/menus/SkinMainMenuItem.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/SkinTestPictures.h"
#include "tests/skin/form/FrameFixtures.h"
#include "tests/skin/menus/MenuFixtures.h"

namespace {

constexpr TColor kStrip = 0x20A020, kItemNormal = 0x3030F0, kItemHot = 0xF03030, kItemDown = 0x30F0F0;

// A captured pixel (0x00RRGGBB) as a colour.
Cardinal Rgb(TColor c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

// Stands for the handler the program had installed before keyboard mode began.
struct EarlierAppHandler {
  void OnMessage(MSG&, bool&) {}
};

// The frame fixture's skin with a main-menu strip (25..45) between caption and
// client, and a MAINMENUITEM record whose faces are solid zones.
void AddMainMenu(FrameSkin& skin) {
  TspSkinData& d = skin.data;
  for (TBitmap* picture : {d.Picture.get(), d.InActivePicture.get()})
    PaintZones(*picture, 100, 80,
               {{{0, 0, 100, 80}, kBottomColor}, {{0, 0, 4, 80}, kLeftColor}, {{96, 0, 100, 80}, kRightColor},
                {{0, 0, 100, 25}, kCaptionColor}, {{4, 25, 96, 45}, kStrip}, {{4, 45, 96, 76}, kClientColor}});
  d.LeftTopPoint = {20, 45}, d.RightTopPoint = {80, 45};
  d.LeftBottomPoint = {20, 75}, d.RightBottomPoint = {80, 75};
  d.ClientRect = d.MaskRectArea = {4, 45, 96, 76};
  d.HitTestLeftBottomPoint = {6, 74}, d.HitTestRightBottomPoint = {94, 74};
  d.MainMenuRect = {4, 25, 96, 45};
  auto atlas = std::make_unique<TBitmap>();
  PaintZones(*atlas, 60, 40, {{{0, 0, 30, 20}, kItemNormal}, {{0, 20, 30, 40}, kItemHot}, {{30, 0, 60, 20}, kItemDown}});
  d.ActivePictures.push_back(std::move(atlas));
  auto item = std::make_unique<TspDataSkinMainMenuItem>("MAINMENUITEM");
  item->activepictureindex = 1;
  item->skinrect = {0, 0, 30, 20};
  item->activeskinrect = {0, 20, 30, 40};
  item->downrect = {30, 0, 60, 20};
  item->TextRect = {4, 2, 26, 18};
  item->ItemLeftOffset = item->ItemRightOffset = 2;
  item->FontName = "Arial", item->FontHeight = 13;
  item->FontColor = clBlack, item->ActiveFontColor = clWhite, item->DownFontColor = clNavy;
  item->unenabledfontcolor = clGray;
  d.ObjectList.push_back(std::move(item));
}

class FrameMainMenu : public ::testing::Test {
protected:
  void SetUp() override {
    savedSeams = FormMenuSeams();
    savedLookup = SkinMenuHostLookup();
    restoreControlHooks = ControlMenuHooksRestorer();
    UseSkinMenus();
    Application.OnMessage = TMessageEvent(&program, &EarlierAppHandler::OnMessage);
    AddMainMenu(skin);
    form = NewForm<TForm>(nullptr);
    form->SetBounds(100, 100, 300, 200);
    menu = new TMainMenu(form);
    file = AddItem(menu->Items(), "&File", "File1");
    AddItem(file, "&Open");
    TMenuItem* save = AddItem(file, "&Save");
    save->SetShortCut(TextToShortCut("Ctrl+S"));
    save->OnClick = TNotifyEvent::Function([this](TObject*) { clicks.push_back("Save"); });
    edit = AddItem(menu->Items(), "&Edit", "Edit1");
    AddItem(edit, "Cu&t");
    AddItem(menu->Items(), "Hidden", "Hidden1")->SetVisible(false);
    help = AddItem(menu->Items(), "&Help", "Help1");
    help->OnClick = TNotifyEvent::Function([this](TObject*) { clicks.push_back("Help"); });
    frame = new TspDynamicSkinForm(form);
    frame->OnMainMenuEnter = TNotifyEvent::Function([this](TObject*) { ++enters; });
    frame->OnMainMenuExit = TNotifyEvent::Function([this](TObject*) { ++exits; });
    frame->SetSkinData(&skin.data);
    frame->SetMainMenu(menu);
    form->Show();
    ::SetForegroundWindow(form->Handle());
    PumpUntil([this] { return frame->FormActive(); }, 2000);
    PumpMessages();
    host = FormMenuHostOf(frame);
    ASSERT_NE(host, nullptr);
  }
  void TearDown() override {
    delete form;
    PumpMessages();
    EXPECT_TRUE(Application.OnMessage == TMessageEvent(&program, &EarlierAppHandler::OnMessage));
    Application.OnMessage = nullptr;
    FormMenuSeams() = savedSeams;
    SkinMenuHostLookup() = savedLookup;
    restoreControlHooks();
  }
  std::vector<TspSkinMainMenuItem*> Items() { return MainMenuItemsOf(frame); }
  TspSkinMainMenuItem* Item(int i) { return Items()[i]; }
  TspSkinMenu* Engine() { return host->SkinMenu(); }
  bool Hooked() { return !(Application.OnMessage == TMessageEvent(&program, &EarlierAppHandler::OnMessage)); }
  // The caption of the first row of the open drop-down ("" when none is open).
  String Shown() {
    if (!Engine()->Visible() || !Engine()->TopLevel()) return "";
    return Engine()->TopLevel()->Items[0]->SourceItem->Caption();
  }
  // The state as one text: hot and down items by index, the drop-down, the mode.
  std::string State() {
    std::string hot = "-", down = "-";
    auto items = Items();
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i]->Active && hot == "-") hot = std::to_string(i);
      if (items[i]->Down && down == "-") down = std::to_string(i);
    }
    return "hot " + hot + " down " + down + " shows " + (Shown().empty() ? "-" : Shown()) +
           (frame->MainMenuActive ? " mode" : "") + (Hooked() ? " hooked" : "");
  }
  void Repaint() {
    frame->PaintNCSkin(nullptr, false);
    PumpMessages();
  }

  TspFormMenuSeams savedSeams;
  TspSkinMenuHostLookup savedLookup;
  std::function<void()> restoreControlHooks;
  EarlierAppHandler program;
  FrameSkin skin;
  TForm* form = nullptr;
  TMainMenu* menu = nullptr;  // owned by the form
  TMenuItem *file = nullptr, *edit = nullptr, *help = nullptr;
  TspDynamicSkinForm* frame = nullptr;
  TspFormMenuHost* host = nullptr;
  std::vector<std::string> clicks;
  int enters = 0, exits = 0;
};

TEST_F(FrameMainMenu, ItemsFollowTheMenuAndTheRecord) {
  auto names = [this] {
    std::vector<std::string> out;
    for (TspSkinMainMenuItem* item : Items()) out.push_back(item->IDName);
    return out;
  };
  EXPECT_EQ(names(), (std::vector<std::string>{"File1", "Edit1", "Help1"})) << "visible top items, in order";
  EXPECT_EQ(Item(0)->MenuItem, file);
  // Changes of the menu show after UpdateMainMenu; a disabled item makes a disabled object.
  edit->SetEnabled(false);
  AddItem(menu->Items(), "&Window", "Window1");
  frame->UpdateMainMenu(true);
  EXPECT_EQ(names(), (std::vector<std::string>{"File1", "Edit1", "Help1", "Window1"}));
  EXPECT_FALSE(Item(1)->Enabled);
  // A skin change rebuilds them with the other objects.
  skin.data.Empty = false;
  frame->ChangeSkinData();
  EXPECT_EQ(names().size(), 4u);
  // No menu, or a menu that goes: no items, and nothing left pointing at it.
  frame->SetMainMenu(nullptr);
  EXPECT_TRUE(Items().empty());
  frame->SetMainMenu(menu);
  EXPECT_EQ(names().size(), 4u);
  delete menu;
  menu = nullptr;
  EXPECT_TRUE(Items().empty());
  EXPECT_EQ(frame->MainMenu(), nullptr);
  Repaint();
}

TEST_F(FrameMainMenu, NoItemsWithoutTheRecord) {
  skin.data.ObjectList.pop_back();
  frame->ChangeSkinData();
  EXPECT_TRUE(Items().empty());
  // Alt then enters no mode that would only swallow keys.
  ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  EXPECT_FALSE(frame->MainMenuActive);
  EXPECT_FALSE(Hooked());
}

TEST_F(FrameMainMenu, ItemsLineUpAndThoseThatDoNotFitGoDisabled) {
  Repaint();
  auto items = Items();
  EXPECT_EQ(items[0]->ObjectRect.Left, frame->NewMainMenuRect.Left);
  EXPECT_EQ(items[0]->ObjectRect.Top, frame->NewMainMenuRect.Top);
  EXPECT_EQ(items[0]->ObjectRect.Height(), 20);
  for (size_t i = 1; i < items.size(); ++i) EXPECT_EQ(items[i]->ObjectRect.Left, items[i - 1]->ObjectRect.Right);
  // The width is the record's with its text area replaced by the caption.
  EXPECT_GT(items[0]->ObjectRect.Width(), 30 - 22 + 2);
  edit->SetEnabled(false);
  frame->UpdateMainMenu(true);
  // Too narrow: the items past the menu's right edge leave the bar disabled,
  // and come back as they were.
  form->SetBounds(100, 100, 100, 200);
  PumpMessages();
  Repaint();
  items = Items();
  EXPECT_TRUE(items[0]->InBar);
  EXPECT_FALSE(items[2]->InBar);
  EXPECT_FALSE(items[2]->Enabled);
  for (TspSkinMainMenuItem* item : items)
    EXPECT_EQ(item->InBar, item->ObjectRect.Right <= frame->NewMainMenuRect.Right) << item->IDName;
  form->SetBounds(100, 100, 300, 200);
  PumpMessages();
  Repaint();
  for (TspSkinMainMenuItem* item : items) EXPECT_TRUE(item->InBar) << item->IDName;
  EXPECT_TRUE(items[2]->Enabled);
  EXPECT_FALSE(items[1]->Enabled) << "its own Enabled, not the bar's";
}

TEST_F(FrameMainMenu, LooksByState) {
  Repaint();
  TspSkinMainMenuItem* item = Item(0);
  const TRect r = item->ObjectRect;
  TBitmap picture;
  PaintZones(picture, form->Width(), form->Height(), {});
  struct Case {
    const char* what;
    bool active, down;
    TColor face, text;
  } cases[] = {
      {"normal", false, false, kItemNormal, clBlack},
      {"hot", true, false, kItemHot, clWhite},
      {"down", false, true, kItemDown, clNavy},
  };
  for (const Case& c : cases) {
    item->Active = c.active;
    item->Down = c.down;
    item->Draw(picture.Canvas(), true);
    EXPECT_EQ(At(picture, r.Left + 1, r.Top + 1), c.face) << c.what;
    bool text = false;
    for (int y = r.Top; y < r.Bottom && !text; ++y)
      for (int x = r.Left; x < r.Right && !text; ++x) text = At(picture, x, y) == ColorToRGB(c.text);
    EXPECT_TRUE(text) << c.what;
  }
  item->Active = item->Down = false;
  // On the window: the strip with the items in the frame.
  Item(1)->Active = true;
  Repaint();
  CapturedPixels shot = CaptureWindow(form->Handle());
  shot.SaveBmp(CaptureFolder() + "frame-main-menu.bmp");
  EXPECT_EQ(shot.At(r.Left + 1, r.Top + 1), Rgb(kItemNormal));
  EXPECT_EQ(shot.At(Item(1)->ObjectRect.Left + 1, r.Top + 1), Rgb(kItemHot));
  EXPECT_EQ(shot.At(frame->NewMainMenuRect.Right - 2, r.Top + 1), Rgb(kStrip));
}

TEST_F(FrameMainMenu, PointerOpensAndHandsOverTheDropDown) {
  Repaint();
  Item(0)->MouseEnter();
  Item(0)->MouseDown(1, 1, mbLeft);
  EXPECT_EQ(State(), "hot 0 down 0 shows &Open mode hooked");
  EXPECT_EQ(enters, 1);
  TRect level;
  ::GetWindowRect(Engine()->TopLevel()->Handle(), reinterpret_cast<RECT*>(&level));
  EXPECT_EQ(level.Left, form->Left() + Item(0)->ObjectRect.Left);
  EXPECT_EQ(level.Top, form->Top() + Item(0)->ObjectRect.Bottom);
  // Moving to the neighbour moves the drop-down without a click.
  Item(0)->MouseLeave();
  Item(1)->MouseEnter();
  EXPECT_EQ(State(), "hot 1 down 1 shows Cu&t mode hooked");
  // Closing the menu lets the item go and leaves the mode once.
  Engine()->Hide();
  PumpMessages();
  EXPECT_EQ(State(), "hot - down - shows -");
  EXPECT_EQ(exits, 1);
  // A leaf item runs its command.
  Item(2)->MouseDown(1, 1, mbLeft);
  EXPECT_EQ(clicks, std::vector<std::string>{"Help"});
  EXPECT_EQ(State(), "hot - down - shows -");
}

TEST_F(FrameMainMenu, Keyboard) {
  Repaint();
  struct Case {
    const char* what;
    std::vector<Word> keys;
    std::string state;
  } cases[] = {
      {"alt", {}, "hot 0 down - shows - mode hooked"},
      {"right", {VK_RIGHT}, "hot 1 down - shows - mode hooked"},
      {"left wraps", {VK_LEFT}, "hot 2 down - shows - mode hooked"},
      {"down opens", {VK_DOWN}, "hot - down 0 shows &Open mode hooked"},
      {"enter opens", {VK_RETURN}, "hot - down 0 shows &Open mode hooked"},
      {"right moves the drop-down", {VK_DOWN, VK_RIGHT}, "hot 1 down 1 shows Cu&t mode hooked"},
      {"escape closes the drop-down", {VK_DOWN, VK_ESCAPE}, "hot 0 down - shows - mode hooked"},
      {"escape twice leaves", {VK_DOWN, VK_ESCAPE, VK_ESCAPE}, "hot - down - shows -"},
      {"a letter opens its item", {'E'}, "hot 1 down 1 shows Cu&t mode hooked"},
      {"a leaf's letter runs it", {'H'}, "hot - down - shows -"},
      {"keys in the drop-down", {VK_DOWN, VK_DOWN, VK_RETURN}, "hot - down - shows -"},
  };
  for (const Case& c : cases) {
    clicks.clear();
    ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    for (Word key : c.keys) host->Menus()->FormKeyDown(key);
    PumpMessages();
    EXPECT_EQ(State(), c.state) << c.what;
    // Alt again leaves whatever is left.
    if (frame->MainMenuActive) ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    PumpMessages();
    EXPECT_EQ(State(), "hot - down - shows -") << c.what;
  }
  EXPECT_EQ(enters, exits);
  // The last case chose Save from the drop-down, and H chose Help.
  EXPECT_EQ(clicks, std::vector<std::string>{"Save"});
}

TEST_F(FrameMainMenu, AClickOnTheFormLeavesTheKeyboardMode) {
  ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  ASSERT_TRUE(frame->MainMenuActive);
  ::SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
  ::SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
  EXPECT_EQ(State(), "hot - down - shows -");
  EXPECT_EQ(exits, 1);
}

TEST_F(FrameMainMenu, AltLetterAndShortCuts) {
  Repaint();
  auto shortCut = [this](Word key, bool alt) {
    TMessage msg = MakeMessage(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? 1 << 29 : 0);
    return form->IsShortCut(msg);
  };
  EXPECT_TRUE(shortCut('F', true));
  EXPECT_EQ(State(), "hot 0 down 0 shows &Open mode hooked");
  Engine()->Hide();
  PumpMessages();
  EXPECT_FALSE(shortCut('Q', true)) << "no item has Q";
  EXPECT_FALSE(shortCut(VK_F4, true)) << "Alt+F4 is the window's";
  // A shortcut of a sub-item runs it without opening anything.
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  EXPECT_TRUE(shortCut('S', false));
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
  EXPECT_EQ(clicks, std::vector<std::string>{"Save"});
  EXPECT_EQ(State(), "hot - down - shows -");
}

TEST_F(FrameMainMenu, LinkMenuGivesButtonsTheirMenus) {
  {
    auto record = std::make_unique<TspDataSkinButton>("tools");
    record->skinrect = {60, 2, 70, 12};
    skin.data.ObjectList.push_back(std::move(record));
    auto plain = std::make_unique<TspDataSkinAnimate>("spinner");
    plain->skinrect = {70, 2, 80, 12};
    skin.data.ObjectList.push_back(std::move(plain));
    auto styled = std::make_unique<TspDataSkinAnimate>("logo");
    styled->skinrect = {80, 2, 90, 12};
    styled->ButtonStyle = true;
    skin.data.ObjectList.push_back(std::move(styled));
    skin.data.ObjectList.push_back(std::make_unique<TspDataSkinSwitch>("switch"));
  }
  frame->ChangeSkinData();
  auto* tools = new TspSkinPopupMenu(form);
  int popups = 0;
  tools->OnPopup = TNotifyEvent::Function([&](TObject*) { ++popups; });
  AddItem(tools->Items(), "Options");
  auto object = [this](const char* name) { return frame->Objects()[frame->GetIndex(name)].get(); };
  struct Case {
    const char* name;
    bool linked;
  } cases[] = {{"tools", true}, {"spinner", false}, {"logo", true}, {"switch", false}, {"nothing", false}};
  for (const Case& c : cases) {
    frame->LinkMenu(c.name, tools, true);
    if (frame->GetIndex(c.name) < 0) continue;
    TMenuItem* linked = nullptr;
    bool up = false;
    if (auto* b = dynamic_cast<TspSkinButtonObject*>(object(c.name))) linked = b->MenuItem, up = b->PopupUp;
    if (auto* a = dynamic_cast<TspSkinAnimateObject*>(object(c.name))) linked = a->MenuItem, up = a->PopupUp;
    EXPECT_EQ(linked == tools->Items(), c.linked) << c.name;
    EXPECT_EQ(up, c.linked) << c.name;
  }
  // Pressing the button pops the skinned popup menu up; closing it lets the button go.
  auto* toolsButton = dynamic_cast<TspSkinButtonObject*>(object("tools"));
  toolsButton->MouseDown(1, 1, mbLeft);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(Shown(), "Options");
  EXPECT_TRUE(toolsButton->Down);
  Engine()->Hide();
  PumpMessages();
  EXPECT_FALSE(toolsButton->Down);
  // A linked menu that goes takes its items from the objects.
  delete tools;
  EXPECT_EQ(toolsButton->MenuItem, nullptr);
  EXPECT_EQ(dynamic_cast<TspSkinAnimateObject*>(object("logo"))->MenuItem, nullptr);
  toolsButton->MouseDown(1, 1, mbLeft);
  EXPECT_FALSE(Engine()->Visible());
}

}  // namespace
