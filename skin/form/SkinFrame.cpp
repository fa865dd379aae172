#include "skin/form/SkinFrame.h"

#include <algorithm>

#include "platform/controls/Forms.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/form/DynamicSkinForm.h"

// ---- the setters ----

void TspSkinFrameSetters::Register(int order, TspSkinDataSetter setter) {
  Unregister(order);
  auto at = std::find_if(rows_.begin(), rows_.end(), [order](const Row& r) { return r.order > order; });
  rows_.insert(at, Row{order, std::move(setter)});
}

void TspSkinFrameSetters::Unregister(int order) {
  std::erase_if(rows_, [order](const Row& r) { return r.order == order; });
}

bool TspSkinFrameSetters::Apply(TComponent* control, TspSkinData* skinData) const {
  for (const Row& row : rows_)
    if (row.setter(control, skinData)) return true;
  return false;
}

TspSkinFrameSetters& TspSkinFrameSetters::Instance() {
  static TspSkinFrameSetters setters;
  return setters;
}

// ---- the component ----

TspSkinFrame::TspSkinFrame(TComponent* owner) : TspSkinComponent(owner) {
  RegisterSkinFrameSetters();
  ownerFrame_ = dynamic_cast<TFrame*>(owner);
  if (!ownerFrame_) return;
  ownerFrame_->SetAutoScroll(false);
  ownerFrame_->SetAutoSize(false);
  if (HasState(csDesigning)) return;
  oldWindowProc_ = ownerFrame_->WindowProc;
  ownerFrame_->WindowProc = TWndMethod(this, &TspSkinFrame::NewWndProc);
}

TspSkinFrame::~TspSkinFrame() {
  if (!HasState(csDesigning) && ownerFrame_ && ownerFrame_->WindowProc == TWndMethod(this, &TspSkinFrame::NewWndProc))
    ownerFrame_->WindowProc = oldWindowProc_;
}

void TspSkinFrame::Notification(TComponent* component, TOperation operation) {
  TspSkinComponent::Notification(component, operation);
  if (operation == opRemove && component == ctrlsSkinData_) ctrlsSkinData_ = nullptr;
}

void TspSkinFrame::SetCtrlsSkinData(TspSkinData* value) {
  if (ctrlsSkinData_) ctrlsSkinData_->RemoveFreeNotification(this);
  ctrlsSkinData_ = value;
  if (value) value->FreeNotification(this);
  if (!HasState(csDesigning) && ownerFrame_) UpdateSkinCtrls(ownerFrame_);
}

// The skinned bases first, then the rows of the other skinned classes in order.
void TspSkinFrame::UpdateSkinCtrls(TWinControl* control) {
  for (int i = 0; i < control->ComponentCount(); ++i) {
    TComponent* component = control->Components(i);
    if (!dynamic_cast<TControl*>(component)) continue;
    if (auto* windowed = dynamic_cast<TspSkinControl*>(component))
      windowed->SetSkinData(ctrlsSkinData_);
    else if (auto* graphic = dynamic_cast<TspGraphicSkinControl*>(component))
      graphic->SetSkinData(ctrlsSkinData_);
    else
      TspSkinFrameSetters::Instance().Apply(component, ctrlsSkinData_);
  }
}

void TspSkinFrame::ChangeSkinData() {
  TspSkinComponent::ChangeSkinData();
  if (!HasState(csDesigning) && ownerFrame_) ownerFrame_->Invalidate();
}

void TspSkinFrame::NewWndProc(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND && ownerFrame_) {
    // Not passed on: without DrawBackground the frame keeps what it showed.
    if (DrawBackground) PaintBG(reinterpret_cast<HDC>(message.WParam));
    message.Result = 1;
    return;
  }
  oldWindowProc_(message);
  if (message.Msg == WM_SIZE && SkinData() && SkinData()->stretcheffect) {
    ownerFrame_->Invalidate();
    CheckControlsBackground();
  }
}

void TspSkinFrame::CheckControlsBackground() {
  for (int i = 0; i < ownerFrame_->ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(ownerFrame_->Controls(i)); child && child->HandleAllocated())
      ::SendMessageA(child->Handle(), WM_CHECKPARENTBG, 0, 0);
}

void TspSkinFrame::PaintBG(HDC dc) {
  if (!ownerFrame_ || !dc) return;
  const TRect client = ownerFrame_->ClientRect();
  auto fill = [&] {
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(client);
    canvas.SetHandle(nullptr);
  };
  TspSkinData* skin = SkinData();
  if (!skin || skin->Empty) return fill();
  // A picture index outside the list counts as none: the client piece is used.
  TBitmap* own = skin->ActivePicture(skin->bgpictureindex);
  TBitmap piece;
  if (!own) {
    const TRect r = skin->ClientRect;
    if (r.Width() <= 0 || r.Height() <= 0 || r.Right > skin->Picture->Width() || r.Bottom > skin->Picture->Height())
      return fill();
    piece.SetSize(r.Width(), r.Height());
    ::BitBlt(piece.Canvas()->Handle(), 0, 0, r.Width(), r.Height(), skin->Picture->Canvas()->Handle(), r.Left, r.Top,
             SRCCOPY);
  }
  TBitmap& tile = own ? *own : piece;
  if (client.Width() <= 0 || client.Height() <= 0) return;
  FillFromTile(dc, tile, client.Width(), client.Height(), client.Width(), client.Height(), skin->stretcheffect,
               skin->StretchType);
}
