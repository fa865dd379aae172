// The double-buffered paint box: the back buffer and its oversize rule, the
// repaint modes, and the copy of the buffer (whole or by rectangles) to the window.
#include <algorithm>

#include "imaging/GR32_Image.h"
#include "imaging/GR32_MicroTiles.h"
#include "platform/core/WinApi.h"

namespace {
TCustomRepaintOptimizer* NewMicroTilesOptimizer(TBitmap32* buffer, TRectList* invalidRects) {
  return new TMicroTilesRepaintOptimizer(buffer, invalidRects);
}

// The canvas lock and then the buffer's around a copy, released in reverse order.
template <class F>
void WithLocks(TCanvas* canvas, TBitmap32* buffer, F copy) {
  if (canvas) canvas->Lock();
  buffer->Lock();
  try {
    copy();
  } catch (...) {
    buffer->Unlock();
    if (canvas) canvas->Unlock();
    throw;
  }
  buffer->Unlock();
  if (canvas) canvas->Unlock();
}

void CopyRect(HDC target, const TRect& at, HDC source, const TPoint& from) {
  ::BitBlt(target, at.Left, at.Top, at.Width(), at.Height(), source, from.X, from.Y, SRCCOPY);
}
}  // namespace

TRepaintOptimizerClass RepaintOptimizerClassRef = &NewMicroTilesOptimizer;

TCustomPaintBox32::TCustomPaintBox32(TComponent* owner)
    : TCustomControl(owner),
      buffer_(new TBitmap32),
      invalidRects_(new TRectList),
      optimizer_(RepaintOptimizerClassRef(buffer_, invalidRects_)) {
  SetBounds(Left(), Top(), 192, 192);
}

TCustomPaintBox32::~TCustomPaintBox32() {
  DestroyHandle();  // no message reaches the parts freed below
  delete optimizer_;
  delete invalidRects_;
  delete buffer_;
}

// ---- the back buffer

void TCustomPaintBox32::SetBufferOversize(Integer value) {
  value = std::max(value, 0);
  if (value == bufferOversize_) return;
  bufferOversize_ = value;
  ResizeBuffer();
  bufferValid_ = false;
}

namespace {
// The new buffer side for a viewport side: grown with slack, shrunk only when far too large.
Integer BufferSide(Integer current, Integer needed, Integer oversize) {
  Integer side = current;
  if (current < needed) side = needed + oversize;
  else if (needed < current - oversize) side = needed;
  return std::max(side, 1);
}
}  // namespace

void TCustomPaintBox32::ResizeBuffer() {
  const TRect viewport = GetViewportRect();
  const Integer oldWidth = buffer_->Width(), oldHeight = buffer_->Height();
  const Integer width = BufferSide(oldWidth, std::max(viewport.Width(), 0), bufferOversize_);
  const Integer height = BufferSide(oldHeight, std::max(viewport.Height(), 0), bufferOversize_);
  if (width == oldWidth && height == oldHeight) return;
  buffer_->Lock();
  try {
    buffer_->SetSize(width, height);
  } catch (...) {
    buffer_->Unlock();
    throw;
  }
  buffer_->Unlock();
  DoBufferResized(oldWidth, oldHeight);
  ForceFullInvalidate();
}

TRect TCustomPaintBox32::GetViewportRect() { return TRect{0, 0, Width(), Height()}; }

void TCustomPaintBox32::DoBufferResized(Integer, Integer) {
  if (optimizer_->Enabled()) optimizer_->BufferResizedHandler(buffer_->Width(), buffer_->Height());
}

void TCustomPaintBox32::ResetInvalidRects() { invalidRects_->Clear(); }

// ---- repaint modes and invalidation

void TCustomPaintBox32::SetRepaintMode(TRepaintMode value) {
  if (!optimizer_) return;
  switch (value) {
    case rmOptimizer:
      // An image control routes its bitmap's areas itself.
      if (!dynamic_cast<TCustomImage32*>(this))
        buffer_->OnAreaChanged = TAreaChangedEvent(optimizer_, &TCustomRepaintOptimizer::AreaUpdateHandler);
      else
        buffer_->OnAreaChanged = nullptr;
      break;
    case rmDirect: buffer_->OnAreaChanged = TAreaChangedEvent(this, &TCustomPaintBox32::DirectAreaUpdateHandler); break;
    default: buffer_->OnAreaChanged = nullptr; break;
  }
  optimizer_->SetEnabled(value == rmOptimizer);
  repaintMode_ = value;
  Invalidate();
}

bool TCustomPaintBox32::CustomRepaint() {
  return optimizer_->Enabled() && !forceFullRepaint_ && optimizer_->UpdatesAvailable();
}

void TCustomPaintBox32::DoPrepareInvalidRects() {
  if (optimizer_->Enabled() && !forceFullRepaint_) optimizer_->PerformOptimization();
}

void TCustomPaintBox32::ForceFullInvalidate() {
  if (optimizer_->Enabled()) optimizer_->Reset();
  forceFullRepaint_ = true;
  Invalidate();
}

