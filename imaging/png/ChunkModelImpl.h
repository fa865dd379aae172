// The bodies of the chunk model's templates (ChunkModel.h). Included by the unit of
// each picture class, after that class is complete, which then instantiates the
// templates for its chunk set with PNG_INSTANTIATE_CHUNK_MODEL.
#pragma once

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>

#include "imaging/png/ByteOrder.h"
#include "imaging/png/ChunkIO.h"
#include "imaging/png/ChunkModel.h"
#include "imaging/png/Gamma.h"
#include "imaging/png/ImageData.h"
#include "imaging/png/Messages.h"
#include "imaging/png/Zlib.h"

namespace png {

// TColor (0x00BBGGRR) and the codec's 0x00RRGGBB.
inline TColor ToColor(Cardinal rgb) {
  return TColor(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}
inline Cardinal ToRgb(TColor color) { return ToColor(Cardinal(color)); }  // the same swap

// A logical palette of `count` entries (at most 256) from `fill(i)`.
template <class F>
HPALETTE MakePalette(int count, F&& fill) {
  std::vector<Byte> memory(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * 256);
  auto* log = reinterpret_cast<LOGPALETTE*>(memory.data());
  log->palVersion = 0x300;
  log->palNumEntries = WORD(count);
  for (int i = 0; i < count; ++i) log->palPalEntry[i] = fill(i);
  return ::CreatePalette(log);
}

// ---------------------------------------------------------------------------
// The chunk base

template <class S>
void Chunk<S>::InitName() {
  const String name = GetName();
  if (name.size() == 4) std::memcpy(name_, name.data(), 4);
}

template <class S>
template <class F>
void Chunk<S>::Guarded(F&& f) const {
  try {
    f();
  } catch (const Failure& failure) {
    owner_->RaiseError(failure.id, failure.zlibCode);
  }
}

template <class S>
void Chunk<S>::Refuse(int messageId) const {
  if constexpr (S::kRaisesErrors) owner_->RaiseError(messageId);
}

template <class S>
void Chunk<S>::SetChunkName(const String& name) {
  std::memset(name_, 0, 4);
  std::memcpy(name_, name.data(), std::min<std::size_t>(4, name.size()));
}

template <class S>
void Chunk<S>::ResizeData(Cardinal size) {
  data_.resize(std::size_t(size) + 1, 0);
  size_ = size;
}

template <class S>
int Chunk<S>::GetIndex() const {
  const auto& list = owner_->Chunks();
  for (Cardinal i = 0; i < list.Count(); ++i)
    if (list.GetItem(i) == this) return int(i);
  return -1;
}

template <class S>
typename S::IHDR* Chunk<S>::GetHeader() const {
  return dynamic_cast<typename S::IHDR*>(owner_->Chunks().GetItem(0));
}

template <class S>
void Chunk<S>::Assign(Chunk* source) {
  std::memcpy(name_, source->name_, 4);
  ResizeData(source->size_);
  std::memcpy(data_.data(), source->data_.data(), source->size_);
}

template <class S>
bool Chunk<S>::LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) {
  std::vector<Byte> data;
  char name[4] = {0, 0, 0, 0};
  std::memcpy(name, chunkName.data(), std::min<std::size_t>(4, chunkName.size()));
  if (!ReadChunkData(stream, name, size, data)) owner_->RaiseError(kInvalidCrc);
  ResizeData(size);
  if (size) std::memcpy(data_.data(), data.data(), size);
  return true;
}

template <class S>
bool Chunk<S>::SaveData(TStream& stream) {
  WriteChunk(stream, name_, data_.data(), size_);
  return true;
}

// ---------------------------------------------------------------------------
// IHDR

template <class S>
void ChunkIHDR<S>::PrepareImageData() {
  FreeImageData();
  if (!IsValidPair(Header.ColorType, Header.BitDepth)) this->Owner()->RaiseError(kInvalidIhdr);
  this->Guarded([&] { store_.Prepare(Header, this->Owner()->GammaTable); });
  this->Owner()->BindCanvas(store_.Dc());
}

template <class S>
void ChunkIHDR<S>::FreeImageData() {
  if (this->Owner() && store_.Dc()) this->Owner()->UnbindCanvas(store_.Dc());
  store_.Free();
}

template <class S>
bool ChunkIHDR<S>::LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) {
  S::Base::LoadFromStream(stream, chunkName, size);
  auto* owner = this->Owner();
  if (size < 13) owner->RaiseError(kInvalidIhdr);
  const Byte* d = this->Data();
  png::Header h;
  h.Width = ReadBE32(d);
  h.Height = ReadBE32(d + 4);
  h.BitDepth = d[8];
  h.ColorType = d[9];
  h.CompressionMethod = d[10];
  h.FilterMethod = d[11];
  h.InterlaceMethod = d[12];
  if (h.Width > kMaxSide || h.Height > kMaxSide) owner->RaiseError(kSizeExceeds);
  if (h.CompressionMethod != 0) owner->RaiseError(kUnknownCompression);
  if (h.InterlaceMethod > 1) owner->RaiseError(kUnknownInterlace);
  if (h.Width == 0 || h.Height == 0 || !IsValidPair(h.ColorType, h.BitDepth) || ImageBytes(h) > kMaxImageBytes)
    owner->RaiseError(kInvalidIhdr);
  // zlib packs at most 1032 bytes into one: rows the rest of the file cannot hold
  // are refused before the bitmap is made.
  constexpr std::uint64_t kZlibBestRatio = 1032;
  const std::uint64_t filtered = (std::uint64_t(RowBytes(h.ColorType, h.BitDepth, h.Width)) + 1) * h.Height;
  if (filtered > std::uint64_t(std::max<std::int64_t>(Remaining(stream), 0) + 64) * kZlibBestRatio)
    owner->RaiseError(kSizeExceeds);
  Header = h;
  owner->InterlaceMethod = decltype(owner->InterlaceMethod)(h.InterlaceMethod);
  PrepareImageData();
  return true;
}

