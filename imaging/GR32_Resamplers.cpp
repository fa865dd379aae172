// Block and stretch transfer and the resamplers bound to a bitmap.
#include "imaging/GR32_Resamplers.h"

#include <emmintrin.h>

#include <cmath>
#include <cstring>

#include "imaging/GR32_Blend.h"
#include "imaging/GR32_LowLevel.h"
#include "imaging/GR32_Math.h"
#include "imaging/GR32_System.h"
#include "platform/core/Math.h"

bool FullEdge = true;
TResamplerClassList* ResamplerList = nullptr;
TKernelClassList* KernelList = nullptr;

namespace {

struct EmmsGuard {
  ~EmmsGuard() { EMMS(); }
};

void RequireBitmaps(const TBitmap32* dst, const TBitmap32* src) {
  if (!dst) throw EBitmapException("Destination bitmap is nil");
  if (!src) throw EBitmapException("Source bitmap is nil");
}

bool ValidateSourceRect(const TBitmap32* src, const TRect& srcRect) {
  if (IsRectEmpty(srcRect)) return false;
  if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > src->Width() || srcRect.Bottom > src->Height())
    throw ESrcInvalidException("Source rectangle is invalid");
  return true;
}

// Puts one pixel by the draw mode (the per-pixel paths of the interpolating stretches).
struct PixelWriter {
  TDrawMode mode;
  TBlendMemEx blend;
  TColor32 masterAlpha, outerColor;
  const TPixelCombineEvent& callback;

  void operator()(TColor32 c, TColor32& target) const {
    switch (mode) {
      case dmOpaque: target = c; break;
      case dmBlend: blend(c, target, masterAlpha); break;
      case dmTransparent: if (c != outerColor) target = c; break;
      case dmCustom: callback(c, target, masterAlpha); break;
    }
  }
};

PixelWriter WriterFor(TBitmap32* src, TDrawMode mode, const TPixelCombineEvent& callback) {
  if (mode == dmCustom && !callback) mode = dmOpaque;
  return PixelWriter{mode, BLEND_MEM_EX[src->CombineMode()], src->MasterAlpha(), src->OuterColor, callback};
}

// Combines a run of source pixels into a run of target pixels by the draw mode.
void CombineRun(const TColor32* s, TColor32* d, Integer count, TBitmap32* src, TDrawMode mode,
                const TPixelCombineEvent& callback) {
  switch (mode) {
    case dmOpaque: MoveLongword(s, d, count); break;
    case dmBlend:
      if (src->MasterAlpha() >= 255) BLEND_LINE[src->CombineMode()](s, d, count);
      else BLEND_LINE_EX[src->CombineMode()](s, d, count, src->MasterAlpha());
      break;
    case dmTransparent: {
      TColor32 key = src->OuterColor;
      for (Integer i = 0; i < count; ++i)
        if (s[i] != key) d[i] = s[i];
      break;
    }
    case dmCustom:
      for (Integer i = 0; i < count; ++i) callback(s[i], d[i], src->MasterAlpha());
      break;
  }
}

void CombineBlock(TBitmap32* dst, const TRect& dstRect, TBitmap32* src, Integer srcX, Integer srcY, TDrawMode mode,
                  const TPixelCombineEvent& callback) {
  Integer w = dstRect.Width();
  for (Integer y = dstRect.Top; y < dstRect.Bottom; ++y)
    CombineRun(src->GetPixelPtr(srcX, srcY + y - dstRect.Top), dst->GetPixelPtr(dstRect.Left, y), w, src, mode,
               callback);
}

// Clip = dstClip within dst's bounds and dstRect; false when nothing is left.
bool ClipStretch(TBitmap32* dst, const TRect& dstRect, TRect& dstClip) {
  IntersectRect(dstClip, dstClip, dst->BoundsRect());
  IntersectRect(dstClip, dstClip, dstRect);
  return !IsRectEmpty(dstClip);
}

}  // namespace

// ---------------------------------------------------------------------------
// Block and stretch transfer

