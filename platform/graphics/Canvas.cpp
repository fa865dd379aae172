#include "platform/graphics/Canvas.h"

#include "platform/graphics/Graphic.h"

#include <cstddef>

// Rectangles and points pass to GDI as RECT and POINT.
static_assert(sizeof(TRect) == sizeof(RECT) && offsetof(TRect, Right) == offsetof(RECT, right), "TRect is a RECT");
static_assert(sizeof(TPoint) == sizeof(POINT) && offsetof(TPoint, Y) == offsetof(POINT, y), "TPoint is a POINT");
static_assert(sizeof(TSize) == sizeof(SIZE), "TSize is a SIZE");

TCanvas::TCanvas() : font_(new TFont), pen_(new TPen), brush_(new TBrush) { ::InitializeCriticalSection(&lock_); }

TCanvas::~TCanvas() {
  SetHandle(nullptr);
  ::DeleteCriticalSection(&lock_);
}

HDC TCanvas::Handle() {
  RequiredState(csHandleValid);
  return handle_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == handle_) return;
  if (handle_) Deselect();
  handle_ = dc;
}

void TCanvas::Deselect() {
  if (!handle_) return;
  if (selectedFont_) ::SelectObject(handle_, ::GetStockObject(SYSTEM_FONT));
  if (selectedPen_) ::SelectObject(handle_, ::GetStockObject(BLACK_PEN));
  if (selectedBrush_) ::SelectObject(handle_, ::GetStockObject(HOLLOW_BRUSH));
  selectedFont_.reset();
  selectedPen_.reset();
  selectedBrush_.reset();
}

void TCanvas::Refresh() { Deselect(); }

void TCanvas::RequiredState(unsigned state) {
  if (!handle_) {
    CreateHandle();
    if (!handle_) throw EInvalidOperation("Canvas does not allow drawing");
  }
  if (state & csFontValid) {
    TSharedGdiObject font = font_->SharedHandle();
    if (font != selectedFont_) {
      ::SelectObject(handle_, static_cast<HGDIOBJ>(font.get()));
      selectedFont_ = font;
    }
    ::SetTextColor(handle_, static_cast<COLORREF>(ColorToRGB(font_->Color())));
  }
  if (state & csPenValid) {
    TSharedGdiObject pen = pen_->SharedHandle();
    if (pen != selectedPen_) {
      ::SelectObject(handle_, static_cast<HGDIOBJ>(pen.get()));
      selectedPen_ = pen;
    }
    ::SetROP2(handle_, PenModeToRop2(pen_->Mode()));
  }
  if (state & csBrushValid) {
    TSharedGdiObject brush = brush_->SharedHandle();
    if (brush != selectedBrush_) {
      ::SelectObject(handle_, static_cast<HGDIOBJ>(brush.get()));
      selectedBrush_ = brush;
    }
    // A solid brush is also the text background; a hatched or clear one leaves
    // the background as it is (and a hatch needs a background colour unlike its
    // own to show its lines).
    COLORREF color = static_cast<COLORREF>(ColorToRGB(brush_->Color()));
    bool solid = brush_->Style() == bsSolid;
    ::SetBkColor(handle_, solid ? color : ~color & 0xFFFFFF);
    ::SetBkMode(handle_, solid ? OPAQUE : TRANSPARENT);
  }
}

void TCanvas::Lock() {
  ::EnterCriticalSection(&lock_);
  ++lockCount_;
}

void TCanvas::Unlock() {
  --lockCount_;
  ::LeaveCriticalSection(&lock_);
}

bool TCanvas::TryLock() {
  if (!::TryEnterCriticalSection(&lock_)) return false;
  ++lockCount_;
  return true;
}

void TCanvas::Changing() { OnChanging(this); }
void TCanvas::Changed() { OnChange(this); }

TPoint TCanvas::PenPos() {
  RequiredState(csHandleValid);
  POINT position = {};
  ::GetCurrentPositionEx(handle_, &position);
  return Point(position.x, position.y);
}

