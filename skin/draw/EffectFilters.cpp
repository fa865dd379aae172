// Whole-picture effects of the effect bitmap: copies and turns, brightness,
// grey, blur, mosaic, noise and wave.
#include <cstring>

#include "skin/draw/EffectMath.h"
#include "skin/draw/Speffbmp.h"

namespace {

void CopyPixel(Byte* to, const Byte* from) { std::memcpy(to, from, 3); }

}  // namespace

void TspEffectBmp::CopyRect(const TspEffectBmp& other, const TRect& r, Integer x, Integer y) {
  Int64 dx = Int64(x) - r.Left, dy = Int64(y) - r.Top;
  Int64 left = std::max<Int64>({r.Left, 0, -dx});
  Int64 right = std::min<Int64>({Int64(r.Right) + 1, Width(), other.Width() - dx});
  Int64 top = std::max<Int64>({r.Top, 0, -dy});
  Int64 bottom = std::min<Int64>({Int64(r.Bottom) + 1, Height(), other.Height() - dy});
  if (left >= right) return;
  for (Int64 row = top; row < bottom; ++row) {
    std::memcpy(Pixel(static_cast<Integer>(left), static_cast<Integer>(row)),
                other.Pixel(static_cast<Integer>(left + dx), static_cast<Integer>(row + dy)),
                static_cast<size_t>(right - left) * 3);
  }
}

void TspEffectBmp::Resize(TspEffectBmp& other) const {
  if (Width() == 0 || Height() == 0 || other.Width() == 0 || other.Height() == 0) return;
  long double fx = static_cast<long double>(other.Width() - 1) / Width();
  long double fy = static_cast<long double>(other.Height() - 1) / Height();
  Integer blockW = NearestEven(fx) + 1, blockH = NearestEven(fy) + 1;
  for (Integer y = 0; y < Height(); ++y) {
    Integer top = NearestEven(fy * y);
    Integer bottom = std::min(top + blockH, other.Height());
    for (Integer x = 0; x < Width(); ++x) {
      Integer left = NearestEven(fx * x);
      Integer right = std::min(left + blockW, other.Width());
      for (Integer ty = top; ty < bottom; ++ty)
        for (Integer tx = left; tx < right; ++tx) CopyPixel(other.Pixel(tx, ty), Pixel(x, y));
    }
  }
}

void TspEffectBmp::ChangeBrightness(double kf) {
  long double k = ClampedFactor(kf);
  Byte table[256];
  for (int v = 0; v < 256; ++v) table[v] = ClampedNearestEven((1 - k) * v + k * 255);
  for (Integer y = 0; y < Height(); ++y) {
    Byte* row = GetLine(y);
    for (Integer i = 0; i < Width() * 3; ++i) row[i] = table[row[i]];
  }
}

void TspEffectBmp::ChangeDarkness(double kf) {
  long double k = ClampedFactor(kf);
  Byte table[256];
  for (int v = 0; v < 256; ++v) table[v] = ClampedNearestEven((1 - k) * v);
  for (Integer y = 0; y < Height(); ++y) {
    Byte* row = GetLine(y);
    for (Integer i = 0; i < Width() * 3; ++i) row[i] = table[row[i]];
  }
}

void TspEffectBmp::Invert() {
  for (Integer y = 0; y < Height(); ++y) {
    Byte* row = GetLine(y);
    for (Integer i = 0; i < Width() * 3; ++i) row[i] ^= 0xFF;
  }
}

void TspEffectBmp::GrayScale() {
  for (Integer y = 0; y < Height(); ++y) {
    for (Integer x = 0; x < Width(); ++x) {
      Byte* p = Pixel(x, y);
      Byte g = ClampedNearestEven(0.3L * p[2] + 0.59L * p[1] + 0.11L * p[0]);
      p[0] = p[1] = p[2] = g;
    }
  }
}

namespace {

// The diagonal neighbour index at distance n: index - n (index itself when that is
// negative) and index + n (size - index when that passes the end), kept inside
// 0..size - 1.
Integer NearIndex(Integer index, Integer n, Integer size) {
  Int64 closer = Int64(index) - n;
  if (closer < 0) closer = index;
  return static_cast<Integer>(std::clamp<Int64>(closer, 0, size - 1));
}

Integer FarIndex(Integer index, Integer n, Integer size) {
  Int64 further = Int64(index) + n;
  if (further >= size) further = size - index;
  return static_cast<Integer>(std::clamp<Int64>(further, 0, size - 1));
}

}  // namespace

void TspEffectBmp::DiagonalAverage(const TspEffectBmp* mask, Integer n, bool edgeOnly) {
  auto white = [](const Byte* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; };
  for (Integer y = 0; y < Height(); ++y) {
    Integer up = NearIndex(y, n, Height()), down = FarIndex(y, n, Height());
    for (Integer x = 0; x < Width(); ++x) {
      if (mask && white(mask->Pixel(x, y))) continue;
      Integer left = NearIndex(x, n, Width()), right = FarIndex(x, n, Width());
      if (edgeOnly) {
        Integer maskDown = FarIndex(y, n, mask->Height());
        if (!white(mask->Pixel(left, up)) && !white(mask->Pixel(left, maskDown)) &&
            !white(mask->Pixel(right, up)) && !white(mask->Pixel(right, maskDown)))
          continue;
      }
      Byte* p = Pixel(x, y);
      const Byte *ul = Pixel(left, up), *ll = Pixel(left, down), *ur = Pixel(right, up), *lr = Pixel(right, down);
      for (int c = 0; c < 3; ++c) p[c] = static_cast<Byte>((ul[c] + ll[c] + ur[c] + lr[c]) >> 2);
    }
  }
}

