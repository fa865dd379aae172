#include "platform/graphics/Bitmap.h"

#include <cstring>

#include "platform/graphics/BmpFormat.h"

// The pixels of a bitmap while they are being made: a DIB section and its store.
struct TBitmap::Image {
  HBITMAP dib = nullptr;  // owned until taken
  void* bits = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  TPixelFormat format = pfDevice;
  std::vector<RGBQUAD> colors;

  Image() = default;
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  ~Image() {
    if (dib) ::DeleteObject(dib);
  }
};

namespace {

int FormatBits(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
  }
}

std::vector<RGBQUAD> DefaultColors(TPixelFormat format) {
  auto rgb = [](int r, int g, int b) { return RGBQUAD{Byte(b), Byte(g), Byte(r), 0}; };
  static const RGBQUAD kVga[16] = {rgb(0, 0, 0),       rgb(128, 0, 0),   rgb(0, 128, 0),   rgb(128, 128, 0),
                                   rgb(0, 0, 128),     rgb(128, 0, 128), rgb(0, 128, 128), rgb(192, 192, 192),
                                   rgb(128, 128, 128), rgb(255, 0, 0),   rgb(0, 255, 0),   rgb(255, 255, 0),
                                   rgb(0, 0, 255),     rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 255)};
  std::vector<RGBQUAD> colors;
  if (format == pf1bit) {
    colors = {rgb(0, 0, 0), rgb(255, 255, 255)};
  } else if (format == pf4bit) {
    colors.assign(kVga, kVga + 16);
  } else if (format == pf8bit) {  // the 16 standard colours, a 6x6x6 cube, greys; white last
    colors.assign(kVga, kVga + 15);
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b) colors.push_back(rgb(r * 51, g * 51, b * 51));
    for (int i = 1; colors.size() < 255; ++i) colors.push_back(rgb(i * 10, i * 10, i * 10));
    colors.push_back(rgb(255, 255, 255));
  }
  return colors;
}

// A memory DC with one bitmap selected for as long as it lives.
class SelectedDC {
public:
  explicit SelectedDC(HBITMAP bitmap) : dc_(::CreateCompatibleDC(nullptr)) {
    old_ = ::SelectObject(dc_, bitmap);
  }
  ~SelectedDC() {
    ::SelectObject(dc_, old_);
    ::DeleteDC(dc_);
  }
  SelectedDC(const SelectedDC&) = delete;
  SelectedDC& operator=(const SelectedDC&) = delete;
  HDC Handle() const { return dc_; }

private:
  HDC dc_;
  HGDIOBJ old_;
};

// A top-down 32-bit DIB section with its DC, for reading and writing pixels.
class Scratch32 {
public:
  Scratch32(int width, int height) : width_(width) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dib_ = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib_) throw EOutOfResources("Out of system resources");
    bits_ = static_cast<Cardinal*>(bits);
    dc_.reset(new SelectedDC(dib_));
  }
  ~Scratch32() {
    dc_.reset();
    ::DeleteObject(dib_);
  }
  HDC DC() const { return dc_->Handle(); }
  Cardinal& At(int x, int y) { return bits_[static_cast<size_t>(y) * width_ + x]; }

private:
  int width_;
  HBITMAP dib_;
  Cardinal* bits_;
  std::unique_ptr<SelectedDC> dc_;
};

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) {
  pixelFormat_ = format;
  SetSize(width, height);
}

TBitmap::~TBitmap() {
  canvas_.reset();
  if (dib_) ::DeleteObject(dib_);
  if (palette_) ::DeleteObject(palette_);
}

int TBitmap::BitsPerPixel() const { return FormatBits(pixelFormat_); }

