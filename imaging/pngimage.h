// The PNG picture class: a PNG kept as the ordered list of its chunks, the decoded
// picture in the header chunk, registered with TPicture as "PNG".
#pragma once

#include <initializer_list>

#include "imaging/png/ChunkModel.h"
#include "imaging/png/Picture.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"

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

// Raises the exception class of a message id with its text (and zlib's text).
[[noreturn]] void RaisePngError(int messageId, int zlibCode = 0);

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
  using Interlace = TInterlaceMethod;
  using TransparencyMode = TPNGTransparencyMode;
  using FilterSet = TFilters;
  static constexpr bool kRaisesErrors = true;
  static constexpr bool kKeepsUnknownCriticalChunks = false;
  [[noreturn]] static void Raise(int messageId, int zlibCode) { RaisePngError(messageId, zlibCode); }
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

// The PNG picture. Every failure raises the codec's exception class with its text.
class TPNGObject : public png::Picture<TPNGChunkSet> {
public:
  TPNGObject() = default;
  // A blank picture. EPNGInvalidSpec for a colour type and depth outside the
  // standard, EPNGInvalidNewSize for a side below 1 or a picture too large.
  TPNGObject(Cardinal colorType, Cardinal bitDepth, Integer width, Integer height) {
    BuildBlank(colorType, bitDepth, width, height);
  }
  ~TPNGObject() override { FreeChunks(); }

  // Reads a whole PNG; a malformed one raises the codec's error and leaves the
  // picture as it was.
  void LoadFromStream(TStream& stream) override;
  void LoadFromClipboardFormat(Word format, HANDLE data, HPALETTE palette) override;
  void SaveToClipboardFormat(Word& format, HANDLE& data, HPALETTE& palette) override;

  void ClearChunks() { FreeChunks(); }
  // Rows of the picture (0 = top); EPNGHeaderNotPresent without a header.
  Byte* Scanline(int row) const { return ImageRow(row); }
  Byte* ExtraScanline(int row) const { return ExtraRow(row); }
  Byte* AlphaScanline(int row) const { return AlphaRow(row); }
  void CreateAlpha() { AddAlphaChannel(); }

  static String GetLibraryVersion() { return "1.564"; }
};
