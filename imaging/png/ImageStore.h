// The decoded picture of a PNG: a bottom-up device-independent bitmap selected into
// a memory device context, its palette, and the alpha and extra (low byte) planes.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/png/Format.h"
#include "platform/core/WinApi.h"

namespace png {

struct BitmapInfo256 {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[256];
};

class ImageStore {
public:
  ImageStore() = default;
  ImageStore(const ImageStore&) = delete;
  ImageStore& operator=(const ImageStore&) = delete;
  ~ImageStore() { Free(); }

  // Builds empty storage for `header` (a valid pair, checked size); gray palettes
  // come from `gamma`, palette images start with the halftone palette.
  // Throws Failure(kOutOfMemory) when the system refuses the bitmap.
  void Prepare(const Header& header, const std::uint8_t* gamma);
  void Free();
  bool Ready() const { return bits_ != nullptr; }

  // Row `y` of the picture (0 = top) in the bitmap, the extra and the alpha plane.
  std::uint8_t* Row(std::uint32_t y) const { return bits_ + std::size_t(stride_) * (height_ - 1 - y); }
  std::uint8_t* ExtraRow(std::uint32_t y) const {
    return extra_.empty() ? nullptr : const_cast<std::uint8_t*>(extra_.data()) + std::size_t(stride_) * (height_ - 1 - y);
  }
  std::uint8_t* AlphaRow(std::uint32_t y) const {
    return alpha_.empty() ? nullptr : const_cast<std::uint8_t*>(alpha_.data()) + std::size_t(width_) * y;
  }
  // Row `y` of the key plane: 1 where the stored samples equal the colour key (before
  // any gamma correction); null when the key was not marked while decoding or the
  // key or the size changed since.
  std::uint8_t* KeyRow(std::uint32_t y) const {
    return key_.empty() ? nullptr : const_cast<std::uint8_t*>(key_.data()) + std::size_t(width_) * y;
  }
  void CreateKeyPlane() { key_.assign(std::size_t(width_) * height_, 0); }

  // Rows (of all passes) the last decoding of image data did not reach; 0 before any.
  std::uint32_t MissingRows() const { return missingRows_; }
  void ExpectRows(std::uint32_t rows) { missingRows_ = rows; }
  void RowDecoded() { --missingRows_; }
  void FreeKeyPlane() { std::vector<std::uint8_t>().swap(key_); }

  // Replaces the palette (taking ownership); with `updateColors` the colour table is
  // rewritten from it. Nothing for a picture without a palette (the palette is freed).
  void SetPalette(HPALETTE palette, bool updateColors);
  // Copies a palette's entries (up to 256) into the colour table.
  void PaletteToColorTable(HPALETTE palette);
  // Copies the pixels, colour table and both planes of another store of the same format.
  void CopyPixelsFrom(const ImageStore& source);
  // Gives the bitmap a new size, keeping the top-left part (new alpha 255, new rest 0).
  void Resize(std::uint32_t width, std::uint32_t height);
  // Replaces the alpha plane: a new plane of 255, or none.
  void CreateAlphaPlane();
  void FreeAlphaPlane() { std::vector<std::uint8_t>().swap(alpha_); }

  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return dib_; }
  HPALETTE Palette() const { return palette_; }
  bool HasPalette() const { return hasPalette_; }
  std::uint32_t Stride() const { return stride_; }
  std::uint8_t* Bits() const { return bits_; }
  int BitsPerPixel() const { return info_.bmiHeader.biBitCount; }
  const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(&info_); }
  BitmapInfo256& InfoRecord() { return info_; }
  std::uint32_t ColorsUsed() const { return info_.bmiHeader.biClrUsed; }
  // Colour-table entry `index` as 0x00RRGGBB.
  std::uint32_t ColorTableEntry(unsigned index) const {
    const RGBQUAD& q = info_.bmiColors[index & 255];
    return (std::uint32_t(q.rgbRed) << 16) | (std::uint32_t(q.rgbGreen) << 8) | q.rgbBlue;
  }

private:
  HBITMAP dib_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  HDC dc_ = nullptr;
  HPALETTE palette_ = nullptr;
  bool hasPalette_ = false;
  BitmapInfo256 info_{};
  std::vector<std::uint8_t> extra_;  // low bytes of 16-bit samples, bitmap layout
  std::uint8_t* bits_ = nullptr;     // owned by the DIB section
  std::vector<std::uint8_t> alpha_;  // Width x Height, top row first
  std::vector<std::uint8_t> key_;    // Width x Height, top row first
  std::uint32_t stride_ = 0;
  std::uint32_t width_ = 0;
  std::uint32_t height_ = 0;
  std::uint32_t missingRows_ = 0;
};

// A palette of `entries` grays, entry i = gamma[i * 255 / (entries - 1)].
HPALETTE CreateGrayscalePalette(int entries, const std::uint8_t* gamma);

}  // namespace png
