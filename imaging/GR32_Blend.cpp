#include "imaging/GR32_Blend.h"

#include <emmintrin.h>

#include <cmath>
#include <cstring>

#include "imaging/GR32_System.h"

// ---------------------------------------------------------------------------
// Plain forms: two channels at a time in one 32-bit value.
namespace {

// Each channel ((Xc * W + 128) shr 8) + ((Yc * (255 - W) + 128) shr 8).
inline TColor32 PlainMix(TColor32 x, TColor32 y, Cardinal w) {
  Cardinal iw = 255 - w;
  Cardinal rb = (((x & 0x00FF00FF) * w + 0x00800080) >> 8 & 0x00FF00FF) +
                (((y & 0x00FF00FF) * iw + 0x00800080) >> 8 & 0x00FF00FF);
  Cardinal ag = (((x >> 8 & 0x00FF00FF) * w + 0x00800080) >> 8 & 0x00FF00FF) +
                (((y >> 8 & 0x00FF00FF) * iw + 0x00800080) >> 8 & 0x00FF00FF);
  return rb | ag << 8;
}

}  // namespace

namespace blend_plain {

TColor32 CombineReg(TColor32 x, TColor32 y, TColor32 w) {
  if (w == 0) return y;
  if (w >= 255) return x;
  return PlainMix(x, y, w);
}

void CombineMem(TColor32 f, TColor32& b, TColor32 w) { b = CombineReg(f, b, w); }

TColor32 BlendReg(TColor32 f, TColor32 b) {
  Cardinal fa = f >> 24;
  if (fa == 255) return f;
  if (fa == 0) return b;
  return PlainMix(f, b, fa);
}

void BlendMem(TColor32 f, TColor32& b) {
  Cardinal fa = f >> 24;
  if (fa == 0) return;
  b = fa == 255 ? f : PlainMix(f, b, fa);
}

TColor32 BlendRegEx(TColor32 f, TColor32 b, TColor32 m) {
  Cardinal fa = f >> 24;
  if (fa == 0) return b;
  Cardinal w = ((m + 1) * fa) >> 8;
  if (w == 0) return b;
  return PlainMix(f, b, w) & 0x00FFFFFF;  // this form leaves alpha 0
}

void BlendMemEx(TColor32 f, TColor32& b, TColor32 m) {
  Cardinal fa = f >> 24;
  if (fa == 0) return;
  Cardinal w = ((m + 1) * fa) >> 8;
  if (w == 0) return;
  b = PlainMix(f, b, w) & 0x00FFFFFF;
}

void BlendLine(const TColor32* src, TColor32* dst, Integer count) {
  for (Integer i = 0; i < count; ++i) BlendMem(src[i], dst[i]);
}

void BlendLineEx(const TColor32* src, TColor32* dst, Integer count, TColor32 m) {
  for (Integer i = 0; i < count; ++i) BlendMemEx(src[i], dst[i], m);
}

void CombineLine(const TColor32* src, TColor32* dst, Integer count, TColor32 w) {
  for (Integer i = 0; i < count; ++i) CombineMem(src[i], dst[i], w);
}

template <class Op>
TColor32 PerChannel(TColor32 c1, TColor32 c2, Op op) {
  TColor32 r = 0;
  for (int s = 0; s < 32; s += 8) r |= (Cardinal(op(Integer(c1 >> s & 0xFF), Integer(c2 >> s & 0xFF))) & 0xFF) << s;
  return r;
}

TColor32 ColorAdd(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](Integer a, Integer b) { return a + b > 255 ? 255 : a + b; });
}
TColor32 ColorSub(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](Integer a, Integer b) { return a - b < 0 ? 0 : a - b; });
}
TColor32 ColorDiv(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](Integer a, Integer b) {
    if (a == 0) return 255;
    Integer q = (b * 256) / a;
    return q > 255 ? 255 : q;
  });
}
TColor32 ColorModulate(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](Integer a, Integer b) { return (a * b) >> 8; });
}
TColor32 ColorMax(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](Integer a, Integer b) { return a > b ? a : b; });
}
TColor32 ColorMin(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](Integer a, Integer b) { return a < b ? a : b; });
}
TColor32 ColorDifference(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](Integer a, Integer b) { return a > b ? a - b : b - a; });
}
TColor32 ColorAverage(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](Integer a, Integer b) { return (a + b) >> 1; });
}
TColor32 ColorExclusion(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](Integer a, Integer b) { return a + b - ((a * b) >> 7); });
}
TColor32 ColorScale(TColor32 c, TColor32 w) {
  TColor32 r = 0;
  for (int s = 0; s < 32; s += 8) {
    std::uint64_t v = (std::uint64_t(c >> s & 0xFF) * w) >> 8;
    r |= Cardinal(v > 255 ? 255 : v) << s;
  }
  return r;
}

}  // namespace blend_plain

