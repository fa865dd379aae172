// Matrices, the transformation base, the affine and projective transformations,
// and the routines that draw through a transformation. The other
// transformations are in GR32_TransformsWarps.cpp.
#include "imaging/GR32_Transforms.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "imaging/GR32_Blend.h"
#include "imaging/GR32_Math.h"
#include "imaging/GR32_Rasterizers.h"
#include "imaging/GR32_Resamplers.h"
#include "imaging/GR32_Samplers.h"
#include "platform/core/Format.h"
#include "platform/core/Math.h"

const TFloatMatrix IdentityMatrix{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

// ---------------------------------------------------------------------------
// Matrices

namespace {
float Det2(float a1, float a2, float b1, float b2) { return a1 * b2 - b1 * a2; }
float Det3(float a1, float b1, float c1, float a2, float b2, float c2, float a3, float b3, float c3) {
  return a1 * (b2 * c3 - b3 * c2) - b1 * (a2 * c3 - a3 * c2) + c1 * (a2 * b3 - a3 * b2);
}
}  // namespace

void Adjoint(TFloatMatrix& m) {
  const float a1 = m[0][0], a2 = m[0][1], a3 = m[0][2];
  const float b1 = m[1][0], b2 = m[1][1], b3 = m[1][2];
  const float c1 = m[2][0], c2 = m[2][1], c3 = m[2][2];
  m[0][0] = Det2(b2, b3, c2, c3);
  m[0][1] = -Det2(a2, a3, c2, c3);
  m[0][2] = Det2(a2, a3, b2, b3);
  m[1][0] = -Det2(b1, b3, c1, c3);
  m[1][1] = Det2(a1, a3, c1, c3);
  m[1][2] = -Det2(a1, a3, b1, b3);
  m[2][0] = Det2(b1, b2, c1, c2);
  m[2][1] = -Det2(a1, a2, c1, c2);
  m[2][2] = Det2(a1, a2, b1, b2);
}

float Determinant(const TFloatMatrix& m) {
  return Det3(m[0][0], m[0][1], m[0][2], m[1][0], m[1][1], m[1][2], m[2][0], m[2][1], m[2][2]);
}

void Scale(TFloatMatrix& m, float factor) {
  for (auto& column : m)
    for (float& v : column) v *= factor;
}

void Invert(TFloatMatrix& m) {
  const float det = Determinant(m);
  if (std::abs(det) < 1e-5f) {
    m = IdentityMatrix;
    return;
  }
  Adjoint(m);
  Scale(m, 1 / det);
}

TFloatMatrix Mult(const TFloatMatrix& m1, const TFloatMatrix& m2) {
  TFloatMatrix r{};
  for (int c = 0; c < 3; ++c)
    for (int row = 0; row < 3; ++row)
      r[c][row] = m1[0][row] * m2[c][0] + m1[1][row] * m2[c][1] + m1[2][row] * m2[c][2];
  return r;
}

TVector3f VectorTransform(const TFloatMatrix& m, const TVector3f& v) {
  TVector3f r{};
  for (int row = 0; row < 3; ++row) r[row] = m[0][row] * v[0] + m[1][row] * v[1] + m[2][row] * v[2];
  return r;
}

TFixedMatrix FixedMatrix(const TFloatMatrix& m) {
  TFixedMatrix r{};
  for (int c = 0; c < 3; ++c)
    for (int row = 0; row < 3; ++row) r[c][row] = TFixed(Round(double(m[c][row]) * 65536));
  return r;
}

TFloatMatrix FloatMatrix(const TFixedMatrix& m) {
  TFloatMatrix r{};
  for (int c = 0; c < 3; ++c)
    for (int row = 0; row < 3; ++row) r[c][row] = float(m[c][row] / 65536.0);
  return r;
}

// ---------------------------------------------------------------------------
// TTransformation

void TTransformation::SetSrcRect(const TFloatRect& value) {
  srcRect_ = value;
  Changed();
}

void TTransformation::Changed() {
  transformValid_ = false;
  TNotifiablePersistent::Changed();
}

void TTransformation::ReverseTransformInt(Integer dstX, Integer dstY, Integer& srcX, Integer& srcY) {
  TFixed x, y;
  ReverseTransformFixed(dstX * 65536, dstY * 65536, x, y);
  srcX = FixedRound(x);
  srcY = FixedRound(y);
}

void TTransformation::ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) {
  float x, y;
  ReverseTransformFloat(dstX / 65536.0f, dstY / 65536.0f, x, y);
  srcX = Fixed(x);
  srcY = Fixed(y);
}

