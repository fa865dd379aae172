// Skinned frames on screen: a form definition with a frame component and
// standard controls, read with the real reader and shown with VARNEL; the
// active and inactive frame, hovered and pressed caption buttons, sizes and
// the maximized frame, captured for looking at (frame-captures/ in the working
// folder); skin changes over three forms; giving the window procedure back;
// and windows and timers left behind by many forms.
#include <gtest/gtest.h>

#include "platform/controls/Screen.h"
#include "platform/core/FileUtils.h"
#include "platform/published/FormDefinition.h"
#include "platform/stdctrls/ListBox.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/form/SkinCaptionObject.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/data/SkinFixtures.h"
#include "tests/skin/form/FrameFixtures.h"

namespace {

constexpr std::uint32_t kAccent = 0x2563EB, kBorder = 0xC9CED6, kBackground = 0xF3F4F6;
constexpr std::uint32_t kCloseHover = 0xC42B1C, kClosePressed = 0xA32418;

const char* const kMainWindow = R"(object MainWindow: TForm
  Left = 60
  Top = 40
  Width = 820
  Height = 600
  Caption = 'Varnel Revo - frame'
  object SkinData: TspSkinData
  end
  object SkinForm: TspDynamicSkinForm
    SkinData = SkinData
    BorderIcons = [biSystemMenu, biMinimize]
    MinWidth = 800
    MinHeight = 580
  end
  object TitleLabel: TLabel
    Left = 16
    Top = 16
    Width = 200
    Height = 16
    Caption = 'Titles of the disc'
  end
  object NameEdit: TEdit
    Left = 16
    Top = 40
    Width = 240
    Height = 22
    Text = 'VIDEO_TS'
  end
  object Titles: TListBox
    Left = 16
    Top = 72
    Width = 240
    Height = 120
  end
  object ConvertButton: TButton
    Left = 16
    Top = 204
    Width = 96
    Height = 28
    Caption = 'Convert'
  end
end)";

String CaptureFolder() {
  char current[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, current);
  const String folder = String(current) + "\\frame-captures\\";
  ForceDirectories(folder);
  return folder;
}

CapturedPixels Capture(TCustomForm* form, const String& name) {
  PumpMessages();
  CapturedPixels pixels = CaptureWindow(form->Handle());
  pixels.SaveBmp(CaptureFolder() + name + ".bmp");
  return pixels;
}

