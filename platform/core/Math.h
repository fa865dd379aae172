// Rounding and arithmetic as the program's numbers expect them.
#pragma once

#include <cmath>

#include "platform/core/System.h"

// Round half to even (2.5 -> 2, 3.5 -> 4), as the processor rounds by default.
inline Int64 Round(Extended value) { return static_cast<Int64>(std::nearbyint(value)); }
// Cuts toward zero.
inline Int64 Trunc(Extended value) { return static_cast<Int64>(value); }
inline Extended Frac(Extended value) { return value - std::trunc(value); }
inline Extended Int(Extended value) { return std::trunc(value); }
inline Int64 Ceil(Extended value) { return static_cast<Int64>(std::ceil(value)); }
inline Int64 Floor(Extended value) { return static_cast<Int64>(std::floor(value)); }
inline Extended Power(Extended base, Extended exponent) { return std::pow(base, exponent); }
inline Extended Hypot(Extended x, Extended y) { return std::hypot(x, y); }

template <class T>
inline T Min(T a, T b) { return b < a ? b : a; }
template <class T>
inline T Max(T a, T b) { return a < b ? b : a; }
template <class T>
inline T EnsureRange(T value, T low, T high) { return value < low ? low : (high < value ? high : value); }
