// Bitmap routines of the framed controls: bitmaps drawn with one transparent
// colour (whole, tiled or stretched), tiling, centring, stretching and flipping,
// the trapezoid geometry of the meter, the parent's background behind a
// transparent control, and the two-colour gradient fills.
#pragma once

#include "framed/common/RzCommon_Types.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

class TControl;

struct TTrap {
  TPoint P[4];  // top-left, top-right, bottom-right, bottom-left
};
enum TTrapShape : Byte { tsLeft, tsCenter, tsRight };
// Scoped: the form border style's bsNone shares the name.
enum class TTrapBevelStyle : Byte { bsNone, bsLowered, bsRaised };
enum TTrapDirect : Byte { tdLargeToSmall, tdSmallToLarge };

// Stretched copy of `source` into `dest`; pixels of `transparentColor` leave the
// canvas as it was. The Full form draws through one mask, the other through an
// AND/OR pair and leaves the canvas's CopyMode at SRCPAINT.
void DrawFullTransparentBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& dest, const TRect& source,
                               TColor transparentColor);
void DrawTransparentBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& dest, const TRect& source,
                           TColor transparentColor);
void TileTransparentBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect, TColor transparentColor);
void StretchTransparentBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect, TColor transparentColor);
// Turns the bitmap upside down in place.
void FlipBitmap(TBitmap* bitmap);
// Tiles from the rectangle's top-left corner / anchored to the canvas origin.
// An empty bitmap draws nothing.
void TileBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect);
void TileRealizedBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect);
void CenterBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect);
void StretchBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& rect);

void SetTrapezoid(TTrap& trap, const TRect& rect, int size, TTrapShape shape, TDirection direction,
                  TTrapDirect trapDirect);
TTrap AdjustTrapezoid(const TTrap& trap, const TRect& rect, TDirection direction);
// The point of line p1-p2 at p's x (dirLeft, dirRight) or y (dirUp, dirDown); a
// line parallel to the cut answers p.
TPoint Intersect(const TPoint& p1, const TPoint& p2, const TPoint& p, TDirection direction);
void InflateTrapezoid(TTrap& trap, int amount);
void DrawTrapezoidBorder(TCanvas* canvas, const TTrap& trap, TTrapBevelStyle bevelStyle, int width);

// Paints the parent's background (erase, then paint) into `dc` under the control.
void DrawParentImage(TControl* control, HDC dc, bool invalidateParent = false);
void DrawParentImage(TControl* control, TCanvas* canvas, bool invalidateParent = false);

// Gradients.
enum TGradientDirection : Byte {
  gdDiagonalUp, gdDiagonalDown, gdHorizontalEnd, gdHorizontalCenter, gdHorizontalBox, gdVerticalEnd,
  gdVerticalCenter, gdVerticalBox, gdSquareBox, gdBigSquareBox
};
using TSmoothFactor = Byte;  // 1..8, 1 the finest banding

void PaintGradient(TCanvas* canvas, const TRect& rect, TGradientDirection direction, TColor startColor,
                   TColor stopColor, TSmoothFactor smooth = 1);
void FillGrad(HDC dc, int x, int y, int extent, TColor startColor, TColor stopColor, int smooth);
void FillGradRect(HDC dc, int width, int height, int xInset, int yInset, TColor startColor, TColor stopColor,
                  int smooth);
void FillGradDiag(HDC dc, int width, int height, TColor startColor, TColor stopColor, int smooth);
void BitFillBlit(HDC dc, int x, int y, int destWidth, int destHeight, int srcWidth, int srcHeight, DWORD rop);
void BoxBitMirrorBlit(HDC dc, int x, int y, int width, int height, DWORD rop);
