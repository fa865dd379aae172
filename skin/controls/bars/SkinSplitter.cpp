#include "skin/controls/bars/SkinSplitter.h"

#include <algorithm>

#include "platform/controls/CustomForm.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/draw/SkinImage.h"

// ---- the skinned face ----

void TspSplitterLook::Read(const TspSkinData* data, const String& name) {
  RecordIndex = !data || data->Empty ? -1 : data->GetControlIndex(name);
  Picture = nullptr;
  if (RecordIndex == -1) return;
  auto* record = dynamic_cast<TspDataSkinSplitterControl*>(data->CtrlList[RecordIndex].get());
  if (!record) return;  // a record of another kind has no picture here
  Picture = data->ActivePicture(record->pictureindex);
  SkinRect = record->skinrect, GripperRect = record->gripperrect;
  LeftTopPoint = record->lefttoppoint, RightTopPoint = record->righttoppoint;
  LeftBottomPoint = record->leftbottompoint, StretchEffect = record->stretcheffect;
  GripperTransparent = record->grippertransparent, GripperTransparentColor = record->grippertransparentcolor;
}

bool TspSplitterLook::Paint(TCanvas* canvas, TAlign align, Integer width, Integer height) const {
  if (RecordIndex == -1 || !Picture || align == alNone || align == alClient) return false;
  if (width <= 0 || height <= 0) return true;
  TBitmap strip;
  if (align == alTop || align == alBottom)
    CreateHSkinImage(LeftTopPoint.X, SkinRect.Width() - RightTopPoint.X, &strip, Picture, SkinRect, width, 0,
                     StretchEffect);
  else
    CreateVSkinImage(LeftTopPoint.Y, SkinRect.Height() - LeftBottomPoint.Y, &strip, Picture, SkinRect, 0, height,
                     StretchEffect);
  if (!GripperRect.IsEmpty())
    DrawPieceTransparent(strip.Canvas(), strip.Width() / 2 - GripperRect.Width() / 2,
                         strip.Height() / 2 - GripperRect.Height() / 2, Picture, GripperRect,
                         GripperTransparent ? GripperTransparentColor : clNone);
  canvas->Draw(0, 0, &strip);
  return true;
}

// ---- TspSkinSplitter ----

TspSkinSplitter::TspSkinSplitter(TComponent* owner) : TSplitter(owner) { ControlStyle |= csOpaque; }

void TspSkinSplitter::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  if (value) ControlStyle &= ~csOpaque;
  else ControlStyle |= csOpaque;
  Repaint();
}

void TspSkinSplitter::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  ChangeSkinData();
}

void TspSkinSplitter::Notification(TComponent* component, TOperation operation) {
  TSplitter::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

void TspSkinSplitter::ChangeSkinData() {
  look_.Read(skinData_, SkinDataName);
  bool skinned = look_.Picture && !transparent_;
  if (Align() == alTop || Align() == alBottom) SetHeight(skinned ? look_.SkinRect.Height() : DefaultSize);
  else SetWidth(skinned ? look_.SkinRect.Width() : DefaultSize);
  Repaint();
}

void TspSkinSplitter::RequestAlign() {
  TSplitter::RequestAlign();
  if (HasState(csDesigning)) SkinDataName = Align() == alTop || Align() == alBottom ? "hsplitter" : "vsplitter";
}

void TspSkinSplitter::Paint() {
  if (transparent_ || Width() == 0 || Height() == 0) return;
  look_.Read(skinData_, SkinDataName);
  ControlStyle &= ~csOpaque;
  if (!look_.Paint(Canvas(), Align(), Width(), Height())) TSplitter::Paint();
  ControlStyle |= csOpaque;
}

// ---- TspCustomSplitter ----

TspCustomSplitter::TspCustomSplitter(TComponent* owner) : TspSkinControl(owner) {
  SetAlign(alLeft);
  SetCursor(crHSplit);
  SetWidth(3);
}

void TspCustomSplitter::RequestAlign() {
  TspSkinControl::RequestAlign();
  bool across = Align() == alTop || Align() == alBottom;
  if (Designing()) SkinDataName = across ? "hsplitter" : "vsplitter";
  if (Cursor() == crHSplit || Cursor() == crVSplit) SetCursor(across ? crVSplit : crHSplit);
}

bool TspCustomSplitter::CanResize(Integer& newSize) {
  bool accept = true;
  OnCanResize(this, newSize, accept);
  return accept;
}

bool TspCustomSplitter::DoCanResize(Integer& newSize) {
  bool accept = CanResize(newSize);
  if (accept && newSize <= minSize_ && AutoSnap) newSize = 0;
  return accept;
}

TControl* TspCustomSplitter::FindControl() const {
  TWinControl* parent = Parent();
  if (!parent) return nullptr;
  TPoint p;
  switch (Align()) {
    case alTop: p = TPoint{Left(), Top() - 1}; break;
    case alBottom: p = TPoint{Left(), Top() + Height()}; break;
    case alLeft: p = TPoint{Left() - 1, Top()}; break;
    case alRight: p = TPoint{Left() + Width(), Top()}; break;
    default: return nullptr;
  }
  bool before = Align() == alTop || Align() == alLeft;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == this || !c->Visible() || !c->Enabled()) continue;
    TRect r = c->BoundsRect();
    if (r.Width() == 0) (before ? r.Left : r.Right) += before ? -1 : 1;
    if (r.Height() == 0) (before ? r.Top : r.Bottom) += before ? -1 : 1;
    if (r.Contains(p)) return c;
  }
  return nullptr;
}

