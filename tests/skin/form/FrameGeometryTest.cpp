// Frame geometry: the layout at a size, the caption-button row on either side,
// the default frame's metrics, the three hit tests, and the mask's shape.
#include <gtest/gtest.h>

#include <functional>

#include "skin/draw/SkinRects.h"
#include "skin/form/SkinCaptionObject.h"
#include "tests/skin/form/FrameFixtures.h"

namespace {

TspActiveSkinObject* Named(TspDynamicSkinForm* frame, const String& name) {
  const Integer i = frame->GetIndex(name);
  return i < 0 ? nullptr : frame->Objects()[i].get();
}

struct HitCase {
  int x, y;
  LRESULT code;
};

}  // namespace

// A 200 x 120 window over the 100 x 60 picture: corners move with the right
// and bottom edges, the caption stretches and the buttons line up at its end.
TEST(FrameGeometry, LayoutAtTheWindowSize) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  TspDynamicSkinForm* d = f.frame;
  EXPECT_EQ(d->TargetRightTop, Point(180, 25));
  EXPECT_EQ(d->TargetLeftBottom, Point(20, 115));
  EXPECT_EQ(d->TargetRightBottom, Point(180, 115));
  EXPECT_EQ(d->TargetClientRect, Rect(4, 25, 196, 116));
  EXPECT_EQ(d->NewCaptionRect, Rect(10, 0, 198, 24));
  EXPECT_EQ(Named(d, "closebutton")->ObjectRect, Rect(182, 0, 198, 16));
  EXPECT_EQ(Named(d, "maxbutton")->ObjectRect, Rect(166, 0, 182, 16));
  EXPECT_EQ(Named(d, "minbutton")->ObjectRect, Rect(150, 0, 166, 16));
  EXPECT_EQ(d->FirstCaption()->ObjectRect, Rect(10, 0, 150, 24)) << "the caption ends where the buttons begin";
  EXPECT_EQ(f.form->ClientWidth(), 192);
  EXPECT_EQ(f.form->ClientHeight(), 91);
}

// Buttons on the left follow each other from the base's left edge; without a
// buttons rectangle the caption starts after them.
TEST(FrameGeometry, ButtonsOnTheLeft) {
  FrameSkin skin;
  skin.data.ButtonsInLeft = true;
  skin.data.ButtonsOffset = 2;
  FrameForm f(&skin.data);
  TspDynamicSkinForm* d = f.frame;
  EXPECT_EQ(Named(d, "closebutton")->ObjectRect, Rect(10, 0, 26, 16));
  EXPECT_EQ(Named(d, "maxbutton")->ObjectRect, Rect(28, 0, 44, 16));
  EXPECT_EQ(Named(d, "minbutton")->ObjectRect, Rect(46, 0, 62, 16));
  EXPECT_EQ(d->FirstCaption()->ObjectRect.Left, 66);
}

// Buttons disabled by the border icons leave the row; a buttons rectangle
// whose left edge is at the picture's middle stays put, one pixel further it
// follows the right edge.
TEST(FrameGeometry, BorderIconsAndAnchoring) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  f.frame->SetBorderIcons(biSystemMenu);
  f.frame->CreateNewForm(true);
  EXPECT_FALSE(Named(f.frame, "maxbutton")->Visible);
  EXPECT_FALSE(Named(f.frame, "minbutton")->Enabled);
  EXPECT_TRUE(Named(f.frame, "closebutton")->Visible);
  EXPECT_EQ(f.frame->FirstCaption()->ObjectRect.Right, 182);

  skin.data.ButtonsRect = {50, 0, 90, 20};
  f.frame->CalcRects();
  EXPECT_EQ(f.frame->NewButtonsRect, Rect(50, 0, 90, 20));
  skin.data.ButtonsRect = {51, 0, 90, 20};
  f.frame->CalcRects();
  EXPECT_EQ(f.frame->NewButtonsRect, Rect(151, 0, 190, 20));
}

TEST(FrameGeometry, MappingOfPictureRectangles) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  struct Case {
    TRect in, out;
  } cases[] = {
      {{2, 2, 10, 10}, {2, 2, 10, 10}},           // inside the top-left corner
      {{85, 2, 95, 10}, {185, 2, 195, 10}},       // top-right corner
      {{2, 56, 10, 59}, {2, 116, 10, 119}},       // bottom-left corner
      {{85, 56, 95, 59}, {185, 116, 195, 119}},   // bottom-right corner
      {{10, 0, 98, 24}, {10, 0, 198, 24}},        // top band: stretches
      {{2, 2, 15, 58}, {2, 2, 15, 118}},          // left side: grows down
      {{90, 2, 99, 58}, {190, 2, 199, 118}},      // right side: moves and grows
      {{30, 30, 40, 40}, {30, 30, 40, 40}},       // the middle: unchanged
  };
  for (const Case& c : cases) EXPECT_EQ(f.frame->CalcRealObjectRect(c.in), c.out);
}

