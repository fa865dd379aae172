// The nested sampler base, the transformers, the regular, adaptive and pattern
// super-samplers and the jittered pattern. The kernel samplers are in
// GR32_SamplersKernel.cpp.
#include "imaging/GR32_Samplers.h"

#include <algorithm>
#include <random>

#include "imaging/GR32_Blend.h"
#include "imaging/GR32_LowLevel.h"
#include "imaging/GR32_Math.h"
#include "imaging/GR32_Resamplers.h"
#include "imaging/GR32_Transforms.h"
#include "platform/core/Math.h"

const TBufferEntry EMPTY_ENTRY{};

void IncBuffer(TBufferEntry& buffer, TColor32 color) {
  buffer.B += Integer(color & 0xFF);
  buffer.G += Integer(color >> 8 & 0xFF);
  buffer.R += Integer(color >> 16 & 0xFF);
  buffer.A += Integer(color >> 24);
}

void MultiplyBuffer(TBufferEntry& buffer, Integer w) {
  buffer.B *= w;
  buffer.G *= w;
  buffer.R *= w;
  buffer.A *= w;
}

void ShrBuffer(TBufferEntry& buffer, Integer shift) {
  buffer.B = Integer(Cardinal(buffer.B) >> shift);
  buffer.G = Integer(Cardinal(buffer.G) >> shift);
  buffer.R = Integer(Cardinal(buffer.R) >> shift);
  buffer.A = Integer(Cardinal(buffer.A) >> shift);
}

TColor32 BufferToColor32(const TBufferEntry& buffer, Integer shift) {
  const auto ch = [shift](Integer v) { return TColor32((Cardinal(v) >> shift) & 0xFF); };
  return ch(buffer.B) | ch(buffer.G) << 8 | ch(buffer.R) << 16 | ch(buffer.A) << 24;
}

// ---------------------------------------------------------------------------
// TNestedSampler

TCustomSampler& TNestedSampler::Wrapped() const {
  if (!sampler_) throw ENestedException("Nested sampler is nil");
  return *sampler_;
}

void TNestedSampler::PrepareSampling() { Wrapped().PrepareSampling(); }
void TNestedSampler::FinalizeSampling() { Wrapped().FinalizeSampling(); }
bool TNestedSampler::HasBounds() const { return Wrapped().HasBounds(); }
TRect TNestedSampler::GetSampleBounds() const { return Wrapped().GetSampleBounds(); }

void TNestedSampler::AssignTo(TPersistent* dest) const {
  if (auto* other = dynamic_cast<TNestedSampler*>(dest)) return other->SetSampler(sampler_);
  TCustomSampler::AssignTo(dest);
}

// ---------------------------------------------------------------------------
// Transformers

TNestedSampler* NewTransformer(TCustomSampler* sampler, TTransformation* transformation) {
  return new TTransformer(sampler, transformation);
}

TNestedSampler* NewNearestTransformer(TCustomSampler* sampler, TTransformation* transformation) {
  return new TNearestTransformer(sampler, transformation);
}

TTransformer::TTransformer(TCustomSampler* sampler, TTransformation* transformation)
    : TNestedSampler(sampler), transformation_(transformation) {}

TTransformation& TTransformer::Transform() const {
  if (!transformation_) throw ENestedException("Nested sampler is nil");
  return *transformation_;
}

TColor32 TTransformer::GetSampleInt(Integer x, Integer y) {
  TFixed u, v;
  Transform().ReverseTransformFixed(x * 65536, y * 65536, u, v);
  return Wrapped().GetSampleFixed(u, v);
}

TColor32 TTransformer::GetSampleFixed(TFixed x, TFixed y) {
  TFixed u, v;
  Transform().ReverseTransformFixed(x, y, u, v);
  return Wrapped().GetSampleFixed(u, v);
}

TColor32 TTransformer::GetSampleFloat(float x, float y) {
  float u, v;
  Transform().ReverseTransformFloat(x, y, u, v);
  return Wrapped().GetSampleFloat(u, v);
}

void TTransformer::PrepareSampling() {
  Wrapped().PrepareSampling();
  if (!Transform().TransformValid()) Transform().PrepareTransform();
}

bool TTransformer::HasBounds() const { return Transform().HasTransformedBounds() && Wrapped().HasBounds(); }

TRect TTransformer::GetSampleBounds() const { return Transform().GetTransformedBounds(FloatRect(Wrapped().GetSampleBounds())); }

