// What controls take from menus, actions, the screen and the hint window: a
// right click pops the control's menu up, an action gives its caption and runs on
// a click, custom cursors show over their controls, frames hold aligned controls
// and hints show in the hint window.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "tests/harness/WindowPump.h"

namespace {

// Records where it was asked to pop up instead of tracking a real menu.
class RecordingMenu : public TPopupMenu {
public:
  using TPopupMenu::TPopupMenu;
  std::vector<TPoint> popups;
  void Popup(int x, int y) override {
    DoPopup(this);
    popups.push_back(TPoint{x, y});
  }
};

class Panel : public TCustomControl {
public:
  explicit Panel(TComponent* owner) : TCustomControl(owner) { ControlStyle |= csAcceptsControls; }
};

class Swatch : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
};

struct Scene {
  TForm* form;
  Panel* panel;
  Swatch* swatch;
};

Scene MakeScene() {
  Scene s{};
  s.form = NewForm<TForm>(nullptr);
  s.form->SetBorderStyle(bsNone);
  s.form->SetBounds(0, 0, 200, 100);
  s.panel = new Panel(s.form);
  s.panel->SetBounds(100, 0, 100, 100);
  s.panel->SetParent(s.form);
  s.swatch = new Swatch(s.form);
  s.swatch->SetBounds(10, 10, 20, 20);
  s.swatch->SetParent(s.form);
  ::SetCursorPos(1000, 900);  // the system's cursor away from the form to begin with
  s.form->Show();
  PumpMessages();
  return s;
}

struct Handlers : TObject {
  std::vector<TObject*> executed;
  void ActExecute(TObject* sender) { executed.push_back(sender); }
};

}  // namespace

TEST(ControlsMenuAction, ARightClickPopsUpTheMenuOfTheControlUnderTheMouse) {
  Scene s = MakeScene();
  auto menu = new RecordingMenu(s.form);
  int opened = 0;
  menu->OnPopup = TNotifyEvent::Function([&](TObject*) { ++opened; });
  s.swatch->SetPopupMenu(menu);
  s.panel->SetPopupMenu(menu);

  // A windowless control: the release of the right button over it.
  PostMouse(s.swatch, WM_RBUTTONDOWN, 4, 6, MK_RBUTTON);
  PostMouse(s.swatch, WM_RBUTTONUP, 4, 6);
  PumpMessages();
  ASSERT_EQ(menu->popups.size(), 1u);
  EXPECT_EQ(menu->popups[0], s.swatch->ClientToScreen(TPoint{4, 6}));
  EXPECT_EQ(menu->PopupComponent(), s.swatch);

  // A windowed control: WM_CONTEXTMENU at a screen point.
  const TPoint at = s.panel->ClientToScreen(TPoint{30, 40});
  ::SendMessageA(s.panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(s.panel->Handle()),
                 MAKELPARAM(at.X, at.Y));
  ASSERT_EQ(menu->popups.size(), 2u);
  EXPECT_EQ(menu->popups[1], at);
  EXPECT_EQ(menu->PopupComponent(), s.panel);
  EXPECT_EQ(opened, 2);

  // Without AutoPopup the control leaves the menu alone; a freed menu is forgotten.
  menu->AutoPopup = false;
  ::SendMessageA(s.panel->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(at.X, at.Y));
  EXPECT_EQ(menu->popups.size(), 2u);
  delete menu;
  EXPECT_EQ(s.swatch->PopupMenu(), nullptr);
  EXPECT_EQ(s.panel->PopupMenu(), nullptr);
  ::SendMessageA(s.panel->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(at.X, at.Y));
  delete s.form;
}

TEST(ControlsMenuAction, AnActionGivesItsCaptionAndRunsOnAClick) {
  Scene s = MakeScene();
  Handlers handlers;
  auto list = new TActionList(s.form);
  auto action = new TAction(s.form);
  action->SetActionList(list);
  action->SetCaption("To MP3");
  action->SetHint("Convert to MP3");
  action->SetOnExecute(TNotifyEvent(&handlers, &Handlers::ActExecute));

  s.swatch->SetAction(action);
  EXPECT_EQ(s.swatch->Caption(), "To MP3");
  EXPECT_EQ(s.swatch->Hint(), "Convert to MP3");
  PostClick(s.swatch, 3, 3);
  PumpMessages();
  EXPECT_EQ(handlers.executed, (std::vector<TObject*>{action}));

  // Changes of the action follow until the control shows something of its own.
  action->SetCaption("To WMA");
  EXPECT_EQ(s.swatch->Caption(), "To WMA");
  action->SetEnabled(false);
  EXPECT_FALSE(s.swatch->Enabled());
  action->SetEnabled(true);
  s.swatch->SetCaption("Mine");
  action->SetCaption("To AAC");
  EXPECT_EQ(s.swatch->Caption(), "Mine");

  // A handler of the control's own wins over the action.
  int ownClicks = 0;
  s.swatch->OnClick = TNotifyEvent::Function([&](TObject*) { ++ownClicks; });
  s.swatch->Click();
  EXPECT_EQ(ownClicks, 1);
  EXPECT_EQ(handlers.executed.size(), 1u);

  delete action;
  EXPECT_EQ(s.swatch->Action(), nullptr);
  s.swatch->Click();
  EXPECT_EQ(ownClicks, 2);
  delete s.form;
}

