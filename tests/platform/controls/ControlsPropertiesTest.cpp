// Properties that tell the control and its children: fonts and colours flow to
// children that take their parent's, and each change sends its control message;
// clicks and double clicks follow the control's style.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "tests/harness/WindowPump.h"

namespace {

template <class Base>
class Listener : public Base {
public:
  explicit Listener(TComponent* owner) : Base(owner) { this->ControlStyle |= csAcceptsControls; }
  std::vector<UINT> seen;
  int clicks = 0, doubleClicks = 0;
  void Click() override { ++clicks; }
  void DblClick() override { ++doubleClicks; }

protected:
  void Dispatch(TMessage& message) override {
    if (message.Msg >= CM_BASE && message.Msg < CN_BASE) seen.push_back(message.Msg);
    Base::Dispatch(message);
  }
};

using WinListener = Listener<TCustomControl>;
using GraphicListener = Listener<TGraphicControl>;

bool Saw(const std::vector<UINT>& seen, UINT msg) { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }

}  // namespace

TEST(ControlsProperties, FontsAndColoursFlowToChildrenThatTakeTheirParents) {
  TForm* form = NewForm<TForm>(nullptr);
  auto panel = new WinListener(form);
  panel->SetParent(form);
  auto follower = new GraphicListener(form);
  follower->SetParent(panel);
  auto own = new GraphicListener(form);
  own->SetParent(panel);
  own->Font()->SetName("Courier New");  // a font of its own ends ParentFont
  own->SetColor(clYellow);              // likewise its colour
  EXPECT_FALSE(own->ParentFont());
  follower->SetParentColor(true);

  panel->Font()->SetName("Arial");
  panel->Font()->SetHeight(-14);
  panel->SetColor(clNavy);
  EXPECT_EQ(follower->Font()->Name(), "Arial");
  EXPECT_EQ(follower->Font()->Height(), -14);
  EXPECT_TRUE(follower->ParentFont());
  EXPECT_EQ(follower->Color(), clNavy);
  EXPECT_EQ(own->Font()->Name(), "Courier New");
  EXPECT_EQ(own->Color(), clYellow);
  EXPECT_TRUE(Saw(follower->seen, CM_PARENTFONTCHANGED));
  EXPECT_TRUE(Saw(follower->seen, CM_FONTCHANGED));
  EXPECT_TRUE(Saw(follower->seen, CM_COLORCHANGED));

  // A child placed later takes the parent's at once; ParentFont back on copies it.
  auto late = new GraphicListener(form);
  late->SetParent(panel);
  EXPECT_EQ(late->Font()->Name(), "Arial");
  own->SetParentFont(true);
  EXPECT_EQ(own->Font()->Name(), "Arial");
  delete form;
}

TEST(ControlsProperties, EachChangeSendsItsControlMessage) {
  TForm* form = NewForm<TForm>(nullptr);
  auto control = new WinListener(form);
  control->SetParent(form);
  struct Case {
    const char* name;
    std::function<void()> change;
    UINT expected;
  } cases[] = {
      {"caption", [&] { control->SetCaption("Start"); }, CM_TEXTCHANGED},
      {"enabled", [&] { control->SetEnabled(false); }, CM_ENABLEDCHANGED},
      {"visible", [&] { control->SetVisible(false); }, CM_VISIBLECHANGED},
      {"colour", [&] { control->SetColor(clRed); }, CM_COLORCHANGED},
      {"font", [&] { control->Font()->SetStyle(fsBold); }, CM_FONTCHANGED},
      {"cursor", [&] { control->SetCursor(crHandPoint); }, CM_CURSORCHANGED},
  };
  for (const Case& c : cases) {
    control->seen.clear();
    c.change();
    EXPECT_TRUE(Saw(control->seen, c.expected)) << c.name;
    control->seen.clear();
    c.change();  // the same value again says nothing
    EXPECT_FALSE(Saw(control->seen, c.expected)) << c.name << " unchanged";
  }
  EXPECT_EQ(control->Caption(), "Start");
  form->HandleNeeded();
  EXPECT_FALSE(::IsWindowEnabled(control->Handle()));
  char text[16] = {};
  ::GetWindowTextA(control->Handle(), text, sizeof(text));
  EXPECT_STREQ(text, "Start");
  delete form;
}

TEST(ControlsProperties, ClicksAndDoubleClicksFollowTheControlStyle) {
  TForm* form = NewForm<TForm>(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 100, 50);
  auto swatch = new GraphicListener(form);
  swatch->SetBounds(10, 10, 20, 20);
  swatch->SetParent(form);
  form->Show();
  struct Case {
    TControlStyle style;
    int clicks, doubleClicks;
  } cases[] = {
      {csCaptureMouse | csClickEvents | csDoubleClicks, 1, 1},
      {csCaptureMouse | csClickEvents, 2, 0},  // a second press is a press
      {csCaptureMouse, 0, 0},
  };
  for (const Case& c : cases) {
    swatch->ControlStyle = c.style;
    swatch->clicks = swatch->doubleClicks = 0;
    PostMouse(swatch, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    PostMouse(swatch, WM_LBUTTONUP, 5, 5);
    PostMouse(swatch, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    PostMouse(swatch, WM_LBUTTONUP, 5, 5);
    PumpMessages();
    EXPECT_EQ(swatch->clicks, c.clicks) << "style " << c.style;
    EXPECT_EQ(swatch->doubleClicks, c.doubleClicks) << "style " << c.style;
  }
  delete form;
}