void BlockTransfer(TBitmap32* dst, Integer dstX, Integer dstY, TRect dstClip, TBitmap32* src, TRect srcRect,
                   TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  RequireBitmaps(dst, src);
  if (dst->Empty() || src->Empty() || (combineOp == dmBlend && src->MasterAlpha() == 0)) return;
  Integer w = srcRect.Width(), h = srcRect.Height();
  if (!dst->MeasuringMode()) {
    if (combineOp == dmCustom && !combineCallBack) combineOp = dmOpaque;
    Integer srcX = srcRect.Left, srcY = srcRect.Top;
    IntersectRect(dstClip, dstClip, dst->BoundsRect());
    IntersectRect(srcRect, srcRect, src->BoundsRect());
    OffsetRect(srcRect, dstX - srcX, dstY - srcY);
    IntersectRect(srcRect, dstClip, srcRect);
    dstClip = srcRect;
    OffsetRect(srcRect, srcX - dstX, srcY - dstY);
    if (!IsRectEmpty(srcRect)) {
      EmmsGuard emms;
      CombineBlock(dst, dstClip, src, srcRect.Left, srcRect.Top, combineOp, combineCallBack);
    }
  }
  dst->Changed(TRect{dstX, dstY, dstX + w, dstY + h}, AREAINFO_RECT);
}

void StretchTransfer(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, const TRect& srcRect,
                     TCustomResampler* resampler, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  RequireBitmaps(dst, src);
  if (src->Empty() || dst->Empty() || (combineOp == dmBlend && src->MasterAlpha() == 0)) return;
  if (!ValidateSourceRect(src, srcRect)) return;
  if (!dst->MeasuringMode()) {
    if (!ClipStretch(dst, dstRect, dstClip)) return;
    if (combineOp == dmCustom && !combineCallBack) combineOp = dmOpaque;
    EmmsGuard emms;
    if (EqualRectSize(srcRect, dstRect))
      CombineBlock(dst, dstClip, src, srcRect.Left + dstClip.Left - dstRect.Left,
                   srcRect.Top + dstClip.Top - dstRect.Top, combineOp, combineCallBack);
    else
      resampler->Resample(dst, dstRect, dstClip, src, srcRect, combineOp, combineCallBack);
  }
  dst->Changed(dstRect, AREAINFO_RECT);
}

void BlendTransfer(TBitmap32* dst, Integer dstX, Integer dstY, TRect dstClip, TBitmap32* srcF, TRect srcRectF,
                   TBitmap32* srcB, TRect srcRectB, TBlendRegEx2 blendCallback, Integer masterAlpha);

namespace {
template <class Blend>
void BlendTransferImpl(TBitmap32* dst, Integer dstX, Integer dstY, TRect dstClip, TBitmap32* srcF, TRect srcRectF,
                       TBitmap32* srcB, TRect srcRectB, Blend blend, bool assigned) {
  if (!dst) throw EBitmapException("Destination bitmap is nil");
  if (!srcF || !srcB) throw EBitmapException("Source bitmap is nil");
  if (dst->Empty() || srcF->Empty() || srcB->Empty() || !assigned) return;
  if (!dst->MeasuringMode()) {
    Integer fx = srcRectF.Left - dstX, fy = srcRectF.Top - dstY;
    Integer bx = srcRectB.Left - dstX, by = srcRectB.Top - dstY;
    IntersectRect(dstClip, dstClip, dst->BoundsRect());
    IntersectRect(srcRectF, srcRectF, srcF->BoundsRect());
    IntersectRect(srcRectB, srcRectB, srcB->BoundsRect());
    OffsetRect(srcRectF, -fx, -fy);
    OffsetRect(srcRectB, -bx, -by);
    IntersectRect(dstClip, dstClip, srcRectF);
    IntersectRect(dstClip, dstClip, srcRectB);
    EmmsGuard emms;
    for (Integer y = dstClip.Top; y < dstClip.Bottom; ++y)
      for (Integer x = dstClip.Left; x < dstClip.Right; ++x)
        dst->SetPixel(x, y, blend(srcF->GetPixel(x + fx, y + fy), srcB->GetPixel(x + bx, y + by)));
  }
  dst->Changed(dstClip, AREAINFO_RECT);
}
}  // namespace

