// The canvas of a control and the two painting bases: TGraphicControl, painted on
// its parent's window through the parent's WM_PAINT, and TCustomControl, which
// paints its own window.
#include "platform/controls/Controls.h"

#include <algorithm>
#include <vector>

namespace {

// Canvases holding a device context they took themselves (borrowed pointers:
// each canvas leaves the list when it gives its context back).
std::vector<TControlCanvas*>& CanvasesWithDC() {
  static std::vector<TControlCanvas*> list;
  return list;
}

}  // namespace

// ---- TControlCanvas ----

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::FreeDeviceContexts() {
  std::vector<TControlCanvas*> list = CanvasesWithDC();
  for (TControlCanvas* canvas : list)
    if (canvas->LockCount() == 0) canvas->FreeHandle();
}

void TControlCanvas::SetControl(TControl* control) {
  if (control_ == control) return;
  FreeHandle();
  control_ = control;
}

void TControlCanvas::BindPaintDC(HDC dc) {
  FreeHandle();
  SetHandle(dc);
}

void TControlCanvas::FreeHandle() {
  if (!HandleAllocated()) return;
  HDC dc = Handle();
  SetHandle(nullptr);
  if (ownDC_ == dc) {
    ::ReleaseDC(dcWindow_, dc);
    auto& list = CanvasesWithDC();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  ownDC_ = nullptr;
  dcWindow_ = nullptr;
}

void TControlCanvas::CreateHandle() {
  if (!control_) return;
  auto windowed = dynamic_cast<TWinControl*>(control_);
  TWinControl* host = windowed ? windowed : control_->Parent();
  if (!host || !host->HandleAllocated()) return;
  dcWindow_ = host->Handle();
  ownDC_ = ::GetDCEx(dcWindow_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!ownDC_) return;
  CanvasesWithDC().push_back(this);
  if (!windowed) {
    // A windowless control draws on its own part of the parent's window.
    ::SetViewportOrgEx(ownDC_, control_->Left(), control_->Top(), nullptr);
    ::IntersectClipRect(ownDC_, 0, 0, control_->Width(), control_->Height());
  }
  SetHandle(ownDC_);
}

// ---- TGraphicControl ----

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
}

TGraphicControl::~TGraphicControl() { canvas_->FreeHandle(); }

void TGraphicControl::Dispatch(TMessage& message) {
  if (message.Msg == WM_PAINT) return WMPaint(message);
  TControl::Dispatch(message);
}

void TGraphicControl::WMPaint(TMessage& message) {
  HDC dc = MessageDC(message);
  if (!dc) return;
  canvas_->Lock();
  canvas_->BindPaintDC(dc);
  try {
    canvas_->Font()->Assign(Font());
    Paint();
  } catch (...) {
    canvas_->FreeHandle();
    canvas_->Unlock();
    throw;
  }
  canvas_->FreeHandle();
  canvas_->Unlock();
}

// ---- TCustomControl ----

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
}

TCustomControl::~TCustomControl() { canvas_->FreeHandle(); }

void TCustomControl::WMPaint(TMessage& message) {
  ControlState |= csCustomPaint;
  try {
    TWinControl::WMPaint(message);
  } catch (...) {
    ControlState &= ~csCustomPaint;
    throw;
  }
  ControlState &= ~csCustomPaint;
}

void TControlCanvas::PaintOn(HDC dc, const std::function<void()>& paint) {
  const int saved = ::SaveDC(dc);
  Lock();
  BindPaintDC(dc);
  try {
    Font()->Assign(control_->Font());
    Brush()->SetColor(control_->Color());
    paint();
  } catch (...) {
    FreeHandle();
    Unlock();
    ::RestoreDC(dc, saved);
    throw;
  }
  FreeHandle();
  Unlock();
  ::RestoreDC(dc, saved);
}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_->PaintOn(dc, [this] { Paint(); });
}
