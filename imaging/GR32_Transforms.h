// Geometric transformations of the plane: 3 x 3 matrices, the transformation
// classes (affine, projective, twirl, bloat, disturbance, fish-eye, polar, path,
// remap by a vector map), and the routines that draw a bitmap through one, map
// polygons, store a transformation's displacement in a vector map and clear a
// rectangle's outline alpha.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "imaging/GR32.h"
#include "imaging/GR32_VectorMaps.h"

class TRasterizer;

// Element M[c][r] is column c, row r; a point (x, y) is the column (x, y, 1).
using TFloatMatrix = std::array<std::array<float, 3>, 3>;
using TFixedMatrix = std::array<std::array<TFixed, 3>, 3>;
using TVector3f = std::array<float, 3>;
extern const TFloatMatrix IdentityMatrix;

void Adjoint(TFloatMatrix& m);
float Determinant(const TFloatMatrix& m);
void Scale(TFloatMatrix& m, float factor);
// A nearly singular matrix (|determinant| < 1e-5) becomes the identity.
void Invert(TFloatMatrix& m);
// M1 . M2: M2 applies first.
TFloatMatrix Mult(const TFloatMatrix& m1, const TFloatMatrix& m2);
TVector3f VectorTransform(const TFloatMatrix& m, const TVector3f& v);
TFixedMatrix FixedMatrix(const TFloatMatrix& m);
TFloatMatrix FloatMatrix(const TFixedMatrix& m);

VARNEL_EXCEPTION(ETransformError, Exception);
VARNEL_EXCEPTION(ETransformNotImplemented, Exception);

class TTransformation : public TNotifiablePersistent {
public:
  TFloatRect SrcRect() const { return srcRect_; }
  void SetSrcRect(const TFloatRect& value);
  bool TransformValid() const { return transformValid_; }
  // Every change drops what PrepareTransform derived.
  void Changed() override;

  virtual void PrepareTransform() {}
  // The float and fixed forms do not prepare: callers do (the point forms below,
  // the transformer, RasterizeTransformation).
  virtual void ReverseTransformInt(Integer dstX, Integer dstY, Integer& srcX, Integer& srcY);
  virtual void ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY);
  virtual void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY);
  virtual void TransformInt(Integer srcX, Integer srcY, Integer& dstX, Integer& dstY);
  virtual void TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY);
  virtual void TransformFloat(float srcX, float srcY, float& dstX, float& dstY);
  virtual bool HasTransformedBounds() const { return true; }
  virtual TRect GetTransformedBounds(const TFloatRect& srcRect);
  TRect GetTransformedBounds() { return GetTransformedBounds(srcRect_); }

  TPoint ReverseTransform(const TPoint& p);
  TFixedPoint ReverseTransform(const TFixedPoint& p);
  TFloatPoint ReverseTransform(const TFloatPoint& p);
  TPoint Transform(const TPoint& p);
  TFixedPoint Transform(const TFixedPoint& p);
  TFloatPoint Transform(const TFloatPoint& p);

protected:
  void SetValid() { transformValid_ = true; }
  void PrepareIfNeeded() {
    if (!transformValid_) PrepareTransform();
  }

private:
  TFloatRect srcRect_;
  bool transformValid_ = false;
};

class TAffineTransformation : public TTransformation {
public:
  TAffineTransformation();
  const TFloatMatrix& Matrix() const { return matrix_; }
  void SetMatrix(const TFloatMatrix& value);
  void Clear();
  // Each operation applies after the earlier ones.
  void Translate(float dx, float dy);
  void Scale(float sx, float sy);
  void Skew(float fx, float fy);
  void Rotate(float cx, float cy, float alpha);  // degrees

  void PrepareTransform() override;
  void ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) override;
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;
  void TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY) override;
  void TransformFloat(float srcX, float srcY, float& dstX, float& dstY) override;
  using TTransformation::GetTransformedBounds;
  TRect GetTransformedBounds(const TFloatRect& srcRect) override;

private:
  void Apply(const TFloatMatrix& operation);
  TFloatMatrix matrix_, inverse_;
  TFixedMatrix fixedMatrix_{}, fixedInverse_{};
};

// Maps SrcRect onto the quadrilateral (X0, Y0) .. (X3, Y3). A point whose weight
// w is 0 has no image: the mapping then answers the point it was given.
class TProjectiveTransformation : public TTransformation {
public:
  float X(Integer i) const { return xs_[i]; }
  float Y(Integer i) const { return ys_[i]; }
  void SetX(Integer i, float value);
  void SetY(Integer i, float value);
  void SetCorners(const std::array<TFloatPoint, 4>& corners);

  void PrepareTransform() override;
  void ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) override;
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;
  void TransformFixed(TFixed srcX, TFixed srcY, TFixed& dstX, TFixed& dstY) override;
  void TransformFloat(float srcX, float srcY, float& dstX, float& dstY) override;
  using TTransformation::GetTransformedBounds;
  TRect GetTransformedBounds(const TFloatRect& srcRect) override;

private:
  std::array<float, 4> xs_{}, ys_{};
  TFloatMatrix matrix_{}, inverse_{};
  TFixedMatrix fixedMatrix_{}, fixedInverse_{};
};

class TTwirlTransformation : public TTransformation {
public:
  float Twirl() const { return twirl_; }
  void SetTwirl(float value);
  void PrepareTransform() override;
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;
  using TTransformation::GetTransformedBounds;
  TRect GetTransformedBounds(const TFloatRect& srcRect) override;

private:
  float twirl_ = 0.03f, rx_ = 0, ry_ = 0;
};

