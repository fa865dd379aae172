#include "imaging/GR32_LowLevel.h"

#include <emmintrin.h>

#include <cstring>

#include "imaging/GR32_Math.h"
#include "imaging/GR32_System.h"

Integer SwapConstrain(Integer value, Integer constrain1, Integer constrain2) {
  TestSwap(constrain1, constrain2);
  if (value < constrain1) return constrain1;
  if (value > constrain2) return constrain2;
  return value;
}

Integer Wrap(Integer value, Integer max) {
  if (max < 0) return 0;  // no span to wrap into
  Int64 span = Int64(max) + 1;
  Int64 r = value % span;
  return Integer(r < 0 ? r + span : r);
}

Integer Wrap(Integer value, Integer min, Integer max) {
  if (max < min) return min;
  Int64 span = Int64(max) - min + 1;
  if (value >= min) return Integer(min + (Int64(value) - min) % span);
  return Integer(max + (Int64(value) - max) % span);
}

Integer Mirror(Integer value, Integer max) {
  if (max <= 0) return 0;  // a single position
  Int64 v = value < 0 ? -Int64(value) : value;
  Int64 q = v / max, r = v % max;
  return Integer((q & 1) ? max - r : r);
}

Integer Mirror(Integer value, Integer min, Integer max) {
  if (max <= min) return min;
  Int64 span = Int64(max) - min + 1;
  Int64 base = value >= min ? min : max;
  Int64 q = (value - base) / span;
  Int64 r = (value - base) % span + base;
  return Integer((q & 1) ? min + max - r : r);
}

const TWrapProc WRAP_PROCS[3] = {
    static_cast<TWrapProc>(&Clamp), static_cast<TWrapProc>(&Wrap), static_cast<TWrapProc>(&Mirror)};
const TWrapProcEx WRAP_PROCS_EX[3] = {
    static_cast<TWrapProcEx>(&Clamp), static_cast<TWrapProcEx>(&Wrap), static_cast<TWrapProcEx>(&Mirror)};

bool TestClip(Integer& a, Integer& b, Integer size) {
  TestSwap(a, b);
  if (a < 0) a = 0;
  if (b >= size) b = size - 1;
  return b >= a;
}

bool TestClip(Integer& a, Integer& b, Integer start, Integer stop) {
  TestSwap(a, b);
  if (a < start) a = start;
  if (b >= stop) b = stop - 1;
  return b >= a;
}

namespace {
Integer RegionCode(Integer x, Integer y, Integer minX, Integer minY, Integer maxX, Integer maxY) {
  return (x < minX ? 1 : 0) | (x > maxX ? 2 : 0) | (y < minY ? 4 : 0) | (y > maxY ? 8 : 0);
}
Integer XCode(Integer x, Integer minX, Integer maxX) { return (x < minX ? 1 : 0) | (x > maxX ? 2 : 0); }
}  // namespace

bool ClipLine(Integer& x1, Integer& y1, Integer& x2, Integer& y2, Integer minX, Integer minY, Integer maxX,
              Integer maxY) {
  Integer c1 = RegionCode(x1, y1, minX, minY, maxX, maxY);
  Integer c2 = RegionCode(x2, y2, minX, minY, maxX, maxY);
  if (c1 & c2) return false;
  if ((c1 | c2) == 0) return true;
  if (c1 & 12) {
    const Integer y = c1 < 8 ? minY : maxY;
    x1 += GR32MulDiv(y - y1, x2 - x1, y2 - y1);
    y1 = y;
    c1 = XCode(x1, minX, maxX);
  }
  if (c2 & 12) {
    const Integer y = c2 < 8 ? minY : maxY;
    x2 += GR32MulDiv(y - y2, x2 - x1, y2 - y1);
    y2 = y;
    c2 = XCode(x2, minX, maxX);
  }
  if (c1 & c2) return false;
  if ((c1 | c2) == 0) return true;
  if (c1 != 0) {
    const Integer x = c1 == 1 ? minX : maxX;
    y1 += GR32MulDiv(x - x1, y2 - y1, x2 - x1);
    x1 = x;
  }
  if (c2 != 0) {
    const Integer x = c2 == 1 ? minX : maxX;
    y2 += GR32MulDiv(x - x2, y2 - y1, x2 - x1);
    x2 = x;
  }
  return true;
}

void FillLongwordPlain(void* dest, Integer count, Cardinal value) {
  Cardinal* p = static_cast<Cardinal*>(dest);
  for (Integer i = 0; i < count; ++i) p[i] = value;
}

void FillLongwordPacked(void* dest, Integer count, Cardinal value) {
  if (count <= 0) return;
  Cardinal* p = static_cast<Cardinal*>(dest);
  const __m128i v = _mm_set1_epi32(Integer(value));
  Integer i = 0;
  for (; i + 4 <= count; i += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), v);
  for (; i < count; ++i) p[i] = value;
}

// The plain form until start-up has chosen, so that nothing calls through a null pointer.
TFillLongword FillLongword = &FillLongwordPlain;

namespace {
struct LowLevelStartup {
  LowLevelStartup() { FillLongword = HasMMX() ? &FillLongwordPacked : &FillLongwordPlain; }
} lowLevelStartup;
}  // namespace

void FillWord(void* dest, Integer count, Word value) {
  Word* p = static_cast<Word*>(dest);
  for (Integer i = 0; i < count; ++i) p[i] = value;
}

void MoveLongword(const void* source, void* dest, Integer count) {
  if (source == dest || count <= 0) return;
  std::memmove(dest, source, std::size_t(count) * 4);
}

void MoveWord(const void* source, void* dest, Integer count) {
  if (source == dest || count <= 0) return;
  std::memmove(dest, source, std::size_t(count) * 2);
}

TColor32 ColorSwap(TPlatformColor winColor) {
  Cardinal c = Cardinal(winColor);
  return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
