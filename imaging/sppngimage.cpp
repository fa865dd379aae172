#include "imaging/sppngimage.h"

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

using namespace png;

PNG_INSTANTIATE_CHUNK_MODEL(TspPngLayerSet);

namespace {

const Byte kSignature[8] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};

// Shared code reports through png::Failure; the public operations end quietly on it.
template <class F>
auto Guarded(F&& f) -> decltype(f()) {
  return f();
}

using Registry = ChunkRegistry<TspPngLayerSet>;

const struct Startup {
  Startup() { Registry::RegisterStandard(); }
} startup;

TspPngLayer* CreateChunk(const String& name, TspPngImage* owner) { return Registry::Create(name, owner); }

}  // namespace

void RegisterPngLayer(const String& name, TspPngLayerFactory factory) { Registry::Register(name, factory); }

// ---------------------------------------------------------------------------
// The picture

TspPngImage::TspPngImage() : canvas_(std::make_unique<TCanvas>()), chunks_(std::make_unique<TspPngList>(this)) {
  InitializeGamma();
}

TspPngImage::TspPngImage(Cardinal colorType, Cardinal bitDepth, Integer width, Integer height) : TspPngImage() {
  if (colorType > 255 || bitDepth > 255 || !IsValidPair(Byte(colorType), Byte(bitDepth))) return;
  png::Header h;
  h.Width = Cardinal(width);
  h.Height = Cardinal(height);
  h.ColorType = Byte(colorType);
  h.BitDepth = Byte(bitDepth == 2 ? 4 : bitDepth);
  if (width < 1 || height < 1 || h.Width > kMaxSide || h.Height > kMaxSide || ImageBytes(h) > kMaxImageBytes)
    return;
  beingCreated_ = true;
  try {
    chunks_->Add<TspPngLayerIEND>();
    TspPngLayerIHDR* header = chunks_->Add<TspPngLayerIHDR>();
    header->Header = h;
    header->PrepareImageData();
    // PLTE belongs to palette pictures only; gray ones keep their ramp in the bitmap.
    if (h.ColorType == kPalette) chunks_->Add<TspPngLayerPLTE>()->SetCount(1 << h.BitDepth);
    chunks_->Add<TspPngLayerIDAT>();
  } catch (const Failure&) {
    ClearPngLayers();
  }
  beingCreated_ = false;
}

TspPngImage::~TspPngImage() {
  ClearPngLayers();
  canvas_->SetHandle(nullptr);
}

void TspPngImage::InitializeGamma() {
  IdentityGamma(GammaTable);
  IdentityGamma(InverseGamma);
}

void TspPngImage::ClearPngLayers() {
  InitializeGamma();
  for (Cardinal i = chunks_->Count(); i-- > 0;) delete chunks_->GetItem(i);
  chunks_->SetSize(0);
}

void TspPngImage::BindCanvas(HDC dc) { canvas_->SetHandle(dc); }

void TspPngImage::UnbindCanvas(HDC dc) {
  if (canvas_->HandleAllocated() && canvas_->Handle() == dc) canvas_->SetHandle(nullptr);
}

bool TspPngImage::HeaderPresent() const {
  return chunks_->Count() > 0 && dynamic_cast<TspPngLayerIHDR*>(chunks_->GetItem(0)) != nullptr;
}

TspPngLayerIHDR* TspPngImage::Header() const {
  return HeaderPresent() ? static_cast<TspPngLayerIHDR*>(chunks_->GetItem(0)) : nullptr;
}

int TspPngImage::Width() const { return HeaderPresent() ? int(Header()->Header.Width) : 0; }
int TspPngImage::Height() const { return HeaderPresent() ? int(Header()->Header.Height) : 0; }

// ---- loading and saving