// Makes a white DIB of the given size and format, or no DIB for a zero size. The
// size is checked before anything is allocated.
void TBitmap::CreateImage(Image& image, int width, int height, TPixelFormat format, const std::vector<RGBQUAD>& colors) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  int bits = FormatBits(format);
  Int64 stride = DibStride(width, bits);
  if (stride * height > MaxBitmapBytes)
    throw EInvalidGraphic("Bitmap is too large: " + std::to_string(width) + " x " + std::to_string(height));
  image.width = width;
  image.height = height;
  image.stride = static_cast<int>(stride);
  image.format = format;
  image.colors = bits <= 8 ? (colors.empty() ? DefaultColors(format) : colors) : std::vector<RGBQUAD>();
  if (image.colors.size() > (1u << bits)) image.colors.resize(1u << bits);
  if (width == 0 || height == 0) return;

  std::vector<Byte> buffer(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(buffer.data());
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = width;
  header->biHeight = height;
  header->biPlanes = 1;
  header->biBitCount = static_cast<WORD>(bits);
  header->biCompression = BI_RGB;
  auto* tail = reinterpret_cast<DWORD*>(buffer.data() + sizeof(BITMAPINFOHEADER));
  if (format == pf16bit) {
    header->biCompression = BI_BITFIELDS;
    tail[0] = 0xF800;
    tail[1] = 0x07E0;
    tail[2] = 0x001F;
  } else if (!image.colors.empty()) {
    header->biClrUsed = static_cast<DWORD>(image.colors.size());
    std::memcpy(tail, image.colors.data(), image.colors.size() * sizeof(RGBQUAD));
  }
  image.dib = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(buffer.data()), DIB_RGB_COLORS, &image.bits,
                                 nullptr, 0);
  if (!image.dib) throw EOutOfResources("Out of system resources");
  SelectedDC dc(image.dib);
  ::PatBlt(dc.Handle(), 0, 0, width, height, WHITENESS);
  ::GdiFlush();
}

void TBitmap::FreeContext() {
  if (canvas_) canvas_->FreeContext();
}

void TBitmap::TakeImage(Image& image) {
  FreeContext();
  if (dib_) ::DeleteObject(dib_);
  if (palette_) ::DeleteObject(palette_);
  palette_ = nullptr;
  dib_ = image.dib;
  image.dib = nullptr;
  bits_ = image.bits;
  width_ = image.width;
  height_ = image.height;
  stride_ = image.stride;
  pixelFormat_ = image.format;
  colors_ = image.colors;
}

void TBitmap::CopyPixelsInto(Image& image) const {
  if (!dib_ || !image.dib) return;
  SelectedDC to(image.dib);
  HDC from = const_cast<TBitmap*>(this)->Canvas()->Handle();
  ::BitBlt(to.Handle(), 0, 0, std::min(width_, image.width), std::min(height_, image.height), from, 0, 0, SRCCOPY);
  ::GdiFlush();
}

void TBitmap::SetSize(int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (width == width_ && height == height_) return;
  Image image;
  CreateImage(image, width, height, pixelFormat_, colors_);
  CopyPixelsInto(image);
  TakeImage(image);
  Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == pfCustom) throw EInvalidGraphic("Custom pixel formats are not supported");
  if (format == pixelFormat_) return;
  Image image;
  CreateImage(image, width_, height_, format, std::vector<RGBQUAD>());
  CopyPixelsInto(image);
  TakeImage(image);
  Changed(this);
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_.reset(new TBitmapCanvas(this));
  return canvas_.get();
}

