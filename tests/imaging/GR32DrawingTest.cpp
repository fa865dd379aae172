// The bitmap's drawing primitives: runs, lines, rectangles, the stipple pattern
// and the whole-picture moves, with what each reports.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "GR32AreaLog.h"
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_Math.h"

namespace {

constexpr TColor32 kInk = 0xFF00FF00;

// The pixels of row y (or column x) that hold the ink.
std::vector<int> InkedRow(const TBitmap32& b, int y) {
  std::vector<int> xs;
  for (int x = 0; x < b.Width(); ++x)
    if (b.GetPixel(x, y) == kInk) xs.push_back(x);
  return xs;
}

int InkCount(const TBitmap32& b) {
  int n = 0;
  for (TColor32 c : Pixels(b)) n += c == kInk ? 1 : 0;
  return n;
}

struct Canvas10 {
  TBitmap32 b;
  AreaLog log;
  Canvas10(int w = 10, int h = 10) {
    b.SetSize(w, h);
    b.Clear(0);
    log.Watch(b);
    log.Clear();
  }
};

TEST(GR32Runs, ClippedRunsAndTheirReports) {
  struct Case {
    const char* what;
    std::function<void(TBitmap32&)> draw;
    std::vector<int> row3;  // inked pixels of row 3
    std::vector<AreaReport> reports;
  } cases[] = {
      {"HorzLineS", [](TBitmap32& b) { b.HorzLineS(2, 3, 5, kInk); }, {2, 3, 4, 5},
       {{TRect{2, 3, 5, 4}, AREAINFO_RECT}}},
      {"HorzLineS with the ends exchanged", [](TBitmap32& b) { b.HorzLineS(5, 3, 2, kInk); }, {2, 3, 4, 5},
       {{TRect{2, 3, 5, 4}, AREAINFO_RECT}}},
      {"HorzLineS cut by the clip", [](TBitmap32& b) { b.HorzLineS(-4, 3, 40, kInk); }, {1, 2, 3, 4, 5, 6, 7},
       {{TRect{1, 3, 7, 4}, AREAINFO_RECT}}},
      {"HorzLineS on a row outside", [](TBitmap32& b) { b.HorzLineS(0, 0, 9, kInk); }, {}, {}},
      {"HorzLineTS", [](TBitmap32& b) { b.HorzLineTS(0, 3, 3, kInk); }, {1, 2, 3}, {{TRect{1, 3, 3, 4}, AREAINFO_RECT}}},
      {"VertLineS", [](TBitmap32& b) { b.VertLineS(4, 9, -9, kInk); }, {4}, {{TRect{4, 1, 5, 8}, AREAINFO_RECT}}},
      {"VertLineTS outside", [](TBitmap32& b) { b.VertLineTS(0, 0, 9, kInk); }, {}, {}},
  };
  for (const Case& c : cases) {
    Canvas10 t;
    t.b.SetClipRect(TRect{1, 1, 8, 9});
    c.draw(t.b);
    EXPECT_EQ(InkedRow(t.b, 3), c.row3) << c.what;
    EXPECT_EQ(t.log.areas, c.reports) << c.what;
  }
}

// The unchecked runs and lines write and leave the reporting to their callers.
TEST(GR32Runs, UncheckedFormsReportNothingAndVertLineFillsTheColumn) {
  Canvas10 t(3, 11);
  t.b.VertLine(1, 0, 10, kInk);
  t.b.HorzLine(0, 5, 2, kInk);
  EXPECT_TRUE(t.log.areas.empty());
  EXPECT_EQ(InkCount(t.b), 11 + 2);
  t.b.VertLine(0, 4, 3, kInk);
  EXPECT_EQ(InkCount(t.b), 13) << "an upward span writes nothing";
}

TEST(GR32Lines, EndPixelAndReports) {
  struct Case {
    const char* what;
    std::function<void(TBitmap32&)> draw;
    int inked;
    std::vector<AreaReport> reports;
  } cases[] = {
      // An axis-parallel LineS reports its run, then a plain change.
      {"LineS without the end", [](TBitmap32& b) { b.LineS(0, 0, 10, 0, kInk, false); }, 10,
       {{TRect{0, 0, 9, 1}, AREAINFO_RECT}, {TRect{0, 0, 12, 12}, AREAINFO_RECT}}},
      {"LineS with the end", [](TBitmap32& b) { b.LineS(0, 0, 10, 0, kInk, true); }, 11,
       {{TRect{0, 0, 9, 1}, AREAINFO_RECT}, {TRect{0, 0, 12, 12}, AREAINFO_RECT}}},
      {"Line diagonal", [](TBitmap32& b) { b.Line(1, 1, 6, 4, kInk, false); }, 5,
       {{TRect{1, 1, 6, 4}, AREAINFO_LINE_ENDS}}},
      {"LineS wholly outside", [](TBitmap32& b) { b.LineS(20, 20, 30, 25, kInk, true); }, 0, {}},
      {"LineS with its end outside draws to the edge", [](TBitmap32& b) { b.LineS(2, 1, 30, 8, kInk, false); }, 10,
       {{TRect{2, 1, 30, 8}, AREAINFO_LINE_ENDS}}},
      {"LineAS wholly outside", [](TBitmap32& b) { b.LineAS(-20, -20, -3, -9, kInk, true); }, 0, {}},
      {"LineXS wholly outside", [](TBitmap32& b) { b.LineXS(Fixed(-20), Fixed(2), Fixed(-3), Fixed(9), kInk, true); },
       0, {}},
  };
  for (const Case& c : cases) {
    Canvas10 t(12, 12);
    c.draw(t.b);
    EXPECT_EQ(InkCount(t.b), c.inked) << c.what;
    EXPECT_EQ(t.log.areas, c.reports) << c.what;
  }
  Canvas10 t(12, 12);
  t.b.LineS(0, 0, 10, 0, kInk, false);
  EXPECT_EQ(InkedRow(t.b, 0), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(GR32Lines, AntialiasedAxisParallelIsBlended) {
  TBitmap32 a, t;
  for (TBitmap32* b : {&a, &t}) {
    b->SetSize(8, 3);
    b->Clear(0xFF000000);
  }
  a.LineA(1, 1, 6, 1, 0x80FFFFFF, true);
  t.LineT(1, 1, 6, 1, 0x80FFFFFF, true);
  EXPECT_EQ(Pixels(a), Pixels(t));
  EXPECT_NE(a.GetPixel(3, 1), 0xFF000000u);
}

// An exact diagonal: its 16-bit step would be 65536 kept in 16 bits, i.e. 0,
// and the line would run straight along one axis.
TEST(GR32Lines, AntialiasedDiagonalFollowsTheDiagonal) {
  TBitmap32 b;
  b.SetSize(8, 8);
  b.Clear(0xFF000000);
  b.LineA(0, 0, 6, 6, 0xFFFFFFFF, true);
  for (int i = 0; i <= 6; ++i) EXPECT_EQ(b.GetPixel(i, i), 0xFFFFFFFFu) << i;
  EXPECT_EQ(b.GetPixel(6, 0), 0xFF000000u);
}

TEST(GR32Lines, SubPixelLines) {
  Canvas10 t(16, 16);
  t.b.LineX(Fixed(3), Fixed(3), Fixed(3) + 100, Fixed(3), kInk, false);
  EXPECT_EQ(Pixels(t.b), std::vector<TColor32>(256, 0)) << "shorter than 1/256 pixel: nothing drawn";
  ASSERT_EQ(t.log.areas.size(), 1u);
  EXPECT_EQ(t.log.areas[0], (AreaReport{TRect{3, 3, 3, 3}, AREAINFO_LINE_ENDS})) << "but reported";

  t.log.Clear();
  t.b.LineF(2, 5, 12, 5, 0xFFFFFFFF, false);
  // Whole-pixel dots, each at (nearly) full weight through the 24.8 writer.
  for (int x = 2; x < 12; ++x) EXPECT_GE(t.b.GetPixel(x, 5) >> 24, 250u) << x;
  EXPECT_EQ(t.b.GetPixel(12, 5), 0u) << "the end pixel is left out";
  EXPECT_EQ(t.log.areas, (std::vector<AreaReport>{{TRect{2, 5, 12, 5}, AREAINFO_LINE_ENDS}}));

  // A clipped sub-pixel line stays inside the clip rectangle.
  Canvas10 c(16, 16);
  c.b.SetClipRect(TRect{4, 4, 12, 12});
  c.b.LineFS(-5, -5, 20, 20, 0xFFFFFFFF, true);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool inside = x >= 4 && x < 12 && y >= 4 && y < 12;
      if (!inside) {
        EXPECT_EQ(c.b.GetPixel(x, y), 0u) << x << "," << y;
      }
    }
  EXPECT_NE(c.b.GetPixel(8, 8), 0u);
}

TEST(GR32Lines, PenDrawsFromTheRasterPosition) {
  Canvas10 t;
  t.b.PenColor = kInk;
  t.b.MoveTo(1, 2);
  t.b.LineToS(6, 2);
  EXPECT_EQ(InkedRow(t.b, 2), (std::vector<int>{1, 2, 3, 4, 5})) << "the end pixel is left out";
  EXPECT_EQ(t.b.RasterPos(), (TPoint{6, 2}));
  t.b.LineToTS(6, 7);
  EXPECT_EQ(t.b.RasterPos(), (TPoint{6, 7}));
  t.b.MoveToF(1.5f, 1.5f);
  t.b.LineToFS(3.5f, 1.5f);
  EXPECT_EQ(t.b.RasterPosX(), (TFixedPoint{Fixed(3.5f), Fixed(1.5f)}));
}

TEST(GR32Lines, MeasuringModeReportsWithoutDrawing) {
  TBitmap32 b;
  b.SetSize(10, 10);
  b.Clear(0);
  b.SetStipple({0xFFFFFFFF, 0xFF000000});
  std::vector<AreaReport> reports;
  b.BeginMeasuring(TAreaChangedEvent::Function(
      [&reports](TObject*, const TRect& r, Cardinal info) { reports.push_back({r, info}); }));
  b.HorzLineS(1, 1, 5, kInk);
  b.LineS(0, 0, 30, 30, kInk);
  b.LineTS(1, 2, 3, 9, kInk);
  b.LineAS(1, 2, 3, 9, kInk);
  b.LineXS(Fixed(1), Fixed(1), Fixed(4), Fixed(2), kInk);
  b.LineXSP(Fixed(1), Fixed(1), Fixed(4), Fixed(2));
  b.FillRectS(2, 2, 4, 4, kInk);
  b.HorzLineTSP(0, 3, 4);
  b.Textout(1, 1, "");
  b.EndMeasuring();
  EXPECT_EQ(Pixels(b), std::vector<TColor32>(100, 0));
  EXPECT_EQ(reports, (std::vector<AreaReport>{{TRect{1, 1, 5, 2}, AREAINFO_RECT},
                                              {TRect{0, 0, 30, 30}, AREAINFO_LINE_ENDS},
                                              {TRect{1, 2, 3, 9}, AREAINFO_LINE_ENDS},
                                              {TRect{1, 2, 3, 9}, AREAINFO_LINE_ENDS},
                                              {TRect{1, 1, 4, 2}, AREAINFO_LINE_ENDS},
                                              {TRect{1, 1, 4, 2}, AREAINFO_STIPPLED_LINE_ENDS},
                                              {TRect{2, 2, 4, 4}, AREAINFO_RECT},
                                              {TRect{0, 3, 4, 4}, AREAINFO_RECT},
                                              {TRect{1, 1, 2, 2}, AREAINFO_RECT}}));
  EXPECT_EQ(b.StippleCounter, 0.0f) << "measuring moves no pattern";
}

TEST(GR32Rects, FillFrameAndRaise) {
  struct Case {
    const char* what;
    std::function<void(TBitmap32&)> draw;
    int inked;
    std::vector<AreaReport> reports;
  } cases[] = {
      {"FillRectS cut by the clip", [](TBitmap32& b) { b.FillRectS(-3, 2, 4, 4, kInk); }, 6,
       {{TRect{1, 2, 4, 4}, AREAINFO_RECT}}},
      {"FillRectS of an empty rectangle", [](TBitmap32& b) { b.FillRectS(4, 4, 4, 8, kInk); }, 0,
       {{TRect{4, 4, 4, 8}, AREAINFO_RECT}}},
      {"FillRectT fully transparent", [](TBitmap32& b) { b.FillRectT(1, 1, 5, 5, 0x00FFFFFF); }, 0, {}},
      {"FillRectTS opaque", [](TBitmap32& b) { b.FillRectTS(TRect{0, 0, 3, 3}, kInk); }, 4,
       {{TRect{1, 1, 3, 3}, AREAINFO_RECT}}},
      {"FrameRectS of one pixel", [](TBitmap32& b) { b.FrameRectS(3, 3, 4, 4, kInk); }, 1,
       {{TRect{3, 3, 3, 4}, AREAINFO_RECT}}},
      {"FrameRectS", [](TBitmap32& b) { b.FrameRectS(2, 2, 6, 5, kInk); }, 10,
       {{TRect{2, 2, 5, 3}, AREAINFO_RECT}, {TRect{2, 4, 5, 5}, AREAINFO_RECT},
        {TRect{2, 3, 3, 3}, AREAINFO_RECT}, {TRect{5, 3, 6, 3}, AREAINFO_RECT}}},
      {"FrameRectS that misses", [](TBitmap32& b) { b.FrameRectS(20, 2, 26, 5, kInk); }, 0, {}},
  };
  for (const Case& c : cases) {
    Canvas10 t;
    t.b.SetClipRect(TRect{1, 1, 9, 9});
    c.draw(t.b);
    EXPECT_EQ(InkCount(t.b), c.inked) << c.what;
    EXPECT_EQ(t.log.areas, c.reports) << c.what;
  }
}

TEST(GR32Rects, RaisedEdgesByContrast) {
  struct Case {
    Integer contrast;
    TColor32 topLeft, bottomRight;  // what a black background becomes
  } cases[] = {
      {50, 0xFFFFFFFF, 0xFF000000},  // white at 255 (256 clamped), black at 127
      {-50, 0xFF000000, 0xFFFFFFFF},
      {0, 0xFF000000, 0xFF000000},
  };
  for (const Case& c : cases) {
    TBitmap32 b;
    b.SetSize(6, 6);
    b.Clear(0xFF000000);
    b.RaiseRectTS(TRect{0, 0, 6, 6}, c.contrast);
    const auto rgb = [&b](int x, int y) { return b.GetPixel(x, y) & 0x00FFFFFF; };
    EXPECT_EQ(rgb(2, 0), c.topLeft & 0x00FFFFFF) << c.contrast;
    EXPECT_EQ(rgb(0, 2), c.topLeft & 0x00FFFFFF) << c.contrast;
    EXPECT_EQ(rgb(2, 5), c.bottomRight & 0x00FFFFFF) << c.contrast;
    EXPECT_EQ(rgb(5, 2), c.bottomRight & 0x00FFFFFF) << c.contrast;
  }
  // The dark edge's alpha: a white background under black at 127.
  TBitmap32 b;
  b.SetSize(6, 6);
  b.Clear(0xFFFFFFFF);
  b.RaiseRectTS(0, 0, 6, 6, 50);
  TColor32 expected = 0xFFFFFFFF;
  BLEND_MEM[cmBlend](0x7F000000, expected);
  EXPECT_EQ(b.GetPixel(3, 5), expected);
}

TEST(GR32Stipple, PatternColoursAndTheCounter) {
  TBitmap32 b;
  EXPECT_EQ(b.GetStippleColor(), 0xFF000000u) << "an empty pattern";
  EXPECT_EQ(b.StippleCounter, 0.0f) << "leaves the counter";
  b.StippleCounter = 3;
  b.SetStipple({0xFFFF0000, 0xFF00FF00, 0xFF0000FF});
  EXPECT_EQ(b.StippleCounter, 0.0f);
  EXPECT_EQ(b.GetStippleColor(), 0xFFFF0000u);
  EXPECT_EQ(b.GetStippleColor(), 0xFF00FF00u);
  b.StippleStep = 0.5f;
  EXPECT_EQ(b.GetStippleColor(), 0xFF0000FFu);
  EXPECT_EQ(b.GetStippleColor(), CombineReg(0xFF0000FF, 0xFFFF0000, 127)) << "halfway to the first again";
  b.AdvanceStippleCounter(7);  // 3.0 + 3.5 = 6.5, wrapped to 0.5
  EXPECT_FLOAT_EQ(b.StippleCounter, 0.5f);
}

// Counters far outside the pattern, or not numbers at all, still index inside it.
TEST(GR32Stipple, CountersFarOutsideThePatternWrap) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* what;
    float counter;
    TColor32 expected;
  } cases[] = {
      {"many patterns ahead", 4 * 1000 + 2, 0xFF0000FF},
      {"many patterns behind", -4 * 1000 + 1, 0xFF00FF00},
      {"just below zero", -1, 0xFFFFFFFF},
      {"not a number", nan, 0xFFFF0000},
      {"infinite", inf, 0xFFFF0000},
  };
  for (const Case& c : cases) {
    TBitmap32 b;
    b.SetStipple({0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF});
    b.StippleCounter = c.counter;
    EXPECT_EQ(b.GetStippleColor(), c.expected) << c.what;
    EXPECT_TRUE(b.StippleCounter >= 0 && b.StippleCounter <= 5) << c.what;
  }
  TBitmap32 b;
  b.SetStipple({0xFFFF0000, 0xFF00FF00});
  b.StippleStep = 1e6f + 1;
  for (int i = 0; i < 5; ++i) {
    const TColor32 c = b.GetStippleColor();
    EXPECT_TRUE(c == 0xFFFF0000 || c == 0xFF00FF00) << i;
  }
}