void BlendTransfer(TBitmap32* dst, Integer dstX, Integer dstY, TRect dstClip, TBitmap32* srcF, TRect srcRectF,
                   TBitmap32* srcB, TRect srcRectB, TBlendReg2 blendCallback) {
  BlendTransferImpl(dst, dstX, dstY, dstClip, srcF, srcRectF, srcB, srcRectB,
                    [&](TColor32 f, TColor32 b) { return blendCallback(f, b); }, blendCallback != nullptr);
}

void BlendTransfer(TBitmap32* dst, Integer dstX, Integer dstY, TRect dstClip, TBitmap32* srcF, TRect srcRectF,
                   TBitmap32* srcB, TRect srcRectB, TBlendRegEx2 blendCallback, Integer masterAlpha) {
  BlendTransferImpl(dst, dstX, dstY, dstClip, srcF, srcRectF, srcB, srcRectB,
                    [&](TColor32 f, TColor32 b) { return blendCallback(f, b, TColor32(masterAlpha)); },
                    blendCallback != nullptr);
}

// ---------------------------------------------------------------------------
// Nearest-neighbour stretch

std::vector<Integer> NearestMap(Integer dstLo, Integer dstHi, Integer clipLo, Integer clipHi, Integer srcLo,
                                Integer srcHi) {
  Integer srcW = srcHi - srcLo, dstW = dstHi - dstLo, clipW = clipHi - clipLo;
  std::vector<Integer> map(clipW > 0 ? clipW : 0);
  if (dstW < 2) {
    for (Integer& m : map) m = (srcLo + srcHi - 1) / 2;
    return map;
  }
  if (FullEdge) {
    float scale = float(srcW) / float(dstW);
    for (Integer i = 0; i < clipW; ++i) map[i] = Integer(Trunc(float(clipLo + i - dstLo) * scale + float(srcLo)));
  } else {
    float scale = float(srcW - 1) / float(dstW - 1);
    for (Integer i = 0; i < clipW; ++i) map[i] = Integer(Round(float(clipLo + i - dstLo) * scale + float(srcLo)));
  }
  // The positions stay inside the source rectangle.
  for (Integer& m : map) m = Clamp(m, srcLo, srcHi - 1);
  return map;
}

namespace {

void NearestStretch(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, const TRect& srcRect,
                    TDrawMode mode, const TPixelCombineEvent& callback) {
  if (!ClipStretch(dst, dstRect, dstClip)) return;
  if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > src->Width() || srcRect.Bottom > src->Height())
    throw Exception("Invalid SrcRect");
  if (mode == dmCustom && !callback) mode = dmOpaque;
  if (EqualRectSize(srcRect, dstRect)) {
    CombineBlock(dst, dstClip, src, srcRect.Left + dstClip.Left - dstRect.Left,
                 srcRect.Top + dstClip.Top - dstRect.Top, mode, callback);
    return;
  }
  std::vector<Integer> mapX = NearestMap(dstRect.Left, dstRect.Right, dstClip.Left, dstClip.Right, srcRect.Left,
                                         srcRect.Right);
  std::vector<Integer> mapY = NearestMap(dstRect.Top, dstRect.Bottom, dstClip.Top, dstClip.Bottom, srcRect.Top,
                                         srcRect.Bottom);
  Integer clipW = dstClip.Width(), dstStride = dst->Width();
  const Integer* mx = mapX.data();
  Integer lastRow = -1;
  if (mode == dmOpaque) {
    for (Integer j = 0; j < dstClip.Height(); ++j) {
      TColor32* d = dst->GetPixelPtr(dstClip.Left, dstClip.Top + j);
      if (mapY[j] == lastRow) {
        MoveLongword(d - dstStride, d, clipW);
        continue;
      }
      lastRow = mapY[j];
      const TColor32* s = src->GetScanLine(lastRow);
      for (Integer i = 0; i < clipW; ++i) d[i] = s[mx[i]];
    }
    return;
  }
  std::vector<TColor32> buffer(clipW);
  for (Integer j = 0; j < dstClip.Height(); ++j) {
    if (mapY[j] != lastRow) {
      lastRow = mapY[j];
      const TColor32* s = src->GetScanLine(lastRow);
      for (Integer i = 0; i < clipW; ++i) buffer[i] = s[mx[i]];
    }
    CombineRun(buffer.data(), dst->GetPixelPtr(dstClip.Left, dstClip.Top + j), clipW, src, mode, callback);
  }
}

