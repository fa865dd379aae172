// Text on a bitmap: extents, the platform's text output and the alpha-blended
// rendering. Glyph shapes come from Wine's rasteriser, so the checks compare
// coverage statistics, not bytes.
#include <gtest/gtest.h>

#include "GR32AreaLog.h"
#include "platform/core/WinApi.h"
#include "platform/graphics/GraphicsObjects.h"

namespace {

constexpr TColor32 kPaper = 0xFF000000;

void UseTahoma(TBitmap32& b, Integer height = -20) {
  b.Font()->SetName("Tahoma");
  b.Font()->SetHeight(height);
}

struct Coverage {
  int covered = 0;  // pixels with any ink
  int partial = 0;  // pixels neither empty nor full
  Int64 ink = 0;    // the sum of the coverage
};

// White text on black paper: the red channel is the coverage.
Coverage CoverageOf(const TBitmap32& b) {
  Coverage c;
  for (TColor32 p : Pixels(b)) {
    const int v = int(p >> 16 & 0xFF);
    c.covered += v > 0 ? 1 : 0;
    c.partial += v > 0 && v < 255 ? 1 : 0;
    c.ink += v;
  }
  return c;
}

TBitmap32* Paper(TBitmap32& b, int w = 120, int h = 40) {
  b.SetSize(w, h);
  b.Clear(kPaper);
  UseTahoma(b);
  return &b;
}

BYTE QualityOf(TFont* font) {
  LOGFONTA info{};
  ::GetObjectA(font->Handle(), sizeof(info), &info);
  return info.lfQuality;
}

TEST(GR32Text, Extents) {
  TBitmap32 b;
  Paper(b);
  EXPECT_EQ(b.TextExtent(""), (TSize{0, 0}));
  const TSize hello = b.TextExtent("Hello");
  EXPECT_GT(hello.cx, 20);
  EXPECT_GT(hello.cy, 15);
  EXPECT_EQ(b.TextExtentW(L"Hello"), hello);
  EXPECT_EQ(b.TextWidth("Hello"), hello.cx);
  EXPECT_EQ(b.TextHeightW(L"Hello"), hello.cy);
  // A bitmap without a device context measures on the shared canvas.
  TBitmap32 empty;
  UseTahoma(empty);
  EXPECT_EQ(empty.DCHandle(), nullptr);
  EXPECT_EQ(empty.TextExtent("Hello"), hello);
}

TEST(GR32Text, TextoutDrawsInTheFontColourWithinTheClip) {
  TBitmap32 b;
  Paper(b);
  b.Font()->SetColor(clWhite);
  AreaLog log;
  log.Watch(b);
  const TSize extent = b.TextExtent("Hello");
  b.Textout(4, 6, "Hello");
  EXPECT_GT(CoverageOf(b).covered, 30);
  EXPECT_EQ(log.areas, (std::vector<AreaReport>{{TRect{4, 6, 4 + extent.cx + 1, 6 + extent.cy + 1}, AREAINFO_RECT}}));

  struct Case {
    const char* what;
    std::function<void(TBitmap32&)> draw;
  } cases[] = {
      {"clip rectangle of the bitmap", [](TBitmap32& t) {
         t.SetClipRect(TRect{0, 0, 15, 40});
         t.Textout(4, 6, "Hello");
       }},
      {"given clip rectangle", [](TBitmap32& t) { t.Textout(4, 6, TRect{0, 0, 15, 40}, "Hello"); }},
      {"wide text, given clip", [](TBitmap32& t) { t.TextoutW(4, 6, TRect{0, 0, 15, 40}, L"Hello"); }},
  };
  for (const Case& c : cases) {
    TBitmap32 t;
    Paper(t);
    t.Font()->SetColor(clWhite);
    c.draw(t);
    int outside = 0, inside = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 120; ++x) (x < 15 ? inside : outside) += (t.GetPixel(x, y) & 0xFFFFFF) != 0 ? 1 : 0;
    EXPECT_GT(inside, 0) << c.what;
    EXPECT_EQ(outside, 0) << c.what;
  }
}

TEST(GR32Text, FormattedTextoutReportsTheRectangleTheFormatLeft) {
  TBitmap32 b;
  Paper(b);
  AreaLog log;
  log.Watch(b);
  b.Textout(TRect{2, 3, 200, 300}, DT_CALCRECT | DT_SINGLELINE, "Hello");
  const TSize extent = b.TextExtent("Hello");
  ASSERT_EQ(log.areas.size(), 1u);
  EXPECT_EQ(log.areas[0], (AreaReport{TRect{2, 3, 2 + extent.cx, 3 + extent.cy}, AREAINFO_RECT}));
  EXPECT_EQ(CoverageOf(b).covered, 0) << "measuring only";
}