// The distance between two pattern positions, taken around the pattern.
float PatternDistance(float a, float b, float n) {
  float d = std::fmod(a - b, n);
  if (d > n / 2) d -= n;
  if (d < -n / 2) d += n;
  return d;
}

// The stippled runs leave the pattern where the unclipped figure would: one
// step per pixel of the whole figure, drawn or cut off.
TEST(GR32Stipple, ClippedStippledRunsKeepThePatternInStep) {
  struct Case {
    const char* what;
    std::function<void(TBitmap32&)> draw;
    int figurePixels;
  } cases[] = {
      {"run cut at both ends", [](TBitmap32& b) { b.HorzLineTSP(-3, 4, 13); }, 17},
      {"reversed run", [](TBitmap32& b) { b.HorzLineTSP(13, 4, -3); }, 17},
      {"run on a row outside", [](TBitmap32& b) { b.HorzLineTSP(0, 40, 9); }, 10},
      {"column cut", [](TBitmap32& b) { b.VertLineTSP(4, -6, 11); }, 18},
      {"frame reaching out on three sides", [](TBitmap32& b) { b.FrameRectTSP(-2, -2, 12, 7); }, 13 + 8 + 13 + 8},
  };
  for (const Case& c : cases) {
    TBitmap32 b;
    b.SetSize(10, 10);
    b.SetStipple({0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFF808080});
    c.draw(b);
    EXPECT_NEAR(PatternDistance(b.StippleCounter, float(c.figurePixels), 5), 0, 1e-4) << c.what;
  }
}

