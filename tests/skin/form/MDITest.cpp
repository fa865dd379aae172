// Skinned MDI: a frame with skinned children; the arrangements (tile, cascade),
// the window list in the main form's window menu with its checks, the menu bar's
// MDI buttons while a child is maximized, and the tab bar (layout, hidden tabs
// and their list, drag reordering, close buttons).
#include <gtest/gtest.h>

#include <cmath>

#include "platform/controls/Application.h"
#include "platform/controls/Menus.h"
#include "skin/form/SkinMDITabsBar.h"
#include "skin/menus/SkinMainMenuBar.h"
#include "skin/menus/SkinPopupMenu.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/data/SkinFixtures.h"
#include "tests/skin/form/FrameFixtures.h"

namespace {

// The application's main form as a frame with its component, a window menu
// with an item of the application's own, and skinned children.
class SkinMDI : public ::testing::Test {
protected:
  void SetUp() override {
    Application.CreateForm(main);
    main->SetName("MainFrame");
    main->SetFormStyle(fsMDIForm);
    main->SetBounds(0, 0, 640, 480);
    frame = new TspDynamicSkinForm(main);
    menu = new TMainMenu(main);
    windowMenu = new TMenuItem(menu);
    windowMenu->SetCaption("&Window");
    menu->Items()->Add(windowMenu);
    own = new TMenuItem(menu);
    own->SetName("TileItem");
    own->SetCaption("&Tile");
    windowMenu->Add(own);
    main->SetWindowMenu(windowMenu);
    main->Show();
  }
  void TearDown() override {
    for (TForm* child : children) delete child;
    delete main;
  }
  TForm* AddChild(const String& name, TspSkinData* skin = nullptr) {
    TForm* child = NewForm<TForm>(&Application);
    child->SetName(name);
    child->SetCaption(name);
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(10, 10, 200, 150);
    auto* component = new TspDynamicSkinForm(child);
    component->SetSkinData(skin ? skin : &skin_.data);
    child->Show();
    children.push_back(child);
    return child;
  }
  void AddChildren(int n) {
    for (int i = 0; i < n; ++i) AddChild("Child" + std::to_string(i));
  }
  std::vector<String> ListCaptions() const {
    std::vector<String> captions;
    for (int i = 0; i < windowMenu->Count(); ++i) captions.push_back(windowMenu->Items(i)->Caption());
    return captions;
  }
  TRect Bounds(TForm* f) const { return TRect{f->Left(), f->Top(), f->Left() + f->Width(), f->Top() + f->Height()}; }

  FrameSkin skin_;
  TForm* main = nullptr;
  TspDynamicSkinForm* frame = nullptr;
  TMainMenu* menu = nullptr;
  TMenuItem* windowMenu = nullptr;
  TMenuItem* own = nullptr;
  std::vector<TForm*> children;
};

}  // namespace

TEST_F(SkinMDI, TileFillsColumnsFromTheBottomRight) {
  frame->Tile();  // no children: nothing, no failure
  AddChildren(5);
  frame->Tile();
  const TRect a = frame->GetMDIWorkArea();
  const Integer w = a.Width(), h = a.Height();
  const Integer lw = w - 2 * (w / 2);  // the left column starts where the columns leave off
  const TRect expected[] = {
      {lw, h - 2 * (h / 2), lw + w / 2, h - h / 2},  // child 0: left column, top
      {lw, h - h / 2, lw + w / 2, h},                  // child 1: left column, bottom
      {w - w / 2, h - 3 * (h / 3), w, h - 2 * (h / 3)},
      {w - w / 2, h - 2 * (h / 3), w, h - h / 3},
      {w - w / 2, h - h / 3, w, h},  // child 4: right column, bottom
  };
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Bounds(children[i]), expected[i]) << "child " << i;
}

