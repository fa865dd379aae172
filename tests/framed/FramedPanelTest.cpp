// The framed panel and the group box: the client area inside the frame, the
// children's enabled states across disabling, the kept bottom edge, the grid, and
// the group box's caption and styles.
#include <gtest/gtest.h>

#include "framed/controls/RzGroupBox.h"
#include "framed/controls/RzPanel.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/framed/FramedPixels.h"

namespace {

TEST(FramedPanelClientRect, EachFramedSideMovesInByTheStyleWidths) {
  struct Case {
    const char* name;
    TFrameStyleEx outer, inner;
    TSides sides;
    int bevelWidth, borderWidth;
    bool shrinkByBorder;
    TRect expected;  // of (0, 0, 100, 50)
  };
  const Case cases[] = {
      {"flat bold on top only", fsFlatBold, fsNone, SideBit(sdTop), 1, 0, false, {0, 2, 100, 50}},
      {"flat takes one", fsFlat, fsNone, sdAllSides, 1, 0, false, {1, 1, 99, 49}},
      {"status takes the bevel width", fsStatus, fsNone, sdAllSides, 3, 0, false, {3, 3, 97, 47}},
      {"popup takes the bevel width", fsPopup, fsNone, SideBit(sdLeft), 2, 0, false, {2, 0, 100, 50}},
      {"outer and inner add up", fsGroove, fsRaised, sdAllSides, 1, 0, false, {4, 4, 96, 46}},
      {"groove under a top strip", fsGroove, fsNone, SideBit(sdBottom), 1, 0, false, {0, 0, 100, 48}},
      {"border width only when asked", fsFlat, fsNone, sdAllSides, 1, 5, true, {6, 6, 94, 44}},
      {"border width not asked", fsFlat, fsNone, sdAllSides, 1, 5, false, {1, 1, 99, 49}},
      {"no frame", fsNone, fsNone, sdAllSides, 1, 0, false, {0, 0, 100, 50}},
  };
  for (const Case& c : cases) {
    TRzPanel panel(nullptr);
    panel.SetBorderOuter(c.outer);
    panel.SetBorderInner(c.inner);
    panel.SetBorderSides(c.sides);
    panel.SetBevelWidth(c.bevelWidth);
    panel.SetBorderWidth(c.borderWidth);
    TRect r(0, 0, 100, 50);
    panel.FixClientRect(r, c.shrinkByBorder);
    EXPECT_EQ(r, c.expected) << c.name;
  }
}

TEST(FramedPanelBounds, BottomAndRightAlignedPanelsKeepTheirOuterEdge) {
  TRzPanel panel(nullptr);
  panel.SetBounds(10, 10, 100, 40);
  panel.SetAlign(alBottom);
  panel.SetBounds(10, 0, 100, 30);
  EXPECT_EQ(panel.Top() + panel.Height(), 50);
  panel.SetAlign(alRight);
  panel.SetBounds(0, panel.Top(), 60, 30);
  EXPECT_EQ(panel.Left() + panel.Width(), 110);
  panel.SetAlign(alNone);
  panel.SetBounds(5, 5, 20, 20);
  EXPECT_EQ(panel.BoundsRect(), TRect(5, 5, 25, 25)) << "other alignments move freely";
}

using FramedPanel = FramedForm;

TEST_F(FramedPanel, DisablingKeepsEachChildsOwnStateForTheEnabling) {
  auto* panel = Make<TRzPanel>({0, 0, 200, 100});
  auto* a = Make<TRzPanel>({0, 0, 10, 10}, panel);
  auto* b = Make<TRzPanel>({20, 0, 30, 10}, panel);
  b->SetEnabled(false);
  panel->SetEnabled(false);
  EXPECT_FALSE(a->Enabled());
  EXPECT_FALSE(b->Enabled());
  auto* late = Make<TRzPanel>({40, 0, 50, 10}, panel);
  panel->SetEnabled(true);
  EXPECT_TRUE(a->Enabled());
  EXPECT_FALSE(b->Enabled()) << "disabled before: stays disabled";
  EXPECT_TRUE(late->Enabled()) << "added while disabled: enabled with the panel";
}

TEST_F(FramedPanel, ChildrenAreLaidOutInsideTheFrame) {
  auto* strip = Make<TRzPanel>({0, 0, 200, 41});
  strip->SetBorderOuter(fsGroove);
  strip->SetBorderSides(SideBit(sdBottom));
  auto* inner = Make<TRzPanel>({0, 0, 10, 10}, strip);
  inner->SetAlign(alClient);
  EXPECT_EQ(inner->BoundsRect(), TRect(0, 0, 200, 39));
  strip->SetBorderSides(sdAllSides);
  EXPECT_EQ(inner->BoundsRect(), TRect(2, 2, 198, 39)) << "a border change lays the children out again";
}

TEST_F(FramedPanel, GridDrawsNothingOnAZeroSize) {
  struct Case {
    TRzGridStyle style;
    Word x, y;
    bool drawn;
  };
  const Case cases[] = {{gsDots, 0, 8, false}, {gsDots, 8, 0, false}, {gsSolidLines, 8, 8, true},
                        {gsDottedLines, 8, 8, true}, {gsDots, 8, 8, true}};
  for (const Case& c : cases) {
    auto* panel = Make<TRzPanel>({0, 0, 40, 40});
    panel->SetBorderOuter(fsNone);
    panel->SetColor(clWhite);
    panel->SetShowGrid(true);
    panel->SetGridColor(clBlack);
    panel->SetGridStyle(c.style);
    panel->SetGridSize(c.x, c.y);
    TPixelSheet sheet(40, 40);
    panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(sheet.Canvas()->Handle()), 0);
    int black = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) black += sheet.At(x, y) == clBlack;
    EXPECT_EQ(black > 0, c.drawn) << int(c.style) << " " << c.x << "x" << c.y;
    if (c.style == gsDots && c.drawn) {
      EXPECT_EQ(sheet.At(7, 7), clBlack) << "first dot at size - 1";
    }
    delete panel;
  }
}

