#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/graphics/Graphics.h"
#include "tests/platform/graphics/GraphicsTestPixels.h"

TEST(Canvas, FillRectFillsExactlyTheRectangle) {
  TBitmap bitmap;
  MakeWhite(bitmap, 10, 10);
  bitmap.Canvas()->Brush()->SetColor(clRed);
  bitmap.Canvas()->FillRect(Rect(2, 3, 6, 8));
  EXPECT_EQ(PixelOf(bitmap, 2, 3), clRed);
  EXPECT_EQ(PixelOf(bitmap, 5, 7), clRed);
  EXPECT_EQ(PixelOf(bitmap, 6, 7), clWhite);  // right and bottom are exclusive
  EXPECT_EQ(PixelOf(bitmap, 5, 8), clWhite);
  EXPECT_EQ(PixelOf(bitmap, 1, 3), clWhite);
  EXPECT_EQ(CountOtherThan(bitmap, Rect(0, 0, 10, 10), clWhite), 4 * 5);
}

TEST(Canvas, SystemColoursResolveWhenDrawn) {
  TBitmap bitmap;
  MakeWhite(bitmap, 4, 4);
  bitmap.Canvas()->Brush()->SetColor(clBtnShadow);
  bitmap.Canvas()->FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(PixelOf(bitmap, 1, 1), ColorToRGB(clBtnShadow));
}

TEST(Canvas, FrameRectDrawsOnlyTheBorder) {
  TBitmap bitmap;
  MakeWhite(bitmap, 10, 10);
  bitmap.Canvas()->Brush()->SetColor(clBlue);
  bitmap.Canvas()->FrameRect(Rect(1, 1, 9, 9));
  EXPECT_EQ(PixelOf(bitmap, 1, 1), clBlue);
  EXPECT_EQ(PixelOf(bitmap, 8, 8), clBlue);
  EXPECT_EQ(PixelOf(bitmap, 8, 4), clBlue);
  EXPECT_EQ(PixelOf(bitmap, 4, 4), clWhite);
  EXPECT_EQ(PixelOf(bitmap, 9, 9), clWhite);
  EXPECT_EQ(CountOtherThan(bitmap, Rect(0, 0, 10, 10), clWhite), 8 * 4 - 4);
}

TEST(Canvas, RectangleUsesPenForTheEdgeAndBrushInside) {
  TBitmap bitmap;
  MakeWhite(bitmap, 10, 10);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Pen()->SetColor(clRed);
  canvas->Brush()->SetColor(clLime);
  canvas->Rectangle(1, 1, 8, 8);
  EXPECT_EQ(PixelOf(bitmap, 1, 1), clRed);
  EXPECT_EQ(PixelOf(bitmap, 7, 7), clRed);
  EXPECT_EQ(PixelOf(bitmap, 4, 4), clLime);
  EXPECT_EQ(PixelOf(bitmap, 8, 8), clWhite);

  MakeWhite(bitmap, 10, 10);
  canvas->Pen()->SetColor(clBlue);
  canvas->Brush()->SetStyle(bsClear);  // a clear brush leaves the inside
  canvas->Rectangle(1, 1, 8, 8);
  EXPECT_EQ(PixelOf(bitmap, 1, 4), clBlue);
  EXPECT_EQ(PixelOf(bitmap, 4, 4), clWhite);
}

TEST(Canvas, LinesFollowThePenMode) {
  struct Case {
    TPenMode mode;
    TColor pen;
    TColor expected;  // on white
  } cases[] = {
      {pmCopy, clRed, clRed},
      {pmXor, clRed, 0xFFFF00},
      {pmNot, clRed, clBlack},
      {pmNotCopy, clRed, 0xFFFF00},
      {pmMask, clRed, clRed},
      {pmNop, clRed, clWhite},
      {pmBlack, clRed, clBlack},
  };
  for (const Case& c : cases) {
    TBitmap bitmap;
    MakeWhite(bitmap, 10, 3);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Pen()->SetColor(c.pen);
    canvas->Pen()->SetMode(c.mode);
    canvas->MoveTo(0, 1);
    canvas->LineTo(10, 1);
    EXPECT_EQ(PixelOf(bitmap, 5, 1), c.expected) << "mode " << c.mode;
    EXPECT_EQ(PixelOf(bitmap, 5, 0), clWhite) << "mode " << c.mode;
    EXPECT_EQ(canvas->PenPos(), Point(10, 1));
  }
}

