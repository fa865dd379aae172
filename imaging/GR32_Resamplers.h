// Block and stretch transfer, the resamplers every bitmap owns, the filter kernels
// with the kernel resampler, and the registries of resampler and kernel classes.
#pragma once

#include <vector>

#include "imaging/GR32.h"
#include "platform/core/ClassRegistry.h"

// ---------------------------------------------------------------------------
// Transfers

void BlockTransfer(TBitmap32* dst, Integer dstX, Integer dstY, TRect dstClip, TBitmap32* src, TRect srcRect,
                   TDrawMode combineOp, const TPixelCombineEvent& combineCallBack = nullptr);
void StretchTransfer(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, const TRect& srcRect,
                     TCustomResampler* resampler, TDrawMode combineOp,
                     const TPixelCombineEvent& combineCallBack = nullptr);
// Blends SrcRect of Src onto Dst at a sub-pixel position (16.16 fixed point): each
// destination pixel takes the part of the source that covers it. The source's
// outer rows and columns cover the first and last destination row and column only
// partly; those pixels are blended with that coverage. The draw mode only matters
// for dmBlend at master alpha 0 (nothing is drawn); the pixels are always blended
// through the source's CombineMode and MasterAlpha.
void BlockTransferX(TBitmap32* dst, TFixed dstX, TFixed dstY, TBitmap32* src, TRect srcRect, TDrawMode combineOp,
                    const TPixelCombineEvent& combineCallBack = nullptr);
using TBlendReg2 = TColor32 (*)(TColor32 f, TColor32 b);
using TBlendRegEx2 = TColor32 (*)(TColor32 f, TColor32 b, TColor32 m);
void BlendTransfer(TBitmap32* dst, Integer dstX, Integer dstY, TRect dstClip, TBitmap32* srcF, TRect srcRectF,
                   TBitmap32* srcB, TRect srcRectB, TBlendReg2 blendCallback);
void BlendTransfer(TBitmap32* dst, Integer dstX, Integer dstY, TRect dstClip, TBitmap32* srcF, TRect srcRectF,
                   TBitmap32* srcB, TRect srcRectB, TBlendRegEx2 blendCallback, Integer masterAlpha);

// True maps destination pixel edges onto source edges; false maps the first and
// last pixel centres onto each other.
extern bool FullEdge;

// The source column (or row) of each destination column of the clip, as the
// nearest-neighbour stretch uses them.
std::vector<Integer> NearestMap(Integer dstLo, Integer dstHi, Integer clipLo, Integer clipHi, Integer srcLo,
                                Integer srcHi);

// Processor-dependent inner routines, bound at start-up.
using TAverageBlock = TColor32 (*)(Integer dx, Integer dy, const TColor32* first, Integer rowStrideBytes);
using TBilinearPixel = TColor32 (*)(Cardinal wx, Cardinal wy, const TColor32* p1, const TColor32* p2);
extern TAverageBlock AverageBlock;
extern TBilinearPixel BilinearPixel;
void BindResamplerFunctions(bool packed);

// ---------------------------------------------------------------------------
// Resamplers bound to a bitmap

enum TPixelAccessMode : Byte { pamUnsafe, pamSafe, pamWrap, pamTransparentEdge };

class TNestedSampler;
class TTransformation;
// Makes the nested sampler that samples a resampler through a transformation
// (the transformer classes of GR32_Samplers).
using TTransformerClass = TNestedSampler* (*)(TCustomSampler* sampler, TTransformation* transformation);
TNestedSampler* NewTransformer(TCustomSampler* sampler, TTransformation* transformation);
TNestedSampler* NewNearestTransformer(TCustomSampler* sampler, TTransformation* transformation);

class TBitmap32Resampler : public TCustomResampler {
public:
  TBitmap32Resampler() = default;
  // Installs itself as the bitmap's resampler; the bitmap then owns it.
  explicit TBitmap32Resampler(TBitmap32* bitmap);
  void Changed() override;
  void PrepareSampling() override;
  bool HasBounds() const override { return true; }
  TRect GetSampleBounds() const override;
  TPixelAccessMode PixelAccessMode() const { return pixelAccessMode_; }
  void SetPixelAccessMode(TPixelAccessMode value);
  TBitmap32* Bitmap() const { return bitmap_; }
  // What Transform wraps around this resampler.
  TTransformerClass TransformerClass() const { return transformerClass_; }

protected:
  void AssignTo(TPersistent* dest) const override;
  void Install(TBitmap32* bitmap);
  TBitmap32* bitmap_ = nullptr;  // the owning bitmap, borrowed
  TRect clipRect_;
  TTransformerClass transformerClass_ = &NewTransformer;

private:
  TPixelAccessMode pixelAccessMode_ = pamSafe;
};

