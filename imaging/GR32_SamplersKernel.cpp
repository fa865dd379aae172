// The kernel samplers (convolution, selective convolution, dilation, erosion,
// expansion, contraction) and the one-call filters that run them over a bitmap.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "imaging/GR32_Blend.h"
#include "imaging/GR32_Rasterizers.h"
#include "imaging/GR32_Samplers.h"

TKernelSampler::TKernelSampler(TCustomSampler* sampler) : TNestedSampler(sampler), kernel_(new TIntegerMap) {}

TKernelSampler::~TKernelSampler() { delete kernel_; }

void TKernelSampler::AssignTo(TPersistent* dest) const {
  TNestedSampler::AssignTo(dest);
  if (auto* other = dynamic_cast<TKernelSampler*>(dest)) {
    other->SetKernel(kernel_);
    other->SetCenterX(centerX_);
    other->SetCenterY(centerY_);
  }
}

template <class Sample>
TColor32 TKernelSampler::Run(Sample sample) {
  TBufferEntry buffer = startEntry_;
  for (Integer i = 0; i < kernel_->Width(); ++i)
    for (Integer j = 0; j < kernel_->Height(); ++j)
      UpdateBuffer(buffer, sample(centerX_ - i, centerY_ - j), kernel_->GetValue(i, j));
  return ConvertBuffer(buffer);
}

TColor32 TKernelSampler::GetSampleInt(Integer x, Integer y) {
  TCustomSampler& s = Wrapped();
  return Run([&](Integer dx, Integer dy) { return s.GetSampleInt(x + dx, y + dy); });
}

TColor32 TKernelSampler::GetSampleFixed(TFixed x, TFixed y) {
  TCustomSampler& s = Wrapped();
  return Run([&](Integer dx, Integer dy) { return s.GetSampleFixed(x + dx * 65536, y + dy * 65536); });
}

namespace {
Integer Channel(TColor32 c, Integer i) { return Integer(c >> (8 * i) & 0xFF); }
Integer& Sum(TBufferEntry& b, Integer i) { return i == 0 ? b.B : i == 1 ? b.G : i == 2 ? b.R : b.A; }

template <class F>
void EachChannel(TBufferEntry& buffer, TColor32 color, F f) {
  for (Integer i = 0; i < 4; ++i) f(Sum(buffer, i), Channel(color, i), i);
}

TColor32 Pack(TBufferEntry& buffer, Integer (*convert)(Integer)) {
  TColor32 result = 0;
  for (Integer i = 0; i < 4; ++i) result |= TColor32(convert(Sum(buffer, i)) & 0xFF) << (8 * i);
  return result;
}
}  // namespace

// Each sum clamped to 0 .. 65535, then taken out of 1/256.
TColor32 TKernelSampler::ConvertBuffer(TBufferEntry& buffer) {
  return Pack(buffer, [](Integer v) { return std::clamp(v, 0, 65535) >> 8; });
}

void TConvolver::UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) {
  EachChannel(buffer, color, [weight](Integer& sum, Integer c, Integer) { sum += weight * c; });
}

// ---- selective convolution

TColor32 TSelectiveConvolver::GetSampleInt(Integer x, Integer y) {
  reference_ = Wrapped().GetSampleInt(x, y);
  weightSums_ = EMPTY_ENTRY;
  return TConvolver::GetSampleInt(x, y);
}

TColor32 TSelectiveConvolver::GetSampleFixed(TFixed x, TFixed y) {
  reference_ = Wrapped().GetSampleFixed(x, y);
  weightSums_ = EMPTY_ENTRY;
  return TConvolver::GetSampleFixed(x, y);
}

void TSelectiveConvolver::UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) {
  EachChannel(buffer, color, [&](Integer& sum, Integer c, Integer i) {
    if (std::abs(Channel(reference_, i) - c) > delta_) return;
    sum += weight * c;
    Sum(weightSums_, i) += weight;
  });
}