TEST(GR32Stipple, ClippedSubPixelLinesKeepThePatternInStep) {
  struct Case {
    const char* what;
    float x1, y1, x2, y2;
    bool l;
  } cases[] = {
      {"start cut", -6.25f, 3.5f, 8.0f, 5.0f, false},
      {"end cut", 2.0f, 2.0f, 19.5f, 8.0f, false},
      {"both ends cut", -4.0f, -3.0f, 17.0f, 12.0f, true},
      {"wholly outside", 12.0f, 1.0f, 25.0f, 9.0f, false},
      {"inside", 1.0f, 1.0f, 8.0f, 6.5f, true},
  };
  for (const Case& c : cases) {
    TBitmap32 clipped, whole;
    clipped.SetSize(10, 10);
    whole.SetSize(40, 40);
    for (TBitmap32* b : {&clipped, &whole}) {
      b->SetStipple({0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFF808080});
      b->StippleStep = 0.75f;
    }
    clipped.LineFSP(c.x1, c.y1, c.x2, c.y2, c.l);
    // The unclipped line, moved into a bitmap it fits.
    whole.LineFP(c.x1 + 10, c.y1 + 10, c.x2 + 10, c.y2 + 10, c.l);
    EXPECT_NEAR(PatternDistance(clipped.StippleCounter, whole.StippleCounter, 4), 0, 1e-3)
        << c.what << ": " << clipped.StippleCounter << " against " << whole.StippleCounter;
  }
}

