// The splitters: a live drag on a shown form with posted messages, AutoSnap,
// OnCanResize, Escape, right and bottom alignment, the largest size, and the
// skinned platform splitter's thickness.
#include <gtest/gtest.h>

#include "platform/stdctrls/Edit.h"
#include "skin/controls/bars/SkinSplitter.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class Block : public TCustomControl {
public:
  explicit Block(TComponent* owner) : TCustomControl(owner) {}
};

template <class C>
C* Aligned(TForm* form, TAlign align, TRect bounds) {
  auto* c = new C(form);
  c->SetBoundsRect(bounds);
  c->SetAlign(align);
  c->SetParent(form);
  return c;
}

class SplitterTest : public ::testing::Test {
protected:
  SplitterTest() {
    f.form->SetBorderStyle(bsNone);
    f.form->SetClientWidth(400);
    f.form->SetClientHeight(300);
    edit = Aligned<TEdit>(f.form, alNone, {300, 250, 380, 270});
  }
  TspSkinSplitterEx* Build(TAlign side) {
    bool sideways = side == alLeft || side == alRight;
    sized = Aligned<Block>(f.form, side, sideways ? TRect{0, 0, 100, 300} : TRect{0, 0, 400, 100});
    if (side == alRight) sized->SetLeft(300);
    if (side == alBottom) sized->SetTop(200);
    splitter = new TspSkinSplitterEx(f.form);
    splitter->SetAlign(side);
    splitter->SetBoundsRect(side == alLeft ? TRect{100, 0, 103, 300} : side == alRight ? TRect{297, 0, 300, 300}
                            : side == alTop ? TRect{0, 100, 400, 103} : TRect{0, 197, 400, 200});
    splitter->SetParent(f.form);
    splitter->OnMoved = TNotifyEvent::Function([this](TObject*) { ++moved; });
    f.form->Show();
    edit->SetFocus();
    PumpMessages();
    return splitter;
  }
  void Drag(int fromX, int fromY, int toX, int toY, bool release = true) {
    PostMouse(splitter, WM_LBUTTONDOWN, fromX, fromY, MK_LBUTTON);
    PostMouse(splitter, WM_MOUSEMOVE, toX, toY, MK_LBUTTON);
    if (release) PostMouse(splitter, WM_LBUTTONUP, toX, toY);
    PumpMessages();
  }
  FormFixture f;
  TEdit* edit = nullptr;
  Block* sized = nullptr;
  TspSkinSplitterEx* splitter = nullptr;
  int moved = 0;
};

}  // namespace

TEST_F(SplitterTest, ADragSizesTheControlLive) {
  Build(alLeft);
  EXPECT_EQ(splitter->Cursor(), crHSplit);
  PostMouse(splitter, WM_LBUTTONDOWN, 1, 10, MK_LBUTTON);
  PostMouse(splitter, WM_MOUSEMOVE, 21, 10, MK_LBUTTON);
  PumpMessages();
  EXPECT_EQ(sized->Width(), 120);  // already during the drag
  EXPECT_EQ(moved, 1);
  PostMouse(splitter, WM_LBUTTONUP, 21, 10);
  PumpMessages();
  EXPECT_EQ(sized->Width(), 120);
  EXPECT_EQ(splitter->ResizeControl(), nullptr);
  EXPECT_EQ(moved, 2);  // the stop fires it too
}

TEST_F(SplitterTest, AutoSnapCollapsesAtMinSize) {
  Build(alLeft);
  Drag(1, 10, -75, 10);  // 24 pixels wide: below MinSize 30
  EXPECT_EQ(sized->Width(), 0);
}

TEST_F(SplitterTest, OnCanResizeRefusingKeepsTheSize) {
  Build(alLeft);
  splitter->OnCanResize = TCanResizeSplitterEvent::Function([](TObject*, int& size, bool& accept) { accept = size < 110; });
  Drag(1, 10, 21, 10);
  EXPECT_EQ(sized->Width(), 100);
  Drag(1, 10, 6, 10);
  EXPECT_EQ(sized->Width(), 105);
}

TEST_F(SplitterTest, EscapeEndsTheDragWhereItIs) {
  Build(alLeft);
  int keysSeen = 0;
  edit->OnKeyDown = TKeyEvent::Function([&](TObject*, Word&, TShiftState) { ++keysSeen; });
  Drag(1, 10, 11, 10, false);
  EXPECT_EQ(sized->Width(), 110);
  PostKey(edit->Handle(), 'A');
  PumpMessages();
  EXPECT_EQ(keysSeen, 1);  // other keys still reach the focused control
  PostKey(edit->Handle(), VK_ESCAPE);
  PumpMessages();
  EXPECT_EQ(splitter->ResizeControl(), nullptr);
  EXPECT_GE(moved, 2);
  PostMouse(splitter, WM_MOUSEMOVE, 31, 10, MK_LBUTTON);
  PumpMessages();
  EXPECT_EQ(sized->Width(), 110);
  PostKey(edit->Handle(), 'B');
  PumpMessages();
  EXPECT_EQ(keysSeen, 2);  // the control has its handler back
}

TEST_F(SplitterTest, RightAlignmentMovesTheLeftEdge) {
  Build(alRight);
  Drag(1, 10, -19, 10);
  EXPECT_EQ(sized->Width(), 120);
  EXPECT_EQ(sized->Left() + sized->Width(), 400);
  EXPECT_EQ(splitter->Cursor(), crHSplit);
}

TEST_F(SplitterTest, TheLargestSizeCountsOnlyVisibleControls) {
  auto* hidden = Aligned<Block>(f.form, alBottom, {0, 250, 400, 300});
  hidden->SetVisible(false);
  Build(alTop);
  EXPECT_EQ(splitter->Cursor(), crVSplit);
  Drag(10, 1, 10, 400);  // far down: stopped by the largest size
  // 300 - MinSize 30 - the splitter's 3 pixels: a hidden control takes no room.
  EXPECT_EQ(sized->Height(), 300 - 30 - 3);
}

TEST(SkinSplitter, TransparentDrawsNothingAndTakesTheDefaultSize) {
  TestSkin skin;
  skin.Add("splitter", "vsplitter", "skinrect=0,0,6,40;lefttoppoint=0,4;leftbottompoint=0,36");
  skin.Finish();
  FormFixture f;
  auto* s = new TspSkinSplitter(f.form);
  s->SetAlign(alLeft);
  s->SetParent(f.form);
  s->SetSkinData(&skin.data);
  EXPECT_EQ(s->Width(), 6);
  auto skinned = Render(s);
  EXPECT_EQ(PixelOf(*skinned, 2, 20), skin.ColorOf("vsplitter", "skinrect"));
  s->SetTransparent(true);
  s->ChangeSkinData();
  EXPECT_EQ(s->Width(), 10);
  auto see = Render(s);
  EXPECT_EQ(PixelOf(*see, 2, 20), clWhite);
}
