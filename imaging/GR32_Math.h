// 16.16 fixed-point arithmetic and the small integer maths of the bitmap library.
#pragma once

#include "imaging/GR32.h"

inline Integer FixedFloor(TFixed a) { return a >> 16; }
inline Integer FixedCeil(TFixed a) { return Integer((Int64(a) + 0xFFFF) >> 16); }
inline Integer FixedRound(TFixed a) { return Integer((Int64(a) + 0x7FFF) >> 16); }
inline TFixed FixedMul(TFixed a, TFixed b) { return TFixed((Int64(a) * b) >> 16); }
// A zero divisor answers the largest value of the dividend's sign (0 for 0).
TFixed FixedDiv(TFixed a, TFixed b);
// 1 / value in 16.16; 0 answers the largest positive value.
TFixed OneOver(TFixed value);
inline TFixed FixedSqr(TFixed value) { return FixedMul(value, value); }
// Square root by bits, low precision (8 fraction bits); a negative value gives 0.
TFixed FixedSqrtLP(TFixed value);
TFixed FixedSqrtHP(TFixed value);
inline TFixed FixedCombine(TFixed w, TFixed x, TFixed y) { return y + FixedMul(x - y, w); }
void SinCos(float theta, float& sin, float& cos);
void SinCos(float theta, float radius, float& sin, float& cos);
// |a * b| / |c| rounded half away from zero with the sign of the three; -1 when the
// quotient does not fit or c is 0. A negative quotient of exactly -2^31 fits. Named apart from the platform's MulDiv.
Integer GR32MulDiv(Integer multiplicand, Integer multiplier, Integer divisor);
inline bool IsPowerOf2(Integer value) { return (value & (value - 1)) == 0; }
// The highest set bit alone; 0 for 0.
Integer PrevPowerOf2(Integer value);
Integer NextPowerOf2(Integer value);
inline Integer Average(Integer a, Integer b) { return (a & b) + ((a ^ b) >> 1); }
inline Integer Sign(Integer value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }
