// The meter: lit LED segments by value and colour group, the bounds rules, the
// plain bar with its percentage, and the segment total that must not wrap.
#include <gtest/gtest.h>

#include <vector>

#include "framed/display/RzMeter.h"
#include "tests/framed/FramedPixels.h"

namespace {

// Paints the meter alone on a white sheet.
std::unique_ptr<TPixelSheet> Painted(TRzMeter& meter) {
  auto sheet = std::make_unique<TPixelSheet>(meter.Width(), meter.Height(), clWhite);
  meter.Perform(WM_PAINT, reinterpret_cast<WPARAM>(sheet->Canvas()->Handle()), 0);
  return sheet;
}

// The colour of each of the default meter's ten segments, left to right, read at
// their middles.
std::vector<TColor> SegmentColors(TRzMeter& meter) {
  auto sheet = Painted(meter);
  const TRect client = meter.ClientRect();
  // The segments start SegSpacing - 1 into the client area and are 12 + 2 apart.
  std::vector<TColor> colors;
  for (int k = 0; k < 10; ++k) colors.push_back(sheet->At(client.Left + 1 + k * 14 + 6, client.Top + 14));
  return colors;
}

TEST(FramedMeter, SegmentsLightByValueInTheirGroupsColours) {
  const TColor G = clGreen, Y = clYellow, R = clRed, o = clBlack;
  struct Case {
    int value;
    std::vector<TColor> colors;
  } cases[] = {
      {0, {o, o, o, o, o, o, o, o, o, o}},
      {50, {G, G, G, G, G, o, o, o, o, o}},
      {80, {G, G, G, G, G, Y, Y, Y, o, o}},
      {99, {G, G, G, G, G, Y, Y, Y, R, o}},
      {100, {G, G, G, G, G, Y, Y, Y, R, R}},
  };
  TRzMeter meter(nullptr);
  EXPECT_EQ(meter.Width(), 150);
  EXPECT_EQ(meter.Height(), 30);
  EXPECT_EQ(meter.BorderOuter(), fsStatus);
  for (const Case& c : cases) {
    meter.SetValue(c.value);
    EXPECT_EQ(SegmentColors(meter), c.colors) << c.value;
  }
}

TEST(FramedMeter, BoundsAndValueStayInOrder) {
  struct Case {
    const char* name;
    int min, max, value;  // set in this order
    int gotMin, gotMax, gotValue;
  } cases[] = {
      {"Min onto Max moves below", 100, 100, 50, 99, 100, 99},
      {"Max onto Min moves above", 0, 0, 50, 0, 1, 1},
      {"value below Min", 10, 90, 5, 10, 90, 10},
      {"value above Max", 10, 90, 95, 10, 90, 90},
  };
  for (const Case& c : cases) {
    TRzMeter meter(nullptr);
    meter.SetMin(c.min);
    meter.SetMax(c.max);
    meter.SetValue(c.value);
    EXPECT_EQ(meter.Min(), c.gotMin) << c.name;
    EXPECT_EQ(meter.Max(), c.gotMax) << c.name;
    EXPECT_EQ(meter.Value(), c.gotValue) << c.name;
  }
}

// A value a new bound leaves outside the range is brought back inside it, so
// the bar arithmetic never works on a value beyond the scale.
TEST(FramedMeter, ANewBoundBringsTheValueBack) {
  TRzMeter meter(nullptr);
  meter.SetValue(80);
  meter.SetMax(60);
  EXPECT_EQ(meter.Value(), 60);
  EXPECT_EQ(meter.GetPercent(), 100);
  meter.SetMax(100);
  meter.SetMin(70);
  EXPECT_EQ(meter.Value(), 70);
  meter.AddValue(-100);
  EXPECT_EQ(meter.Value(), 70);
}

TEST(FramedMeter, TooSmallToDraw) {
  for (TRect bounds : {TRect(0, 0, 150, 3), TRect(0, 0, 3, 30)}) {
    TRzMeter meter(nullptr);
    meter.SetBoundsRect(bounds);
    meter.SetValue(100);
    auto sheet = Painted(meter);
    int changed = 0;
    for (int y = 0; y < sheet->Height(); ++y)
      for (int x = 0; x < sheet->Width(); ++x) changed += sheet->At(x, y) != clWhite;
    EXPECT_EQ(changed, 0) << bounds.Width() << " x " << bounds.Height();
  }
}

TEST(FramedMeter, APlainBarWritesItsPercentageInTheMiddle) {
  TRzMeter meter(nullptr);
  meter.SetMeterType(mtNormal);
  meter.SetBarColor(clBlue);
  meter.Font()->SetColor(clWhite);
  meter.Font()->SetName("Arial");
  meter.SetValue(25);
  EXPECT_EQ(meter.GetPercent(), 25);
  auto sheet = Painted(meter);
  const TRect client = meter.ClientRect();
  EXPECT_EQ(sheet->At(client.Left + 10, client.Top + 3), clBlue) << "the bar's first quarter";
  EXPECT_EQ(sheet->At(client.Right - 10, client.Top + 3), clBlack) << "the background beyond it";
  int textLeft = client.Right, textRight = client.Left, ink = 0;
  for (int y = client.Top; y < client.Bottom; ++y)
    for (int x = client.Left; x < client.Right; ++x)
      if (sheet->At(x, y) == clWhite) {
        ++ink;
        textLeft = std::min(textLeft, x);
        textRight = std::max(textRight, x);
      }
  ASSERT_GT(ink, 10) << "\"25%\" is written";
  const int middle = (client.Left + client.Right) / 2;
  EXPECT_NEAR((textLeft + textRight) / 2, middle, 4);
}

// Three groups of 100 segments make 300, not the 44 a byte would hold: at half
// scale the lit half runs from the first group into the second.
TEST(FramedMeter, TheSegmentTotalDoesNotWrap) {
  TRzMeter meter(nullptr);
  meter.SetBounds(0, 0, 1204, 20);
  meter.SetSegSpacing(0);
  for (int i = 0; i < 3; ++i) meter.SetSegCount(i, 100);
  EXPECT_EQ(meter.SegmentTotal(), 300);
  meter.SetValue(50);
  auto sheet = Painted(meter);
  const TRect client = meter.ClientRect();
  const int length = client.Width();
  EXPECT_EQ(sheet->At(client.Left + length * 20 / 100, 10), clGreen);
  EXPECT_EQ(sheet->At(client.Left + length * 40 / 100, 10), clYellow);
  EXPECT_EQ(sheet->At(client.Left + length * 60 / 100, 10), clBlack);
}

}  // namespace
