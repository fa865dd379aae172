#include "imaging/pngimage.h"

#include <algorithm>
#include <cstring>

#include "imaging/png/ByteOrder.h"
#include "imaging/png/ChunkIO.h"
#include "imaging/png/ChunkModelImpl.h"
#include "imaging/png/Draw.h"
#include "imaging/png/Gamma.h"
#include "imaging/png/ImageData.h"
#include "imaging/png/Messages.h"
#include "imaging/png/Zlib.h"
#if __has_include("platform/Picture.h")
#include "platform/Picture.h"
#define VARNEL_HAS_PICTURE 1
#endif

using namespace png;

PNG_INSTANTIATE_CHUNK_MODEL(TPNGChunkSet);

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

const Byte kSignature[8] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};

// Runs shared code and turns its failure into the codec's exception.
template <class F>
auto Guarded(F&& f) -> decltype(f()) {
  try {
    return f();
  } catch (const Failure& failure) {
    RaisePngError(failure.id, failure.zlibCode);
  }
}

using Registry = ChunkRegistry<TPNGChunkSet>;

const struct Startup {
  Startup() {
    Registry::RegisterStandard();
#ifdef VARNEL_HAS_PICTURE
    TPicture::RegisterFileFormat("PNG", "Portable Network Graphics", GraphicClassOf<TPNGObject>());
#endif
  }
} startup;

TChunk* CreateChunk(const String& name, TPNGObject* owner) { return Registry::Create(name, owner); }

}  // namespace

void RegisterChunk(const String& name, TChunkFactory factory) { Registry::Register(name, factory); }

// ---------------------------------------------------------------------------
// The picture

TPNGObject::TPNGObject() : canvas_(std::make_unique<TCanvas>()), chunks_(std::make_unique<TPNGList>(this)) {
  InitializeGamma();
}

TPNGObject::TPNGObject(Cardinal colorType, Cardinal bitDepth, Integer width, Integer height) : TPNGObject() {
  if (colorType > 255 || bitDepth > 255 || !IsValidPair(Byte(colorType), Byte(bitDepth))) RaiseError(kInvalidSpec);
  png::Header h;
  h.Width = Cardinal(width);
  h.Height = Cardinal(height);
  h.ColorType = Byte(colorType);
  h.BitDepth = Byte(bitDepth == 2 ? 4 : bitDepth);
  if (width < 1 || height < 1 || h.Width > kMaxSide || h.Height > kMaxSide || ImageBytes(h) > kMaxImageBytes)
    RaiseError(kInvalidNewSize);
  beingCreated_ = true;
  try {
    chunks_->Add<TChunkIEND>();
    TChunkIHDR* header = chunks_->Add<TChunkIHDR>();
    header->Header = h;
    header->PrepareImageData();
    // PLTE belongs to palette pictures only; gray ones keep their ramp in the bitmap.
    if (h.ColorType == kPalette) chunks_->Add<TChunkPLTE>()->SetCount(1 << h.BitDepth);
    chunks_->Add<TChunkIDAT>();
  } catch (...) {
    beingCreated_ = false;
    ClearChunks();
    throw;
  }
  beingCreated_ = false;
}

TPNGObject::~TPNGObject() {
  ClearChunks();
  canvas_->SetHandle(nullptr);
}

void TPNGObject::InitializeGamma() {
  IdentityGamma(GammaTable);
  IdentityGamma(InverseGamma);
}

void TPNGObject::ClearChunks() {
  InitializeGamma();
  for (Cardinal i = chunks_->Count(); i-- > 0;) delete chunks_->GetItem(i);
  chunks_->SetSize(0);
}

void TPNGObject::BindCanvas(HDC dc) { canvas_->SetHandle(dc); }

void TPNGObject::UnbindCanvas(HDC dc) {
  if (canvas_->HandleAllocated() && canvas_->Handle() == dc) canvas_->SetHandle(nullptr);
}