template <class S>
bool ChunkIHDR<S>::SaveToStream(TStream& stream) {
  if (Header.BitDepth == 2) Header.BitDepth = 4;  // the bitmap holds 4-bit samples
  this->ResizeData(13);
  Byte* d = this->Data();
  WriteBE32(d, Header.Width);
  WriteBE32(d + 4, Header.Height);
  d[8] = Header.BitDepth;
  d[9] = Header.ColorType;
  d[10] = Header.CompressionMethod;
  d[11] = Header.FilterMethod;
  d[12] = Byte(this->Owner()->InterlaceMethod);
  return this->SaveData(stream);
}

template <class S>
void ChunkIHDR<S>::Assign(Chunk<S>* source) {
  auto* other = dynamic_cast<ChunkIHDR*>(source);
  if (!other) return this->Refuse(kIncompatibleChunks);
  Header = other->Header;
  PrepareImageData();
  store_.CopyPixelsFrom(other->store_);
  if (other->store_.Palette() && store_.HasPalette()) {
    PALETTEENTRY entries[256];
    const UINT count = ::GetPaletteEntries(other->store_.Palette(), 0, 256, entries);
    store_.SetPalette(MakePalette(int(count), [&](int i) { return entries[i]; }), false);
  }
}

// ---------------------------------------------------------------------------
// IDAT

template <class S>
bool ChunkIDAT<S>::LoadFromStream(TStream& stream, const String&, Cardinal size) {
  auto* owner = this->Owner();
  typename S::IHDR* header = this->GetHeader();
  if (!header || !header->Store().Ready()) owner->RaiseError(kHeaderNotPresent);
  const png::Header& h = header->Header;
  if (header->HasPalette() && h.ColorType != kPalette)
    owner->DoSetPalette(CreateGrayscalePalette(1 << BitmapBitsPerPixel(h.ColorType, h.BitDepth), owner->GammaTable),
                        true);
  // A grey or RGB key, as the samples are stored.
  std::uint16_t key[3] = {};
  const std::uint16_t* keyUsed = nullptr;
  auto* trns = owner->Chunks().template ItemFromClass<typename S::tRNS>();
  if (trns && trns->BitTransparency && (h.ColorType == kGray || h.ColorType == kRgb)) {
    for (int c = 0; c < 3; ++c) key[c] = std::uint16_t(trns->PaletteValues[2 * c] << 8 | trns->PaletteValues[2 * c + 1]);
    keyUsed = key;
  }
  this->Guarded([&] { DecodeImageData(stream, size, h, header->Store(), owner->GammaTable, keyUsed); });
  return true;
}

