// The splitter and the size panel: pane and bar geometry, percentages, margins,
// the hot spot, dragging with an outline or live, Escape and vetoes, nesting,
// contents read from a definition, and an outline that drawn twice leaves the
// screen as it was.
#include <gtest/gtest.h>

#include <vector>

#include "framed/bars/RzSizePanel.h"
#include "framed/bars/RzSplitter.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/controls/RzLabel.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class ProbeSplitter : public TRzSplitter {
public:
  using TRzSplitter::TRzSplitter;
  using TRzSplitter::DrawMask;
};

// What the screen shows in a rectangle, read from the desktop's device context.
std::vector<COLORREF> ScreenPixels(const TRect& r) {
  std::vector<COLORREF> pixels;
  HDC dc = ::GetDC(nullptr);
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) pixels.push_back(::GetPixel(dc, x, y));
  ::ReleaseDC(nullptr, dc);
  return pixels;
}

class FramedSplitter : public FramedForm {
protected:
  ProbeSplitter* Splitter() {
    auto* splitter = new ProbeSplitter(form);
    splitter->SetParent(form);
    splitter->SetBounds(10, 10, 200, 100);
    return splitter;
  }
  static void Mouse(TControl* c, UINT msg, int x, int y) {
    c->Perform(msg, msg == WM_LBUTTONDOWN || msg == WM_MOUSEMOVE ? MK_LBUTTON : 0, MAKELPARAM(x, y));
  }
};

TEST_F(FramedSplitter, DefaultGeometryPercentAndMargins) {
  ProbeSplitter* s = Splitter();
  EXPECT_EQ(s->Pane(1)->BoundsRect(), Bounds(0, 0, 100, 100));
  EXPECT_EQ(s->BarRect(), Rect(100, 0, 104, 100));
  EXPECT_EQ(s->Pane(2)->BoundsRect(), Bounds(104, 0, 96, 100));

  s->SetPercent(50);
  EXPECT_EQ(s->Position(), 99);
  s->SetUsePercent(false);
  s->SetMarginMax(20);
  s->SetPosition(190);
  EXPECT_EQ(s->Position(), 176);

  s->SetHotSpotVisible(true);
  EXPECT_EQ(s->SplitterWidth(), 7);
  ProbeSplitter* grooved = Splitter();
  grooved->SetSplitterStyle(ssGroove);
  EXPECT_EQ(grooved->SplitterWidth(), 6);

  ProbeSplitter* spot = Splitter();
  spot->SetHotSpotVisible(true);
  EXPECT_EQ(spot->HotSpotRect().Top, 30);
  EXPECT_EQ(spot->HotSpotRect().Bottom, 70);
}

TEST_F(FramedSplitter, HotSpotCollapsesAndRestores) {
  ProbeSplitter* s = Splitter();
  s->SetMarginMin(30);
  s->SetHotSpotVisible(true);
  int clicks = 0;
  s->OnHotSpotClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  ShowForm();
  Mouse(s, WM_LBUTTONDOWN, 102, 50);
  Mouse(s, WM_LBUTTONUP, 102, 50);
  EXPECT_TRUE(s->HotSpotClosed());
  EXPECT_EQ(s->Position(), 0) << "the margins are ignored";
  Mouse(s, WM_LBUTTONDOWN, 3, 50);
  Mouse(s, WM_LBUTTONUP, 3, 50);
  EXPECT_FALSE(s->HotSpotClosed());
  EXPECT_EQ(s->Position(), 100);
  EXPECT_EQ(clicks, 2);
}

TEST_F(FramedSplitter, DragsEscapeAndVeto) {
  ProbeSplitter* s = Splitter();
  ShowForm();
  // Outline drag: the position changes on release.
  Mouse(s, WM_LBUTTONDOWN, 101, 20);
  Mouse(s, WM_MOUSEMOVE, 141, 20);
  EXPECT_EQ(s->Position(), 100);
  EXPECT_EQ(s->LastDrawnPosition(), 140);
  Mouse(s, WM_LBUTTONUP, 141, 20);
  EXPECT_EQ(s->Position(), 140);

  // Escape ends the drag and keeps the position.
  Mouse(s, WM_LBUTTONDOWN, 141, 20);
  Mouse(s, WM_MOUSEMOVE, 71, 20);
  s->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(s->Dragging());
  Mouse(s, WM_LBUTTONUP, 71, 20);
  EXPECT_EQ(s->Position(), 140);

  // A refusing handler keeps the bar and its outline where they were.
  s->OnChanging = TPositionChangingEvent::Function([](TObject*, int, bool& allow) { allow = false; });
  Mouse(s, WM_LBUTTONDOWN, 141, 20);
  Mouse(s, WM_MOUSEMOVE, 61, 20);
  EXPECT_EQ(s->LastDrawnPosition(), 140);
  Mouse(s, WM_LBUTTONUP, 61, 20);
  EXPECT_EQ(s->Position(), 140);

  // Live drag follows the pointer.
  s->OnChanging = nullptr;
  s->RealTimeDrag = true;
  Mouse(s, WM_LBUTTONDOWN, 141, 20);
  Mouse(s, WM_MOUSEMOVE, 121, 20);
  EXPECT_EQ(s->Position(), 120);
  Mouse(s, WM_LBUTTONUP, 121, 20);
}

