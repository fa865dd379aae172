// The skin engine's PNG picture: a PNG kept as the ordered list of its chunks, the
// decoded picture in the header chunk. It reports no errors: bad input ends loading
// quietly with the chunks read so far, an image whose header could not be prepared
// stays empty.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "imaging/png/ChunkModel.h"
#include "imaging/png/Filters.h"
#include "imaging/png/Format.h"
#include "imaging/png/ImageStore.h"
#include "imaging/png/Messages.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/Graphic.h"

class TspPngImage;
class TspPngLayer;
class TspPngLayerIEND;
class TspPngLayerIHDR;
class TspPngLayerIDAT;
class TspPngLayerPLTE;
class TspPngLayergAMA;
class TspPngLayertRNS;
class TspPngLayerpHYs;
class TspPngLayertIME;
class TspPngLayertEXt;
class TspPngLayerzTXt;
class TspPngList;

enum TspPngFilter { bspfNone, bspfSub, bspfUp, bspfAverage, bspfPaeth };
using TspPngFilters = unsigned;  // bit set: 1 << TspPngFilter
constexpr TspPngFilters SpFilterSet(std::initializer_list<TspPngFilter> filters) {
  TspPngFilters set = 0;
  for (TspPngFilter f : filters) set |= 1u << f;
  return set;
}
using TspCompressionLevel = int;
enum TspInterlaceMethod { bsimNone, bsimAdam7 };
enum TspPngTransparencyMode { bsptmNone, bsptmBit, bsptmPngLayerial };

// The skin image's chunk classes over the shared chunk model; a refused operation
// gives its empty result and raises nothing.
struct TspPngLayerSet {
  using Owner = TspPngImage;
  using Base = TspPngLayer;
  using IEND = TspPngLayerIEND;
  using IHDR = TspPngLayerIHDR;
  using IDAT = TspPngLayerIDAT;
  using PLTE = TspPngLayerPLTE;
  using gAMA = TspPngLayergAMA;
  using tRNS = TspPngLayertRNS;
  using pHYs = TspPngLayerpHYs;
  using tIME = TspPngLayertIME;
  using tEXt = TspPngLayertEXt;
  using zTXt = TspPngLayerzTXt;
  using List = TspPngList;
  static constexpr bool kRaisesErrors = false;
};

// One chunk: its name, its raw data and the picture that holds it; a chunk of an
// unregistered type keeps its bytes in a plain TspPngLayer.
class TspPngLayer : public png::Chunk<TspPngLayerSet> {
public:
  using Chunk::Chunk;
};
class TspPngLayerIEND : public png::ChunkIEND<TspPngLayerSet> {
public:
  using ChunkIEND::ChunkIEND;
};
// The header chunk: the 13 header bytes and the decoded picture.
class TspPngLayerIHDR : public png::ChunkIHDR<TspPngLayerSet> {
public:
  using ChunkIHDR::ChunkIHDR;
};
// The image data: decoding all consecutive IDAT chunks and writing the picture back.
class TspPngLayerIDAT : public png::ChunkIDAT<TspPngLayerSet> {
public:
  using ChunkIDAT::ChunkIDAT;
};
// GetPaletteItem gives 0 for an entry out of range.
class TspPngLayerPLTE : public png::ChunkPLTE<TspPngLayerSet> {
public:
  using ChunkPLTE::ChunkPLTE;
};
class TspPngLayergAMA : public png::ChunkgAMA<TspPngLayerSet> {
public:
  using ChunkgAMA::ChunkgAMA;
};
class TspPngLayertRNS : public png::ChunktRNS<TspPngLayerSet> {
public:
  using ChunktRNS::ChunktRNS;
};
class TspPngLayerpHYs : public png::ChunkpHYs<TspPngLayerSet> {
public:
  using ChunkpHYs::ChunkpHYs;
};
class TspPngLayertIME : public png::ChunktIME<TspPngLayerSet> {
public:
  using ChunktIME::ChunktIME;
};
class TspPngLayertEXt : public png::ChunktEXt<TspPngLayerSet> {
public:
  using ChunktEXt::ChunktEXt;
};
class TspPngLayerzTXt : public png::ChunkzTXt<TspPngLayerSet> {
public:
  using ChunkzTXt::ChunkzTXt;
};

using TspPngPointerList = png::PointerList<TspPngImage>;

// The picture's chunks, in file order, owned. Add<T>() gives nullptr for a chunk the
// PNG order refuses.
class TspPngList : public png::ChunkList<TspPngLayerSet> {
public:
  using ChunkList::ChunkList;
  template <class T>
  T* FindPngLayer() const { return ItemFromClass<T>(); }
  void RemovePngLayer(TspPngLayer* chunk) { RemoveAndFree(chunk); }
};