template <class S>
bool ChunkIDAT<S>::SaveToStream(TStream& stream) {
  auto* owner = this->Owner();
  typename S::IHDR* header = this->GetHeader();
  if (!header || !header->Store().Ready()) owner->RaiseError(kHeaderNotPresent);
  png::Header h = header->Header;
  if (h.BitDepth == 2) h.BitDepth = 4;
  h.InterlaceMethod = Byte(owner->InterlaceMethod);
  const EncodeOptions options{owner->Filters, owner->CompressionLevel, Cardinal(owner->MaxIdatSize()),
                              owner->InverseGamma};
  this->Guarded([&] { EncodeImageData(stream, h, header->Store(), options); });
  return true;
}

// ---------------------------------------------------------------------------
// PLTE

template <class S>
bool ChunkPLTE<S>::LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) {
  S::Base::LoadFromStream(stream, chunkName, size);
  auto* owner = this->Owner();
  if (size % 3 != 0 || size / 3 > 256) owner->RaiseError(kInvalidPalette);
  count_ = int(size / 3);
  const Byte* d = this->Data();
  const Byte* g = owner->GammaTable;
  if (count_ > 0)
    owner->DoSetPalette(MakePalette(count_,
                                    [&](int i) {
                                      return PALETTEENTRY{g[d[3 * i]], g[d[3 * i + 1]], g[d[3 * i + 2]], 0};
                                    }),
                        true);
  return true;
}

template <class S>
bool ChunkPLTE<S>::SaveToStream(TStream& stream) {
  typename S::IHDR* header = this->GetHeader();
  if (header && header->ImagePalette()) {
    if (count_ == 0) count_ = int(header->Store().ColorsUsed());
    PALETTEENTRY entries[256] = {};
    ::GetPaletteEntries(header->ImagePalette(), 0, std::min(count_, 256), entries);
    this->ResizeData(Cardinal(count_) * 3);
    Byte* d = this->Data();
    const Byte* inv = this->Owner()->InverseGamma;
    for (int i = 0; i < count_; ++i) {
      d[3 * i] = inv[entries[i].peRed];
      d[3 * i + 1] = inv[entries[i].peGreen];
      d[3 * i + 2] = inv[entries[i].peBlue];
    }
  }
  return this->SaveData(stream);
}

template <class S>
Cardinal ChunkPLTE<S>::GetPaletteItem(int index) const {
  typename S::IHDR* header = this->GetHeader();
  if (index < 0 || index > count_ - 1 || !header) {
    this->Refuse(kNoPaletteEntry);
    return 0;
  }
  return header->Store().ColorTableEntry(unsigned(index));
}

template <class S>
void ChunkPLTE<S>::Assign(Chunk<S>* source) {
  auto* other = dynamic_cast<ChunkPLTE*>(source);
  if (!other) return this->Refuse(kIncompatibleChunks);
  count_ = other->count_;
  S::Base::Assign(source);
}

// ---------------------------------------------------------------------------
// gAMA

template <class S>
Cardinal ChunkgAMA<S>::GetValue() {
  if (this->DataSize() != 4) {
    SetValue(1);
    return 1;
  }
  return ReadBE32(this->Data());
}

template <class S>
void ChunkgAMA<S>::SetValue(Cardinal value) {
  if (this->DataSize() != 4) this->ResizeData(4);
  WriteBE32(this->Data(), value);
}

template <class S>
bool ChunkgAMA<S>::LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) {
  S::Base::LoadFromStream(stream, chunkName, size);
  BuildGamma(GetValue(), this->Owner()->GammaTable, this->Owner()->InverseGamma);
  return true;
}

template <class S>
void ChunkgAMA<S>::Assign(Chunk<S>* source) {
  auto* other = dynamic_cast<ChunkgAMA*>(source);
  if (!other) return this->Refuse(kIncompatibleChunks);
  SetValue(other->GetValue());
}

// ---------------------------------------------------------------------------
// tRNS

template <class S>
bool ChunktRNS<S>::LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) {
  S::Base::LoadFromStream(stream, chunkName, size);
  if (size > 256) this->Owner()->RaiseError(kInvalidPalette);
  typename S::IHDR* header = this->GetHeader();
  const Byte colorType = header ? header->Header.ColorType : 255;
  // A gray or RGB key must be one sample or one colour of 16-bit values.
  if ((colorType == kGray && size != 2) || (colorType == kRgb && size != 6)) this->Owner()->RaiseError(kInvalidPalette);
  std::memset(PaletteValues, 255, sizeof(PaletteValues));
  std::memcpy(PaletteValues, this->Data(), size);
  if (colorType == kGray || colorType == kRgb) {
    BitTransparency = true;
  } else if (colorType == kPalette) {
    // One colour key: exactly one entry fully transparent and the rest opaque. Any
    // other table (a value between 0 and 255, or no 0 at all) is drawn with partial
    // alpha: counted as a colour key it would draw those entries opaque, and with no
    // 0 entry make black vanish.
    Cardinal clear = 0, opaque = 0;
    for (Cardinal i = 0; i < size; ++i) {
      if (PaletteValues[i] == 0) ++clear;
      if (PaletteValues[i] == 255) ++opaque;
    }
    BitTransparency = clear == 1 && clear + opaque == size;
  }
  return true;
}