TEST_F(SkinMDI, TileWithOneChildFillsTheWorkArea) {
  AddChildren(1);
  frame->Tile();
  const TRect a = frame->GetMDIWorkArea();
  EXPECT_EQ(Bounds(children[0]), (TRect{0, 0, a.Width(), a.Height()}));
}

TEST_F(SkinMDI, CascadeStepsByTheCaptionAndNeverByZero) {
  AddChildren(3);
  frame->Cascade();
  const TRect a = frame->GetMDIWorkArea();
  const Integer step = frame->SkinActive() ? frame->TargetClientRect.Top : frame->GetDefCaptionHeight() + 3;
  ASSERT_GT(step, 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(children[i]->Left(), (2 - i) * step) << "child " << i;
    EXPECT_EQ(children[i]->Top(), (2 - i) * step);
  }
  const Integer shifts = (a.Width() - Integer(std::nearbyint(a.Width() * 0.8))) / step;
  const Integer cw = shifts > 3 ? a.Width() - 2 * step : a.Width() - shifts * step;
  EXPECT_EQ(children[0]->Width(), std::max(cw, frame->GetMinWidth()));

  // A frame skin without a caption band gives a step of 0: the step is 1.
  FrameSkin flat;
  flat.data.ClientRect = {0, 0, 100, 60};
  flat.data.LeftTopPoint = {0, 0};
  flat.data.RightTopPoint = {100, 0};
  frame->SetSkinData(&flat.data);
  ASSERT_TRUE(frame->SkinActive());
  ASSERT_EQ(frame->TargetClientRect.Top, 0);
  frame->Cascade();
  EXPECT_EQ(children[2]->Left(), 0);
  EXPECT_EQ(children[1]->Left(), 1);
  EXPECT_EQ(children[0]->Left(), 2);
  frame->SetSkinData(nullptr);
}

TEST_F(SkinMDI, TheWindowListFollowsTheChildrenAndKeepsTheApplicationsItems) {
  TForm* a = AddChild("Alpha");
  TForm* b = AddChild("Beta");
  EXPECT_EQ(ListCaptions(), (std::vector<String>{"&Tile", "Alpha", "Beta"}));
  EXPECT_EQ(windowMenu->Items(1)->Name(), "Alpha_DSFCHILDITEM");
  EXPECT_FALSE(windowMenu->Items(1)->Checked());
  EXPECT_TRUE(windowMenu->Items(2)->Checked()) << "the active child is checked";

  a->Show();
  PumpMessages();
  EXPECT_TRUE(windowMenu->Items(1)->Checked());
  EXPECT_FALSE(windowMenu->Items(2)->Checked());

  b->SetCaption("Beta 2");
  EXPECT_EQ(windowMenu->Items(2)->Caption(), "Beta 2");

  frame->MDIItemClick(windowMenu->Items(2));
  EXPECT_EQ(main->ActiveMDIChild(), b);

  delete a;
  delete b;
  children.clear();
  EXPECT_EQ(ListCaptions(), (std::vector<String>{"&Tile"})) << "the application's own item survives the last child";
  EXPECT_EQ(own->Parent(), windowMenu);
}

TEST_F(SkinMDI, AMaximizedChildShowsTheMDIButtonsInTheMenuBar) {
  auto* bar = new TspSkinMainMenuBar(main);
  bar->SetParent(main);
  bar->SetDynamicSkinForm(frame);
  bar->SetMainMenu(menu);
  frame->SetMainMenuBar(bar);
  TForm* child = AddChild("Doc");
  TspDynamicSkinForm* component = GetDynamicSkinFormComponent(child);

  component->SetWindowState(wsMaximized);
  EXPECT_TRUE(frame->MDIChildMaximized());
  EXPECT_TRUE(bar->MDIButtonsShown);
  ASSERT_EQ(bar->ButtonCount, 4);
  EXPECT_EQ(frame->GetMaximizeMDIChild(), child);
  const TRect a = frame->GetMDIWorkArea();
  EXPECT_EQ(Bounds(child), (TRect{0, 0, a.Width(), a.Height()}));

  component->SetWindowState(wsNormal);
  EXPECT_FALSE(frame->MDIChildMaximized());
  EXPECT_FALSE(bar->MDIButtonsShown);
  EXPECT_EQ(bar->ButtonCount, 0);
  EXPECT_EQ(bar->Objects().size(), 1u) << "only the bar item of the Window menu";
}

