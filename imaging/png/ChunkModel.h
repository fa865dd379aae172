// The chunk model shared by the PNG picture and the skin engine's PNG image: the chunk
// base, the chunk classes, the pointer list, the chunk list with its placing rules and
// the chunk-class registry, as templates over a chunk set.
//
// A picture class names its own classes over these templates and describes them in
// its chunk set `S`:
//   S::Owner              the picture class that holds the chunks
//   S::Base, S::IEND, S::IHDR, S::IDAT, S::PLTE, S::gAMA, S::tRNS, S::pHYs, S::tIME,
//   S::tEXt, S::zTXt      its chunk classes (each derives from the template of its kind)
//   S::List               its chunk list (derived from ChunkList<S>)
//   S::kRaisesErrors      true: a refused operation raises through Owner::RaiseError;
//                         false: it gives its empty result (nullptr, 0) instead.
// The owner provides: Chunks(), RaiseError(id, zlibCode) (never returns), GammaTable,
// InverseGamma, InterlaceMethod, Filters, CompressionLevel, MaxIdatSize(),
// BeingCreated(), DoSetPalette(palette, updateColors), BindCanvas(dc), UnbindCanvas(dc).
//
// The member bodies are in ChunkModelImpl.h, which each picture class's unit includes
// to instantiate the templates for its chunk set.
#pragma once

#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/png/Format.h"
#include "imaging/png/ImageStore.h"
#include "platform/core/System.h"
#include "platform/graphics/Colors.h"
#include "platform/io/Streams.h"

enum TUnitType { utUnknown, utMeter };

namespace png {

// One chunk: its name, its raw data and the picture that holds it.
template <class S>
class Chunk : public TObject {
public:
  using OwnerType = typename S::Owner;

  explicit Chunk(OwnerType* owner) : owner_(owner) {}
  ~Chunk() override = default;

  // The chunk type a class stands for ("IHDR"); empty for the plain chunk.
  virtual String GetName() const { return String(); }
  // Copies name and data. The typed chunks refuse a source of another class
  // (kIncompatibleChunks).
  virtual void Assign(Chunk* source);
  // Reads `size` data bytes and the CRC; a differing CRC is the owner's kInvalidCrc.
  virtual bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size);
  virtual bool SaveToStream(TStream& stream) { return SaveData(stream); }

  void ResizeData(Cardinal size);
  int GetIndex() const;
  typename S::IHDR* GetHeader() const;
  String GetChunkName() const { return String(name_, 4); }
  void SetChunkName(const String& name);
  bool SaveData(TStream& stream);

  Byte* Data() { return data_.data(); }
  const Byte* Data() const { return data_.data(); }
  Cardinal DataSize() const { return size_; }
  OwnerType* Owner() const { return owner_; }

protected:
  // Takes the name from GetName; called by each typed chunk's constructor.
  void InitName();
  // Runs shared codec code; its failure is reported the owner's way.
  template <class F>
  void Guarded(F&& f) const;
  // Reports a refused operation: raises it through the owner, or nothing in a
  // quiet chunk set.
  void Refuse(int messageId) const;

private:
  std::vector<Byte> data_ = std::vector<Byte>(1, 0);  // always one byte more than the size
  Cardinal size_ = 0;
  OwnerType* owner_;  // borrowed: the picture owns its chunks
  char name_[4] = {0, 0, 0, 0};
};

template <class S>
class ChunkIEND : public S::Base {
public:
  explicit ChunkIEND(typename S::Owner* owner) : S::Base(owner) { this->InitName(); }
  String GetName() const override { return "IEND"; }
};