// ---------------------------------------------------------------------------
// Bilinear stretch

struct BilinearMapEntry {
  Integer Pos;
  Integer Weight;  // W + W * 65536, W the left (top) weight 0..256
};

std::vector<BilinearMapEntry> BilinearMap(Integer dstLo, Integer dstHi, Integer clipLo, Integer clipHi,
                                          Integer srcLo, Integer srcHi, Integer srcSize) {
  Integer srcW = srcHi - srcLo, dstW = dstHi - dstLo, clipW = clipHi - clipLo;
  std::vector<BilinearMapEntry> map(clipW);
  float scale = FullEdge ? float(srcW) / float(dstW) : float(srcW - 1) / float(dstW - 1);
  for (Integer i = 0; i < clipW; ++i) {
    float t = FullEdge ? (float(i + clipLo - dstLo) + 0.5f) * scale + (float(srcLo) - 0.5f)
                       : float(i + clipLo - dstLo) * scale + float(srcLo);
    if (t < 0) t = 0;
    if (t > float(srcSize - 1)) t = float(srcSize - 1);
    Integer pos = Integer(std::floor(t));
    Integer w = 256 - Integer(Round((t - std::floor(t)) * 256.0f));
    map[i] = {pos, w + w * 65536};
  }
  for (Integer i = clipW - 1; i >= 0 && map[i].Pos == srcHi - 1; --i) {
    map[i].Pos = map[i].Pos - 1;
    map[i].Weight = 0;
  }
  return map;
}

void BilinearStretch(TBitmap32* dst, const TRect& dstRect, const TRect& dstClip, TBitmap32* src,
                     const TRect& srcRect, TDrawMode mode, const TPixelCombineEvent& callback) {
  auto mapX = BilinearMap(dstRect.Left, dstRect.Right, dstClip.Left, dstClip.Right, srcRect.Left, srcRect.Right,
                          src->Width());
  auto mapY = BilinearMap(dstRect.Top, dstRect.Bottom, dstClip.Top, dstClip.Bottom, srcRect.Top, srcRect.Bottom,
                          src->Height());
  PixelWriter put = WriterFor(src, mode, callback);
  Integer stride = src->Width();
  for (Integer j = 0; j < dstClip.Height(); ++j) {
    TColor32* d = dst->GetPixelPtr(dstClip.Left, dstClip.Top + j);
    const TColor32* row = src->GetScanLine(mapY[j].Pos);
    for (Integer i = 0; i < dstClip.Width(); ++i) {
      const TColor32* p = row + mapX[i].Pos;
      put(BilinearPixel(Cardinal(mapX[i].Weight), Cardinal(mapY[j].Weight), p, p + stride), d[i]);
    }
  }
}

// Per channel: top = (right * 256 + (left - right) * WX) >> 8, bottom likewise,
// result = (bottom * 256 + (top - bottom) * WY) >> 8, weights 0..256.
TColor32 PackedBilinearPixel(Cardinal wx, Cardinal wy, const TColor32* p1, const TColor32* p2) {
  Integer x = Integer(wx & 0xFFFF), y = Integer(wy & 0xFFFF);
  const __m128i zero = _mm_setzero_si128();
  __m128i top = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p1)), zero);
  __m128i bottom = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p2)), zero);
  // lanes 0-3 left pixel, 4-7 right pixel
  __m128i leftPair = _mm_unpacklo_epi64(top, bottom), rightPair = _mm_unpackhi_epi64(top, bottom);
  __m128i v = _mm_add_epi16(_mm_slli_epi16(rightPair, 8), _mm_mullo_epi16(_mm_sub_epi16(leftPair, rightPair),
                                                                         _mm_set1_epi16(short(x))));
  v = _mm_srli_epi16(v, 8);  // lanes 0-3 top, 4-7 bottom
  __m128i t = v, b = _mm_unpackhi_epi64(v, v);
  __m128i r = _mm_srli_epi16(
      _mm_add_epi16(_mm_slli_epi16(b, 8), _mm_mullo_epi16(_mm_sub_epi16(t, b), _mm_set1_epi16(short(y)))), 8);
  return TColor32(_mm_cvtsi128_si32(_mm_packus_epi16(r, r)));
}

