#include "imaging/pngimage.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "imaging/png/ChunkIO.h"
#include "imaging/png/Messages.h"
#include "imaging/png/PictureImpl.h"
#if __has_include("platform/graphics/Picture.h")
#include "platform/graphics/Picture.h"
#define VARNEL_HAS_PICTURE 1
#endif

using namespace png;

PNG_INSTANTIATE_CHUNK_MODEL(TPNGChunkSet);
template class png::Picture<TPNGChunkSet>;

// ---------------------------------------------------------------------------
// Errors

void RaisePngError(int id, int zlibCode) {
  const String text = Failure{id, zlibCode}.Text();
  switch (id) {
    case kNoImageData: throw EPNGNoImageData(text);
    case kExistentCriticalChunk:
    case kInvalidImageForChunk:
    case kNoPaletteEntry:
    case kIncompatibleChunks: throw EPngError(text);
    case kCouldNotLoadResource: throw EPNGCouldNotLoadResource(text);
    case kOutOfMemory: throw EPNGOutMemory(text);
    case kCannotChangeTransparent: throw EPNGCannotChangeTransparent(text);
    case kHeaderNotPresent: throw EPNGHeaderNotPresent(text);
    case kInvalidNewSize: throw EPNGInvalidNewSize(text);
    case kInvalidSpec: throw EPNGInvalidSpec(text);
    case kInvalidCrc: throw EPngInvalidCRC(text);
    case kInvalidIhdr: throw EPngInvalidIHDR(text);
    case kMissingMultipleIdat: throw EPNGMissingMultipleIDAT(text);
    case kZlibError: throw EPNGZLIBError(text);
    case kInvalidPalette: throw EPNGInvalidPalette(text);
    case kInvalidFileHeader: throw EPNGInvalidFileHeader(text);
    case kIhdrNotFirst: throw EPNGIHDRNotFirst(text);
    case kNotExists: throw EPNGNotExists(text);
    case kSizeExceeds: throw EPNGSizeExceeds(text);
    case kMissingPalette: throw EPNGMissingPalette(text);
    case kUnknownCriticalChunk: throw EPNGUnknownCriticalChunk(text);
    case kUnknownCompression: throw EPNGUnknownCompression(text);
    case kUnknownInterlace: throw EPNGUnknownInterlace(text);
    default: throw EPngUnexpectedEnd(text);
  }
}

namespace {

using Registry = ChunkRegistry<TPNGChunkSet>;

const struct Startup {
  Startup() {
    Registry::RegisterStandard();
#ifdef VARNEL_HAS_PICTURE
    TPicture::RegisterFileFormat("PNG", "Portable Network Graphics", GraphicClassOf<TPNGObject>());
#endif
  }
} startup;

}  // namespace

void RegisterChunk(const String& name, TChunkFactory factory) { Registry::Register(name, factory); }

// ---------------------------------------------------------------------------
// The picture

void TPNGObject::LoadFromStream(TStream& stream) {
  // The picture as it was comes back when the stream is refused.
  std::unique_ptr<TPNGList> previous = std::move(chunks_);
  Byte gamma[256], inverse[256];
  std::memcpy(gamma, GammaTable, 256);
  std::memcpy(inverse, InverseGamma, 256);
  const TInterlaceMethod interlace = InterlaceMethod;
  chunks_ = std::make_unique<TPNGList>(this);
  InitializeGamma();
  try {
    ReadChunks(stream);
  } catch (...) {
    FreeChunks();
    chunks_ = std::move(previous);
    std::memcpy(GammaTable, gamma, 256);
    std::memcpy(InverseGamma, inverse, 256);
    InterlaceMethod = interlace;
    if (TChunkIHDR* header = HeaderChunk(); header && header->ImageDC()) BindCanvas(header->ImageDC());
    throw;
  }
  for (Cardinal i = previous->Count(); i-- > 0;) delete previous->GetItem(i);
  Changed(this);
}

void TPNGObject::LoadFromClipboardFormat(Word format, HANDLE data, HPALETTE palette) {
  TBitmap bitmap;
  bitmap.LoadFromClipboardFormat(format, data, palette);
  AssignHandle(bitmap.Handle(), false, 0);
}

void TPNGObject::SaveToClipboardFormat(Word& format, HANDLE& data, HPALETTE& palette) {
  TBitmap bitmap(Width(), Height(), pf24bit);
  Draw(bitmap.Canvas(), TRect{0, 0, bitmap.Width(), bitmap.Height()});
  bitmap.SaveToClipboardFormat(format, data, palette);
}