// Hit codes of the skinned frame without a mask.
TEST(FrameHitTest, SkinnedWithoutMask) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  const HitCase cases[] = {
      {1, 1, HTTOPLEFT},     {198, 1, HTTOPRIGHT},  {1, 118, HTBOTTOMLEFT}, {198, 118, HTBOTTOMRIGHT},
      {100, 1, HTTOP},       {100, 118, HTBOTTOM},  {1, 60, HTLEFT},        {198, 60, HTRIGHT},
      {100, 60, HTCLIENT},   {40, 12, HTCAPTION},   {190, 8, HTOBJECT},     {160, 20, HTOBJECT},
  };
  for (const HitCase& c : cases) EXPECT_EQ(f.frame->NewNCHitTest(Point(c.x, c.y)), c.code) << c.x << "," << c.y;
  // Not sizeable or maximized: no grips.
  f.frame->Sizeable = false;
  EXPECT_EQ(f.frame->NewNCHitTest(Point(198, 118)), HTOBJECT);
  EXPECT_EQ(f.frame->NewNCHitTest(Point(100, 115)), HTCLIENT);
}

// With a mask, a point is near the edge when a probe leaves the shape: the cut
// corner counts as outside.
TEST(FrameHitTest, SkinnedWithMask) {
  FrameSkin skin(true);
  FrameForm f(&skin.data);
  const HitCase cases[] = {
      {6, 3, HTTOPLEFT},  // the probe (3,3) is in the cut corner
      {8, 8, HTOBJECT},   // every probe inside the shape
      {100, 1, HTTOP},
      {100, 60, HTCLIENT},
  };
  for (const HitCase& c : cases) EXPECT_EQ(f.frame->NewNCHitTest(Point(c.x, c.y)), c.code) << c.x << "," << c.y;
  EXPECT_FALSE(f.frame->PtInMask(Point(2, 2)));
  EXPECT_TRUE(f.frame->PtInMask(Point(6, 6)));
  EXPECT_TRUE(f.frame->PtInMask(Point(50, 50))) << "inside the mask area";
}

// A point outside every mask piece is outside the shape, however far away.
TEST(FrameHitTest, PointsOutsideTheMaskPieces) {
  FrameSkin skin(true);
  FrameForm f(&skin.data);
  for (TPoint p : {Point(-5, -5), Point(500, 2), Point(2, 500), Point(-3, 60), Point(600, 60), Point(100, -40),
                   Point(100, 900)})
    EXPECT_FALSE(f.frame->PtInMask(p)) << p.X << "," << p.Y;
}

// The default frame: 3-px borders, a 19-px caption (15 for tool windows), 17-px
// buttons (13) at the top right, grips 3 px deep.
TEST(FrameHitTest, DefaultFrame) {
  FrameForm f(nullptr);
  f.frame->PaintNCDefault(nullptr, false);
  EXPECT_EQ(f.frame->GetDefCaptionHeight(), 19);
  EXPECT_EQ(f.frame->GetDefButtonSize(), 17);
  EXPECT_EQ(Named(f.frame, "closebutton")->ObjectRect, Rect(180, 4, 197, 21));
  EXPECT_EQ(Named(f.frame, "maxbutton")->ObjectRect, Rect(163, 4, 180, 21));
  const HitCase cases[] = {
      {0, 0, HTTOPLEFT}, {199, 0, HTTOPRIGHT}, {0, 119, HTBOTTOMLEFT}, {199, 119, HTBOTTOMRIGHT},
      {1, 50, HTLEFT},   {100, 2, HTTOP},      {198, 50, HTRIGHT},     {100, 118, HTBOTTOM},
      {60, 10, HTCAPTION}, {100, 60, HTCLIENT}, {188, 10, HTOBJECT},
  };
  for (const HitCase& c : cases) EXPECT_EQ(f.frame->NewDefNCHitTest(Point(c.x, c.y)), c.code) << c.x << "," << c.y;
  RECT r = {0, 0, 200, 120};
  f.form->Perform(WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.top, 22);
  EXPECT_EQ(r.left, 3);

  f.form->SetBorderStyle(bsToolWindow);
  EXPECT_EQ(f.frame->GetDefCaptionHeight(), 15);
  EXPECT_EQ(f.frame->GetDefButtonSize(), 13);
  r = RECT{0, 0, 200, 120};
  f.form->Perform(WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.top, 18);
}