// The chunk-class registry: chunk classes by type name.
using TspPngLayerFactory = TspPngLayer* (*)(TspPngImage* owner);
void RegisterPngLayer(const String& name, TspPngLayerFactory factory);
template <class T>
void RegisterPngLayer() {
  RegisterPngLayer(T(nullptr).GetName(), [](TspPngImage* owner) -> TspPngLayer* { return new T(owner); });
}

class TspPngImage : public TGraphic {
public:
  TspPngImage();
  // A blank picture; a colour type and depth outside the standard, a side below 1
  // or a picture too large leave it empty.
  TspPngImage(Cardinal colorType, Cardinal bitDepth, Integer width, Integer height);
  ~TspPngImage() override;

  void Assign(const TPersistent* source) override;
  void Draw(TCanvas* canvas, const TRect& rect) override;
  bool Empty() const override { return chunks_->Count() == 0; }
  int Width() const override;
  int Height() const override;
  void SetWidth(int width) override { Resize(width, Height()); }
  void SetHeight(int height) override { Resize(Width(), height); }
  bool Transparent() const override;
  HPALETTE Palette() override;
  void SetPalette(HPALETTE palette) override { DoSetPalette(palette, true); }
  // Reads a PNG. Nothing is raised: a wrong signature leaves the picture empty, a
  // malformed chunk ends loading with the chunks read so far, and a header whose
  // picture cannot be built empties it.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // Inside a form definition: a 4-byte little-endian length, then the PNG bytes.
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;
  void LoadFromResourceName(HINSTANCE instance, const String& name);
  void LoadFromResourceID(HINSTANCE instance, int resId);

  virtual TColor GetPixels(int x, int y);
  virtual void SetPixels(int x, int y, TColor color);

  void AssignPNG(const TspPngImage* source);
  void AssignHandle(HBITMAP bitmap, bool transparent, TColor transparentColor);
  void ClearPngLayers();
  void Resize(Integer width, Integer height);

  bool HeaderPresent() const;
  TspPngLayerIHDR* Header() const;  // nullptr without one
  void GetPixelInfo(Cardinal& lineSize, Cardinal& offset) const;
  Byte* GetScanline(int row) const;
  Byte* GetExtraScanline(int row) const;
  Byte* GetAlphaScanline(int row) const;
  void DoSetPalette(HPALETTE palette, bool updateColors);

  TspPngTransparencyMode TransparencyMode() const;
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);
  void RemoveTransparency();
  void InitAlpha();
  bool HasPixelInformation() const { return chunks_->FindPngLayer<TspPngLayerpHYs>() != nullptr; }
  TspPngLayerpHYs* GetPixelInformation();
  void AddtEXt(const String& keyword, const String& text);
  void AddzTXt(const String& keyword, const String& text);
  // Draws at the physical size of pHYs on the screen; a pHYs of 0 pixels per unit
  // draws at pixel size.
  void DrawUsingPixelInformation(TCanvas* canvas, const TPoint& point);
  // Draws on a device context, the core of Draw.
  void DrawToDC(HDC dc, const TRect& rect);
  // Stops the chunk at hand; the picture's public operations end quietly on it.
  [[noreturn]] void RaiseError(int messageId, int zlibCode = 0) const { png::Fail(messageId, zlibCode); }


  TspPngList& Chunks() const { return *chunks_; }
  TCanvas* Canvas() const { return canvas_.get(); }
  void BindCanvas(HDC dc);
  void UnbindCanvas(HDC dc);

  TspPngFilters Filters = SpFilterSet({bspfSub});
  TspCompressionLevel CompressionLevel = 7;
  Integer MaxIdatSize() const { return maxIdatSize_; }
  void SetMaxIdatSize(Integer value) { maxIdatSize_ = value < 65535 ? 65535 : value; }
  TspInterlaceMethod InterlaceMethod = bsimNone;
  bool BeingCreated() const { return beingCreated_; }

  Byte GammaTable[256];
  Byte InverseGamma[256];

protected:
  void AssignTo(TPersistent* dest) const override;

private:
  void InitializeGamma();
  void ReadChunks(TStream& stream);

  std::unique_ptr<TCanvas> canvas_;  // owned; bound to the header's device context
  std::unique_ptr<TspPngList> chunks_;  // owned, with every chunk in it
  Integer maxIdatSize_ = 65535;
  bool beingCreated_ = false;
};
