// The skin protocol shared by the windowed and windowless bases, and what the
// windowed base adds: the paint flag, background checks and the move repaint.
#include "skin/controls/SkinCtrls.h"

#include "platform/graphics/Bitmap.h"
#include "skin/draw/ParentImage.h"
#include "skin/draw/Speffbmp.h"

TspToolBarClientRect SP_SkinToolBarClientRect;

template <class Base>
TspSkinnedControl<Base>::TspSkinnedControl(TComponent* owner) : Base(owner) {}

template <class Base>
void TspSkinnedControl<Base>::SetHintImageList(TCustomImageList* value) {
  hintImageList_ = value;
  if (value) value->FreeNotification(this);
}

template <class Base>
void TspSkinnedControl<Base>::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value && !value->Empty && !Designing()) ChangeSkinData();
}

template <class Base>
void TspSkinnedControl<Base>::SetAlphaBlend(bool value) {
  alphaBlend_ = value;
  this->Repaint();
}

template <class Base>
void TspSkinnedControl<Base>::SetAlphaBlendValue(Byte value) {
  alphaBlendValue_ = value;
  this->Repaint();
}

template <class Base>
void TspSkinnedControl<Base>::GetSkinData() {
  SkinRecordIndex = !skinData_ || skinData_->Empty ? -1 : skinData_->GetControlIndex(SkinDataName);
}

template <class Base>
void TspSkinnedControl<Base>::ApplySkinCursor() {
  if (!UseSkinCursor) return;
  if (SkinCursorIndex == -1 || !skinData_) this->SetCursor(crDefault);
  else this->SetCursor(static_cast<TCursor>(static_cast<short>(skinData_->StartCursorIndex + SkinCursorIndex)));
}

template <class Base>
void TspSkinnedControl<Base>::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor();
  this->Repaint();
}

template <class Base>
void TspSkinnedControl<Base>::Notification(TComponent* component, TOperation operation) {
  Base::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == hintImageList_) hintImageList_ = nullptr;
}

template <class Base>
void TspSkinnedControl<Base>::Paint() {
  Integer width = this->Width(), height = this->Height();
  if (width <= 0 || height <= 0) return;
  GetSkinData();
  TBitmap picture;
  try {
    picture.SetSize(width, height);
    if (SkinRecordIndex != -1) CreateControlSkinImage(&picture);
    else if (DrawDefault) CreateControlDefaultImage(&picture);
  } catch (const EInvalidGraphic&) {
    return;  // a size no bitmap can hold (a record's piece included) paints nothing
  }
  TCanvas* canvas = this->Canvas();
  if (!alphaBlend_) {
    canvas->Draw(0, 0, &picture);
    return;
  }
  TBitmap parent;
  parent.SetSize(width, height);
  GetParentImage(this, parent.Canvas());
  TspEffectBmp own(picture.Handle()), behind(parent.Handle());
  own.Morph(behind, static_cast<double>(1 - alphaBlendValue_ / 255.0L));
  own.Draw(canvas->Handle(), 0, 0);
}

template <class Base>
void TspSkinnedControl<Base>::CMMouseEnter(TMessage& message) {
  Base::CMMouseEnter(message);
  if (!Designing()) OnMouseEnter(this);
}

template <class Base>
void TspSkinnedControl<Base>::CMMouseLeave(TMessage& message) {
  Base::CMMouseLeave(message);
  if (!Designing()) OnMouseLeave(this);
}

template class TspSkinnedControl<TCustomControl>;
template class TspSkinnedControl<TGraphicControl>;

// ---- TspSkinControl ----

void TspSkinControl::CheckParentBackground() {
  if (!AlphaBlend()) return;
  Repaint();
  CheckControlsBackground();
}

void TspSkinControl::CheckControlsBackground() {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (auto* windowed = dynamic_cast<TWinControl*>(child))
      ::SendMessageA(windowed->Handle(), WM_CHECKPARENTBG, 0, 0);
    else if (dynamic_cast<TGraphicControl*>(child))
      child->Perform(WM_CHECKPARENTBG, 0, 0);
  }
}

void TspSkinControl::Dispatch(TMessage& message) {
  if (message.Msg == WM_CHECKPARENTBG) return CheckParentBackground();
  TspSkinnedControl<TCustomControl>::Dispatch(message);
}

void TspSkinControl::WMPaint(TMessage& message) {
  InPaintMessage = true;
  try {
    TspSkinnedControl<TCustomControl>::WMPaint(message);
  } catch (...) {
    InPaintMessage = false;
    throw;
  }
  InPaintMessage = false;
}

void TspSkinControl::WMMove(TMessage& message) {
  TspSkinnedControl<TCustomControl>::WMMove(message);
  if (AlphaBlend()) Repaint();
}

// ---- TspGraphicSkinControl ----

void TspGraphicSkinControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_CHECKPARENTBG:
    case WM_MOVE:
      if (message.Msg == WM_MOVE) TspSkinnedControl<TGraphicControl>::Dispatch(message);
      if (AlphaBlend()) Repaint();
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    default:
      TspSkinnedControl<TGraphicControl>::Dispatch(message);
  }
}

// ---- notebook pages ----

void NotebookHandlesNeeded(TspNotebookPages* notebook) {
  if (!notebook) return;
  for (int i = 0; i < notebook->PageCount(); ++i) {
    TWinControl* page = notebook->Page(i);
    if (!page) continue;
    page->DisableAlign();
    try {
      page->HandleNeeded();
      page->ControlState &= ~csAlignmentNeeded;
    } catch (...) {
      page->EnableAlign();
      throw;
    }
    page->EnableAlign();
  }
}
