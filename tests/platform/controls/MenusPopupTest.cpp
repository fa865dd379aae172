#include <gtest/gtest.h>

#include <vector>

#include "platform/controls/Menus.h"
#include "platform/graphics/Canvas.h"

namespace {

TMenuItem* NewItem(TComponent* owner, const String& caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  return item;
}

// Replaces the system's menu tracking for one test: records what the native
// menu showed and answers with the command a test chooses.
class TrackerGuard {
public:
  TrackerGuard() {
    PopupMenuTracker() = [this](HMENU menu, UINT flags, int x, int y, HWND owner) -> UINT {
      ++calls;
      shown = Describe(menu);
      point = {x, y};
      ownerWindow = owner;
      return choose ? choose(menu) : 0;
    };
  }
  ~TrackerGuard() { RestorePopupMenuTracker(); }

  // One line per entry: its text, then flags (c checked, g grayed, r radio,
  // d default, > sub-menu), the sub-menu's entries indented.
  static std::vector<String> Describe(HMENU menu, const String& indent = "") {
    std::vector<String> lines;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
      char text[128] = {};
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
      info.dwTypeData = text;
      info.cch = sizeof text;
      ::GetMenuItemInfoA(menu, i, TRUE, &info);
      String line = indent + ((info.fType & MFT_SEPARATOR) ? String("-") : String(text));
      String flags;
      if (info.fState & MFS_CHECKED) flags += 'c';
      if (info.fState & MFS_GRAYED) flags += 'g';
      if (info.fType & MFT_RADIOCHECK) flags += 'r';
      if (info.fState & MFS_DEFAULT) flags += 'd';
      if (info.hSubMenu) flags += '>';
      if (!flags.empty()) line += " [" + flags + "]";
      lines.push_back(line);
      if (info.hSubMenu)
        for (const String& sub : Describe(info.hSubMenu, indent + "  ")) lines.push_back(sub);
    }
    return lines;
  }

  // The command of the entry at `position` of the native menu.
  static UINT CommandAt(HMENU menu, int position) { return ::GetMenuItemID(menu, position); }

  std::function<UINT(HMENU)> choose;
  int calls = 0;
  std::vector<String> shown;
  TPoint point;
  HWND ownerWindow = nullptr;
};

void PumpMessages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
}

void CALLBACK PressSecondsAccelerator(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetCurrentThreadId(), &info);
  ::PostMessageA(info.hwndMenuOwner, WM_CHAR, 's', 0);
}

void CALLBACK CancelMenu(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  ::EndMenu();
}

}  // namespace

TEST(MenusPopup, BindingAnActionCopiesItsStateAndRoutesTheClick) {
  TComponent form(nullptr);
  auto* list = new TActionList(&form);
  auto* action = new TAction(&form);
  action->SetName("actToMP3");
  action->SetActionList(list);
  action->SetCaption("To MP3");
  action->Tag = 8;
  action->SetShortCut(scAlt | 'P');
  action->SetImageIndex(3);
  std::vector<String> ran;
  action->SetOnExecute(TNotifyEvent::Function([&](TObject* sender) {
    auto* firing = static_cast<TBasicAction*>(sender);
    ran.push_back(firing->Name() + " tag " + std::to_string(firing->Tag) + " from " +
                  (firing->ActionComponent() ? firing->ActionComponent()->Name() : String("nothing")));
  }));

  TPopupMenu menu(&form);
  TMenuItem* item = NewItem(&form, "");
  item->SetName("mnuToMP3");
  menu.Items()->Add(item);
  item->SetAction(action);
  EXPECT_EQ(item->Caption(), "To MP3");
  EXPECT_EQ(item->ShortCut(), scAlt | 'P');
  EXPECT_EQ(item->ImageIndex(), 3);
  EXPECT_EQ(item->Action(), action);

  item->Click();
  EXPECT_EQ(ran, (std::vector<String>{"actToMP3 tag 8 from mnuToMP3"}));

  // The item follows the action's later changes.
  action->SetEnabled(false);
  EXPECT_FALSE(item->Enabled());
  item->Click();
  EXPECT_EQ(ran.size(), 1u) << "a disabled item does nothing";
  action->SetEnabled(true);
  action->SetCaption("To MP3 (LAME)");
  action->SetChecked(true);
  EXPECT_TRUE(item->Enabled());
  EXPECT_EQ(item->Caption(), "To MP3 (LAME)");
  EXPECT_TRUE(item->Checked());

  // An item given a caption of its own keeps it; its own OnClick overrides the action.
  item->SetCaption("MP3");
  action->SetCaption("To MP3");
  EXPECT_EQ(item->Caption(), "MP3");
  item->OnClick = TNotifyEvent::Function([&](TObject* sender) { ran.push_back("own click"); });
  item->Click();
  EXPECT_EQ(ran.back(), "own click");

  // Freeing the action unbinds the item, which keeps what it shows.
  delete action;
  EXPECT_EQ(item->Action(), nullptr);
  EXPECT_EQ(item->Caption(), "MP3");
  item->Click();
  EXPECT_EQ(ran.back(), "own click");
}

