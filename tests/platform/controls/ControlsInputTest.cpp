// Mouse and keyboard: enter and leave for windowed and windowless controls,
// capture by controls that capture, windowless controls reached through their
// parent, CM_CANCELMODE on a press elsewhere, focus moves with CM_ENTER, CM_EXIT
// and CM_FOCUSCHANGED, and the dialog keys and characters a control leaves to
// its form.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "tests/harness/WindowPump.h"

namespace {

std::vector<String> journal;

String MessageName(UINT msg) {
  switch (msg) {
    case CM_MOUSEENTER: return "enter";
    case CM_MOUSELEAVE: return "leave";
    case CM_CANCELMODE: return "cancelmode";
    case CM_ENTER: return "cm-enter";
    case CM_EXIT: return "cm-exit";
    default: return "";
  }
}

// Writes the messages it cares about into the journal as "<name> <message>".
template <class Base>
class Probe : public Base {
public:
  explicit Probe(TComponent* owner) : Base(owner) {}
  std::vector<String> moves;
  int clicks = 0;
  TControl* cancelSender = nullptr;
  TControl* focusNotice = nullptr;
  bool wantsEnter = false;
  char accelerator = 0;
  int accelerated = 0;

  void Click() override {
    ++clicks;
    Base::Click();
  }

protected:
  void Dispatch(TMessage& message) override {
    String name = MessageName(message.Msg);
    if (!name.empty()) journal.push_back(this->Name() + " " + name);
    if (message.Msg == CM_CANCELMODE) cancelSender = MessageSender(message);
    if (message.Msg == CM_FOCUSCHANGED) focusNotice = MessageSender(message);
    if (message.Msg == CM_WANTSPECIALKEY && wantsEnter && message.WParam == VK_RETURN) {
      message.Result = 1;
      return;
    }
    if (message.Msg == CM_DIALOGCHAR && accelerator && toupper(static_cast<int>(message.WParam)) == accelerator) {
      ++accelerated;
      message.Result = 1;
      return;
    }
    if (message.Msg == CM_DIALOGKEY && message.WParam == VK_RETURN && this->Name() == "btnDefault") {
      Click();
      message.Result = 1;
      return;
    }
    Base::Dispatch(message);
  }
  void MouseMove(TShiftState shift, int x, int y) override {
    moves.push_back(std::to_string(x) + "," + std::to_string(y));
    Base::MouseMove(shift, x, y);
  }
};

using WinProbe = Probe<TCustomControl>;
using GraphicProbe = Probe<TGraphicControl>;

template <class C>
C* Make(TForm* form, TWinControl* parent, const char* name, const TRect& bounds) {
  C* control = new C(form);
  control->SetName(name);
  control->SetBoundsRect(bounds);
  control->SetParent(parent);
  return control;
}

struct Scene {
  TForm* form;
  WinProbe* panel;      // windowed, at (100, 0)
  GraphicProbe* swatch; // windowless on the form, at (10, 10)
  GraphicProbe* inner;  // windowless on the panel, at (5, 5)
};

class FormProbe : public Probe<TForm> {
public:
  using Probe<TForm>::Probe;
};

Scene MakeScene() {
  journal.clear();
  // Nothing an earlier test left: no control holding or under the mouse, no hint pending.
  SetCaptureControl(nullptr);
  SetMouseControl(nullptr);
  Application.CancelHint();
  Scene s{};
  FormProbe* form = NewForm<FormProbe>(nullptr);
  form->SetName("form");
  s.form = form;
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 200, 100);
  s.panel = Make<WinProbe>(form, form, "panel", Bounds(100, 0, 100, 100));
  s.swatch = Make<GraphicProbe>(form, form, "swatch", Bounds(10, 10, 20, 20));
  s.inner = Make<GraphicProbe>(form, s.panel, "inner", Bounds(5, 5, 20, 20));
  ::SetCursorPos(1000, 900);  // the system's cursor away from the form to begin with
  form->Show();
  PumpMessages();
  journal.clear();
  return s;
}

// The system's cursor goes there too: the system tells a window that the mouse
// left it by where the cursor really is.
void Move(TControl* control, int x, int y) {
  const TPoint screen = control->ClientToScreen(TPoint{x, y});
  ::SetCursorPos(screen.X, screen.Y);
  PostMouse(control, WM_MOUSEMOVE, x, y);
  PumpMessages();
}

}  // namespace

TEST(ControlsInput, MouseEnterAndLeaveReachWindowedAndWindowlessControls) {
  Scene s = MakeScene();
  struct Step {
    TControl* target;
    int x, y;
    std::vector<String> expected;
  } steps[] = {
      {s.swatch, 5, 5, {"swatch enter"}},
      {s.swatch, 6, 6, {}},  // moving inside says nothing
      {s.form, 50, 50, {"swatch leave", "form enter"}},
      {s.panel, 50, 50, {"form leave", "panel enter"}},
      {s.inner, 2, 2, {"panel leave", "inner enter"}},
  };
  for (const Step& step : steps) {
    journal.clear();
    Move(step.target, step.x, step.y);
    EXPECT_EQ(journal, step.expected) << "move to " << step.target->Name();
  }
  // The system says the mouse left the panel's window.
  journal.clear();
  ::PostMessageA(s.panel->Handle(), WM_MOUSELEAVE, 0, 0);
  PumpMessages();
  EXPECT_EQ(journal, (std::vector<String>{"inner leave"}));
  EXPECT_EQ(MouseControl(), nullptr);

  // A control that goes leaves no mark behind.
  Move(s.swatch, 1, 1);
  EXPECT_EQ(MouseControl(), s.swatch);
  delete s.swatch;
  EXPECT_EQ(MouseControl(), nullptr);
  delete s.form;
}