// Kept as the splitter has always done it: every resize asks and reports, also
// when the position stays.
TEST_F(FramedSplitter, EveryResizeAsksAndReports) {
  ProbeSplitter* s = Splitter();
  int asks = 0, changes = 0;
  s->OnChanging = TPositionChangingEvent::Function([&](TObject*, int, bool&) { ++asks; });
  s->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  s->SetBounds(10, 10, 220, 100);
  EXPECT_GE(asks, 1);
  EXPECT_GE(changes, 1);
  EXPECT_EQ(s->Position(), 100);
}

TEST_F(FramedSplitter, OutlineDrawnTwiceLeavesTheScreen) {
  ProbeSplitter* s = Splitter();
  ShowForm();
  form->Update();
  const TRect area = s->MaskRect(60);
  const std::vector<COLORREF> before = ScreenPixels(area);
  s->DrawMask(60);
  EXPECT_NE(ScreenPixels(area), before) << "the outline shows";
  s->DrawMask(60);
  EXPECT_EQ(ScreenPixels(area), before);
}

TEST_F(FramedSplitter, NestedContentsReadFromADefinition) {
  PublishFramedControls();
  const char* text = R"(object F: TForm
  Left = 40
  Top = 40
  Width = 400
  Height = 300
  object Outer: TRzSplitter
    Left = 0
    Top = 0
    Width = 300
    Height = 200
    Position = 120
    UpperLeftControls = (
      Inner)
    LowerRightControls = (
      Note)
    SelectedPane = spLowerRight
  end
  object Inner: TRzSplitter
    Left = 0
    Top = 0
    Width = 120
    Height = 200
    Align = alClient
    Orientation = orVertical
    Position = 50
    UpperLeftControls = ()
    LowerRightControls = ()
  end
  object Note: TRzLabel
    Left = 5
    Top = 5
    Width = 40
    Height = 13
    Caption = 'Note'
  end
end
)";
  TForm* f = NewForm<TForm>(nullptr);
  ReadComponentText(f, text);
  auto* outer = dynamic_cast<TRzSplitter*>(f->FindComponent("Outer"));
  auto* inner = dynamic_cast<TRzSplitter*>(f->FindComponent("Inner"));
  auto* note = dynamic_cast<TControl*>(f->FindComponent("Note"));
  ASSERT_TRUE(outer && inner && note);
  EXPECT_EQ(inner->Parent(), outer->Pane(1));
  EXPECT_EQ(note->Parent(), outer->Pane(2));
  EXPECT_EQ(outer->SelectedPane(), spLowerRight) << "read and kept, though never written";
  EXPECT_EQ(inner->Width(), 120);
  EXPECT_EQ(inner->Pane(1)->Height(), 50);
  outer->SetBounds(0, 0, 300, 260);
  EXPECT_EQ(inner->Pane(2)->Height(), 260 - 50 - 4) << "the nested splitter is laid out again";
  const String written = WriteComponentText(f);
  EXPECT_EQ(written.find("SelectedPane"), String::npos);
  EXPECT_NE(written.find("BarSize = ("), String::npos);
  delete f;
}

class FramedSizePanel : public FramedForm {
protected:
  TRzSizePanel* Panel(TAlign align, int size) {
    auto* panel = new TRzSizePanel(form);
    panel->SetParent(form);
    panel->SetAlignProp(align);
    if (align == alTop || align == alBottom)
      panel->SetHeight(size);
    else
      panel->SetWidth(size);
    return panel;
  }
  static void Mouse(TControl* c, UINT msg, int x, int y) {
    c->Perform(msg, msg == WM_LBUTTONDOWN || msg == WM_MOUSEMOVE ? MK_LBUTTON : 0, MAKELPARAM(x, y));
  }
};

