// Filter kernels, cluster tables, the separable kernel stretch, the kernel
// resampler and the registration of resampler and kernel classes.
#include <emmintrin.h>

#include <algorithm>
#include <cmath>

#include "imaging/GR32_Blend.h"
#include "imaging/GR32_LowLevel.h"
#include "imaging/GR32_Resamplers.h"
#include "imaging/GR32_System.h"
#include "platform/core/Math.h"

namespace {

constexpr float kPi = 3.14159265358979f;

inline Integer RoundF(float v) { return Integer(std::nearbyint(v)); }

float Sinc(float x) {
  if (x == 0) return 1;
  float px = kPi * x;
  return std::sin(px) / px;
}

}  // namespace

// ---------------------------------------------------------------------------
// Kernels

void TCustomKernel::Changed() {
  if (Observer) Observer->Changed();
}

void TCustomKernel::AssignTo(TPersistent* dest) const {
  auto kernel = dynamic_cast<TCustomKernel*>(dest);
  if (kernel && typeid(*kernel) == typeid(*this)) {
    CopyParametersTo(kernel);
    return;
  }
  if (kernel) return;  // a kernel of another class has none of these parameters
  TPersistent::AssignTo(dest);
}

float TBoxKernel::Filter(float x) const { return (x >= -0.5f && x <= 0.5f) ? 1.0f : 0.0f; }

float TLinearKernel::Filter(float x) const {
  if (x >= 0 && x < 1) return 1 - x;
  if (x >= -1 && x < 0) return x + 1;
  return 0;
}

float TCosineKernel::Filter(float x) const { return std::fabs(x) < 1 ? (std::cos(kPi * x) + 1) / 2 : 0.0f; }

float TSplineKernel::Filter(float x) const {
  float t = std::fabs(x);
  if (t < 1) return t * t * t / 2 - t * t + 2.0f / 3;
  if (t < 2) {
    float u = 2 - t;
    return u * u * u / 6;
  }
  return 0;
}

float TMitchellKernel::Filter(float x) const {
  float t = std::fabs(x);
  if (t < 1) return (7 * t * t * t - 12 * t * t + 16.0f / 3) / 6;
  if (t < 2) return (-7.0f / 3 * t * t * t + 12 * t * t - 20 * t + 32.0f / 3) / 6;
  return 0;
}

float TCubicKernel::Filter(float x) const {
  float a = coeff_, t = std::fabs(x);
  if (t < 1) return (a + 2) * t * t * t - (a + 3) * t * t + 1;
  if (t < 2) return a * (t * t * t - 5 * t * t + 8 * t - 4);
  return 0;
}

void TCubicKernel::SetCoeff(float value) {
  if (value == coeff_) return;
  coeff_ = value;
  Changed();
}

void TCubicKernel::CopyParametersTo(TCustomKernel* dest) const { static_cast<TCubicKernel*>(dest)->SetCoeff(coeff_); }

float THermiteKernel::Filter(float x) const {
  float t0 = (1 - tension_) * 0.5f;
  float p = (1 + bias_) * t0, q = (1 - bias_) * t0;
  float z = std::floor(x);
  float t = std::fabs(z - x), t2 = t * t, t3 = t2 * t;
  float m0 = t3 - 2 * t2 + t, m1 = t3 - t2, a = -2 * t3 + 3 * t2, b = 1 - a;
  switch (Integer(z)) {
    case -2: return m1 * q;
    case -1: return m0 * q + a + (p - q) * m1;
    case 0: return (p - q) * m0 + b - m1 * p;
    case 1: return -m0 * p;
    default: return 0;
  }
}

void THermiteKernel::SetBias(float value) {
  if (value == bias_) return;
  bias_ = value;
  Changed();
}

void THermiteKernel::SetTension(float value) {
  if (value == tension_) return;
  tension_ = value;
  Changed();
}

void THermiteKernel::CopyParametersTo(TCustomKernel* dest) const {
  auto k = static_cast<THermiteKernel*>(dest);
  k->SetBias(bias_);
  k->SetTension(tension_);
}

float TWindowedSincKernel::Filter(float x) const {
  float t = std::fabs(x);
  if (t >= width_) return 0;
  return Sinc(t) * Window(t);
}

void TWindowedSincKernel::SetWidth(float value) {
  if (value > 4.0f) value = 4.0f;
  if (value == width_) return;
  width_ = value;
  Changed();
}

void TWindowedSincKernel::CopyParametersTo(TCustomKernel* dest) const {
  static_cast<TWindowedSincKernel*>(dest)->SetWidth(width_);
}

float TLanczosKernel::Window(float x) const { return Sinc(x / width_); }

float TGaussianKernel::Window(float x) const { return std::pow(2.0f, -x * x / sigma_); }

