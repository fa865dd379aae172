// The bodies of the shared picture template (Picture.h). Included by the unit of each
// picture class, which instantiates Picture<S> for its chunk set.
#pragma once

#include <cstring>
#include <typeinfo>

#include "imaging/png/ChunkIO.h"
#include "imaging/png/ChunkModelImpl.h"
#include "imaging/png/Draw.h"
#include "imaging/png/Picture.h"
#include "platform/graphics/Bitmap.h"

namespace png {

inline constexpr Byte kSignature[8] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};

// A side below 1, above the header's limit, or a picture over the memory ceiling.
inline bool IsInvalidSize(Integer width, Integer height, const png::Header& header) {
  return width < 1 || height < 1 || header.Width > kMaxSide || header.Height > kMaxSide ||
         ImageBytes(header) > kMaxImageBytes;
}

template <class S>
Picture<S>::Picture() : canvas_(std::make_unique<TCanvas>()), chunks_(std::make_unique<typename S::List>(Self())) {
  InitializeGamma();
}

template <class S>
Picture<S>::~Picture() {
  FreeChunks();
  canvas_->SetHandle(nullptr);
}

template <class S>
void Picture<S>::BuildBlank(Cardinal colorType, Cardinal bitDepth, Integer width, Integer height) {
  if (colorType > 255 || bitDepth > 255 || !IsValidPair(Byte(colorType), Byte(bitDepth))) return Refuse(kInvalidSpec);
  png::Header h;
  h.Width = Cardinal(width);
  h.Height = Cardinal(height);
  h.ColorType = Byte(colorType);
  h.BitDepth = Byte(bitDepth == 2 ? 4 : bitDepth);
  if (IsInvalidSize(width, height, h)) return Refuse(kInvalidNewSize);
  beingCreated_ = true;
  try {
    chunks_->template Add<typename S::IEND>();
    IHDR* header = chunks_->template Add<IHDR>();
    header->Header = h;
    header->PrepareImageData();
    // PLTE belongs to palette pictures only; gray ones keep their ramp in the bitmap.
    if (h.ColorType == kPalette) chunks_->template Add<typename S::PLTE>()->SetCount(1 << h.BitDepth);
    chunks_->template Add<typename S::IDAT>();
  } catch (const Failure&) {
    FreeChunks();  // a quiet picture stays empty
  } catch (...) {
    beingCreated_ = false;
    FreeChunks();
    throw;
  }
  beingCreated_ = false;
}

template <class S>
void Picture<S>::FreeChunks() {
  InitializeGamma();
  for (Cardinal i = chunks_->Count(); i-- > 0;) delete chunks_->GetItem(i);
  chunks_->SetSize(0);
}

template <class S>
void Picture<S>::UnbindCanvas(HDC dc) {
  if (canvas_->HandleAllocated() && canvas_->Handle() == dc) canvas_->SetHandle(nullptr);
}

template <class S>
typename S::IHDR* Picture<S>::Header() const {
  IHDR* header = HeaderChunk();
  if (!header) Refuse(kHeaderNotPresent);
  return header;
}

// ---- reading and writing

template <class S>
void Picture<S>::ReadChunks(TStream& stream) {
  Byte signature[8] = {};
  if (stream.Read(signature, 8) != 8 || std::memcmp(signature, kSignature, 8) != 0) return Refuse(kInvalidFileHeader);
  bool hasImageData = false;
  for (Cardinal number = 1;; ++number) {
    Cardinal length = 0;
    char name[5] = {0, 0, 0, 0, 0};
    if (!ReadBE32(stream, length) || stream.Read(name, 4) != 4) return Refuse(kUnexpectedEnd);
    const String chunkName(name, 4);
    if (number == 1 && chunkName != "IHDR") return Refuse(kIhdrNotFirst);
    // A second header would rebuild the picture under the chunks already read.
    if (number > 1 && chunkName == "IHDR") return Refuse(kInvalidIhdr);
    if (chunkName == "cHRM" || (chunkName == "IDAT" && hasImageData)) {
      const Int64 skip = std::min<Int64>(Int64(length) + 4, Remaining(stream));
      stream.Seek(skip, soCurrent);
      continue;
    }
    if (chunkName == "IDAT") hasImageData = true;
    typename S::Base* chunk = ChunkRegistry<S>::Create(String(name), Self());  // a zero byte ends the name early
    chunk->SetChunkName(chunkName);
    chunks_->Add(chunk);
    if constexpr (!S::kKeepsUnknownCriticalChunks)
      if (typeid(*chunk) == typeid(typename S::Base) && !(Byte(name[0]) & 0x20) && name[0] != 0)
        RaiseError(kUnknownCriticalChunk);
    if (!chunk->LoadFromStream(stream, chunkName, length) || chunkName == "IEND") break;
  }
  if (!hasImageData) Refuse(kNoImageData);
}