void TspPngImage::LoadFromStream(TStream& stream) {
  ClearPngLayers();
  try {
    ReadChunks(stream);
  } catch (const Failure&) {
    // Loading ends here with the chunks read so far.
  } catch (const Exception&) {
  }
  // A header whose picture could not be built leaves nothing to draw or write.
  if (chunks_->Count() > 0 && (!HeaderPresent() || !Header()->Store().Ready())) ClearPngLayers();
  Changed(this);
}

void TspPngImage::ReadChunks(TStream& stream) {
  Byte signature[8] = {};
  if (stream.Read(signature, 8) != 8 || std::memcmp(signature, kSignature, 8) != 0) return;
  bool hasImageData = false;
  for (Cardinal number = 1;; ++number) {
    Cardinal length = 0;
    if (!png::ReadBE32(stream, length)) return;
    char name[5] = {0, 0, 0, 0, 0};
    if (stream.Read(name, 4) != 4) return;
    const String chunkName(name, 4);
    if (number == 1 && chunkName != "IHDR") {
      ClearPngLayers();
      return;
    }
    // A second header would rebuild the picture under the chunks already read.
    if (number > 1 && chunkName == "IHDR") return;
    if (chunkName == "cHRM" || (chunkName == "IDAT" && hasImageData)) {
      const Int64 skip = std::min<Int64>(Int64(length) + 4, Remaining(stream));
      stream.Seek(skip, soCurrent);
      continue;
    }
    if (chunkName == "IDAT") hasImageData = true;
    TspPngLayer* chunk = CreateChunk(String(name), this);  // a zero byte ends the name early
    chunk->SetChunkName(chunkName);
    chunks_->Add(chunk);
    if (!chunk->LoadFromStream(stream, chunkName, length)) return;
    if (chunkName == "IEND") return;
  }
}

void TspPngImage::SaveToStream(TStream& stream) {
  stream.WriteBuffer(kSignature, 8);
  try {
    for (Cardinal i = 0; i < chunks_->Count(); ++i) chunks_->GetItem(i)->SaveToStream(stream);
  } catch (const Failure&) {
    // A picture that cannot be encoded ends the writing.
  }
}

void TspPngImage::LoadFromResourceName(HINSTANCE instance, const String& name) {
  std::unique_ptr<TResourceStream> stream;
  try {
    stream = std::make_unique<TResourceStream>(instance, name, reinterpret_cast<const char*>(RT_RCDATA));
  } catch (const Exception&) {
    return;  // a missing resource leaves the picture as it is
  }
  LoadFromStream(*stream);
}

void TspPngImage::LoadFromResourceID(HINSTANCE instance, int resId) {
  std::unique_ptr<TResourceStream> stream;
  try {
    stream = std::make_unique<TResourceStream>(instance, resId, reinterpret_cast<const char*>(RT_RCDATA));
  } catch (const Exception&) {
    return;  // a missing resource leaves the picture as it is
  }
  LoadFromStream(*stream);
}

void TspPngImage::ReadData(TStream& stream) {
  Byte prefix[4] = {};
  if (stream.Read(prefix, 4) != 4) {
    ClearPngLayers();
    Changed(this);
    return;
  }
  const Cardinal length = Cardinal(prefix[0]) | (Cardinal(prefix[1]) << 8) | (Cardinal(prefix[2]) << 16) |
                          (Cardinal(prefix[3]) << 24);
  const Int64 size = std::min<Int64>(length, Remaining(stream));
  // The picture reads only its own bytes; the definition goes on after them.
  TMemoryStream bytes;
  if (size > 0) bytes.CopyFrom(stream, size);
  bytes.SetPosition(0);
  LoadFromStream(bytes);
}

void TspPngImage::WriteData(TStream& stream) {
  TMemoryStream bytes;
  SaveToStream(bytes);
  const Cardinal length = Cardinal(bytes.Size());
  const Byte prefix[4] = {Byte(length), Byte(length >> 8), Byte(length >> 16), Byte(length >> 24)};
  stream.WriteBuffer(prefix, 4);
  if (length) stream.WriteBuffer(bytes.Memory(), length);
}

// ---- assigning