// ---------------------------------------------------------------------------
// Packed forms: each channel widened to 16 bits, the formula evaluated modulo
// 2^16 and packed back with unsigned saturation.
namespace blend_packed {
namespace {

const __m128i kZero = _mm_setzero_si128();
const __m128i kBias = _mm_set1_epi16(128);

// Per 16-bit channel (F * W + B * (256 - W) + 128) shr 8, computed as
// ((F - B) * W + B * 256 + 128) shr 8; exact because the true value is 0..65535.
inline __m128i Mix16(__m128i f, __m128i b, __m128i w) {
  __m128i t = _mm_mullo_epi16(_mm_sub_epi16(f, b), w);
  t = _mm_add_epi16(t, _mm_slli_epi16(b, 8));
  t = _mm_add_epi16(t, kBias);
  return _mm_srli_epi16(t, 8);
}

inline TColor32 Mix(TColor32 f, TColor32 b, Cardinal w) {
  __m128i f16 = _mm_unpacklo_epi8(_mm_cvtsi32_si128(Integer(f)), kZero);
  __m128i b16 = _mm_unpacklo_epi8(_mm_cvtsi32_si128(Integer(b)), kZero);
  __m128i r = Mix16(f16, b16, _mm_set1_epi16(short(w)));
  return TColor32(_mm_cvtsi128_si32(_mm_packus_epi16(r, r)));
}

// Mixes four pixels by four 32-bit weights and answers the four results.
inline __m128i Mix4(__m128i f, __m128i b, __m128i w32) {
  __m128i w16 = _mm_packs_epi32(w32, w32);  // w0 w1 w2 w3 w0 w1 w2 w3
  w16 = _mm_unpacklo_epi16(w16, w16);       // w0 w0 w1 w1 w2 w2 w3 w3
  __m128i wlo = _mm_unpacklo_epi32(w16, w16);
  __m128i whi = _mm_unpackhi_epi32(w16, w16);
  __m128i lo = Mix16(_mm_unpacklo_epi8(f, kZero), _mm_unpacklo_epi8(b, kZero), wlo);
  __m128i hi = Mix16(_mm_unpackhi_epi8(f, kZero), _mm_unpackhi_epi8(b, kZero), whi);
  return _mm_packus_epi16(lo, hi);
}

inline __m128i Select(__m128i mask, __m128i a, __m128i b) {
  return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}

}  // namespace

TColor32 CombineReg(TColor32 x, TColor32 y, TColor32 w) { return Mix(x, y, w & 0xFFFF); }

void CombineMem(TColor32 f, TColor32& b, TColor32 w) {
  if (w == 0) return;
  if (w >= 255) { b = f; return; }
  b = Mix(f, b, w);
}

TColor32 BlendReg(TColor32 f, TColor32 b) { return Mix(f, b, f >> 24); }

void BlendMem(TColor32 f, TColor32& b) {
  Cardinal fa = f >> 24;
  if (fa == 0) return;
  b = fa == 255 ? f : Mix(f, b, fa);
}

TColor32 BlendRegEx(TColor32 f, TColor32 b, TColor32 m) {
  Cardinal w = ((m + 1) * (f >> 24)) >> 8;
  if (w == 0) return b;
  return Mix(f, b, w);
}

void BlendMemEx(TColor32 f, TColor32& b, TColor32 m) {
  Cardinal fa = f >> 24;
  if (fa == 0) return;
  Cardinal w = ((m + 1) * fa) >> 8;
  if (w == 0) return;
  b = Mix(f, b, w);
}

void BlendLine(const TColor32* src, TColor32* dst, Integer count) {
  const __m128i ff = _mm_set1_epi32(255);
  Integer i = 0;
  for (; i + 4 <= count; i += 4) {
    __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    __m128i a = _mm_srli_epi32(f, 24);
    __m128i opaque = _mm_cmpeq_epi32(a, ff);
    __m128i clear = _mm_cmpeq_epi32(a, kZero);
    int opaqueBits = _mm_movemask_epi8(opaque), clearBits = _mm_movemask_epi8(clear);
    if (clearBits == 0xFFFF) continue;
    __m128i* d = reinterpret_cast<__m128i*>(dst + i);
    if (opaqueBits == 0xFFFF) { _mm_storeu_si128(d, f); continue; }
    __m128i b = _mm_loadu_si128(d);
    __m128i r = Mix4(f, b, a);
    r = Select(opaque, f, Select(clear, b, r));
    _mm_storeu_si128(d, r);
  }
  for (; i < count; ++i) BlendMem(src[i], dst[i]);
}

void BlendLineEx(const TColor32* src, TColor32* dst, Integer count, TColor32 m) {
  const __m128i mv = _mm_set1_epi32(Integer(m & 0xFFFF));
  const __m128i one = _mm_set1_epi32(1);
  Integer i = 0;
  for (; i + 4 <= count; i += 4) {
    __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    // W = ((Fa + 1) * M) shr 8: this form multiplies Fa + 1 by M.
    __m128i w = _mm_srli_epi32(_mm_mullo_epi16(_mm_add_epi32(_mm_srli_epi32(f, 24), one), mv), 8);
    __m128i none = _mm_cmpeq_epi32(w, kZero);
    if (_mm_movemask_epi8(none) == 0xFFFF) continue;
    __m128i* d = reinterpret_cast<__m128i*>(dst + i);
    __m128i b = _mm_loadu_si128(d);
    _mm_storeu_si128(d, Select(none, b, Mix4(f, b, w)));
  }
  for (; i < count; ++i) {
    Cardinal w = (((src[i] >> 24) + 1) * m) >> 8;
    if (w != 0) dst[i] = Mix(src[i], dst[i], w);
  }
}

void CombineLine(const TColor32* src, TColor32* dst, Integer count, TColor32 w) {
  if (count <= 0 || w == 0) return;
  if (w >= 255) { std::memmove(dst, src, std::size_t(count) * 4); return; }
  const __m128i wv = _mm_set1_epi32(Integer(w));
  Integer i = 0;
  for (; i + 4 <= count; i += 4) {
    __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    __m128i* d = reinterpret_cast<__m128i*>(dst + i);
    _mm_storeu_si128(d, Mix4(f, _mm_loadu_si128(d), wv));
  }
  for (; i < count; ++i) dst[i] = Mix(src[i], dst[i], w);
}

namespace {
inline __m128i Load(TColor32 c) { return _mm_cvtsi32_si128(Integer(c)); }
inline TColor32 Store(__m128i v) { return TColor32(_mm_cvtsi128_si32(v)); }
inline __m128i Wide(TColor32 c) { return _mm_unpacklo_epi8(Load(c), kZero); }
inline TColor32 Narrow(__m128i v) { return Store(_mm_packus_epi16(v, v)); }
}  // namespace

TColor32 ColorAdd(TColor32 c1, TColor32 c2) { return Store(_mm_adds_epu8(Load(c1), Load(c2))); }
TColor32 ColorSub(TColor32 c1, TColor32 c2) { return Store(_mm_subs_epu8(Load(c1), Load(c2))); }
TColor32 ColorModulate(TColor32 c1, TColor32 c2) {
  return Narrow(_mm_srli_epi16(_mm_mullo_epi16(Wide(c1), Wide(c2)), 8));
}
TColor32 ColorDifference(TColor32 c1, TColor32 c2) {
  __m128i a = Load(c1), b = Load(c2);
  return Store(_mm_or_si128(_mm_subs_epu8(a, b), _mm_subs_epu8(b, a)));
}
TColor32 ColorExclusion(TColor32 c1, TColor32 c2) {
  __m128i a = Wide(c1), b = Wide(c2);
  __m128i p = _mm_srli_epi16(_mm_mullo_epi16(a, b), 7);
  return Narrow(_mm_sub_epi16(_mm_add_epi16(a, b), p));
}
TColor32 ColorScale(TColor32 c, TColor32 w) {
  // The weight is a byte here; larger weights take the plain form's answer.
  if (w > 255) return blend_plain::ColorScale(c, w);
  return Narrow(_mm_srli_epi16(_mm_mullo_epi16(Wide(c), _mm_set1_epi16(short(w))), 8));
}
TColor32 ColorMax(TColor32 c1, TColor32 c2) { return Store(_mm_max_epu8(Load(c1), Load(c2))); }
TColor32 ColorMin(TColor32 c1, TColor32 c2) { return Store(_mm_min_epu8(Load(c1), Load(c2))); }
TColor32 ColorAverage(TColor32 c1, TColor32 c2) { return Store(_mm_avg_epu8(Load(c1), Load(c2))); }

}  // namespace blend_packed