// A channel no sample passed (or whose weights cancel out) keeps the reference.
TColor32 TSelectiveConvolver::ConvertBuffer(TBufferEntry& buffer) {
  TColor32 result = 0;
  for (Integer i = 0; i < 4; ++i) {
    const Integer weights = Sum(weightSums_, i);
    const Integer v = weights != 0 ? std::clamp(Sum(buffer, i) / weights, 0, 255) : Channel(reference_, i);
    result |= TColor32(v) << (8 * i);
  }
  return result;
}

void TSelectiveConvolver::AssignTo(TPersistent* dest) const {
  TConvolver::AssignTo(dest);
  if (auto* other = dynamic_cast<TSelectiveConvolver*>(dest)) other->SetDelta(delta_);
}

// ---- morphology

TColor32 TMorphologicalSampler::ConvertBuffer(TBufferEntry& buffer) {
  return Pack(buffer, [](Integer v) { return std::clamp(v, 0, 255); });
}

void TDilater::UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) {
  EachChannel(buffer, color, [weight](Integer& sum, Integer c, Integer) { sum = std::max(sum, c + weight); });
}

TEroder::TEroder(TCustomSampler* sampler) : TMorphologicalSampler(sampler) {
  startEntry_ = TBufferEntry{65535, 65535, 65535, 65535};
}

void TEroder::UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) {
  EachChannel(buffer, color, [weight](Integer& sum, Integer c, Integer) { sum = std::min(sum, c - weight); });
}

void TExpander::UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) {
  EachChannel(buffer, color, [weight](Integer& sum, Integer c, Integer) { sum = std::max(sum, weight * c); });
}

void TContracter::UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) {
  TExpander::UpdateBuffer(buffer, ~color, weight);
}

void TContracter::PrepareSampling() {
  TExpander::PrepareSampling();
  Integer m = 0;
  for (Integer i = 0; i < Kernel()->Width(); ++i)
    for (Integer j = 0; j < Kernel()->Height(); ++j) m = std::max(m, Kernel()->GetValue(i, j));
  m = std::min(m, 255);
  maxWeight_ = Gray32(Byte(m), Byte(m));
}

TColor32 TContracter::GetSampleInt(Integer x, Integer y) {
  return ColorSub(maxWeight_, TExpander::GetSampleInt(x, y));
}

TColor32 TContracter::GetSampleFixed(TFixed x, TFixed y) {
  return ColorSub(maxWeight_, TExpander::GetSampleFixed(x, y));
}

// ---------------------------------------------------------------------------
// One-call filters

namespace {

template <class T>
void RunKernel(TBitmap32* src, TBitmap32* dst, const TIntegerMap* kernel, Integer centerX, Integer centerY) {
  std::unique_ptr<TRasterizer> rasterizer(DefaultRasterizerClass());
  dst->SetSizeFrom(src);
  T sampler(src->Resampler());
  sampler.SetKernel(kernel);
  sampler.SetCenterX(centerX);
  sampler.SetCenterY(centerY);
  rasterizer->SetSampler(&sampler);
  rasterizer->Rasterize(dst);
}

}  // namespace

void Convolve(TBitmap32* src, TBitmap32* dst, const TIntegerMap* kernel, Integer centerX, Integer centerY) {
  RunKernel<TConvolver>(src, dst, kernel, centerX, centerY);
}
void Dilate(TBitmap32* src, TBitmap32* dst, const TIntegerMap* kernel, Integer centerX, Integer centerY) {
  RunKernel<TDilater>(src, dst, kernel, centerX, centerY);
}
void Erode(TBitmap32* src, TBitmap32* dst, const TIntegerMap* kernel, Integer centerX, Integer centerY) {
  RunKernel<TEroder>(src, dst, kernel, centerX, centerY);
}
void Expand(TBitmap32* src, TBitmap32* dst, const TIntegerMap* kernel, Integer centerX, Integer centerY) {
  RunKernel<TExpander>(src, dst, kernel, centerX, centerY);
}
void Contract(TBitmap32* src, TBitmap32* dst, const TIntegerMap* kernel, Integer centerX, Integer centerY) {
  RunKernel<TContracter>(src, dst, kernel, centerX, centerY);
}