TEST_F(SkinMDI, TabsThatDoNotFitAreListedBehindTheHideListButton) {
  auto* tabs = new TspSkinMDITabsBar(main);
  tabs->SetParent(main);
  tabs->SetAlign(alNone);
  tabs->SetBounds(0, 0, 300, 21);
  tabs->MinTabWidth = 80;
  tabs->SetDynamicSkinForm(frame);
  frame->SetMDITabsBar(tabs);
  AddChildren(5);
  ASSERT_EQ(tabs->Tabs().size(), 5u);
  tabs->Repaint();
  int visible = 0;
  for (const auto& tab : tabs->Tabs()) visible += tab->Visible ? 1 : 0;
  EXPECT_EQ(visible, 3);
  EXPECT_EQ(tabs->HiddenCount, 2);
  EXPECT_NE(tabs->HideListButton(), nullptr);
  EXPECT_NE(tabs->ListButton(), nullptr);
  tabs->UpdateHideListMenu();
  TMenuItem* hidden = tabs->HideListMenu()->Items();
  ASSERT_EQ(hidden->Count(), 2);
  EXPECT_EQ(hidden->Items(0)->Caption(), "Child3");
  EXPECT_EQ(hidden->Items(1)->Name(), "Child4_DSFCHILDITEMBARHIDE");
  tabs->UpdateListMenu();
  EXPECT_EQ(tabs->ListMenu()->Items()->Count(), 5);
  EXPECT_TRUE(tabs->ListMenu()->Items()->Items(4)->Checked()) << "the last child shown is active";

  tabs->HideMDIItemClick(hidden->Items(0));
  EXPECT_EQ(main->ActiveMDIChild(), children[3]);

  tabs->SetWidth(600);
  tabs->Repaint();
  EXPECT_EQ(tabs->HiddenCount, 0);
  EXPECT_EQ(tabs->HideListButton(), nullptr);
}

TEST_F(SkinMDI, DraggingATabPastItsNeighboursMiddleReordersTheTabs) {
  auto* tabs = new TspSkinMDITabsBar(main);
  tabs->SetParent(main);
  tabs->SetAlign(alNone);
  tabs->SetBounds(0, 0, 315, 21);
  frame->SetMDITabsBar(tabs);
  AddChildren(3);
  tabs->Repaint();
  // Tabs of 100 from x = 15: a press on tab 0, a move of 60 to the right.
  PostMouse(tabs, WM_LBUTTONDOWN, 30, 10, MK_LBUTTON);
  PostMouse(tabs, WM_MOUSEMOVE, 90, 10, MK_LBUTTON);
  PostMouse(tabs, WM_LBUTTONUP, 90, 10);
  PumpMessages();
  ASSERT_EQ(tabs->Tabs().size(), 3u);
  EXPECT_EQ(tabs->Tabs()[0]->Child, children[1]);
  EXPECT_EQ(tabs->Tabs()[1]->Child, children[0]);

  // A press and release without moving only selects.
  PostMouse(tabs, WM_LBUTTONDOWN, 250, 10, MK_LBUTTON);
  PostMouse(tabs, WM_LBUTTONUP, 250, 10);
  PumpMessages();
  EXPECT_EQ(tabs->Tabs()[2]->Child, children[2]);
  EXPECT_EQ(main->ActiveMDIChild(), children[2]);
}