TEST(ControlsMenuAction, CustomCursorsShowOverTheirControlsUnlessTheScreenHasOne) {
  Scene s = MakeScene();
  HCURSOR custom = reinterpret_cast<HCURSOR>(::CopyIcon(reinterpret_cast<HICON>(::LoadCursorA(nullptr, IDC_CROSS))));
  Screen.SetCursors(5, custom);
  EXPECT_EQ(Screen.Cursors(5), custom);
  s.panel->SetCursor(5);
  auto setCursor = [&] {
    ::SendMessageA(s.panel->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(s.panel->Handle()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
  };
  EXPECT_EQ(setCursor(), custom);
  Screen.SetCursor(crHourGlass);
  EXPECT_EQ(setCursor(), Screen.Cursors(crHourGlass));
  Screen.SetCursor(crDefault);
  EXPECT_EQ(setCursor(), custom);
  EXPECT_EQ(Screen.Cursors(crHourGlass), ::LoadCursorA(nullptr, IDC_WAIT));
  Screen.SetCursors(5, nullptr);  // taken out (and destroyed)
  EXPECT_EQ(Screen.Cursors(5), ::LoadCursorA(nullptr, IDC_ARROW));
  delete s.form;
}

TEST(ControlsMenuAction, FramesHoldAlignedControlsAndHintsShowInTheHintWindow) {
  Scene s = MakeScene();
  auto frame = new TFrame(s.form);
  frame->SetBounds(35, 0, 60, 60);  // beside the swatch, whose hint shows below
  frame->SetParent(s.form);
  auto inside = new Panel(s.form);
  inside->SetAlign(alBottom);
  inside->SetHeight(15);
  inside->SetParent(frame);
  EXPECT_EQ(inside->BoundsRect(), Bounds(0, 45, 60, 15));
  EXPECT_EQ(frame->Color(), s.form->Color()) << "a frame takes its parent's colour";

  s.panel->SetHint("Open a DVD folder");
  s.panel->SetShowHint(true);
  Application.ActivateHint(s.panel, TPoint{120, 30});
  THintWindow* hint = Application.HintWindow();
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(::IsWindowVisible(hint->Handle()));
  EXPECT_EQ(hint->Caption(), "Open a DVD folder");

  Application.OnShowHint = TShowHintEvent::Function([](String& text, bool& canShow, THintInfo& info) {
    canShow = info.HintControl->Hint() != "Open a DVD folder";
  });
  Application.ActivateHint(s.panel, TPoint{120, 30});
  EXPECT_FALSE(::IsWindowVisible(hint->Handle())) << "OnShowHint may refuse the hint";
  Application.OnShowHint = nullptr;

  // Resting on a control with a hint shows it after the pause; a press hides it.
  const int pause = Application.HintPause;
  Application.HintPause = 1;
  s.swatch->SetHint("Preview");
  s.swatch->SetShowHint(true);
  const TPoint over = s.swatch->ClientToScreen(TPoint{5, 5});
  ::SetCursorPos(over.X, over.Y);  // the system tracks the mouse by its real cursor
  PostMouse(s.swatch, WM_MOUSEMOVE, 5, 5);
  EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(hint->Handle()) && hint->Caption() == "Preview"; }));
  PostMouse(s.swatch, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PostMouse(s.swatch, WM_LBUTTONUP, 5, 5);
  PumpMessages();
  EXPECT_FALSE(::IsWindowVisible(hint->Handle()));
  Application.HintPause = pause;
  delete s.form;
}

TEST(ControlsMenuAction, ShortcutsGoToTheFormThenItsMenuBarThenItsActions) {
  Scene s = MakeScene();
  std::vector<String> ran;
  auto list = new TActionList(s.form);
  auto action = new TAction(s.form);
  action->SetActionList(list);
  action->SetShortCut(ShortCut(VK_F1, 0));
  action->SetOnExecute(TNotifyEvent::Function([&](TObject*) { ran.push_back("action F1"); }));
  auto menu = new TMainMenu(s.form);
  auto item = new TMenuItem(s.form);
  item->SetCaption("&Help");
  item->SetShortCut(ShortCut(VK_F2, 0));
  item->OnClick = TNotifyEvent::Function([&](TObject*) { ran.push_back("menu F2"); });
  menu->Items()->Add(item);
  const int clientHeight = s.form->ClientHeight();
  s.form->SetMenu(menu);
  EXPECT_EQ(::GetMenu(s.form->Handle()), menu->Handle());
  EXPECT_EQ(s.form->ClientHeight(), clientHeight) << "the bar comes on top of the client area";
  s.form->OnShortCut = TShortCutEvent::Function([&](TMessage& message, bool& handled) {
    handled = message.WParam == VK_F3;
    if (handled) ran.push_back("form F3");
  });
  int keyDowns = 0;
  s.panel->OnKeyDown = TKeyEvent::Function([&](TObject*, Word&, TShiftState) { ++keyDowns; });
  for (Word key : {VK_F3, VK_F2, VK_F1, VK_F4}) PostKey(s.panel->Handle(), key);
  PumpMessages();
  EXPECT_EQ(ran, (std::vector<String>{"form F3", "menu F2", "action F1"}));
  EXPECT_EQ(keyDowns, 1) << "only F4 reaches the control";

  delete menu;
  EXPECT_EQ(s.form->Menu(), nullptr);
  delete s.form;
}
