// Rasterizers: fill a rectangle of a bitmap by asking a sampler for the colour of
// every pixel and combining it by a draw mode. They differ in the order they
// visit the pixels and in how often they report changed areas.
#pragma once

#include "imaging/GR32.h"

struct TCombineInfo {
  Integer SrcAlpha = 255;
  TDrawMode DrawMode = dmOpaque;
  TCombineMode CombineMode = cmBlend;
  TPixelCombineEvent CombineCallBack;
  TColor32 TransparentColor = 0xFF000000;
};
extern const TCombineInfo DEFAULT_COMBINE_INFO;

// The combine settings of a bitmap drawn as a source; dmCustom without a callback
// becomes dmOpaque.
TCombineInfo CombineInfo(TBitmap32* bitmap);

class TRasterizer : public TThreadPersistent {
public:
  TRasterizer();

  TCustomSampler* Sampler() const { return sampler_; }  // borrowed
  void SetSampler(TCustomSampler* value);
  void SetCombineInfo(const TCombineInfo& info);
  const TCombineInfo& CombineSettings() const { return info_; }

  void Rasterize(TBitmap32* dst);
  void Rasterize(TBitmap32* dst, const TRect& dstRect);
  void Rasterize(TBitmap32* dst, const TRect& dstRect, const TCombineInfo& info);
  void Rasterize(TBitmap32* dst, const TRect& dstRect, TBitmap32* src);

  // A bitmap gives its combine settings; others go to the base.
  void Assign(const TPersistent* source) override;

protected:
  void AssignTo(TPersistent* dest) const override;
  virtual void DoRasterize(TBitmap32* dst, TRect dstRect) = 0;
  // Combines one sample into a pixel by the draw mode.
  void AssignColor(TColor32& pixel, TColor32 sample) const { (this->*assign_)(pixel, sample); }

private:
  using TAssignColor = void (TRasterizer::*)(TColor32& pixel, TColor32 sample) const;
  void AssignOpaque(TColor32& pixel, TColor32 sample) const { pixel = sample; }
  void AssignBlend(TColor32& pixel, TColor32 sample) const;
  void AssignTransparent(TColor32& pixel, TColor32 sample) const;
  void AssignCustom(TColor32& pixel, TColor32 sample) const;

  TCustomSampler* sampler_ = nullptr;
  TCombineInfo info_;
  TAssignColor assign_ = &TRasterizer::AssignOpaque;
};

// Row after row; reports every UpdateRowCount finished rows (0: once at the end).
class TRegularRasterizer : public TRasterizer {
public:
  Integer UpdateRowCount() const { return updateRowCount_; }
  void SetUpdateRowCount(Integer value) { updateRowCount_ = value; }

protected:
  void AssignTo(TPersistent* dest) const override;
  void DoRasterize(TBitmap32* dst, TRect dstRect) override;

private:
  Integer updateRowCount_ = 0;
};

// In Z-order (Morton order); reports blocks of 2^BlockSize pixels.
class TSwizzlingRasterizer : public TRasterizer {
public:
  Integer BlockSize() const { return blockSize_; }
  void SetBlockSize(Integer value);

protected:
  void AssignTo(TPersistent* dest) const override;
  void DoRasterize(TBitmap32* dst, TRect dstRect) override;

private:
  Integer blockSize_ = 3;
};

// Coarse blocks of 2^Steps pixels first, refined from newly sampled corners.
class TProgressiveRasterizer : public TRasterizer {
public:
  Integer Steps() const { return steps_; }
  void SetSteps(Integer value);
  bool UpdateRows() const { return updateRows_; }
  void SetUpdateRows(bool value);

protected:
  void AssignTo(TPersistent* dest) const override;
  void DoRasterize(TBitmap32* dst, TRect dstRect) override;

private:
  Integer steps_ = 4;
  bool updateRows_ = true;
};

// The outline first, then recursive halving by rows and columns.
class TTesseralRasterizer : public TRasterizer {
protected:
  void DoRasterize(TBitmap32* dst, TRect dstRect) override;
};

// Walks paths of least colour change.
class TContourRasterizer : public TRasterizer {
protected:
  void DoRasterize(TBitmap32* dst, TRect dstRect) override;
};

// Rows handed out to one worker thread per processor by one atomic counter. The
// sampler is called from all of them at once: only samplers that just read
// pixels (the resamplers) may be used with it.
class TMultithreadedRegularRasterizer : public TRasterizer {
protected:
  void DoRasterize(TBitmap32* dst, TRect dstRect) override;
};

using TRasterizerClass = TRasterizer* (*)();
template <class T>
TRasterizer* NewRasterizer() {
  return new T;
}
extern TRasterizerClass DefaultRasterizerClass;
// How many worker threads the multithreaded rasterizer starts.
extern Integer NumberOfProcessors;
