// Channel arithmetic of the effect bitmap: blends in extended precision, rounded
// to the nearest integer with halves to the even neighbour, clamped to 0..255.
#pragma once

#include <algorithm>
#include <cmath>

#include <emmintrin.h>

#include "platform/core/System.h"

inline Byte ClampedNearestEven(long double v) {
  if (!(v > -0.5L)) return 0;  // NaN too
  if (v >= 255.5L) return 255;
  return static_cast<Byte>(std::lrintl(v));
}

inline Integer NearestEven(long double v) {
  if (std::isnan(v)) return 0;
  return static_cast<Integer>(std::clamp<long double>(std::nearbyintl(v), -2147483647.0L, 2147483647.0L));
}

// kf limited to 0..1 (NaN to 0).
inline long double ClampedFactor(double kf) {
  if (!(kf > 0)) return 0;
  return kf > 1 ? 1.0L : static_cast<long double>(kf);
}

// own * t + (1 - t) * other, rounded and clamped.
inline Byte Fade(Byte own, Byte other, long double t) {
  return ClampedNearestEven(own * t + (1 - t) * other);
}

// The products (1 - kf) * v and kf * v for every channel value, so that a blend of
// two channels is one sum, exactly as computing both products each time.
struct BlendTables {
  long double own[256];
  long double other[256];
  explicit BlendTables(long double kf) {
    for (int v = 0; v < 256; ++v) {
      own[v] = (1 - kf) * v;
      other[v] = kf * v;
    }
  }
  Byte operator()(Byte a, Byte b) const { return ClampedNearestEven(own[a] + other[b]); }
};

// The same blend in double precision, rounded by the processor's conversion
// (nearest, halves to even): the fast path of Morph. Double and extended sums
// round alike except within a hair of a half, where the extended sum decides.
// The tests compare it with BlendTables over every pair of channel values.
struct FastBlendTables {
  BlendTables exact;
  double own[256];
  double other[256];
  explicit FastBlendTables(long double kf) : exact(kf) {
    for (int v = 0; v < 256; ++v) {
      own[v] = static_cast<double>(exact.own[v]);
      other[v] = static_cast<double>(exact.other[v]);
    }
  }
  Byte operator()(Byte a, Byte b) const {
    double sum = own[a] + other[b];
    int v = _mm_cvtsd_si32(_mm_set_sd(sum));
    double apart = sum - v;
    if (apart > 0.4999999 || apart < -0.4999999) return exact(a, b);
    return static_cast<Byte>(v < 0 ? 0 : v > 255 ? 255 : v);
  }
};
