// The skinned scroll box: when its bars show and what they hold, growing a
// scrolled box, content that shrinks, the corner square of two bars, scrolling
// from code, and the border rules.
#include <gtest/gtest.h>

#include "skin/controls/boxes/SkinScrollBox.h"
#include "skin/data/ControlRecords.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

class Child : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
};

struct BoxHost {
  BoxForm host;
  TspSkinScrollBox* box = host.Make<TspSkinScrollBox>({10, 10, 110, 110});  // client 98 x 98
  TspSkinScrollBar* vbar = host.Make<TspSkinScrollBar>({110, 10, 127, 110});
  TspSkinScrollBar* hbar = host.Make<TspSkinScrollBar>({10, 110, 110, 127});
  Child* child = nullptr;
  BoxHost() { vbar->SetKind(sbVertical); }
  Child* Add(TRect bounds) {
    child = new Child(host.form);
    child->SetParent(box);
    child->SetBoundsRect(bounds);
    return child;
  }
};

}  // namespace

TEST(SkinScrollBox, BarHiddenWhileTheChildrenFit) {
  BoxHost h;
  h.Add({0, 0, 50, 90});
  h.box->SetVScrollBar(h.vbar);
  EXPECT_FALSE(h.vbar->Visible());
  EXPECT_EQ(h.vbar->Max(), 0);
  EXPECT_EQ(h.vbar->PageSize(), 0);
  h.child->SetHeight(200);
  h.box->GetVRange();
  ASSERT_TRUE(h.vbar->Visible());
  EXPECT_EQ(h.vbar->Max(), 199);
  EXPECT_EQ(h.vbar->PageSize(), 98);
  h.vbar->SetPosition(30);
  EXPECT_EQ(h.child->Top(), -30) << "the bar scrolls the children";
  h.box->VScroll(500);
  EXPECT_EQ(h.vbar->Position(), 199 - 98) << "limited to the last page";
  EXPECT_EQ(h.child->Top(), -(199 - 98));
}

// Scrolled down by 50, the box grows by 30: the content moves down by 30 and
// the position becomes 20, so no empty space opens below the content.
TEST(SkinScrollBox, GrowingAScrolledBoxRevealsContentAbove) {
  BoxHost h;
  h.Add({0, 0, 50, 148});
  h.box->SetVScrollBar(h.vbar);
  h.vbar->SetPosition(50);
  ASSERT_EQ(h.child->Top(), -50);
  h.box->SetAlign(alNone);
  h.box->SetBounds(10, 10, 100, 130);
  h.box->GetVRange();
  EXPECT_EQ(h.child->Top(), -20);
  EXPECT_EQ(h.vbar->Position(), 20);
}

TEST(SkinScrollBox, ShrinkingContentClosesTheGapBelow) {
  BoxHost h;
  h.Add({0, 0, 50, 300});
  h.box->SetVScrollBar(h.vbar);
  h.vbar->SetPosition(150);
  ASSERT_EQ(h.child->Top(), -150);
  h.child->SetHeight(200);  // its bottom now at 50, a gap of 48 below it
  h.box->GetVRange();
  EXPECT_EQ(h.child->Top(), -102);
  EXPECT_EQ(h.vbar->Position(), 102);
  h.child->SetHeight(60);  // the gap closes first, then everything fits: home
  h.box->GetVRange();
  EXPECT_EQ(h.child->Top(), -4);
  h.box->GetVRange();
  EXPECT_EQ(h.child->Top(), 0);
  EXPECT_FALSE(h.vbar->Visible());
}

TEST(SkinScrollBox, HorizontalBarTakesTheCornerWhileTheVerticalShows) {
  BoxHost h;
  h.Add({0, 0, 300, 50});
  h.box->SetVScrollBar(h.vbar);
  h.box->SetHScrollBar(h.hbar);
  ASSERT_TRUE(h.hbar->Visible());
  EXPECT_FALSE(h.hbar->Both());
  h.child->SetHeight(300);
  h.box->GetVRange();
  h.box->GetHRange();
  EXPECT_TRUE(h.vbar->Visible());
  EXPECT_TRUE(h.hbar->Both());
  h.child->SetHeight(50);
  h.box->GetVRange();
  h.box->GetHRange();
  EXPECT_FALSE(h.hbar->Both());
}

TEST(SkinScrollBox, BorderRules) {
  struct Case {
    const char* what;
    bool skinned;
    Integer bgPicture;
    TspSkinBorderStyle style;
    int clientInset;  // on the left
  };
  using enum TspSkinBorderStyle;
  const Case cases[] = {
      {"default frame", false, -1, bvFrame, 1},   {"default none", false, -1, bvNone, 0},
      {"skin frame", true, -1, bvFrame, 4},       {"skin none", true, -1, bvNone, 0},
      {"skin background picture", true, 0, bvFrame, 0},
  };
  for (const Case& c : cases) {
    BoxSkin skin;
    auto record = std::make_unique<TspDataSkinScrollBoxControl>("scrollbox");
    record->pictureindex = 0;
    record->skinrect = {100, 20, 160, 60};
    record->clientrect = {4, 4, 56, 36};
    record->lefttoppoint = {4, 4};
    record->righttoppoint = {56, 4};
    record->leftbottompoint = {4, 36};
    record->rightbottompoint = {56, 36};
    record->bgpictureindex = c.bgPicture;
    skin.data.CtrlList.push_back(std::move(record));
    BoxHost h;
    h.box->SetBorderStyle(c.style);
    if (c.skinned) h.box->SetSkinData(&skin.data);
    EXPECT_EQ(h.box->BGPictureIndex(), c.bgPicture) << c.what;
    EXPECT_EQ(h.box->ClientOrigin().X - h.box->Parent()->ClientToScreen(TPoint{h.box->Left(), 0}).X, c.clientInset)
        << c.what;
  }
}
