// The skinned cool bar: the background painted on erasing, the bands' grips,
// images and texts painted in place of the rebar's own.
#include "platform/controls/Messages.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/SkinPaintMessages.h"
#include "skin/controls/bars/SkinControlBar.h"
#include "skin/data/SkinColors.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinImage.h"

TspSkinCoolBar::TspSkinCoolBar(TComponent* owner) : TCoolBar(owner) {}

void TspSkinCoolBar::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  ChangeSkinData();
}

void TspSkinCoolBar::Notification(TComponent* component, TOperation operation) {
  TCoolBar::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

void TspSkinCoolBar::ChangeSkinData() {
  GetSkinData();
  if (HandleAllocated()) RecreateWnd();
}

void TspSkinCoolBar::SetSkinBevel(bool value) {
  skinBevel_ = value;
  GetSkinData();
  if (look_.Record && HandleAllocated()) RecreateWnd();
}

void TspSkinCoolBar::CheckControlsBackground() { SendParentBackgroundChanged(this); }

void TspSkinCoolBar::CreateParams(TCreateParams& params) {
  TCoolBar::CreateParams(params);
  params.Style &= ~WS_BORDER;
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TspSkinCoolBar::AlignControls(TControl* control, TRect& rect) {
  TCoolBar::AlignControls(control, rect);
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}

Integer TspSkinCoolBar::GetCaptionFontHeight() {
  if (!HandleAllocated()) return 0;
  HDC dc = ::GetDC(Handle());
  HGDIOBJ old = ::SelectObject(dc, Font()->Handle());
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(Handle(), dc);
  return metrics.tmHeight;
}

Integer TspSkinCoolBar::GetCaptionSize(TCoolBand* band) {
  bool designing = HasState(csDesigning);
  if (!band || (!band->Visible() && !designing)) return 0;
  Integer size = 0;
  bool caption = false;
  String text = ShowText() ? band->Text() : String();
  if (designing && !band->Control() && band->Text().empty()) text = band->DisplayName();
  if (!text.empty()) {
    caption = true;
    if (Vertical()) {
      size += GetCaptionFontHeight();
    } else {
      TBitmap measure(1, 1);
      measure.Canvas()->SetFont(Font());
      size += measure.Canvas()->TextWidth(text);
    }
  }
  if (band->ImageIndex() >= 0) {
    if (caption) size += 2;
    if (Images()) {
      caption = true;
      size += Vertical() ? Images()->Height() : Images()->Width();
    } else if (!caption) {
      size += 4;
    }
  }
  if (caption) size += 4;
  if ((!FixedOrder() || band->ID() != 0) && !band->FixedSize()) size += 4 + (GetComCtlVersion() >= 0x40047 ? 5 : 8);
  return size;
}

void TspSkinCoolBar::DrawGrip(TCanvas* canvas, const TRect& r) {
  const TspDataSkinControlBar* k = look_.Record;
  if (k && !k->hgriprect.IsEmpty() && !k->vgriprect.IsEmpty()) {
    TBitmap grip;
    if (Vertical())
      CreateHSkinImage(k->gripoffset1, k->gripoffset2, &grip, look_.Picture, k->hgriprect, r.Width(), 0,
                       k->itemstretcheffect);
    else
      CreateVSkinImage(k->gripoffset1, k->gripoffset2, &grip, look_.Picture, k->vgriprect, 0, r.Height(),
                       k->itemstretcheffect);
    if (k->griptransparent) {
      grip.SetTransparentMode(tmFixed);
      grip.SetTransparentColor(k->griptransparentcolor);
      grip.SetTransparent(true);
    }
    canvas->Draw(r.Left, r.Top, &grip);
    return;
  }
  TspSkinColors* colours = skinData_->SkinColors.get();
  for (Integer offset : {1, 3}) {
    TRect line = Vertical() ? TRect{r.Left, r.Top + offset, r.Right, r.Top + offset + 2}
                            : TRect{r.Left + offset, r.Top, r.Left + offset + 2, r.Bottom};
    Frm3D(canvas, line, colours->cBtnHighLight, colours->cBtnShadow);
  }
}

// Each band's grip, image and text beside its control; a band without a control
// has nothing to be placed by and is left out.
void TspSkinCoolBar::PaintBands(HDC dc) {
  TCanvas canvas;
  canvas.SetHandle(dc);
  for (int i = 0; i < Bands()->Count(); ++i) {
    TCoolBand* band = Bands()->Items(i);
    TWinControl* c = band->Control();
    if (!c || !band->Visible()) continue;
    TRect grip;
    Integer x, y;
    if (!Vertical()) {
      Integer left = c->Left() - GetCaptionSize(band);
      grip = TRect{left + 1, c->Top(), left + 5, c->Top() + c->Height()};
      DrawGrip(&canvas, grip);
      x = grip.Right + 2;
      if (Images() && band->ImageIndex() >= 0 && band->ImageIndex() < Images()->Count()) {
        Images()->Draw(&canvas, x, grip.Top + grip.Height() / 2 - Images()->Height() / 2, band->ImageIndex(), true);
        x += Images()->Width() + 1;
      }
      if (ShowText() && !band->Text().empty()) {
        canvas.SetFont(Font());
        canvas.Font()->SetColor(skinData_->SkinColors->cBtnText);
        canvas.Brush()->SetStyle(bsClear);
        TRect text{x, c->Top(), c->Left(), c->Top() + c->Height()};
        canvas.TextRect(text, band->Text(), DT_SINGLELINE | DT_VCENTER);
      }
      continue;
    }
    Integer top = c->Top() - GetCaptionSize(band);
    grip = TRect{c->Left(), top + 1, c->Left() + c->Width(), top + 5};
    DrawGrip(&canvas, grip);
    y = grip.Bottom + 2;
    if (Images() && band->ImageIndex() >= 0 && band->ImageIndex() < Images()->Count()) {
      Images()->Draw(&canvas, c->Left() + c->Width() / 2 - Images()->Width() / 2, y, band->ImageIndex(), true);
      y += Images()->Height() + 1;
    }
    if (ShowText() && !band->Text().empty()) {
      canvas.SetFont(Font());
      canvas.Font()->SetColor(skinData_->SkinColors->cBtnText);
      canvas.Brush()->SetStyle(bsClear);
      TRect text{c->Left(), y, c->Left() + c->Width(), c->Top()};
      canvas.TextRect(text, band->Text(), DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
  }
  canvas.SetHandle(nullptr);
}

void TspSkinCoolBar::WndProc(TMessage& message) {
  if (message.Msg == WM_NCCALCSIZE || message.Msg == WM_NCPAINT || message.Msg == CM_SENCPAINT ||
      message.Msg == CM_BENCPAINT || message.Msg == WM_ERASEBKGND || message.Msg == WM_SIZE ||
      message.Msg == WM_PAINT)
    GetSkinData();
  if (look_.NonClientMessage(this, message, skinBevel_)) return;
  if (message.Msg == WM_ERASEBKGND && look_.Record) {
    TCanvas canvas;
    canvas.SetHandle(reinterpret_cast<HDC>(message.WParam));
    look_.PaintBackground(&canvas, skinData_, ClientWidth(), ClientHeight(), nullptr);
    canvas.SetHandle(nullptr);
    message.Result = 1;
    return;
  }
  if (message.Msg == WM_PAINT && look_.Record) {
    PAINTSTRUCT ps;
    HDC dc = message.WParam ? reinterpret_cast<HDC>(message.WParam) : ::BeginPaint(Handle(), &ps);
    if (!message.WParam) {
      TCanvas canvas;
      canvas.SetHandle(dc);
      look_.PaintBackground(&canvas, skinData_, ClientWidth(), ClientHeight(), nullptr);
      canvas.SetHandle(nullptr);
    }
    PaintBands(dc);
    if (!message.WParam) ::EndPaint(Handle(), &ps);
    message.Result = 0;
    return;
  }
  TCoolBar::WndProc(message);
  if (message.Msg == WM_SIZE && look_.Record) {
    if (skinBevel_) ::RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    if (look_.Record->stretcheffect) CheckControlsBackground();
  }
}

