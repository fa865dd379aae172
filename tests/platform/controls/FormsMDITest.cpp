// Multiple-document forms: the frame's client window in the room its aligned
// controls leave, children made inside it in the frame's list, the active child,
// the window menu reference, and children refused without an MDI main form.
#include <gtest/gtest.h>

#include "platform/controls/Application.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/stdctrls/Panel.h"
#include "tests/harness/WindowPump.h"

namespace {

// The application's main form as an MDI frame, for one test.
struct MDIFrame {
  TForm* frame = nullptr;
  MDIFrame() {
    Application.CreateForm(frame);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(0, 0, 500, 400);
  }
  ~MDIFrame() { delete frame; }
  TForm* NewChild(const String& name) {
    TForm* child = NewForm<TForm>(&Application);
    child->SetName(name);
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(10, 10, 200, 150);
    child->Show();
    return child;
  }
};

}  // namespace

TEST(FormsMDI, TheClientFillsWhatTheAlignedControlsLeave) {
  MDIFrame mdi;
  TPanel* top = new TPanel(mdi.frame);
  top->SetParent(mdi.frame);
  top->SetHeight(30);
  top->SetAlign(alTop);
  mdi.frame->Show();
  HWND client = mdi.frame->ClientHandle();
  ASSERT_NE(client, nullptr);
  char name[32] = {};
  ::GetClassNameA(client, name, sizeof name);
  EXPECT_STREQ(name, "MDIClient");
  RECT r;
  ::GetWindowRect(client, &r);
  POINT origin{r.left, r.top};
  ::ScreenToClient(mdi.frame->Handle(), &origin);
  EXPECT_EQ(origin.y, 30);
  EXPECT_EQ(r.right - r.left, mdi.frame->ClientWidth());
  EXPECT_EQ(r.bottom - r.top, mdi.frame->ClientHeight() - 30);

  mdi.frame->SetHeight(300);
  ::GetWindowRect(client, &r);
  EXPECT_EQ(r.bottom - r.top, mdi.frame->ClientHeight() - 30) << "the client follows the frame's size";
}

TEST(FormsMDI, ChildrenLiveInTheClientInTheOrderTheyWereMade) {
  MDIFrame mdi;
  mdi.frame->Show();
  TForm* a = mdi.NewChild("A");
  TForm* b = mdi.NewChild("B");
  TForm* c = mdi.NewChild("C");
  EXPECT_EQ(::GetParent(a->Handle()), mdi.frame->ClientHandle());
  EXPECT_TRUE(::GetWindowLongA(a->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
  ASSERT_EQ(mdi.frame->MDIChildCount(), 3);
  EXPECT_EQ(mdi.frame->MDIChildren(0), a);
  EXPECT_EQ(mdi.frame->MDIChildren(2), c);
  EXPECT_EQ(mdi.frame->ActiveMDIChild(), c) << "the child shown last is active";

  ::SendMessageA(mdi.frame->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a->Handle()), 0);
  EXPECT_EQ(mdi.frame->ActiveMDIChild(), a);

  a->SetWindowState(wsMaximized);
  EXPECT_EQ(a->WindowState(), wsMaximized);
  a->SetWindowState(wsNormal);
  EXPECT_EQ(a->WindowState(), wsNormal);

  delete b;
  ASSERT_EQ(mdi.frame->MDIChildCount(), 2);
  EXPECT_EQ(mdi.frame->MDIChildren(1), c);
  EXPECT_EQ(a->MDIChildCount(), 0) << "only frames list children";
  EXPECT_EQ(a->ActiveMDIChild(), nullptr);
  delete a;
  delete c;
  EXPECT_EQ(mdi.frame->MDIChildCount(), 0);
}

TEST(FormsMDI, ChildrenOutliveTheirFrameWithoutDanglingReferences) {
  TForm* child = nullptr;
  {
    MDIFrame mdi;
    mdi.frame->Show();
    child = mdi.NewChild("Orphan");
    EXPECT_EQ(mdi.frame->MDIChildCount(), 1);
  }
  EXPECT_FALSE(child->HandleAllocated()) << "the child's window went with the frame's";
  delete child;
}

TEST(FormsMDI, AChildNeedsAnMDIMainForm) {
  TForm* main = nullptr;
  Application.CreateForm(main);
  TForm* child = NewForm<TForm>(&Application);
  child->SetFormStyle(fsMDIChild);
  EXPECT_THROW(child->HandleNeeded(), EInvalidOperation);
  delete child;
  delete main;
}

TEST(FormsMDI, TheWindowMenuIsForgottenWhenFreed) {
  MDIFrame mdi;
  TMainMenu* menu = new TMainMenu(mdi.frame);
  TMenuItem* window = new TMenuItem(menu);
  menu->Items()->Add(window);
  mdi.frame->SetWindowMenu(window);
  EXPECT_EQ(mdi.frame->WindowMenu(), window);
  delete window;
  EXPECT_EQ(mdi.frame->WindowMenu(), nullptr);
}