TColor32 PlainBilinearPixel(Cardinal wx, Cardinal wy, const TColor32* p1, const TColor32* p2) {
  Cardinal x = std::min<Cardinal>(wx >> 16, 255), y = std::min<Cardinal>(wy >> 16, 255);
  TColor32 top = CombineReg(p1[0], p1[1], x);
  TColor32 bottom = CombineReg(p2[0], p2[1], x);
  return CombineReg(top, bottom, y);
}

// ---------------------------------------------------------------------------
// Box averaging

TColor32 Average(const Cardinal sums[4], Integer n) {
  Cardinal k = 16777216u / Cardinal(n);
  return (sums[0] * k) >> 24 | ((sums[1] * k) >> 16 & 0xFF00) | ((sums[2] * k) >> 8 & 0xFF0000) |
         ((sums[3] * k) & 0xFF000000);
}

TColor32 PlainAverageBlock(Integer dx, Integer dy, const TColor32* first, Integer rowStrideBytes) {
  Cardinal sums[4] = {0, 0, 0, 0};
  for (Integer y = 0; y < dy; ++y) {
    const TColor32* p = reinterpret_cast<const TColor32*>(reinterpret_cast<const Byte*>(first) + y * rowStrideBytes);
    for (Integer x = 0; x < dx; ++x)
      for (int c = 0; c < 4; ++c) sums[c] += p[x] >> (8 * c) & 0xFF;
  }
  return Average(sums, dx * dy);
}

TColor32 PackedAverageBlock(Integer dx, Integer dy, const TColor32* first, Integer rowStrideBytes) {
  const __m128i zero = _mm_setzero_si128();
  __m128i acc = zero;  // four 32-bit sums b, g, r, a
  for (Integer y = 0; y < dy; ++y) {
    const TColor32* p = reinterpret_cast<const TColor32*>(reinterpret_cast<const Byte*>(first) + y * rowStrideBytes);
    for (Integer x = 0; x < dx; ++x)
      acc = _mm_add_epi32(acc, _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(Integer(p[x])), zero), zero));
  }
  Cardinal sums[4];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(sums), acc);
  return Average(sums, dx * dy);
}

void DraftStretch(TBitmap32* dst, const TRect& dstRect, const TRect& dstClip, TBitmap32* src, const TRect& srcRect,
                  const TCustomKernel* kernel, TDrawMode mode, const TPixelCombineEvent& callback) {
  Integer srcW = srcRect.Width(), srcH = srcRect.Height(), dstW = dstRect.Width(), dstH = dstRect.Height();
  if (srcW < dstW || srcH < dstH) {
    if (srcW < 2 || srcH < 2) KernelStretch(dst, dstRect, dstClip, src, srcRect, kernel, mode, callback);
    else BilinearStretch(dst, dstRect, dstClip, src, srcRect, mode, callback);
    return;
  }
  Integer offSrc = src->Width() * 4;
  float sx = float(srcW) / float(dstW), sy = float(srcH) / float(dstH);
  Integer cx = Integer(Trunc(float(dstClip.Left - dstRect.Left) * sx));
  Integer cy = Integer(Trunc(float(dstClip.Top - dstRect.Top) * sy));
  Integer firstW = Integer(Trunc(sx)), firstH = Integer(Trunc(sy));
  TFixed sr = TFixed(Trunc(sx * 65536.0f)), sc = TFixed(Trunc(sy * 65536.0f));
  auto edge = [](Integer k, Integer first, TFixed step) { return k == 0 ? 0 : (k == 1 ? first : FixedMul(k, step)); };
  const TColor32* start = src->GetPixelPtr(srcRect.Left + cx, srcRect.Top + cy);
  PixelWriter put = WriterFor(src, mode, callback);
  for (Integer j = 0; j < dstClip.Height(); ++j) {
    Integer y0 = edge(j, firstH, sc), y1 = edge(j + 1, firstH, sc);
    TColor32* d = dst->GetPixelPtr(dstClip.Left, dstClip.Top + j);
    for (Integer i = 0; i < dstClip.Width(); ++i) {
      Integer x0 = edge(i, firstW, sr), x1 = edge(i + 1, firstW, sr);
      put(AverageBlock(x1 - x0, y1 - y0, start + y0 * src->Width() + x0, offSrc), d[i]);
    }
  }
}

}  // namespace