class TBloatTransformation : public TTransformation {
public:
  float BloatPower() const { return bloatPower_; }
  void SetBloatPower(float value);
  void PrepareTransform() override;
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;

private:
  float bloatPower_ = 0.3f, amplitude_ = 0, piW_ = 0, piH_ = 0;
};

// A uniform source of floats in [0, 1).
using TFloatRandomSource = std::function<float()>;

class TDisturbanceTransformation : public TTransformation {
public:
  TDisturbanceTransformation();
  float Disturbance() const { return disturbance_; }
  void SetDisturbance(float value);
  void SetRandomSource(const TFloatRandomSource& source) { random_ = source; }
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;
  using TTransformation::GetTransformedBounds;
  TRect GetTransformedBounds(const TFloatRect& srcRect) override;

private:
  float disturbance_ = 0;
  TFloatRandomSource random_;
};

class TFishEyeTransformation : public TTransformation {
public:
  void PrepareTransform() override;
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;

private:
  float rx_ = 0, ry_ = 0, aw_ = 0, sr_ = 0, sx_ = 0, sy_ = 0, minR_ = 0;
};

// Source columns become angles and source rows radii, inside the ellipse of DstRect.
class TPolarTransformation : public TTransformation {
public:
  TFloatRect DstRect() const { return dstRect_; }
  void SetDstRect(const TFloatRect& value);
  float Phase() const { return phase_; }
  void SetPhase(float value);
  void PrepareTransform() override;
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;
  void TransformFloat(float srcX, float srcY, float& dstX, float& dstY) override;

private:
  TFloatRect dstRect_;
  float phase_ = 0;
  float sx_ = 0, sy_ = 0, cx_ = 0, cy_ = 0, dx_ = 0, dy_ = 0, ka_ = 0, kb_ = 0, kr_ = 0, ku_ = 0, kv_ = 0;
};

using TArrayOfFloatPoint = std::vector<TFloatPoint>;

// Lays the source rectangle between two polylines.
class TPathTransformation : public TTransformation {
public:
  const TArrayOfFloatPoint& TopCurve() const { return top_; }
  void SetTopCurve(const TArrayOfFloatPoint& value);
  const TArrayOfFloatPoint& BottomCurve() const { return bottom_; }
  void SetBottomCurve(const TArrayOfFloatPoint& value);
  void PrepareTransform() override;
  void TransformFloat(float srcX, float srcY, float& dstX, float& dstY) override;

private:
  TArrayOfFloatPoint top_, bottom_;
  std::vector<float> topLengths_, bottomLengths_;
};

// Displaces each point by a vector map laid over MappingRect.
class TRemapTransformation : public TTransformation {
public:
  TRemapTransformation();
  ~TRemapTransformation() override;
  TVectorMap* VectorMap() const { return vectorMap_; }  // owned
  TFloatRect MappingRect() const { return mappingRect_; }
  void SetMappingRect(const TFloatRect& value);
  TFloatPoint Offset() const { return offset_; }
  void SetOffset(const TFloatPoint& value);
  void Scale(float sx, float sy);

  void PrepareTransform() override;
  void ReverseTransformInt(Integer dstX, Integer dstY, Integer& srcX, Integer& srcY) override;
  void ReverseTransformFixed(TFixed dstX, TFixed dstY, TFixed& srcX, TFixed& srcY) override;
  void ReverseTransformFloat(float dstX, float dstY, float& srcX, float& srcY) override;
  bool HasTransformedBounds() const override { return false; }
  using TTransformation::GetTransformedBounds;
  TRect GetTransformedBounds(const TFloatRect& srcRect) override;

private:
  TVectorMap* vectorMap_;
  TFloatRect mappingRect_;
  TFloatPoint offset_;
  TPoint offsetInt_;
  TFixedPoint offsetFixed_;
  TFloatPoint scaling_{1, 1};
  TFixedPoint scalingFixed_{0x10000, 0x10000};
  TFloatPoint srcTranslation_, srcScale_, dstTranslation_, dstScale_, combinedScaling_;
  TFixedPoint srcTranslationFixed_, srcScaleFixed_, dstTranslationFixed_, dstScaleFixed_, combinedScalingFixed_;
};

// Draws Src into Dst through the transformation (by a TTransformer around Src's
// resampler and a rasterizer), within DstClip and Dst's clip rectangle.
void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation);
void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, const TRect& dstClip);
void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, TRasterizer* rasterizer);
void Transform(TBitmap32* dst, TBitmap32* src, TTransformation* transformation, const TRect& dstClip,
               TRasterizer* rasterizer);

using TArrayOfArrayOfFixedPoint = std::vector<std::vector<TFixedPoint>>;
TArrayOfArrayOfFixedPoint TransformPoints(const TArrayOfArrayOfFixedPoint& points, TTransformation* transformation);

// Stores the displacement (reverse-mapped point less the point) of every cell of
// DstRect into the map by the combine mode; a one-cell-wide or -high rectangle
// has no progress step across it.
void RasterizeTransformation(TVectorMap* vectorMap, TTransformation* transformation, TRect dstRect,
                             TVectorCombineMode combineMode = vcmAdd,
                             const TVectorCombineEvent& combineCallback = nullptr);

// Clears the alpha of the pixels on R's outline, keeping their colours.
void SetBorderTransparent(TBitmap32* bitmap, TRect r);