TEST(MenusPopup, ToMoreMenuEntriesShowTheirActionsCaptionsInOrder) {
  TComponent form(nullptr);
  auto* list = new TActionList(&form);
  const char* captions[] = {"To MP3", "To WMA", "To AAC", "To WAV", "To OGG",
                            "To RA",  "To APE", "To FLAC", "To MPC", "To M4A"};
  const int tags[] = {8, 9, 13, 10, 11, 12, 15, 17, 16, 14};
  std::vector<int> executed;
  TPopupMenu toMore(&form);
  for (int i = 0; i < 10; ++i) {
    auto* action = new TAction(&form);
    action->SetActionList(list);
    action->SetCaption(captions[i]);
    action->Tag = tags[i];
    action->SetOnExecute(
        TNotifyEvent::Function([&](TObject* sender) { executed.push_back(static_cast<TComponent*>(sender)->Tag); }));
    auto* item = new TMenuItem(&form);
    item->SetAction(action);
    toMore.Items()->Add(item);
  }
  TrackerGuard tracker;
  tracker.choose = [](HMENU menu) { return TrackerGuard::CommandAt(menu, 7); };
  toMore.Popup(10, 20);
  EXPECT_EQ(tracker.shown, (std::vector<String>(std::begin(captions), std::end(captions))));
  EXPECT_EQ(executed, (std::vector<int>{17})) << "the FLAC entry ran its action with the action as sender";
}

TEST(MenusPopup, PopupRunsOnPopupShowsTheItemsThenRunsTheChosenItem) {
  TComponent form(nullptr);
  TPopupMenu menu(&form);
  std::vector<String> journal;
  TMenuItem* play = NewItem(&form, "Play");
  play->SetShortCut(scAlt | 'P');
  play->SetDefault(true);
  TMenuItem* stop = NewItem(&form, "Stop");
  stop->SetEnabled(false);
  TMenuItem* line = NewItem(&form, "-");
  TMenuItem* skins = NewItem(&form, "Skins");
  TMenuItem* skinA = NewItem(&form, "Skin A");
  skinA->SetRadioItem(true);
  skinA->SetChecked(true);
  TMenuItem* hidden = NewItem(&form, "Hidden");
  hidden->SetVisible(false);
  for (TMenuItem* item : {play, stop, line, skins, hidden}) menu.Items()->Add(item);
  skins->Add(skinA);
  for (TMenuItem* item : {play, stop, skinA})
    item->OnClick = TNotifyEvent::Function(
        [&journal](TObject* sender) { journal.push_back("click " + static_cast<TMenuItem*>(sender)->Caption()); });
  menu.OnPopup = TNotifyEvent::Function([&](TObject* sender) {
    journal.push_back("popup");
    // The handler may still change the items.
    TMenuItem* crop = NewItem(&form, "Crop");
    crop->OnClick = TNotifyEvent::Function([&journal](TObject*) { journal.push_back("click Crop"); });
    menu.Items()->Add(crop);
  });
  menu.OnClose = TNotifyEvent::Function([&](TObject*) { journal.push_back("close"); });

  TrackerGuard tracker;
  tracker.choose = [&](HMENU native) {
    journal.push_back("shown");
    return TrackerGuard::CommandAt(::GetSubMenu(native, 3), 0);
  };
  menu.Popup(120, 80);
  EXPECT_EQ(tracker.shown, (std::vector<String>{"Play\tAlt+P [d]", "Stop [g]", "-", "Skins [>]",
                                                "  Skin A [cr]", "Crop"}));
  EXPECT_EQ(journal, (std::vector<String>{"popup", "shown", "close", "click Skin A"}));
  EXPECT_EQ(tracker.point, (TPoint{120, 80}));
  EXPECT_EQ(menu.PopupPoint(), (TPoint{120, 80}));
  EXPECT_NE(tracker.ownerWindow, nullptr);
  EXPECT_FALSE(::IsWindowVisible(tracker.ownerWindow)) << "the menu's own window stays hidden";

  // Cancelled: nothing runs. A disabled item chosen somehow does not run either.
  journal.clear();
  menu.OnPopup = nullptr;
  tracker.choose = nullptr;
  menu.Popup(0, 0);
  tracker.choose = [&](HMENU) { return stop->Command(); };
  menu.Popup(0, 0);
  EXPECT_EQ(journal, (std::vector<String>{"close", "close"}));
}