TAverageBlock AverageBlock = &PlainAverageBlock;
TBilinearPixel BilinearPixel = &PlainBilinearPixel;

void BindResamplerFunctions(bool packed) {
  AverageBlock = packed ? &PackedAverageBlock : &PlainAverageBlock;
  BilinearPixel = packed ? &PackedBilinearPixel : &PlainBilinearPixel;
}

// ---------------------------------------------------------------------------
// TBitmap32Resampler

TBitmap32Resampler::TBitmap32Resampler(TBitmap32* bitmap) { Install(bitmap); }

void TBitmap32Resampler::Install(TBitmap32* bitmap) {
  bitmap_ = bitmap;
  if (bitmap_) bitmap_->SetResampler(this);
}

void TBitmap32Resampler::Changed() {
  if (bitmap_) bitmap_->Changed();
}

void TBitmap32Resampler::PrepareSampling() { clipRect_ = bitmap_->ClipRect(); }

TRect TBitmap32Resampler::GetSampleBounds() const {
  TRect r = bitmap_->ClipRect();
  if (pixelAccessMode_ == pamTransparentEdge) InflateRect(r, 1, 1);
  return r;
}

void TBitmap32Resampler::SetPixelAccessMode(TPixelAccessMode value) {
  if (value == pixelAccessMode_) return;
  pixelAccessMode_ = value;
  Changed();
}

void TBitmap32Resampler::AssignTo(TPersistent* dest) const {
  if (auto r = dynamic_cast<TBitmap32Resampler*>(dest)) {
    r->SetPixelAccessMode(pixelAccessMode_);
    return;
  }
  TCustomResampler::AssignTo(dest);
}

// ---------------------------------------------------------------------------
// TNearestResampler

void TNearestResampler::PrepareSampling() { TBitmap32Resampler::PrepareSampling(); }

TColor32 TNearestResampler::ReadEdge(Integer x, Integer y) const {
  Integer i = Clamp(x, clipRect_.Left, clipRect_.Right - 1), j = Clamp(y, clipRect_.Top, clipRect_.Bottom - 1);
  TColor32 c = bitmap_->GetPixel(i, j);
  return (i != x || j != y) ? c & 0x00FFFFFF : c;
}

TColor32 TNearestResampler::Read(Integer x, Integer y) const {
  switch (PixelAccessMode()) {
    case pamUnsafe: return bitmap_->GetPixel(x, y);
    case pamSafe: return bitmap_->GetPixelS(x, y);
    case pamWrap: return bitmap_->GetPixelW(x, y);
    default: return ReadEdge(x, y);
  }
}

TColor32 TNearestResampler::GetSampleInt(Integer x, Integer y) { return Read(x, y); }
TColor32 TNearestResampler::GetSampleFixed(TFixed x, TFixed y) { return Read(FixedRound(x), FixedRound(y)); }
TColor32 TNearestResampler::GetSampleFloat(float x, float y) { return Read(Integer(Round(x)), Integer(Round(y))); }

void TNearestResampler::Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, TRect srcRect,
                                 TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  NearestStretch(dst, dstRect, dstClip, src, srcRect, combineOp, combineCallBack);
}

// ---------------------------------------------------------------------------
// TLinearResampler and TDraftResampler

TLinearResampler::TLinearResampler() : kernel_(new TLinearKernel) {}

TLinearResampler::~TLinearResampler() { delete kernel_; }