TEST_F(FramedSizePanel, BarClientAreaAndDrags) {
  TRzSizePanel* panel = Panel(alLeft, 150);
  auto* right = new TRzPanel(form);
  right->SetParent(form);
  right->SetAlign(alRight);
  right->SetWidth(50);
  ShowForm();
  EXPECT_EQ(panel->GetSizeBarRect(), Rect(146, 0, 150, panel->Height()));
  EXPECT_EQ(panel->ClientRect().Right, 145);

  // The edge stays between the least size and the free space.
  const int limit = form->ClientWidth() - 50;
  struct Case {
    int pointerX, edge;
  };
  for (const Case c : {Case{2, 0 + 4 + 1}, Case{1000, limit - panel->Left()}, Case{100, 100}}) {
    panel->SetWidth(150);
    Mouse(panel, WM_LBUTTONDOWN, 148, 10);
    Mouse(panel, WM_MOUSEMOVE, c.pointerX + 148 - 150 + 0, 10);
    EXPECT_EQ(panel->LastDrawnEdge(), c.edge) << "pointer at " << c.pointerX;
    Mouse(panel, WM_LBUTTONUP, c.pointerX - 2, 10);
    EXPECT_EQ(panel->Width(), c.edge) << "an outline drag ends at the edge";
  }
  panel->RealTimeDrag = true;
  panel->SetWidth(150);
  Mouse(panel, WM_LBUTTONDOWN, 148, 10);
  Mouse(panel, WM_MOUSEMOVE, 118, 10);
  EXPECT_EQ(panel->Width(), 121) << "a live drag keeps one pixel more";
  Mouse(panel, WM_LBUTTONUP, 118, 10);
}

TEST_F(FramedSizePanel, HotSpotCollapsesToTheBar) {
  struct Case {
    bool ignoreMargins;
    int collapsed;
  };
  for (const Case c : {Case{false, 28}, Case{true, 8}}) {
    TRzSizePanel* panel = Panel(alTop, 120);
    panel->SetSizeBarWidth(7);
    panel->SetMarginMin(20);
    panel->HotSpotIgnoreMargins = c.ignoreMargins;
    panel->SetHotSpotVisible(true);
    ShowForm();
    const TRect spot = (panel->GetSizeBarRect(), panel->HotSpotRect());
    const int x = (spot.Left + spot.Right) / 2, y = (spot.Top + spot.Bottom) / 2;
    Mouse(panel, WM_LBUTTONDOWN, x, y);
    Mouse(panel, WM_LBUTTONUP, x, y);
    EXPECT_EQ(panel->Height(), c.collapsed);
    EXPECT_TRUE(panel->HotSpotClosed());
    const TRect closedSpot = (panel->GetSizeBarRect(), panel->HotSpotRect());
    const int cy = (closedSpot.Top + closedSpot.Bottom) / 2;
    Mouse(panel, WM_LBUTTONDOWN, x, cy);
    Mouse(panel, WM_LBUTTONUP, x, cy);
    EXPECT_EQ(panel->Height(), 120);
    panel->CloseHotSpot();
    EXPECT_EQ(panel->Height(), 28) << "CloseHotSpot keeps the margin";
    delete panel;
  }
}

TEST_F(FramedSizePanel, SidesSizesAndParents) {
  TRzSizePanel* floating = Panel(alNone, 100);
  floating->SetSide(sdRight);
  EXPECT_EQ(floating->GetSizeBarRect(), Rect(0, 0, 4, floating->Height()));
  EXPECT_EQ(floating->ClientRect().Left, 5);

  floating->SetHotSpotVisible(true);
  EXPECT_EQ(floating->SizeBarWidth(), 7);

  TRzSizePanel orphan(nullptr);
  try {
    orphan.SetMarginMax(10);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "No parent specified");
  }
}

// The adjustment is clamped to the colour range, not cut to its low byte.
TEST_F(FramedSizePanel, GroupBarFillUsesTheClampedAdjustment) {
  TRzSizePanel* panel = Panel(alBottom, 80);
  panel->SetThemeAware(false);
  panel->SetColor(TColor(0x404040));
  panel->SetUseGradients(true);
  panel->SetSizeBarStyle(ssGroupBar);
  panel->SetGradientColorAdjustment(300);  // low byte 44
  ShowForm();
  panel->Repaint();
  EXPECT_EQ(ShownPixel(panel, 3, 2), LighterColor(TColor(0x404040), 255));
  EXPECT_NE(ShownPixel(panel, 3, 2), LighterColor(TColor(0x404040), 44));
}

}  // namespace
