// Windows of controls: messages sent while CreateWindowEx runs reach the object,
// the replaceable window procedure chains, a window is made again with its text
// and children, and windowless and windowed controls paint through their canvas.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

namespace {

class Recording : public TCustomControl {
public:
  explicit Recording(TComponent* owner) : TCustomControl(owner) { ControlStyle |= csAcceptsControls; }
  std::vector<UINT> seen;
  bool boundDuringCreate = false;
  TColor fill = clRed;

protected:
  void Dispatch(TMessage& message) override {
    seen.push_back(message.Msg);
    if (message.Msg == WM_NCCREATE) boundDuringCreate = HandleAllocated();
    TCustomControl::Dispatch(message);
  }
  void Paint() override {
    Canvas()->Brush()->SetColor(fill);
    Canvas()->FillRect(ClientRect());
  }
};

class Swatch : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;

protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clBlue);
    Canvas()->FillRect(ClientRect());
  }
};

// A component that takes over a control's window procedure, as the skinned
// form does, and gives it back when it goes.
class Hook : public TObject {
public:
  explicit Hook(TControl* control) : control_(control) {
    old_ = control->WindowProc;
    control->WindowProc = TWndMethod(this, &Hook::NewWndProc);
  }
  ~Hook() override { control_->WindowProc = old_; }
  std::vector<UINT> seen;

  void NewWndProc(TMessage& message) {
    seen.push_back(message.Msg);
    if (message.Msg == WM_USER + 7) {
      message.Result = 42;  // answered here, never passed on
      return;
    }
    old_(message);
  }

private:
  TControl* control_;
  TWndMethod old_;
};

bool Has(const std::vector<UINT>& list, UINT msg) { return std::find(list.begin(), list.end(), msg) != list.end(); }

}  // namespace

TEST(ControlsWindow, MessagesDuringCreationReachTheControl) {
  TForm* form = NewForm<TForm>(nullptr);
  auto control = new Recording(form);
  control->SetParent(form);
  form->HandleNeeded();
  ASSERT_TRUE(control->HandleAllocated());
  EXPECT_TRUE(control->boundDuringCreate);
  EXPECT_TRUE(Has(control->seen, WM_NCCREATE));
  EXPECT_TRUE(Has(control->seen, WM_CREATE));
  EXPECT_EQ(TWinControl::FindControl(control->Handle()), control);
  delete form;
}

static BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

// A child asked for its window before its form has one gets exactly one: the
// form's window, made on the way, makes the child's; no second, orphaned window
// is left behind to receive paint messages for the object.
TEST(ControlsWindow, AChildAskedFirstGetsOneWindowUnderItsForm) {
  TForm* form = NewForm<TForm>(nullptr);
  auto panel = new Recording(form);
  panel->SetParent(form);
  auto inner = new Recording(form);
  inner->SetParent(panel);
  HWND window = inner->Handle();
  ASSERT_TRUE(form->HandleAllocated());
  EXPECT_EQ(::GetParent(window), panel->Handle());
  EXPECT_EQ(::GetParent(panel->Handle()), form->Handle());
  int panels = 0;
  ::EnumChildWindows(form->Handle(), CountWindow, reinterpret_cast<LPARAM>(&panels));
  EXPECT_EQ(panels, 2);  // the panel and the control inside it
  delete form;
}