// ---------------------------------------------------------------------------
// Merge: one form on every processor.

Byte MergeProduct[256][256];
Byte MergeQuotient[256][256];

namespace {

TColor32 MergeRegImpl(TColor32 f, TColor32 b) {
  Cardinal fa = f >> 24, ba = b >> 24;
  if (fa == 0) return b;
  if (ba == 255) return BlendReg(f, b) | 0xFF000000;
  if (fa == 255 || ba == 0) return f;
  Cardinal ra = fa + ba - MergeProduct[ba][fa];
  TColor32 r = ra << 24;
  for (int s = 0; s < 24; s += 8) {
    Integer bc = MergeProduct[ba][b >> s & 0xFF];
    Integer d = Integer(f >> s & 0xFF) - bc;
    Integer x = d >= 0 ? bc + MergeProduct[fa][d] : bc - MergeProduct[fa][-d];
    r |= Cardinal(MergeQuotient[ra][x]) << s;
  }
  return r;
}

void MergeMemImpl(TColor32 f, TColor32& b) { b = MergeRegImpl(f, b); }

TColor32 MergeRegExImpl(TColor32 f, TColor32 b, TColor32 m) {
  Cardinal fa = MergeProduct[m & 0xFF][f >> 24];
  return MergeRegImpl((f & 0x00FFFFFF) | fa << 24, b);
}

void MergeMemExImpl(TColor32 f, TColor32& b, TColor32 m) { b = MergeRegExImpl(f, b, m); }

void MergeLineImpl(const TColor32* src, TColor32* dst, Integer count) {
  for (Integer i = 0; i < count; ++i) dst[i] = MergeRegImpl(src[i], dst[i]);
}

void MergeLineExImpl(const TColor32* src, TColor32* dst, Integer count, TColor32 m) {
  for (Integer i = 0; i < count; ++i) dst[i] = MergeRegExImpl(src[i], dst[i], m);
}

void FillMergeTables() {
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b) {
      MergeProduct[a][b] = Byte(std::nearbyint(a * b / 255.0));
      MergeQuotient[a][b] = a == 0 ? 0 : Byte(Cardinal(std::nearbyint(b * 255.0 / a)) & 0xFF);
    }
}

}  // namespace

