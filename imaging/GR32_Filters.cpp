// Whole-bitmap filters and the bit-mask row routines they share.
#include "imaging/GR32_Filters.h"

#include <emmintrin.h>

#include <cstring>

#include "imaging/GR32_LowLevel.h"
#include "imaging/GR32_System.h"

// ---------------------------------------------------------------------------
// Row routines

namespace {

struct OpXor {
  static TColor32 Apply(TColor32 a, TColor32 m) { return a ^ m; }
  static std::uint64_t Apply(std::uint64_t a, std::uint64_t m) { return a ^ m; }
  static __m128i Apply(__m128i a, __m128i m) { return _mm_xor_si128(a, m); }
};
struct OpAnd {
  static TColor32 Apply(TColor32 a, TColor32 m) { return a & m; }
  static std::uint64_t Apply(std::uint64_t a, std::uint64_t m) { return a & m; }
  static __m128i Apply(__m128i a, __m128i m) { return _mm_and_si128(a, m); }
};
struct OpOr {
  static TColor32 Apply(TColor32 a, TColor32 m) { return a | m; }
  static std::uint64_t Apply(std::uint64_t a, std::uint64_t m) { return a | m; }
  static __m128i Apply(__m128i a, __m128i m) { return _mm_or_si128(a, m); }
};

// In place, in blocks of 16 pixels and then the remainder.
template <class Op>
void MaskRow(TColor32* line, TColor32 mask, Integer count) {
  Integer i = 0;
  for (; i + 16 <= count; i += 16)
    for (Integer k = 0; k < 16; ++k) line[i + k] = Op::Apply(line[i + k], mask);
  for (; i < count; ++i) line[i] = Op::Apply(line[i], mask);
}

template <class Op>
void MaskRowCopyPlain(const TColor32* src, TColor32* dst, Integer count, TColor32 mask) {
  for (Integer i = 0; i < count; ++i) dst[i] = Op::Apply(src[i], mask);
}

// Two pixels per 64-bit word, eight words per block of 16 pixels.
template <class Op>
void MaskRowCopy64(const TColor32* src, TColor32* dst, Integer count, TColor32 mask) {
  const std::uint64_t wide = std::uint64_t(mask) << 32 | mask;
  Integer i = 0;
  for (; i + 16 <= count; i += 16) {
    std::uint64_t words[8];
    std::memcpy(words, src + i, sizeof words);
    for (std::uint64_t& w : words) w = Op::Apply(w, wide);
    std::memcpy(dst + i, words, sizeof words);
  }
  for (; i < count; ++i) dst[i] = Op::Apply(src[i], mask);
}

// Four pixels per 128-bit register, four registers per block of 16 pixels.
template <class Op>
void MaskRowCopy128(const TColor32* src, TColor32* dst, Integer count, TColor32 mask) {
  const __m128i wide = _mm_set1_epi32(Integer(mask));
  Integer i = 0;
  for (; i + 16 <= count; i += 16)
    for (Integer k = 0; k < 16; k += 4) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + k));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + k), Op::Apply(v, wide));
    }
  for (; i < count; ++i) dst[i] = Op::Apply(src[i], mask);
}

// The two-bitmap tables of each family, indexed by TLogicalOperator.
const TLogicalMaskLineEx kCopyPlain[3] = {&MaskRowCopyPlain<OpXor>, &MaskRowCopyPlain<OpAnd>, &MaskRowCopyPlain<OpOr>};
const TLogicalMaskLineEx kCopy64[3] = {&MaskRowCopy64<OpXor>, &MaskRowCopy64<OpAnd>, &MaskRowCopy64<OpOr>};
const TLogicalMaskLineEx kCopy128[3] = {&MaskRowCopy128<OpXor>, &MaskRowCopy128<OpAnd>, &MaskRowCopy128<OpOr>};

}  // namespace

TLogicalMaskLine MASK_ROW[3] = {&MaskRow<OpXor>, &MaskRow<OpAnd>, &MaskRow<OpOr>};
TLogicalMaskLineEx MASK_ROW_COPY[3] = {&MaskRowCopyPlain<OpXor>, &MaskRowCopyPlain<OpAnd>,
                                       &MaskRowCopyPlain<OpOr>};

void BindMaskRowFunctions(TMaskRowFamily family) {
  const TLogicalMaskLineEx* table = family == mrPacked128 ? kCopy128 : family == mrPacked64 ? kCopy64 : kCopyPlain;
  for (Integer op = loXOR; op <= loOR; ++op) MASK_ROW_COPY[op] = table[op];
}

namespace {
struct FiltersStartup {
  FiltersStartup() { BindMaskRowFunctions(HasEMMX() ? mrPacked128 : HasMMX() ? mrPacked64 : mrPlain); }
} filtersStartup;
}  // namespace

