// Drawing one bitmap onto another (through the transfer routines and the source's
// resampler) and onto a platform device context.
#include "imaging/GR32.h"
#include "imaging/GR32_Resamplers.h"
#include "platform/core/WinApi.h"

void TBitmap32::Draw(Integer dstX, Integer dstY, TBitmap32* src) {
  if (src) src->DrawTo(this, dstX, dstY);
}

void TBitmap32::Draw(Integer dstX, Integer dstY, const TRect& srcRect, TBitmap32* src) {
  if (src) src->DrawTo(this, dstX, dstY, srcRect);
}

void TBitmap32::Draw(const TRect& dstRect, const TRect& srcRect, TBitmap32* src) {
  if (src) src->DrawTo(this, dstRect, srcRect);
}

void TBitmap32::DrawTo(TBitmap32* dst) {
  BlockTransfer(dst, 0, 0, dst ? dst->ClipRect() : TRect{}, this, BoundsRect(), DrawMode(), OnPixelCombine);
}

void TBitmap32::DrawTo(TBitmap32* dst, Integer dstX, Integer dstY) {
  BlockTransfer(dst, dstX, dstY, dst ? dst->ClipRect() : TRect{}, this, BoundsRect(), DrawMode(), OnPixelCombine);
}

void TBitmap32::DrawTo(TBitmap32* dst, Integer dstX, Integer dstY, const TRect& srcRect) {
  BlockTransfer(dst, dstX, dstY, dst ? dst->ClipRect() : TRect{}, this, srcRect, DrawMode(), OnPixelCombine);
}

void TBitmap32::DrawTo(TBitmap32* dst, const TRect& dstRect) {
  StretchTransfer(dst, dstRect, dst ? dst->ClipRect() : TRect{}, this, BoundsRect(), Resampler(), DrawMode(),
                  OnPixelCombine);
}

void TBitmap32::DrawTo(TBitmap32* dst, const TRect& dstRect, const TRect& srcRect) {
  StretchTransfer(dst, dstRect, dst ? dst->ClipRect() : TRect{}, this, srcRect, Resampler(), DrawMode(),
                  OnPixelCombine);
}

void TBitmap32::DrawTo(void* hdc, Integer dstX, Integer dstY) const {
  if (Empty()) return;
  ::StretchDIBits(HDC(hdc), dstX, dstY, Width(), Height(), 0, 0, Width(), Height(), Bits(),
                  static_cast<const BITMAPINFO*>(BitmapInfo()), DIB_RGB_COLORS, SRCCOPY);
}

void TBitmap32::DrawTo(void* hdc, const TRect& dstRect, const TRect& srcRect) const {
  if (Empty()) return;
  ::StretchBlt(HDC(hdc), dstRect.Left, dstRect.Top, dstRect.Width(), dstRect.Height(), HDC(DCHandle()),
               srcRect.Left, srcRect.Top, srcRect.Width(), srcRect.Height(), SRCCOPY);
}

void TBitmap32::Draw(const TRect& dstRect, const TRect& srcRect, void* hdc) {
  if (Empty()) return;
  if (!MeasuringMode())
    ::StretchBlt(HDC(DCHandle()), dstRect.Left, dstRect.Top, dstRect.Width(), dstRect.Height(), HDC(hdc),
                 srcRect.Left, srcRect.Top, srcRect.Width(), srcRect.Height(), SRCCOPY);
  Changed(dstRect, AREAINFO_RECT);
}

Integer TBitmap32::TileTo(void* hdc, const TRect& dstRect, const TRect& srcRect) {
  constexpr Integer kTile = 1024;
  Integer w = dstRect.Width(), h = dstRect.Height();
  Integer cols = (w + kTile - 1) / kTile, rows = (h + kTile - 1) / kTile;
  if (cols <= 0 || rows <= 0) return 0;
  TBitmap32 buffer;
  Integer tiles = 0;
  for (Integer row = 0; row < rows; ++row)
    for (Integer col = 0; col < cols; ++col) {
      TRect tile{col * kTile, row * kTile, std::min((col + 1) * kTile, w), std::min((row + 1) * kTile, h)};
      buffer.SetSize(tile.Width(), tile.Height());
      TRect placed = dstRect;
      OffsetRect(placed, -dstRect.Left - tile.Left, -dstRect.Top - tile.Top);
      TRect clip = tile;
      OffsetRect(clip, -tile.Left, -tile.Top);
      StretchTransfer(&buffer, placed, clip, this, srcRect, Resampler(), DrawMode(), OnPixelCombine);
      buffer.DrawTo(hdc, dstRect.Left + tile.Left, dstRect.Top + tile.Top);
      ++tiles;
    }
  return tiles;
}
