// Conversion of TBitmap32 from and to the platform's pictures: bitmaps, icons,
// metafiles and other graphics, picture holders, and bitmap files.
#include <cstring>
#include <memory>

#include "imaging/GR32.h"
#include "platform/core/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Picture.h"

namespace {

void DrawGraphic(TBitmap32* target, TGraphic* graphic) {
  TCanvas canvas;
  canvas.SetHandle(HDC(target->DCHandle()));
  canvas.StretchDraw(target->BoundsRect(), graphic);
  canvas.SetHandle(nullptr);
  ::GdiFlush();
}

}  // namespace

// Copies the pixels of a platform bitmap; alpha 255 unless it has 32 bits, alpha 0
// at its transparent colour when it is transparent.
bool TBitmap32::AssignFromGraphic(const TPersistent* source) {
  if (auto bitmap = dynamic_cast<const TBitmap*>(source)) {
    auto* src = const_cast<TBitmap*>(bitmap);
    SetSize(src->Width(), src->Height());
    if (Empty()) return true;
    TCanvas* canvas = src->Canvas();
    canvas->Lock();
    ::BitBlt(HDC(DCHandle()), 0, 0, Width(), Height(), canvas->Handle(), 0, 0, SRCCOPY);
    canvas->Unlock();
    ::GdiFlush();
    font_->Assign(canvas->Font());
    if (src->PixelFormat() != pf32bit) ResetAlpha();
    if (src->Transparent()) {
      TColor32 key = Color32(ColorToRGB(src->TransparentColor())) & 0x00FFFFFF;
      for (Integer i = 0, n = Width() * Height(); i < n; ++i)
        if ((Bits()[i] & 0x00FFFFFF) == key) Bits()[i] = key;
    }
    return true;
  }
  if (auto picture = dynamic_cast<const TPicture*>(source)) {
    TGraphic* graphic = picture->Graphic();
    if (!graphic || dynamic_cast<TBitmap*>(graphic)) return AssignFromGraphic(graphic);
    if (dynamic_cast<TIcon*>(graphic) || dynamic_cast<TMetafile*>(graphic)) {
      // Drawn once on white and once on red: pixels that agree are opaque.
      SetSize(graphic->Width(), graphic->Height());
      if (Empty()) return true;
      Clear(0xFFFFFFFF);
      DrawGraphic(this, graphic);
      TBitmap32 red;
      red.SetSize(Width(), Height());
      red.Clear(0xFFFF0000);
      DrawGraphic(&red, graphic);
      for (Integer i = 0, n = Width() * Height(); i < n; ++i) {
        TColor32& p = Bits()[i];
        p = (p & 0x00FFFFFF) == (red.Bits()[i] & 0x00FFFFFF) ? p | 0xFF000000 : p & 0x00FFFFFF;
      }
      return true;
    }
    return AssignFromGraphic(graphic);
  }
  if (auto graphic = dynamic_cast<const TGraphic*>(source)) {
    SetSize(graphic->Width(), graphic->Height());
    if (Empty()) return true;
    DrawGraphic(this, const_cast<TGraphic*>(graphic));
    ResetAlpha();
    return true;
  }
  return false;
}

bool TBitmap32::AssignToGraphic(TPersistent* dest) const {
  TBitmap* bitmap = dynamic_cast<TBitmap*>(dest);
  if (auto picture = dynamic_cast<TPicture*>(dest)) bitmap = picture->Bitmap();
  if (!bitmap) return false;
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(Width(), Height());
  ::GdiFlush();
  for (Integer y = 0; y < Height(); ++y) std::memcpy(bitmap->ScanLine(y), GetScanLine(y), std::size_t(Width()) * 4);
  return true;
}

void TBitmap32::LoadFromStream(TStream& stream) {
  struct End {
    TBitmap32* self;
    ~End() { self->Changed(); }
  } end{this};
  TBitmap bitmap;
  bitmap.LoadFromStream(stream);
  Assign(&bitmap);
}

void TBitmap32::SaveToStream(TStream& stream) const {
  TBitmap bitmap;
  AssignToGraphic(&bitmap);
  bitmap.SaveToStream(stream);
}

void TBitmap32::LoadFromFile(const String& fileName) {
  TPicture picture;
  picture.LoadFromFile(fileName);
  Assign(&picture);
}

void TBitmap32::SaveToFile(const String& fileName) const {
  TBitmap bitmap;
  AssignToGraphic(&bitmap);
  bitmap.SaveToFile(fileName);
}

// ---------------------------------------------------------------------------
// Canvas and font

TCanvas* TBitmap32::Canvas() {
  if (!canvas_) {
    canvas_ = new TCanvas;
    canvas_->SetHandle(HDC(DCHandle()));
    canvas_->OnChange = TNotifyEvent(this, &TBitmap32::CanvasChanged);
  }
  return canvas_;
}

void TBitmap32::DeleteCanvas() {
  if (!canvas_) return;
  canvas_->SetHandle(nullptr);
  delete canvas_;
  canvas_ = nullptr;
}

void TBitmap32::HandleChanged() {
  if (canvas_) canvas_->SetHandle(HDC(DCHandle()));
  OnHandleChanged(this);
}

void TBitmap32::SetFont(const TFont* value) {
  font_->Assign(value);
  FontChanged(font_);
}

void TBitmap32::FontChanged(TObject*) {
  if (!selectedFont_) return;
  if (DCHandle()) ::SelectObject(HDC(DCHandle()), ::GetStockObject(SYSTEM_FONT));
  selectedFont_ = nullptr;
  selectedFontRef_.reset();  // after the stock font took its place in the device context
}