void TCustomPaintBox32::Invalidate() {
  bufferValid_ = false;
  // A partial repaint is handled at once by a paint message of the control's own.
  if (HandleAllocated() && CustomRepaint()) {
    ::PostMessageA(Handle(), WM_PAINT, 0, 0);
    return;
  }
  TCustomControl::Invalidate();
}

void TCustomPaintBox32::RepaintNow() {
  if (HasControlState(csCustomPaint)) return;
  Invalidate();
  Update();
}

void TCustomPaintBox32::DirectAreaUpdateHandler(TObject*, const TRect& area, Cardinal) {
  invalidRects_->Add(area);
  RepaintNow();
}

void TCustomPaintBox32::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  bufferValid_ = false;
}

void TCustomPaintBox32::Loaded() {
  bufferValid_ = false;
  TCustomControl::Loaded();
  // A size read from a definition reaches no Resize: the buffer follows it here.
  ResizeBuffer();
}

void TCustomPaintBox32::Resize() {
  ResizeBuffer();
  // A new viewport is painted whole, also when the buffer kept its size: the
  // uncovered part holds nothing yet.
  ForceFullInvalidate();
  TCustomControl::Resize();
}

// ---- painting

void TCustomPaintBox32::DoPaintBuffer() {
  if (forceFullRepaint_) {
    forceFullRepaint_ = false;
    invalidRects_->Clear();
  } else {
    DoPrepareInvalidRects();
  }
  bufferValid_ = true;
}

void TPaintBox32::DoPaintBuffer() {
  OnPaintBuffer(this);
  TCustomPaintBox32::DoPaintBuffer();
}

void TCustomPaintBox32::CopyToWindow(HDC dc) {
  const HDC source = HDC(buffer_->DCHandle());
  if (!source) return;
  WithLocks(nullptr, buffer_, [&] {
    if (invalidRects_->Count() == 0) {
      const TRect viewport = GetViewportRect();
      return CopyRect(dc, viewport, source, viewport.TopLeft());
    }
    for (Integer i = 0; i < invalidRects_->Count(); ++i) {
      const TRect& r = *invalidRects_->Items(i);
      CopyRect(dc, r, source, r.TopLeft());
    }
  });
}

void TCustomPaintBox32::Paint() {
  if (optimizer_->Enabled()) optimizer_->BeginPaint();
  if (!bufferValid_) DoPaintBuffer();
  CopyToWindow(Canvas()->Handle());
  DoPaintGDIOverlay();
  if (optimizer_->Enabled()) optimizer_->EndPaint();
  ResetInvalidRects();
  forceFullRepaint_ = false;
}

void TCustomPaintBox32::Flush() {
  const TRect viewport = GetViewportRect();
  if (!HandleAllocated() || !buffer_->DCHandle()) return;
  WithLocks(Canvas(), buffer_, [&] {
    CopyRect(Canvas()->Handle(), viewport, HDC(buffer_->DCHandle()), TPoint{0, 0});
  });
}

void TCustomPaintBox32::Flush(const TRect& r) {
  if (!HandleAllocated() || !buffer_->DCHandle()) return;
  const TPoint origin = GetViewportRect().TopLeft();
  TRect at = r;
  at.Left += origin.X;
  at.Right += origin.X;
  at.Top += origin.Y;
  at.Bottom += origin.Y;
  WithLocks(Canvas(), buffer_, [&] { CopyRect(Canvas()->Handle(), at, HDC(buffer_->DCHandle()), r.TopLeft()); });
}

// ---- messages and mouse

void TCustomPaintBox32::WMPaint(TMessage& message) {
  if (CustomRepaint()) {
    if (InvalidRectsAvailable()) Paint();
    else if (HandleAllocated()) ::InvalidateRect(Handle(), nullptr, FALSE);
  }
  TCustomControl::WMPaint(message);
}

void TCustomPaintBox32::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;  // the buffer covers everything; nothing is erased
      return;
    case WM_GETDLGCODE:
      TCustomControl::Dispatch(message);
      if (options_ & pboWantArrowKeys) message.Result |= DLGC_WANTARROWS;
      else message.Result &= ~LRESULT(DLGC_WANTARROWS);
      return;
    default: return TCustomControl::Dispatch(message);
  }
}

void TCustomPaintBox32::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if ((options_ & pboAutoFocus) && CanFocus()) SetFocus();
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomPaintBox32::CMMouseEnter(TMessage& message) {
  TCustomControl::CMMouseEnter(message);
  MouseEnter();
}

void TCustomPaintBox32::CMMouseLeave(TMessage& message) {
  MouseLeave();
  TCustomControl::CMMouseLeave(message);
}

void TCustomPaintBox32::MouseEnter() {
  mouseInside_ = true;
  OnMouseEnter(this);
}

void TCustomPaintBox32::MouseLeave() {
  mouseInside_ = false;
  OnMouseLeave(this);
}
