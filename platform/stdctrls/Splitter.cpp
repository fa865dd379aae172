// TSplitter: a bar that resizes its neighbour while it is dragged.
#include "platform/stdctrls/Splitter.h"

#include <algorithm>

#include "platform/controls/WinControl.h"
#include "platform/graphics/Frame3D.h"

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetAlign(alLeft);
  SetBounds(0, 0, 3, 100);
  SetCursor(crHSplit);
  SetParentColor(true);
}

void TSplitter::SetBeveled(bool value) {
  if (beveled_ == value) return;
  beveled_ = value;
  Invalidate();
}

void TSplitter::UpdateCursor() {
  if (Align() == alTop || Align() == alBottom)
    SetCursor(crVSplit);
  else if (Align() == alLeft || Align() == alRight)
    SetCursor(crHSplit);
}

TControl* TSplitter::FindControl() const {
  if (!Parent()) return nullptr;
  TPoint p{Left(), Top()};
  switch (Align()) {
    case alLeft: p.X -= 1; break;
    case alRight: p.X += Width(); break;
    case alTop: p.Y -= 1; break;
    case alBottom: p.Y += Height(); break;
    default: return nullptr;
  }
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* control = Parent()->Controls(i);
    if (control == this || !control->Visible() || control->Align() != Align()) continue;
    const TRect r = control->BoundsRect();
    // A control of no width still lies beside the splitter.
    const bool inX = r.Width() == 0 ? p.X == r.Left || p.X + 1 == r.Left : p.X >= r.Left && p.X < r.Right;
    const bool inY = r.Height() == 0 ? p.Y == r.Top || p.Y + 1 == r.Top : p.Y >= r.Top && p.Y < r.Bottom;
    if (inX && inY) return control;
  }
  return nullptr;
}

int TSplitter::SizeFor(int delta) const {
  const bool horizontal = Align() == alLeft || Align() == alRight;
  int size = startSize_ + ((Align() == alLeft || Align() == alTop) ? delta : -delta);
  // What the other controls of the same direction leave for this one, less the
  // room the client area keeps.
  int taken = 0;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* control = Parent()->Controls(i);
    if (control == control_ || !control->Visible()) continue;
    const TAlign a = control->Align();
    if (horizontal && (a == alLeft || a == alRight)) taken += control->Width();
    if (!horizontal && (a == alTop || a == alBottom)) taken += control->Height();
  }
  const int room = (horizontal ? Parent()->ClientWidth() : Parent()->ClientHeight()) - taken - minSize_;
  size = std::min(size, room);
  return std::max(size, minSize_);
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  control_ = FindControl();
  if (!control_) return;
  downPos_ = ClientToScreen(TPoint{x, y});
  startSize_ = (Align() == alLeft || Align() == alRight) ? control_->Width() : control_->Height();
  dragging_ = true;
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!dragging_ || !control_) return;
  const TPoint now = ClientToScreen(TPoint{x, y});
  const bool horizontal = Align() == alLeft || Align() == alRight;
  int size = SizeFor(horizontal ? now.X - downPos_.X : now.Y - downPos_.Y);
  bool accept = true;
  OnCanResize(this, size, accept);
  if (!accept) return;
  if (horizontal ? size == control_->Width() : size == control_->Height()) return;
  if (Align() == alLeft || Align() == alTop) {
    horizontal ? control_->SetWidth(size) : control_->SetHeight(size);
  } else if (Align() == alRight) {
    control_->SetBounds(control_->Left() + control_->Width() - size, control_->Top(), size, control_->Height());
  } else {
    control_->SetBounds(control_->Left(), control_->Top() + control_->Height() - size, control_->Width(), size);
  }
  if (Parent()) Parent()->Update();
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!dragging_) return;
  dragging_ = false;
  control_ = nullptr;
  OnMoved(this);
}

void TSplitter::Loaded() {
  TGraphicControl::Loaded();
  UpdateCursor();
}

void TSplitter::CMMouseEnter(TMessage& message) {
  UpdateCursor();
  TGraphicControl::CMMouseEnter(message);
}

void TSplitter::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(rect);
  if (!beveled_) return;
  if (Align() == alLeft || Align() == alRight)
    rect = TRect(rect.Left + 1, rect.Top, rect.Right - 1, rect.Bottom);
  else
    rect = TRect(rect.Left, rect.Top + 1, rect.Right, rect.Bottom - 1);
  Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, 1);
}
