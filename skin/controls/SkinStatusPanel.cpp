#include "skin/controls/SkinStatusPanel.h"

#include "skin/draw/SkinLayout.h"

using enum TspSkinBorderStyle;

TspSkinStatusPanel::TspSkinStatusPanel(TComponent* owner)
    : TspSkinLabel(owner), glyph_(std::make_unique<TBitmap>()) {
  SetWidth(120);
  SkinDataName = "statuspanel";
}

void TspSkinStatusPanel::SetImageList(TCustomImageList* value) {
  imageList_ = value;
  if (value) value->FreeNotification(this);
  Repaint();
}

void TspSkinStatusPanel::SetImageIndex(Integer value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Repaint();
}

void TspSkinStatusPanel::SetGlyph(const TBitmap* value) {
  glyph_->Assign(value);
  Repaint();
  if (AutoSizeX()) AdjustBounds();
}

void TspSkinStatusPanel::SetNumGlyphs(Integer value) {
  numGlyphs_ = value < 1 ? 1 : value;
  Repaint();
  if (AutoSizeX()) AdjustBounds();
}

void TspSkinStatusPanel::Notification(TComponent* component, TOperation operation) {
  TspSkinLabel::Notification(component, operation);
  if (operation == opRemove && component == imageList_) imageList_ = nullptr;
}

void TspSkinStatusPanel::CMEnabledChanged(TMessage& message) {
  TspSkinLabel::CMEnabledChanged(message);
  Repaint();
}

bool TspSkinStatusPanel::UsesImageList() const {
  return glyph_->Empty() && imageList_ && imageIndex_ >= 0 && imageIndex_ < imageList_->Count();
}

Integer TspSkinStatusPanel::DrawPicture(TCanvas* canvas, Integer x, const TRect& r, Integer glyphTop) {
  if (UsesImageList()) {
    imageList_->Draw(canvas, x, r.Top + r.Height() / 2 - imageList_->Height() / 2, imageIndex_, Enabled());
    return imageList_->Width();
  }
  if (glyph_->Empty()) return 0;
  Integer state = !Enabled() && numGlyphs_ == 2 ? 2 : 1;
  DrawGlyph(canvas, x, glyphTop, glyph_.get(), numGlyphs_, state);
  return glyph_->Width() / numGlyphs_;
}

void TspSkinStatusPanel::CreateControlDefaultImage(TBitmap* b) {
  TspSkinCustomControl::CreateControlDefaultImage(b);
  TCanvas* c = b->Canvas();
  DrawBorderStyle(c, ClientRect(), BorderStyle());
  TRect r{3, 3, Width() - 3, Height() - 3};
  Integer w = DrawPicture(c, UsesImageList() ? r.Left : 3, r, b->Height() / 2 - glyph_->Height() / 2);
  if (w) r.Left += w + 2;
  DrawLabelText(c, r);
}

void TspSkinStatusPanel::CreateControlSkinImage(TBitmap* b) {
  if (!SkinPicture) return CreateControlDefaultImage(b);
  TspSkinCustomControl::CreateControlSkinImage(b);
  TRect r = RealClientRect;
  Integer w = DrawPicture(b->Canvas(), r.Left, r, r.Top + r.Height() / 2 - glyph_->Height() / 2);
  if (w) r.Left += w + 2;
  DrawLabelText(b->Canvas(), r);
}

Integer TspSkinStatusPanel::CalcWidthOffset() {
  Integer picture = UsesImageList() ? imageList_->Width() : glyph_->Empty() ? 0 : glyph_->Width() / numGlyphs_;
  Integer p = picture ? picture + 3 : 0;
  // Measured on a scratch bitmap, as the plain label does: no window may exist yet.
  TBitmap scratch(1, 1);
  TCanvas* canvas = scratch.Canvas();
  if (SkinRecordIndex == -1) {
    canvas->SetFont(DefaultFont());
    return p + canvas->TextWidth(Caption()) + 4 - Width();
  }
  if (ResizeMode == 0) return 0;
  SetRecordFontOn(canvas);
  return p + canvas->TextWidth(Caption()) - RealClientRect.Width();
}