void TGaussianKernel::SetSigma(float value) {
  if (value == 0 || value == sigma_) return;
  sigma_ = value;
  Changed();
}

void TGaussianKernel::CopyParametersTo(TCustomKernel* dest) const {
  TWindowedSincKernel::CopyParametersTo(dest);
  static_cast<TGaussianKernel*>(dest)->SetSigma(sigma_);
}

float TBlackmanKernel::Window(float x) const {
  float u = kPi * x / width_;
  return 0.42f + 0.5f * std::cos(u) + 0.08f * std::cos(2 * u);
}

float THannKernel::Window(float x) const { return 0.5f + 0.5f * std::cos(kPi * x / width_); }

float THammingKernel::Window(float x) const { return 0.54f + 0.46f * std::cos(kPi * x / width_); }

float TSinshKernel::Filter(float x) const {
  if (x == 0) return 1;
  return std::sin(kPi * x) * coeff_ / std::sinh(kPi * coeff_ * x);
}

void TSinshKernel::SetWidth(float value) {
  if (value == width_) return;
  width_ = value;
  Changed();
}

void TSinshKernel::SetCoeff(float value) {
  if (value == 0 || value == coeff_) return;
  coeff_ = value;
  Changed();
}

void TSinshKernel::CopyParametersTo(TCustomKernel* dest) const {
  auto k = static_cast<TSinshKernel*>(dest);
  k->SetWidth(width_);
  k->SetCoeff(coeff_);
}

// ---------------------------------------------------------------------------
// Cluster tables and the kernel stretch

TMappingTable BuildKernelClusters(Integer dstLo, Integer dstHi, Integer clipLo, Integer clipHi, Integer srcLo,
                                  Integer srcHi, const TCustomKernel* kernel) {
  Integer srcW = srcHi - srcLo, dstW = dstHi - dstLo, clipW = clipHi - clipLo;
  TMappingTable table;
  if (srcW <= 0 || clipW <= 0) return table;
  if (srcW == 1) {
    table.assign(clipW, TCluster{{srcLo, 256}});
    return table;
  }
  table.resize(clipW);
  float scale = FullEdge ? float(dstW) / float(srcW) : float(dstW - 1) / float(srcW - 1);
  float r = kernel->GetWidth();
  if (scale == 0) {
    table.assign(clipW, TCluster{{(srcLo + srcHi) / 2, 256}});
    return table;
  }
  float s = 1 / scale;
  for (Integer i = 0; i < clipW; ++i) {
    float center = FullEdge ? s * (float(i + clipLo - dstLo) + 0.5f) + (float(srcLo) - 0.5f)
                            : s * float(i + clipLo - dstLo) + float(srcLo);
    TCluster& cluster = table[i];
    float reach = scale >= 1 ? r : r * s;
    Integer lo = Integer(std::floor(center - reach)), hi = Integer(std::ceil(center + reach));
    for (Integer j = lo; j <= hi; ++j) {
      Integer w = scale >= 1 ? RoundF(256 * kernel->Filter(center - float(j)))
                             : RoundF(scale * kernel->Filter((center - float(j)) * scale) * 256);
      if (w != 0) cluster.push_back({Clamp(j, srcLo, srcHi - 1), w});
    }
    if (cluster.empty()) cluster.push_back({Clamp(Integer(std::floor(center)), srcLo, srcHi - 1), 256});
    Integer sum = 0;
    for (const TClusterEntry& e : cluster) sum += e.Weight;
    cluster[(cluster.size() - 1) / 2].Weight -= sum - 256;
  }
  return table;
}