// ---------------------------------------------------------------------------
// Shared checks and placement

namespace {

void CheckParams(TBitmap32* dst, TBitmap32* src, bool resizeDst) {
  if (!src) throw Exception("The source is nil");
  if (!dst) throw Exception("Destination is nil");
  if (resizeDst) dst->SetSize(src->Width(), src->Height());
}

// The source block and where it lands: the source rectangle cut to the source,
// the position brought into the destination, the landing rectangle cut to the
// destination and its clip rectangle. A cut on the landing rectangle's left or top
// moves the source start by as much, so that the pixels stay aligned.
struct Placement {
  TRect Src, Dst;
};

Placement Place(TBitmap32* dst, Integer dstX, Integer dstY, TBitmap32* src, const TRect& srcRect) {
  Placement p;
  IntersectRect(p.Src, srcRect, src->BoundsRect());
  dstX = Clamp(dstX, 0, dst->Width());
  dstY = Clamp(dstY, 0, dst->Height());
  const TRect landing{dstX, dstY, dstX + p.Src.Width(), dstY + p.Src.Height()};
  IntersectRect(p.Dst, landing, dst->BoundsRect());
  IntersectRect(p.Dst, p.Dst, dst->ClipRect());
  if (p.Dst.Width() > 0 && p.Dst.Height() > 0) OffsetRect(p.Src, p.Dst.Left - dstX, p.Dst.Top - dstY);
  return p;
}

// BeginUpdate ... EndUpdate around the body, also when it throws.
template <class F>
void WithinUpdate(TBitmap32* bitmap, F body) {
  bitmap->BeginUpdate();
  try {
    body();
  } catch (...) {
    bitmap->EndUpdate();
    throw;
  }
  bitmap->EndUpdate();
}

// A pixel operation over Src's pixels in storage order, written into Dst.
template <class F>
void EachPixel(TBitmap32* dst, TBitmap32* src, F op) {
  const Integer n = src->Width() * src->Height();
  const TColor32* s = src->Bits();
  TColor32* d = dst->Bits();
  for (Integer i = 0; i < n; ++i) d[i] = op(s[i], d[i]);
  dst->Changed();
}

}  // namespace

// ---------------------------------------------------------------------------
// Channels

TColor32 CreateBitmask(TColor32Components components) {
  TColor32 mask = 0;
  for (Integer c = ccBlue; c <= ccAlpha; ++c)
    if (components & (1 << c)) mask |= 0xFFu << (8 * c);
  return mask;
}

void CopyComponents(TBitmap32* dst, TBitmap32* src, TColor32Components components) {
  if ((components & 0x0F) == 0) return;
  CheckParams(dst, src, true);
  CopyComponents(dst, 0, 0, src, src->BoundsRect(), components);
}

namespace {

// The row copies by channel count; every form gives the same pixels.
struct ComponentRowCopy {
  TColor32 Mask;
  Integer Channels;
  Integer SingleByte;  // the byte of the single chosen channel

  void Run(const TColor32* s, TColor32* d, Integer n) const {
    if (n <= 16) return Masked(s, d, n);
    if (Channels == 4) return MoveLongword(s, d, n);
    if (Channels == 1) {
      const Byte* sb = reinterpret_cast<const Byte*>(s) + SingleByte;
      Byte* db = reinterpret_cast<Byte*>(d) + SingleByte;
      for (Integer i = 0; i < n; ++i) db[i * 4] = sb[i * 4];
      return;
    }
    Integer i = 0;
    for (; i + 8 <= n; i += 8) Masked(s + i, d + i, 8);
    Masked(s + i, d + i, n - i);
  }
  void Masked(const TColor32* s, TColor32* d, Integer n) const {
    for (Integer i = 0; i < n; ++i) d[i] = (d[i] & ~Mask) | (s[i] & Mask);
  }
};

ComponentRowCopy RowCopyFor(TColor32Components components) {
  ComponentRowCopy copy{CreateBitmask(components), 0, 0};
  for (Integer c = ccBlue; c <= ccAlpha; ++c)
    if (components & (1 << c)) {
      ++copy.Channels;
      copy.SingleByte = c;
    }
  return copy;
}

}  // namespace

void CopyComponents(TBitmap32* dst, Integer dstX, Integer dstY, TBitmap32* src, TRect srcRect,
                    TColor32Components components) {
  if ((components & 0x0F) == 0) return;
  CheckParams(dst, src, false);
  const ComponentRowCopy copy = RowCopyFor(components);
  const Placement p = Place(dst, dstX, dstY, src, srcRect);
  if (!dst->MeasuringMode()) {
    WithinUpdate(dst, [&] {
      for (Integer j = 0; j < p.Dst.Height() && p.Dst.Width() > 0; ++j)
        copy.Run(src->GetPixelPtr(p.Src.Left, p.Src.Top + j), dst->GetPixelPtr(p.Dst.Left, p.Dst.Top + j),
                 p.Dst.Width());
    });
  }
  dst->Changed(p.Dst, AREAINFO_RECT);
}

