#include "imaging/GR32_Math.h"

#include <climits>
#include <cmath>

TFixed FixedDiv(TFixed a, TFixed b) {
  if (b == 0) return a > 0 ? INT_MAX : (a < 0 ? INT_MIN : 0);
  Int64 q = (Int64(a) * 65536) / b;
  if (q > INT_MAX) return INT_MAX;
  if (q < INT_MIN) return INT_MIN;
  return TFixed(q);
}

TFixed OneOver(TFixed value) {
  if (value == 0) return INT_MAX;
  Int64 q = (Int64(1) << 32) / value;
  if (q > INT_MAX) return INT_MAX;
  if (q < INT_MIN) return INT_MIN;
  return TFixed(q);
}

// Signed: a negative value has no root and answers 0. rest, bit and root stay
// non-negative, so rest >= bit + root is tested without overflow.
TFixed FixedSqrtLP(TFixed value) {
  if (value < 0) return 0;
  Integer root = 0, rest = value, bit = 0x40000000;
  for (int i = 0; i < 16; ++i) {
    if (rest >= bit && rest - bit >= root) {
      rest = rest - bit - root;
      root = Integer(Cardinal(root) >> 1) | bit;
    } else {
      root = Integer(Cardinal(root) >> 1);
    }
    bit = Integer(Cardinal(bit) >> 2);
  }
  return root << 8;
}

TFixed FixedSqrtHP(TFixed value) {
  Cardinal root = 0, rest = Cardinal(value), bit = 0x40000000;
  for (int i = 0; i < 16; ++i) {
    if (rest >= bit + root) {
      rest = rest - bit - root;
      root = (root >> 1) | bit;
    } else {
      root >>= 1;
    }
    bit >>= 2;
  }
  root <<= 16;
  rest <<= 16;
  bit = 0x4000;
  for (int i = 0; i < 8; ++i) {
    if (rest >= bit + root) {
      rest = rest - bit - root;
      root = (root >> 1) | bit;
    } else {
      root >>= 1;
    }
    bit >>= 2;
  }
  return TFixed(root);
}

void SinCos(float theta, float& sin, float& cos) {
  sin = std::sin(theta);
  cos = std::cos(theta);
}

void SinCos(float theta, float radius, float& sin, float& cos) {
  sin = std::sin(theta) * radius;
  cos = std::cos(theta) * radius;
}

Integer GR32MulDiv(Integer multiplicand, Integer multiplier, Integer divisor) {
  bool negative = ((multiplicand ^ multiplier ^ divisor) < 0);
  std::uint64_t m1 = multiplicand < 0 ? std::uint64_t(-Int64(multiplicand)) : std::uint64_t(multiplicand);
  std::uint64_t m2 = multiplier < 0 ? std::uint64_t(-Int64(multiplier)) : std::uint64_t(multiplier);
  std::uint64_t d = divisor < 0 ? std::uint64_t(-Int64(divisor)) : std::uint64_t(divisor);
  std::uint64_t p = m1 * m2;
  if (2 * (p >> 32) >= d) return -1;
  std::uint64_t q = p / d, r = p % d;
  if (d - r <= r) ++q;
  // A negative quotient may reach -2^31, one more than the largest positive one.
  if (q > (negative ? 0x80000000u : 0x7FFFFFFFu)) return -1;
  return negative ? Integer(-Int64(q)) : Integer(q);
}

Integer PrevPowerOf2(Integer value) {
  Cardinal v = Cardinal(value);
  if (v == 0) return 0;
  Cardinal bit = 0x80000000u;
  while (!(v & bit)) bit >>= 1;
  return Integer(bit);
}

Integer NextPowerOf2(Integer value) {
  if (value <= 1) return 1;
  Cardinal v = Cardinal(value - 1);
  int top = 31;
  while (!(v & (1u << top))) --top;
  return Integer(2u << top);
}