void TBitmap::SetHandle(HBITMAP bitmap) {
  Image image;
  if (bitmap) {
    DIBSECTION section = {};
    int size = ::GetObjectA(bitmap, sizeof(section), &section);
    if (size != sizeof(DIBSECTION) && size != sizeof(BITMAP)) throw EInvalidGraphic("Invalid bitmap handle");
    int bits = section.dsBm.bmBitsPixel * section.dsBm.bmPlanes;
    TPixelFormat format = bits == 1 ? pf1bit : bits == 4 ? pf4bit : bits == 8 ? pf8bit : bits == 24 ? pf24bit
                        : bits == 32 ? (size == sizeof(DIBSECTION) ? pf32bit : pfDevice) : pfDevice;
    if (bits == 16)
      format = size == sizeof(DIBSECTION) && section.dsBmih.biCompression == BI_BITFIELDS && section.dsBitfields[1] == 0x07E0
                   ? pf16bit : pf15bit;
    std::vector<RGBQUAD> colors;
    {
      SelectedDC from(bitmap);
      if (bits <= 8 && size == sizeof(DIBSECTION)) {
        colors.resize(1u << bits);
        colors.resize(::GetDIBColorTable(from.Handle(), 0, 1u << bits, colors.data()));
      }
      CreateImage(image, section.dsBm.bmWidth, section.dsBm.bmHeight, format, colors);
      if (image.dib) {
        SelectedDC to(image.dib);
        ::BitBlt(to.Handle(), 0, 0, image.width, image.height, from.Handle(), 0, 0, SRCCOPY);
        ::GdiFlush();
      }
    }
    ::DeleteObject(bitmap);
  } else {
    CreateImage(image, 0, 0, pixelFormat_, colors_);
  }
  TakeImage(image);
  Changed(this);
}

HBITMAP TBitmap::ReleaseHandle() {
  FreeContext();
  HBITMAP handle = dib_;
  dib_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = stride_ = 0;
  return handle;
}

void* TBitmap::ScanLine(int row) {
  if (row < 0 || row >= height_ || !bits_) throw EInvalidGraphic("Scan line index out of range");
  ::GdiFlush();
  return static_cast<Byte*>(bits_) + static_cast<size_t>(height_ - 1 - row) * stride_;
}

void TBitmap::SetColorTable(const std::vector<RGBQUAD>& colors) {
  if (BitsPerPixel() > 8) return;
  colors_ = colors;
  colors_.resize(std::min<size_t>(colors_.size(), 1u << BitsPerPixel()));
  if (dib_) ::SetDIBColorTable(Canvas()->Handle(), 0, static_cast<UINT>(colors_.size()), colors_.data());
  if (palette_) ::DeleteObject(palette_);
  palette_ = nullptr;
  Changed(this);
}

HPALETTE TBitmap::Palette() {
  if (palette_ || colors_.empty()) return palette_;
  std::vector<Byte> buffer(sizeof(LOGPALETTE) + colors_.size() * sizeof(PALETTEENTRY));
  auto* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(colors_.size());
  for (size_t i = 0; i < colors_.size(); ++i)
    palette->palPalEntry[i] = PALETTEENTRY{colors_[i].rgbRed, colors_[i].rgbGreen, colors_[i].rgbBlue, 0};
  palette_ = ::CreatePalette(palette);
  return palette_;
}

TColor TBitmap::TransparentColor() {
  if (transparentMode_ == tmFixed) return ColorToRGB(transparentColor_);
  if (Empty()) return clDefault;
  return Canvas()->Pixels(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? tmAuto : tmFixed;
  Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == transparentMode_) return;
  if (mode == tmAuto) transparentColor_ = clDefault;
  else transparentColor_ = TransparentColor();
  transparentMode_ = mode;
  Changed(this);
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect) {
  if (Empty() || !canvas) return;
  HDC dest = canvas->Handle();
  HDC source = Canvas()->Handle();
  int width = rect.Width(), height = rect.Height();
  if (!Transparent()) {
    bool stretched = width != width_ || height != height_;
    int oldMode = stretched ? ::SetStretchBltMode(dest, COLORONCOLOR) : 0;
    ::StretchBlt(dest, rect.Left, rect.Top, width, height, source, 0, 0, width_, height_, canvas->CopyMode);
    if (stretched) ::SetStretchBltMode(dest, oldMode);
    return;
  }
  if (width <= 0 || height <= 0) return;

  // Colour key: every pixel of the key colour leaves the canvas as it was. The key
  // is matched as the bitmap's own format stores it.
  Scratch32 picture(width_, height_);
  ::BitBlt(picture.DC(), 0, 0, width_, height_, source, 0, 0, SRCCOPY);
  ::GdiFlush();
  Cardinal key;
  if (transparentMode_ == tmAuto) {
    key = picture.At(0, height_ - 1) & 0xFFFFFF;
  } else {
    Image probe;
    CreateImage(probe, 1, 1, pixelFormat_, colors_);
    SelectedDC probeDC(probe.dib);
    ::SetPixelV(probeDC.Handle(), 0, 0, static_cast<COLORREF>(ColorToRGB(transparentColor_)));
    Scratch32 keyPixel(1, 1);
    ::BitBlt(keyPixel.DC(), 0, 0, 1, 1, probeDC.Handle(), 0, 0, SRCCOPY);
    ::GdiFlush();
    key = keyPixel.At(0, 0) & 0xFFFFFF;
  }
  Scratch32 work(width, height);
  ::BitBlt(work.DC(), 0, 0, width, height, dest, rect.Left, rect.Top, SRCCOPY);
  ::GdiFlush();
  for (int y = 0; y < height; ++y) {
    int sy = static_cast<int>(static_cast<Int64>(y) * height_ / height);
    for (int x = 0; x < width; ++x) {
      int sx = static_cast<int>(static_cast<Int64>(x) * width_ / width);
      Cardinal pixel = picture.At(sx, sy) & 0xFFFFFF;
      if (pixel != key) work.At(x, y) = pixel;
    }
  }
  ::BitBlt(dest, rect.Left, rect.Top, width, height, work.DC(), 0, 0, SRCCOPY);
}

