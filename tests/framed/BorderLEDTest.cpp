// The border's client rectangles and designer outline, and the LED display's
// dot sizes, glyph bits, blocks for unknown characters and scrolling on the
// family's clock.
#include <gtest/gtest.h>

#include <vector>

#include "framed/common/RzClock.h"
#include "framed/display/RzLEDDisplay.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/framed/FramedPixels.h"

namespace {

TEST(FramedBorder, ClientRectanglesLeaveTheFrame) {
  struct Case {
    const char* name;
    TFrameStyleEx outer, inner;
    int bevel, width;
    TSides sides;
    TRect client;
  } cases[] = {
      {"defaults: a 2-pixel groove", fsGroove, fsNone, 1, 0, sdAllSides, {2, 2, 48, 48}},
      {"status on two sides", fsStatus, fsNone, 3, 0, SideBit(sdLeft) | SideBit(sdTop), {3, 3, 50, 50}},
      {"band wider than the control", fsGroove, fsNone, 1, 30, sdAllSides, {0, 0, 0, 0}},
      {"flat outer, raised inner, band", fsFlat, fsRaised, 1, 4, sdAllSides, {7, 7, 43, 43}},
      {"popup takes the bevel width", fsPopup, fsNone, 5, 0, SideBit(sdBottom), {0, 0, 50, 45}},
      {"no frame", fsNone, fsNone, 1, 0, sdAllSides, {0, 0, 50, 50}},
  };
  for (const Case& c : cases) {
    TRzBorder border(nullptr);
    EXPECT_EQ(border.Width(), 50);
    border.SetBorderOuter(c.outer);
    border.SetBorderInner(c.inner);
    border.SetBevelWidth(c.bevel);
    border.SetBorderWidth(c.width);
    border.SetBorderSides(c.sides);
    EXPECT_EQ(border.ClientRect(), c.client) << c.name;
  }
}

int DottedPixels(TRzBorder& border, bool designing) {
  border.SetDesigning(designing);
  TPixelSheet sheet(50, 50, clWhite);
  border.Perform(WM_PAINT, reinterpret_cast<WPARAM>(sheet.Canvas()->Handle()), 0);
  int black = 0;
  for (int x = 0; x < 50; ++x) black += sheet.At(x, 0) == clBlack;
  return black;
}

TEST(FramedBorder, TheDesignerOutlinesAFramelessBand) {
  TRzBorder border(nullptr);
  border.SetBorderOuter(fsNone);
  border.SetBorderColor(clWhite);
  border.SetBorderWidth(4);
  const int outline = DottedPixels(border, true);
  EXPECT_GT(outline, 10);
  EXPECT_LT(outline, 40) << "dotted, not solid";
  EXPECT_EQ(DottedPixels(border, false), 0) << "only in the designer";
  border.SetBorderWidth(0);
  EXPECT_EQ(DottedPixels(border, true), 0) << "nothing to outline";
}

class FramedLED : public FramedForm {
protected:
  // Installed before the form's controls are made and removed after they are gone.
  TManualClockScope clock;