TEST(GR32Text, MeasuringModeReportsWithoutDrawing) {
  TBitmap32 b;
  Paper(b);
  b.Font()->SetColor(clWhite);
  std::vector<AreaReport> reports;
  b.BeginMeasuring(TAreaChangedEvent::Function(
      [&reports](TObject*, const TRect& r, Cardinal info) { reports.push_back({r, info}); }));
  b.Textout(1, 2, "Hi");
  b.EndMeasuring();
  const TSize extent = b.TextExtent("Hi");
  EXPECT_EQ(CoverageOf(b).covered, 0);
  EXPECT_EQ(reports, (std::vector<AreaReport>{{TRect{1, 2, 2 + extent.cx, 3 + extent.cy}, AREAINFO_RECT}}));
}

TEST(GR32Text, RenderedTextCoverageByLevel) {
  struct Case {
    const char* what;
    Integer level;
    bool partialCoverage;  // whether pixels between empty and full appear
  } cases[] = {
      {"not antialiased", 0, false},
      {"the platform's antialiasing", -1, true},
      {"four times the size averaged down", 2, true},
      {"sixteen times the size averaged down", 4, true},
  };
  Coverage plain;
  for (const Case& c : cases) {
    TBitmap32 b;
    Paper(b);
    b.RenderText(3, 3, "Wave", c.level, 0xFFFFFFFF);
    const Coverage got = CoverageOf(b);
    if (c.level == 0) plain = got;
    EXPECT_GT(got.covered, 40) << c.what;
    EXPECT_EQ(got.partial > 0, c.partialCoverage) << c.what;
    // The same glyphs carry about the same ink at every level.
    if (c.level != 0) {
      EXPECT_GT(got.ink, plain.ink / 2) << c.what;
      EXPECT_LT(got.ink, plain.ink * 2) << c.what;
    }
  }
}

// A block half covered at four times the size averages to half coverage.
TEST(GR32Text, ScalingDownAveragesBlocksIntoAlpha) {
  TBitmap32 big, small;
  big.SetSize(8, 4);
  big.Clear(0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 2; ++x) big.SetPixel(x, y, 0x00FFFFFF);  // the left half of the first block
  for (int y = 0; y < 4; ++y)
    for (int x = 4; x < 8; ++x) big.SetPixel(x, y, 0x00FFFFFF);  // the whole second block
  small.SetSize(2, 1);
  TextScaleDown(&small, &big, 2, 0x00123456);
  EXPECT_EQ(small.GetPixel(0, 0), 0x7F123456u);
  EXPECT_EQ(small.GetPixel(1, 0), 0xFF123456u);

  TBitmap32 b;
  b.SetSize(3, 1);
  b.SetPixel(0, 0, 0);
  b.SetPixel(1, 0, 0x00FFFF80);
  b.SetPixel(2, 0, 0x000000FF);
  TextBlueToAlpha(&b, 0x00102030);
  EXPECT_EQ(Pixels(b), (std::vector<TColor32>{0, 0x80102030, 0xFF102030}));
}

TEST(GR32Text, LevelsOutsideTheRangeAreBroughtIn) {
  struct Case {
    Integer given, same;
  } cases[] = {{9, 4}, {-7, -1}};
  for (const Case& c : cases) {
    TBitmap32 a, b;
    Paper(a);
    Paper(b);
    a.RenderText(2, 2, "Wave", c.given, 0xFFFFFFFF);
    b.RenderText(2, 2, "Wave", c.same, 0xFFFFFFFF);
    EXPECT_EQ(Pixels(a), Pixels(b)) << c.given;
  }
}

TEST(GR32Text, RenderedTextTakesTheColourAndOpacity) {
  TBitmap32 b;
  Paper(b);
  b.RenderText(3, 3, "Wave", 0, 0x00FFFFFF);
  EXPECT_EQ(CoverageOf(b).covered, 0) << "an invisible colour";
  b.RenderTextW(3, 3, L"Wave", 0, 0xFF00FF00);
  int green = 0, other = 0;
  for (TColor32 p : Pixels(b)) {
    if ((p & 0xFFFFFF) == 0x00FF00) ++green;
    else if ((p & 0xFFFFFF) != 0) ++other;
  }
  EXPECT_GT(green, 40);
  EXPECT_EQ(other, 0) << "unantialiased: full coverage or none";
}

TEST(GR32Text, TheFontIsLeftAtDefaultQuality) {
  TBitmap32 b;
  Paper(b);
  LOGFONTA smooth = b.Font()->LogFont();
  smooth.lfQuality = ANTIALIASED_QUALITY;
  b.Font()->SetHandle(::CreateFontIndirectA(&smooth));
  ASSERT_EQ(QualityOf(b.Font()), ANTIALIASED_QUALITY);
  b.RenderText(1, 1, "Wave", 1, 0xFFFFFFFF);
  EXPECT_EQ(QualityOf(b.Font()), DEFAULT_QUALITY);
  EXPECT_EQ(b.Font()->Name(), "Tahoma");

  TBitmap32 empty;
  UseTahoma(empty);
  const HFONT before = empty.Font()->Handle();
  empty.RenderText(1, 1, "Wave", 1, 0xFFFFFFFF);
  EXPECT_EQ(empty.Font()->Handle(), before) << "an empty bitmap leaves the font alone";
}

}  // namespace