TEST(Canvas, XorLineDrawnTwiceLeavesNoTrace) {
  TBitmap bitmap;
  MakeWhite(bitmap, 12, 12);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clNavy);
  canvas->FillRect(Rect(0, 0, 6, 12));
  canvas->Pen()->SetMode(pmXor);
  canvas->Pen()->SetColor(clWhite);
  canvas->Polyline({Point(0, 5), Point(11, 5), Point(11, 11)});
  EXPECT_EQ(PixelOf(bitmap, 2, 5), 0x7FFFFF);
  EXPECT_EQ(PixelOf(bitmap, 8, 5), clBlack);
  canvas->Polyline({Point(0, 5), Point(11, 5), Point(11, 11)});
  EXPECT_EQ(PixelOf(bitmap, 2, 5), clNavy);
  EXPECT_EQ(PixelOf(bitmap, 8, 5), clWhite);
  EXPECT_EQ(PixelOf(bitmap, 11, 9), clWhite);
}

TEST(Canvas, ClearPenDrawsNoLine) {
  TBitmap bitmap;
  MakeWhite(bitmap, 8, 8);
  bitmap.Canvas()->Pen()->SetStyle(psClear);
  bitmap.Canvas()->MoveTo(0, 4);
  bitmap.Canvas()->LineTo(8, 4);
  EXPECT_EQ(CountOtherThan(bitmap, Rect(0, 0, 8, 8), clWhite), 0);
}

TEST(Canvas, PolygonEllipseAndRoundRectFillInside) {
  TBitmap bitmap;
  MakeWhite(bitmap, 20, 20);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Pen()->SetColor(clBlack);
  canvas->Brush()->SetColor(clRed);
  canvas->Polygon({Point(0, 0), Point(9, 0), Point(9, 9), Point(0, 9)});
  EXPECT_EQ(PixelOf(bitmap, 4, 4), clRed);
  canvas->Brush()->SetColor(clLime);
  canvas->Ellipse(10, 0, 20, 10);
  EXPECT_EQ(PixelOf(bitmap, 15, 5), clLime);
  EXPECT_EQ(PixelOf(bitmap, 10, 0), clWhite);  // the corner lies outside the ellipse
  canvas->Brush()->SetColor(clBlue);
  canvas->RoundRect(0, 10, 10, 20, 6, 6);
  EXPECT_EQ(PixelOf(bitmap, 5, 15), clBlue);
  EXPECT_EQ(PixelOf(bitmap, 0, 10), clWhite);
}

TEST(Canvas, FocusRectIsDrawnAndRemovedByXor) {
  TBitmap bitmap;
  MakeWhite(bitmap, 10, 10);
  bitmap.Canvas()->DrawFocusRect(Rect(1, 1, 9, 9));
  EXPECT_GT(CountOtherThan(bitmap, Rect(0, 0, 10, 10), clWhite), 0);
  EXPECT_EQ(CountOtherThan(bitmap, Rect(2, 2, 8, 8), clWhite), 0);
  bitmap.Canvas()->DrawFocusRect(Rect(1, 1, 9, 9));
  EXPECT_EQ(CountOtherThan(bitmap, Rect(0, 0, 10, 10), clWhite), 0);
}

TEST(Canvas, PixelsReadAndWrite) {
  TBitmap bitmap;
  MakeWhite(bitmap, 4, 4);
  bitmap.Canvas()->SetPixels(2, 1, 0x123456);
  EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), 0x123456);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clWhite);
  EXPECT_EQ(bitmap.Canvas()->Pixels(40, 1), clNone);
  const Byte* row = static_cast<const Byte*>(bitmap.ScanLine(1));
  EXPECT_EQ(row[2 * 4 + 0], 0x12);  // blue first in memory
  EXPECT_EQ(row[2 * 4 + 2], 0x56);
}

