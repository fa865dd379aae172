// The tree view, the rich edit, the control bar and the cool bar over their
// windows: nodes and what the window shows of them, the change events, the band
// layout and frames, and the rebar's bands.
#include <gtest/gtest.h>

#include <richedit.h>

#include "platform/comctrls/ControlBar.h"
#include "platform/comctrls/RichEdit.h"
#include "platform/comctrls/TreeView.h"
#include "platform/controls/Forms.h"
#include "tests/harness/WindowPump.h"

namespace {

class Form {
public:
  Form() {
    form.reset(NewForm<TForm>(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetClientWidth(400);
    form->SetClientHeight(300);
  }
  template <class C>
  C* Make(TRect r) {
    auto* c = new C(form.get());
    c->SetBoundsRect(r);
    c->SetParent(form.get());
    return c;
  }
  std::unique_ptr<TForm> form;
};

class Box : public TCustomControl {
public:
  explicit Box(TComponent* owner) : TCustomControl(owner) {}
};

}  // namespace

TEST(TreeView, NodesExpandCountAndChange) {
  Form f;
  auto* tree = f.Make<TTreeView>({0, 0, 150, 120});
  f.form->Show();
  std::vector<TTreeNode*> changes;
  tree->OnChange = TTVChangedEvent::Function([&](TObject*, TTreeNode* node) { changes.push_back(node); });
  TTreeNode* root = tree->Items()->AddChild(nullptr, "Root");
  TTreeNode* second = tree->Items()->AddChild(nullptr, "Second");
  for (int i = 0; i < 20; ++i) tree->Items()->AddChild(root, "Child " + std::to_string(i));
  EXPECT_EQ(tree->Items()->Count(), 22);
  EXPECT_EQ(root->Count(), 20);
  EXPECT_EQ(root->Item(3)->Level(), 1);
  EXPECT_EQ(::SendMessageA(tree->Handle(), TVM_GETCOUNT, 0, 0), 22);
  int rows = tree->VisibleCount();
  EXPECT_GT(rows, 2);
  EXPECT_LT(rows, 22);
  root->Expand(false);
  EXPECT_TRUE(root->Expanded());
  tree->SetSelected(second);
  EXPECT_EQ(tree->Selected(), second);
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes.back(), second);
  tree->Items()->Delete(root);
  EXPECT_EQ(tree->Items()->Count(), 1);
  EXPECT_EQ(::SendMessageA(tree->Handle(), TVM_GETCOUNT, 0, 0), 1);
  tree->SetShowLines(false);  // a new window keeps the nodes
  EXPECT_EQ(::SendMessageA(tree->Handle(), TVM_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(tree->Selected(), second);
}

TEST(TreeView, ImagesReachTheWindow) {
  Form f;
  auto* tree = f.Make<TTreeView>({0, 0, 150, 120});
  TCustomImageList images(nullptr), states(nullptr);
  images.SetSize(16, 16);
  states.SetSize(16, 16);
  tree->SetImages(&images);
  tree->SetStateImages(&states);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(::SendMessageA(tree->Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0)),
            images.Handle());
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(::SendMessageA(tree->Handle(), TVM_GETIMAGELIST, TVSIL_STATE, 0)),
            states.Handle());
  tree->SetImages(nullptr);
  tree->SetStateImages(nullptr);
}

TEST(RichEdit, LinesChangesAndScrollState) {
  Form f;
  auto* edit = f.Make<TRichEdit>({0, 0, 150, 60});
  edit->SetScrollBars(ssBoth);
  f.form->Show();
  char name[64] = {};
  ::GetClassNameA(edit->Handle(), name, sizeof(name));
  int changes = 0;
  edit->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  for (int i = 0; i < 30; ++i) edit->Lines()->Add("Line " + std::to_string(i));
  EXPECT_EQ(edit->Lines()->Count(), 30);
  EXPECT_GT(changes, 0);
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE;
  ASSERT_TRUE(::GetScrollInfo(edit->Handle(), SB_VERT, &info));
  EXPECT_GT(info.nMax, static_cast<int>(info.nPage));
  EXPECT_EQ(::SendMessageA(edit->Handle(), EM_GETEVENTMASK, 0, 0) & ENM_CHANGE, ENM_CHANGE);
}

namespace {

class FrameRecorder : public TControlBar {
public:
  using TControlBar::TControlBar;
  std::vector<std::pair<TControl*, TRect>> frames;

protected:
  void PaintControlFrame(TCanvas* canvas, TControl* control, const TRect& r) override {
    frames.push_back({control, r});
    TControlBar::PaintControlFrame(canvas, control, r);
  }
};

}  // namespace

TEST(ControlBar, BandsInRowsAfterTheirGrabAreasWithFrames) {
  Form f;
  auto* bar = f.Make<FrameRecorder>({0, 0, 400, 80});
  auto* a = new Box(f.form.get());
  a->SetBounds(0, 0, 60, 22);
  a->SetParent(bar);
  auto* b = new Box(f.form.get());
  b->SetBounds(30, 5, 80, 22);
  b->SetParent(bar);
  auto* hidden = new Box(f.form.get());
  hidden->SetBounds(0, 40, 50, 22);
  hidden->SetVisible(false);
  hidden->SetParent(bar);
  f.form->Show();
  bar->Realign();
  EXPECT_EQ(a->BoundsRect(), Rect(11, 2, 71, 24));
  EXPECT_EQ(b->BoundsRect(), Rect(84, 2, 164, 24));  // after a and its own grab area
  EXPECT_EQ(TCustomControlBar::BandRect(a), Rect(0, 0, 73, 26));
  bar->Repaint();
  ASSERT_EQ(bar->frames.size(), 2u);  // the hidden one has no band frame
  EXPECT_EQ(bar->frames[0].second, TCustomControlBar::BandRect(a));
  // Dragging b by its grab area moves it along its row.
  bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(78, 10));
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 10));
  bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(120, 10));
  EXPECT_EQ(b->Left(), 126);
}

TEST(CoolBar, BandsHoldTheirControls) {
  Form f;
  auto* bar = f.Make<TCoolBar>({0, 0, 400, 60});
  auto* box = new Box(f.form.get());
  box->SetBounds(0, 0, 100, 22);
  box->SetParent(bar);
  TCoolBand* first = bar->Bands()->Add();
  first->SetText("Tools");
  first->SetControl(box);
  TCoolBand* second = bar->Bands()->Add();
  second->SetText("Hidden");
  second->SetVisible(false);
  bar->Bands()->Add()->SetFixedSize(true);
  f.form->Show();
  EXPECT_EQ(::SendMessageA(bar->Handle(), RB_GETBANDCOUNT, 0, 0), 2);
  REBARBANDINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_CHILD | RBBIM_STYLE;
  ASSERT_TRUE(::SendMessageA(bar->Handle(), RB_GETBANDINFOA, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(info.hwndChild, box->Handle());
  ASSERT_TRUE(::SendMessageA(bar->Handle(), RB_GETBANDINFOA, 1, reinterpret_cast<LPARAM>(&info)));
  EXPECT_NE(info.fStyle & RBBS_FIXEDSIZE, 0u);
  delete box;  // a freed control leaves its band
  EXPECT_EQ(first->Control(), nullptr);
  EXPECT_GT(GetComCtlVersion(), 0u);
}
