// The PNG picture class: a PNG kept as the ordered list of its chunks, the decoded
// picture in the header chunk, registered with TPicture as "PNG".
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "imaging/png/ChunkModel.h"
#include "imaging/png/Filters.h"
#include "imaging/png/Format.h"
#include "imaging/png/ImageStore.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/Graphic.h"

// One exception class per failure, each with its message text.
VARNEL_EXCEPTION(EPNGNoImageData, Exception);
VARNEL_EXCEPTION(EPngError, Exception);
VARNEL_EXCEPTION(EPNGCouldNotLoadResource, Exception);
VARNEL_EXCEPTION(EPNGOutMemory, Exception);
VARNEL_EXCEPTION(EPNGCannotChangeTransparent, Exception);
VARNEL_EXCEPTION(EPNGHeaderNotPresent, Exception);
VARNEL_EXCEPTION(EPNGInvalidNewSize, Exception);
VARNEL_EXCEPTION(EPNGInvalidSpec, Exception);
VARNEL_EXCEPTION(EPngInvalidCRC, Exception);
VARNEL_EXCEPTION(EPngInvalidIHDR, Exception);
VARNEL_EXCEPTION(EPNGMissingMultipleIDAT, Exception);
VARNEL_EXCEPTION(EPNGZLIBError, Exception);
VARNEL_EXCEPTION(EPNGInvalidPalette, Exception);
VARNEL_EXCEPTION(EPNGInvalidFileHeader, Exception);
VARNEL_EXCEPTION(EPNGIHDRNotFirst, Exception);
VARNEL_EXCEPTION(EPNGNotExists, Exception);
VARNEL_EXCEPTION(EPNGSizeExceeds, Exception);
VARNEL_EXCEPTION(EPNGMissingPalette, Exception);
VARNEL_EXCEPTION(EPNGUnknownCriticalChunk, Exception);
VARNEL_EXCEPTION(EPNGUnknownCompression, Exception);
VARNEL_EXCEPTION(EPNGUnknownInterlace, Exception);
VARNEL_EXCEPTION(EPngUnexpectedEnd, Exception);

// Raises the exception class of a message id with its text (and zlib's text).
[[noreturn]] void RaisePngError(int messageId, int zlibCode = 0);

class TPNGObject;
class TChunk;
class TChunkIEND;
class TChunkIHDR;
class TChunkIDAT;
class TChunkPLTE;
class TChunkgAMA;
class TChunktRNS;
class TChunkpHYs;
class TChunktIME;
class TChunktEXt;
class TChunkzTXt;
class TPNGList;

enum TFilter { pfNone, pfSub, pfUp, pfAverage, pfPaeth };
using TFilters = unsigned;  // bit set: 1 << TFilter
constexpr TFilters FilterSet(std::initializer_list<TFilter> filters) {
  TFilters set = 0;
  for (TFilter f : filters) set |= 1u << f;
  return set;
}
using TCompressionLevel = int;
enum TInterlaceMethod { imNone, imAdam7 };
enum TPNGTransparencyMode { ptmNone, ptmBit, ptmPartial };

// The picture's chunk classes over the shared chunk model; a refused operation raises.
struct TPNGChunkSet {
  using Owner = TPNGObject;
  using Base = TChunk;
  using IEND = TChunkIEND;
  using IHDR = TChunkIHDR;
  using IDAT = TChunkIDAT;
  using PLTE = TChunkPLTE;
  using gAMA = TChunkgAMA;
  using tRNS = TChunktRNS;
  using pHYs = TChunkpHYs;
  using tIME = TChunktIME;
  using tEXt = TChunktEXt;
  using zTXt = TChunkzTXt;
  using List = TPNGList;
  static constexpr bool kRaisesErrors = true;
};

// One chunk: its name, its raw data and the picture that holds it; a chunk of an
// unregistered type keeps its bytes in a plain TChunk.
class TChunk : public png::Chunk<TPNGChunkSet> {
public:
  using Chunk::Chunk;
};
class TChunkIEND : public png::ChunkIEND<TPNGChunkSet> {
public:
  using ChunkIEND::ChunkIEND;
};
// The header chunk: the 13 header bytes and the decoded picture.
class TChunkIHDR : public png::ChunkIHDR<TPNGChunkSet> {
public:
  using ChunkIHDR::ChunkIHDR;
};
// The image data: decoding all consecutive IDAT chunks and writing the picture back.
class TChunkIDAT : public png::ChunkIDAT<TPNGChunkSet> {
public:
  using ChunkIDAT::ChunkIDAT;
};
class TChunkPLTE : public png::ChunkPLTE<TPNGChunkSet> {
public:
  using ChunkPLTE::ChunkPLTE;
};
class TChunkgAMA : public png::ChunkgAMA<TPNGChunkSet> {
public:
  using ChunkgAMA::ChunkgAMA;
};
class TChunktRNS : public png::ChunktRNS<TPNGChunkSet> {
public:
  using ChunktRNS::ChunktRNS;
};
class TChunkpHYs : public png::ChunkpHYs<TPNGChunkSet> {
public:
  using ChunkpHYs::ChunkpHYs;
};
class TChunktIME : public png::ChunktIME<TPNGChunkSet> {
public:
  using ChunktIME::ChunktIME;
};
class TChunktEXt : public png::ChunktEXt<TPNGChunkSet> {
public:
  using ChunktEXt::ChunktEXt;
};
class TChunkzTXt : public png::ChunkzTXt<TPNGChunkSet> {
public:
  using ChunkzTXt::ChunkzTXt;
};