TEST(ControlsWindow, AReplacedWindowProcedureSeesEveryMessageAndChains) {
  TForm* form = NewForm<TForm>(nullptr);
  auto control = new Recording(form);
  control->SetParent(form);
  form->HandleNeeded();
  {
    Hook hook(control);
    EXPECT_EQ(::SendMessageA(control->Handle(), WM_USER + 7, 0, 0), 42);
    EXPECT_EQ(control->Perform(WM_USER + 7), 42);
    control->seen.clear();
    control->SetText("Preview");  // WM_SETTEXT passes the hook to the control
    EXPECT_TRUE(Has(hook.seen, WM_SETTEXT));
    EXPECT_TRUE(Has(control->seen, WM_SETTEXT));
    EXPECT_FALSE(Has(control->seen, WM_USER + 7));
    // Made again, the window keeps the hook, the text and the children.
    auto child = new Recording(form);
    child->SetParent(control);
    HWND before = control->Handle();
    hook.seen.clear();
    control->RecreateWnd();
    EXPECT_NE(control->Handle(), before);
    EXPECT_TRUE(Has(hook.seen, WM_NCCREATE));
    EXPECT_EQ(control->Text(), "Preview");
    ASSERT_TRUE(child->HandleAllocated());
    EXPECT_EQ(::GetParent(child->Handle()), control->Handle());
  }
  control->seen.clear();
  EXPECT_EQ(control->Perform(WM_USER + 7), 0);
  EXPECT_TRUE(Has(control->seen, WM_USER + 7));
  delete form;
}

TEST(ControlsWindow, WindowedAndWindowlessControlsPaintOnTheirCanvas) {
  TForm* form = NewForm<TForm>(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetColor(clWhite);
  form->SetBounds(20, 20, 120, 60);
  auto panel = new Recording(form);
  panel->SetBounds(0, 0, 60, 60);
  panel->SetParent(form);
  auto swatch = new Swatch(form);
  swatch->SetBounds(70, 10, 20, 20);
  swatch->SetParent(form);
  auto inner = new Swatch(form);
  inner->SetBounds(10, 10, 10, 10);
  inner->SetParent(panel);
  form->Show();
  form->Update();
  CapturedPixels pixels = CaptureClient(form->Handle());
  ASSERT_EQ(pixels.Width, 120);
  EXPECT_EQ(pixels.At(5, 5), 0xFF0000u) << "the windowed control paints itself";
  EXPECT_EQ(pixels.At(15, 15), 0x0000FFu) << "a windowless child paints on its parent";
  EXPECT_EQ(pixels.At(75, 15), 0x0000FFu);
  EXPECT_EQ(pixels.At(100, 50), 0xFFFFFFu) << "the form's colour erases the rest";

  panel->fill = clLime;
  panel->Repaint();
  pixels = CaptureClient(form->Handle());
  EXPECT_EQ(pixels.At(5, 5), 0x00FF00u);
  delete form;
}

namespace {

// A drop-down list: a pop-up window whose control parent is the control that
// dropped it.
class DropDown : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  int clicks = 0;
  void Click() override { ++clicks; }

protected:
  void CreateParams(TCreateParams& params) override {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WndParent = Application.Handle();
  }
};

}  // namespace

TEST(ControlsWindow, APopupChildHasATopLevelWindowButStaysWithItsParentControl) {
  TForm* form = NewForm<TForm>(nullptr);
  form->SetBounds(10, 10, 200, 100);
  auto combo = new Recording(form);
  combo->SetBounds(0, 0, 100, 20);
  combo->SetParent(form);
  form->Show();
  auto list = new DropDown(form);
  list->SetVisible(false);
  list->SetBounds(300, 200, 80, 60);  // screen coordinates
  list->SetParent(combo);
  list->Show();
  ASSERT_TRUE(list->HandleAllocated());
  EXPECT_EQ(::GetAncestor(list->Handle(), GA_PARENT), ::GetDesktopWindow());
  EXPECT_TRUE(::IsWindowVisible(list->Handle()));
  RECT r;
  ::GetWindowRect(list->Handle(), &r);
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(list->ClientOrigin().X, 301) << "inside its border";
  EXPECT_EQ(list->Parent(), combo);
  EXPECT_EQ(GetParentForm(list), form);

  PostClick(list, 5, 5);
  PumpMessages();
  EXPECT_EQ(list->clicks, 1);
  list->Hide();
  EXPECT_FALSE(::IsWindowVisible(list->Handle()));
  HWND window = list->Handle();
  delete combo;  // the parent control takes its pop-up child with it
  EXPECT_FALSE(::IsWindow(window));
  delete form;
}