// The header chunk: the 13 header bytes and the decoded picture.
template <class S>
class ChunkIHDR : public S::Base {
public:
  explicit ChunkIHDR(typename S::Owner* owner) : S::Base(owner) { this->InitName(); }
  ~ChunkIHDR() override { FreeImageData(); }
  String GetName() const override { return "IHDR"; }
  void Assign(Chunk<S>* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  // Builds empty storage from the header record: kInvalidIhdr for a pair without a
  // bitmap format, kOutOfMemory when the system refuses the bitmap.
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
template <class S>
class ChunkIDAT : public S::Base {
public:
  explicit ChunkIDAT(typename S::Owner* owner) : S::Base(owner) { this->InitName(); }
  String GetName() const override { return "IDAT"; }
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;
};

template <class S>
class ChunkPLTE : public S::Base {
public:
  explicit ChunkPLTE(typename S::Owner* owner) : S::Base(owner) { this->InitName(); }
  String GetName() const override { return "PLTE"; }
  void Assign(Chunk<S>* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;
  // Colour-table entry `index` as 0x00RRGGBB; out of range kNoPaletteEntry (or 0).
  Cardinal GetPaletteItem(int index) const;
  int Count() const { return count_; }
  void SetCount(int count) { count_ = count; }

private:
  int count_ = 0;
};

template <class S>
class ChunkgAMA : public S::Base {
public:
  explicit ChunkgAMA(typename S::Owner* owner) : S::Base(owner) {
    this->InitName();
    SetValue(1);
  }
  String GetName() const override { return "gAMA"; }
  void Assign(Chunk<S>* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  Cardinal GetValue();
  void SetValue(Cardinal value);
};

template <class S>
class ChunktRNS : public S::Base {
public:
  explicit ChunktRNS(typename S::Owner* owner) : S::Base(owner) {
    this->InitName();
    std::memset(PaletteValues, 255, sizeof(PaletteValues));
  }
  String GetName() const override { return "tRNS"; }
  void Assign(Chunk<S>* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;
  // `color` is 0x00BBGGRR as a TColor in RGB form.
  void SetTransparentColor(TColor color);
  TColor GetTransparentColor();

  bool BitTransparency = false;
  Byte PaletteValues[256];
};

template <class S>
class ChunkpHYs : public S::Base {
public:
  explicit ChunkpHYs(typename S::Owner* owner) : S::Base(owner) { this->InitName(); }
  String GetName() const override { return "pHYs"; }
  void Assign(Chunk<S>* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  Cardinal PPUnitX = 0;
  Cardinal PPUnitY = 0;
  TUnitType UnitType = utUnknown;
};

template <class S>
class ChunktIME : public S::Base {
public:
  explicit ChunktIME(typename S::Owner* owner) : S::Base(owner) { this->InitName(); }
  String GetName() const override { return "tIME"; }
  void Assign(Chunk<S>* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  Word Year = 0;
  Byte Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

template <class S>
class ChunktEXt : public S::Base {
public:
  explicit ChunktEXt(typename S::Owner* owner) : S::Base(owner) { this->InitName(); }
  String GetName() const override { return "tEXt"; }
  void Assign(Chunk<S>* source) override;
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  bool SaveToStream(TStream& stream) override;

  String Keyword;
  String Text;
};

template <class S>
class ChunkzTXt : public S::tEXt {
public:
  explicit ChunkzTXt(typename S::Owner* owner) : S::tEXt(owner) { this->InitName(); }
  String GetName() const override { return "zTXt"; }
  bool LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) override;
  // False, writing nothing, when the text cannot be deflated.
  bool SaveToStream(TStream& stream) override;
};

// A growable array of pointers; the count is also the allocated size.
template <class OwnerT>
class PointerList : public TObject {
public:
  explicit PointerList(OwnerT* owner) : owner_(owner) {}
  // Drops the last entry holding `item`; the item, or nullptr when absent.
  virtual void* Remove(void* item) {
    for (std::size_t i = items_.size(); i-- > 0;)
      if (items_[i] == item) {
        items_.erase(items_.begin() + std::ptrdiff_t(i));
        return item;
      }
    return nullptr;
  }
  void Add(void* item) { items_.push_back(item); }
  // Shifts the tail up; a position at or past the end of a non-empty list is ignored.
  void Insert(void* item, Cardinal position) {
    if (!items_.empty() && position >= items_.size()) return;
    items_.insert(items_.begin() + std::ptrdiff_t(std::min<std::size_t>(position, items_.size())), item);
  }
  void* GetItem(Cardinal index) const { return index < items_.size() ? items_[index] : nullptr; }
  void SetItem(Cardinal index, void* item) {
    if (index < items_.size()) items_[index] = item;
  }
  void SetSize(Cardinal size) { items_.resize(size, nullptr); }
  Cardinal Count() const { return Cardinal(items_.size()); }
  OwnerT* Owner() const { return owner_; }

private:
  OwnerT* owner_;  // borrowed
  std::vector<void*> items_;
};

// A picture's chunks in file order, owned by the picture (which frees them).
template <class S>
class ChunkList : public PointerList<typename S::Owner> {
public:
  using PointerList<typename S::Owner>::PointerList;
  using PointerList<typename S::Owner>::Add;  // appends without the placing rules
  typename S::Base* GetItem(Cardinal index) const {
    return static_cast<typename S::Base*>(PointerList<typename S::Owner>::GetItem(index));
  }
  // The first chunk of class T or a descendant; nullptr when none.
  template <class T>
  T* ItemFromClass() const {
    for (Cardinal i = 0; i < this->Count(); ++i)
      if (auto* chunk = dynamic_cast<T*>(GetItem(i))) return chunk;
    return nullptr;
  }
  // Creates a chunk of class T and puts it where the PNG order requires. A refused
  // chunk raises the refusal through the owner, or gives nullptr.
  template <class T>
  T* Add() {
    auto* chunk = new T(this->Owner());
    if (const int refusal = Place(chunk)) {
      delete chunk;
      if constexpr (S::kRaisesErrors) this->Owner()->RaiseError(refusal);
      return nullptr;
    }
    return chunk;
  }
  // Removes the chunk and frees it.
  void RemoveAndFree(typename S::Base* chunk) {
    if (this->Remove(chunk)) delete chunk;
  }

private:
  // Places the chunk by the PNG order; 0, or the refusal's message id.
  int Place(typename S::Base* chunk);
};

// The chunk classes by type name, one registry per chunk set.
template <class S>
class ChunkRegistry {
public:
  using Factory = typename S::Base* (*)(typename S::Owner* owner);
  static void Register(const String& name, Factory factory);
  // A chunk of the first class registered under `name` exactly, else a plain chunk.
  static typename S::Base* Create(const String& name, typename S::Owner* owner);
  // The standard classes in their order: IEND, IHDR, IDAT, PLTE, gAMA, tRNS, pHYs,
  // tIME, tEXt, zTXt.
  static void RegisterStandard();
  template <class T>
  static void Register() {
    Register(T(nullptr).GetName(), [](typename S::Owner* owner) -> typename S::Base* { return new T(owner); });
  }
};

}  // namespace png