template <class S>
template <class Id>
void Picture<S>::LoadFromResource(HINSTANCE instance, const Id& id) {
  std::unique_ptr<TResourceStream> stream;
  try {
    stream = std::make_unique<TResourceStream>(instance, id, reinterpret_cast<const char*>(RT_RCDATA));
  } catch (const Exception&) {
    return Refuse(kCouldNotLoadResource);
  }
  LoadFromStream(*stream);
}

template <class S>
void Picture<S>::SaveToStream(TStream& stream) {
  stream.WriteBuffer(kSignature, 8);
  try {
    for (Cardinal i = 0; i < chunks_->Count(); ++i) chunks_->GetItem(i)->SaveToStream(stream);
  } catch (const Failure&) {
    // A quiet picture that cannot be encoded ends the writing.
  }
}

// ---- assigning

template <class S>
void Picture<S>::Assign(const TPersistent* source) {
  if (!source) {
    FreeChunks();
    Changed(this);
  } else if (auto* png = dynamic_cast<const Owner*>(source)) {
    AssignPNG(png);
  } else if (auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    auto* b = const_cast<TBitmap*>(bitmap);
    AssignHandle(b->Handle(), b->Transparent(), ColorToRGB(b->TransparentColor()));
  } else {
    TGraphic::Assign(source);
  }
}

template <class S>
void Picture<S>::AssignPNG(const Owner* source) {
  if (source == Self()) return;
  InterlaceMethod = source->InterlaceMethod;
  SetMaxIdatSize(source->MaxIdatSize());
  CompressionLevel = source->CompressionLevel;
  Filters = source->Filters;
  FreeChunks();
  try {
    for (Cardinal i = 0; i < source->chunks_->Count(); ++i) {
      typename S::Base* from = source->chunks_->GetItem(i);
      typename S::Base* chunk = ChunkRegistry<S>::Create(from->GetName(), Self());
      chunks_->Add(chunk);
      chunk->Assign(from);
    }
  } catch (const Failure&) {
    FreeChunks();  // no memory for the copy's picture
  }
  Changed(this);
}