void TCanvas::MoveTo(int x, int y) {
  RequiredState(csHandleValid);
  ::MoveToEx(handle_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::LineTo(handle_, x, y);
  Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::Polyline(handle_, reinterpret_cast<const POINT*>(points.data()), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::Polygon(handle_, reinterpret_cast<const POINT*>(points.data()), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::Rectangle(handle_, x1, y1, x2, y2);
  Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::RoundRect(handle_, x1, y1, x2, y2, x3, y3);
  Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::Ellipse(handle_, x1, y1, x2, y2);
  Changed();
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::Arc(handle_, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::Chord(handle_, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState(csHandleValid | csPenValid | csBrushValid);
  ::Pie(handle_, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

void TCanvas::FillRect(const TRect& rect) {
  Changing();
  RequiredState(csHandleValid | csBrushValid);
  ::FillRect(handle_, reinterpret_cast<const RECT*>(&rect), brush_->Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
  Changing();
  RequiredState(csHandleValid | csBrushValid);
  ::FrameRect(handle_, reinterpret_cast<const RECT*>(&rect), brush_->Handle());
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  Changing();
  RequiredState(csHandleValid | csBrushValid);
  ::DrawFocusRect(handle_, reinterpret_cast<const RECT*>(&rect));
  Changed();
}

void TCanvas::TextOut(int x, int y, const String& text) {
  Changing();
  RequiredState(csHandleValid | csFontValid | csBrushValid);
  ::TextOutA(handle_, x, y, text.data(), static_cast<int>(text.size()));
  SIZE extent = {};
  ::GetTextExtentPoint32A(handle_, text.data(), static_cast<int>(text.size()), &extent);
  ::MoveToEx(handle_, x + extent.cx, y, nullptr);
  Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const String& text) {
  Changing();
  RequiredState(csHandleValid | csFontValid | csBrushValid);
  UINT options = ETO_CLIPPED | (brush_->Style() == bsSolid ? ETO_OPAQUE : 0);
  ::ExtTextOutA(handle_, x, y, options, reinterpret_cast<const RECT*>(&rect), text.data(),
                static_cast<UINT>(text.size()), nullptr);
  Changed();
}

int TCanvas::TextRect(TRect& rect, const String& text, TTextFormat format) {
  bool drawing = (format & DT_CALCRECT) == 0;
  if (drawing) Changing();
  RequiredState(csHandleValid | csFontValid | csBrushValid);
  int height = ::DrawTextA(handle_, text.data(), static_cast<int>(text.size()), reinterpret_cast<RECT*>(&rect), format);
  if (drawing) Changed();
  return height;
}

TSize TCanvas::TextExtent(const String& text) {
  RequiredState(csHandleValid | csFontValid);
  SIZE extent = {};
  ::GetTextExtentPoint32A(handle_, text.data(), static_cast<int>(text.size()), &extent);
  return Size(extent.cx, extent.cy);
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  Changing();
  RequiredState(csHandleValid);
  graphic->Draw(this, rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
  if (!canvas) return;
  Changing();
  RequiredState(csHandleValid | csBrushValid);
  HDC from = canvas->Handle();
  ::StretchBlt(handle_, dest.Left, dest.Top, dest.Width(), dest.Height(), from, source.Left, source.Top,
               source.Width(), source.Height(), CopyMode);
  Changed();
}

TColor TCanvas::Pixels(int x, int y) {
  RequiredState(csHandleValid);
  COLORREF color = ::GetPixel(handle_, x, y);
  return color == CLR_INVALID ? clNone : static_cast<TColor>(color);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  Changing();
  RequiredState(csHandleValid);
  ::SetPixelV(handle_, x, y, static_cast<COLORREF>(ColorToRGB(color)));
  Changed();
}

TRect TCanvas::ClipRect() {
  RequiredState(csHandleValid);
  TRect rect;
  ::GetClipBox(handle_, reinterpret_cast<RECT*>(&rect));
  return rect;
}

void TCanvas::Assign(const TPersistent* source) {
  const TCanvas* other = dynamic_cast<const TCanvas*>(source);
  if (!other) return TPersistent::Assign(source);
  font_->Assign(other->font_.get());
  pen_->Assign(other->pen_.get());
  brush_->Assign(other->brush_.get());
  CopyMode = other->CopyMode;
}