void TTransformer::AssignTo(TPersistent* dest) const {
  TNestedSampler::AssignTo(dest);
  if (auto* other = dynamic_cast<TTransformer*>(dest)) other->SetTransformation(transformation_);
}

TColor32 TNearestTransformer::GetSampleInt(Integer x, Integer y) {
  Integer u, v;
  Transform().ReverseTransformInt(x, y, u, v);
  return Wrapped().GetSampleInt(u, v);
}

TColor32 TNearestTransformer::GetSampleFixed(TFixed x, TFixed y) {
  TFixed u, v;
  Transform().ReverseTransformFixed(x, y, u, v);
  return Wrapped().GetSampleInt(u >> 16, v >> 16);
}

TColor32 TNearestTransformer::GetSampleFloat(float x, float y) {
  float u, v;
  Transform().ReverseTransformFloat(x, y, u, v);
  return Wrapped().GetSampleInt(Integer(Round(u)), Integer(Round(v)));
}

// ---------------------------------------------------------------------------
// TSuperSampler

TSuperSampler::TSuperSampler(TCustomSampler* sampler) : TNestedSampler(sampler) { Recompute(); }

void TSuperSampler::SetSamplingX(Integer value) {
  samplingX_ = std::max(value, 1);
  Recompute();
}

void TSuperSampler::SetSamplingY(Integer value) {
  samplingY_ = std::max(value, 1);
  Recompute();
}

void TSuperSampler::Recompute() {
  distanceX_ = Fixed(1.0f / samplingX_);
  offsetX_ = Fixed((1.0f / samplingX_ - 1) / 2);
  distanceY_ = Fixed(1.0f / samplingY_);
  offsetY_ = Fixed((1.0f / samplingY_ - 1) / 2);
  scale_ = Fixed(float(1.0 / (double(samplingX_) * samplingY_)));
}

TColor32 TSuperSampler::GetSampleFixed(TFixed x, TFixed y) {
  TCustomSampler& s = Wrapped();
  TBufferEntry buffer;
  TFixed sy = y + offsetY_;
  for (Integer j = 0; j < samplingY_; ++j, sy += distanceY_) {
    TFixed sx = x + offsetX_;
    for (Integer i = 0; i < samplingX_; ++i, sx += distanceX_) IncBuffer(buffer, s.GetSampleFixed(sx, sy));
  }
  MultiplyBuffer(buffer, scale_);
  return BufferToColor32(buffer, 16);
}

void TSuperSampler::AssignTo(TPersistent* dest) const {
  TNestedSampler::AssignTo(dest);
  if (auto* other = dynamic_cast<TSuperSampler*>(dest)) {
    other->SetSamplingX(samplingX_);
    other->SetSamplingY(samplingY_);
  }
}

// ---------------------------------------------------------------------------
// TAdaptiveSuperSampler

TAdaptiveSuperSampler::TAdaptiveSuperSampler(TCustomSampler* sampler) : TNestedSampler(sampler) { SetLevel(4); }

void TAdaptiveSuperSampler::SetLevel(Integer value) {
  level_ = std::clamp(value, 0, 16);
  minOffset_ = Fixed(1.0f / float(1 << level_));
}

bool TAdaptiveSuperSampler::CompareColors(TColor32 c1, TColor32 c2) const {
  const TColor32 d = ColorDifference(c1, c2);
  return Integer(RedComponent(d) + GreenComponent(d) + BlueComponent(d)) > tolerance_;
}

TColor32 TAdaptiveSuperSampler::GetSampleFixed(TFixed x, TFixed y) {
  TCustomSampler& s = Wrapped();
  const TColor32 a = s.GetSampleFixed(x - 0x8000, y - 0x8000), b = s.GetSampleFixed(x + 0x8000, y - 0x8000);
  const TColor32 c = s.GetSampleFixed(x + 0x8000, y + 0x8000), d = s.GetSampleFixed(x - 0x8000, y + 0x8000);
  const TColor32 e = s.GetSampleFixed(x, y);
  const TColor32 result = Recurse(x, y, 0x4000, a, b, c, d, e);
  EMMS();
  return result;
}