class TNearestResampler : public TBitmap32Resampler {
public:
  TNearestResampler() { transformerClass_ = &NewNearestTransformer; }
  explicit TNearestResampler(TBitmap32* bitmap) : TNearestResampler() { Install(bitmap); }
  TColor32 GetSampleInt(Integer x, Integer y) override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  TColor32 GetSampleFloat(float x, float y) override;
  void PrepareSampling() override;
  float GetWidth() const override { return 1.0f; }
  void Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, TRect srcRect,
                TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;

private:
  TColor32 Read(Integer x, Integer y) const;
  TColor32 ReadEdge(Integer x, Integer y) const;
};

class TCustomKernel;

class TLinearResampler : public TBitmap32Resampler {
public:
  TLinearResampler();
  explicit TLinearResampler(TBitmap32* bitmap) : TLinearResampler() { Install(bitmap); }
  ~TLinearResampler() override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  TColor32 GetSampleFloat(float x, float y) override;
  float GetWidth() const override { return 1.0f; }
  void Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, TRect srcRect,
                TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;

protected:
  TCustomKernel* kernel_;  // owned, a TLinearKernel

private:
  TColor32 ReadEdge(TFixed x, TFixed y) const;
};

class TDraftResampler : public TLinearResampler {
public:
  TDraftResampler() = default;
  explicit TDraftResampler(TBitmap32* bitmap) { Install(bitmap); }
  void Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, TRect srcRect,
                TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;
};

// ---------------------------------------------------------------------------
// Kernels

class TCustomKernel : public TPersistent {
public:
  virtual bool RangeCheck() const { return false; }
  virtual float Filter(float x) const = 0;
  virtual float GetWidth() const = 0;
  void Changed();
  TNotifiablePersistent* Observer = nullptr;  // borrowed, told of changes when set

protected:
  void AssignTo(TPersistent* dest) const override;
  // Copies this kernel's parameters into a kernel of the same class.
  virtual void CopyParametersTo(TCustomKernel*) const {}
};

class TBoxKernel : public TCustomKernel {
public:
  float Filter(float x) const override;
  float GetWidth() const override { return 1; }
};

class TLinearKernel : public TCustomKernel {
public:
  float Filter(float x) const override;
  float GetWidth() const override { return 1; }
};

class TCosineKernel : public TCustomKernel {
public:
  float Filter(float x) const override;
  float GetWidth() const override { return 1; }
};

class TSplineKernel : public TCustomKernel {
public:
  bool RangeCheck() const override { return true; }
  float Filter(float x) const override;
  float GetWidth() const override { return 2; }
};

class TMitchellKernel : public TCustomKernel {
public:
  bool RangeCheck() const override { return true; }
  float Filter(float x) const override;
  float GetWidth() const override { return 2; }
};

class TCubicKernel : public TCustomKernel {
public:
  bool RangeCheck() const override { return true; }
  float Filter(float x) const override;
  float GetWidth() const override { return 2; }
  float Coeff() const { return coeff_; }
  void SetCoeff(float value);

protected:
  void CopyParametersTo(TCustomKernel* dest) const override;

private:
  float coeff_ = -0.5f;
};

class THermiteKernel : public TCustomKernel {
public:
  bool RangeCheck() const override { return true; }
  float Filter(float x) const override;
  float GetWidth() const override { return 2; }
  float Bias() const { return bias_; }
  void SetBias(float value);
  float Tension() const { return tension_; }
  void SetTension(float value);

protected:
  void CopyParametersTo(TCustomKernel* dest) const override;

private:
  float bias_ = 0, tension_ = 0;
};

class TWindowedSincKernel : public TCustomKernel {
public:
  bool RangeCheck() const override { return true; }
  float Filter(float x) const override;
  float GetWidth() const override { return width_; }
  void SetWidth(float value);  // at most 4
  virtual float Window(float x) const = 0;

protected:
  void CopyParametersTo(TCustomKernel* dest) const override;
  float width_ = 3.0f;
};

