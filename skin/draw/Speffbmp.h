// TspEffectBmp: the skin engine's 24-bit top-down working picture for pixel effects:
// alpha blending over a parent's background, morph transitions between two
// states, the inactive-frame looks, turned tab pictures and shaded label masks.
// Every effect works in place; the partner picture is only read. Operations
// between two pictures of different sizes do nothing; rectangles and indexes are
// kept inside both pictures.
#pragma once

#include <functional>

#include "platform/graphics/Colors.h"
#include "platform/core/Geometry.h"
#include "skin/draw/Dib24.h"

class TspEffectBmp {
public:
  // A copy of the bitmap's picture.
  explicit TspEffectBmp(HBITMAP bitmap);
  // An uninitialised picture of that size.
  TspEffectBmp(Integer width, Integer height);
  TspEffectBmp(const TspEffectBmp& other);
  TspEffectBmp& operator=(const TspEffectBmp&) = delete;

  Integer Width() const { return dib_.Width(); }
  Integer Height() const { return dib_.Height(); }
  Int64 Size() const { return dib_.Size(); }
  Byte* Bits() { return dib_.Bits(); }
  const Byte* Bits() const { return dib_.Bits(); }

  // A pixel as 0x00RRGGBB (blue in the lowest byte); nothing outside the picture.
  void SetPixel(Integer x, Integer y, Cardinal pixel);
  Cardinal GetPixel(Integer x, Integer y) const;
  // Row y; nullptr outside the picture.
  Byte* GetLine(Integer y) { return y >= 0 && y < Height() ? dib_.Row(y) : nullptr; }
  const Byte* GetLine(Integer y) const { return y >= 0 && y < Height() ? dib_.Row(y) : nullptr; }
  // Copy width * 3 bytes into or out of row y.
  void SetLine(Integer y, const Byte* buffer);
  void GetScanLine(Integer y, Byte* buffer) const;

  void Draw(HDC dc, Integer x, Integer y) const;
  void Stretch(HDC dc, Integer x, Integer y, Integer w, Integer h) const;
  // The part (srcX, srcY, w, h) of the picture at (x, y).
  void DrawRect(HDC dc, Integer x, Integer y, Integer srcX, Integer srcY, Integer w, Integer h) const;

  // Transitions toward `other` (kf 0 = this picture, 1 = other).
  void Morph(const TspEffectBmp& other, double kf);
  void MorphRect(const TspEffectBmp& other, double kf, const TRect& r, Integer x, Integer y);
  void MorphHGrad(const TspEffectBmp& other, double kf);
  void MorphVGrad(const TspEffectBmp& other, double kf);
  void MorphGrad(const TspEffectBmp& other, double kf);
  void MorphLeftGrad(const TspEffectBmp& other, double kf);
  void MorphRightGrad(const TspEffectBmp& other, double kf);
  void MorphPush(const TspEffectBmp& other, double kf);
  void MorphLeftSlide(const TspEffectBmp& other, double kf);
  void MorphRightSlide(const TspEffectBmp& other, double kf);

  // r's right and bottom are inclusive; other's pixels are read from (x, y) on.
  void CopyRect(const TspEffectBmp& other, const TRect& r, Integer x, Integer y);
  // Scales this picture into other by block replication.
  void Resize(TspEffectBmp& other) const;
  void ChangeBrightness(double kf);
  void ChangeDarkness(double kf);
  void Invert();
  void GrayScale();
  void SplitBlur(Integer n);
  void Mosaic(Integer n);
  void AddMonoNoise(Integer n);
  void AddColorNoise(Integer n);
  // Quarter turns and the vertical flip, written into other (of the turned size).
  void Rotate90_1(TspEffectBmp& other) const;
  void Rotate90_2(TspEffectBmp& other) const;
  void FlipVert(TspEffectBmp& other) const;
  void Wave(Integer xDiv, Integer yDiv, Integer amplitude);
  void MaskAntialiasing(const TspEffectBmp& mask, Integer n);
  void MaskBlur(const TspEffectBmp& mask, Integer n);
  void MaskFillColor(const TspEffectBmp& mask, TColor color, double kf);

  // Morph looks its results up in a table made by a double-precision blend (true)
  // or blends each channel in extended precision (false: the reference the tests
  // compare the fast path with).
  static bool FastMorph;
  // The noise source: a uniform value in 0..n-1 (replaceable so tests repeat).
  static std::function<Integer(Integer n)> Random;

private:
  bool SameSize(const TspEffectBmp& other) const { return Width() == other.Width() && Height() == other.Height(); }
  Byte* Pixel(Integer x, Integer y) { return dib_.Row(y) + 3 * x; }
  const Byte* Pixel(Integer x, Integer y) const { return dib_.Row(y) + 3 * x; }
  void DiagonalAverage(const TspEffectBmp* mask, Integer n, bool edgeOnly);

  TspDib24 dib_;  // the pixels (owned)
};