TColor32 TLinearResampler::ReadEdge(TFixed x, TFixed y) const {
  Integer i = x >> 16, j = y >> 16;
  Integer r = clipRect_.Right - 1, b = clipRect_.Bottom - 1;
  if (i >= clipRect_.Left && i < r && j >= clipRect_.Top && j < b) return bitmap_->GET_T256(x >> 8, y >> 8);
  if (i < clipRect_.Left - 1 || j < clipRect_.Top - 1 || i > r || j > b) return 0;
  Integer x1 = Clamp(i, 0, r), x2 = Clamp(i + Sign(x), 0, r);
  Integer y1 = Clamp(j, 0, b), y2 = Clamp(j + Sign(y), 0, b);
  TColor32 c1 = bitmap_->GetPixel(x1, y1), c2 = bitmap_->GetPixel(x2, y1);
  TColor32 c3 = bitmap_->GetPixel(x1, y2), c4 = bitmap_->GetPixel(x2, y2);
  if (x <= Fixed(clipRect_.Left)) {
    c1 &= 0x00FFFFFF;
    c3 &= 0x00FFFFFF;
  } else if (i == r) {
    c2 &= 0x00FFFFFF;
    c4 &= 0x00FFFFFF;
  }
  if (y <= Fixed(clipRect_.Top)) {
    c1 &= 0x00FFFFFF;
    c2 &= 0x00FFFFFF;
  } else if (j == b) {
    c3 &= 0x00FFFFFF;
    c4 &= 0x00FFFFFF;
  }
  Cardinal wx = GAMMA_TABLE[((x >> 8) & 255) ^ 255], wy = GAMMA_TABLE[((y >> 8) & 255) ^ 255];
  TColor32 result = CombineReg(CombineReg(c1, c2, wx), CombineReg(c3, c4, wx), wy);
  EMMS();
  return result;
}

TColor32 TLinearResampler::GetSampleFixed(TFixed x, TFixed y) {
  switch (PixelAccessMode()) {
    case pamUnsafe: return bitmap_->GetPixelX(x, y);
    case pamSafe: return bitmap_->GetPixelXS(x, y);
    case pamWrap: return bitmap_->GetPixelXW(x, y);
    default: return ReadEdge(x, y);
  }
}

TColor32 TLinearResampler::GetSampleFloat(float x, float y) {
  return GetSampleFixed(TFixed(Round(x * 65536.0f)), TFixed(Round(y * 65536.0f)));
}

void TLinearResampler::Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, TRect srcRect,
                                TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  float srcW = float(srcRect.Width()), srcH = float(srcRect.Height());
  if (float(dstRect.Width()) > srcW && float(dstRect.Height()) > srcH && srcW >= 2 && srcH >= 2)
    BilinearStretch(dst, dstRect, dstClip, src, srcRect, combineOp, combineCallBack);
  else
    KernelStretch(dst, dstRect, dstClip, src, srcRect, kernel_, combineOp, combineCallBack);
}

void TDraftResampler::Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, TRect srcRect,
                               TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  if (combineOp == dmCustom && !combineCallBack) combineOp = dmOpaque;
  DraftStretch(dst, dstRect, dstClip, src, srcRect, kernel_, combineOp, combineCallBack);
}

// ---------------------------------------------------------------------------
// Start-up: inner routines by processor, then the registries.

namespace {
struct ResamplersStartup {
  ResamplersStartup() {
    BindResamplerFunctions(HasMMX() || Has3DNow());
    RegisterResampler<TNearestResampler>();
    RegisterResampler<TLinearResampler>();
    RegisterResampler<TDraftResampler>();
    RegisterResampler<TKernelResampler>();
    RegisterKernel<TBoxKernel>();
    RegisterKernel<TLinearKernel>();
    RegisterKernel<TCosineKernel>();
    RegisterKernel<TSplineKernel>();
    RegisterKernel<TCubicKernel>();
    RegisterKernel<TMitchellKernel>();
    RegisterKernel<TLanczosKernel>();
    RegisterKernel<TGaussianKernel>();
    RegisterKernel<TBlackmanKernel>();
    RegisterKernel<THannKernel>();
    RegisterKernel<THammingKernel>();
    RegisterKernel<TSinshKernel>();
    RegisterKernel<THermiteKernel>();
  }
  ~ResamplersStartup() {
    FreeAndNil(ResamplerList);
    FreeAndNil(KernelList);
  }
} resamplersStartup;
}  // namespace