TEST(ControlsInput, ACapturingWindowlessControlKeepsTheMouseUntilRelease) {
  Scene s = MakeScene();
  // Pressed, dragged out and released outside: moves reach the control, no click.
  PostMouse(s.swatch, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PumpMessages();
  EXPECT_EQ(GetCaptureControl(), s.swatch);
  EXPECT_EQ(::GetCapture(), s.form->Handle());
  PostMouse(s.form, WM_MOUSEMOVE, 60, 50, MK_LBUTTON);
  PostMouse(s.form, WM_LBUTTONUP, 60, 50);
  PumpMessages();
  ASSERT_FALSE(s.swatch->moves.empty());  // the system may add moves of its own
  EXPECT_EQ(s.swatch->moves.back(), "50,40");
  EXPECT_EQ(s.swatch->clicks, 0);
  EXPECT_EQ(GetCaptureControl(), nullptr);

  // Pressed and released inside: a click.
  PostClick(s.swatch, 3, 3);
  PumpMessages();
  EXPECT_EQ(s.swatch->clicks, 1);

  // Without csCaptureMouse the form keeps what happens over it.
  s.swatch->ControlStyle &= ~csCaptureMouse;
  s.swatch->moves.clear();
  PostMouse(s.swatch, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PostMouse(s.form, WM_MOUSEMOVE, 60, 50, MK_LBUTTON);
  PostMouse(s.form, WM_LBUTTONUP, 60, 50);
  PumpMessages();
  EXPECT_EQ(std::find(s.swatch->moves.begin(), s.swatch->moves.end(), "50,40"), s.swatch->moves.end());
  EXPECT_EQ(s.swatch->clicks, 1);
  delete s.form;
}

TEST(ControlsInput, APressElsewhereCancelsTheActiveControlsMode) {
  Scene s = MakeScene();
  s.panel->SetTabStop(true);
  s.form->SetActiveControl(s.panel);
  PostMouse(s.swatch, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  PostMouse(s.swatch, WM_LBUTTONUP, 5, 5);
  PumpMessages();
  EXPECT_NE(std::find(journal.begin(), journal.end(), "panel cancelmode"), journal.end());
  EXPECT_EQ(s.panel->cancelSender, s.swatch);
  delete s.form;
}

TEST(ControlsInput, TabMovesTheFocusInTabOrderWithEnterExitAndFocusChanged) {
  Scene s = MakeScene();
  auto first = Make<WinProbe>(s.form, s.form, "first", Bounds(0, 40, 30, 20));
  auto second = Make<WinProbe>(s.form, s.form, "second", Bounds(30, 40, 30, 20));
  auto skipped = Make<WinProbe>(s.form, s.form, "skipped", Bounds(60, 40, 30, 20));
  for (WinProbe* c : {first, second}) c->SetTabStop(true);
  second->SetTabOrder(0);  // second comes first now
  EXPECT_LT(second->TabOrder(), first->TabOrder());

  second->SetFocus();
  PumpMessages();
  ASSERT_TRUE(second->Focused());
  journal.clear();
  PostKey(second->Handle(), VK_TAB);
  PumpMessages();
  EXPECT_TRUE(first->Focused());
  EXPECT_EQ(s.form->ActiveControl(), first);
  EXPECT_EQ(journal, (std::vector<String>{"second cm-exit", "first cm-enter"}));
  EXPECT_EQ(skipped->focusNotice, first) << "every control hears of the new focus";
  EXPECT_EQ(s.panel->focusNotice, first);

  // A focused control that is hidden hands the focus back to its form.
  first->Hide();
  EXPECT_NE(s.form->ActiveControl(), first);

  // A focused control that goes is told nothing more and leaves no pointer behind.
  second->SetFocus();
  PumpMessages();
  journal.clear();
  const TWinControl* gone = second;
  delete second;
  PumpMessages();
  EXPECT_EQ(journal, std::vector<String>{});
  EXPECT_NE(s.form->ActiveControl(), gone);
  delete s.form;
}

TEST(ControlsInput, DialogKeysAndCharactersGoToTheFormUnlessTheControlWantsThem) {
  Scene s = MakeScene();
  auto edit = Make<WinProbe>(s.form, s.form, "edit", Bounds(0, 40, 30, 20));
  auto button = Make<WinProbe>(s.form, s.form, "btnDefault", Bounds(30, 40, 30, 20));
  auto label = Make<GraphicProbe>(s.form, s.form, "lblPreview", Bounds(60, 40, 30, 20));
  label->accelerator = 'P';
  edit->SetTabStop(true);
  edit->SetFocus();
  int keyDowns = 0;
  edit->OnKeyDown = TKeyEvent::Function([&](TObject*, Word& key, TShiftState) { keyDowns += key == VK_RETURN; });

  PostKey(edit->Handle(), VK_RETURN);
  PumpMessages();
  EXPECT_EQ(button->clicks, 1) << "Enter goes to the default button";
  EXPECT_EQ(keyDowns, 0);

  edit->wantsEnter = true;  // CM_WANTSPECIALKEY keeps Enter in the control
  PostKey(edit->Handle(), VK_RETURN);
  PumpMessages();
  EXPECT_EQ(button->clicks, 1);
  EXPECT_EQ(keyDowns, 1);

  ::PostMessageA(edit->Handle(), WM_CHAR, 'p', 1);
  ::PostMessageA(edit->Handle(), WM_SYSCHAR, 'P', 1 | (1 << 29));
  PumpMessages();
  EXPECT_EQ(label->accelerated, 2) << "the accelerator character reaches the control that has it";
  delete s.form;
}
