// TBitmap: a device-independent bitmap (a DIB section) in one of the pixel
// formats 1, 4, 8, 15, 16, 24 or 32 bits, with a canvas over a memory DC, BMP
// load and save, and colour-key transparency.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphic.h"

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

// The largest pixel store a bitmap accepts, in bytes.
constexpr Int64 MaxBitmapBytes = Int64(1) << 30;

class TBitmapCanvas;

class TBitmap : public TGraphic {
public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = pfDevice);
  ~TBitmap() override;

  void Draw(TCanvas* canvas, const TRect& rect) override;
  bool Empty() const override { return width_ == 0 || height_ == 0; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) override { SetSize(width, height_); }
  void SetHeight(int height) override { SetSize(width_, height); }
  // Keeps the pixels that fit at the top left; new area is white. Negative sizes
  // count as 0; a size whose pixel store would pass MaxBitmapBytes raises
  // EInvalidGraphic and changes nothing.
  void SetSize(int width, int height);

  // pfDevice stands for the screen's format and is kept as 32 bits.
  TPixelFormat PixelFormat() const { return pixelFormat_; }
  // Converts the pixels to the new format (colours map to the nearest palette entry).
  void SetPixelFormat(TPixelFormat format);
  int BitsPerPixel() const;
  bool Monochrome() const { return pixelFormat_ == pf1bit; }
  void SetMonochrome(bool monochrome) { SetPixelFormat(monochrome ? pf1bit : pfDevice); }
  TBitmapHandleType HandleType() const { return bmDIB; }
  void SetHandleType(TBitmapHandleType) {}  // every bitmap here is device-independent

  // The canvas over the bitmap (owned), made on first use.
  TCanvas* Canvas();
  // The DIB section; nullptr while the bitmap is empty.
  HBITMAP Handle() const { return dib_; }
  bool HandleAllocated() const { return dib_ != nullptr; }
  // Takes the bitmap (owned); a device-dependent one is copied into a DIB section.
  void SetHandle(HBITMAP bitmap);
  // Gives the DIB section to the caller; the bitmap becomes empty.
  HBITMAP ReleaseHandle();

  // The first byte of row `row` (0 = top); EInvalidGraphic outside 0..Height-1.
  void* ScanLine(int row);
  // Bytes per row (rows are padded to 4 bytes).
  int ScanLineSize() const { return stride_; }
  // The colour table of a palette format (entries as RGBQUAD values).
  const std::vector<RGBQUAD>& ColorTable() const { return colors_; }
  void SetColorTable(const std::vector<RGBQUAD>& colors);
  HPALETTE Palette() override;

  // tmAuto takes the colour of the bottom-left pixel; setting a colour makes the
  // mode tmFixed. The colour is given as RGB.
  TColor TransparentColor();
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode);

  // BMP files: 1, 4, 8, 16, 24 and 32 bits, uncompressed, RLE or bit fields,
  // bottom-up or top-down, with any of the usual info headers.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // A bitmap resource (RT_BITMAP) of a module; EResNotFound when absent.
  void LoadFromResourceName(HINSTANCE instance, const String& name);
  void LoadFromResourceID(HINSTANCE instance, int id);
  // Form data: a 4-byte length, then the BMP file.
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;

  void Assign(const TPersistent* source) override;
  void Dormant() {}
  void FreeImage() {}

protected:
  void Changed(TObject* sender) override;

private:
  friend class TBitmapCanvas;
  struct Image;
  static void CreateImage(Image& image, int width, int height, TPixelFormat format,
                          const std::vector<RGBQUAD>& colors);
  void TakeImage(Image& image);  // replaces the pixels (no notification)
  void CopyPixelsInto(Image& image) const;
  void FreeContext();

  HBITMAP dib_ = nullptr;  // owned DIB section
  void* bits_ = nullptr;   // its pixel store, bottom row first
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  TPixelFormat pixelFormat_ = pfDevice;
  std::vector<RGBQUAD> colors_;
  HPALETTE palette_ = nullptr;  // owned, made on request
  TTransparentMode transparentMode_ = tmAuto;
  TColor transparentColor_ = clDefault;
  std::unique_ptr<TBitmapCanvas> canvas_;
};

// The canvas of a bitmap: a memory DC with the bitmap selected, made on demand.
class TBitmapCanvas : public TCanvas {
public:
  explicit TBitmapCanvas(TBitmap* bitmap) : bitmap_(bitmap) {}
  ~TBitmapCanvas() override { FreeContext(); }
  void FreeContext();

protected:
  void CreateHandle() override;
  void Changed() override;

private:
  TBitmap* bitmap_;  // the owner
  HDC dc_ = nullptr;  // owned memory DC
  HGDIOBJ oldBitmap_ = nullptr;
};
