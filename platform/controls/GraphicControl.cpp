#include "platform/controls/GraphicControl.h"

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