void TTransformation::ReverseTransformFloat(float, float, float&, float&) {
  throw ETransformNotImplemented(Format("Reverse transformation is not implemented in %s.", ClassName().c_str()));
}

void TTransformation::TransformInt(Integer srcX, Integer srcY, Integer& dstX, Integer& dstY) {
  TFixed x, y;
  TransformFixed(srcX * 65536, srcY * 65536, x, y);
  dstX = FixedRound(x);
  dstY = FixedRound(y);
}

void TTransformation::TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY) {
  float x, y;
  TransformFloat(srcX / 65536.0f, srcY / 65536.0f, x, y);
  dstX = Fixed(x);
  dstY = Fixed(y);
}

void TTransformation::TransformFloat(float, float, float&, float&) {
  throw ETransformNotImplemented(Format("Forward transformation is not implemented in %s.", ClassName().c_str()));
}

TRect TTransformation::GetTransformedBounds(const TFloatRect& srcRect) { return MakeRect(srcRect, rrClosest); }

TPoint TTransformation::ReverseTransform(const TPoint& p) {
  PrepareIfNeeded();
  TPoint r;
  ReverseTransformInt(p.X, p.Y, r.X, r.Y);
  return r;
}

TFixedPoint TTransformation::ReverseTransform(const TFixedPoint& p) {
  PrepareIfNeeded();
  TFixedPoint r;
  ReverseTransformFixed(p.X, p.Y, r.X, r.Y);
  return r;
}

TFloatPoint TTransformation::ReverseTransform(const TFloatPoint& p) {
  PrepareIfNeeded();
  TFloatPoint r;
  ReverseTransformFloat(p.X, p.Y, r.X, r.Y);
  return r;
}

TPoint TTransformation::Transform(const TPoint& p) {
  PrepareIfNeeded();
  TPoint r;
  TransformInt(p.X, p.Y, r.X, r.Y);
  return r;
}

TFixedPoint TTransformation::Transform(const TFixedPoint& p) {
  PrepareIfNeeded();
  TFixedPoint r;
  TransformFixed(p.X, p.Y, r.X, r.Y);
  return r;
}

TFloatPoint TTransformation::Transform(const TFloatPoint& p) {
  PrepareIfNeeded();
  TFloatPoint r;
  TransformFloat(p.X, p.Y, r.X, r.Y);
  return r;
}

// ---------------------------------------------------------------------------
// TAffineTransformation

TAffineTransformation::TAffineTransformation() { Clear(); }

void TAffineTransformation::Clear() {
  matrix_ = IdentityMatrix;
  Changed();
}

void TAffineTransformation::SetMatrix(const TFloatMatrix& value) {
  matrix_ = value;
  Changed();
}

void TAffineTransformation::Apply(const TFloatMatrix& operation) {
  matrix_ = Mult(operation, matrix_);
  Changed();
}

void TAffineTransformation::Translate(float dx, float dy) {
  TFloatMatrix t = IdentityMatrix;
  t[2][0] = dx;
  t[2][1] = dy;
  Apply(t);
}

void TAffineTransformation::Scale(float sx, float sy) {
  TFloatMatrix t = IdentityMatrix;
  t[0][0] = sx;
  t[1][1] = sy;
  Apply(t);
}

void TAffineTransformation::Skew(float fx, float fy) {
  TFloatMatrix t = IdentityMatrix;
  t[1][0] = fx;
  t[0][1] = fy;
  Apply(t);
}