TEST(GR32WholePicture, RollByPixelsAndRows) {
  // A 4 x 3 store: pixel i holds i.
  auto make = [](TBitmap32& b) {
    b.SetSize(4, 3);
    for (int i = 0; i < 12; ++i) b.Bits()[i] = TColor32(i);
  };
  constexpr TColor32 F = 0xFF;
  struct Case {
    const char* what;
    int dx, dy;
    std::vector<TColor32> store;
  } cases[] = {
      {"one pixel forward", 1, 0, {F, 0, 1, 2, F, 4, 5, 6, F, 8, 9, 10}},
      {"one pixel backward", -1, 0, {1, 2, 3, F, 5, 6, 7, F, 9, 10, 11, F}},
      {"one row forward", 0, 1, {F, F, F, F, 0, 1, 2, 3, 4, 5, 6, 7}},
      {"one row backward", 0, -1, {4, 5, 6, 7, 8, 9, 10, 11, F, F, F, F}},
      {"a row and two pixels forward", 2, 1, {F, F, F, F, F, F, 0, 1, F, F, 4, 5}},
      {"further than the picture", 4, 0, std::vector<TColor32>(12, F)},
  };
  for (const Case& c : cases) {
    TBitmap32 b;
    make(b);
    AreaLog log;
    log.Watch(b);
    b.Roll(c.dx, c.dy, true, F);
    EXPECT_EQ(Pixels(b), c.store) << c.what;
    EXPECT_GE(log.changes, 1) << c.what;
  }
  TBitmap32 b;
  make(b);
  b.Roll(1, 0, false, F);
  EXPECT_EQ(Pixels(b), (std::vector<TColor32>{0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}))
      << "without filling: the last pixel of a row becomes the first of the next";
}

