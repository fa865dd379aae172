// The tool bar's scroll arrows on a shown form: they appear when the children
// pass the client width and go when everything fits; a step is the client
// width, the right end stops at the range, a bar that grows while scrolled
// moves its children back, and a held arrow repeats on the skin clock.
#include <gtest/gtest.h>

#include "skin/controls/SkinToolBar.h"
#include "skin/draw/SkinClock.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class Block : public TCustomControl {
public:
  explicit Block(TComponent* owner) : TCustomControl(owner) {}
};

class ToolBarScrollTest : public ::testing::Test {
protected:
  ToolBarScrollTest() {
    f.form->SetBorderStyle(bsNone);
    f.form->SetClientWidth(200);
    bar = new TspSkinToolBar(f.form);
    bar->CanScroll = true;
    bar->SetAlign(alTop);
    bar->SetHeight(30);
    bar->SetParent(f.form);
    for (int i = 0; i < 5; ++i) {
      blocks[i] = new Block(f.form);
      blocks[i]->SetBounds(i * 80, 2, 80, 20);
      blocks[i]->SetParent(bar);
    }
    f.form->Show();
    PumpMessages();
    bar->GetScrollInfo();
  }
  TspScrollArrows& arrows() { return bar->Arrows(); }
  FormFixture f;
  TspSkinToolBar* bar = nullptr;
  Block* blocks[5] = {};
};

}  // namespace

TEST_F(ToolBarScrollTest, ArrowsAppearWithOverflowAndTakeTheirRoom) {
  EXPECT_TRUE(arrows().Shown());
  EXPECT_EQ(bar->ClientWidth(), 200 - 24);
  EXPECT_EQ(arrows().ScrollRange, 399);
  EXPECT_EQ(arrows().ScrollClientWidth, 176);
  RECT window;
  ::GetWindowRect(bar->Handle(), &window);
  auto hit = [&](int x) {
    return ::SendMessageA(bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(window.left + x, window.top + 10));
  };
  EXPECT_EQ(hit(5), 119);
  EXPECT_EQ(hit(195), 120);
  EXPECT_NE(hit(100), 119);
}

TEST_F(ToolBarScrollTest, AStepIsTheClientWidthAndTheRightEndStopsAtTheRange) {
  struct Step {
    int button;
    Integer pos;
  } steps[] = {{1, 176}, {1, 224}, {1, 224}, {0, 48}, {0, 0}, {0, 0}};
  for (const Step& s : steps) {
    bar->ButtonClick(s.button);
    EXPECT_EQ(arrows().ScrollPos, s.pos);
    EXPECT_EQ(arrows().LastScrollPos, s.pos);
    EXPECT_EQ(blocks[0]->Left(), -s.pos);
  }
  bar->SetScrollOffset(30);
  bar->ButtonClick(1);
  EXPECT_EQ(arrows().ScrollPos, 30);
  bar->SetScrollOffset(-1);  // ignored
  EXPECT_EQ(bar->ScrollOffset(), 30);
}

TEST_F(ToolBarScrollTest, GrowingWhileScrolledMovesTheChildrenBackThenTheArrowsGo) {
  bar->ButtonClick(1);
  bar->ButtonClick(1);
  ASSERT_EQ(arrows().ScrollPos, 224);
  f.form->SetClientWidth(300);
  EXPECT_EQ(arrows().ScrollPos, 124);
  EXPECT_EQ(blocks[4]->Left() + blocks[4]->Width(), 276);  // the content ends at the client's right edge
  EXPECT_TRUE(arrows().Shown());
  f.form->SetClientWidth(500);
  EXPECT_FALSE(arrows().Shown());
  EXPECT_EQ(arrows().ScrollPos, 0);
  EXPECT_EQ(blocks[0]->Left(), 0);
  EXPECT_EQ(bar->ClientWidth(), 500);
}

TEST_F(ToolBarScrollTest, AHeldArrowRepeatsOnTheClockAndReleaseStepsOnce) {
  TspManualSkinClockScope clock;
  bar->SetScrollOffset(10);
  ::SendMessageA(bar->Handle(), WM_NCLBUTTONDOWN, 120, 0);
  EXPECT_TRUE(arrows().Arrows[1].Down);
  clock.Clock().Advance(50);
  EXPECT_EQ(arrows().ScrollPos, 10);
  clock.Clock().Advance(100);
  EXPECT_EQ(arrows().ScrollPos, 30);
  ::SendMessageA(bar->Handle(), WM_NCLBUTTONUP, 120, 0);
  EXPECT_EQ(arrows().ScrollPos, 40);
  clock.Clock().Advance(200);
  EXPECT_EQ(arrows().ScrollPos, 40);
  EXPECT_FALSE(clock.Clock().WindowTimerRuns(bar->Handle(), 1));
}

TEST_F(ToolBarScrollTest, WithoutCanScrollNoArrowsAndTheWholeClient) {
  bar->CanScroll = false;
  arrows().Reset();
  ::SetWindowPos(bar->Handle(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  f.form->SetClientWidth(150);
  EXPECT_FALSE(arrows().Shown());
  EXPECT_EQ(bar->ClientWidth(), 150);
  bar->SetScrollTimerInterval(0);  // ignored
  EXPECT_EQ(bar->ScrollTimerInterval(), 50);
}