bool TPNGObject::HeaderPresent() const {
  return chunks_->Count() > 0 && dynamic_cast<TChunkIHDR*>(chunks_->GetItem(0)) != nullptr;
}

TChunkIHDR* TPNGObject::Header() const {
  if (!HeaderPresent()) RaiseError(kHeaderNotPresent);
  return static_cast<TChunkIHDR*>(chunks_->GetItem(0));
}

int TPNGObject::Width() const { return HeaderPresent() ? int(Header()->Header.Width) : 0; }
int TPNGObject::Height() const { return HeaderPresent() ? int(Header()->Header.Height) : 0; }

// ---- loading and saving

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
    ClearChunks();
    chunks_ = std::move(previous);
    std::memcpy(GammaTable, gamma, 256);
    std::memcpy(InverseGamma, inverse, 256);
    InterlaceMethod = interlace;
    if (HeaderPresent() && Header()->ImageDC()) BindCanvas(Header()->ImageDC());
    throw;
  }
  for (Cardinal i = previous->Count(); i-- > 0;) delete previous->GetItem(i);
  Changed(this);
}

void TPNGObject::ReadChunks(TStream& stream) {
  Byte signature[8] = {};
  if (stream.Read(signature, 8) != 8 || std::memcmp(signature, kSignature, 8) != 0) RaiseError(kInvalidFileHeader);
  bool hasImageData = false;
  for (Cardinal number = 1;; ++number) {
    Cardinal length = 0;
    if (!png::ReadBE32(stream, length)) RaiseError(kUnexpectedEnd);
    char name[5] = {0, 0, 0, 0, 0};
    if (stream.Read(name, 4) != 4) RaiseError(kUnexpectedEnd);
    const String chunkName(name, 4);
    if (number == 1 && chunkName != "IHDR") RaiseError(kIhdrNotFirst);
    if (number > 1 && chunkName == "IHDR") RaiseError(kInvalidIhdr);
    if (chunkName == "cHRM" || (chunkName == "IDAT" && hasImageData)) {
      const Int64 skip = std::min<Int64>(Int64(length) + 4, Remaining(stream));
      stream.Seek(skip, soCurrent);
      continue;
    }
    if (chunkName == "IDAT") hasImageData = true;
    TChunk* chunk = CreateChunk(String(name), this);  // a zero byte ends the name early
    chunk->SetChunkName(chunkName);
    chunks_->Add(chunk);
    if (typeid(*chunk) == typeid(TChunk) && !(Byte(name[0]) & 0x20) && name[0] != 0)
      RaiseError(kUnknownCriticalChunk);
    if (!chunk->LoadFromStream(stream, chunkName, length)) break;
    if (chunkName == "IEND") break;
  }
  if (!hasImageData) RaiseError(kNoImageData);
}

void TPNGObject::SaveToStream(TStream& stream) {
  stream.WriteBuffer(kSignature, 8);
  for (Cardinal i = 0; i < chunks_->Count(); ++i) chunks_->GetItem(i)->SaveToStream(stream);
}

void TPNGObject::LoadFromResourceName(HINSTANCE instance, const String& name) {
  std::unique_ptr<TResourceStream> stream;
  try {
    stream = std::make_unique<TResourceStream>(instance, name, reinterpret_cast<const char*>(RT_RCDATA));
  } catch (const Exception&) {
    RaiseError(kCouldNotLoadResource);
  }
  LoadFromStream(*stream);
}

