#include "skin/controls/labels/SkinEffectLabels.h"

#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Messages.h"
#include "skin/draw/ParentImage.h"
#include "skin/draw/Speffbmp.h"

TColor EffectLabelColor(const TspGraphicSkinControl* label, bool useSkinColor) {
  TspSkinData* data = label->SkinData();
  if (useSkinColor && data && !data->Empty) {
    Integer i = data->GetControlIndex(label->SkinDataName);
    if (i != -1)
      if (auto* record = dynamic_cast<TspDataSkinStdLabelControl*>(data->CtrlList[i].get())) return record->fontcolor;
  }
  return label->Font()->Color();
}

// ---- wave label ----

TspSkinWaveLabel::TspSkinWaveLabel(TComponent* owner) : TspGraphicSkinControl(owner) {
  ControlStyle |= csOpaque;
  SetBounds(Left(), Top(), 200, 40);
  SkinDataName = "stdlabel";
  Font()->SetName("Arial");
  Font()->SetSize(16);
  Font()->SetStyle(fsBold);
}

void TspSkinWaveLabel::SetXDiv(Integer value) { xDiv_ = value, Repaint(); }
void TspSkinWaveLabel::SetYDiv(Integer value) { yDiv_ = value, Repaint(); }
void TspSkinWaveLabel::SetRatioVal(Integer value) { ratio_ = value, Repaint(); }
void TspSkinWaveLabel::SetAntialiasing(bool value) { antialiasing_ = value, Repaint(); }
void TspSkinWaveLabel::SetAlignment(TAlignment value) { alignment_ = value, Repaint(); }

void TspSkinWaveLabel::Dispatch(TMessage& message) {
  TspGraphicSkinControl::Dispatch(message);
  if (message.Msg == CM_TEXTCHANGED || (message.Msg == WM_MOVE && !AlphaBlend())) Repaint();
}

void TspSkinWaveLabel::Paint() {
  if (Width() < 1 || Height() < 1) return;
  TBitmap mask(Width(), Height());
  TCanvas* mc = mask.Canvas();
  mc->Brush()->SetColor(clWhite);
  mc->FillRect(TRect{0, 0, Width(), Height()});
  mc->SetFont(Font());
  mc->Font()->SetColor(clBlack);
  mc->Brush()->SetStyle(bsClear);
  Integer tw = mc->TextWidth(Caption()), th = mc->TextHeight(Caption());
  Integer x = alignment_ == taLeftJustify ? 10 : alignment_ == taRightJustify ? Width() - tw - 10
                                                                               : Width() / 2 - tw / 2;
  Integer y = Height() / 2 - th / 2;
  mc->TextOut(std::max(x, 0), std::max(y, 0), Caption());
  TspEffectBmp bent(mask.Handle());
  TBitmap parent(Width(), Height());
  GetParentImage(this, parent.Canvas());
  TspEffectBmp result(parent.Handle());
  bent.Wave(xDiv_, yDiv_, ratio_);
  result.MaskFillColor(bent, EffectLabelColor(this, UseSkinColor), AlphaBlend() ? AlphaBlendValue() / 255.0 : 1.0);
  if (antialiasing_) result.MaskAntialiasing(bent, 1);
  result.Draw(Canvas()->Handle(), 0, 0);
}

// ---- shadow label ----

TspSkinShadowLabel::TspSkinShadowLabel(TComponent* owner) : TspGraphicSkinControl(owner) {
  ControlStyle |= csOpaque | csReplicatable;
  SetBounds(Left(), Top(), 65, 17);
  SkinDataName = "stdlabel";
  Font()->SetName("Arial");
  Font()->SetHeight(16);
  Font()->SetStyle(fsBold);
  TspGraphicSkinControl::SetAutoSize(true);
}

void TspSkinShadowLabel::SetAutoSize(bool value) {
  if (value == AutoSize()) return;
  TspGraphicSkinControl::SetAutoSize(value);
  AdjustBounds();
}

void TspSkinShadowLabel::SetLayout(TTextLayout value) {
  if (value != layout_) layout_ = value, Invalidate();
}

void TspSkinShadowLabel::SetAlignment(TAlignment value) {
  if (value != alignment_) alignment_ = value, Invalidate();
}

void TspSkinShadowLabel::SetShowAccelChar(bool value) {
  if (value != showAccelChar_) showAccelChar_ = value, Invalidate();
}

void TspSkinShadowLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TspSkinShadowLabel::SetFocusControl(TWinControl* value) {
  focusControl_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinShadowLabel::Notification(TComponent* component, TOperation operation) {
  TspGraphicSkinControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TspSkinShadowLabel::Loaded() {
  TspGraphicSkinControl::Loaded();
  AdjustBounds();
}

void TspSkinShadowLabel::Dispatch(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && focusControl_ && Enabled() && showAccelChar_ &&
      IsAccel(static_cast<Word>(message.WParam), Caption()) && focusControl_->CanFocus()) {
    focusControl_->SetFocus();
    message.Result = 1;
    return;
  }
  TspGraphicSkinControl::Dispatch(message);
  switch (message.Msg) {
    case CM_TEXTCHANGED: Invalidate(), AdjustBounds(); break;
    case CM_FONTCHANGED: AdjustBounds(); break;
    case WM_MOVE:
      if (!AlphaBlend()) Repaint();
      break;
    default: break;
  }
}

UINT TspSkinShadowLabel::Flags() const {
  UINT align = alignment_ == taRightJustify ? DT_RIGHT : alignment_ == taCenter ? DT_CENTER : DT_LEFT;
  return DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | align;
}

void TspSkinShadowLabel::DoDrawText(TCanvas* canvas, TRect& r, UINT flags) {
  String text = GetLabelText();
  if ((flags & DT_CALCRECT) != 0 && (text.empty() || (showAccelChar_ && text == "&"))) text += " ";
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  HDC dc = canvas->Handle();
  ::SelectObject(dc, canvas->Font()->Handle());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(canvas->Font()->Color()));
  RECT m = {r.Left, r.Top, r.Right, r.Bottom};
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &m, flags);
  if ((flags & DT_CALCRECT) != 0) r = TRect{m.left, m.top, m.right, m.bottom};
}

void TspSkinShadowLabel::Paint() {
  if (Width() < 1 || Height() < 1) return;
  TBitmap mask(Width(), Height());
  TCanvas* mc = mask.Canvas();
  mc->Brush()->SetColor(clWhite);
  mc->FillRect(TRect{0, 0, Width(), Height()});
  mc->SetFont(Font());
  mc->Font()->SetColor(clBlack);
  mc->Brush()->SetStyle(bsClear);
  TRect r{0, 0, Width() - 3, Height() - 3};
  UINT flags = Flags();
  if (layout_ != tlTop) {
    TRect measured = ClientRect();
    DoDrawText(mc, measured, flags | DT_CALCRECT);
    Integer shift = layout_ == tlBottom ? Height() - measured.Bottom - 2 : (Height() - measured.Bottom) / 2 - 2;
    r.Top += shift, r.Bottom += shift;
  }
  TRect once{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1}, twice{r.Left + 2, r.Top + 2, r.Right + 2, r.Bottom + 2};
  DoDrawText(mc, once, flags);
  DoDrawText(mc, twice, flags);
  TBitmap parent(Width(), Height());
  GetParentImage(this, parent.Canvas());
  {
    TspEffectBmp shadow(mask.Handle()), result(parent.Handle());
    result.MaskFillColor(shadow, clBlack, 0.3);
    result.MaskAntialiasing(shadow, 1);
    result.Draw(parent.Canvas()->Handle(), 0, 0);
  }
  TCanvas* pc = parent.Canvas();
  pc->SetFont(Font());
  pc->Font()->SetColor(EffectLabelColor(this, UseSkinColor));
  pc->Brush()->SetStyle(bsClear);
  DoDrawText(pc, r, flags);
  Canvas()->Draw(0, 0, &parent);
}

void TspSkinShadowLabel::AdjustBounds() {
  if (HasState(csLoading) || HasState(csReading) || !AutoSize()) return;
  HDC dc = ::GetDC(nullptr);
  auto* canvas = static_cast<TControlCanvas*>(Canvas());
  canvas->BindPaintDC(dc);
  canvas->SetFont(Font());
  TRect r = ClientRect();
  DoDrawText(canvas, r, DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0));
  canvas->FreeHandle();
  ::ReleaseDC(nullptr, dc);
  Integer left = Left();
  if (alignment_ == taRightJustify) left += Width() - r.Right;
  SetBounds(left, Top(), r.Right + 3, r.Bottom + 3);
}
