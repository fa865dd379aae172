// The popup menu engine: placement, sizing and scrolling of a level, keys,
// the order in which a chosen command runs, the sub-menu delay, and closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/draw/SkinRects.h"
#include "skin/menus/SkinMenuClock.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/menus/MenuFixtures.h"

namespace {

TEST(MenuPlacement, Table) {
  const TRect wa{0, 0, 1000, 800};
  struct Case {
    const char* what;
    TRect r;
    int w, h;
    bool beside, up, scrolling, limited;
    TPoint expected;
  } cases[] = {
      {"below a point", {100, 100, 100, 100}, 120, 200, false, false, false, false, {100, 100}},
      {"point near the bottom-right corner opens above, pushed left", {950, 700, 950, 700}, 120, 200, false, false,
       false, false, {880, 500}},
      {"left of the work area moves right", {-20, 100, -20, 100}, 120, 200, false, false, false, false, {0, 100}},
      {"lower half, no room above or below: top, beside", {500, 450, 600, 470}, 120, 700, false, false, false,
       false, {601, 0}},
      {"upper half, no room below: ends at the bottom, beside", {500, 300, 600, 320}, 120, 600, false, false, false,
       false, {601, 200}},
      {"beside at the right edge goes left", {900, 300, 990, 320}, 120, 600, false, false, false, false, {779, 200}},
      {"popup up above the rectangle", {100, 500, 200, 520}, 120, 200, false, true, false, false, {100, 300}},
      {"popup up without room, upper half: below", {100, 100, 200, 120}, 120, 200, false, true, false, false,
       {100, 120}},
      {"popup up, upper half, no room either way", {100, 300, 200, 320}, 120, 600, false, true, false, false,
       {201, 200}},
      {"popup up, lower half, no room: top, beside", {100, 500, 200, 520}, 120, 600, false, true, false, false,
       {201, 0}},
      {"sub-menu lines its first row up with the row", {300, 100, 400, 120}, 120, 200, true, false, false, false,
       {401, 97}},
      {"sub-menu that does not fit, row in the upper half: ends at the bottom", {300, 350, 400, 370}, 120, 500,
       true, false, false, false, {401, 300}},
      {"sub-menu that does not fit, lower half: last row level with the row", {300, 600, 400, 620}, 120, 300,
       true, false, false, false, {401, 323}},
      {"sub-menu never above the work area", {300, 500, 400, 520}, 120, 790, true, false, false, false, {401, 0}},
      {"screen-high scrolling level: top, beside", {100, 100, 100, 100}, 120, 800, false, false, true, false,
       {101, 0}},
      {"limited by the item count: placed as usual", {100, 100, 100, 100}, 120, 300, false, false, true, true,
       {100, 100}},
  };
  for (const Case& c : cases) {
    TPoint at = PlaceLevel({c.r, c.w, c.h, wa, 3, c.beside, c.up, c.scrolling, c.limited});
    EXPECT_EQ(at.X, c.expected.X) << c.what;
    EXPECT_EQ(at.Y, c.expected.Y) << c.what;
  }
}

class Engine : public ::testing::Test {
protected:
  void SetUp() override {
    form = NewForm<TForm>(nullptr);
    form->SetBounds(100, 100, 300, 200);
    form->Show();
    menu = std::make_unique<TPopupMenu>(nullptr);
    menu->AutoLineReduction = maManual;  // the rows as given, separators included
    engine = std::make_unique<FixedAreaMenu>(nullptr, form);
  }
  void TearDown() override {
    engine.reset();
    menu.reset();
    delete form;
    PumpMessages();
  }
  TMenuItem* Root() { return menu->Items(); }
  void AddItems(int count) {
    for (int i = 0; i < count; ++i) AddItem(Root(), "Item " + std::to_string(i));
  }
  TspSkinPopupWindow* Open(TControl* opener = nullptr, TspSkinData* skin = nullptr) {
    engine->Popup(opener, skin, 0, {200, 150, 200, 150}, Root(), false);
    return engine->TopLevel();
  }
  std::vector<std::string> Captions(TspSkinPopupWindow* level) {
    std::vector<std::string> out;
    for (auto& row : level->Items) out.push_back(row->SourceItem->Caption());
    return out;
  }
  TForm* form;
  std::unique_ptr<TPopupMenu> menu;
  std::unique_ptr<FixedAreaMenu> engine;
};

TEST_F(Engine, LevelWindowNeverTakesActivation) {
  AddItems(3);
  TspSkinPopupWindow* level = Open();
  ASSERT_NE(level, nullptr);
  HWND h = level->Handle();
  EXPECT_EQ(::GetWindowLongPtrA(h, GWL_STYLE) & (WS_POPUP | WS_CHILD | WS_CAPTION), WS_POPUP);
  EXPECT_TRUE(::GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(::GetClassLongPtrA(h, GCL_STYLE) & CS_SAVEBITS);
  EXPECT_TRUE(::GetClassLongPtrA(h, GCL_STYLE) & CS_DROPSHADOW);
  EXPECT_EQ(::SendMessageA(h, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(form->Handle()),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);
  EXPECT_TRUE(::IsWindowVisible(h));
  EXPECT_EQ(level->Left(), 200);
  EXPECT_EQ(level->Top(), 150);
}

TEST_F(Engine, SizingWithMaxMenuItemsInWindow) {
  struct Case {
    int items, max;
    bool scrolling;
    int height;
  } cases[] = {
      {5, 0, false, 5 * 20 + 6},
      {5, 5, false, 5 * 20 + 6},          // equal does not scroll
      {5, 4, true, 4 * 20 + 6 + 20},      // one less scrolls, 20 px for the markers
      {5, 1, true, 1 * 20 + 6 + 20},
  };
  for (const Case& c : cases) {
    Root()->Clear();
    AddItems(c.items);
    engine->MaxMenuItemsInWindow = c.max;
    TspSkinPopupWindow* level = Open();
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->Scrolling, c.scrolling) << c.max;
    EXPECT_EQ(level->LimitedByMaxItems, c.scrolling) << c.max;
    EXPECT_EQ(level->Height(), c.height) << c.max;
    engine->CloseMenu(0);
  }
}

TEST_F(Engine, MenuTallerThanTheWorkAreaScrolls) {
  engine->Area = {0, 0, 1000, 200};
  AddItems(30);
  TspSkinPopupWindow* level = Open();
  ASSERT_NE(level, nullptr);
  EXPECT_TRUE(level->Scrolling);
  EXPECT_FALSE(level->LimitedByMaxItems);
  EXPECT_EQ(level->Height(), 200);
  EXPECT_EQ(level->Top(), 0);
  EXPECT_EQ(level->Left(), 201);  // beside the point instead of over it
  // Rows start below the up marker; only whole rows inside the markers are shown.
  EXPECT_EQ(level->Items[0]->ItemRect.Top, 13);
  EXPECT_EQ(level->VisibleCount, (200 - 3 - 10 - 13) / 20);
  EXPECT_FALSE(level->Items[level->VisibleCount]->Shown);
  EXPECT_FALSE(level->CanScroll(1));
  EXPECT_TRUE(level->CanScroll(2));
  // The first row of the last screenful.
  EXPECT_EQ(level->GetEndStartVisibleIndex(), 30 - 8);
  level->ScrollDown(false);
  EXPECT_EQ(level->FirstVisible, 1);
  EXPECT_FALSE(level->Items[0]->Shown);
  EXPECT_EQ(level->Items[1]->ItemRect.Top, 13);
  level->ScrollUp(false);
  level->ScrollUp(false);  // no wrap: stays at the top
  EXPECT_EQ(level->FirstVisible, 0);
  level->ScrollUp(true);  // wraps to the last screenful
  EXPECT_EQ(level->FirstVisible, level->GetEndStartVisibleIndex());
  EXPECT_FALSE(level->CanScroll(2));
  level->ScrollDown(true);  // wraps to the top
  EXPECT_EQ(level->FirstVisible, 0);
}

TEST_F(Engine, ScrollZonesStartAndStopScrolling) {
  engine->Area = {0, 0, 1000, 200};
  AddItems(30);
  TspSkinPopupWindow* level = Open();
  const TRect& r = level->NewItemsRect;
  level->TestActive(r.Left + 5, r.Bottom - 5);
  EXPECT_EQ(level->ScrollDirection, 2);
  level->ScrollTimerTick();
  EXPECT_EQ(level->FirstVisible, 1);
  level->TestActive(r.Left + 5, r.Top + 40);
  EXPECT_EQ(level->ScrollDirection, 0);
  level->TestActive(r.Left + 5, r.Top + 5);
  EXPECT_EQ(level->ScrollDirection, 1);
  level->ScrollTimerTick();
  level->ScrollTimerTick();  // at the top: the scrolling stops
  EXPECT_EQ(level->FirstVisible, 0);
  EXPECT_EQ(level->ScrollDirection, 0);
}

// Row captions of the key menu: 0 "&Open", 1 "-", 2 "&Save" (disabled), 3 "&Print",
// 4 "S&ub" (two children), 5 "-".
class Keys : public Engine {
protected:
  void SetUp() override {
    Engine::SetUp();
    AddItem(Root(), "&Open")->OnClick = Count("Open");
    AddItem(Root(), "-");
    TMenuItem* save = AddItem(Root(), "&Save");
    save->SetEnabled(false);
    save->OnClick = Count("Save");
    AddItem(Root(), "&Print")->OnClick = Count("Print");
    sub = AddItem(Root(), "S&ub");
    AddItem(sub, "&First")->OnClick = Count("First");
    AddItem(sub, "Second");
    AddItem(Root(), "-");
  }
  TNotifyEvent Count(const std::string& name) {
    return TNotifyEvent::Function([this, name](TObject*) { clicks.push_back(name); });
  }
  void Press(std::initializer_list<Word> keys) {
    for (Word key : keys)
      if (TspSkinPopupWindow* top = engine->TopLevel()) top->PopupKeyDown(key);
  }
  TMenuItem* sub;
  std::vector<std::string> clicks;
};

TEST_F(Keys, Table) {
  struct Case {
    const char* what;
    std::vector<Word> keys;
    int levels;
    int active;  // of the top level; -2: no level open
    std::vector<std::string> clicks;
  } cases[] = {
      {"the first enabled row is selected at the show", {}, 1, 0, {}},
      {"down skips the separator and the disabled item", {VK_DOWN}, 1, 3, {}},
      {"down to the item with a sub-menu", {VK_DOWN, VK_DOWN}, 1, 4, {}},
      {"down with only a separator after keeps the selection", {VK_DOWN, VK_DOWN, VK_DOWN}, 1, 4, {}},
      {"up from the first row wraps to the last selectable one", {VK_UP}, 1, 4, {}},
      {"enter clicks the active leaf", {VK_RETURN}, 0, -2, {"Open"}},
      {"an accelerator clicks its item", {'P'}, 0, -2, {"Print"}},
      {"a disabled item's accelerator selects it and clicks nothing", {'S'}, 1, 2, {}},
      {"right opens the sub-menu", {VK_DOWN, VK_DOWN, VK_RIGHT}, 2, 0, {}},
      {"an accelerator opens a sub-menu", {'U'}, 2, 0, {}},
      {"left closes the sub-menu only", {'U', VK_LEFT}, 1, 4, {}},
      {"left on the first level does nothing", {VK_LEFT}, 1, 0, {}},
      {"escape closes the sub-menu only", {'U', VK_ESCAPE}, 1, 4, {}},
      {"escape on one level closes the menu", {VK_ESCAPE}, 0, -2, {}},
      {"a command of the sub-menu", {'U', 'F'}, 0, -2, {"First"}},
  };
  for (const Case& c : cases) {
    clicks.clear();
    Open();
    for (Word key : c.keys) Press({key});
    EXPECT_EQ(engine->LevelCount(), c.levels) << c.what;
    TspSkinPopupWindow* top = engine->TopLevel();
    EXPECT_EQ(top ? top->ActiveIndex : -2, c.active) << c.what;
    EXPECT_EQ(clicks, c.clicks) << c.what;
    if (c.levels == 2) {
      EXPECT_TRUE(engine->Level(0)->Items[4]->Pressed) << c.what;
    }
    if (c.levels == 1 && c.active == 4) {
      EXPECT_FALSE(engine->Level(0)->Items[4]->Pressed) << c.what;
    }
    engine->CloseMenu(0);
    PumpMessages();
  }
}

TEST_F(Keys, DownOnTheVeryLastRowWraps) {
  Root()->Items(5)->SetCaption("&Last");
  Open();
  Press({VK_UP});
  EXPECT_EQ(engine->TopLevel()->ActiveIndex, 5);
  Press({VK_DOWN});
  EXPECT_EQ(engine->TopLevel()->ActiveIndex, 0);
}

TEST_F(Keys, KeysScrollALevelThatIsLimited) {
  engine->MaxMenuItemsInWindow = 2;
  Root()->Items(5)->SetCaption("&Last");
  TspSkinPopupWindow* level = Open();
  ASSERT_TRUE(level->Scrolling);
  Press({VK_DOWN, VK_DOWN});
  EXPECT_EQ(level->ActiveIndex, 4);
  EXPECT_TRUE(level->Items[4]->Shown);
  Press({VK_DOWN, VK_DOWN});  // to the last row, then wrapping to the first
  EXPECT_EQ(level->ActiveIndex, 0);
  EXPECT_EQ(level->FirstVisible, 0);
  Press({VK_UP});
  EXPECT_EQ(level->ActiveIndex, 5);
  EXPECT_TRUE(level->Items[5]->Shown);
}

// A control that keeps the order of what happens to it.
class Recorder : public TCustomControl {
public:
  Recorder(TComponent* owner, std::vector<std::string>& log) : TCustomControl(owner), log_(log) {}

protected:
  void Dispatch(TMessage& message) override {
    if (message.Msg == WM_CLOSESKINMENU) log_.push_back("close");
    if (message.Msg == WM_AFTERDISPATCH) log_.push_back("after");
    TCustomControl::Dispatch(message);
  }

private:
  std::vector<std::string>& log_;
};

TEST_F(Engine, LeafCommandRunsAfterEveryLevelIsGone) {
  std::vector<std::string> log;
  auto* opener = new Recorder(form, log);
  opener->SetParent(form);
  TMenuItem* sub = AddItem(Root(), "Sub");
  TMenuItem* leaf = AddItem(sub, "Leaf");
  leaf->OnClick = TNotifyEvent::Function([&](TObject*) {
    log.push_back("click levels=" + std::to_string(engine->LevelCount()) +
                  (engine->MenuVisible ? " visible" : " closed"));
  });
  engine->OnMenuClose = TNotifyEvent::Function([&](TObject* sender) {
    EXPECT_EQ(sender, engine.get());
    log.push_back("OnMenuClose");
  });
  Open(opener);
  engine->TopLevel()->Items[0]->MouseDown();
  ASSERT_EQ(engine->LevelCount(), 2);
  engine->TopLevel()->Items[0]->MouseDown();
  EXPECT_EQ(log, (std::vector<std::string>{"close", "OnMenuClose", "click levels=0 closed", "after"}));
  EXPECT_FALSE(engine->OnMenuClose);
  EXPECT_EQ(engine->Opener, nullptr);
}

TEST_F(Engine, SubMenuOpensAfterTheDelayAndNotAfterLeaving) {
  TMenuItem* sub = AddItem(Root(), "Sub");
  AddItem(sub, "Leaf");
  AddItem(Root(), "Other");
  TspSkinPopupWindow* level = Open();
  EXPECT_EQ(engine->SubmenuTimer()->Interval(), 500u);
  TspSkinMenuItem* row = level->Items[0].get();
  // The pointer reaches the row chosen by the show: the delay starts.
  const TRect& r = row->ItemRect;
  level->TestActive(r.Left + 5, r.Top + 5);
  EXPECT_EQ(engine->PendingItem, row);
  EXPECT_TRUE(engine->SubmenuTimer()->Enabled());
  EXPECT_EQ(engine->LevelCount(), 1);
  engine->WaitItem(nullptr);
  EXPECT_EQ(engine->LevelCount(), 2);
  EXPECT_TRUE(row->Pressed);
  EXPECT_FALSE(engine->SubmenuTimer()->Enabled());
  EXPECT_EQ(engine->PendingItem, nullptr);
  engine->CloseMenu(1);
  row->Pressed = false;
  // Leaving before the delay cancels the opening.
  const TRect& other = level->Items[1]->ItemRect;
  level->TestActive(other.Left + 5, other.Top + 5);
  level->TestActive(r.Left + 5, r.Top + 5);
  ASSERT_EQ(engine->PendingItem, row);
  level->TestActive(other.Left + 5, other.Top + 5);
  EXPECT_EQ(engine->PendingItem, nullptr);
  EXPECT_FALSE(engine->SubmenuTimer()->Enabled());
  engine->WaitItem(nullptr);
  EXPECT_EQ(engine->LevelCount(), 1);
}

TEST_F(Engine, ClickOnALevelRunsTheRowUnderThePointer) {
  int clicks = 0;
  AddItem(Root(), "One");
  AddItem(Root(), "Two")->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  TspSkinPopupWindow* level = Open();
  const TRect& r = level->Items[1]->ItemRect;
  PostMouse(level, WM_LBUTTONDOWN, r.Left + 10, r.Top + 5, MK_LBUTTON);
  PostMouse(level, WM_LBUTTONUP, r.Left + 10, r.Top + 5);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_EQ(engine->LevelCount(), 0);
}

TEST_F(Engine, EmptyOrMissingItemsShowNothingButCloseTheOpenMenu) {
  int closed = 0;
  AddItems(2);
  Open();
  engine->OnMenuClose = TNotifyEvent::Function([&](TObject*) { ++closed; });
  TPopupMenu empty(nullptr);
  engine->Popup(nullptr, nullptr, 0, {10, 10, 10, 10}, empty.Items(), false);
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(engine->MenuVisible);
  engine->Popup(nullptr, nullptr, 5, {10, 10, 10, 10}, Root(), false);  // start past the end
  EXPECT_EQ(engine->LevelCount(), 0);
  engine->Popup(nullptr, nullptr, 0, {10, 10, 10, 10}, nullptr, false);
  EXPECT_EQ(engine->LevelCount(), 0);
}

TEST_F(Engine, AutomaticLineReductionDropsLeadingAndTrailingSeparators) {
  menu->AutoLineReduction = maAutomatic;
  AddItem(Root(), "-");
  AddItem(Root(), "One");
  AddItem(Root(), "-");
  AddItem(Root(), "-");
  AddItem(Root(), "Two");
  AddItem(Root(), "-");
  EXPECT_EQ(Captions(Open()), (std::vector<std::string>{"One", "-", "Two"}));
}

TEST_F(Engine, HundredsOfItemsScroll) {
  AddItems(400);
  TspSkinPopupWindow* level = Open();
  ASSERT_NE(level, nullptr);
  EXPECT_TRUE(level->Scrolling);
  EXPECT_EQ(level->Height(), engine->Area.Height());
  PumpMessages();
}

TEST_F(Engine, Popup2ShowsBothItemListsFromTheStartIndex) {
  AddItem(Root(), "A");
  AddItem(Root(), "B");
  TPopupMenu second(nullptr);
  AddItem(second.Items(), "C");
  AddItem(second.Items(), "D");
  engine->Popup2(nullptr, nullptr, 1, {10, 10, 10, 10}, Root(), second.Items(), false);
  ASSERT_NE(engine->TopLevel(), nullptr);
  EXPECT_EQ(Captions(engine->TopLevel()), (std::vector<std::string>{"B", "C", "D"}));
  engine->Popup2(nullptr, nullptr, 3, {10, 10, 10, 10}, Root(), second.Items(), false);
  EXPECT_EQ(Captions(engine->TopLevel()), (std::vector<std::string>{"D"}));
}

TEST_F(Engine, OpeningOverAnOpenMenuKeepsNoOpener) {
  std::vector<std::string> log;
  auto* first = new Recorder(form, log);
  first->SetParent(form);
  AddItems(2);
  Open(first);
  Open(first);  // the close of the first menu reaches the opener just stored
  EXPECT_EQ(log, (std::vector<std::string>{"close"}));
  EXPECT_EQ(engine->Opener, nullptr);
}

TEST_F(Engine, FreedOpenerOrSkinLeavesNothingBehind) {
  std::vector<std::string> log;
  auto* opener = new Recorder(form, log);
  opener->SetParent(form);
  AddItems(2);
  ZoneMenuSkin skin;
  {
    auto data = std::make_unique<ZoneMenuSkin>();
    Open(opener, &data->data);
    ASSERT_NE(engine->TopLevel()->WindowRecord, nullptr);
    delete opener;
    EXPECT_EQ(engine->Opener, nullptr);
  }  // the container goes: its pictures go with it, so the menu closes
  EXPECT_EQ(engine->LevelCount(), 0);
  EXPECT_EQ(engine->CurrentSkinData(), nullptr);
  PumpMessages();
}

TEST_F(Engine, RowRecordWithoutAPictureKeepsTheLoadedRecord) {
  ZoneMenuSkin skin;
  skin.MenuItem->activepictureindex = 7;  // no such picture
  AddItems(2);
  TspSkinPopupWindow* level = Open(nullptr, &skin.data);
  ASSERT_NE(level, nullptr);
  EXPECT_EQ(level->Items[0]->Picture, nullptr);
  EXPECT_TRUE(IsNullRect(level->Items[0]->SkinRect));
  EXPECT_EQ(skin.MenuItem->skinrect, (TRect{0, 0, 100, 20}));
  EXPECT_EQ(skin.MenuItem->activeskinrect, (TRect{0, 20, 100, 40}));
  EXPECT_EQ(level->Items[0]->ItemRect.Height(), 20);
  PumpMessages();
}

TEST_F(Engine, SkinFrameWithoutAMenuItemRecordUsesDefaultRows) {
  ZoneMenuSkin skin(false);
  AddItems(3);
  TspSkinPopupWindow* level = Open(nullptr, &skin.data);
  ASSERT_NE(level->WindowRecord, nullptr);
  EXPECT_EQ(level->ItemRecord, nullptr);
  EXPECT_EQ(level->Items[0]->ItemRect.Height(), 20);
  EXPECT_EQ(level->Height(), 3 * 20 + 6);
  EXPECT_EQ(level->NewItemsRect, (TRect{3, 3, level->Width() - 3, level->Height() - 3}));
}

TEST_F(Engine, FadeInEndsForEveryTargetAndAcrossATickWrap) {
  struct Case {
    Byte value;
    DWORD start;
  } cases[] = {{0, 100}, {200, 100}, {255, 0xFFFFFFF0u}, {7, 0xFFFFFFFFu}};
  TspSteppingSkinClock clock(6);
  SetSkinClock(&clock);
  AddItems(2);
  engine->AlphaBlend = engine->AlphaBlendAnimation = true;
  for (const Case& c : cases) {
    clock.Tick = c.start;
    engine->AlphaBlendValue = c.value;
    TspSkinPopupWindow* level = Open();
    ASSERT_NE(level, nullptr);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(level->Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, c.value);
    engine->CloseMenu(0);
  }
  SetSkinClock(nullptr);
}

}  // namespace