// A colour as the capture holds it (0x00RRGGBB).
std::uint32_t Captured(TColor color) {
  const std::uint32_t c = ColorToRGB(color);
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

TPoint Center(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

// A skinned control that counts the skin changes it is told about.
class CountingControl : public TspSkinControl {
public:
  using TspSkinControl::TspSkinControl;
  void ChangeSkinData() override {
    ++changes;
    TspSkinControl::ChangeSkinData();
  }
  int changes = 0;
};

}  // namespace

class FrameShow : public ::testing::Test {
protected:
  void SetUp() override { PublishDynamicSkinFormClasses(); }
  TForm* ReadMainWindow() {
    auto* form = new TForm(nullptr);
    ReadComponentText(form, kMainWindow);
    frame = GetDynamicSkinFormComponent(form);
    skin = dynamic_cast<TspSkinData*>(form->FindComponent("SkinData"));
    return form;
  }
  TspDynamicSkinForm* frame = nullptr;
  TspSkinData* skin = nullptr;
};

TEST_F(FrameShow, MainWindowWithVarnel) {
  std::unique_ptr<TForm> form(ReadMainWindow());
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(frame->BorderIcons(), TspBorderIcons(biSystemMenu | biMinimize));
  dynamic_cast<TListBox*>(form->FindComponent("Titles"))->Items()->Add("Title 1  1:42:07");
  ASSERT_TRUE(skin->LoadFromFile(VarnelSkinIni()));
  ASSERT_TRUE(frame->SkinActive());
  form->Show();
  ::SetForegroundWindow(form->Handle());
  ASSERT_TRUE(PumpUntil([&] { return frame->FormActive(); }));
  EXPECT_EQ(form->Width(), 820);
  EXPECT_EQ(form->ClientWidth(), 818) << "1-px borders";
  EXPECT_EQ(form->ClientHeight(), 600 - 30 - 1) << "30-px caption";

  CapturedPixels active = Capture(form.get(), "active");
  EXPECT_EQ(active.At(400, 0), kAccent);
  EXPECT_EQ(active.At(400, 100), kBackground);
  auto* close = dynamic_cast<TspSkinStdButtonObject*>(frame->Objects()[frame->GetIndex("closebutton")].get());
  auto* max = frame->Objects()[frame->GetIndex("maxbutton")].get();
  ASSERT_NE(close, nullptr);
  EXPECT_FALSE(max->Visible) << "the main window has no maximize button";
  EXPECT_EQ(close->ObjectRect.Right, 819);

  // Hover: the pointer over the close button, seen by the mouse timer.
  const TPoint closeAt = Center(close->ObjectRect);
  ::SetCursorPos(form->Left() + closeAt.X, form->Top() + closeAt.Y);
  ASSERT_TRUE(PumpUntil([&] { return close->Active; }));
  CapturedPixels hovered = Capture(form.get(), "hover-close");
  EXPECT_EQ(hovered.At(close->ObjectRect.Left + 2, 3), kCloseHover);
  // Press: a posted non-client press on the button.
  ::PostMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTOBJECT,
                 MAKELPARAM(form->Left() + closeAt.X, form->Top() + closeAt.Y));
  ASSERT_TRUE(PumpUntil([&] { return close->Down; }));
  CapturedPixels pressed = Capture(form.get(), "pressed-close");
  EXPECT_EQ(pressed.At(close->ObjectRect.Left + 2, 3), kClosePressed);
  // Leave before the release: nothing closes.
  ::SetCursorPos(form->Left() + 300, form->Top() + 300);
  ASSERT_TRUE(PumpUntil([&] { return !close->Active; }));
  ::PostMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
  ASSERT_TRUE(PumpUntil([&] { return !close->Down; }));
  EXPECT_TRUE(form->Visible());
  auto* min = frame->Objects()[frame->GetIndex("minbutton")].get();
  const TPoint minAt = Center(min->ObjectRect);
  ::SetCursorPos(form->Left() + minAt.X, form->Top() + minAt.Y);
  ASSERT_TRUE(PumpUntil([&] { return min->Active; }));
  Capture(form.get(), "hover-minimize");

  // Inactive: another window takes the activation.
  ::SetCursorPos(0, 1000);
  auto* other = NewForm<TForm>(nullptr);
  other->SetBounds(900, 700, 200, 100);
  other->Show();
  ::SetForegroundWindow(other->Handle());
  ASSERT_TRUE(PumpUntil([&] { return !frame->FormActive(); }));
  CapturedPixels inactive = Capture(form.get(), "inactive");
  EXPECT_EQ(inactive.At(400, 0), kBorder);
  delete other;
  ::SetForegroundWindow(form->Handle());
  PumpUntil([&] { return frame->FormActive(); });

  // Three sizes and maximized.
  const TSize sizes[] = {{800, 580}, {1000, 700}, {1200, 900}};
  for (const TSize& size : sizes) {
    form->SetBounds(20, 20, size.cx, size.cy);
    CapturedPixels shot = Capture(form.get(), "size-" + std::to_string(size.cx));
    EXPECT_EQ(shot.Width, size.cx);
    EXPECT_EQ(shot.At(size.cx - 1, size.cy / 2), kBorder) << "right border";
    EXPECT_EQ(shot.At(size.cx / 2, size.cy - 1), kBorder) << "bottom border";
    EXPECT_EQ(close->ObjectRect.Right, size.cx - 1);
  }
  frame->SetWindowState(wsMaximized);
  CapturedPixels maximized = Capture(form.get(), "maximized");
  const TRect work = Screen.WorkAreaRect();
  EXPECT_GE(maximized.Width, work.Width() - 2);
  frame->SetWindowState(wsNormal);
}

