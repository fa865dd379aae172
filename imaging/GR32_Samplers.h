// Nested samplers: samplers that wrap another sampler and change what it gives:
// through a transformation, by super-sampling (regular, adaptive, by a pattern)
// or by a small integer kernel (convolution, selective convolution and the
// morphological operators); and the one-call kernel filters over a bitmap.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "imaging/GR32.h"
#include "imaging/GR32_OrdinalMaps.h"

class TTransformation;

VARNEL_EXCEPTION(ENestedException, Exception);

// Four channel sums: blue, green, red, alpha.
struct TBufferEntry {
  Integer B = 0, G = 0, R = 0, A = 0;
  friend bool operator==(const TBufferEntry&, const TBufferEntry&) = default;
};
extern const TBufferEntry EMPTY_ENTRY;

void IncBuffer(TBufferEntry& buffer, TColor32 color);
void MultiplyBuffer(TBufferEntry& buffer, Integer w);
void ShrBuffer(TBufferEntry& buffer, Integer shift);
// Each (sum shr shift) and 255, packed; no clamping.
TColor32 BufferToColor32(const TBufferEntry& buffer, Integer shift);

class TNestedSampler : public TCustomSampler {
public:
  TNestedSampler() = default;
  explicit TNestedSampler(TCustomSampler* sampler) { SetSampler(sampler); }

  // The wrapped sampler (borrowed). It may be nil: sampling, preparing and asking
  // for bounds then raise ENestedException "Nested sampler is nil".
  TCustomSampler* Sampler() const { return sampler_; }
  void SetSampler(TCustomSampler* value) { sampler_ = value; }

  void PrepareSampling() override;
  void FinalizeSampling() override;
  bool HasBounds() const override;
  TRect GetSampleBounds() const override;

protected:
  void AssignTo(TPersistent* dest) const override;
  // The wrapped sampler, or ENestedException when there is none.
  TCustomSampler& Wrapped() const;

private:
  TCustomSampler* sampler_ = nullptr;
};

// Samples the wrapped sampler at the reverse-transformed position.
class TTransformer : public TNestedSampler {
public:
  TTransformer() = default;
  TTransformer(TCustomSampler* sampler, TTransformation* transformation);

  TTransformation* Transformation() const { return transformation_; }  // borrowed
  void SetTransformation(TTransformation* value) { transformation_ = value; }

  TColor32 GetSampleInt(Integer x, Integer y) override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  TColor32 GetSampleFloat(float x, float y) override;
  void PrepareSampling() override;
  bool HasBounds() const override;
  TRect GetSampleBounds() const override;

protected:
  void AssignTo(TPersistent* dest) const override;
  TTransformation& Transform() const;

private:
  TTransformation* transformation_ = nullptr;
};

// As the transformer, but reads whole pixels of the wrapped sampler.
class TNearestTransformer : public TTransformer {
public:
  using TTransformer::TTransformer;
  TColor32 GetSampleInt(Integer x, Integer y) override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  TColor32 GetSampleFloat(float x, float y) override;
};

// SamplingX x SamplingY samples centred on the pixel, averaged.
class TSuperSampler : public TNestedSampler {
public:
  explicit TSuperSampler(TCustomSampler* sampler = nullptr);
  Integer SamplingX() const { return samplingX_; }
  void SetSamplingX(Integer value);
  Integer SamplingY() const { return samplingY_; }
  void SetSamplingY(Integer value);

  TColor32 GetSampleInt(Integer x, Integer y) override { return GetSampleFixed(x * 65536, y * 65536); }
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  TColor32 GetSampleFloat(float x, float y) override { return GetSampleFixed(Fixed(x), Fixed(y)); }

protected:
  void AssignTo(TPersistent* dest) const override;

private:
  void Recompute();
  Integer samplingX_ = 4, samplingY_ = 4;
  TFixed distanceX_ = 0, distanceY_ = 0, offsetX_ = 0, offsetY_ = 0, scale_ = 0;
};

// Five samples a pixel, quadrants subdivided where corner and centre differ.
class TAdaptiveSuperSampler : public TNestedSampler {
public:
  explicit TAdaptiveSuperSampler(TCustomSampler* sampler = nullptr);
  Integer Level() const { return level_; }
  void SetLevel(Integer value);
  Integer Tolerance() const { return tolerance_; }
  void SetTolerance(Integer value) { tolerance_ = value; }

  TColor32 GetSampleInt(Integer x, Integer y) override { return GetSampleFixed(x * 65536, y * 65536); }
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  TColor32 GetSampleFloat(float x, float y) override { return GetSampleFixed(Fixed(x), Fixed(y)); }

protected:
  void AssignTo(TPersistent* dest) const override;
  virtual bool CompareColors(TColor32 c1, TColor32 c2) const;

private:
  enum Diagonal { dgAC, dgBD };
  TColor32 Recurse(TFixed x, TFixed y, TFixed off, TColor32 a, TColor32 b, TColor32 c, TColor32 d, TColor32 e);
  TColor32 Quadrant(TColor32 c1, TColor32 c2, TFixed x, TFixed y, TFixed off, Diagonal diagonal);
  Integer level_ = 4;
  Integer tolerance_ = 256;
  TFixed minOffset_ = 0;
};