template <class S>
void Picture<S>::AssignHandle(HBITMAP bitmap, bool transparent, TColor transparentColor) {
  BITMAP info{};
  if (!bitmap || !::GetObjectA(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight == 0)
    return Refuse(kHeaderNotPresent);
  FreeChunks();
  auto* header = new IHDR(Self());
  chunks_->Add(header);
  png::Header& h = header->Header;
  h.Width = Cardinal(info.bmWidth);
  h.Height = Cardinal(info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
  const int bpp = info.bmBitsPixel;
  h.BitDepth = Byte(bpp < 16 ? (bpp == 2 ? 4 : bpp) : 8);
  h.ColorType = bpp < 16 ? kPalette : kRgb;
  try {
    header->PrepareImageData();
  } catch (const Failure&) {
    FreeChunks();
    Changed(this);
    return;
  }
  ImageStore& store = header->Store();
  HDC screen = ::GetDC(nullptr);
  ::GetDIBits(screen, bitmap, 0, h.Height, store.Bits(), reinterpret_cast<BITMAPINFO*>(&store.InfoRecord()),
              DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  if (header->HasPalette()) {
    auto* plte = new typename S::PLTE(Self());
    chunks_->Add(plte);
    const int entries = 1 << h.BitDepth;
    plte->SetCount(entries);
    const RGBQUAD* colors = store.InfoRecord().bmiColors;
    ::SetDIBColorTable(store.Dc(), 0, entries, colors);
    auto entry = [&](int i) { return PALETTEENTRY{colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0}; };
    DoSetPalette(MakePalette(entries, entry), false);
  }
  if (transparent) {
    auto* trns = new typename S::tRNS(Self());
    chunks_->Add(trns);
    trns->SetTransparentColor(transparentColor);
  }
  chunks_->Add(new typename S::IDAT(Self()));
  chunks_->Add(new typename S::IEND(Self()));
  Changed(this);
}

template <class S>
void Picture<S>::AssignTo(TPersistent* dest) const {
  if (auto* png = dynamic_cast<Owner*>(dest)) {
    png->AssignPNG(Self());
    return;
  }
  auto* bitmap = dynamic_cast<TBitmap*>(dest);
  if (!bitmap || !HeaderPresent()) {
    TGraphic::AssignTo(dest);
    return;
  }
  const png::Header& h = HeaderChunk()->Header;
  const int mode = TransparencyMode();
  TPixelFormat format = pf24bit;
  if (mode != 2) {  // partial transparency is drawn into 24 bits
    if (h.BitDepth == 1) format = pf1bit;
    else if (h.BitDepth == 2 || h.BitDepth == 4) format = pf4bit;
    else if ((h.BitDepth == 8 || h.BitDepth == 16) && (h.ColorType == kGray || h.ColorType == kRgb)) format = pf24bit;
    else if ((h.BitDepth == 8 || h.BitDepth == 16) && h.ColorType == kPalette) format = pf8bit;
    else throw Exception("The PNG picture's colour type and bit depth have no bitmap format.");
  }
  auto* self = const_cast<Picture*>(this);
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(Width(), Height());
  self->Draw(bitmap->Canvas(), TRect{0, 0, Width(), Height()});
  if (mode == 1) {
    bitmap->SetTransparentColor(TransparentColor());
    bitmap->SetTransparent(true);
  }
}

// ---- drawing

template <class S>
void Picture<S>::DrawToDC(HDC dc, const TRect& rect) {
  IHDR* header = HeaderChunk();
  if (!header || !header->Store().Ready()) return;
  const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  try {
    switch (int(TransparencyMode())) {
      case 0: DrawOpaque(dc, r, header->Header, header->Store()); break;
      case 1:
        DrawBlended(dc, r, header->Header, header->Store(), nullptr, long(ToRgb(TransparentColor())));
        break;
      default: {
        auto* trns = chunks_->template ItemFromClass<typename S::tRNS>();
        DrawBlended(dc, r, header->Header, header->Store(), trns ? trns->PaletteValues : nullptr, -1);
        break;
      }
    }
  } catch (const Failure& failure) {
    Refuse(failure.id, failure.zlibCode);  // no memory for the work bitmap: nothing drawn
  }
}

template <class S>
void Picture<S>::DrawUsingPixelInformation(TCanvas* canvas, const TPoint& point) {
  HDC screen = ::GetDC(nullptr);
  const double screenX = ::GetDeviceCaps(screen, LOGPIXELSX) / 0.0254;
  const double screenY = ::GetDeviceCaps(screen, LOGPIXELSY) / 0.0254;
  ::ReleaseDC(nullptr, screen);
  int width = Width(), height = Height();
  if (auto* phys = chunks_->template ItemFromClass<typename S::pHYs>()) {
    // A count of 0 pixels per unit says nothing of the size: pixel size then.
    if (phys->PPUnitX != 0) width = int(Width() / (phys->PPUnitX / screenX));
    if (phys->PPUnitY != 0) height = int(Height() / (phys->PPUnitY / screenY));
  }
  Draw(canvas, TRect{point.X, point.Y, point.X + width, point.Y + height});
}

// ---- size and pixels

template <class S>
void Picture<S>::GetPixelInfo(Cardinal& lineSize, Cardinal& offset) const {
  lineSize = offset = 0;
  if (!HeaderPresent()) return;
  const png::Header& h = HeaderChunk()->Header;
  lineSize = RowBytes(h.ColorType, h.BitDepth, h.Width);
  offset = PixelOffset(h.ColorType, h.BitDepth);
}

template <class S>
Byte* Picture<S>::ImageRow(int row) const {
  IHDR* header = Header();
  if (!header || row < 0 || Cardinal(row) >= header->Header.Height || !header->Store().Ready()) return nullptr;
  return header->Store().Row(Cardinal(row));
}

template <class S>
Byte* Picture<S>::ExtraRow(int row) const {
  IHDR* header = Header();
  return header && row >= 0 && Cardinal(row) < header->Header.Height ? header->Store().ExtraRow(Cardinal(row))
                                                                      : nullptr;
}

template <class S>
Byte* Picture<S>::AlphaRow(int row) const {
  IHDR* header = Header();
  return header && row >= 0 && Cardinal(row) < header->Header.Height ? header->Store().AlphaRow(Cardinal(row))
                                                                      : nullptr;
}

template <class S>
HPALETTE Picture<S>::Palette() {
  IHDR* header = Header();
  return header ? header->ImagePalette() : nullptr;
}

template <class S>
void Picture<S>::DoSetPalette(HPALETTE palette, bool updateColors) {
  IHDR* header = HeaderChunk();
  if (!header) {
    if (palette) ::DeleteObject(palette);
    return;
  }
  header->Store().SetPalette(palette, updateColors);
}

template <class S>
TColor Picture<S>::GetPixels(int x, int y) {
  if (!HeaderPresent() || x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  const png::Header& h = HeaderChunk()->Header;
  const ImageStore& store = HeaderChunk()->Store();
  const Byte* row = store.Row(Cardinal(y));
  if (h.ColorType == kGray || h.ColorType == kPalette) {
    const int d = store.BitsPerPixel();  // 4 for 2-bit pictures, 8 for 16-bit ones
    const Cardinal bit = Cardinal(x) * d;
    const unsigned v = (row[bit >> 3] >> (8 - d - (bit & 7))) & ((1u << d) - 1);
    if (h.ColorType == kPalette) {
      const Cardinal c = store.ColorTableEntry(v);
      const Byte* g = GammaTable;
      return ToColor((Cardinal(g[(c >> 16) & 255]) << 16) | (Cardinal(g[(c >> 8) & 255]) << 8) | g[c & 255]);
    }
    const Byte gray = GammaTable[(v * ((1u << d) + 1) * (d == 1 ? 85 : 1)) & 255];
    return TColor(gray | (gray << 8) | (gray << 16));
  }
  if (h.ColorType == kGrayAlpha) return TColor(row[x] | (row[x] << 8) | (row[x] << 16));
  const Byte* p = row + 3 * x;
  return TColor(p[2] | (p[1] << 8) | (p[0] << 16));
}

template <class S>
void Picture<S>::SetPixels(int x, int y, TColor color) {
  if (!HeaderPresent() || x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  const png::Header& h = HeaderChunk()->Header;
  ImageStore& store = HeaderChunk()->Store();
  Byte* row = store.Row(Cardinal(y));
  if (h.ColorType == kGray || h.ColorType == kPalette) {
    const int d = store.BitsPerPixel();
    const Cardinal bit = Cardinal(x) * d;
    const unsigned index = ::GetNearestPaletteIndex(store.Palette(), COLORREF(ColorToRGB(color))) & ((1u << d) - 1);
    const int shift = 8 - d - int(bit & 7);
    row[bit >> 3] = Byte((row[bit >> 3] & ~(((1u << d) - 1) << shift)) | (index << shift));
  } else if (h.ColorType == kGrayAlpha) {
    row[x] = Byte(color);
  } else {
    Byte* p = row + 3 * x;
    p[0] = Byte(color >> 16);
    p[1] = Byte(color >> 8);
    p[2] = Byte(color);
  }
}

template <class S>
void Picture<S>::Resize(Integer width, Integer height) {
  IHDR* header = Header();
  if (!header) return;
  png::Header h = header->Header;
  h.Width = Cardinal(width);
  h.Height = Cardinal(height);
  if (IsInvalidSize(width, height, h)) return Refuse(kInvalidNewSize);
  UnbindCanvas(header->ImageDC());
  try {
    header->Store().Resize(h.Width, h.Height);
  } catch (const Failure& failure) {
    BindCanvas(header->ImageDC());
    return Refuse(failure.id, failure.zlibCode);
  }
  header->Header = h;
  BindCanvas(header->ImageDC());
  Changed(this);
}

// ---- transparency and ancillary data

template <class S>
typename S::TransparencyMode Picture<S>::TransparencyMode() const {
  using Mode = typename S::TransparencyMode;
  IHDR* header = Header();
  if (!header) return Mode(0);
  auto* trns = chunks_->template ItemFromClass<typename S::tRNS>();
  switch (header->Header.ColorType) {
    case kGray:
    case kRgb: return Mode(trns ? 1 : 0);
    case kPalette: return Mode(trns ? (trns->BitTransparency ? 1 : 2) : 0);
    case kGrayAlpha:
    case kRgbAlpha: return Mode(2);
    default: return Mode(0);
  }
}

template <class S>
TColor Picture<S>::TransparentColor() const {
  auto* trns = chunks_->template ItemFromClass<typename S::tRNS>();
  return trns ? trns->GetTransparentColor() : 0;
}

template <class S>
void Picture<S>::SetTransparentColor(TColor color) {
  IHDR* header = HeaderChunk();
  if (!header) return;
  const Byte colorType = header->Header.ColorType;
  if (colorType == kGrayAlpha || colorType == kRgbAlpha) return Refuse(kCannotChangeTransparent);
  if (colorType != kGray && colorType != kRgb && colorType != kPalette) return;
  auto* trns = chunks_->template ItemFromClass<typename S::tRNS>();
  if (!trns) trns = chunks_->template Add<typename S::tRNS>();
  if (!trns) return;
  trns->SetTransparentColor(ColorToRGB(color));
  Changed(this);
}

template <class S>
void Picture<S>::RemoveTransparency() {
  IHDR* header = Header();
  if (!header) return;
  switch (header->Header.ColorType) {
    case kPalette:
      if (auto* trns = chunks_->template ItemFromClass<typename S::tRNS>()) chunks_->RemoveAndFree(trns);
      break;
    case kGrayAlpha:
      header->Header.ColorType = kGray;
      header->Store().FreeAlphaPlane();
      break;
    case kRgbAlpha:
      header->Header.ColorType = kRgb;
      header->Store().FreeAlphaPlane();
      break;
    default: break;
  }
  Changed(this);
}

template <class S>
void Picture<S>::AddAlphaChannel() {
  IHDR* header = Header();
  if (!header) return;
  png::Header& h = header->Header;
  switch (h.ColorType) {
    case kGray:
      // Gray with alpha exists at 8 and 16 bits only.
      if (h.BitDepth < 8) return;
      h.ColorType = kGrayAlpha;
      header->Store().CreateAlphaPlane();
      break;
    case kRgb:
      h.ColorType = kRgbAlpha;
      header->Store().CreateAlphaPlane();
      break;
    case kPalette: {
      auto* trns = chunks_->template ItemFromClass<typename S::tRNS>();
      if (!trns) trns = chunks_->template Add<typename S::tRNS>();
      if (!trns) return;
      std::memset(trns->PaletteValues, 255, sizeof(trns->PaletteValues));
      trns->ResizeData(1u << h.BitDepth);
      trns->BitTransparency = false;
      break;
    }
    default: return;
  }
  Changed(this);
}

template <class S>
typename S::pHYs* Picture<S>::GetPixelInformation() {
  if (auto* phys = chunks_->template ItemFromClass<typename S::pHYs>()) return phys;
  auto* phys = chunks_->template Add<typename S::pHYs>();
  if (phys) phys->UnitType = utMeter;
  return phys;
}

template <class S>
void Picture<S>::AddtEXt(const String& keyword, const String& text) {
  if (auto* chunk = chunks_->template Add<typename S::tEXt>()) {
    chunk->Keyword = keyword;
    chunk->Text = text;
  }
}

template <class S>
void Picture<S>::AddzTXt(const String& keyword, const String& text) {
  if (auto* chunk = chunks_->template Add<typename S::zTXt>()) {
    chunk->Keyword = keyword;
    chunk->Text = text;
  }
}

}  // namespace png