void TPNGObject::LoadFromResourceID(HINSTANCE instance, int resId) {
  std::unique_ptr<TResourceStream> stream;
  try {
    stream = std::make_unique<TResourceStream>(instance, resId, reinterpret_cast<const char*>(RT_RCDATA));
  } catch (const Exception&) {
    RaiseError(kCouldNotLoadResource);
  }
  LoadFromStream(*stream);
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

// ---- assigning

void TPNGObject::Assign(const TPersistent* source) {
  if (!source) {
    ClearChunks();
    Changed(this);
  } else if (auto* png = dynamic_cast<const TPNGObject*>(source)) {
    AssignPNG(png);
  } else if (auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    auto* b = const_cast<TBitmap*>(bitmap);
    AssignHandle(b->Handle(), b->Transparent(), ColorToRGB(b->TransparentColor()));
  } else {
    TGraphic::Assign(source);
  }
}

void TPNGObject::AssignPNG(const TPNGObject* source) {
  if (source == this) return;
  InterlaceMethod = source->InterlaceMethod;
  SetMaxIdatSize(source->MaxIdatSize());
  CompressionLevel = source->CompressionLevel;
  Filters = source->Filters;
  ClearChunks();
  for (Cardinal i = 0; i < source->chunks_->Count(); ++i) {
    TChunk* from = source->chunks_->GetItem(i);
    TChunk* chunk = CreateChunk(from->GetName(), this);
    chunks_->Add(chunk);
    chunk->Assign(from);
  }
  Changed(this);
}

void TPNGObject::AssignHandle(HBITMAP bitmap, bool transparent, TColor transparentColor) {
  BITMAP info{};
  if (!bitmap || !::GetObjectA(bitmap, sizeof(info), &info)) RaiseError(kHeaderNotPresent);
  ClearChunks();
  auto* header = new TChunkIHDR(this);
  chunks_->Add(header);
  png::Header& h = header->Header;
  h.Width = Cardinal(info.bmWidth);
  h.Height = Cardinal(info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
  const int bpp = info.bmBitsPixel;
  h.BitDepth = Byte(bpp < 16 ? (bpp == 2 ? 4 : bpp) : 8);
  h.ColorType = bpp < 16 ? kPalette : kRgb;
  header->PrepareImageData();
  png::ImageStore& store = header->Store();
  HDC screen = ::GetDC(nullptr);
  ::GetDIBits(screen, bitmap, 0, h.Height, store.Bits(), reinterpret_cast<BITMAPINFO*>(&store.InfoRecord()),
              DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  if (header->HasPalette()) {
    auto* plte = new TChunkPLTE(this);
    chunks_->Add(plte);
    const int entries = 1 << h.BitDepth;
    plte->SetCount(entries);
    const RGBQUAD* colors = store.InfoRecord().bmiColors;
    ::SetDIBColorTable(store.Dc(), 0, entries, colors);
    auto entry = [&](int i) { return PALETTEENTRY{colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0}; };
    DoSetPalette(MakePalette(entries, entry), false);
  }
  if (transparent) {
    auto* trns = new TChunktRNS(this);
    chunks_->Add(trns);
    trns->SetTransparentColor(transparentColor);
  }
  chunks_->Add(new TChunkIDAT(this));
  chunks_->Add(new TChunkIEND(this));
  Changed(this);
}

void TPNGObject::AssignTo(TPersistent* dest) const {
  if (auto* png = dynamic_cast<TPNGObject*>(dest)) {
    png->AssignPNG(this);
    return;
  }
  auto* bitmap = dynamic_cast<TBitmap*>(dest);
  if (!bitmap || !HeaderPresent()) {
    TGraphic::AssignTo(dest);
    return;
  }
  const png::Header& h = Header()->Header;
  const TPNGTransparencyMode mode = TransparencyMode();
  TPixelFormat format = pf24bit;
  if (mode != ptmPartial) {
    if (h.BitDepth == 1) format = pf1bit;
    else if (h.BitDepth == 2 || h.BitDepth == 4) format = pf4bit;
    else if ((h.BitDepth == 8 || h.BitDepth == 16) && (h.ColorType == kGray || h.ColorType == kRgb)) format = pf24bit;
    else if ((h.BitDepth == 8 || h.BitDepth == 16) && h.ColorType == kPalette) format = pf8bit;
    else throw Exception("The PNG picture's colour type and bit depth have no bitmap format.");
  }
  auto* self = const_cast<TPNGObject*>(this);
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(Width(), Height());
  self->Draw(bitmap->Canvas(), TRect{0, 0, Width(), Height()});
  if (mode == ptmBit) {
    bitmap->SetTransparentColor(TransparentColor());
    bitmap->SetTransparent(true);
  }
}

// ---- drawing

void TPNGObject::Draw(TCanvas* canvas, const TRect& rect) { DrawToDC(canvas->Handle(), rect); }

void TPNGObject::DrawToDC(HDC dc, const TRect& rect) {
  if (Empty() || !HeaderPresent() || !Header()->Store().Ready()) return;
  TChunkIHDR* header = Header();
  const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  switch (TransparencyMode()) {
    case ptmNone: DrawOpaque(dc, r, header->Header, header->Store()); break;
    case ptmBit:
      Guarded([&] { DrawBlended(dc, r, header->Header, header->Store(), nullptr, long(ToRgb(TransparentColor()))); });
      break;
    case ptmPartial: {
      TChunktRNS* trns = chunks_->FindChunk<TChunktRNS>();
      Guarded([&] { DrawBlended(dc, r, header->Header, header->Store(), trns ? trns->PaletteValues : nullptr, -1); });
      break;
    }
  }
}

void TPNGObject::DrawUsingPixelInformation(TCanvas* canvas, const TPoint& point) {
  HDC screen = ::GetDC(nullptr);
  const double screenX = ::GetDeviceCaps(screen, LOGPIXELSX) / 0.0254;
  const double screenY = ::GetDeviceCaps(screen, LOGPIXELSY) / 0.0254;
  ::ReleaseDC(nullptr, screen);
  int width = Width(), height = Height();
  if (TChunkpHYs* phys = chunks_->FindChunk<TChunkpHYs>()) {
    // A count of 0 pixels per unit says nothing of the size: pixel size then.
    if (phys->PPUnitX != 0) width = int(Width() / (phys->PPUnitX / screenX));
    if (phys->PPUnitY != 0) height = int(Height() / (phys->PPUnitY / screenY));
  }
  Draw(canvas, TRect{point.X, point.Y, point.X + width, point.Y + height});
}

// ---- size and pixels

void TPNGObject::GetPixelInfo(Cardinal& lineSize, Cardinal& offset) const {
  lineSize = offset = 0;
  if (!HeaderPresent()) return;
  const png::Header& h = Header()->Header;
  lineSize = RowBytes(h.ColorType, h.BitDepth, h.Width);
  offset = PixelOffset(h.ColorType, h.BitDepth);
}

Byte* TPNGObject::Scanline(int row) const {
  const png::ImageStore& store = Header()->Store();
  return row >= 0 && Cardinal(row) < Header()->Header.Height && store.Ready() ? store.Row(Cardinal(row)) : nullptr;
}

Byte* TPNGObject::ExtraScanline(int row) const {
  const png::ImageStore& store = Header()->Store();
  return row >= 0 && Cardinal(row) < Header()->Header.Height ? store.ExtraRow(Cardinal(row)) : nullptr;
}

Byte* TPNGObject::AlphaScanline(int row) const {
  const png::ImageStore& store = Header()->Store();
  return row >= 0 && Cardinal(row) < Header()->Header.Height ? store.AlphaRow(Cardinal(row)) : nullptr;
}

HPALETTE TPNGObject::Palette() { return Header()->ImagePalette(); }

void TPNGObject::DoSetPalette(HPALETTE palette, bool updateColors) {
  if (!HeaderPresent()) {
    if (palette) ::DeleteObject(palette);
    return;
  }
  Header()->Store().SetPalette(palette, updateColors);
}

TColor TPNGObject::GetPixels(int x, int y) {
  if (!HeaderPresent() || x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  const png::Header& h = Header()->Header;
  const png::ImageStore& store = Header()->Store();
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

void TPNGObject::SetPixels(int x, int y, TColor color) {
  if (!HeaderPresent() || x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  const png::Header& h = Header()->Header;
  png::ImageStore& store = Header()->Store();
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

void TPNGObject::Resize(Integer width, Integer height) {
  TChunkIHDR* header = Header();
  png::Header h = header->Header;
  h.Width = Cardinal(width);
  h.Height = Cardinal(height);
  if (width < 1 || height < 1 || h.Width > kMaxSide || h.Height > kMaxSide || ImageBytes(h) > kMaxImageBytes)
    RaiseError(kInvalidNewSize);
  const HDC old = header->ImageDC();
  UnbindCanvas(old);
  Guarded([&] { header->Store().Resize(h.Width, h.Height); });
  header->Header = h;
  BindCanvas(header->ImageDC());
  Changed(this);
}

// ---- transparency and ancillary data

TPNGTransparencyMode TPNGObject::TransparencyMode() const {
  const Byte colorType = Header()->Header.ColorType;
  TChunktRNS* trns = chunks_->FindChunk<TChunktRNS>();
  switch (colorType) {
    case kGray:
    case kRgb: return trns ? ptmBit : ptmNone;
    case kPalette: return trns ? (trns->BitTransparency ? ptmBit : ptmPartial) : ptmNone;
    case kGrayAlpha:
    case kRgbAlpha: return ptmPartial;
    default: return ptmNone;
  }
}

bool TPNGObject::Transparent() const { return HeaderPresent() && TransparencyMode() != ptmNone; }

TColor TPNGObject::TransparentColor() const {
  TChunktRNS* trns = chunks_->FindChunk<TChunktRNS>();
  return trns ? trns->GetTransparentColor() : 0;
}

void TPNGObject::SetTransparentColor(TColor color) {
  if (!HeaderPresent()) return;
  const Byte colorType = Header()->Header.ColorType;
  if (colorType == kGrayAlpha || colorType == kRgbAlpha) RaiseError(kCannotChangeTransparent);
  if (colorType != kGray && colorType != kRgb && colorType != kPalette) return;
  TChunktRNS* trns = chunks_->FindChunk<TChunktRNS>();
  if (!trns) trns = chunks_->Add<TChunktRNS>();
  trns->SetTransparentColor(ColorToRGB(color));
  Changed(this);
}

void TPNGObject::RemoveTransparency() {
  TChunkIHDR* header = Header();
  switch (header->Header.ColorType) {
    case kPalette:
      if (TChunktRNS* trns = chunks_->FindChunk<TChunktRNS>()) chunks_->RemoveChunk(trns);
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

void TPNGObject::CreateAlpha() {
  TChunkIHDR* header = Header();
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
      TChunktRNS* trns = chunks_->FindChunk<TChunktRNS>();
      if (!trns) trns = chunks_->Add<TChunktRNS>();
      std::memset(trns->PaletteValues, 255, sizeof(trns->PaletteValues));
      trns->ResizeData(1u << h.BitDepth);
      trns->BitTransparency = false;
      break;
    }
    default: return;
  }
  Changed(this);
}

TChunkpHYs* TPNGObject::GetPixelInformation() {
  if (TChunkpHYs* phys = chunks_->FindChunk<TChunkpHYs>()) return phys;
  TChunkpHYs* phys = chunks_->Add<TChunkpHYs>();
  phys->UnitType = utMeter;
  return phys;
}

void TPNGObject::AddtEXt(const String& keyword, const String& text) {
  TChunktEXt* chunk = chunks_->Add<TChunktEXt>();
  chunk->Keyword = keyword;
  chunk->Text = text;
}

void TPNGObject::AddzTXt(const String& keyword, const String& text) {
  TChunkzTXt* chunk = chunks_->Add<TChunkzTXt>();
  chunk->Keyword = keyword;
  chunk->Text = text;
}