// Bound to the plain forms until start-up has run, so that nothing calls through a null pointer.
TCombineReg CombineReg = blend_plain::CombineReg;
TCombineMem CombineMem = blend_plain::CombineMem;
TBlendReg BlendReg = blend_plain::BlendReg;
TBlendMem BlendMem = blend_plain::BlendMem;
TBlendRegEx BlendRegEx = blend_plain::BlendRegEx;
TBlendMemEx BlendMemEx = blend_plain::BlendMemEx;
TBlendLine BlendLine = blend_plain::BlendLine;
TBlendLineEx BlendLineEx = blend_plain::BlendLineEx;
TCombineLine CombineLine = blend_plain::CombineLine;
TBlendReg MergeReg = &MergeRegImpl;
TBlendMem MergeMem = &MergeMemImpl;
TBlendRegEx MergeRegEx = &MergeRegExImpl;
TBlendMemEx MergeMemEx = &MergeMemExImpl;
TBlendLine MergeLine = &MergeLineImpl;
TBlendLineEx MergeLineEx = &MergeLineExImpl;
TColorOp ColorAdd = blend_plain::ColorAdd, ColorSub = blend_plain::ColorSub, ColorDiv = blend_plain::ColorDiv,
         ColorModulate = blend_plain::ColorModulate, ColorMax = blend_plain::ColorMax,
         ColorMin = blend_plain::ColorMin, ColorDifference = blend_plain::ColorDifference,
         ColorAverage = blend_plain::ColorAverage, ColorExclusion = blend_plain::ColorExclusion;
