// Small inner-loop routines of the bitmap library: clamping, wrapping and
// mirroring of coordinates for the edge modes, clipping of coordinate pairs, block
// fills and moves, arithmetic shifts and the platform colour swap.
#pragma once

#include "imaging/GR32.h"

inline Integer Clamp(Integer value) { return value < 0 ? 0 : (value > 255 ? 255 : value); }
inline Integer Clamp(Integer value, Integer max) { return value > max ? max : (value < 0 ? 0 : value); }
// Raised to min, then lowered to max: max wins when min > max.
inline Integer Clamp(Integer value, Integer min, Integer max) {
  if (value < min) value = min;
  return value > max ? max : value;
}
inline Integer Constrain(Integer value, Integer lo, Integer hi) { return Clamp(value, lo, hi); }
// Lo wins when lo > hi.
inline float Constrain(float value, float lo, float hi) { return value < lo ? lo : (value > hi ? hi : value); }
Integer SwapConstrain(Integer value, Integer constrain1, Integer constrain2);

// Wrap and Mirror fold any value into 0..Max or Min..Max. An empty span (Max below
// 0, or Max below Min) answers the lower bound; Mirror over a single value answers it.
Integer Wrap(Integer value, Integer max);
Integer Wrap(Integer value, Integer min, Integer max);
Integer Mirror(Integer value, Integer max);
Integer Mirror(Integer value, Integer min, Integer max);

using TWrapProc = Integer (*)(Integer value, Integer max);
using TWrapProcEx = Integer (*)(Integer value, Integer min, Integer max);
extern const TWrapProc WRAP_PROCS[3];
extern const TWrapProcEx WRAP_PROCS_EX[3];

inline void Swap(Integer& a, Integer& b) { Integer t = a; a = b; b = t; }
inline void TestSwap(Integer& a, Integer& b) { if (a > b) Swap(a, b); }
bool TestClip(Integer& a, Integer& b, Integer size);
bool TestClip(Integer& a, Integer& b, Integer start, Integer stop);
// Cuts the segment (x1, y1)-(x2, y2) to the rectangle (bounds inclusive) in one
// pass: the Y cut first, then the X cut, whose new Y values are not tested again.
// False when the segment lies wholly on one outer side (the points are then kept).
bool ClipLine(Integer& x1, Integer& y1, Integer& x2, Integer& y2, Integer minX, Integer minY, Integer maxX,
              Integer maxY);

using TFillLongword = void (*)(void* dest, Integer count, Cardinal value);
extern TFillLongword FillLongword;
void FillLongwordPlain(void* dest, Integer count, Cardinal value);
void FillLongwordPacked(void* dest, Integer count, Cardinal value);
void FillWord(void* dest, Integer count, Word value);
// Overlapping blocks are copied as by memmove, in either direction: a first-word-first
// copy would smear the first word forward when dest lies above source.
void MoveLongword(const void* source, void* dest, Integer count);
void MoveWord(const void* source, void* dest, Integer count);

inline Integer SAR_4(Integer v) { return v >> 4; }
inline Integer SAR_8(Integer v) { return v >> 8; }
inline Integer SAR_9(Integer v) { return v >> 9; }
inline Integer SAR_11(Integer v) { return v >> 11; }
inline Integer SAR_12(Integer v) { return v >> 12; }
inline Integer SAR_13(Integer v) { return v >> 13; }
inline Integer SAR_14(Integer v) { return v >> 14; }
inline Integer SAR_15(Integer v) { return v >> 15; }
inline Integer SAR_16(Integer v) { return v >> 16; }

// A platform colour (red in the low byte) as an opaque TColor32.
TColor32 ColorSwap(TPlatformColor winColor);