TEST(MenusPopup, ACommandPostedToTheMenuWindowRunsTheItem) {
  TPopupMenu menu(nullptr);
  TMenuItem* help = NewItem(&menu, "Help Content");
  help->SetShortCut(VK_F1);
  menu.Items()->Add(help);
  int clicks = 0;
  help->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  ::PostMessageA(menu.WindowHandle(), WM_COMMAND, help->Command(), 0);
  PumpMessages();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(menu.IsShortCut(VK_F1));
  EXPECT_FALSE(menu.IsShortCut(VK_F2));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(menu.FindItem(VK_F1, fkShortCut), help);
}

TEST(MenusPopup, AMenuWithNothingVisibleRunsOnPopupButShowsNothing) {
  TPopupMenu menu(nullptr);
  TMenuItem* hidden = NewItem(&menu, "Hidden");
  hidden->SetVisible(false);
  menu.Items()->Add(hidden);
  int popups = 0;
  menu.OnPopup = TNotifyEvent::Function([&](TObject*) { ++popups; });
  TrackerGuard tracker;
  menu.Popup(5, 5);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(tracker.calls, 0);
}

TEST(MenusPopup, PopupComponentIsForgottenWhenItGoes) {
  TPopupMenu menu(nullptr);
  auto* control = new TComponent(nullptr);
  menu.SetPopupComponent(control);
  EXPECT_EQ(menu.PopupComponent(), control);
  EXPECT_TRUE(menu.AutoPopup);
  delete control;
  EXPECT_EQ(menu.PopupComponent(), nullptr);
}

TEST(MenusPopup, TheSystemsMenuTrackingRunsTheItemChosenByKeyboard) {
  TPopupMenu menu(nullptr);
  int clicks = 0;
  for (const char* caption : {"&First", "&Second"}) {
    TMenuItem* item = NewItem(&menu, caption);
    item->OnClick = TNotifyEvent::Function([&clicks, item](TObject* sender) {
      if (sender == item && item->Caption() == "&Second") ++clicks;
    });
    menu.Items()->Add(item);
  }
  // Once the menu is up, press "s" for "&Second" in its modal loop; a safety
  // net cancels the menu should the key not reach it.
  UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &PressSecondsAccelerator);
  ASSERT_NE(timer, 0u);
  UINT_PTR safety = ::SetTimer(nullptr, 0, 3000, &CancelMenu);
  menu.Popup(50, 50);
  ::KillTimer(nullptr, safety);
  EXPECT_EQ(clicks, 1);
}