// A skin without a client rectangle is not drawn in the non-client area: the
// default sizes apply.
TEST(FrameHitTest, SkinWithoutClientRectUsesDefaultSizes) {
  FrameSkin skin;
  skin.data.ClientRect = {};
  FrameForm f(&skin.data);
  EXPECT_FALSE(f.frame->CanNCSupport());
  RECT r = {0, 0, 200, 120};
  f.form->Perform(WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.top, 22);
}

// Client-area mode: the grip gives the bottom-right code, the edges their
// codes, and every other point is the client.
TEST(FrameHitTest, ClientAreaMode) {
  FrameSkin skin;
  skin.data.SizeGripArea = {85, 56, 95, 59};
  TForm* form = NewForm<TForm>(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(50, 50, 200, 120);
  form->HandleNeeded();
  auto* frame = new TspDynamicSkinForm(form);
  frame->SetSupportNCArea(false);
  frame->SetSkinData(&skin.data);
  frame->CreateNewForm(true);
  EXPECT_EQ(frame->NewHitTest(Point(186, 117)), HTBOTTOMRIGHT);
  EXPECT_EQ(frame->NewHitTest(Point(1, 60)), HTLEFT);
  EXPECT_EQ(frame->NewHitTest(Point(100, 60)), HTCLIENT);
  frame->Sizeable = false;
  EXPECT_EQ(frame->NewHitTest(Point(1, 60)), HTCLIENT);
  delete form;
}

// Skins are untrusted: mutated frame descriptions paint the default or a
// clipped frame, answer hit tests and resize without failing.
TEST(FrameRobustness, MutatedSkins) {
  struct Mutation {
    const char* what;
    std::function<void(TspSkinData&)> apply;
  } mutations[] = {
      {"no client rectangle", [](TspSkinData& s) { s.ClientRect = {}; }},
      {"client rectangle beyond the picture", [](TspSkinData& s) { s.ClientRect = {-5, 10, 5000, 9000}; }},
      {"empty picture", [](TspSkinData& s) { s.Picture->SetSize(0, 0); }},
      {"degenerate corners", [](TspSkinData& s) { s.RightBottomPoint = s.LeftTopPoint = s.RightTopPoint = {0, 0}; }},
      {"corners outside the picture", [](TspSkinData& s) { s.RightBottomPoint = {900, -40}; s.LeftBottomPoint = {-9, 700}; }},
      {"picture indexes outside the list", [](TspSkinData& s) {
         for (auto& o : s.ObjectList) o->activepictureindex = 99;
         s.bgpictureindex = 42;
       }},
      {"huge object rectangles", [](TspSkinData& s) {
         for (auto& o : s.ObjectList) o->skinrect = o->activeskinrect = {-100000, -100000, 100000, 100000};
       }},
      {"mask smaller than the picture", [](TspSkinData& s) {
         s.Mask->SetSize(7, 3);
         s.MaskRectArea = {50, 50, 10, 10};
       }},
      {"inactive effect on an empty inactive picture", [](TspSkinData& s) {
         s.InActivePicture->SetSize(0, 0);
         s.AutoRenderingInActiveImage = true;
         s.InActiveEffect = ieNoise;
       }},
  };
  for (const Mutation& m : mutations) {
    SCOPED_TRACE(m.what);
    FrameSkin skin(true);
    m.apply(skin.data);
    FrameForm f(&skin.data);
    f.form->Show();
    for (TSize size : {TSize{200, 120}, TSize{60, 20}, TSize{900, 700}}) {
      f.form->SetBounds(20, 20, size.cx, size.cy);
      f.form->Perform(WM_NCPAINT, 1, 0);
      TBitmap paper(50, 50);
      f.form->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(paper.Canvas()->Handle()), 0);
      for (TPoint p : {Point(0, 0), Point(5, 5), Point(size.cx / 2, 10), Point(size.cx - 1, size.cy - 1)})
        f.form->Perform(WM_NCHITTEST, 0, MAKELPARAM(f.form->Left() + p.X, f.form->Top() + p.Y));
      for (auto& o : f.frame->Objects()) f.frame->DrawSkinObject(o.get());
    }
    f.frame->SetRollUpState(true);
    f.frame->SetRollUpState(false);
  }
}
