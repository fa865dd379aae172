// The non-linear transformations: twirl, bloat, disturbance, fish-eye, polar,
// path and remap by a vector map.
#include <algorithm>
#include <cmath>
#include <random>

#include "imaging/GR32_Math.h"
#include "imaging/GR32_Transforms.h"
#include "platform/core/Math.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
float Width(const TFloatRect& r) { return r.Right - r.Left; }
float Height(const TFloatRect& r) { return r.Bottom - r.Top; }
// A quotient whose divisor is 0 is 0: a degenerate rectangle or segment maps
// everything onto its start.
float SafeDiv(float a, float b) { return b != 0 ? a / b : 0; }
}  // namespace

// ---------------------------------------------------------------------------
// Twirl

void TTwirlTransformation::SetTwirl(float value) {
  twirl_ = value;
  Changed();
}

void TTwirlTransformation::PrepareTransform() {
  rx_ = Width(SrcRect()) / 2;
  ry_ = Height(SrcRect()) / 2;
  SetValid();
}

void TTwirlTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  const float dx = dstX - rx_, dy = dstY - ry_;
  const float r = float(Hypot(dx, dy));
  const float a = float(std::atan2(dy, dx)) + r * twirl_;
  srcX = r * std::cos(a) + rx_;
  srcY = r * std::sin(a) + ry_;
}

TRect TTwirlTransformation::GetTransformedBounds(const TFloatRect& r) {
  const float cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
  const float d = float(std::max(cy - r.Top, cx - r.Left) * kPi / 2);
  return TRect{Integer(Round(cx - d)), Integer(Round(cy - d)), Integer(Round(cx + d)), Integer(Round(cy + d))};
}

// ---------------------------------------------------------------------------
// Bloat

void TBloatTransformation::SetBloatPower(float value) {
  bloatPower_ = value;
  Changed();
}

void TBloatTransformation::PrepareTransform() {
  piW_ = SafeDiv(float(kPi), Width(SrcRect()));
  piH_ = SafeDiv(float(kPi), Height(SrcRect()));
  amplitude_ = std::max(Width(SrcRect()), Height(SrcRect())) * bloatPower_;
  SetValid();
}

void TBloatTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  const float c = amplitude_ * std::sin(dstY * piH_) * std::sin(dstX * piW_);
  srcX = dstX + c * std::cos(dstX * piW_);
  srcY = dstY + c * std::cos(dstY * piH_);
}

// ---------------------------------------------------------------------------
// Disturbance

TDisturbanceTransformation::TDisturbanceTransformation() {
  auto engine = std::make_shared<std::mt19937>(std::random_device{}());
  random_ = [engine] { return std::uniform_real_distribution<float>(0, 1)(*engine); };
}

void TDisturbanceTransformation::SetDisturbance(float value) {
  disturbance_ = value;
  Changed();
}

void TDisturbanceTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  srcX = dstX + (random_() - 0.5f) * disturbance_;
  srcY = dstY + (random_() - 0.5f) * disturbance_;
}

TRect TDisturbanceTransformation::GetTransformedBounds(const TFloatRect& r) {
  TFloatRect grown = r;
  InflateRect(grown, disturbance_ / 2, disturbance_ / 2);
  return MakeRect(grown, rrClosest);
}

// ---------------------------------------------------------------------------
// Fish-eye

void TFishEyeTransformation::PrepareTransform() {
  rx_ = Width(SrcRect()) / 2;
  ry_ = Height(SrcRect()) / 2;
  if (rx_ > ry_) {
    minR_ = ry_;
    sx_ = SafeDiv(ry_, rx_);
    sy_ = 1;
  } else {
    minR_ = rx_;
    sx_ = 1;
    sy_ = SafeDiv(rx_, ry_);
  }
  sr_ = SafeDiv(1, minR_);
  aw_ = float(std::asin(std::clamp(minR_ * sr_, -1.0f, 1.0f)));
  if (aw_ != 0) aw_ = 1 / aw_;
  aw_ *= minR_;
  SetValid();
}

void TFishEyeTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  const float dy = (dstY - ry_) * sy_, dx = (dstX - rx_) * sx_;
  const float d = float(Hypot(dy, dx));
  if (d >= minR_ || !(d > 0)) {
    srcX = dstX;
    srcY = dstY;
    return;
  }
  const float e = float(std::asin(std::clamp(d * sr_, -1.0f, 1.0f))) * aw_ / d;
  srcX = dx * e + rx_;
  srcY = dy * e + ry_;
}

