// The skin engine's PNG picture: a PNG kept as the ordered list of its chunks, the
// decoded picture in the header chunk. It reports no errors: bad input ends loading
// quietly with the chunks read so far, an image whose header could not be prepared
// stays empty.
#pragma once

#include <initializer_list>

#include "imaging/png/ChunkModel.h"
#include "imaging/png/Messages.h"
#include "imaging/png/Picture.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"

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
  using Interlace = TspInterlaceMethod;
  using TransparencyMode = TspPngTransparencyMode;
  using FilterSet = TspPngFilters;
  static constexpr bool kRaisesErrors = false;
  static constexpr bool kKeepsUnknownCriticalChunks = true;
  // Stops the chunk at hand; the picture's public operations end quietly on it.
  [[noreturn]] static void Raise(int messageId, int zlibCode) { png::Fail(messageId, zlibCode); }
};

// One chunk: its name, its raw data and the picture that holds it; a chunk of an
// unregistered type keeps its bytes in a plain TspPngLayer.
class TspPngLayer : public png::Chunk<TspPngLayerSet> {
public:
  using Chunk::Chunk;
  String GetPngLayerName() const { return GetChunkName(); }
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

// The skin engine's PNG picture. It raises nothing: bad input and refused operations
// end quietly (see the top of this header).
class TspPngImage : public png::Picture<TspPngLayerSet> {
public:
  TspPngImage() = default;
  // A blank picture; a colour type and depth outside the standard, a side below 1
  // or a picture too large leave it empty.
  TspPngImage(Cardinal colorType, Cardinal bitDepth, Integer width, Integer height) {
    BuildBlank(colorType, bitDepth, width, height);
  }
  ~TspPngImage() override { FreeChunks(); }

  // Reads a PNG. Nothing is raised: a wrong signature leaves the picture empty, a
  // malformed chunk ends loading with the chunks read so far, and a header whose
  // picture cannot be built empties it.
  void LoadFromStream(TStream& stream) override;
  // Inside a form definition: a 4-byte little-endian length, then the PNG bytes.
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;

  void ClearPngLayers() { FreeChunks(); }
  // Rows of the picture (0 = top); nullptr without a header or outside the picture.
  Byte* GetScanline(int row) const { return ImageRow(row); }
  Byte* GetExtraScanline(int row) const { return ExtraRow(row); }
  Byte* GetAlphaScanline(int row) const { return AlphaRow(row); }
  void InitAlpha() { AddAlphaChannel(); }
};
