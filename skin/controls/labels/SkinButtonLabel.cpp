#include "skin/controls/labels/SkinButtonLabel.h"

#include "platform/controls/Messages.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/buttons/ButtonLook.h"

TspSkinButtonLabel::TspSkinButtonLabel(TComponent* owner)
    : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()), defaultFont_(std::make_unique<TFont>()) {
  ControlStyle &= ~csOpaque;
  SetBounds(Left(), Top(), 100, 50);
  defaultFont_->SetName("Arial");
  defaultFont_->SetHeight(14);
  defaultFont_->SetStyle(0);
}

void TspSkinButtonLabel::SetImageList(TCustomImageList* value) {
  imageList_ = value;
  if (value) value->FreeNotification(this);
  Repaint();
}

void TspSkinButtonLabel::SetImageIndex(Integer value) {
  if (value != imageIndex_) imageIndex_ = value, Repaint();
}

void TspSkinButtonLabel::SetWebStyle(bool value) {
  webStyle_ = value;
  if (HasState(csDesigning)) SetCursor(value ? crHandPoint : crDefault);
}

void TspSkinButtonLabel::SetGlyph(const TBitmap* value) {
  glyph_->Assign(value);
  Repaint();
}

void TspSkinButtonLabel::SetNumGlyphs(TspNumGlyphs value) {
  numGlyphs_ = value;
  Repaint();
}

void TspSkinButtonLabel::SetMargin(Integer value) {
  if (value != margin_ && value >= -1) margin_ = value, Repaint();
}

void TspSkinButtonLabel::SetSpacing(Integer value) {
  if (value != spacing_) spacing_ = value, Repaint();
}

void TspSkinButtonLabel::SetLayout(TspButtonLayout value) {
  if (value != layout_) layout_ = value, Repaint();
}

void TspSkinButtonLabel::SetDefaultFont(const TFont* value) {
  defaultFont_->Assign(value);
  Repaint();
}

void TspSkinButtonLabel::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (!value) return;
  value->FreeNotification(this);
  ChangeSkinData();
}

void TspSkinButtonLabel::ChangeSkinData() {
  look_.Read(skinData_, SkinDataName);
  Repaint();
}

void TspSkinButtonLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == imageList_) imageList_ = nullptr;
}

void TspSkinButtonLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  Pressed = true;
  Repaint();
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TspSkinButtonLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  Pressed = false;
  Repaint();
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TspSkinButtonLabel::Dispatch(TMessage& message) {
  TGraphicControl::Dispatch(message);
  if ((message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) && !HasState(csDesigning)) {
    MouseIn = message.Msg == CM_MOUSEENTER;
    Repaint();
  }
}

void TspSkinButtonLabel::Paint() {
  TCanvas* c = Canvas();
  bool skinned = look_.RecordIndex != -1;
  if (!skinned) {
    SetCanvasDefaultFont(c, defaultFont_.get(), skinData_);
    if (MouseIn) c->Font()->SetColor(DefaultActiveFontColor);
  } else {
    look_.SetFont(c, UseSkinFont, defaultFont_.get(), skinData_, defaultFont_.get());
    c->Font()->SetColor(MouseIn ? look_.ActiveFontColor : look_.FontColor);
  }
  if (webStyle_) {
    TFontStyles style = c->Font()->Style();
    c->Font()->SetStyle(MouseIn ? style | fsUnderline : style & ~fsUnderline);
  }
  c->Brush()->SetStyle(bsClear);
  bool offset = Pressed && !webStyle_;
  if (imageList_ && imageIndex_ >= 0 && imageIndex_ < imageList_->Count())
    return DrawImageAndText(c, ClientRect(), margin_, spacing_, layout_, Caption(), imageIndex_, imageList_, offset,
                            Enabled(), false, clBlack);
  Integer cell = ButtonGlyphNumber(numGlyphs_, Enabled(), Pressed, MouseIn);
  DrawGlyphAndText(c, ClientRect(), margin_, spacing_, layout_, Caption(), glyph_.get(), numGlyphs_, cell, offset,
                   false, clBlack);
}