void TBitmap::LoadFromStream(TStream& stream) {
  BmpPixels pixels = DecodeBmp(stream, MaxBitmapBytes);
  TPixelFormat format;
  switch (pixels.BitsPerPixel) {
    case 1: format = pf1bit; break;
    case 4: format = pf4bit; break;
    case 8: format = pf8bit; break;
    case 16: format = pixels.Rgb565 ? pf16bit : pf15bit; break;
    case 24: format = pf24bit; break;
    default: format = pf32bit; break;
  }
  Image image;
  CreateImage(image, pixels.Width, pixels.Height, format, pixels.Colors);
  if (image.stride != pixels.Stride) throw EInvalidGraphic("Bitmap image is not valid: unexpected row size");
  std::memcpy(image.bits, pixels.Rows.data(), static_cast<size_t>(image.stride) * image.height);
  TakeImage(image);
  Changed(this);
}

void TBitmap::SaveToStream(TStream& stream) {
  if (Empty()) return;
  ::GdiFlush();
  BmpPixels pixels;
  pixels.Width = width_;
  pixels.Height = height_;
  pixels.BitsPerPixel = BitsPerPixel();
  pixels.Rgb565 = pixelFormat_ == pf16bit;
  pixels.Colors = colors_;
  pixels.Stride = stride_;
  pixels.Rows.assign(static_cast<Byte*>(bits_), static_cast<Byte*>(bits_) + static_cast<size_t>(stride_) * height_);
  EncodeBmp(stream, pixels);
}

void TBitmap::ReadData(TStream& stream) {
  Integer size = 0;
  if (stream.Read(&size, 4) != 4 || size < 0) throw EInvalidGraphic("Bitmap image is not valid: bad data length");
  if (size == 0) {
    Image image;
    CreateImage(image, 0, 0, pixelFormat_, colors_);
    TakeImage(image);
    Changed(this);
    return;
  }
  TMemoryStream data;
  data.SetSize(size);
  if (stream.Read(data.Memory(), size) != size) throw EInvalidGraphic("Bitmap image is not valid: the file is truncated");
  data.SetPosition(0);
  LoadFromStream(data);
}

void TBitmap::WriteData(TStream& stream) {
  TMemoryStream data;
  SaveToStream(data);
  Integer size = static_cast<Integer>(data.Size());
  stream.WriteBuffer(&size, 4);
  if (size) stream.WriteBuffer(data.Memory(), size);
}

