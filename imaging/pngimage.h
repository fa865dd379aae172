// The PNG picture class: a PNG kept as the ordered list of its chunks, the decoded
// picture in the header chunk, registered with TPicture as "PNG".
#pragma once

#include <functional>
#include <memory>
#include <vector>

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
class TChunkIHDR;

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
enum TUnitType { utUnknown, utMeter };

// One chunk: its name, its raw data and the picture that holds it.
class TChunk : public TObject {
public:
  explicit TChunk(TPNGObject* owner);
  ~TChunk() override = default;

  // The chunk type a class stands for ("IHDR"); empty for the plain chunk.
  virtual String GetName() const { return String(); }
  virtual void Assign(TChunk* source);
  // Reads `size` data bytes and the CRC; EPngInvalidCRC when it differs.
  virtual bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size);
  virtual bool SaveToStream(TStream& stream) { return SaveData(stream); }

  void ResizeData(Cardinal size);
  int GetIndex() const;
  TChunkIHDR* GetHeader() const;
  String GetChunkName() const { return String(name_, 4); }
  void SetChunkName(const String& name);
  bool SaveData(TStream& stream);

  Byte* Data() { return data_.data(); }
  const Byte* Data() const { return data_.data(); }
  Cardinal DataSize() const { return size_; }
  TPNGObject* Owner() const { return owner_; }

protected:
  void InitName();

private:
  std::vector<Byte> data_ = std::vector<Byte>(1, 0);  // always one byte more than the size
  Cardinal size_ = 0;
  TPNGObject* owner_;
  char name_[4] = {0, 0, 0, 0};
};

class TChunkIEND : public TChunk {
public:
  explicit TChunkIEND(TPNGObject* owner) : TChunk(owner) { InitName(); }
  String GetName() const override { return "IEND"; }
};

// The header chunk: the 13 header bytes and the decoded picture.
class TChunkIHDR : public TChunk {
public:
  explicit TChunkIHDR(TPNGObject* owner) : TChunk(owner) { InitName(); }
  ~TChunkIHDR() override { FreeImageData(); }
  String GetName() const override { return "IHDR"; }
  void Assign(TChunk* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  // Builds empty storage from the header record. EPngInvalidIHDR for a pair without a
  // bitmap format, EPNGOutMemory when the system refuses the bitmap.
  void PrepareImageData();
  void FreeImageData();

  png::Header Header;
  png::ImageStore& Store() { return store_; }
  const png::ImageStore& Store() const { return store_; }
  HBITMAP ImageHandle() const { return store_.Bitmap(); }
  HDC ImageDC() const { return store_.Dc(); }
  HPALETTE ImagePalette() const { return store_.Palette(); }
  bool HasPalette() const { return store_.HasPalette(); }
  Cardinal BytesPerRow() const { return store_.Stride(); }

private:
  png::ImageStore store_;
};

// The image data: decoding all consecutive IDAT chunks and writing the picture back.
class TChunkIDAT : public TChunk {
public:
  explicit TChunkIDAT(TPNGObject* owner) : TChunk(owner) { InitName(); }
  String GetName() const override { return "IDAT"; }
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;
};

class TChunkPLTE : public TChunk {
public:
  explicit TChunkPLTE(TPNGObject* owner) : TChunk(owner) { InitName(); }
  String GetName() const override { return "PLTE"; }
  void Assign(TChunk* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;
  // Colour-table entry `index` as 0x00RRGGBB; EPngError when out of range.
  Cardinal GetPaletteItem(int index) const;
  int Count() const { return count_; }
  void SetCount(int count) { count_ = count; }

private:
  int count_ = 0;
};

class TChunkgAMA : public TChunk {
public:
  explicit TChunkgAMA(TPNGObject* owner);
  String GetName() const override { return "gAMA"; }
  void Assign(TChunk* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  Cardinal GetValue();
  void SetValue(Cardinal value);
};

class TChunktRNS : public TChunk {
public:
  explicit TChunktRNS(TPNGObject* owner);
  String GetName() const override { return "tRNS"; }
  void Assign(TChunk* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;
  // `color` is 0x00BBGGRR as a TColor in RGB form.
  void SetTransparentColor(TColor color);
  TColor GetTransparentColor();

  bool BitTransparency = false;
  Byte PaletteValues[256];
};

class TChunkpHYs : public TChunk {
public:
  explicit TChunkpHYs(TPNGObject* owner) : TChunk(owner) { InitName(); }
  String GetName() const override { return "pHYs"; }
  void Assign(TChunk* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  Cardinal PPUnitX = 0;
  Cardinal PPUnitY = 0;
  TUnitType UnitType = utUnknown;
};

class TChunktIME : public TChunk {
public:
  explicit TChunktIME(TPNGObject* owner) : TChunk(owner) { InitName(); }
  String GetName() const override { return "tIME"; }
  void Assign(TChunk* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  Word Year = 0;
  Byte Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

class TChunktEXt : public TChunk {
public:
  explicit TChunktEXt(TPNGObject* owner) : TChunk(owner) { InitName(); }
  String GetName() const override { return "tEXt"; }
  void Assign(TChunk* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  String Keyword;
  String Text;
};

class TChunkzTXt : public TChunktEXt {
public:
  explicit TChunkzTXt(TPNGObject* owner) : TChunktEXt(owner) { InitName(); }
  String GetName() const override { return "zTXt"; }
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  // False, writing nothing, when the text cannot be deflated.
  bool SaveToStream(TStream& stream) override;
};

// A growable array of pointers; the count is also the allocated size.
class TPNGPointerList : public TObject {
public:
  explicit TPNGPointerList(TPNGObject* owner) : owner_(owner) {}
  virtual void* Remove(void* item);
  void Add(void* item);
  void Insert(void* item, Cardinal position);
  void* GetItem(Cardinal index) const { return index < items_.size() ? items_[index] : nullptr; }
  void SetItem(Cardinal index, void* item) {
    if (index < items_.size()) items_[index] = item;
  }
  void SetSize(Cardinal size) { items_.resize(size, nullptr); }
  Cardinal Count() const { return Cardinal(items_.size()); }
  TPNGObject* Owner() const { return owner_; }

private:
  TPNGObject* owner_;
  std::vector<void*> items_;
};

// The picture's chunks, in file order, owned.
class TPNGList : public TPNGPointerList {
public:
  using TPNGPointerList::TPNGPointerList;
  using TPNGPointerList::Add;  // appends without the placement rules
  TChunk* GetItem(Cardinal index) const { return static_cast<TChunk*>(TPNGPointerList::GetItem(index)); }
  // The first chunk of class T or a descendant; nullptr when none.
  template <class T>
  T* FindChunk() const {
    for (Cardinal i = 0; i < Count(); ++i)
      if (auto* chunk = dynamic_cast<T*>(GetItem(i))) return chunk;
    return nullptr;
  }
  template <class T>
  T* ItemFromClass() const { return FindChunk<T>(); }
  // Creates a chunk of class T and puts it where the PNG order requires.
  template <class T>
  T* Add() {
    auto* chunk = new T(Owner());
    Place(chunk);
    return chunk;
  }
  void RemoveChunk(TChunk* chunk);

private:
  void Place(TChunk* chunk);
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