// ---------------------------------------------------------------------------
// Polar

void TPolarTransformation::SetDstRect(const TFloatRect& value) {
  dstRect_ = value;
  Changed();
}

void TPolarTransformation::SetPhase(float value) {
  phase_ = value;
  Changed();
}

void TPolarTransformation::PrepareTransform() {
  sx_ = Width(SrcRect());
  sy_ = Height(SrcRect());
  cx_ = (dstRect_.Left + dstRect_.Right) / 2;
  cy_ = (dstRect_.Top + dstRect_.Bottom) / 2;
  dx_ = dstRect_.Right - cx_;
  dy_ = dstRect_.Bottom - cy_;
  ka_ = float(sx_ / (2 * kPi));
  kb_ = sx_ != 0 ? float(2 * kPi / sx_) : 1e-8f;
  kr_ = sy_ != 0 ? 1 / sy_ : 1e-8f;
  ku_ = dx_ != 0 ? 1 / dx_ : 1e-8f;
  kv_ = dy_ != 0 ? 1 / dy_ : 1e-8f;
  SetValid();
}

void TPolarTransformation::TransformFloat(float srcX, float srcY, float& dstX, float& dstY) {
  const float r = (srcY - SrcRect().Bottom) * kr_;
  const float t = (srcX - SrcRect().Left) * kb_ + phase_;
  dstX = dx_ * r * std::cos(t) + cx_;
  dstY = dy_ * r * std::sin(t) + cy_;
}

void TPolarTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  const float u = (dstX - cx_) * ku_, v = (dstY - cy_) * kv_;
  float t = float(std::atan2(v, u) + kPi) - phase_;
  if (t < 0) t += float(2 * kPi);
  srcX = SrcRect().Left + ka_ * t;
  srcY = SrcRect().Bottom - float(Hypot(u, v)) * sy_;
}

// ---------------------------------------------------------------------------
// Path

void TPathTransformation::SetTopCurve(const TArrayOfFloatPoint& value) {
  top_ = value;
  Changed();
}

void TPathTransformation::SetBottomCurve(const TArrayOfFloatPoint& value) {
  bottom_ = value;
  Changed();
}

namespace {

std::vector<float> CumulativeLengths(const TArrayOfFloatPoint& curve) {
  std::vector<float> lengths(curve.size(), 0);
  for (size_t i = 1; i < curve.size(); ++i)
    lengths[i] = lengths[i - 1] + float(Hypot(curve[i].X - curve[i - 1].X, curve[i].Y - curve[i - 1].Y));
  return lengths;
}

// The point a fraction f along the curve's length; a segment of no length
// answers its end point.
TFloatPoint PointAlong(const TArrayOfFloatPoint& curve, const std::vector<float>& lengths, float f) {
  if (curve.empty()) return TFloatPoint{};
  if (curve.size() == 1) return curve[0];
  const float d = f * lengths.back();
  size_t i = 1;
  while (i < lengths.size() - 1 && lengths[i] < d) ++i;
  const float t = SafeDiv(lengths[i] - d, lengths[i] - lengths[i - 1]);
  return TFloatPoint{curve[i].X + t * (curve[i - 1].X - curve[i].X), curve[i].Y + t * (curve[i - 1].Y - curve[i].Y)};
}

}  // namespace

void TPathTransformation::PrepareTransform() {
  topLengths_ = CumulativeLengths(top_);
  bottomLengths_ = CumulativeLengths(bottom_);
  SetValid();
}

void TPathTransformation::TransformFloat(float srcX, float srcY, float& dstX, float& dstY) {
  const TFloatRect src = SrcRect();
  const float f = SafeDiv(srcX - src.Left, Width(src)), g = SafeDiv(srcY - src.Top, Height(src));
  const TFloatPoint t = PointAlong(top_, topLengths_, f), b = PointAlong(bottom_, bottomLengths_, f);
  dstX = t.X + g * (b.X - t.X);
  dstY = t.Y + g * (b.Y - t.Y);
}

// ---------------------------------------------------------------------------
// Remap

TRemapTransformation::TRemapTransformation() : vectorMap_(new TVectorMap) { vectorMap_->SetSize(1, 1); }