TColor32 TAdaptiveSuperSampler::Recurse(TFixed x, TFixed y, TFixed off, TColor32 a, TColor32 b, TColor32 c,
                                        TColor32 d, TColor32 e) {
  const TColor32 q1 = Quadrant(a, e, x - off, y - off, off, dgAC);
  const TColor32 q2 = Quadrant(b, e, x + off, y - off, off, dgBD);
  const TColor32 q3 = Quadrant(e, c, x + off, y + off, off, dgAC);
  const TColor32 q4 = Quadrant(e, d, x - off, y + off, off, dgBD);
  return ColorAverage(ColorAverage(q1, q2), ColorAverage(q3, q4));
}

// c1 and c2 are the ends of the quadrant's diagonal: top-left and bottom-right
// (AC) or top-right and bottom-left (BD); the other corners are sampled.
TColor32 TAdaptiveSuperSampler::Quadrant(TColor32 c1, TColor32 c2, TFixed x, TFixed y, TFixed off,
                                         Diagonal diagonal) {
  if (!CompareColors(c1, c2) || off < minOffset_) return ColorAverage(c1, c2);
  TCustomSampler& s = Wrapped();
  const TColor32 e = s.GetSampleFixed(x, y);
  if (diagonal == dgAC) {
    const TColor32 b = s.GetSampleFixed(x + off, y - off), d = s.GetSampleFixed(x - off, y + off);
    return Recurse(x, y, off / 2, c1, b, c2, d, e);
  }
  const TColor32 a = s.GetSampleFixed(x - off, y - off), c = s.GetSampleFixed(x + off, y + off);
  return Recurse(x, y, off / 2, a, c1, c, c2, e);
}

void TAdaptiveSuperSampler::AssignTo(TPersistent* dest) const {
  TNestedSampler::AssignTo(dest);
  if (auto* other = dynamic_cast<TAdaptiveSuperSampler*>(dest)) {
    other->SetLevel(level_);
    other->SetTolerance(tolerance_);
  }
}

// ---------------------------------------------------------------------------
// Pattern sampling

void TPatternSampler::SetPattern(const TFixedSamplePattern& value) {
  if (!value.empty()) pattern_ = value;
}

// A position whose pattern cell holds no offsets (or with no pattern at all)
// reads the wrapped sampler there.
TColor32 TPatternSampler::GetSampleFixed(TFixed x, TFixed y) {
  TCustomSampler& s = Wrapped();
  if (pattern_.empty()) return s.GetSampleFixed(x, y);
  const auto& row = pattern_[size_t(Wrap(y >> 16, Integer(pattern_.size()) - 1))];
  if (row.empty()) return s.GetSampleFixed(x, y);
  const TArrayOfFixedPoint& cell = row[size_t(Wrap(x >> 16, Integer(row.size()) - 1))];
  if (cell.empty()) return s.GetSampleFixed(x, y);
  TBufferEntry buffer;
  for (const TFixedPoint& p : cell) IncBuffer(buffer, s.GetSampleFixed(x + p.X, y + p.Y));
  MultiplyBuffer(buffer, 65536 / Integer(cell.size()));
  return BufferToColor32(buffer, 16);
}

TFixedSamplePattern CreateJitteredPattern(Integer tileWidth, Integer tileHeight, Integer samplesX, Integer samplesY,
                                          const TRandomSource& random) {
  std::mt19937 engine(std::random_device{}());
  const TRandomSource next =
      random ? random : TRandomSource([&engine] { return Integer(engine() & 0xFFFF); });
  tileWidth = std::max(tileWidth, 0);
  tileHeight = std::max(tileHeight, 0);
  samplesX = std::max(samplesX, 0);
  samplesY = std::max(samplesY, 0);
  const std::vector<TArrayOfFixedPoint> emptyRow(static_cast<size_t>(tileWidth));
  TFixedSamplePattern pattern(static_cast<size_t>(tileHeight), emptyRow);
  for (Integer col = 0; col < tileWidth; ++col)
    for (Integer row = 0; row < tileHeight; ++row) {
      TArrayOfFixedPoint& cell = pattern[size_t(row)][size_t(col)];
      cell.resize(size_t(samplesX) * size_t(samplesY));
      for (Integer j = 0; j < samplesY; ++j)
        for (Integer i = 0; i < samplesX; ++i) {
          const Integer r1 = next() & 0xFFFF, r2 = next() & 0xFFFF;
          cell[size_t(i) + size_t(samplesX) * size_t(j)] =
              TFixedPoint{TFixed((Int64(r1) + Int64(i) * 65536) / samplesX - 32768),
                          TFixed((Int64(r2) + Int64(j) * 65536) / samplesY - 32768)};
        }
    }
  return pattern;
}
