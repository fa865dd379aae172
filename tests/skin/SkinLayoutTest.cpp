// Glyph and caption layout, text fitting and the code-drawn glyphs pixel for
// pixel (lines leave their end point unpainted).
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinLayout.h"
#include "skin/draw/SkinText.h"
#include "tests/skin/SkinTestPictures.h"

namespace {

TEST(SkinLayout, GlyphAndTextPositions) {
  // R = (0, 0, 100, 30), glyph 16 x 16, text 40 x 13, spacing 4: cx 50, cy 15, h 30, v 16.
  struct Case {
    int layout, glyphWidth, margin;
    int textX, textY, glyphX, glyphY;
  } cases[] = {
      {blGlyphLeft, 16, -1, 40, 9, 20, 7},    {blGlyphLeft, 0, -1, 30, 9, 30, 7},
      {blGlyphRight, 16, -1, 20, 9, 64, 7},   {blGlyphTop, 16, -1, 30, 18, 42, -1},
      {blGlyphBottom, 16, -1, 30, -1, 42, 15}, {blGlyphLeft, 16, 5, 25, 9, 5, 7},
      {blGlyphRight, 16, 5, 35, 9, 79, 7},    {blGlyphTop, 16, 5, 30, 25, 42, 5},
      {blGlyphBottom, 16, 5, 30, -8, 42, 9},  {7, 16, -1, 40, 9, 20, 7},
      {-1, 16, 5, 25, 9, 5, 7},
  };
  for (const Case& c : cases) {
    Integer textX = -99, textY = -99, glyphX = -99, glyphY = -99;
    CalcLCoord(c.layout, Rect(0, 0, 100, 30), c.glyphWidth, 16, 40, 13, 4, c.margin, textX, textY, glyphX, glyphY);
    EXPECT_EQ(std::make_pair(textX, textY), std::make_pair(c.textX, c.textY)) << c.layout << " margin " << c.margin;
    EXPECT_EQ(std::make_pair(glyphX, glyphY), std::make_pair(c.glyphX, c.glyphY))
        << c.layout << " margin " << c.margin;
  }
}

class TextFitting : public ::testing::Test {
protected:
  void SetUp() override { PaintZones(surface, 10, 10, {}); }
  TCanvas* Canvas() { return surface.Canvas(); }
  TBitmap surface;
};

TEST_F(TextFitting, LongestPrefixThatFitsWithAnEllipsis) {
  const String text = "Varnel Revo converts titles";
  int full = Canvas()->TextWidth(text), dots = Canvas()->TextWidth("...");
  for (int width : {full + 5, full, full - 1, full / 2, dots + 1, dots, dots - 1, 0, -10}) {
    String s = text;
    CorrectTextbyWidth(Canvas(), s, width);
    if (width >= full) {
      EXPECT_EQ(s, text);
      continue;
    }
    ASSERT_GE(s.size(), 3u);
    String prefix = s.substr(0, s.size() - 3);
    EXPECT_EQ(s.substr(s.size() - 3), "...") << width;
    EXPECT_EQ(text.compare(0, prefix.size(), prefix), 0);
    if (!prefix.empty()) {
      EXPECT_LE(Canvas()->TextWidth(s), width) << width;
    }
    EXPECT_GT(Canvas()->TextWidth(text.substr(0, prefix.size() + 1) + "..."), width) << "the next one would not fit";
  }
  String empty;
  CorrectTextbyWidth(Canvas(), empty, -1);
  EXPECT_EQ(empty, "...");
}

TEST_F(TextFitting, WideTextMeasuresAndFitsTheSame) {
  WideString s = L"Varnel Revo converts titles";
  EXPECT_EQ(CalcTextWidthW(Canvas(), s), Canvas()->TextWidth("Varnel Revo converts titles"));
  EXPECT_GT(CalcTextHeightW(Canvas(), s), 0);
  CorrectTextbyWidthW(Canvas(), s, CalcTextWidthW(Canvas(), L"Varnel..."));
  EXPECT_EQ(s, L"Varnel...");
}

// The pixels a glyph routine paints black on a white 20 x 20 bitmap.
using Pixels = std::set<std::pair<int, int>>;

Pixels Painted(const std::function<void(TCanvas*)>& draw) {
  TBitmap b;
  PaintZones(b, 20, 20, {});
  draw(b.Canvas());
  Pixels painted;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      if (At(b, x, y) != clWhite) painted.insert({x, y});
  return painted;
}

// A horizontal, vertical or diagonal line without its end point.
void Line(Pixels& p, int x1, int y1, int x2, int y2) {
  int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
  for (int x = x1, y = y1; x != x2 || y != y2; x += dx, y += dy) p.insert({x, y});
}

void Outline(Pixels& p, int x1, int y1, int x2, int y2) {
  for (int x = x1; x < x2; ++x) p.insert({x, y1}), p.insert({x, y2 - 1});
  for (int y = y1; y < y2; ++y) p.insert({x1, y}), p.insert({x2 - 1, y});
}

void Fill(Pixels& p, int x1, int y1, int x2, int y2) {
  for (int y = y1; y < y2; ++y)
    for (int x = x1; x < x2; ++x) p.insert({x, y});
}

TEST(CodeDrawnGlyphs, BitPatterns) {
  const int X = 4, Y = 4;
  const TRect R = Rect(0, 0, 20, 20);  // centre (10, 10)
  struct Case {
    const char* name;
    std::function<void(TCanvas*)> draw;
    std::function<void(Pixels&)> expected;
  } cases[] = {
      {"arrow left", [&](TCanvas* c) { DrawArrowImage(c, R, clBlack, 1); },
       [](Pixels& p) { for (int i = 0; i <= 3; ++i) Line(p, 8 + i, 10 - i, 8 + i, 11 + i); }},
      {"arrow right", [&](TCanvas* c) { DrawArrowImage(c, R, clBlack, 2); },
       [](Pixels& p) { for (int n = 3; n >= 0; --n) Line(p, 12 - n, 10 + n, 12 - n, 9 - n); }},
      {"arrow up", [&](TCanvas* c) { DrawArrowImage(c, R, clBlack, 3); },
       [](Pixels& p) { for (int i = 0; i <= 3; ++i) Line(p, 10 - i, 8 + i, 11 + i, 8 + i); }},
      {"arrow down", [&](TCanvas* c) { DrawArrowImage(c, R, clBlack, 4); },
       [](Pixels& p) { for (int n = 3; n >= 0; --n) Line(p, 10 - n, 12 - n, 11 + n, 12 - n); }},
      {"arrow of another kind", [&](TCanvas* c) { DrawArrowImage(c, R, clBlack, 9); }, [](Pixels&) {}},
      {"track arrow", [&](TCanvas* c) { DrawTrackArrowImage(c, R, clBlack); },
       [](Pixels& p) { for (int n = 2; n >= 0; --n) Line(p, 10 - n, 12 - n, 11 + n, 12 - n); }},
      {"close", [&](TCanvas* c) { DrawCloseImage(c, X, Y, clBlack); },
       [&](Pixels& p) {
         Line(p, X + 1, Y + 1, X + 9, Y + 9), Line(p, X + 9, Y + 1, X + 1, Y + 9);
         Line(p, X + 2, Y + 1, X + 10, Y + 9), Line(p, X + 8, Y + 1, X, Y + 9);
       }},
      {"close in a rectangle", [&](TCanvas* c) { DrawRCloseImage(c, R, clBlack); },
       [](Pixels& p) {
         Line(p, 6, 6, 14, 14), Line(p, 14, 6, 6, 14), Line(p, 7, 6, 15, 14), Line(p, 13, 6, 5, 14);
       }},
      {"minimize", [&](TCanvas* c) { DrawMinimizeImage(c, X, Y, clBlack); },
       [&](Pixels& p) { Line(p, X + 1, Y + 8, X + 9, Y + 8), Line(p, X + 1, Y + 9, X + 9, Y + 9); }},
      {"maximize", [&](TCanvas* c) { DrawMaximizeImage(c, X, Y, clBlack); },
       [&](Pixels& p) { Outline(p, X, Y, X + 11, Y + 10), Outline(p, X, Y, X + 11, Y + 2); }},
      {"restore", [&](TCanvas* c) { DrawRestoreImage(c, X, Y, clBlack); },
       [&](Pixels& p) {
         Outline(p, X + 2, Y, X + 10, Y + 6), Outline(p, X + 2, Y, X + 10, Y + 2);
         Outline(p, X, Y + 4, X + 7, Y + 10), Outline(p, X, Y + 4, X + 7, Y + 6);
       }},
      {"roll up", [&](TCanvas* c) { DrawRollUpImage(c, X, Y, clBlack); },
       [&](Pixels& p) { for (int i = 0; i <= 4; ++i) Line(p, X + 5 - i, Y + 2 + i, X + 5 + i, Y + 2 + i); }},
      {"restore roll up", [&](TCanvas* c) { DrawRestoreRollUpImage(c, X, Y, clBlack); },
       [&](Pixels& p) { for (int i = 0; i <= 4; ++i) Line(p, X + 5 - i, Y + 6 - i, X + 5 + i, Y + 6 - i); }},
      {"system menu", [&](TCanvas* c) { DrawSysMenuImage(c, X, Y, clBlack); },
       [&](Pixels& p) { Outline(p, X + 1, Y + 3, X + 9, Y + 6); }},
      {"MT", [&](TCanvas* c) { DrawMTImage(c, X, Y, clBlack); }, [&](Pixels& p) { Fill(p, X + 2, Y + 2, X + 7, Y + 7); }},
      {"check", [&](TCanvas* c) { DrawCheckImage(c, X, Y, clBlack); },
       [&](Pixels& p) {
         for (int i = 0; i <= 2; ++i) Line(p, X, Y + 5 - i, X + 2, Y + 7 - i), Line(p, X + 2, Y + 7 - i, X + 7, Y + 2 - i);
       }},
      {"radio", [&](TCanvas* c) { DrawRadioImage(c, X, Y, clBlack); }, [&](Pixels& p) { Fill(p, X, Y, X + 6, Y + 6); }},
  };
  for (const Case& c : cases) {
    Pixels expected;
    c.expected(expected);
    EXPECT_EQ(Painted(c.draw), expected) << c.name;
  }
}

TEST(CodeDrawnGlyphs, FlatFrameInTwoColours) {
  TBitmap b;
  PaintZones(b, 10, 10, {});
  Frm3D(b.Canvas(), Rect(1, 1, 6, 5), clRed, clBlue);
  EXPECT_EQ(At(b, 1, 1), clRed);
  EXPECT_EQ(At(b, 1, 3), clRed);
  EXPECT_EQ(At(b, 4, 1), clRed);
  EXPECT_EQ(At(b, 5, 1), clBlue) << "the right edge starts at the top corner";
  EXPECT_EQ(At(b, 5, 4), clBlue);
  EXPECT_EQ(At(b, 1, 4), clBlue) << "the bottom runs to the left edge";
  EXPECT_EQ(At(b, 0, 4), clWhite);
  EXPECT_EQ(At(b, 6, 5), clWhite);
}

TEST(SkinLayout, GlyphCellIsDrawnWithoutItsTransparentColour) {
  TBitmap glyph;  // two cells of 4 x 4: red and blue on a green background (bottom-left)
  PaintZones(glyph, 8, 4, {{{0, 0, 8, 4}, clGreen}, {{1, 0, 3, 2}, clRed}, {{5, 0, 7, 2}, clBlue}});
  TBitmap b;
  PaintZones(b, 10, 10, {});
  DrawGlyph(b.Canvas(), 2, 2, &glyph, 2, 2);
  EXPECT_EQ(At(b, 3, 2), clBlue);
  EXPECT_EQ(At(b, 2, 2), clWhite) << "the transparent colour is left out";
  DrawGlyph(b.Canvas(), 2, 2, &glyph, 0, 1);  // no cells: nothing
  TBitmap empty;
  DrawGlyph(b.Canvas(), 2, 2, &empty, 1, 1);
}

TEST(SkinLayout, GlyphAndCaptionWithColourMarker) {
  TBitmap b;
  PaintZones(b, 60, 30, {});
  TBitmap glyph;
  PaintZones(glyph, 8, 8, {{{0, 0, 8, 8}, clGreen}, {{2, 0, 6, 6}, clRed}});
  DrawGlyphAndText(b.Canvas(), Rect(0, 0, 60, 30), -1, 0, blGlyphLeft, String(), &glyph, 1, 1, false, true, clBlue);
  // The glyph is centred at (26, 11); marker lines at its rows 6, 7 and 8.
  EXPECT_EQ(At(b, 28, 11), clRed);
  EXPECT_EQ(At(b, 26, 17), clBlue);
  EXPECT_EQ(At(b, 33, 19), clBlue);
  PaintZones(b, 60, 30, {});
  DrawGlyphAndText(b.Canvas(), Rect(0, 0, 60, 30), -1, 0, blGlyphLeft, String(), nullptr, 1, 1, false, true, clBlue);
  EXPECT_EQ(At(b, 4, 4), clBlue) << "without glyph or caption the marker is a box";
  EXPECT_EQ(At(b, 57, 25), clBlue);
  EXPECT_EQ(At(b, 58, 26), clWhite);
}

}  // namespace

namespace {

TEST(SkinLayout, ImageListImageAndCaption) {
  TImageList images(nullptr);
  images.SetSize(8, 8);
  TBitmap image;
  PaintZones(image, 8, 8, {{{0, 0, 8, 8}, clRed}});
  images.Add(&image, nullptr);
  TBitmap b;
  PaintZones(b, 60, 30, {});
  DrawImageAndText(b.Canvas(), Rect(0, 0, 60, 30), 5, 0, blGlyphLeft, String(), 0, &images, true, true, true, clBlue);
  // Margin 5, down: the image at (6, 12); marker lines at its rows 6..8 (18..20).
  EXPECT_EQ(At(b, 6, 12), clRed);
  EXPECT_EQ(At(b, 5, 12), clWhite);
  EXPECT_EQ(At(b, 13, 20), clBlue);
  PaintZones(b, 60, 30, {});
  DrawImageAndText(b.Canvas(), Rect(0, 0, 60, 30), 5, 0, blGlyphLeft, "Go", 3, &images, false, true, false, clBlue);
  EXPECT_EQ(At(b, 6, 12), clWhite) << "an index outside the list draws no image";
}

}  // namespace