// A dialog without sizing and with the system menu only, and the sizeable
// crop dialog that maximizes.
TEST_F(FrameShow, Dialogs) {
  TspSkinData data(nullptr);
  ASSERT_TRUE(data.LoadFromFile(VarnelSkinIni()));
  FrameForm dialog(nullptr, {100, 100, 460, 300});
  dialog.form->SetBorderStyle(bsDialog);
  dialog.form->SetCaption("Settings");
  dialog.frame->Sizeable = false;
  dialog.frame->SetBorderIcons(biSystemMenu);
  dialog.frame->SetSkinData(&data);
  dialog.Activate();
  EXPECT_EQ(dialog.frame->NewNCHitTest(Point(0, 100)), HTOBJECT) << "no grips";
  EXPECT_EQ(dialog.frame->NewNCHitTest(Point(100, 10)), HTCAPTION);
  int visibleButtons = 0;
  for (auto& o : dialog.frame->Objects())
    if (dynamic_cast<TspSkinStdButtonObject*>(o.get()) && o->Visible && o->skinrectinapicture) ++visibleButtons;
  EXPECT_EQ(visibleButtons, 1) << "close only";
  dialog.frame->CaptionDoubleClick();
  EXPECT_EQ(dialog.frame->WindowState(), wsNormal);
  Capture(dialog.form, "dialog");

  FrameForm crop(nullptr, {200, 150, 700, 550});
  crop.form->SetCaption("Crop");
  crop.frame->SetBorderIcons(biSystemMenu | biMaximize);
  crop.frame->SetSkinData(&data);
  crop.Activate();
  EXPECT_EQ(crop.frame->NewNCHitTest(Point(699, 399)), HTBOTTOMRIGHT);
  crop.frame->CaptionDoubleClick();
  EXPECT_EQ(crop.frame->WindowState(), wsMaximized);
  Capture(crop.form, "crop-maximized");
  crop.frame->CaptionDoubleClick();
  EXPECT_EQ(crop.form->BoundsRect(), Rect(200, 150, 700, 550));
}

// Three forms follow the container through VARNEL, STRESS, no skin and VARNEL
// again, and through skinning switched off and on: every step repaints each
// form, rebuilds its objects and tells its skinned control once.
TEST_F(FrameShow, SkinChangesReachEveryForm) {
  TspSkinData data(nullptr);
  std::vector<std::unique_ptr<FrameForm>> forms;
  std::vector<CountingControl*> controls;
  for (int i = 0; i < 3; ++i) {
    forms.push_back(std::make_unique<FrameForm>(&data, TRect{50 + 260 * i, 60, 300 + 260 * i, 260}));
    auto* control = new CountingControl(forms.back()->form);
    control->SetParent(forms.back()->form);
    control->SetBounds(10, 10, 40, 20);
    control->SetSkinData(&data);
    controls.push_back(control);
    forms.back()->form->Show();
  }
  auto clientPixel = [](FrameForm& f) {
    CapturedPixels shot = CaptureWindow(f.form->Handle());
    POINT origin = {0, 0};
    ::ClientToScreen(f.form->Handle(), &origin);
    return shot.At(origin.x - f.form->Left() + 120, origin.y - f.form->Top() + 150);
  };
  struct Step {
    const char* what;
    std::function<void()> run;
    std::function<void(FrameForm&)> check;
  } steps[] = {
      {"VARNEL", [&] { ASSERT_TRUE(data.LoadFromFile(VarnelSkinIni())); },
       [&](FrameForm& f) {
         EXPECT_EQ(clientPixel(f), kBackground);
         EXPECT_GT(f.frame->Objects().size(), 4u);
       }},
      {"STRESS", [&] { ASSERT_TRUE(data.LoadFromFile(StressSkinIni())); },
       [&](FrameForm& f) {
         const std::uint32_t p = clientPixel(f);
         EXPECT_GT(p & 0xFF, (p >> 16) & 0xFF) << "the blue backdrop";
         EXPECT_NE(f.frame->FormRegion(), nullptr) << "shaped by the mask";
         EXPECT_GE(f.frame->GetIndex("anim"), 0);
       }},
      {"no skin", [&] { data.ClearSkin(); },
       [&](FrameForm& f) {
         EXPECT_EQ(clientPixel(f), Captured(clBtnFace));
         EXPECT_FALSE(f.frame->SkinActive());
         CapturedPixels shot = CaptureWindow(f.form->Handle());
         EXPECT_NE(shot.At(100, 0), kAccent);
       }},
      {"VARNEL again", [&] { ASSERT_TRUE(data.LoadFromFile(VarnelSkinIni())); },
       [&](FrameForm& f) { EXPECT_EQ(clientPixel(f), kBackground); }},
      {"skinning off", [&] { data.SetSkinnableForm(false); },
       [&](FrameForm& f) {
         EXPECT_FALSE(f.frame->SkinnableForm());
         EXPECT_TRUE(f.frame->Objects().empty());
       }},
      {"skinning on", [&] { data.SetSkinnableForm(true); },
       [&](FrameForm& f) {
         EXPECT_TRUE(f.frame->SkinnableForm());
         EXPECT_EQ(clientPixel(f), kBackground);
         EXPECT_FALSE(f.frame->Objects().empty());
       }},
  };
  int expected = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.run();
    ++expected;
    PumpMessages();
    for (size_t i = 0; i < forms.size(); ++i) {
      step.check(*forms[i]);
      EXPECT_EQ(controls[i]->changes, expected) << "form " << i;
    }
    Capture(forms[0]->form, String("skin-step-") + step.what);
  }
}