using TPNGPointerList = png::PointerList<TPNGObject>;

// The picture's chunks, in file order, owned. Add<T>() raises EPngError for a chunk
// the PNG order refuses.
class TPNGList : public png::ChunkList<TPNGChunkSet> {
public:
  using ChunkList::ChunkList;
  template <class T>
  T* FindChunk() const { return ItemFromClass<T>(); }
  void RemoveChunk(TChunk* chunk) { RemoveAndFree(chunk); }
};

// The chunk-class registry: chunk classes by type name.
using TChunkFactory = TChunk* (*)(TPNGObject* owner);
void RegisterChunk(const String& name, TChunkFactory factory);
template <class T>
void RegisterChunk() {
  RegisterChunk(T(nullptr).GetName(), [](TPNGObject* owner) -> TChunk* { return new T(owner); });
}

class TPNGObject : public TGraphic {
public:
  TPNGObject();
  // A blank picture. EPNGInvalidSpec for a colour type and depth outside the
  // standard, EPNGInvalidNewSize for a side below 1 or a picture too large.
  TPNGObject(Cardinal colorType, Cardinal bitDepth, Integer width, Integer height);
  ~TPNGObject() override;

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
  // Reads a whole PNG; a malformed one raises the codec's error and leaves the
  // picture as it was.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  void LoadFromClipboardFormat(Word format, HANDLE data, HPALETTE palette) override;
  void SaveToClipboardFormat(Word& format, HANDLE& data, HPALETTE& palette) override;
  void LoadFromResourceName(HINSTANCE instance, const String& name);
  void LoadFromResourceID(HINSTANCE instance, int resId);

  virtual TColor GetPixels(int x, int y);
  virtual void SetPixels(int x, int y, TColor color);

  void AssignPNG(const TPNGObject* source);
  void AssignHandle(HBITMAP bitmap, bool transparent, TColor transparentColor);
  void ClearChunks();
  void Resize(Integer width, Integer height);

  bool HeaderPresent() const;
  TChunkIHDR* Header() const;  // EPNGHeaderNotPresent without one
  void GetPixelInfo(Cardinal& lineSize, Cardinal& offset) const;
  Byte* Scanline(int row) const;
  Byte* ExtraScanline(int row) const;
  Byte* AlphaScanline(int row) const;
  void DoSetPalette(HPALETTE palette, bool updateColors);

  TPNGTransparencyMode TransparencyMode() const;
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);
  void RemoveTransparency();
  void CreateAlpha();
  bool HasPixelInformation() const { return chunks_->FindChunk<TChunkpHYs>() != nullptr; }
  TChunkpHYs* GetPixelInformation();
  void AddtEXt(const String& keyword, const String& text);
  void AddzTXt(const String& keyword, const String& text);
  // Draws at the physical size of pHYs on the screen; a pHYs of 0 pixels per unit
  // draws at pixel size.
  void DrawUsingPixelInformation(TCanvas* canvas, const TPoint& point);
  // Draws on a device context, the core of Draw.
  void DrawToDC(HDC dc, const TRect& rect);
  [[noreturn]] void RaiseError(int messageId, int zlibCode = 0) const { RaisePngError(messageId, zlibCode); }

  static String GetLibraryVersion() { return "1.564"; }

  TPNGList& Chunks() const { return *chunks_; }
  TCanvas* Canvas() const { return canvas_.get(); }
  void BindCanvas(HDC dc);
  void UnbindCanvas(HDC dc);

  TFilters Filters = FilterSet({pfSub});
  TCompressionLevel CompressionLevel = 7;
  Integer MaxIdatSize() const { return maxIdatSize_; }
  void SetMaxIdatSize(Integer value) { maxIdatSize_ = value < 65535 ? 65535 : value; }
  TInterlaceMethod InterlaceMethod = imNone;
  bool BeingCreated() const { return beingCreated_; }

  Byte GammaTable[256];
  Byte InverseGamma[256];

protected:
  void AssignTo(TPersistent* dest) const override;

private:
  void InitializeGamma();
  void ReadChunks(TStream& stream);

  std::unique_ptr<TCanvas> canvas_;  // owned; bound to the header's device context
  std::unique_ptr<TPNGList> chunks_;  // owned, with every chunk in it
  Integer maxIdatSize_ = 65535;
  bool beingCreated_ = false;
};
