#include <cstring>
#include <random>

#include "skin/draw/Speffbmp.h"

namespace {
std::minstd_rand& NoiseEngine() {
  static std::minstd_rand engine;
  return engine;
}
}  // namespace

std::function<Integer(Integer n)> TspEffectBmp::Random = [](Integer n) {
  if (n <= 0) return 0;
  return static_cast<Integer>(std::uniform_int_distribution<Integer>(0, n - 1)(NoiseEngine()));
};

TspEffectBmp::TspEffectBmp(HBITMAP bitmap) : dib_(bitmap) {}
TspEffectBmp::TspEffectBmp(Integer width, Integer height) : dib_(width, height) {}
TspEffectBmp::TspEffectBmp(const TspEffectBmp& other) : dib_(other.dib_) {}

void TspEffectBmp::SetPixel(Integer x, Integer y, Cardinal pixel) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  Byte* p = Pixel(x, y);
  p[0] = static_cast<Byte>(pixel);
  p[1] = static_cast<Byte>(pixel >> 8);
  p[2] = static_cast<Byte>(pixel >> 16);
}

Cardinal TspEffectBmp::GetPixel(Integer x, Integer y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  const Byte* p = Pixel(x, y);
  return Cardinal(p[0]) | Cardinal(p[1]) << 8 | Cardinal(p[2]) << 16;
}

void TspEffectBmp::SetLine(Integer y, const Byte* buffer) {
  if (Byte* row = GetLine(y)) std::memcpy(row, buffer, static_cast<size_t>(Width()) * 3);
}

void TspEffectBmp::GetScanLine(Integer y, Byte* buffer) const {
  if (const Byte* row = GetLine(y)) std::memcpy(buffer, row, static_cast<size_t>(Width()) * 3);
}

void TspEffectBmp::Draw(HDC dc, Integer x, Integer y) const {
  if (dib_.Empty()) return;
  ::SetDIBitsToDevice(dc, x, y, Width(), Height(), 0, 0, 0, static_cast<UINT>(Height()), Bits(), &dib_.Info(),
                      DIB_RGB_COLORS);
}

void TspEffectBmp::Stretch(HDC dc, Integer x, Integer y, Integer w, Integer h) const {
  if (dib_.Empty()) return;
  ::StretchDIBits(dc, x, y, w, h, 0, 0, Width(), Height(), Bits(), &dib_.Info(), DIB_RGB_COLORS, SRCCOPY);
}

void TspEffectBmp::DrawRect(HDC dc, Integer x, Integer y, Integer srcX, Integer srcY, Integer w, Integer h) const {
  dib_.DrawPart(dc, x, y, srcX, srcY, w, h);
}
