#include "skin/controls/SkinBevel.h"

#include "skin/controls/SkinCtrls.h"

TspSkinBevel::TspSkinBevel(TComponent* owner) : TBevel(owner) {}

void TspSkinBevel::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  ChangeSkinData();
}

void TspSkinBevel::Notification(TComponent* component, TOperation operation) {
  TBevel::Notification(component, operation);
  if (operation == opRemove && component == skinData_) {
    skinData_ = nullptr;
    recordIndex_ = -1;
  }
}

void TspSkinBevel::ChangeSkinData() {
  recordIndex_ = !skinData_ || skinData_->Empty ? -1 : skinData_->GetControlIndex(SkinDataName);
  if (recordIndex_ == -1) {
    LightColor = clBtnHighlight;
    DarkColor = clBtnShadow;
  } else if (auto* record = dynamic_cast<TspDataSkinBevel*>(skinData_->CtrlList[recordIndex_].get())) {
    LightColor = record->lightcolor;
    DarkColor = record->darkcolor;
  }
  Repaint();
}

void TspSkinBevel::SetDividerMode(bool value) {
  dividerMode_ = value;
  Repaint();
}

void TspSkinBevel::SetBounds(int left, int top, int width, int height) {
  TRect bar;
  if (Parent() && SP_SkinToolBarClientRect && SP_SkinToolBarClientRect(Parent(), bar))
    top = bar.Top + bar.Height() / 2 - height / 2;
  TBevel::SetBounds(left, top, width, height);
}

void TspSkinBevel::Line(TCanvas* canvas, TColor c, int x1, int y1, int x2, int y2) {
  canvas->Pen()->SetColor(c);
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

void TspSkinBevel::BevelRect(TCanvas* canvas, const TRect& r, TColor c1, TColor c2) {
  canvas->Pen()->SetColor(c1);
  canvas->Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
  canvas->Pen()->SetColor(c2);
  canvas->Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}});
}

void TspSkinBevel::Paint() {
  TCanvas* canvas = Canvas();
  int w = Width(), h = Height();
  if (HasState(csDesigning) && Shape() == bsSpacer) {
    canvas->Pen()->SetStyle(psDot);
    canvas->Pen()->SetMode(pmXor);
    canvas->Pen()->SetColor(0xFFD8CE);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(0, 0, w, h);
    return;
  }
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetMode(pmCopy);
  TColor c1 = Style() == bsLowered ? DarkColor : LightColor;
  TColor c2 = Style() == bsLowered ? LightColor : DarkColor;
  if (dividerMode_) {
    switch (Shape()) {
      case bsTopLine:
      case bsBottomLine: return BevelRect(canvas, TRect{2, h / 2 - 1, w - 2, h / 2}, c1, c2);
      case bsSpacer: return;
      default: return BevelRect(canvas, TRect{w / 2 - 1, 2, w / 2, h - 2}, c1, c2);
    }
  }
  switch (Shape()) {
    case bsBox: return BevelRect(canvas, TRect{0, 0, w - 1, h - 1}, c1, c2);
    case bsFrame:
      BevelRect(canvas, TRect{1, 1, w - 1, h - 1}, c2, c2);
      return BevelRect(canvas, TRect{0, 0, w - 2, h - 2}, c1, c1);
    case bsTopLine: Line(canvas, c1, 0, 0, w, 0); return Line(canvas, c2, 0, 1, w, 1);
    case bsBottomLine: Line(canvas, c1, 0, h - 2, w, h - 2); return Line(canvas, c2, 0, h - 1, w, h - 1);
    case bsLeftLine: Line(canvas, c1, 0, 0, 0, h); return Line(canvas, c2, 1, 0, 1, h);
    case bsRightLine: Line(canvas, c1, w - 2, 0, w - 2, h); return Line(canvas, c2, w - 1, 0, w - 1, h);
    case bsSpacer: return;
  }
}
