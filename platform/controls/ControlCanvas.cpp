// The canvas of a control: its device context taken on first drawing and given
// back when the message queue runs empty or the control paints.
#include "platform/controls/ControlCanvas.h"

#include <algorithm>
#include <vector>

#include "platform/controls/WinControl.h"

namespace {

// Canvases holding a device context they took themselves (borrowed pointers:
// each canvas leaves the list when it gives its context back).
std::vector<TControlCanvas*>& CanvasesWithDC() {
  static std::vector<TControlCanvas*> list;
  return list;
}

}  // namespace

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