Integer TspCustomSplitter::CalcSplitSize(Integer x, Integer y) const {
  Integer split = Align() == alLeft || Align() == alRight ? x - downX_ : y - downY_;
  Integer size = 0;
  switch (Align()) {
    case alTop: size = resizeControl_->Height() + split; break;
    case alBottom: size = resizeControl_->Height() - split; break;
    case alLeft: size = resizeControl_->Width() + split; break;
    case alRight: size = resizeControl_->Width() - split; break;
    default: break;
  }
  if (size < minSize_) size = minSize_;
  if (size > maxSize_) size = maxSize_;
  return size;
}

// MaxSize counts the parent's visible controls of the splitter's axis only.
void TspCustomSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  resizeControl_ = FindControl();
  downX_ = x, downY_ = y;
  if (!resizeControl_) return;
  TWinControl* parent = Parent();
  bool sideways = Align() == alLeft || Align() == alRight;
  Integer taken = 0;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (!c->Visible()) continue;
    if (sideways && (c->Align() == alLeft || c->Align() == alRight)) taken += c->Width();
    if (!sideways && (c->Align() == alTop || c->Align() == alBottom)) taken += c->Height();
  }
  maxSize_ = (sideways ? parent->ClientWidth() : parent->ClientHeight()) - minSize_ - taken +
             (sideways ? resizeControl_->Width() : resizeControl_->Height());
  newSize_ = CalcSplitSize(x, y);
  TCustomForm* form = GetParentForm(this);
  if (form && form->ActiveControl()) {
    savedActiveControl_ = form->ActiveControl();
    savedKeyDown_ = savedActiveControl_->OnKeyDown;
    savedActiveControl_->OnKeyDown = TKeyEvent(this, &TspCustomSplitter::FocusKeyDown);
  }
}

void TspCustomSplitter::MouseMove(TShiftState shift, int x, int y) {
  TspSkinControl::MouseMove(shift, x, y);
  if (!(shift & ssLeft) || !resizeControl_) return;
  Integer size = CalcSplitSize(x, y);
  if (!DoCanResize(size)) return;
  newSize_ = size;
  UpdateControlSize();
}

void TspCustomSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinControl::MouseUp(button, shift, x, y);
  if (!resizeControl_) return;
  UpdateControlSize();
  StopSizing();
}

void TspCustomSplitter::UpdateControlSize() {
  if (newSize_ == oldSize_ || !resizeControl_) return;
  TControl* c = resizeControl_;
  TWinControl* parent = Parent();
  switch (Align()) {
    case alTop: c->SetHeight(newSize_); break;
    case alBottom:
      parent->DisableAlign();
      c->SetBounds(c->Left(), c->Top() + c->Height() - newSize_, c->Width(), newSize_);
      parent->EnableAlign();
      break;
    case alLeft: c->SetWidth(newSize_); break;
    case alRight:
      parent->DisableAlign();
      c->SetBounds(c->Left() + c->Width() - newSize_, c->Top(), newSize_, c->Height());
      parent->EnableAlign();
      break;
    default: break;
  }
  Update();
  OnMoved(this);
  oldSize_ = newSize_;
}

void TspCustomSplitter::StopSizing() {
  if (resizeControl_) {
    resizeControl_ = nullptr;
    if (savedActiveControl_) {
      savedActiveControl_->OnKeyDown = savedKeyDown_;
      savedActiveControl_ = nullptr;
    }
  }
  OnMoved(this);
}

void TspCustomSplitter::FocusKeyDown(TObject* sender, Word& key, TShiftState shift) {
  if (key == VK_ESCAPE) return StopSizing();
  if (savedKeyDown_) savedKeyDown_(sender, key, shift);
}

// ---- TspSkinSplitterEx ----

TspSkinSplitterEx::TspSkinSplitterEx(TComponent* owner) : TspCustomSplitter(owner) { SkinDataName = "vsplitter"; }

void TspSkinSplitterEx::GetSkinData() {
  TspCustomSplitter::GetSkinData();
  look_.Read(SkinData(), SkinDataName);
}

void TspSkinSplitterEx::ChangeSkinData() {
  GetSkinData();
  bool skinned = look_.Picture != nullptr;
  if (Align() == alTop || Align() == alBottom) SetHeight(skinned ? look_.SkinRect.Height() : DefaultSize);
  else SetWidth(skinned ? look_.SkinRect.Width() : DefaultSize);
  Repaint();
}

void TspSkinSplitterEx::Paint() {
  if (Width() == 0 || Height() == 0) return;
  GetSkinData();
  if (look_.Paint(Canvas(), Align(), Width(), Height())) return;
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(clBtnFace);
  Canvas()->FillRect(ClientRect());
}