void TAffineTransformation::Rotate(float cx, float cy, float alpha) {
  if (cx != 0 || cy != 0) Translate(-cx, -cy);
  const double a = double(alpha) * 3.14159265358979323846 / 180;
  const float s = float(std::sin(a)), c = float(std::cos(a));
  TFloatMatrix t = IdentityMatrix;
  t[0][0] = c;
  t[1][0] = s;
  t[0][1] = -s;
  t[1][1] = c;
  Apply(t);
  if (cx != 0 || cy != 0) Translate(cx, cy);
}

void TAffineTransformation::PrepareTransform() {
  inverse_ = matrix_;
  Invert(inverse_);
  fixedMatrix_ = FixedMatrix(matrix_);
  fixedInverse_ = FixedMatrix(inverse_);
  SetValid();
}

namespace {

void FloatAffine(const TFloatMatrix& m, float x, float y, float& rx, float& ry) {
  rx = m[0][0] * x + m[1][0] * y + m[2][0];
  ry = m[0][1] * x + m[1][1] * y + m[2][1];
}

void FixedAffine(const TFixedMatrix& m, TFixed x, TFixed y, TFixed& rx, TFixed& ry) {
  rx = FixedMul(m[0][0], x) + FixedMul(m[1][0], y) + m[2][0];
  ry = FixedMul(m[0][1], x) + FixedMul(m[1][1], y) + m[2][1];
}

}  // namespace

void TAffineTransformation::ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) {
  FixedAffine(fixedInverse_, dstX, dstY, srcX, srcY);
}

void TAffineTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  FloatAffine(inverse_, dstX, dstY, srcX, srcY);
}

void TAffineTransformation::TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY) {
  FixedAffine(fixedMatrix_, srcX, srcY, dstX, dstY);
}

void TAffineTransformation::TransformFloat(float srcX, float srcY, float& dstX, float& dstY) {
  FloatAffine(matrix_, srcX, srcY, dstX, dstY);
}

namespace {
TRect BoundsOf(const float* xs, const float* ys, int n) {
  const float minX = *std::min_element(xs, xs + n), maxX = *std::max_element(xs, xs + n);
  const float minY = *std::min_element(ys, ys + n), maxY = *std::max_element(ys, ys + n);
  return TRect{Integer(Round(minX - 0.5)), Integer(Round(minY - 0.5)), Integer(Round(maxX + 0.5)),
               Integer(Round(maxY + 0.5))};
}
}  // namespace

TRect TAffineTransformation::GetTransformedBounds(const TFloatRect& r) {
  const float cornersX[4] = {r.Left, r.Right, r.Left, r.Right}, cornersY[4] = {r.Top, r.Top, r.Bottom, r.Bottom};
  float xs[4], ys[4];
  for (int i = 0; i < 4; ++i) {
    const TVector3f v = VectorTransform(matrix_, TVector3f{cornersX[i], cornersY[i], 1});
    xs[i] = v[0];
    ys[i] = v[1];
  }
  return BoundsOf(xs, ys, 4);
}

// ---------------------------------------------------------------------------
// TProjectiveTransformation

void TProjectiveTransformation::SetX(Integer i, float value) {
  xs_[size_t(i)] = value;
  Changed();
}

void TProjectiveTransformation::SetY(Integer i, float value) {
  ys_[size_t(i)] = value;
  Changed();
}

void TProjectiveTransformation::SetCorners(const std::array<TFloatPoint, 4>& corners) {
  for (size_t i = 0; i < 4; ++i) {
    xs_[i] = corners[i].X;
    ys_[i] = corners[i].Y;
  }
  Changed();
}