// Destroying the component gives the form its window procedure back; the
// form goes on with its standard frame.
TEST_F(FrameShow, DestroyingTheComponentRestoresTheForm) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  EXPECT_EQ(f.form->ClientWidth(), 192);
  delete f.frame;
  f.frame = nullptr;
  f.Clear();
  RECT r = {0, 0, 200, 120};
  f.form->Perform(WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_TRUE(f.Passed(WM_NCCALCSIZE)) << "the form's own procedure answers again";
  f.form->SetBounds(10, 10, 300, 200);
  f.form->Show();
  PumpMessages();
  EXPECT_EQ(f.form->Width(), 300);
  RECT client, frame = {0, 0, 0, 0};
  ::GetClientRect(f.form->Handle(), &client);
  HWND window = f.form->Handle();
  ::AdjustWindowRectEx(&frame, DWORD(::GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                       DWORD(::GetWindowLongPtrA(window, GWL_EXSTYLE)));
  EXPECT_EQ(client.bottom, 200 - (frame.bottom - frame.top)) << "the standard frame is back";
  EXPECT_NE(client.bottom, 200 - 25 - 4);
}

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM param) {
  ++*reinterpret_cast<int*>(param);
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
  ++*reinterpret_cast<int*>(param);
  ::EnumChildWindows(window, CountChild, param);
  return TRUE;
}

int CountThreadWindows() {
  int count = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
  return count;
}

int GuiObjects(DWORD kind) { return int(::GetGuiResources(::GetCurrentProcess(), kind)); }

}  // namespace

// Fifty skinned forms made, shown, hovered and destroyed leave no windows (the
// timers' windows included) and, where the system counts them, no GDI or USER
// objects behind.
TEST_F(FrameShow, FiftyFormsLeaveNothingBehind) {
  TspSkinData data(nullptr);
  ASSERT_TRUE(data.LoadFromFile(StressSkinIni()));
  auto cycle = [&] {
    FrameForm f(&data);
    f.form->Show();
    f.frame->TestMouse(nullptr);
    f.frame->SetWindowState(wsMaximized);
    f.frame->SetWindowState(wsNormal);
    f.frame->SetRollUpState(true);
    f.frame->SetRollUpState(false);
    PumpMessages();
  };
  cycle();  // first use makes the classes and caches
  const int windows = CountThreadWindows();
  const int gdi = GuiObjects(GR_GDIOBJECTS), user = GuiObjects(GR_USEROBJECTS);
  for (int i = 0; i < 50; ++i) cycle();
  PumpMessages();
  EXPECT_EQ(CountThreadWindows(), windows);
  EXPECT_LE(GuiObjects(GR_GDIOBJECTS), gdi);
  EXPECT_LE(GuiObjects(GR_USEROBJECTS), user);
}