TEST(Canvas, TextOutPaintsInTheFontColourAndMovesThePen) {
  TBitmap bitmap;
  MakeWhite(bitmap, 80, 30);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Font()->SetColor(clRed);
  canvas->Brush()->SetStyle(bsClear);
  TSize extent = canvas->TextExtent("Wave");
  EXPECT_GT(extent.cx, 10);
  EXPECT_GT(extent.cy, 5);
  EXPECT_EQ(canvas->TextWidth("Wave"), extent.cx);
  EXPECT_EQ(canvas->TextHeight("Wave"), extent.cy);
  EXPECT_GT(canvas->TextWidth("WaveWave"), extent.cx);
  canvas->TextOut(2, 2, "Wave");
  EXPECT_EQ(canvas->PenPos(), Point(2 + extent.cx, 2));
  int red = 0, other = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x) {
      TColor c = PixelOf(bitmap, x, y);
      if (c == clRed) ++red;
      else if (c != clWhite) ++other;
      if (c != clWhite) {
        EXPECT_GE(x, 2);
        EXPECT_LT(x, 2 + extent.cx);
      }
    }
  EXPECT_GT(red, 5);
}

TEST(Canvas, OpaqueBrushFillsTheTextBackground) {
  TBitmap bitmap;
  MakeWhite(bitmap, 60, 30);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clYellow);
  canvas->TextOut(0, 0, "ab");
  TSize extent = canvas->TextExtent("ab");
  EXPECT_GT(CountOtherThan(bitmap, Rect(0, 0, extent.cx, extent.cy), clYellow), 0);  // the glyphs
  EXPECT_GT(extent.cx * extent.cy - CountOtherThan(bitmap, Rect(0, 0, extent.cx, extent.cy), clYellow), 0);
  EXPECT_EQ(PixelOf(bitmap, extent.cx + 2, 2), clWhite);
}

TEST(Canvas, TextRectClipsToItsRectangle) {
  TBitmap bitmap;
  MakeWhite(bitmap, 80, 30);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(clBlack);
  TRect clip = Rect(5, 5, 15, 25);
  canvas->TextRect(clip, 5, 5, "WWWWWWWW");
  EXPECT_GT(CountOtherThan(bitmap, clip, clWhite), 0);
  EXPECT_EQ(CountOtherThan(bitmap, Rect(15, 0, 80, 30), clWhite), 0);
  EXPECT_EQ(CountOtherThan(bitmap, Rect(0, 0, 5, 30), clWhite), 0);
}

TEST(Canvas, TextRectWithFormatFlags) {
  TBitmap bitmap;
  MakeWhite(bitmap, 100, 40);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetStyle(bsClear);
  TSize extent = canvas->TextExtent("Hi");

  TRect measure = Rect(0, 0, 0, 0);
  canvas->TextRect(measure, "Hi", DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(measure.Width(), extent.cx);
  EXPECT_EQ(measure.Height(), extent.cy);
  EXPECT_EQ(CountOtherThan(bitmap, Rect(0, 0, 100, 40), clWhite), 0);  // measuring draws nothing

  TRect box = Rect(0, 0, 100, 40);
  canvas->TextRect(box, "Hi", DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  int left = 100, right = -1;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x)
      if (PixelOf(bitmap, x, y) != clWhite) left = std::min(left, x), right = std::max(right, x);
  ASSERT_GE(right, 0);
  EXPECT_GE(left, (100 - extent.cx) / 2 - 1);
  EXPECT_LE(right, (100 + extent.cx) / 2 + 1);

  TRect narrow = Rect(0, 0, 30, 0);
  canvas->TextRect(narrow, "one two three four", DT_CALCRECT | DT_WORDBREAK);
  EXPECT_GE(narrow.Height(), 2 * extent.cy);  // wrapped onto several lines
}

TEST(Canvas, FontSizeHeightAndStyle) {
  TFont font;
  font.PixelsPerInch = 96;
  font.SetSize(8);
  EXPECT_EQ(font.Height(), -11);
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), 12);
  font.SetStyle(fsBold | fsUnderline);
  LOGFONTA log = font.LogFont();
  EXPECT_EQ(log.lfWeight, FW_BOLD);
  EXPECT_EQ(log.lfUnderline, 1);
  EXPECT_EQ(log.lfItalic, 0);
  EXPECT_EQ(log.lfHeight, -16);

  int changes = 0;
  font.OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  font.SetColor(clRed);
  font.SetName("Arial");
  font.SetName("Arial");
  EXPECT_EQ(changes, 2);

  TFont copy;
  copy.Assign(&font);
  EXPECT_EQ(copy.Name(), "Arial");
  EXPECT_EQ(copy.Color(), clRed);
  EXPECT_EQ(copy.Style(), TFontStyles(fsBold | fsUnderline));
}