void TProjectiveTransformation::PrepareTransform() {
  const auto& x = xs_;
  const auto& y = ys_;
  const float px = x[0] - x[1] + x[2] - x[3], py = y[0] - y[1] + y[2] - y[3];
  TFloatMatrix m{};
  if (px == 0 && py == 0) {
    m[0][0] = x[1] - x[0];
    m[1][0] = x[2] - x[1];
    m[2][0] = x[0];
    m[0][1] = y[1] - y[0];
    m[1][1] = y[2] - y[1];
    m[2][1] = y[0];
    m[2][2] = 1;
  } else {
    const float dx1 = x[1] - x[2], dx2 = x[3] - x[2], dy1 = y[1] - y[2], dy2 = y[3] - y[2];
    const float det = dx1 * dy2 - dx2 * dy1;
    if (det != 0) {
      const float g = (px * dy2 - py * dx2) / det, h = (py * dx1 - px * dy1) / det;
      m[0][0] = x[1] - x[0] + x[1] * g;
      m[1][0] = x[3] - x[0] + x[3] * h;
      m[2][0] = x[0];
      m[0][1] = y[1] - y[0] + y[1] * g;
      m[1][1] = y[3] - y[0] + y[3] * h;
      m[2][1] = y[0];
      m[0][2] = g;
      m[1][2] = h;
      m[2][2] = 1;
    }
  }
  const TFloatRect src = SrcRect();
  const float w = src.Right - src.Left, h = src.Bottom - src.Top;
  TFloatMatrix s = IdentityMatrix, t = IdentityMatrix;
  s[0][0] = w != 0 ? 1 / w : 0;
  s[1][1] = h != 0 ? 1 / h : 0;
  t[2][0] = -src.Left;
  t[2][1] = -src.Top;
  matrix_ = Mult(Mult(m, s), t);
  inverse_ = matrix_;
  Invert(inverse_);
  fixedMatrix_ = FixedMatrix(matrix_);
  fixedInverse_ = FixedMatrix(inverse_);
  SetValid();
}

namespace {

// A point of weight 0 has no image: it is answered unchanged.
void FloatProjective(const TFloatMatrix& m, float x, float y, float& rx, float& ry) {
  EMMS();
  const float w = x * m[0][2] + y * m[1][2] + m[2][2];
  if (w == 0) {
    rx = x;
    ry = y;
    return;
  }
  float ox = x * m[0][0] + y * m[1][0] + m[2][0], oy = x * m[0][1] + y * m[1][1] + m[2][1];
  if (w != 1) {
    const float r = 1 / w;
    ox *= r;
    oy *= r;
  }
  rx = ox;
  ry = oy;
}

void FixedProjective(const TFixedMatrix& m, TFixed x, TFixed y, TFixed& rx, TFixed& ry) {
  const TFixed w = FixedMul(x, m[0][2]) + FixedMul(y, m[1][2]) + m[2][2];
  if (w == 0) {
    rx = x;
    ry = y;
    return;
  }
  const TFixed ox = FixedMul(x, m[0][0]) + FixedMul(y, m[1][0]) + m[2][0];
  const TFixed oy = FixedMul(x, m[0][1]) + FixedMul(y, m[1][1]) + m[2][1];
  if (w == 0x10000) {
    rx = ox;
    ry = oy;
    return;
  }
  EMMS();
  const float r = 65536.0f / float(w);
  rx = TFixed(Round(double(ox) * r));
  ry = TFixed(Round(double(oy) * r));
}

}  // namespace

void TProjectiveTransformation::ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) {
  FixedProjective(fixedInverse_, dstX, dstY, srcX, srcY);
}

void TProjectiveTransformation::ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) {
  FloatProjective(inverse_, dstX, dstY, srcX, srcY);
}

void TProjectiveTransformation::TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY) {
  FixedProjective(fixedMatrix_, srcX, srcY, dstX, dstY);
}

void TProjectiveTransformation::TransformFloat(float srcX, float srcY, float& dstX, float& dstY) {
  FloatProjective(matrix_, srcX, srcY, dstX, dstY);
}

TRect TProjectiveTransformation::GetTransformedBounds(const TFloatRect&) { return BoundsOf(xs_.data(), ys_.data(), 4); }

// ---------------------------------------------------------------------------
// Drawing through a transformation

void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation) {
  Transform(dst, src, transformation, dst->BoundsRect());
}

void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, const TRect& dstClip) {
  std::unique_ptr<TRasterizer> rasterizer(DefaultRasterizerClass());
  Transform(dst, src, transformation, dstClip, rasterizer.get());
}

void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, TRasterizer* rasterizer) {
  Transform(dst, src, transformation, dst->BoundsRect(), rasterizer);
}