template <class S>
bool ChunktRNS<S>::SaveToStream(TStream& stream) {
  if (this->DataSize() <= 256) std::memcpy(this->Data(), PaletteValues, this->DataSize());
  return this->SaveData(stream);
}

template <class S>
void ChunktRNS<S>::Assign(Chunk<S>* source) {
  if (auto* other = dynamic_cast<ChunktRNS*>(source)) {
    std::memcpy(PaletteValues, other->PaletteValues, sizeof(PaletteValues));
    BitTransparency = other->BitTransparency;
  }
  S::Base::Assign(source);
}

template <class S>
void ChunktRNS<S>::SetTransparentColor(TColor color) {
  typename S::IHDR* header = this->GetHeader();
  if (!header) return;
  std::memset(PaletteValues, 0, sizeof(PaletteValues));
  BitTransparency = true;
  header->Store().FreeKeyPlane();  // a key set by colour is compared by colour
  const Byte r = Byte(color), g = Byte(color >> 8), b = Byte(color >> 16);
  switch (header->Header.ColorType) {
    case kGray:
      this->ResizeData(2);
      WriteBE16(PaletteValues, r);
      break;
    case kRgb:
      this->ResizeData(6);
      WriteBE16(PaletteValues, r);
      WriteBE16(PaletteValues + 2, g);
      WriteBE16(PaletteValues + 4, b);
      break;
    case kPalette: {
      const png::ImageStore& store = header->Store();
      const Cardinal wanted = (Cardinal(r) << 16) | (Cardinal(g) << 8) | b;
      const Cardinal used = std::min<Cardinal>(store.ColorsUsed(), 256);
      Cardinal found = used;
      for (Cardinal i = 0; i < used; ++i)
        if (store.ColorTableEntry(i) == wanted) {
          found = i;
          break;
        }
      if (found == used) {  // no entry has the colour: nothing becomes transparent
        std::memset(PaletteValues, 255, sizeof(PaletteValues));
        BitTransparency = false;
        this->ResizeData(0);
        break;
      }
      std::memset(PaletteValues, 255, found);
      this->ResizeData(found + 1);
      break;
    }
    default: break;
  }
}

template <class S>
TColor ChunktRNS<S>::GetTransparentColor() {
  typename S::IHDR* header = this->GetHeader();
  if (!header) return 0;
  const Byte* g = this->Owner()->GammaTable;
  switch (header->Header.ColorType) {
    case kGray: {
      const Byte gray = Byte(header->Store().ColorTableEntry(PaletteValues[1]) >> 16);
      return TColor(gray | (gray << 8) | (gray << 16));
    }
    case kRgb: return TColor(g[PaletteValues[1]] | (g[PaletteValues[3]] << 8) | (g[PaletteValues[5]] << 16));
    case kPalette:
      for (Cardinal i = 0; i < this->DataSize() && i < 256; ++i)
        if (PaletteValues[i] == 0) return ToColor(header->Store().ColorTableEntry(i));
      return 0;
    default: return 0;
  }
}

// ---------------------------------------------------------------------------
// pHYs, tIME

template <class S>
bool ChunkpHYs<S>::LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) {
  S::Base::LoadFromStream(stream, chunkName, size);
  if (size != 9) return true;
  PPUnitX = ReadBE32(this->Data());
  PPUnitY = ReadBE32(this->Data() + 4);
  UnitType = this->Data()[8] == 1 ? utMeter : utUnknown;
  return true;
}

template <class S>
bool ChunkpHYs<S>::SaveToStream(TStream& stream) {
  this->ResizeData(9);
  WriteBE32(this->Data(), PPUnitX);
  WriteBE32(this->Data() + 4, PPUnitY);
  this->Data()[8] = Byte(UnitType);
  return this->SaveData(stream);
}