TEST(Canvas, DefaultFontNameTakesTheGuiFontFace) {
  TFont font;
  font.SetName("Default");
  LOGFONTA gui = {};
  ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(gui), &gui);
  EXPECT_STREQ(font.LogFont().lfFaceName, gui.lfFaceName);
  EXPECT_NE(font.Handle(), nullptr);
}

TEST(Canvas, FontSetHandleReadsItsProperties) {
  LOGFONTA log = {};
  log.lfHeight = -20;
  log.lfWeight = FW_BOLD;
  log.lfItalic = 1;
  std::strcpy(log.lfFaceName, "Arial");
  TFont font;
  font.SetHandle(::CreateFontIndirectA(&log));
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_EQ(font.Height(), -20);
  EXPECT_EQ(font.Style(), TFontStyles(fsBold | fsItalic));
}

TEST(Canvas, RotatedFontDrawsAlongItsAngle) {
  TBitmap bitmap;
  MakeWhite(bitmap, 80, 80);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetName("Arial");
  canvas->Font()->SetHeight(-14);
  canvas->Font()->SetOrientation(900);  // upwards
  canvas->TextOut(20, 75, "WWWWW");
  int left = 80, right = -1, top = 80, bottom = -1;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 80; ++x)
      if (PixelOf(bitmap, x, y) != clWhite) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, 0);
  EXPECT_GT(bottom - top, 2 * (right - left));
}

TEST(Canvas, BindsToAnyDcAndGivesItsObjectsBack) {
  HDC dc = ::CreateCompatibleDC(nullptr);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, -8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(dc, dib);
  HGDIOBJ originalFont = ::GetCurrentObject(dc, OBJ_FONT);
  {
    TCanvas canvas;
    EXPECT_FALSE(canvas.HandleAllocated());
    EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
    canvas.SetHandle(dc);
    EXPECT_EQ(canvas.Handle(), dc);
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 8, 8));
    canvas.TextOut(0, 0, "x");
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), canvas.Font()->Handle());
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 8, 8));
    canvas.SetHandle(nullptr);
    EXPECT_NE(::GetCurrentObject(dc, OBJ_FONT), canvas.Font()->Handle());
  }
  ::GdiFlush();
  EXPECT_EQ(static_cast<Cardinal*>(bits)[9] & 0xFFFFFF, 0xFF0000u);  // red, as the DIB stores it
  (void)originalFont;
  ::SelectObject(dc, old);
  ::DeleteObject(dib);
  ::DeleteDC(dc);
}

TEST(Canvas, ToolChangesAfterSelectionTakeEffect) {
  TBitmap bitmap;
  MakeWhite(bitmap, 6, 2);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clRed);
  canvas->FillRect(Rect(0, 0, 3, 2));
  canvas->Brush()->SetColor(clBlue);  // the old brush is still selected at this point
  canvas->FillRect(Rect(3, 0, 6, 2));
  EXPECT_EQ(PixelOf(bitmap, 1, 1), clRed);
  EXPECT_EQ(PixelOf(bitmap, 4, 1), clBlue);
}