using TArrayOfFixedPoint = std::vector<TFixedPoint>;
// [row][column] of sample offsets.
using TFixedSamplePattern = std::vector<std::vector<TArrayOfFixedPoint>>;

// Averages the wrapped sampler over the offsets of the pattern cell the position
// falls in (the pattern repeats over the plane).
class TPatternSampler : public TNestedSampler {
public:
  using TNestedSampler::TNestedSampler;
  const TFixedSamplePattern& Pattern() const { return pattern_; }
  // An empty pattern leaves the current one.
  void SetPattern(const TFixedSamplePattern& value);

  TColor32 GetSampleInt(Integer x, Integer y) override { return GetSampleFixed(x * 65536, y * 65536); }
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  TColor32 GetSampleFloat(float x, float y) override { return GetSampleFixed(Fixed(x), Fixed(y)); }

private:
  TFixedSamplePattern pattern_;
};

// A uniform source of integers 0 .. 65535.
using TRandomSource = std::function<Integer()>;
// Every cell gets one random point inside each of SamplesX x SamplesY strata of
// the pixel, centred on it; cells are filled column by column.
TFixedSamplePattern CreateJitteredPattern(Integer tileWidth, Integer tileHeight, Integer samplesX, Integer samplesY,
                                          const TRandomSource& random = nullptr);

// Applies an integer kernel (weights in 1/256), mirrored as a convolution: cell
// (I, J) samples at the centre minus (I, J).
class TKernelSampler : public TNestedSampler {
public:
  explicit TKernelSampler(TCustomSampler* sampler = nullptr);
  ~TKernelSampler() override;
  TIntegerMap* Kernel() const { return kernel_; }  // owned
  // Copies the map: the caller keeps its own.
  void SetKernel(const TIntegerMap* value) { kernel_->Assign(value); }
  Integer CenterX() const { return centerX_; }
  void SetCenterX(Integer value) { centerX_ = value; }
  Integer CenterY() const { return centerY_; }
  void SetCenterY(Integer value) { centerY_ = value; }

  TColor32 GetSampleInt(Integer x, Integer y) override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;

protected:
  void AssignTo(TPersistent* dest) const override;
  virtual void UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) = 0;
  virtual TColor32 ConvertBuffer(TBufferEntry& buffer);
  TBufferEntry startEntry_;

private:
  template <class Sample>
  TColor32 Run(Sample sample);
  TIntegerMap* kernel_;
  Integer centerX_ = 0, centerY_ = 0;
};

class TConvolver : public TKernelSampler {
public:
  using TKernelSampler::TKernelSampler;

protected:
  void UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) override;
};

// Only samples whose channel lies within Delta of the reference (the sample at
// the position itself) count; a channel that no sample passed keeps the
// reference's value.
class TSelectiveConvolver : public TConvolver {
public:
  explicit TSelectiveConvolver(TCustomSampler* sampler = nullptr) : TConvolver(sampler) {}
  Integer Delta() const { return delta_; }
  void SetDelta(Integer value) { delta_ = value; }
  TColor32 GetSampleInt(Integer x, Integer y) override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;

protected:
  void AssignTo(TPersistent* dest) const override;
  void UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) override;
  TColor32 ConvertBuffer(TBufferEntry& buffer) override;

private:
  Integer delta_ = 30;
  TColor32 reference_ = 0;
  TBufferEntry weightSums_;
};

class TMorphologicalSampler : public TKernelSampler {
public:
  using TKernelSampler::TKernelSampler;

protected:
  TColor32 ConvertBuffer(TBufferEntry& buffer) override;
};

class TDilater : public TMorphologicalSampler {
public:
  using TMorphologicalSampler::TMorphologicalSampler;

protected:
  void UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) override;
};

class TEroder : public TMorphologicalSampler {
public:
  explicit TEroder(TCustomSampler* sampler = nullptr);

protected:
  void UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) override;
};

class TExpander : public TKernelSampler {
public:
  using TKernelSampler::TKernelSampler;

protected:
  void UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) override;
};

class TContracter : public TExpander {
public:
  using TExpander::TExpander;
  void PrepareSampling() override;
  TColor32 GetSampleInt(Integer x, Integer y) override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;

protected:
  void UpdateBuffer(TBufferEntry& buffer, TColor32 color, Integer weight) override;

private:
  TColor32 maxWeight_ = 0;
};

// Run a kernel sampler of that kind around Src's resampler over the whole of Dst,
// which takes Src's size. The kernel is copied; the caller keeps it.
void Convolve(TBitmap32* src, TBitmap32* dst, const TIntegerMap* kernel, Integer centerX, Integer centerY);
void Dilate(TBitmap32* src, TBitmap32* dst, const TIntegerMap* kernel, Integer centerX, Integer centerY);
void Erode(TBitmap32* src, TBitmap32* dst, const TIntegerMap* kernel, Integer centerX, Integer centerY);
void Expand(TBitmap32* src, TBitmap32* dst, const TIntegerMap* kernel, Integer centerX, Integer centerY);
void Contract(TBitmap32* src, TBitmap32* dst, const TIntegerMap* kernel, Integer centerX, Integer centerY);