template <class S>
void ChunkpHYs<S>::Assign(Chunk<S>* source) {
  if (auto* other = dynamic_cast<ChunkpHYs*>(source)) {
    PPUnitX = other->PPUnitX;
    PPUnitY = other->PPUnitY;
    UnitType = other->UnitType;
  }
}

template <class S>
bool ChunktIME<S>::LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) {
  S::Base::LoadFromStream(stream, chunkName, size);
  if (size != 7) return true;
  const Byte* d = this->Data();
  Year = Word(d[0] * 256 + d[1]);
  Month = d[2];
  Day = d[3];
  Hour = d[4];
  Minute = d[5];
  Second = d[6];
  return true;
}

template <class S>
bool ChunktIME<S>::SaveToStream(TStream& stream) {
  this->ResizeData(7);
  Byte* d = this->Data();
  WriteBE16(d, Year);
  d[2] = Month;
  d[3] = Day;
  d[4] = Hour;
  d[5] = Minute;
  d[6] = Second;
  return this->SaveData(stream);
}

template <class S>
void ChunktIME<S>::Assign(Chunk<S>* source) {
  if (auto* other = dynamic_cast<ChunktIME*>(source)) {
    Year = other->Year;
    Month = other->Month;
    Day = other->Day;
    Hour = other->Hour;
    Minute = other->Minute;
    Second = other->Second;
  }
}

// ---------------------------------------------------------------------------
// tEXt, zTXt

// Keyword up to the first zero byte; returns the keyword's length.
inline std::size_t SplitKeyword(const Byte* data, std::size_t size, String& keyword) {
  const void* zero = std::memchr(data, 0, size);
  const std::size_t length = zero ? std::size_t(static_cast<const Byte*>(zero) - data) : size;
  keyword.assign(reinterpret_cast<const char*>(data), length);
  return length;
}

template <class S>
bool ChunktEXt<S>::LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) {
  S::Base::LoadFromStream(stream, chunkName, size);
  if (size <= 2) return true;
  const char* d = reinterpret_cast<const char*>(this->Data());
  const std::size_t length = SplitKeyword(this->Data(), size, Keyword);
  Text = length < size ? String(d + length + 1, size - length - 1) : String();
  return true;
}

template <class S>
bool ChunktEXt<S>::SaveToStream(TStream& stream) {
  this->ResizeData(Cardinal(Keyword.size() + Text.size() + 1));
  Byte* d = this->Data();
  std::memcpy(d, Keyword.data(), Keyword.size());
  d[Keyword.size()] = 0;
  std::memcpy(d + Keyword.size() + 1, Text.data(), Text.size());
  return this->SaveData(stream);
}

template <class S>
void ChunktEXt<S>::Assign(Chunk<S>* source) {
  if (auto* other = dynamic_cast<ChunktEXt*>(source)) {
    Keyword = other->Keyword;
    Text = other->Text;
  }
}

template <class S>
bool ChunkzTXt<S>::LoadFromStream(TStream& stream, const String& chunkName, Cardinal size) {
  S::tEXt::LoadFromStream(stream, chunkName, size);
  if (size < 4) return true;
  const Byte* d = this->Data();
  const std::size_t length = SplitKeyword(d, size, this->Keyword);
  this->Text.clear();
  if (length + 1 < size && d[length + 1] == 0) {
    String inflated;
    if (InflateWhole(d + length + 2, size - length - 2, inflated)) this->Text.swap(inflated);
  }
  return true;
}

template <class S>
bool ChunkzTXt<S>::SaveToStream(TStream& stream) {
  const String& keyword = this->Keyword;
  const String text = this->Text.empty() ? String(" ") : this->Text;
  String compressed;
  if (!DeflateWhole(reinterpret_cast<const Byte*>(text.data()), text.size(), this->Owner()->CompressionLevel,
                    compressed))
    return false;
  this->ResizeData(Cardinal(keyword.size() + 2 + compressed.size()));
  Byte* d = this->Data();
  std::memcpy(d, keyword.data(), keyword.size());
  d[keyword.size()] = 0;
  d[keyword.size() + 1] = 0;
  std::memcpy(d + keyword.size() + 2, compressed.data(), compressed.size());
  return this->SaveData(stream);
}

// ---------------------------------------------------------------------------
// The chunk list's placing rules