TEST(GR32WholePicture, FlipsAndTurns) {
  auto make = [](TBitmap32& b) {  // 3 x 2: a b c / d e f
    b.SetSize(3, 2);
    for (int i = 0; i < 6; ++i) b.Bits()[i] = TColor32('a' + i);
  };
  struct Case {
    const char* what;
    std::function<void(TBitmap32& self, TBitmap32* dst)> run;
    int w, h;
    const char* store;
  } cases[] = {
      {"flip horizontally", [](TBitmap32& s, TBitmap32* d) { s.FlipHorz(d); }, 3, 2, "cbafed"},
      {"flip vertically", [](TBitmap32& s, TBitmap32* d) { s.FlipVert(d); }, 3, 2, "defabc"},
      {"quarter turn clockwise", [](TBitmap32& s, TBitmap32* d) { s.Rotate90(d); }, 2, 3, "dae bfc"},
      {"quarter turn counter-clockwise", [](TBitmap32& s, TBitmap32* d) { s.Rotate270(d); }, 2, 3, "cfbead"},
      {"half turn", [](TBitmap32& s, TBitmap32* d) { s.Rotate180(d); }, 3, 2, "fedcba"},
  };
  for (const Case& c : cases) {
    String expected;
    for (const char* p = c.store; *p; ++p)
      if (*p != ' ') expected += *p;
    for (int target = 0; target < 3; ++target) {  // into another bitmap, in place (nil), onto itself
      TBitmap32 self, other;
      make(self);
      TBitmap32* dst = target == 0 ? &other : target == 1 ? nullptr : &self;
      c.run(self, dst);
      const TBitmap32& result = target == 0 ? other : self;
      ASSERT_EQ(result.Width(), c.w) << c.what << " target " << target;
      ASSERT_EQ(result.Height(), c.h) << c.what << " target " << target;
      String got;
      for (TColor32 v : Pixels(result)) got += char(v);
      EXPECT_EQ(got, expected) << c.what << " target " << target;
    }
  }
}

TEST(GR32WholePicture, QuarterTurnsBackAndForthRestoreThePicture) {
  TBitmap32 b, start;
  FillDistinct(b, 7, 4);
  start.Assign(&b);
  b.Rotate90();
  b.Rotate270();
  EXPECT_TRUE(b.Equal(&start));
  b.Rotate90(&b);
  b.Rotate270(&b);
  EXPECT_TRUE(b.Equal(&start)) << "turning onto itself";
}

}  // namespace
