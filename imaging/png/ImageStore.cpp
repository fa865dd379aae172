#include "imaging/png/ImageStore.h"

#include <algorithm>
#include <cstring>

#include "imaging/png/Messages.h"

namespace png {

HPALETTE CreateGrayscalePalette(int entries, const std::uint8_t* gamma) {
  std::vector<std::uint8_t> memory(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * 256);
  auto* log = reinterpret_cast<LOGPALETTE*>(memory.data());
  log->palVersion = 0x300;
  log->palNumEntries = WORD(entries);
  for (int i = 0; i < entries; ++i) {
    const std::uint8_t g = gamma[entries > 1 ? i * 255 / (entries - 1) : 0];
    log->palPalEntry[i] = PALETTEENTRY{g, g, g, 0};
  }
  return ::CreatePalette(log);
}

void ImageStore::Free() {
  if (dc_ && oldBitmap_) ::SelectObject(dc_, oldBitmap_);
  if (dib_) ::DeleteObject(dib_);
  if (dc_) ::DeleteDC(dc_);
  if (palette_) ::DeleteObject(palette_);
  dib_ = nullptr;
  oldBitmap_ = nullptr;
  dc_ = nullptr;
  palette_ = nullptr;
  bits_ = nullptr;
  std::vector<std::uint8_t>().swap(extra_);
  std::vector<std::uint8_t>().swap(alpha_);
  FreeKeyPlane();
  stride_ = width_ = height_ = missingRows_ = 0;
}

void ImageStore::Prepare(const Header& header, const std::uint8_t* gamma) {
  std::memset(&info_, 0, sizeof(info_));
  Free();
  const int bpp = BitmapBitsPerPixel(header.ColorType, header.BitDepth);
  hasPalette_ = HasBitmapPalette(header.ColorType);
  info_.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info_.bmiHeader.biWidth = LONG(header.Width);
  info_.bmiHeader.biHeight = LONG(header.Height);
  info_.bmiHeader.biPlanes = 1;
  info_.bmiHeader.biBitCount = WORD(bpp);
  info_.bmiHeader.biCompression = BI_RGB;
  width_ = header.Width;
  height_ = header.Height;
  stride_ = BitmapStride(bpp, header.Width);
  if (HasAlphaPlane(header.ColorType)) alpha_.assign(std::size_t(width_) * height_, 0);
  if (HasExtraPlane(header.BitDepth)) extra_.assign(std::size_t(stride_) * height_, 0);

  dc_ = ::CreateCompatibleDC(nullptr);
  if (!dc_) {
    Free();
    Fail(kOutOfMemory);
  }
  if (hasPalette_) {
    const int entries = 1 << bpp;
    if (header.ColorType == kPalette) {
      palette_ = ::CreateHalftonePalette(dc_);
      if (palette_) ::ResizePalette(palette_, entries);
    } else {
      palette_ = CreateGrayscalePalette(entries, gamma);
    }
    if (palette_) {
      ::SelectPalette(dc_, palette_, FALSE);
      ::RealizePalette(dc_);
      PaletteToColorTable(palette_);
    }
    info_.bmiHeader.biClrUsed = entries;
  }
  void* bits = nullptr;
  dib_ = ::CreateDIBSection(dc_, reinterpret_cast<BITMAPINFO*>(&info_), DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib_ || !bits) {
    Free();
    Fail(kOutOfMemory);
  }
  bits_ = static_cast<std::uint8_t*>(bits);
  oldBitmap_ = ::SelectObject(dc_, dib_);
  std::memset(bits_, 0, std::size_t(stride_) * height_);
}

void ImageStore::PaletteToColorTable(HPALETTE palette) {
  PALETTEENTRY entries[256];
  const UINT count = ::GetPaletteEntries(palette, 0, 256, entries);
  info_.bmiHeader.biClrUsed = count;
  for (UINT i = 0; i < count; ++i)
    info_.bmiColors[i] = RGBQUAD{entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
  if (dib_ && count) ::SetDIBColorTable(dc_, 0, count, info_.bmiColors);
}

void ImageStore::SetPalette(HPALETTE palette, bool updateColors) {
  if (!hasPalette_) {
    if (palette) ::DeleteObject(palette);
    return;
  }
  if (updateColors) PaletteToColorTable(palette);
  ::SelectPalette(dc_, palette, FALSE);
  ::RealizePalette(dc_);
  if (palette_ && palette_ != palette) ::DeleteObject(palette_);
  palette_ = palette;
}

void ImageStore::CopyPixelsFrom(const ImageStore& source) {
  if (!Ready() || !source.Ready()) return;
  std::memcpy(bits_, source.bits_, std::min<std::size_t>(std::size_t(stride_) * height_,
                                                         std::size_t(source.stride_) * source.height_));
  if (!alpha_.empty() && alpha_.size() == source.alpha_.size())
    std::memcpy(alpha_.data(), source.alpha_.data(), alpha_.size());
  if (!extra_.empty() && extra_.size() == source.extra_.size())
    std::memcpy(extra_.data(), source.extra_.data(), extra_.size());
  key_ = source.key_.size() == std::size_t(width_) * height_ ? source.key_ : std::vector<std::uint8_t>();
  std::memcpy(info_.bmiColors, source.info_.bmiColors, sizeof(info_.bmiColors));
  if (source.info_.bmiHeader.biClrUsed) info_.bmiHeader.biClrUsed = source.info_.bmiHeader.biClrUsed;
  if (hasPalette_) ::SetDIBColorTable(dc_, 0, 256, info_.bmiColors);
}

void ImageStore::CreateAlphaPlane() { alpha_.assign(std::size_t(width_) * height_, 255); }

void ImageStore::Resize(std::uint32_t width, std::uint32_t height) {
  BitmapInfo256 info = info_;
  info.bmiHeader.biWidth = LONG(width);
  info.bmiHeader.biHeight = LONG(height);
  HDC dc = ::CreateCompatibleDC(dc_);
  void* bits = nullptr;
  HBITMAP dib = dc ? ::CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0)
                   : nullptr;
  if (!dib || !bits) {
    if (dib) ::DeleteObject(dib);
    if (dc) ::DeleteDC(dc);
    Fail(kOutOfMemory);
  }
  HGDIOBJ old = ::SelectObject(dc, dib);
  const std::uint32_t stride = BitmapStride(info.bmiHeader.biBitCount, width);
  auto* newBits = static_cast<std::uint8_t*>(bits);
  std::memset(newBits, 0, std::size_t(stride) * height);
  const std::uint32_t rows = std::min(height, height_);
  const std::uint32_t rowCopy = std::min(stride, stride_);
  for (std::uint32_t y = 0; y < rows; ++y)
    std::memcpy(newBits + std::size_t(stride) * (height - 1 - y), Row(y), rowCopy);
  if (!alpha_.empty()) {
    std::vector<std::uint8_t> alpha(std::size_t(width) * height, 255);
    for (std::uint32_t y = 0; y < rows; ++y)
      std::memcpy(alpha.data() + std::size_t(width) * y, AlphaRow(y), std::min(width, width_));
    alpha_.swap(alpha);
  }
  if (!extra_.empty()) {
    std::vector<std::uint8_t> extra(std::size_t(stride) * height, 0);
    for (std::uint32_t y = 0; y < rows; ++y)
      std::memcpy(extra.data() + std::size_t(stride) * (height - 1 - y), ExtraRow(y), rowCopy);
    extra_.swap(extra);
  }
  FreeKeyPlane();  // a resized picture compares the key by colour
  if (palette_) {
    ::SelectPalette(dc, palette_, FALSE);
    ::RealizePalette(dc);
  }
  ::SelectObject(dc_, oldBitmap_);
  ::DeleteObject(dib_);
  ::DeleteDC(dc_);
  dc_ = dc;
  dib_ = dib;
  oldBitmap_ = old;
  bits_ = newBits;
  info_ = info;
  stride_ = stride;
  width_ = width;
  height_ = height;
}

}  // namespace png