TColorScale ColorScale = blend_plain::ColorScale;
TBlendReg BLEND_REG[2] = {blend_plain::BlendReg, &MergeRegImpl};
TBlendMem BLEND_MEM[2] = {blend_plain::BlendMem, &MergeMemImpl};
TBlendRegEx BLEND_REG_EX[2] = {blend_plain::BlendRegEx, &MergeRegExImpl};
TBlendMemEx BLEND_MEM_EX[2] = {blend_plain::BlendMemEx, &MergeMemExImpl};
TBlendLine BLEND_LINE[2] = {blend_plain::BlendLine, &MergeLineImpl};
TBlendLineEx BLEND_LINE_EX[2] = {blend_plain::BlendLineEx, &MergeLineExImpl};
bool MMX_ACTIVE = false;

void BindBlendFunctions(bool packed, bool extendedPacked) {
  MMX_ACTIVE = packed;
  if (packed) {
    namespace f = blend_packed;
    CombineReg = f::CombineReg; CombineMem = f::CombineMem; BlendReg = f::BlendReg; BlendMem = f::BlendMem;
    BlendRegEx = f::BlendRegEx; BlendMemEx = f::BlendMemEx; BlendLine = f::BlendLine;
    BlendLineEx = f::BlendLineEx; CombineLine = f::CombineLine; ColorAdd = f::ColorAdd; ColorSub = f::ColorSub;
    ColorModulate = f::ColorModulate; ColorDifference = f::ColorDifference; ColorExclusion = f::ColorExclusion;
    ColorScale = f::ColorScale;
  } else {
    namespace f = blend_plain;
    CombineReg = f::CombineReg; CombineMem = f::CombineMem; BlendReg = f::BlendReg; BlendMem = f::BlendMem;
    BlendRegEx = f::BlendRegEx; BlendMemEx = f::BlendMemEx; BlendLine = f::BlendLine;
    BlendLineEx = f::BlendLineEx; CombineLine = f::CombineLine; ColorAdd = f::ColorAdd; ColorSub = f::ColorSub;
    ColorModulate = f::ColorModulate; ColorDifference = f::ColorDifference; ColorExclusion = f::ColorExclusion;
    ColorScale = f::ColorScale;
  }
  ColorMax = extendedPacked ? blend_packed::ColorMax : blend_plain::ColorMax;
  ColorMin = extendedPacked ? blend_packed::ColorMin : blend_plain::ColorMin;
  ColorAverage = extendedPacked ? blend_packed::ColorAverage : blend_plain::ColorAverage;
  BLEND_REG[cmBlend] = BlendReg; BLEND_REG[cmMerge] = MergeReg;
  BLEND_MEM[cmBlend] = BlendMem; BLEND_MEM[cmMerge] = MergeMem;
  BLEND_REG_EX[cmBlend] = BlendRegEx; BLEND_REG_EX[cmMerge] = MergeRegEx;
  BLEND_MEM_EX[cmBlend] = BlendMemEx; BLEND_MEM_EX[cmMerge] = MergeMemEx;
  BLEND_LINE[cmBlend] = BlendLine; BLEND_LINE[cmMerge] = MergeLine;
  BLEND_LINE_EX[cmBlend] = BlendLineEx; BLEND_LINE_EX[cmMerge] = MergeLineEx;
}

TColor32 Lighten(TColor32 c, Integer amount) {
  TColor32 r = c & 0xFF000000;
  for (int s = 0; s < 24; s += 8) {
    Integer v = Integer(c >> s & 0xFF) + amount;
    r |= Cardinal(v < 0 ? 0 : (v > 255 ? 255 : v)) << s;
  }
  return r;
}

namespace {
struct BlendStartup {
  BlendStartup() {
    FillMergeTables();
    BindBlendFunctions(HasMMX(), HasEMMX());
  }
} blendStartup;
}  // namespace