TRemapTransformation::~TRemapTransformation() { delete vectorMap_; }

void TRemapTransformation::SetMappingRect(const TFloatRect& value) {
  mappingRect_ = value;
  Changed();
}

void TRemapTransformation::SetOffset(const TFloatPoint& value) {
  offset_ = value;
  offsetInt_ = Point(value);
  offsetFixed_ = FixedPoint(value);
  Changed();
}

void TRemapTransformation::Scale(float sx, float sy) {
  scaling_ = TFloatPoint{sx, sy};
  scalingFixed_ = FixedPoint(scaling_);
  Changed();
}

// A map one cell wide or high has no span between its first and last cell: its
// scale along that axis is 0.
void TRemapTransformation::PrepareTransform() {
  if (IsRectEmpty(SrcRect())) throw Exception("SrcRect is empty!");
  if (IsRectEmpty(mappingRect_)) throw Exception("MappingRect is empty!");
  const float mw = float(vectorMap_->Width() - 1), mh = float(vectorMap_->Height() - 1);
  srcTranslation_ = TFloatPoint{SrcRect().Left, SrcRect().Top};
  srcScale_ = TFloatPoint{SafeDiv(Width(SrcRect()), mw), SafeDiv(Height(SrcRect()), mh)};
  dstTranslation_ = TFloatPoint{mappingRect_.Left, mappingRect_.Top};
  dstScale_ = TFloatPoint{SafeDiv(mw, Width(mappingRect_)), SafeDiv(mh, Height(mappingRect_))};
  combinedScaling_ = TFloatPoint{dstScale_.X * scaling_.X, dstScale_.Y * scaling_.Y};
  srcTranslationFixed_ = FixedPoint(srcTranslation_);
  srcScaleFixed_ = FixedPoint(srcScale_);
  dstTranslationFixed_ = FixedPoint(dstTranslation_);
  dstScaleFixed_ = FixedPoint(dstScale_);
  combinedScalingFixed_ = FixedPoint(combinedScaling_);
  SetValid();
}

void TRemapTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  const TFloatPoint v = vectorMap_->GetFloatVectorF(dstX - offset_.X, dstY - offset_.Y);
  srcX = ((dstX - dstTranslation_.X) * dstScale_.X + v.X * combinedScaling_.X) * srcScale_.X + srcTranslation_.X;
  srcY = ((dstY - dstTranslation_.Y) * dstScale_.Y + v.Y * combinedScaling_.Y) * srcScale_.Y + srcTranslation_.Y;
}

void TRemapTransformation::ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) {
  const TFixedPoint v = vectorMap_->GetFixedVectorX(dstX - offsetFixed_.X, dstY - offsetFixed_.Y);
  srcX = FixedMul(FixedMul(dstX - dstTranslationFixed_.X, dstScaleFixed_.X) + FixedMul(v.X, combinedScalingFixed_.X),
                  srcScaleFixed_.X) +
         srcTranslationFixed_.X;
  srcY = FixedMul(FixedMul(dstY - dstTranslationFixed_.Y, dstScaleFixed_.Y) + FixedMul(v.Y, combinedScalingFixed_.Y),
                  srcScaleFixed_.Y) +
         srcTranslationFixed_.Y;
}

void TRemapTransformation::ReverseTransformInt(Integer dstX, Integer dstY, Integer& srcX, Integer& srcY) {
  // Cells outside the map displace nothing.
  const TFixedPoint v = vectorMap_->GetFixedVectorS(dstX - offsetInt_.X, dstY - offsetInt_.Y);
  const TFixed x = dstX * 65536, y = dstY * 65536;
  srcX = FixedRound(FixedMul(FixedMul(x - dstTranslationFixed_.X, dstScaleFixed_.X) +
                                 FixedMul(v.X, combinedScalingFixed_.X),
                             srcScaleFixed_.X) +
                    srcTranslationFixed_.X);
  srcY = FixedRound(FixedMul(FixedMul(y - dstTranslationFixed_.Y, dstScaleFixed_.Y) +
                                 FixedMul(v.Y, combinedScalingFixed_.Y),
                             srcScaleFixed_.Y) +
                    srcTranslationFixed_.Y);
}

TRect TRemapTransformation::GetTransformedBounds(const TFloatRect&) {
  return TRect{-2147483647, -2147483647, 2147483647, 2147483647};
}
