#include "skin/controls/SkinStatusBar.h"

#include "platform/controls/Messages.h"

using enum TspSkinBorderStyle;

TspSkinStatusBar::TspSkinStatusBar(TComponent* owner) : TspSkinPanel(owner) {
  SkinDataName = "statusbar";
  SetAlign(alBottom);
  SetHeight(21);
  SetBorderStyle(bvNone);
  PaintByBorders = false;
}

void TspSkinStatusBar::SetSizeGrip(bool value) {
  sizeGrip_ = value;
  Repaint();
  Realign();
}

void TspSkinStatusBar::SetShowGrip(bool value) {
  showGrip_ = value;
  Repaint();
  Realign();
}

void TspSkinStatusBar::GetSkinData() {
  TspSkinPanel::GetSkinData();
  if (!HasRecord()) return;
  auto* record = dynamic_cast<TspDataSkinPanelControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!record) return;
  GripperRect = record->gripperrect;
  GripperTransparent = record->grippertransparent;
  GripperTransparentColor = record->grippertransparentcolor;
}

void TspSkinStatusBar::SetSkinData(TspSkinData* value) {
  TspSkinPanel::SetSkinData(value);
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* child = dynamic_cast<TspSkinControl*>(Controls(i))) child->SetSkinData(value);
}

void TspSkinStatusBar::AdjustClientRect(TRect& rect) {
  TspSkinPanel::AdjustClientRect(rect);
  if (!GripShown()) return;
  rect.Right -= HasRecord() && !GripperRect.IsEmpty() ? GripperRect.Width() : rect.Height();
}

TRect TspSkinStatusBar::GetGripRect() {
  TRect r = GetSkinClientRect();
  if (HasRecord() && !GripperRect.IsEmpty())
    return TRect{r.Right, r.Bottom - GripperRect.Height(), r.Right + GripperRect.Width(), r.Bottom};
  return TRect{r.Right + 2, r.Top, r.Right + r.Height(), r.Bottom - 2};
}

void TspSkinStatusBar::DrawDefaultGripper(const TRect& r, TCanvas* canvas, TColor shadow, TColor light) {
  for (Integer a = 3; r.Left + a + 2 <= r.Right; a += 3) {
    canvas->Pen()->SetColor(shadow);
    canvas->MoveTo(r.Left + a, r.Bottom);
    canvas->LineTo(r.Right, r.Top + a);
    canvas->Pen()->SetColor(light);
    canvas->MoveTo(r.Left + a + 1, r.Bottom);
    canvas->LineTo(r.Right, r.Top + a + 1);
  }
}

void TspSkinStatusBar::CreateControlDefaultImage(TBitmap* b) {
  TspSkinPanel::CreateControlDefaultImage(b);
  if (GripShown()) DrawDefaultGripper(GetGripRect(), b->Canvas(), clBtnShadow, clBtnHighlight);
}

void TspSkinStatusBar::CreateControlSkinImage(TBitmap* b) {
  TspSkinPanel::CreateControlSkinImage(b);
  if (!GripShown()) return;
  TRect grip = GetGripRect();
  if (GripperRect.IsEmpty()) {
    TspSkinColors* colours = SkinData()->SkinColors.get();
    return DrawDefaultGripper(grip, b->Canvas(), colours->cBtnShadow, colours->cBtnHighLight);
  }
  if (GripperTransparent)
    DrawPieceTransparent(b->Canvas(), grip.Left, grip.Top, SkinPicture, GripperRect, GripperTransparentColor);
  else
    DrawPiece(b->Canvas(), grip.Left, grip.Top, SkinPicture, GripperRect);
}

void TspSkinStatusBar::Dispatch(TMessage& message) {
  if (message.Msg != WM_NCHITTEST || Designing() || !GripShown()) return TspSkinPanel::Dispatch(message);
  TPoint p = ScreenToClient(TPoint{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))});
  TRect grip = GetGripRect();
  bool inGrip = p.X >= grip.Left && p.X < grip.Right && p.Y >= grip.Top && p.Y < grip.Bottom;
  message.Result = inGrip ? HTBOTTOMRIGHT : HTCLIENT;
}