TEST_F(SkinMDI, ATabsCloseButtonClosesItsChild) {
  auto* tabs = new TspSkinMDITabsBar(main);
  tabs->SetParent(main);
  tabs->SetAlign(alNone);
  tabs->SetBounds(0, 0, 215, 21);
  tabs->ShowCloseButtons = true;
  frame->SetMDITabsBar(tabs);
  AddChildren(2);
  bool closed = false;
  children[1]->OnClose = TCloseEvent::Function([&](TObject*, TCloseAction& action) {
    closed = true;
    action = caHide;
  });
  tabs->Repaint();
  const TspMDITab& tab = *tabs->Tabs()[1];
  ASSERT_FALSE(tab.CloseRect.IsEmpty());
  const Integer x = tab.TabRect.Left + tab.CloseRect.Left + 4, y = tab.TabRect.Top + tab.CloseRect.Top + 4;
  // The press elsewhere on the tab, the release on its close button.
  PostMouse(tabs, WM_LBUTTONDOWN, tab.TabRect.Left + 5, 10, MK_LBUTTON);
  PostMouse(tabs, WM_LBUTTONUP, x, y);
  PumpMessages();
  EXPECT_TRUE(closed);
  EXPECT_EQ(tabs->Tabs().size(), 1u) << "the hidden child leaves the bar";
}

TEST_F(SkinMDI, AVarnelFrameWithMenuBarTabsAndTiledChildrenIsCaptured) {
  TspSkinData varnel(nullptr);
  ASSERT_TRUE(varnel.LoadFromFile(VarnelSkinIni()));
  frame->SetSkinData(&varnel);
  auto* bar = new TspSkinMainMenuBar(main);
  bar->SetParent(main);
  bar->SetSkinData(&varnel);
  bar->SetDynamicSkinForm(frame);
  bar->SetMainMenu(menu);
  frame->SetMainMenuBar(bar);
  auto* tabs = new TspSkinMDITabsBar(main);
  tabs->SetParent(main);
  tabs->SetAlign(alTop);
  tabs->SetTop(100);
  tabs->SetSkinData(&varnel);
  tabs->ShowCloseButtons = true;
  tabs->SetDynamicSkinForm(frame);
  frame->SetMDITabsBar(tabs);
  tabs->ChangeSkinData();
  bar->ChangeSkinData();
  for (const char* name : {"Report", "Notes", "Summary"}) AddChild(name, &varnel);
  frame->Tile();
  PumpMessages();
  main->Repaint();
  PumpMessages();
  CaptureWindow(main->Handle()).SaveBmp("mdi_varnel.bmp");
  ASSERT_EQ(tabs->Tabs().size(), 3u);
  for (const auto& tab : tabs->Tabs()) EXPECT_TRUE(tab->Visible);
  EXPECT_GT(tabs->Top(), bar->Top()) << "the tabs sit under the menu bar";
  const TRect area = frame->GetMDIWorkArea();
  EXPECT_EQ(area.Top, tabs->Top() + tabs->Height());
}

TEST_F(SkinMDI, AZeroWidthTabBarAndChildrenWithoutAComponentAreNoOps) {
  auto* tabs = new TspSkinMDITabsBar(main);
  tabs->SetParent(main);
  tabs->SetAlign(alNone);
  tabs->MinTabWidth = 80;
  frame->SetMDITabsBar(tabs);
  AddChildren(2);
  tabs->SetBounds(0, 0, 0, 21);
  tabs->Repaint();  // nothing to paint
  tabs->CalcObjectRects();
  EXPECT_EQ(tabs->HiddenCount, 2) << "nothing fits";
  EXPECT_EQ(tabs->GetTab(5, 5), nullptr);

  TForm* bare = NewForm<TForm>(&Application);
  bare->SetName("Bare");
  bare->SetFormStyle(fsMDIChild);
  bare->Show();
  children.push_back(bare);
  frame->MinimizeAll();
  frame->RestoreAll();
  frame->Tile();  // placed all the same
  EXPECT_EQ(bare->Width(), frame->GetMDIWorkArea().Width()) << "three children tile in one column";
}