void KernelStretch(TBitmap32* dst, const TRect& dstRect, const TRect& dstClip, TBitmap32* src, const TRect& srcRect,
                   const TCustomKernel* kernel, TDrawMode mode, const TPixelCombineEvent& callback) {
  if (mode == dmCustom && !callback) mode = dmOpaque;
  if (mode == dmBlend && src->MasterAlpha() == 0) return;
  TMappingTable mapX = BuildKernelClusters(dstRect.Left, dstRect.Right, dstClip.Left, dstClip.Right, srcRect.Left,
                                           srcRect.Right, kernel);
  TMappingTable mapY = BuildKernelClusters(dstRect.Top, dstRect.Bottom, dstClip.Top, dstClip.Bottom, srcRect.Top,
                                           srcRect.Bottom, kernel);
  if (mapX.empty() || mapY.empty()) return;
  bool rangeCheck = kernel->RangeCheck();
  Integer minX = mapX.front().front().Pos, maxX = minX;
  for (const TCluster& c : mapX)
    for (const TClusterEntry& e : c) {
      minX = std::min(minX, e.Pos);
      maxX = std::max(maxX, e.Pos);
    }
  // Four 32-bit channel sums (b, g, r, a) per buffered column. Moved with unaligned
  // loads and stores: the 32-bit runtime's heap gives only 8-byte alignment, so an
  // element of __m128i in a vector may sit where an aligned move faults.
  struct Lanes {
    Integer sum[4];
    __m128i Load() const { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(sum)); }
    void Store(__m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(sum), v); }
  };
  std::vector<Lanes> buffer(maxX - minX + 1);
  TBlendMemEx blend = BLEND_MEM_EX[src->CombineMode()];
  TColor32 master = src->MasterAlpha(), outer = src->OuterColor;
  const __m128i zero = _mm_setzero_si128();
  const Integer count = maxX - minX + 1;
  for (Integer j = 0; j < dstClip.Height(); ++j) {
    // Vertical pass: each buffered column's sums over the row cluster.
    std::fill(buffer.begin(), buffer.end(), Lanes{});
    for (const TClusterEntry& e : mapY[j]) {
      const TColor32* row = src->GetScanLine(e.Pos) + minX;
      const __m128i w = _mm_set1_epi32(e.Weight & 0xFFFF);  // (w, 0) pairs for the 16-bit multiply-add
      for (Integer x = 0; x < count; ++x) {
        __m128i p = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(Integer(row[x])), zero), zero);
        buffer[x].Store(_mm_add_epi32(buffer[x].Load(), _mm_madd_epi16(p, w)));
      }
    }
    // Horizontal pass: 16.16 sums over each column cluster.
    TColor32* d = dst->GetPixelPtr(dstClip.Left, dstClip.Top + j);
    for (Integer i = 0; i < dstClip.Width(); ++i) {
      Integer t[4] = {0, 0, 0, 0};
      for (const TClusterEntry& e : mapX[i]) {
        const Integer* s = buffer[e.Pos - minX].sum;
        t[0] += e.Weight * s[0];
        t[1] += e.Weight * s[1];
        t[2] += e.Weight * s[2];
        t[3] += e.Weight * s[3];
      }
      TColor32 color = 0;
      for (int c = 0; c < 4; ++c) {
        Integer v = t[c];
        if (rangeCheck) v = v < 0 ? 0 : (v > 0xFF0000 ? 0xFF0000 : v);
        color |= Cardinal(v >> 16 & 0xFF) << (8 * c);
      }
      switch (mode) {
        case dmOpaque: d[i] = color; break;
        case dmBlend: blend(color, d[i], master); break;
        case dmCustom: callback(color, d[i], master); break;
        case dmTransparent: if (color != outer) d[i] = color; break;
      }
    }
  }
  EMMS();
}

// ---------------------------------------------------------------------------
// TKernelResampler

TKernelResampler::TKernelResampler() : kernel_(new TBoxKernel) {}

TKernelResampler::~TKernelResampler() { delete kernel_; }

void TKernelResampler::SetKernel(TCustomKernel* value) {
  if (!value || value == kernel_) return;
  delete kernel_;
  kernel_ = value;
  Changed();
}

String TKernelResampler::KernelClassName() const { return kernel_->ClassName(); }

void TKernelResampler::SetKernelClassName(const String& name) {
  if (name.empty() || name == kernel_->ClassName() || !KernelList) return;
  const auto* ref = KernelList->Find(name);
  if (!ref) return;
  delete kernel_;
  kernel_ = ref->Create();
  Changed();
}

void TKernelResampler::SetKernelMode(TKernelMode value) {
  if (value == kernelMode_) return;
  kernelMode_ = value;
  Changed();
}

void TKernelResampler::SetTableSize(Integer value) {
  if (value < 2) value = 2;
  if (value == tableSize_) return;
  tableSize_ = value;
  Changed();
}

void TKernelResampler::AssignTo(TPersistent* dest) const {
  if (auto r = dynamic_cast<TKernelResampler*>(dest)) {
    TBitmap32Resampler::AssignTo(dest);
    r->SetKernelClassName(KernelClassName());
    r->kernel_->Assign(kernel_);
    r->SetKernelMode(kernelMode_);
    r->SetTableSize(tableSize_);
    return;
  }
  TBitmap32Resampler::AssignTo(dest);
}

void TKernelResampler::PrepareSampling() {
  TBitmap32Resampler::PrepareSampling();
  outerColor_ = bitmap_->OuterColor;
  table_.clear();
  if (kernelMode_ == kmDynamic) return;
  Integer w = Integer(std::ceil(kernel_->GetWidth()));
  table_.assign(tableSize_ + 1, std::vector<Integer>(2 * w + 1));
  for (Integer i = 0; i <= tableSize_; ++i) {
    std::vector<Integer>& row = table_[i];
    float fraction = float(i) / float(tableSize_ - 1);
    Integer sum = 0;
    for (Integer j = -w; j <= w; ++j) sum += row[w + j] = RoundF(kernel_->Filter(float(j) + fraction) * 256);
    row[w] -= sum - 256;
  }
}

