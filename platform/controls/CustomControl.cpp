#include "platform/controls/CustomControl.h"

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

void TCustomControl::PaintWindow(HDC dc) {
  canvas_->PaintOn(dc, [this] { Paint(); });
}