class TLanczosKernel : public TWindowedSincKernel {
public:
  float Window(float x) const override;
};

class TGaussianKernel : public TWindowedSincKernel {
public:
  float Window(float x) const override;
  float Sigma() const { return sigma_; }
  // Sigma divides: 0 is refused and the previous value kept.
  void SetSigma(float value);

protected:
  void CopyParametersTo(TCustomKernel* dest) const override;

private:
  float sigma_ = 1.33f;
};

class TBlackmanKernel : public TWindowedSincKernel {
public:
  float Window(float x) const override;
};

class THannKernel : public TWindowedSincKernel {
public:
  float Window(float x) const override;
};

class THammingKernel : public TWindowedSincKernel {
public:
  float Window(float x) const override;
};

class TSinshKernel : public TCustomKernel {
public:
  bool RangeCheck() const override { return true; }
  float Filter(float x) const override;
  float GetWidth() const override { return width_; }
  void SetWidth(float value);
  float Coeff() const { return coeff_; }
  // Coeff divides: 0 is refused and the previous value kept.
  void SetCoeff(float value);

protected:
  void CopyParametersTo(TCustomKernel* dest) const override;

private:
  float width_ = 3.0f, coeff_ = 0.5f;
};

// ---------------------------------------------------------------------------
// Kernel resampling

struct TClusterEntry {
  Integer Pos;
  Integer Weight;  // in 1/256
};
using TCluster = std::vector<TClusterEntry>;
using TMappingTable = std::vector<TCluster>;

TMappingTable BuildKernelClusters(Integer dstLo, Integer dstHi, Integer clipLo, Integer clipHi, Integer srcLo,
                                  Integer srcHi, const TCustomKernel* kernel);
void KernelStretch(TBitmap32* dst, const TRect& dstRect, const TRect& dstClip, TBitmap32* src, const TRect& srcRect,
                   const TCustomKernel* kernel, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack);

enum TKernelMode : Byte { kmDynamic, kmTableNearest, kmTableLinear };

class TKernelResampler : public TBitmap32Resampler {
public:
  TKernelResampler();
  explicit TKernelResampler(TBitmap32* bitmap) : TKernelResampler() { Install(bitmap); }
  ~TKernelResampler() override;
  TCustomKernel* Kernel() const { return kernel_; }
  void SetKernel(TCustomKernel* value);  // takes ownership
  String KernelClassName() const;
  void SetKernelClassName(const String& name);
  TKernelMode KernelMode() const { return kernelMode_; }
  void SetKernelMode(TKernelMode value);
  Integer TableSize() const { return tableSize_; }
  void SetTableSize(Integer value);  // at least 2
  float GetWidth() const override { return kernel_->GetWidth(); }
  void PrepareSampling() override;
  void FinalizeSampling() override;
  TColor32 GetSampleFloat(float x, float y) override;
  void Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, TRect srcRect,
                TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;
  // The weight table of the table modes: (TableSize + 1) rows of 2W + 1 weights.
  const std::vector<std::vector<Integer>>& WeightTable() const { return table_; }

protected:
  void AssignTo(TPersistent* dest) const override;

private:
  void Weights(float fraction, std::vector<Integer>& weights, Integer w) const;
  TCustomKernel* kernel_ = nullptr;  // owned
  TKernelMode kernelMode_ = kmDynamic;
  Integer tableSize_ = 32;
  std::vector<std::vector<Integer>> table_;
  TColor32 outerColor_ = 0;
};

// ---------------------------------------------------------------------------
// Registries

using TResamplerClassList = TClassList<TCustomResampler, TBitmap32*>;
using TKernelClassList = TClassList<TCustomKernel>;
extern TResamplerClassList* ResamplerList;
extern TKernelClassList* KernelList;
template <class T>
void RegisterResampler() {
  if (!ResamplerList) ResamplerList = new TResamplerClassList;
  ResamplerList->Add<T>(DemangledTypeName(typeid(T)));
}
template <class T>
void RegisterKernel() {
  if (!KernelList) KernelList = new TKernelClassList;
  KernelList->Add<T>(DemangledTypeName(typeid(T)));
}