void TKernelResampler::FinalizeSampling() { table_.clear(); }

void TKernelResampler::Weights(float fraction, std::vector<Integer>& h, Integer w) const {
  Integer sum = 0;
  switch (kernelMode_) {
    case kmDynamic:
      for (Integer j = -w; j <= w; ++j) sum += h[w + j] = RoundF(kernel_->Filter(float(j) + fraction) * 256);
      h[w] -= sum - 256;
      break;
    case kmTableNearest:
      h = table_[RoundF(fraction * float(tableSize_ - 1))];
      break;
    case kmTableLinear: {
      Integer f = RoundF(fraction * float(tableSize_ - 1) * 65536);
      Integer r = f / 65536, frac = f % 65536;
      for (Integer j = 0; j <= 2 * w; ++j)
        sum += h[j] = table_[r][j] + ((table_[r + 1][j] - table_[r][j]) * frac + 32767) / 65536;
      h[w] -= sum - 256;
      break;
    }
  }
}

TColor32 TKernelResampler::GetSampleFloat(float x, float y) {
  Integer w = Integer(std::ceil(kernel_->GetWidth()));
  Integer cx = Integer(std::ceil(x)), cy = Integer(std::ceil(y));
  Integer loX = -w, hiX = w, loY = -w, hiY = w;
  TPixelAccessMode mode = PixelAccessMode();
  const TRect& clip = clipRect_;
  bool partial = false;
  if (mode == pamSafe || mode == pamTransparentEdge) {
    if (cx < clip.Left || cx > clip.Right || cy < clip.Top || cy > clip.Bottom)
      return mode == pamSafe ? outerColor_ : 0;
    if (cx - w < clip.Left) { loX = clip.Left - cx; partial = true; }
    if (cx + w >= clip.Right) { hiX = clip.Right - cx - 1; partial = true; }
    if (cy - w < clip.Top) { loY = clip.Top - cy; partial = true; }
    if (cy + w >= clip.Bottom) { hiY = clip.Bottom - cy - 1; partial = true; }
  }
  std::vector<Integer> h(2 * w + 1), v(2 * w + 1);
  Weights(float(cx) - x, h, w);
  Weights(float(cy) - y, v, w);
  Integer sums[4] = {0, 0, 0, 0};
  auto addTap = [&](TColor32 p, Integer weight, int channels) {
    for (int c = 0; c < channels; ++c) sums[c] += weight * Integer(p >> (8 * c) & 0xFF);
  };
  if (mode == pamWrap) {
    TWrapProcEx wrap = WRAP_PROCS_EX[bitmap_->WrapMode()];
    std::vector<Integer> cols(2 * w + 1);
    for (Integer i = -w; i <= w; ++i) cols[w + i] = wrap(cx + i, clip.Left, clip.Right - 1);
    for (Integer j = -w; j <= w; ++j) {
      if (v[w + j] == 0) continue;
      Integer row = wrap(cy + j, clip.Top, clip.Bottom - 1);
      for (Integer i = -w; i <= w; ++i) addTap(bitmap_->GetPixel(cols[w + i], row), h[w + i] * v[w + j], 4);
    }
  } else {
    for (Integer j = loY; j <= hiY; ++j) {
      if (v[w + j] == 0) continue;
      for (Integer i = loX; i <= hiX; ++i) addTap(bitmap_->GetPixel(cx + i, cy + j), h[w + i] * v[w + j], 4);
    }
    if (partial) {
      for (Integer j = -w; j <= w; ++j) {
        if (v[w + j] == 0) continue;
        for (Integer i = -w; i <= w; ++i) {
          if (i >= loX && i <= hiX && j >= loY && j <= hiY) continue;
          Integer weight = h[w + i] * v[w + j];
          if (mode == pamSafe) {
            addTap(outerColor_, weight, 4);
          } else {
            Integer px = Clamp(cx + i, 0, bitmap_->Width() - 1), py = Clamp(cy + j, 0, bitmap_->Height() - 1);
            addTap(bitmap_->GetPixel(px, py), weight, 3);
          }
        }
      }
    }
  }
  bool rangeCheck = kernel_->RangeCheck();
  TColor32 result = 0;
  for (int c = 0; c < 4; ++c) {
    Integer s = sums[c] >> 16;
    if (rangeCheck) s = s < 0 ? 0 : (s > 255 ? 255 : s);
    result |= Cardinal(s & 0xFF) << (8 * c);
  }
  return result;
}

void TKernelResampler::Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, TRect srcRect,
                                TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  KernelStretch(dst, dstRect, dstClip, src, srcRect, kernel_, combineOp, combineCallBack);
}