static void LoadBitmapResource(TBitmap& bitmap, HINSTANCE instance, const char* name, const String& shownName) {
  HRSRC resource = ::FindResourceA(instance, name, MAKEINTRESOURCEA(2));  // RT_BITMAP
  if (!resource) throw EResNotFound("Resource " + shownName + " not found");
  HGLOBAL loaded = ::LoadResource(instance, resource);
  const Byte* data = loaded ? static_cast<const Byte*>(::LockResource(loaded)) : nullptr;
  DWORD size = ::SizeofResource(instance, resource);
  if (!data || size < 12) throw EInvalidGraphic("Bitmap image is not valid: bad resource");
  // A bitmap resource is a BMP file without its file header: put one in front.
  Cardinal headerSize = *reinterpret_cast<const Cardinal*>(data);
  Cardinal offBits = 14 + headerSize;
  if (headerSize == 12) {
    Word bits = *reinterpret_cast<const Word*>(data + 10);
    if (bits <= 8) offBits += 3u << bits;
  } else if (size >= 40) {
    Word bits = *reinterpret_cast<const Word*>(data + 14);
    Cardinal compression = *reinterpret_cast<const Cardinal*>(data + 16);
    Cardinal used = *reinterpret_cast<const Cardinal*>(data + 32);
    if (bits <= 8) offBits += 4 * (used ? used : (1u << bits));
    if (compression == BI_BITFIELDS && headerSize == 40) offBits += 12;
  }
  TMemoryStream file;
  Byte header[14] = {'B', 'M'};
  Cardinal total = 14 + size;
  std::memcpy(header + 2, &total, 4);
  std::memcpy(header + 10, &offBits, 4);
  file.WriteBuffer(header, 14);
  file.WriteBuffer(data, size);
  file.SetPosition(0);
  bitmap.LoadFromStream(file);
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const String& name) {
  LoadBitmapResource(*this, instance, name.c_str(), name);
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id) {
  LoadBitmapResource(*this, instance, MAKEINTRESOURCEA(id), std::to_string(id));
}

void TBitmap::Assign(const TPersistent* source) {
  if (!source) {
    Image image;
    CreateImage(image, 0, 0, pixelFormat_, colors_);
    TakeImage(image);
    Changed(this);
    return;
  }
  if (const TBitmap* other = dynamic_cast<const TBitmap*>(source)) {
    if (other == this) return;
    Image image;
    CreateImage(image, other->width_, other->height_, other->pixelFormat_, other->colors_);
    if (image.bits) {
      ::GdiFlush();
      std::memcpy(image.bits, other->bits_, static_cast<size_t>(image.stride) * image.height);
    }
    TakeImage(image);
    transparentMode_ = other->transparentMode_;
    transparentColor_ = other->transparentColor_;
    TGraphic::SetTransparent(other->Transparent());
    Changed(this);
    return;
  }
  if (const TGraphic* graphic = dynamic_cast<const TGraphic*>(source)) {
    try {  // the graphic may know how to become a bitmap
      TGraphic::Assign(source);
      return;
    } catch (const EConvertError&) {
    }
    TGraphic* drawable = const_cast<TGraphic*>(graphic);
    Image image;
    CreateImage(image, graphic->Width(), graphic->Height(), pixelFormat_, colors_);
    TakeImage(image);
    if (!Empty()) Canvas()->StretchDraw(Rect(0, 0, width_, height_), drawable);
    Changed(this);
    return;
  }
  TGraphic::Assign(source);
}

void TBitmap::Changed(TObject* sender) { TGraphic::Changed(sender); }

void TBitmapCanvas::CreateHandle() {
  if (dc_) return;
  dc_ = ::CreateCompatibleDC(nullptr);
  if (!dc_) throw EOutOfResources("Out of system resources");
  oldBitmap_ = bitmap_->dib_ ? ::SelectObject(dc_, bitmap_->dib_) : nullptr;
  SetHandle(dc_);
}

void TBitmapCanvas::FreeContext() {
  if (!dc_) return;
  SetHandle(nullptr);
  if (oldBitmap_) ::SelectObject(dc_, oldBitmap_);
  ::DeleteDC(dc_);
  dc_ = nullptr;
  oldBitmap_ = nullptr;
}

void TBitmapCanvas::Changed() {
  TCanvas::Changed();
  bitmap_->Changed(bitmap_);
}