// ---------------------------------------------------------------------------
// Grey, alpha, lookup table and chroma key

void AlphaToGrayscale(TBitmap32* dst, TBitmap32* src) {
  CheckParams(dst, src, true);
  EachPixel(dst, src, [](TColor32 s, TColor32) { return Gray32(Byte(AlphaComponent(s))); });
}

void IntensityToAlpha(TBitmap32* dst, TBitmap32* src) {
  CheckParams(dst, src, true);
  EachPixel(dst, src, [](TColor32 s, TColor32 d) { return SetAlpha(d, Intensity(s)); });
}

void ColorToGrayscale(TBitmap32* dst, TBitmap32* src, bool preserveAlpha) {
  CheckParams(dst, src, true);
  EachPixel(dst, src, [preserveAlpha](TColor32 s, TColor32) {
    return Gray32(Byte(Intensity(s)), preserveAlpha ? Byte(AlphaComponent(s)) : 255);
  });
}

void ApplyLUT(TBitmap32* dst, TBitmap32* src, const Byte (&lut)[256], bool preserveAlpha) {
  CheckParams(dst, src, true);
  EachPixel(dst, src, [&lut, preserveAlpha](TColor32 s, TColor32 d) {
    const TColor32 alpha = preserveAlpha ? d & 0xFF000000u : 0xFF000000u;
    return alpha | TColor32(lut[RedComponent(s)]) << 16 | TColor32(lut[GreenComponent(s)]) << 8 |
           lut[BlueComponent(s)];
  });
}

void ChromaKey(TBitmap32* bitmap, TColor32 trColor) {
  if (!bitmap) throw Exception("The bitmap is nil");
  const TColor32 key = trColor & 0x00FFFFFF;
  const Integer n = bitmap->Width() * bitmap->Height();
  TColor32* p = bitmap->Bits();
  for (Integer i = 0; i < n; ++i)
    if ((p[i] & 0x00FFFFFF) == key) p[i] &= 0x00FFFFFF;
  bitmap->Changed();
}

// ---------------------------------------------------------------------------
// Inversion and bit masks

void Invert(TBitmap32* dst, TBitmap32* src, TColor32Components components) {
  if ((components & 0x0F) == 0) return;
  const TColor32 mask = CreateBitmask(components);
  if (dst == src) {
    CheckParams(dst, src, false);
    ApplyBitmask(src, src->BoundsRect(), mask, loXOR);
  } else {
    CheckParams(dst, src, true);
    ApplyBitmask(dst, 0, 0, src, src->BoundsRect(), mask, loXOR);
  }
}

void InvertRGB(TBitmap32* src, TBitmap32* dst) { Invert(dst, src, 1 | 2 | 4); }

void ApplyBitmask(TBitmap32* dst, Integer dstX, Integer dstY, TBitmap32* src, TRect srcRect, TColor32 bitmask,
                  TLogicalOperator op) {
  CheckParams(dst, src, false);
  if (op > loOR) return;
  const TLogicalMaskLineEx routine = MASK_ROW_COPY[op];
  const Placement p = Place(dst, dstX, dstY, src, srcRect);
  if (!dst->MeasuringMode()) {
    WithinUpdate(dst, [&] {
      if (p.Dst.Width() <= 0) return;
      for (Integer j = 0; j < p.Dst.Height(); ++j)
        routine(src->GetPixelPtr(p.Src.Left, p.Src.Top + j), dst->GetPixelPtr(p.Dst.Left, p.Dst.Top + j),
                p.Dst.Width(), bitmask);
    });
  }
  dst->Changed(p.Dst, AREAINFO_RECT);
}

void ApplyBitmask(TBitmap32* bitmap, TRect rect, TColor32 bitmask, TLogicalOperator op) {
  if (!bitmap) throw Exception("The bitmap is nil");
  if (op > loOR) return;
  const TLogicalMaskLine routine = MASK_ROW[op];
  TRect r;
  IntersectRect(r, rect, bitmap->BoundsRect());
  IntersectRect(r, r, bitmap->ClipRect());
  if (!bitmap->MeasuringMode()) {
    WithinUpdate(bitmap, [&] {
      if (r.Width() <= 0 || r.Height() <= 0) return;
      if (r.Width() == bitmap->Width()) return routine(bitmap->GetPixelPtr(r.Left, r.Top), bitmask, r.Width() * r.Height());
      for (Integer j = r.Top; j < r.Bottom; ++j) routine(bitmap->GetPixelPtr(r.Left, j), bitmask, r.Width());
    });
  }
  bitmap->Changed(r, AREAINFO_RECT);
}