  TRzLEDDisplay* Display(const TRect& bounds = {10, 10, 110, 40}) {
    auto* led = Make<TRzLEDDisplay>(bounds);
    led->SetBackColor(clBlack);
    led->SetSegOnColor(clLime);
    led->SetSegOffColor(clMaroon);
    return led;
  }
  // Paints the display alone and answers whether the dot of cell `cell`, column
  // `column`, row `row` is lit.
  static std::vector<String> Dots(TRzLEDDisplay* led, int cell) {
    TPixelSheet sheet(led->Width(), led->Height(), clWhite);
    led->Perform(WM_PAINT, reinterpret_cast<WPARAM>(sheet.Canvas()->Handle()), 0);
    const TRect client = led->ClientRect();
    const int p = led->DotSize() + led->DotGap();
    const int y0 = client.Top + (client.Height() - (7 * led->DotSize() + 6 * led->DotGap())) / 2;
    std::vector<String> rows;
    for (int row = 0; row < 7; ++row) {
      String line;
      for (int column = 0; column < 5; ++column) {
        const int x = client.Left + (cell * 6 + column) * p + led->DotSize() / 2 + 1;
        const int y = y0 + row * p + led->DotSize() / 2 + 1;
        line += sheet.At(x, y) == clLime ? '#' : '.';
      }
      rows.push_back(line);
    }
    return rows;
  }
};

TEST_F(FramedLED, DotsFollowTheClientHeight) {
  struct Case {
    int height;
    TFrameStyleEx outer;
    int dotSize, dotGap;
  } cases[] = {{30, fsStatus, 3, 0}, {100, fsNone, 13, 1}, {5, fsNone, 1, 0}, {9, fsStatus, 1, 0}};
  for (const Case& c : cases) {
    auto* led = Display({0, 0, 100, c.height});
    led->SetBorderOuter(c.outer);
    EXPECT_EQ(led->DotSize(), c.dotSize) << c.height;
    EXPECT_EQ(led->DotGap(), c.dotGap) << c.height;
  }
  auto* led = Display();
  EXPECT_EQ(led->ClientRect().Height(), 28);
  led->SetCaption("AB");
  EXPECT_EQ(led->Steps(), 2 * 18 + 100) << "two cells of 18 pixels plus the width";
}

TEST_F(FramedLED, GlyphsShowTheirBitsTopRowFirst) {
  auto* led = Display({0, 0, 200, 60});
  led->SetBorderOuter(fsNone);
  struct Case {
    const char* text;
    std::vector<String> dots;
  } cases[] = {
      {"A", {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
      {"1", {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
      {"\x01", {".....", ".###.", ".###.", ".###.", ".###.", ".###.", "....."}},  // outside 32..126: the block
      {"\xC4", {".....", ".###.", ".###.", ".###.", ".###.", ".###.", "....."}},
  };
  for (const Case& c : cases) {
    led->SetCaption(c.text);
    EXPECT_EQ(Dots(led, 0), c.dots) << static_cast<int>(static_cast<unsigned char>(c.text[0]));
  }
}

TEST_F(FramedLED, ALowPanelShowsOnlyItsFrame) {
  auto* led = Display({0, 0, 60, 9});
  led->SetCaption("8");
  TPixelSheet sheet(60, 9, clWhite);
  led->Perform(WM_PAINT, reinterpret_cast<WPARAM>(sheet.Canvas()->Handle()), 0);
  EXPECT_EQ(sheet.At(30, 4), clWhite) << "a 7-pixel client area is left as it was";
}

TEST_F(FramedLED, ScrollingMovesOnePitchPerTickAndReportsEachPass) {
  auto* led = Display();
  led->SetCaption("AB");
  int passes = 0;
  led->OnScrollComplete = TNotifyEvent::Function([&](TObject*) { ++passes; });
  led->SetScrolling(true);
  ASSERT_TRUE(led->TimerRunning());
  const int pitch = led->DotSize() + led->DotGap();
  const int ticks = led->Steps() / pitch;  // 136 / 3: the pass ends on the tick that reaches it
  for (int i = 1; i < ticks + 1; ++i) {
    clock.Clock().Advance(100);
    EXPECT_EQ(led->CurrentStep(), i * pitch) << i;
    EXPECT_EQ(passes, 0);
  }
  clock.Clock().Advance(100);
  EXPECT_EQ(passes, 1);
  EXPECT_EQ(led->CurrentStep(), 0) << "the text starts again from the right";
  led->SetScrollDelay(250);
  clock.Clock().Advance(100);
  EXPECT_EQ(led->CurrentStep(), 0) << "the new delay holds the next step back";
  clock.Clock().Advance(150);
  EXPECT_EQ(led->CurrentStep(), pitch);
  led->SetScrolling(false);
  EXPECT_EQ(led->CurrentStep(), 0);
  EXPECT_FALSE(led->TimerRunning());
}

TEST_F(FramedLED, ScrollingWithoutADirectionRunsNoTimer) {
  auto* led = Display();
  led->SetScrollType(stNone);
  led->SetScrolling(true);
  EXPECT_FALSE(led->TimerRunning());
  clock.Clock().Advance(1000);
  EXPECT_EQ(led->CurrentStep(), 0);
  led->SetScrollType(stLeftToRight);
  EXPECT_TRUE(led->TimerRunning());
}

// A tick paints the display and returns: it handles no queued message, so
// nothing waiting in the queue can free the display in the middle of its tick.
TEST_F(FramedLED, ATickLeavesQueuedMessagesAlone) {
  ShowForm();
  auto* led = Display();
  led->SetCaption("GO");
  led->SetScrolling(true);
  const UINT probe = ::RegisterWindowMessageA("FramedLEDTickProbe");
  ::PostMessageA(form->Handle(), probe, 0, 0);
  clock.Clock().Advance(100);
  MSG msg;
  EXPECT_TRUE(::PeekMessageA(&msg, form->Handle(), probe, probe, PM_REMOVE));
  EXPECT_EQ(led->CurrentStep(), led->DotSize() + led->DotGap());
}

TEST_F(FramedLED, OldPropertiesAreReadAndDropped) {
  ReadComponentText(form,
                    "object Form: TForm\n"
                    "  object Sign: TRzLEDDisplay\n"
                    "    Caption = 'HELLO'\n"
                    "    SegSpacing = 2\n"
                    "    DisplayCells = 10\n"
                    "    ScrollType = stLeftToRight\n"
                    "  end\n"
                    "end\n");
  auto* sign = dynamic_cast<TRzLEDDisplay*>(form->FindComponent("Sign"));
  ASSERT_NE(sign, nullptr);
  EXPECT_EQ(sign->Caption(), "HELLO");
  EXPECT_EQ(sign->ScrollType(), stLeftToRight);
  const String written = WriteComponentText(form);
  EXPECT_EQ(written.find("SegSpacing"), String::npos);
  EXPECT_EQ(written.find("DisplayCells"), String::npos);
}

}  // namespace
