#include "skin/controls/SkinStdLabel.h"

#include "platform/controls/ControlCanvas.h"
#include "skin/controls/SkinCtrlHelpers.h"

TspSkinStdLabel::TspSkinStdLabel(TComponent* owner)
    : TCustomLabel(owner), defaultFont_(std::make_unique<TFont>()) {
  SetTransparent(true);
}

void TspSkinStdLabel::SetEllipsType(TspEllipsType value) {
  if (value == ellipsType_) return;
  ellipsType_ = value;
  Invalidate();
}

void TspSkinStdLabel::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value) ChangeSkinData();
}

void TspSkinStdLabel::Notification(TComponent* component, TOperation operation) {
  TCustomLabel::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

void TspSkinStdLabel::GetSkinData() {
  recordIndex_ = !skinData_ || skinData_->Empty ? -1 : skinData_->GetControlIndex(SkinDataName);
  if (recordIndex_ == -1) return;
  auto* record = dynamic_cast<TspDataSkinStdLabelControl*>(skinData_->CtrlList[recordIndex_].get());
  if (!record) return;
  fontName_ = record->fontname, fontColor_ = record->fontcolor;
  fontStyle_ = record->fontstyle, fontHeight_ = record->fontheight;
}

void TspSkinStdLabel::ChangeSkinData() {
  GetSkinData();
  if (AutoSize()) AdjustBounds();
  Repaint();
}

void TspSkinStdLabel::DoDrawText(TRect& rect, UINT flags) {
  GetSkinData();
  String text = GetLabelText();
  if ((flags & DT_CALCRECT) != 0 && (text.empty() || (ShowAccelChar() && text == "&"))) text += " ";
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  if (ellipsType_ == spetEndEllips) flags |= DT_END_ELLIPSIS;
  if (ellipsType_ == spetPathEllips) flags |= DT_PATH_ELLIPSIS;
  TCanvas* canvas = Canvas();
  if (recordIndex_ == -1) {
    canvas->SetFont(UseSkinFont ? defaultFont_.get() : Font());
  } else {
    if (UseSkinFont) {
      canvas->Font()->SetName(fontName_);
      canvas->Font()->SetStyle(fontStyle_);
      canvas->Font()->SetHeight(fontHeight_);
    } else {
      canvas->SetFont(Font());
    }
    canvas->Font()->SetColor(UseSkinColor ? fontColor_ : Font()->Color());
  }
  canvas->Font()->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
  if ((flags & DT_CALCRECT) != 0) {
    RECT r = {rect.Left, rect.Top, rect.Right, rect.Bottom};
    HDC dc = canvas->Handle();
    ::SelectObject(dc, canvas->Font()->Handle());
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
    rect = TRect(r.left, r.top, r.right, r.bottom);
    return;
  }
  if (Enabled()) return DrawOnce(canvas, text, rect, flags);
  bool skinned = recordIndex_ != -1;
  TRect moved{rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1};
  canvas->Font()->SetColor(skinned ? skinData_->SkinColors->cBtnHighLight : clBtnHighlight);
  DrawOnce(canvas, text, moved, flags);
  canvas->Font()->SetColor(skinned ? skinData_->SkinColors->cBtnShadow : clBtnShadow);
  DrawOnce(canvas, text, rect, flags);
}

void TspSkinStdLabel::DrawOnce(TCanvas* canvas, const String& text, TRect r, UINT flags) {
  canvas->Brush()->SetStyle(bsClear);
  HDC dc = canvas->Handle();
  ::SelectObject(dc, canvas->Font()->Handle());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(canvas->Font()->Color()));
  RECT rr = {r.Left, r.Top, r.Right, r.Bottom};
  if (ellipsType_ != spetNone) ::DrawTextExA(dc, const_cast<char*>(text.c_str()), static_cast<int>(text.size()), &rr, flags, nullptr);
  else ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rr, flags);
}