TEST(MenusPopup, MainMenuBuildsTheBarAndRebuildsItAfterChanges) {
  TMainMenu menu(nullptr);
  TMenuItem* file = NewItem(&menu, "&File");
  TMenuItem* open = NewItem(&menu, "&Open DVD");
  open->SetShortCut(scAlt | 'D');
  menu.Items()->Add(file);
  file->Add(open);
  std::vector<bool> changes;
  menu.OnChange = TEvent<TObject*, TMenuItem*, bool>::Function(
      [&](TObject*, TMenuItem*, bool rebuild) { changes.push_back(rebuild); });

  HWND window = ::CreateWindowExA(0, "STATIC", "form", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  menu.SetWindowHandle(window);
  EXPECT_EQ(::GetMenu(window), menu.Handle());
  EXPECT_EQ(TrackerGuard::Describe(menu.Handle()), (std::vector<String>{"&File [>]", "  &Open DVD\tAlt+D"}));

  TMenuItem* help = NewItem(&menu, "&Help");
  menu.Items()->Add(help);
  EXPECT_EQ(::GetMenuItemCount(::GetMenu(window)), 2) << "the window shows the rebuilt bar";
  EXPECT_EQ(changes, (std::vector<bool>{true}));

  int opened = 0;
  open->OnClick = TNotifyEvent::Function([&](TObject*) { ++opened; });
  LRESULT result = -1;
  EXPECT_TRUE(menu.HandleMenuMessage(WM_COMMAND, open->Command(), 0, result));
  EXPECT_FALSE(menu.HandleMenuMessage(WM_COMMAND, 0xFFFF, 0, result)) << "no such command";
  EXPECT_TRUE(menu.IsShortCut(scAlt | 'D'));
  EXPECT_EQ(opened, 2);

  ::DestroyWindow(window);  // takes the bar with it; the menu must not free it twice
  menu.Items()->Add(NewItem(&menu, "&Tools"));
  EXPECT_TRUE(::IsMenu(menu.Handle()));
}

TEST(MenusPopup, OwnerDrawnItemsAreMeasuredAndDrawnByTheirHandlers) {
  TPopupMenu menu(nullptr);
  menu.SetOwnerDraw(true);
  TMenuItem* item = NewItem(&menu, "Select All");
  menu.Items()->Add(item);
  item->OnMeasureItem = TMenuMeasureItemEvent::Function([](TObject*, TCanvas*, int& width, int& height) {
    width += 31;
    height = 22;
  });
  std::vector<String> drawn;
  item->OnDrawItem = TMenuDrawItemEvent::Function([&](TObject* sender, TCanvas* canvas, const TRect& rect, bool selected) {
    drawn.push_back(static_cast<TMenuItem*>(sender)->Caption() + (selected ? " selected " : " ") +
                    std::to_string(rect.Right - rect.Left));
  });

  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = item->Command();
  measure.itemData = reinterpret_cast<ULONG_PTR>(item);
  LRESULT result = 0;
  ASSERT_TRUE(menu.HandleMenuMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
  EXPECT_EQ(measure.itemHeight, 22u);
  EXPECT_GT(measure.itemWidth, 31u);

  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = item->Command();
  draw.itemState = ODS_SELECTED;
  draw.hDC = dc;
  draw.rcItem = {0, 0, 120, 22};
  draw.itemData = reinterpret_cast<ULONG_PTR>(item);
  ASSERT_TRUE(menu.HandleMenuMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), result));
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  EXPECT_EQ(drawn, (std::vector<String>{"Select All selected 120"}));

  // An entry of another menu (or a freed item) is not this menu's to answer.
  TMenuItem stranger(nullptr);
  measure.itemData = reinterpret_cast<ULONG_PTR>(&stranger);
  EXPECT_FALSE(menu.HandleMenuMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
}

TEST(MenusPopup, ASubMenuIsRefilledByItsItemsClickWhenItOpens) {
  TPopupMenu menu(nullptr);
  TMenuItem* recent = NewItem(&menu, "Recent");
  recent->Add(NewItem(&menu, "(none)"));
  menu.Items()->Add(recent);
  recent->OnClick = TNotifyEvent::Function([&](TObject*) {
    recent->Clear();
    recent->Add(NewItem(&menu, "C:\\dvd\\VIDEO_TS"));
    recent->Add(NewItem(&menu, "D:\\"));
  });
  HMENU native = menu.BuildNative(false);
  HMENU submenu = ::GetSubMenu(native, 0);
  LRESULT result = -1;
  EXPECT_TRUE(menu.HandleMenuMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(submenu), 0, result));
  EXPECT_EQ(TrackerGuard::Describe(native), (std::vector<String>{"Recent [>]", "  C:\\dvd\\VIDEO_TS", "  D:\\"}));
  EXPECT_FALSE(menu.HandleMenuMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(native), 0, result))
      << "the menu itself stands for no item";
  ::DestroyMenu(native);
}