void TspPngImage::Assign(const TPersistent* source) {
  if (!source) {
    ClearPngLayers();
    Changed(this);
  } else if (auto* png = dynamic_cast<const TspPngImage*>(source)) {
    AssignPNG(png);
  } else if (auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    auto* b = const_cast<TBitmap*>(bitmap);
    AssignHandle(b->Handle(), b->Transparent(), ColorToRGB(b->TransparentColor()));
  } else {
    TGraphic::Assign(source);
  }
}

void TspPngImage::AssignPNG(const TspPngImage* source) {
  if (source == this) return;
  InterlaceMethod = source->InterlaceMethod;
  SetMaxIdatSize(source->MaxIdatSize());
  CompressionLevel = source->CompressionLevel;
  Filters = source->Filters;
  ClearPngLayers();
  try {
    for (Cardinal i = 0; i < source->chunks_->Count(); ++i) {
      TspPngLayer* from = source->chunks_->GetItem(i);
      TspPngLayer* chunk = CreateChunk(from->GetName(), this);
      chunks_->Add(chunk);
      chunk->Assign(from);
    }
  } catch (const Failure&) {
    ClearPngLayers();  // no memory for the copy's picture
  }
  Changed(this);
}

void TspPngImage::AssignHandle(HBITMAP bitmap, bool transparent, TColor transparentColor) {
  BITMAP info{};
  if (!bitmap || !::GetObjectA(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight == 0) return;
  ClearPngLayers();
  auto* header = new TspPngLayerIHDR(this);
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
    ClearPngLayers();
    Changed(this);
    return;
  }
  png::ImageStore& store = header->Store();
  HDC screen = ::GetDC(nullptr);
  ::GetDIBits(screen, bitmap, 0, h.Height, store.Bits(), reinterpret_cast<BITMAPINFO*>(&store.InfoRecord()),
              DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  if (header->HasPalette()) {
    auto* plte = new TspPngLayerPLTE(this);
    chunks_->Add(plte);
    const int entries = 1 << h.BitDepth;
    plte->SetCount(entries);
    const RGBQUAD* colors = store.InfoRecord().bmiColors;
    ::SetDIBColorTable(store.Dc(), 0, entries, colors);
    auto entry = [&](int i) { return PALETTEENTRY{colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0}; };
    DoSetPalette(MakePalette(entries, entry), false);
  }
  if (transparent) {
    auto* trns = new TspPngLayertRNS(this);
    chunks_->Add(trns);
    trns->SetTransparentColor(transparentColor);
  }
  chunks_->Add(new TspPngLayerIDAT(this));
  chunks_->Add(new TspPngLayerIEND(this));
  Changed(this);
}

void TspPngImage::AssignTo(TPersistent* dest) const {
  if (auto* png = dynamic_cast<TspPngImage*>(dest)) {
    png->AssignPNG(this);
    return;
  }
  auto* bitmap = dynamic_cast<TBitmap*>(dest);
  if (!bitmap || !HeaderPresent()) {
    TGraphic::AssignTo(dest);
    return;
  }
  const png::Header& h = Header()->Header;
  const TspPngTransparencyMode mode = TransparencyMode();
  TPixelFormat format = pf24bit;
  if (mode != bsptmPngLayerial) {
    if (h.BitDepth == 1) format = pf1bit;
    else if (h.BitDepth == 2 || h.BitDepth == 4) format = pf4bit;
    else if ((h.BitDepth == 8 || h.BitDepth == 16) && (h.ColorType == kGray || h.ColorType == kRgb)) format = pf24bit;
    else if ((h.BitDepth == 8 || h.BitDepth == 16) && h.ColorType == kPalette) format = pf8bit;
    else throw Exception("The PNG picture's colour type and bit depth have no bitmap format.");
  }
  auto* self = const_cast<TspPngImage*>(this);
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(Width(), Height());
  self->Draw(bitmap->Canvas(), TRect{0, 0, Width(), Height()});
  if (mode == bsptmBit) {
    bitmap->SetTransparentColor(TransparentColor());
    bitmap->SetTransparent(true);
  }
}

// ---- drawing

void TspPngImage::Draw(TCanvas* canvas, const TRect& rect) { DrawToDC(canvas->Handle(), rect); }

void TspPngImage::DrawToDC(HDC dc, const TRect& rect) {
  if (Empty() || !HeaderPresent() || !Header()->Store().Ready()) return;
  TspPngLayerIHDR* header = Header();
  const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  try {
  switch (TransparencyMode()) {
    case bsptmNone: DrawOpaque(dc, r, header->Header, header->Store()); break;
    case bsptmBit:
      Guarded([&] { DrawBlended(dc, r, header->Header, header->Store(), nullptr, long(ToRgb(TransparentColor()))); });
      break;
    case bsptmPngLayerial: {
      TspPngLayertRNS* trns = chunks_->FindPngLayer<TspPngLayertRNS>();
      Guarded([&] { DrawBlended(dc, r, header->Header, header->Store(), trns ? trns->PaletteValues : nullptr, -1); });
      break;
    }
  }
  } catch (const Failure&) {
    // No memory for the work bitmap: nothing is drawn.
  }
}

void TspPngImage::DrawUsingPixelInformation(TCanvas* canvas, const TPoint& point) {
  HDC screen = ::GetDC(nullptr);
  const double screenX = ::GetDeviceCaps(screen, LOGPIXELSX) / 0.0254;
  const double screenY = ::GetDeviceCaps(screen, LOGPIXELSY) / 0.0254;
  ::ReleaseDC(nullptr, screen);
  int width = Width(), height = Height();
  if (TspPngLayerpHYs* phys = chunks_->FindPngLayer<TspPngLayerpHYs>()) {
    // A count of 0 pixels per unit says nothing of the size: pixel size then.
    if (phys->PPUnitX != 0) width = int(Width() / (phys->PPUnitX / screenX));
    if (phys->PPUnitY != 0) height = int(Height() / (phys->PPUnitY / screenY));
  }
  Draw(canvas, TRect{point.X, point.Y, point.X + width, point.Y + height});
}

// ---- size and pixels

void TspPngImage::GetPixelInfo(Cardinal& lineSize, Cardinal& offset) const {
  lineSize = offset = 0;
  if (!HeaderPresent()) return;
  const png::Header& h = Header()->Header;
  lineSize = RowBytes(h.ColorType, h.BitDepth, h.Width);
  offset = PixelOffset(h.ColorType, h.BitDepth);
}

Byte* TspPngImage::GetScanline(int row) const {
  if (!HeaderPresent()) return nullptr;
  const png::ImageStore& store = Header()->Store();
  return row >= 0 && Cardinal(row) < Header()->Header.Height && store.Ready() ? store.Row(Cardinal(row)) : nullptr;
}

Byte* TspPngImage::GetExtraScanline(int row) const {
  if (!HeaderPresent()) return nullptr;
  const png::ImageStore& store = Header()->Store();
  return row >= 0 && Cardinal(row) < Header()->Header.Height ? store.ExtraRow(Cardinal(row)) : nullptr;
}

Byte* TspPngImage::GetAlphaScanline(int row) const {
  if (!HeaderPresent()) return nullptr;
  const png::ImageStore& store = Header()->Store();
  return row >= 0 && Cardinal(row) < Header()->Header.Height ? store.AlphaRow(Cardinal(row)) : nullptr;
}

HPALETTE TspPngImage::Palette() { return HeaderPresent() ? Header()->ImagePalette() : nullptr; }

void TspPngImage::DoSetPalette(HPALETTE palette, bool updateColors) {
  if (!HeaderPresent()) {
    if (palette) ::DeleteObject(palette);
    return;
  }
  Header()->Store().SetPalette(palette, updateColors);
}

TColor TspPngImage::GetPixels(int x, int y) {
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

void TspPngImage::SetPixels(int x, int y, TColor color) {
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

void TspPngImage::Resize(Integer width, Integer height) {
  if (!HeaderPresent() || width < 1 || height < 1) return;
  TspPngLayerIHDR* header = Header();
  png::Header h = header->Header;
  h.Width = Cardinal(width);
  h.Height = Cardinal(height);
  if (width < 1 || height < 1 || h.Width > kMaxSide || h.Height > kMaxSide || ImageBytes(h) > kMaxImageBytes)
    return;
  const HDC old = header->ImageDC();
  UnbindCanvas(old);
  try {
    header->Store().Resize(h.Width, h.Height);
  } catch (const Failure&) {
    return;
  }
  header->Header = h;
  BindCanvas(header->ImageDC());
  Changed(this);
}

// ---- transparency and ancillary data

TspPngTransparencyMode TspPngImage::TransparencyMode() const {
  if (!HeaderPresent()) return bsptmNone;
  const Byte colorType = Header()->Header.ColorType;
  TspPngLayertRNS* trns = chunks_->FindPngLayer<TspPngLayertRNS>();
  switch (colorType) {
    case kGray:
    case kRgb: return trns ? bsptmBit : bsptmNone;
    case kPalette: return trns ? (trns->BitTransparency ? bsptmBit : bsptmPngLayerial) : bsptmNone;
    case kGrayAlpha:
    case kRgbAlpha: return bsptmPngLayerial;
    default: return bsptmNone;
  }
}

bool TspPngImage::Transparent() const { return HeaderPresent() && TransparencyMode() != bsptmNone; }

TColor TspPngImage::TransparentColor() const {
  TspPngLayertRNS* trns = chunks_->FindPngLayer<TspPngLayertRNS>();
  return trns ? trns->GetTransparentColor() : 0;
}

void TspPngImage::SetTransparentColor(TColor color) {
  if (!HeaderPresent()) return;
  const Byte colorType = Header()->Header.ColorType;
  if (colorType != kGray && colorType != kRgb && colorType != kPalette) return;
  TspPngLayertRNS* trns = chunks_->FindPngLayer<TspPngLayertRNS>();
  if (!trns) trns = chunks_->Add<TspPngLayertRNS>();
  if (!trns) return;
  trns->SetTransparentColor(ColorToRGB(color));
  Changed(this);
}

void TspPngImage::RemoveTransparency() {
  if (!HeaderPresent()) return;
  TspPngLayerIHDR* header = Header();
  switch (header->Header.ColorType) {
    case kPalette:
      if (TspPngLayertRNS* trns = chunks_->FindPngLayer<TspPngLayertRNS>()) chunks_->RemovePngLayer(trns);
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

void TspPngImage::InitAlpha() {
  if (!HeaderPresent()) return;
  TspPngLayerIHDR* header = Header();
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
      TspPngLayertRNS* trns = chunks_->FindPngLayer<TspPngLayertRNS>();
      if (!trns) trns = chunks_->Add<TspPngLayertRNS>();
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

TspPngLayerpHYs* TspPngImage::GetPixelInformation() {
  if (TspPngLayerpHYs* phys = chunks_->FindPngLayer<TspPngLayerpHYs>()) return phys;
  TspPngLayerpHYs* phys = chunks_->Add<TspPngLayerpHYs>();
  if (!phys) return nullptr;
  phys->UnitType = utMeter;
  return phys;
}

void TspPngImage::AddtEXt(const String& keyword, const String& text) {
  TspPngLayertEXt* chunk = chunks_->Add<TspPngLayertEXt>();
  if (!chunk) return;
  chunk->Keyword = keyword;
  chunk->Text = text;
}

void TspPngImage::AddzTXt(const String& keyword, const String& text) {
  TspPngLayerzTXt* chunk = chunks_->Add<TspPngLayerzTXt>();
  if (!chunk) return;
  chunk->Keyword = keyword;
  chunk->Text = text;
}