void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, const TRect& dstClip,
               TRasterizer* rasterizer) {
  TRect dstRect;
  IntersectRect(dstRect, transformation->GetTransformedBounds(), dst->ClipRect());
  IntersectRect(dstRect, dstRect, dstClip);
  if (dstRect.Right < dstRect.Left || dstRect.Bottom < dstRect.Top) return;
  if (!dst->MeasuringMode()) {
    auto* resampler = dynamic_cast<TBitmap32Resampler*>(src->Resampler());
    if (!resampler) throw EInvalidCast("Invalid class typecast");
    std::unique_ptr<TNestedSampler> transformer(resampler->TransformerClass()(resampler, transformation));
    struct Emms {
      ~Emms() { EMMS(); }
    } emms;
    rasterizer->SetSampler(transformer.get());
    try {
      rasterizer->Rasterize(dst, dstRect, src);
    } catch (...) {
      rasterizer->SetSampler(nullptr);
      throw;
    }
    rasterizer->SetSampler(nullptr);
  }
  dst->Changed(dstRect, AREAINFO_RECT);
}

TArrayOfArrayOfFixedPoint TransformPoints(const TArrayOfArrayOfFixedPoint& points, TTransformation* transformation) {
  if (points.empty()) return {};
  transformation->PrepareTransform();
  TArrayOfArrayOfFixedPoint result(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    result[i].resize(points[i].size());
    for (size_t j = 0; j < points[i].size(); ++j)
      transformation->TransformFixed(points[i][j].X, points[i][j].Y, result[i][j].X, result[i][j].Y);
  }
  return result;
}

void RasterizeTransformation(TVectorMap* vectorMap, TTransformation* transformation, TRect dstRect,
                             TVectorCombineMode combineMode, const TVectorCombineEvent& combineCallback) {
  IntersectRect(dstRect, vectorMap->BoundsRect(), dstRect);
  if (dstRect.Width() <= 0 || dstRect.Height() <= 0) return;
  if (!transformation->TransformValid()) transformation->PrepareTransform();
  const Integer w = dstRect.Width(), h = dstRect.Height();
  const TFixed stepX = w > 1 ? Fixed(1.0f / float(w - 1)) : 0, stepY = h > 1 ? Fixed(1.0f / float(h - 1)) : 0;
  TFixedPoint progress{0, 0};
  for (Integer j = dstRect.Top; j < dstRect.Bottom; ++j, progress.Y += stepY) {
    progress.X = 0;
    for (Integer i = dstRect.Left; i < dstRect.Right; ++i, progress.X += stepX) {
      const TFixedPoint p{(i - dstRect.Left) * 65536, (j - dstRect.Top) * 65536};
      TFixedPoint r;
      transformation->ReverseTransformFixed(p.X, p.Y, r.X, r.Y);
      const TFixedPoint d{r.X - p.X, r.Y - p.Y};
      TFixedPoint* cell = vectorMap->Vectors() + i + j * vectorMap->Width();
      switch (combineMode) {
        case vcmAdd: *cell = TFixedPoint{cell->X + d.X, cell->Y + d.Y}; break;
        case vcmReplace: *cell = d; break;
        default: combineCallback(d, progress, *cell); break;
      }
    }
  }
}

void SetBorderTransparent(TBitmap32* bitmap, TRect r) {
  IntersectRect(r, r, bitmap->BoundsRect());
  const TRect clip = bitmap->ClipRect();
  if (r.Width() <= 0 || r.Height() <= 0) return;
  TRect inClip;
  if (!IntersectRect(inClip, r, clip) || inClip.Width() <= 0 || inClip.Height() <= 0) return;
  const auto clear = [bitmap](Integer x, Integer y) { bitmap->SetPixel(x, y, bitmap->GetPixel(x, y) & 0x00FFFFFF); };
  for (Integer x = r.Left; x < r.Right; ++x) {
    clear(x, r.Top);
    clear(x, r.Bottom - 1);
  }
  for (Integer y = r.Top; y < r.Bottom; ++y) {
    clear(r.Left, y);
    clear(r.Right - 1, y);
  }
  bitmap->Changed();
}