TEST(GroupBoxCaption, AcceleratorMarksAreDroppedForMeasuring) {
  struct Case {
    const char* caption;
    const char* shown;
  };
  const Case cases[] = {{"&Samplerate", "Samplerate"}, {"Filter && Setting", "Filter & Setting"},
                        {"Tail&", "Tail&"},             {"", ""},
                        {"&&&x", "&x"}};
  for (const Case& c : cases) EXPECT_EQ(StripAccelChars(c.caption), c.shown) << c.caption;
}

using FramedGroupBox = FramedForm;

class ExposedGroupBox : public TRzGroupBox {
public:
  using TRzGroupBox::TRzGroupBox;
  using TRzGroupBox::CaptionRect;
};

TEST_F(FramedGroupBox, CaptionSitsAtItsStylesOffsetAndAnEmptyOneLeavesNoGap) {
  struct Case {
    TRzGroupBoxStyle style;
    const char* caption;
    int left;
    bool empty;
  };
  const Case cases[] = {{gsFlat, "Samplerate", 8, false},   {gsStandard, "Samplerate", 8, false},
                        {gsTopLine, "Samplerate", 0, false}, {gsCustom, "Samplerate", 0, true},
                        {gsFlat, "", 0, true}};
  for (const Case& c : cases) {
    auto* box = Make<ExposedGroupBox>({0, 0, 200, 100});
    box->SetGroupBoxStyle(c.style);
    box->SetCaption(c.caption);
    const TRect r = box->CaptionRect();
    EXPECT_EQ(r.Width() == 0, c.empty) << c.caption << " " << int(c.style);
    if (!c.empty) {
      EXPECT_EQ(r.Left, c.left) << int(c.style);
    }
    delete box;
  }
}

TEST_F(FramedGroupBox, TopLineAndCustomStylesTurnThemesOffForGood) {
  auto* box = Make<TRzGroupBox>({0, 0, 200, 100});
  EXPECT_TRUE(box->ThemeAware());
  box->SetGroupBoxStyle(gsStandard);
  EXPECT_TRUE(box->ThemeAware());
  box->SetGroupBoxStyle(gsTopLine);
  EXPECT_FALSE(box->ThemeAware());
  box->SetGroupBoxStyle(gsFlat);
  EXPECT_FALSE(box->ThemeAware()) << "going back does not turn them on again";
}

TEST_F(FramedGroupBox, FlatStyleCutsItsCornersAndTheCaptionBlanksTheFrame) {
  auto* box = Make<TRzGroupBox>({0, 0, 120, 60});
  box->SetColor(clWhite);
  box->SetFlatColor(clBlack);
  box->SetFlatColorAdjustment(0);
  box->SetCaption("Cap");
  box->Font()->SetColor(clRed);
  TPixelSheet sheet(120, 60);
  box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(sheet.Canvas()->Handle()), 0);
  sheet.Canvas()->SetFont(box->Font());
  const int top = sheet.Canvas()->TextHeight("Pp") / 2 - 1;
  EXPECT_EQ(sheet.At(0, top), clWhite) << "the corner is cut";
  EXPECT_EQ(sheet.At(1, top + 1), clBlack) << "the corner pixel";
  EXPECT_EQ(sheet.At(0, top + 2), clBlack) << "the left line";
  EXPECT_EQ(sheet.At(119, 59), clWhite);
  EXPECT_EQ(sheet.At(118, 58), clBlack);
  EXPECT_EQ(sheet.At(4, top), clBlack) << "the top line left of the caption";
  EXPECT_EQ(sheet.At(100, top), clBlack) << "the top line right of the caption";
  int blackUnderCaption = 0;
  for (int x = 9; x < 14; ++x) blackUnderCaption += sheet.At(x, top) == clBlack;
  EXPECT_EQ(blackUnderCaption, 0) << "the caption's box is filled over the line";
}

}  // namespace