template <class S>
int ChunkList<S>::Place(typename S::Base* chunk) {
  auto is = [&](auto* probe) { return dynamic_cast<std::remove_pointer_t<decltype(probe)>*>(chunk) != nullptr; };
  auto indexOf = [&](auto* probe) -> int {
    using T = std::remove_pointer_t<decltype(probe)>;
    for (Cardinal i = 0; i < this->Count(); ++i)
      if (dynamic_cast<T*>(GetItem(i))) return int(i);
    return -1;
  };
  constexpr typename S::IHDR* kIHDR = nullptr;
  constexpr typename S::IDAT* kIDAT = nullptr;
  constexpr typename S::PLTE* kPLTE = nullptr;
  constexpr typename S::IEND* kIEND = nullptr;
  constexpr typename S::gAMA* kgAMA = nullptr;
  constexpr typename S::tRNS* ktRNS = nullptr;
  constexpr typename S::pHYs* kpHYs = nullptr;

  const bool creating = this->Owner()->BeingCreated();
  const bool critical = is(kIHDR) || is(kIDAT) || is(kPLTE) || is(kIEND);
  bool duplicate = false;
  if (is(kgAMA) || is(ktRNS) || is(kpHYs))
    for (Cardinal i = 0; i < this->Count(); ++i)
      if (GetItem(i)->GetName() == chunk->GetName()) duplicate = true;
  if ((critical && !creating) || duplicate) return kExistentCriticalChunk;
  if (!creating && (indexOf(kIEND) < 0 || indexOf(kIHDR) < 0)) return kInvalidImageForChunk;

  auto insertAt = [&](Cardinal position) {
    if (position >= this->Count()) PointerList<typename S::Owner>::Add(chunk);
    else this->Insert(chunk, position);
  };
  const int ihdr = indexOf(kIHDR);
  if (is(kIHDR)) {
    insertAt(0);
  } else if (is(kIEND)) {
    PointerList<typename S::Owner>::Add(chunk);
  } else if (is(kgAMA) || is(kpHYs) || is(kPLTE)) {
    insertAt(Cardinal(ihdr + 1));
  } else if (is(ktRNS)) {
    const int plte = indexOf(kPLTE);
    const int idat = indexOf(kIDAT);
    insertAt(Cardinal(plte >= 0 ? plte + 1 : idat >= 0 ? idat : ihdr + 1));
  } else {
    const int iend = indexOf(kIEND);
    insertAt(iend >= 0 ? Cardinal(iend) : this->Count());
  }
  return 0;
}

// ---------------------------------------------------------------------------
// The registry

template <class S>
struct RegistryEntry {
  String name;
  typename ChunkRegistry<S>::Factory factory;
};

template <class S>
std::vector<RegistryEntry<S>>& RegistryEntries() {
  static std::vector<RegistryEntry<S>> entries;
  return entries;
}

template <class S>
void ChunkRegistry<S>::Register(const String& name, Factory factory) {
  RegistryEntries<S>().push_back({name, factory});
}

template <class S>
typename S::Base* ChunkRegistry<S>::Create(const String& name, typename S::Owner* owner) {
  for (const RegistryEntry<S>& entry : RegistryEntries<S>())
    if (entry.name == name) return entry.factory(owner);
  return new typename S::Base(owner);
}

template <class S>
void ChunkRegistry<S>::RegisterStandard() {
  Register<typename S::IEND>();
  Register<typename S::IHDR>();
  Register<typename S::IDAT>();
  Register<typename S::PLTE>();
  Register<typename S::gAMA>();
  Register<typename S::tRNS>();
  Register<typename S::pHYs>();
  Register<typename S::tIME>();
  Register<typename S::tEXt>();
  Register<typename S::zTXt>();
}

}  // namespace png

// Instantiates every template of the chunk model for chunk set `S`.
#define PNG_INSTANTIATE_CHUNK_MODEL(S)      \
  template class png::Chunk<S>;             \
  template class png::ChunkIEND<S>;         \
  template class png::ChunkIHDR<S>;         \
  template class png::ChunkIDAT<S>;         \
  template class png::ChunkPLTE<S>;         \
  template class png::ChunkgAMA<S>;         \
  template class png::ChunktRNS<S>;         \
  template class png::ChunkpHYs<S>;         \
  template class png::ChunktIME<S>;         \
  template class png::ChunktEXt<S>;         \
  template class png::ChunkzTXt<S>;         \
  template class png::ChunkList<S>;         \
  template class png::ChunkRegistry<S>
