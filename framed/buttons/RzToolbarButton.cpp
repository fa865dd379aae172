#include "framed/buttons/RzToolbarButton.h"

#include "framed/bars/RzToolbar.h"

#include "platform/controls/ActnList.h"
#include "platform/graphics/ImageList.h"
#include "platform/published/Filer.h"
#include "platform/published/Reader.h"
#include "platform/published/Writer.h"

TRzToolbarButton::TRzToolbarButton(TComponent* owner)
    : TSpeedButton(owner), hotGlyph_(std::make_unique<TBitmap>()), savedGlyph_(std::make_unique<TBitmap>()) {
  hotGlyph_->OnChange = TNotifyEvent(this, &TRzToolbarButton::HotGlyphChanged);
  SetFlat(true);
}

void TRzToolbarButton::SetHotGlyph(const TBitmap* value) {
  hotGlyph_->Assign(value);
  UseHotGlyph = true;
}

void TRzToolbarButton::HotGlyphChanged(TObject*) {
  const int w = hotGlyph_->Width(), h = hotGlyph_->Height();
  if (h != 0 && w % h == 0) hotNumGlyphs_ = w / h <= 4 ? w / h : 1;
  Invalidate();
}

void TRzToolbarButton::SetHotNumGlyphs(int value) {
  if (hotNumGlyphs_ == value) return;
  hotNumGlyphs_ = value;
  Invalidate();
}

void TRzToolbarButton::SetCaption(const String& value) {
  if (showCaption_)
    TSpeedButton::SetCaption(value);
  else
    savedCaption_ = value;
}

void TRzToolbarButton::SetShowCaption(bool value) {
  if (showCaption_ == value) return;
  if (value) {
    showCaption_ = true;
    TSpeedButton::SetCaption(savedCaption_);
  } else {
    savedCaption_ = Caption();
    showCaption_ = false;
    TSpeedButton::SetCaption(String());
  }
  Invalidate();
}

void TRzToolbarButton::DefineProperties(TFiler* filer) {
  TSpeedButton::DefineProperties(filer);
  filer->DefineProperty(
      "SaveCaption", [this](TReader& reader) { savedCaption_ = reader.ReadString(); },
      [this](TWriter& writer) { writer.WriteString(savedCaption_); }, !showCaption_);
}

void TRzToolbarButton::ActionChange(TObject* sender, bool checkDefaults) {
  const String caption = Caption();
  TSpeedButton::ActionChange(sender, checkDefaults);
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (action && action->ActionList() && action->ActionList()->Images()) {
    TCustomImageList* images = action->ActionList()->Images();
    const int index = action->ImageIndex();
    if (index >= 0 && index < images->Count()) {
      TBitmap glyph(images->Width(), images->Height());
      glyph.Canvas()->Brush()->SetColor(clFuchsia);
      glyph.Canvas()->FillRect(Rect(0, 0, images->Width(), images->Height()));
      images->Draw(glyph.Canvas(), 0, 0, index);
      SetGlyph(&glyph);
    }
  }
  if (IgnoreActionCaption) TSpeedButton::SetCaption(caption);
  if (action && !(checkDefaults && Down())) SetDown(action->Checked());
}

void TRzToolbarButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TSpeedButton::MouseDown(button, shift, x, y);
  if (UseHotGlyph) changingGlyph_ = true;
}

void TRzToolbarButton::CMMouseEnter(TMessage& message) {
  mouseOverControl_ = true;
  TSpeedButton::CMMouseEnter(message);
  MouseEnter();
  if (!UseHotGlyph || !Enabled()) return;
  if (changingGlyph_) {
    changingGlyph_ = false;
  } else {
    changingGlyph_ = true;
    savedGlyph_->Assign(Glyph());
    savedGlyphCount_ = NumGlyphs();
    SetGlyph(hotGlyph_.get());
    SetNumGlyphs(hotNumGlyphs_);
  }
  Invalidate();
}

void TRzToolbarButton::CMMouseLeave(TMessage& message) {
  TSpeedButton::CMMouseLeave(message);
  MouseLeave();
  mouseOverControl_ = false;
  if (!UseHotGlyph || !Enabled()) return;
  if (savedGlyphCount_ != 0) {
    SetGlyph(savedGlyph_.get());
    SetNumGlyphs(savedGlyphCount_);
  }
  changingGlyph_ = false;
  Invalidate();
}

void TRzToolbarButton::RequestAlign() {
  TSpeedButton::RequestAlign();
  RequestToolbarLayout(this);
}