void TspEffectBmp::SplitBlur(Integer n) {
  if (n == 0) return;
  DiagonalAverage(nullptr, n, false);
}

void TspEffectBmp::Mosaic(Integer n) {
  if (n <= 1) return;
  for (Integer y = 0; y < Height(); ++y) {
    Integer blockTop = y - y % n;
    for (Integer x = 0; x < Width(); ++x) CopyPixel(Pixel(x, y), Pixel(x - x % n, blockTop));
  }
}

void TspEffectBmp::AddMonoNoise(Integer n) {
  if (n <= 0) return;
  for (Integer y = 0; y < Height(); ++y) {
    for (Integer x = 0; x < Width(); ++x) {
      Integer d = Random(n) - n / 2;
      Byte* p = Pixel(x, y);
      for (int c = 0; c < 3; ++c) p[c] = static_cast<Byte>(std::clamp(p[c] + d, 0, 255));
    }
  }
}

void TspEffectBmp::AddColorNoise(Integer n) {
  if (n <= 0) return;
  for (Integer y = 0; y < Height(); ++y) {
    for (Integer x = 0; x < Width(); ++x) {
      Byte* p = Pixel(x, y);
      for (int c = 2; c >= 0; --c) p[c] = static_cast<Byte>(std::clamp(p[c] + Random(n) - n / 2, 0, 255));
    }
  }
}

void TspEffectBmp::Rotate90_1(TspEffectBmp& other) const {
  if (other.Width() != Height() || other.Height() != Width()) return;
  for (Integer y = 0; y < Height(); ++y)
    for (Integer x = 0; x < Width(); ++x) CopyPixel(other.Pixel(y, Width() - 1 - x), Pixel(x, y));
}

void TspEffectBmp::Rotate90_2(TspEffectBmp& other) const {
  if (other.Width() != Height() || other.Height() != Width()) return;
  for (Integer y = 0; y < Height(); ++y)
    for (Integer x = 0; x < Width(); ++x) CopyPixel(other.Pixel(Height() - 1 - y, x), Pixel(x, y));
}

void TspEffectBmp::FlipVert(TspEffectBmp& other) const {
  if (!SameSize(other)) return;
  for (Integer y = 0; y < Height(); ++y)
    std::memcpy(other.GetLine(Height() - 1 - y), GetLine(y), static_cast<size_t>(Width()) * 3);
}

namespace {

// sin, with 0 for an argument beyond the processor's range (2^63).
long double WaveSin(long double v) { return std::fabs(v) >= 9.2233720368547758e18L ? 0.0L : std::sin(v); }

}  // namespace

void TspEffectBmp::Wave(Integer xDiv, Integer yDiv, Integer amplitude) {
  if (xDiv == 0 || yDiv == 0 || Width() == 0 || Height() == 0) return;
  TspEffectBmp copy(*this);
  for (Integer x = 0; x < Width(); ++x) {
    long double shiftY = amplitude * WaveSin(static_cast<long double>(x) / xDiv);
    for (Integer y = 0; y < Height(); ++y) {
      Integer sx = std::clamp(NearestEven(WaveSin(static_cast<long double>(y) / yDiv) * amplitude + x), 0, Width() - 1);
      Integer sy = std::clamp(NearestEven(y + shiftY), 0, Height() - 1);
      CopyPixel(Pixel(x, y), copy.Pixel(sx, sy));
    }
  }
}

void TspEffectBmp::MaskAntialiasing(const TspEffectBmp& mask, Integer n) {
  if (n == 0 || Width() == 0 || Height() == 0 || mask.Width() != Width() || mask.Height() < Height()) return;
  DiagonalAverage(&mask, n, true);
}

void TspEffectBmp::MaskBlur(const TspEffectBmp& mask, Integer n) {
  if (n == 0 || Width() == 0 || Height() == 0 || mask.Width() != Width() || mask.Height() < Height()) return;
  DiagonalAverage(&mask, n, false);
}

void TspEffectBmp::MaskFillColor(const TspEffectBmp& mask, TColor color, double kf) {
  if (Width() == 0 || Height() == 0 || mask.Width() != Width() || mask.Height() < Height()) return;
  TColor rgb = ColorToRGB(color);
  const Byte target[3] = {static_cast<Byte>(rgb >> 16), static_cast<Byte>(rgb >> 8), static_cast<Byte>(rgb)};
  long double k = kf;
  for (Integer y = 0; y < Height(); ++y) {
    for (Integer x = 0; x < Width(); ++x) {
      const Byte* m = mask.Pixel(x, y);
      if (m[0] == 255 && m[1] == 255 && m[2] == 255) continue;
      Byte* p = Pixel(x, y);
      for (int c = 0; c < 3; ++c) p[c] = ClampedNearestEven((1 - k) * p[c] + k * target[c]);
    }
  }
}