TEST(Canvas, ChangeEventsSurroundEachDrawing) {
  TBitmap bitmap;
  MakeWhite(bitmap, 4, 4);
  std::vector<String> calls;
  bitmap.Canvas()->OnChanging = TNotifyEvent::Function([&](TObject*) { calls.push_back("changing"); });
  bitmap.Canvas()->OnChange = TNotifyEvent::Function([&](TObject*) { calls.push_back("change"); });
  bitmap.OnChange = TNotifyEvent::Function([&](TObject*) { calls.push_back("bitmap"); });
  bitmap.Canvas()->FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(calls, (std::vector<String>{"changing", "change", "bitmap"}));
  calls.clear();
  bitmap.Canvas()->TextExtent("measuring changes nothing");
  EXPECT_TRUE(calls.empty());
}

TEST(Canvas, CopyRectCopiesAndStretches) {
  TBitmap source;
  MakeWhite(source, 2, 2);
  source.Canvas()->SetPixels(0, 0, clRed);
  source.Canvas()->SetPixels(1, 1, clBlue);
  TBitmap target;
  MakeWhite(target, 4, 4);
  target.Canvas()->CopyRect(Rect(0, 0, 4, 4), source.Canvas(), Rect(0, 0, 2, 2));
  EXPECT_EQ(PixelOf(target, 0, 0), clRed);
  EXPECT_EQ(PixelOf(target, 1, 1), clRed);
  EXPECT_EQ(PixelOf(target, 3, 3), clBlue);
  EXPECT_EQ(PixelOf(target, 3, 0), clWhite);

  target.Canvas()->CopyMode = cmSrcInvert;  // xor with the target
  target.Canvas()->CopyRect(Rect(0, 0, 1, 1), source.Canvas(), Rect(0, 0, 1, 1));
  EXPECT_EQ(PixelOf(target, 0, 0), clBlack);
}

TEST(Canvas, BrushesWithPatternsAndHatches) {
  TBitmap pattern(2, 2, pf24bit);  // a checkerboard of red and white
  pattern.Canvas()->SetPixels(0, 0, clRed);
  pattern.Canvas()->SetPixels(1, 1, clRed);
  TBitmap bitmap;
  MakeWhite(bitmap, 4, 4);
  bitmap.Canvas()->Brush()->SetBitmap(&pattern);
  bitmap.Canvas()->FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clWhite);
  EXPECT_EQ(PixelOf(bitmap, 3, 3), clRed);
  EXPECT_EQ(CountOtherThan(bitmap, Rect(0, 0, 4, 4), clRed), 8);

  bitmap.Canvas()->Brush()->SetBitmap(nullptr);
  MakeWhite(bitmap, 8, 8);
  bitmap.Canvas()->Brush()->SetColor(clBlack);
  bitmap.Canvas()->Brush()->SetStyle(bsHorizontal);
  bitmap.Canvas()->FillRect(Rect(0, 0, 8, 8));
  int blackRows = 0;
  for (int y = 0; y < 8; ++y) blackRows += CountOtherThan(bitmap, Rect(0, y, 8, y + 1), clBlack) == 0;
  EXPECT_EQ(blackRows, 1);  // one line in eight, the rest in the background colour
}

TEST(Canvas, WidePenDrawsAWideLine) {
  TBitmap bitmap;
  MakeWhite(bitmap, 10, 10);
  bitmap.Canvas()->Pen()->SetWidth(3);
  bitmap.Canvas()->MoveTo(0, 5);
  bitmap.Canvas()->LineTo(10, 5);
  EXPECT_EQ(PixelOf(bitmap, 5, 4), clBlack);
  EXPECT_EQ(PixelOf(bitmap, 5, 6), clBlack);
  EXPECT_EQ(PixelOf(bitmap, 5, 2), clWhite);
}

TEST(Canvas, LockCountsNestedLocks) {
  TCanvas canvas;
  canvas.Lock();
  EXPECT_TRUE(canvas.TryLock());
  EXPECT_EQ(canvas.LockCount(), 2);
  canvas.Unlock();
  canvas.Unlock();
  EXPECT_EQ(canvas.LockCount(), 0);
}
