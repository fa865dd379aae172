#include "skin/controls/SkinLabel.h"

#include "platform/controls/Messages.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinText.h"

using enum TspSkinBorderStyle;

TspSkinLabel::TspSkinLabel(TComponent* owner) : TspSkinCustomControl(owner) {
  ControlStyle |= csOpaque;
  SetBounds(0, 0, 75, 21);
  SkinDataName = "label";
}

void TspSkinLabel::SetEllipsType(TspEllipsType2 value) {
  if (value == ellipsType_) return;
  ellipsType_ = value;
  Invalidate();
}

void TspSkinLabel::SetBorderStyle(TspSkinBorderStyle value) {
  borderStyle_ = value;
  if (SkinRecordIndex == -1) {
    Repaint();
    Realign();
  }
}

void TspSkinLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Repaint();
}

void TspSkinLabel::SetAutoSizeX(bool value) {
  autoSizeX_ = value;
  if (value) AdjustBounds();
}

void TspSkinLabel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (SkinRecordIndex == -1) return;
  auto* record = dynamic_cast<TspDataSkinLabelControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!record) return;
  fontName_ = record->fontname, fontHeight_ = record->fontheight;
  fontStyle_ = record->fontstyle, fontColor_ = record->fontcolor;
  if (ResizeMode == 0) autoSizeX_ = false;  // a fixed-size record
}

void TspSkinLabel::SetRecordFontOn(TCanvas* canvas) {
  if (SkinRecordIndex != -1 && UseSkinFont) {
    canvas->Font()->SetName(fontName_);
    canvas->Font()->SetStyle(fontStyle_);
    canvas->Font()->SetHeight(fontHeight_);
    canvas->Font()->SetColor(fontColor_);
  } else {
    canvas->SetFont(DefaultFont());
    if (SkinRecordIndex != -1) canvas->Font()->SetColor(fontColor_);
  }
  canvas->Font()->SetCharset(SkinCharset(SkinData(), DefaultFont()));
}

void TspSkinLabel::DrawLabelText(TCanvas* canvas, const TRect& r) {
  SetRecordFontOn(canvas);
  String text = Caption();
  if (ellipsType_ == spetEllips) CorrectTextbyWidth(canvas, text, r.Width());
  Integer tw = canvas->TextWidth(text), th = canvas->TextHeight(text);
  Integer y = r.Top + r.Height() / 2 - th / 2;
  Integer x = alignment_ == taRightJustify ? r.Right - tw : alignment_ == taCenter ? r.Left + r.Width() / 2 - tw / 2 : r.Left;
  canvas->Brush()->SetStyle(bsClear);
  if (!UseSkinFontColor) canvas->Font()->SetColor(DefaultFont()->Color());
  canvas->TextRect(r, x, y, text);
}

void TspSkinLabel::CreateControlDefaultImage(TBitmap* b) {
  TspSkinCustomControl::CreateControlDefaultImage(b);
  DrawBorderStyle(b->Canvas(), ClientRect(), borderStyle_);
  DrawLabelText(b->Canvas(), TRect{2, 2, Width() - 2, Height() - 2});
}

void TspSkinLabel::CreateControlSkinImage(TBitmap* b) {
  if (!SkinPicture) return CreateControlDefaultImage(b);
  if (UseSkinSize || ResizeMode == 1) {
    TspSkinCustomControl::CreateControlSkinImage(b);
    return DrawLabelText(b->Canvas(), RealClientRect);
  }
  CreateStretchImage(b, SkinPicture, skinrect, clientrect, true);
  TRect r = RealClientRect;
  r.Bottom += Height() - skinrect.Height();
  DrawLabelText(b->Canvas(), r);
}

void TspSkinLabel::CalcSize(Integer& width, Integer& height) {
  if (UseSkinSize || ResizeMode == 1) {
    TspSkinCustomControl::CalcSize(width, height);
  } else {
    SizedLeftTop = lefttoppoint;
    SizedRightTop = TPoint{width + righttoppoint.X - skinrect.Width(), righttoppoint.Y};
    RealClientRect = clientrect;
    RealClientRect.Right += width - skinrect.Width();
  }
  Integer offset = CalcWidthOffset();
  if (offset > 0 && autoSizeX_) width += offset;
}

Integer TspSkinLabel::CalcWidthOffset() {
  // Measured on a scratch bitmap: a skin given while the label's form is still
  // being read reaches the label before any window exists to draw on.
  TBitmap scratch(1, 1);
  TCanvas* canvas = scratch.Canvas();
  if (SkinRecordIndex == -1) {
    canvas->SetFont(DefaultFont());
    return canvas->TextWidth(Caption()) + 4 - Width();
  }
  if (ResizeMode == 0) return 0;
  SetRecordFontOn(canvas);
  return canvas->TextWidth(Caption()) - RealClientRect.Width();
}

void TspSkinLabel::AdjustBounds() {
  if (Align() == alTop || Align() == alBottom || Align() == alClient) return;
  GetSkinData();
  Integer offset = CalcWidthOffset();
  if (offset != 0) SetWidth(Width() + offset);
}

void TspSkinLabel::SetControlRegion() {
  if (UseSkinSize) TspSkinCustomControl::SetControlRegion();
}

void TspSkinLabel::CMTextChanged(TMessage& message) {
  TspSkinCustomControl::CMTextChanged(message);
  if (autoSizeX_) AdjustBounds();
  Repaint();
}

void TspSkinLabel::WMEraseBkgnd(TMessage& message) {
  if (!InPaintMessage && MessageDC(message)) PaintWindow(MessageDC(message));
  message.Result = 1;
}
