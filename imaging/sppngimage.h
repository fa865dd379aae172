// The skin engine's PNG picture: a PNG kept as the ordered list of its chunks, the
// decoded picture in the header chunk. It reports no errors: bad input ends loading
// quietly with the chunks read so far, an image whose header could not be prepared
// stays empty.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "imaging/png/Filters.h"
#include "imaging/png/Format.h"
#include "imaging/png/ImageStore.h"
#include "imaging/png/Messages.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/Graphic.h"
#include "imaging/pngimage.h"  // TUnitType

class TspPngImage;
class TspPngLayerIHDR;

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

// One chunk: its name, its raw data and the picture that holds it.
class TspPngLayer : public TObject {
public:
  explicit TspPngLayer(TspPngImage* owner);
  ~TspPngLayer() override = default;

  // The chunk type a class stands for ("IHDR"); empty for the plain chunk.
  virtual String GetName() const { return String(); }
  virtual void Assign(TspPngLayer* source);
  // Reads `size` data bytes and the CRC; false (or a codec failure) when it differs.
  virtual bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size);
  virtual bool SaveToStream(TStream& stream) { return SaveData(stream); }

  void ResizeData(Cardinal size);
  int GetIndex() const;
  TspPngLayerIHDR* GetHeader() const;
  String GetChunkName() const { return String(name_, 4); }
  void SetChunkName(const String& name);
  bool SaveData(TStream& stream);

  Byte* Data() { return data_.data(); }
  const Byte* Data() const { return data_.data(); }
  Cardinal DataSize() const { return size_; }
  TspPngImage* Owner() const { return owner_; }

protected:
  void InitName();

private:
  std::vector<Byte> data_ = std::vector<Byte>(1, 0);  // always one byte more than the size
  Cardinal size_ = 0;
  TspPngImage* owner_;
  char name_[4] = {0, 0, 0, 0};
};

class TspPngLayerIEND : public TspPngLayer {
public:
  explicit TspPngLayerIEND(TspPngImage* owner) : TspPngLayer(owner) { InitName(); }
  String GetName() const override { return "IEND"; }
};

// The header chunk: the 13 header bytes and the decoded picture.
class TspPngLayerIHDR : public TspPngLayer {
public:
  explicit TspPngLayerIHDR(TspPngImage* owner) : TspPngLayer(owner) { InitName(); }
  ~TspPngLayerIHDR() override { FreeImageData(); }
  String GetName() const override { return "IHDR"; }
  void Assign(TspPngLayer* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  // Builds empty storage from the header record; a codec failure for a pair without
  // a bitmap format or when the system refuses the bitmap.
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
class TspPngLayerIDAT : public TspPngLayer {
public:
  explicit TspPngLayerIDAT(TspPngImage* owner) : TspPngLayer(owner) { InitName(); }
  String GetName() const override { return "IDAT"; }
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;
};

class TspPngLayerPLTE : public TspPngLayer {
public:
  explicit TspPngLayerPLTE(TspPngImage* owner) : TspPngLayer(owner) { InitName(); }
  String GetName() const override { return "PLTE"; }
  void Assign(TspPngLayer* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;
  // Colour-table entry `index` as 0x00RRGGBB; 0 when out of range.
  Cardinal GetPaletteItem(int index) const;
  int Count() const { return count_; }
  void SetCount(int count) { count_ = count; }

private:
  int count_ = 0;
};

class TspPngLayergAMA : public TspPngLayer {
public:
  explicit TspPngLayergAMA(TspPngImage* owner);
  String GetName() const override { return "gAMA"; }
  void Assign(TspPngLayer* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  Cardinal GetValue();
  void SetValue(Cardinal value);
};

class TspPngLayertRNS : public TspPngLayer {
public:
  explicit TspPngLayertRNS(TspPngImage* owner);
  String GetName() const override { return "tRNS"; }
  void Assign(TspPngLayer* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;
  // `color` is 0x00BBGGRR as a TColor in RGB form.
  void SetTransparentColor(TColor color);
  TColor GetTransparentColor();

  bool BitTransparency = false;
  Byte PaletteValues[256];
};

class TspPngLayerpHYs : public TspPngLayer {
public:
  explicit TspPngLayerpHYs(TspPngImage* owner) : TspPngLayer(owner) { InitName(); }
  String GetName() const override { return "pHYs"; }
  void Assign(TspPngLayer* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  Cardinal PPUnitX = 0;
  Cardinal PPUnitY = 0;
  TUnitType UnitType = utUnknown;
};

class TspPngLayertIME : public TspPngLayer {
public:
  explicit TspPngLayertIME(TspPngImage* owner) : TspPngLayer(owner) { InitName(); }
  String GetName() const override { return "tIME"; }
  void Assign(TspPngLayer* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  Word Year = 0;
  Byte Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

class TspPngLayertEXt : public TspPngLayer {
public:
  explicit TspPngLayertEXt(TspPngImage* owner) : TspPngLayer(owner) { InitName(); }
  String GetName() const override { return "tEXt"; }
  void Assign(TspPngLayer* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  String Keyword;
  String Text;
};

class TspPngLayerzTXt : public TspPngLayertEXt {
public:
  explicit TspPngLayerzTXt(TspPngImage* owner) : TspPngLayertEXt(owner) { InitName(); }
  String GetName() const override { return "zTXt"; }
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  // False, writing nothing, when the text cannot be deflated.
  bool SaveToStream(TStream& stream) override;
};

// A growable array of pointers; the count is also the allocated size.
class TspPngPointerList : public TObject {
public:
  explicit TspPngPointerList(TspPngImage* owner) : owner_(owner) {}
  virtual void* Remove(void* item);
  void Add(void* item);
  void Insert(void* item, Cardinal position);
  void* GetItem(Cardinal index) const { return index < items_.size() ? items_[index] : nullptr; }
  void SetItem(Cardinal index, void* item) {
    if (index < items_.size()) items_[index] = item;
  }
  void SetSize(Cardinal size) { items_.resize(size, nullptr); }
  Cardinal Count() const { return Cardinal(items_.size()); }
  TspPngImage* Owner() const { return owner_; }

private:
  TspPngImage* owner_;
  std::vector<void*> items_;
};

// The picture's chunks, in file order, owned.
class TspPngList : public TspPngPointerList {
public:
  using TspPngPointerList::TspPngPointerList;
  using TspPngPointerList::Add;  // appends without the placement rules
  TspPngLayer* GetItem(Cardinal index) const { return static_cast<TspPngLayer*>(TspPngPointerList::GetItem(index)); }
  // The first chunk of class T or a descendant; nullptr when none.
  template <class T>
  T* FindPngLayer() const {
    for (Cardinal i = 0; i < Count(); ++i)
      if (auto* chunk = dynamic_cast<T*>(GetItem(i))) return chunk;
    return nullptr;
  }
  template <class T>
  T* ItemFromClass() const { return FindPngLayer<T>(); }
  // Creates a chunk of class T and puts it where the PNG order requires.
  template <class T>
  T* Add() {
    auto* chunk = new T(Owner());
    if (Place(chunk)) return chunk;
    delete chunk;
    return nullptr;
  }
  void RemovePngLayer(TspPngLayer* chunk);

private:
  bool Place(TspPngLayer* chunk);
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
