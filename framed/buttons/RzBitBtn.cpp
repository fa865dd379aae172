#include "framed/buttons/RzBitBtn.h"

#include "framed/common/RzCommon_Rects.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/graphics/RzGrafx.h"
#include "platform/controls/Forms.h"

namespace {

struct TKindRow {
  TModalResult modalResult;
  bool isDefault, isCancel;
};

const TKindRow kKinds[kBitBtnKindCount] = {
    {mrNone, false, false}, {mrOk, true, false},  {mrCancel, false, true}, {mrNone, false, false},
    {mrYes, true, false},   {mrNo, false, true},  {mrNone, false, false},  {mrAbort, false, false},
    {mrRetry, false, false}, {mrIgnore, false, false}, {mrAll, false, false}};

}  // namespace

TBitmap* GetBitBtnGlyph(TBitBtnKind kind) {
  if (kind == bkCustom) return nullptr;
  if (!KindGlyphs[kind]) {
    auto bitmap = std::make_unique<TBitmap>();
    try {
      bitmap->LoadFromResourceName(::GetModuleHandleA(nullptr), KindGlyphResource(kind));
    } catch (const Exception&) {
      return nullptr;
    }
    KindGlyphs[kind] = bitmap.release();
  }
  return KindGlyphs[kind];
}

TRzBitBtn::TRzBitBtn(TComponent* owner) : TRzButton(owner), glyph_(std::make_unique<TBitmap>()) {
  glyph_->OnChange = TNotifyEvent(this, &TRzBitBtn::GlyphChanged);
}

void TRzBitBtn::SetGlyph(const TBitmap* value) {
  glyph_->Assign(value);
  glyphModified_ = true;
}

void TRzBitBtn::GlyphChanged(TObject*) {
  const int w = glyph_->Width(), h = glyph_->Height();
  if (h != 0 && w % h == 0) numGlyphs_ = w / h <= 4 ? w / h : 1;
  Invalidate();
}

TBitBtnKind TRzBitBtn::GetKind() {
  if (kind_ != bkCustom) {
    const TKindRow& row = kKinds[kind_];
    if (Default() != row.isDefault || Cancel() != row.isCancel || ModalResult() != row.modalResult ||
        glyphModified_)
      kind_ = bkCustom;
  }
  return kind_;
}

void TRzBitBtn::SetKind(TBitBtnKind value) {
  if (value == kind_) return;
  if (value != bkCustom) {
    const TKindRow& row = kKinds[value];
    SetDefault(row.isDefault);
    SetCancel(row.isCancel);
    if (!(HasState(csLoading) && !Caption().empty())) SetCaption(KindCaptions[value]);
    SetModalResult(row.modalResult);
    if (TBitmap* glyph = GetBitBtnGlyph(value)) glyph_->Assign(glyph);
    numGlyphs_ = 2;
    glyphModified_ = false;
  }
  kind_ = value;
  Invalidate();
}

#define RZ_SETTER(Name, Type, field) \
  void TRzBitBtn::Set##Name(Type value) { \
    if (field == value) return;       \
    field = value;                    \
    Invalidate();                     \
  }
RZ_SETTER(Layout, TButtonLayout, layout_)
RZ_SETTER(NumGlyphs, int, numGlyphs_)
RZ_SETTER(Spacing, int, spacing_)
RZ_SETTER(ImageIndex, int, imageIndex_)
RZ_SETTER(DisabledIndex, int, disabledIndex_)
#undef RZ_SETTER

void TRzBitBtn::SetMargin(int value) {
  if (value < -1 || value == margin_) return;
  margin_ = value;
  Invalidate();
}

void TRzBitBtn::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  images_ = value;
  if (images_) images_->FreeNotification(this);
  Invalidate();
}

void TRzBitBtn::Notification(TComponent* component, TOperation operation) {
  TRzButton::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

TSize TRzBitBtn::GetImageSize() {
  if (images_ && imageIndex_ != -1) return TSize{images_->Width(), images_->Height()};
  return TSize{numGlyphs_ ? glyph_->Width() / numGlyphs_ : 0, glyph_->Height()};
}

bool TRzBitBtn::HasPicture() const { return (images_ && imageIndex_ != -1) || !glyph_->Empty(); }

int TRzBitBtn::CaptionHeight(const TRect& r) {
  TRect measure = r;
  Canvas()->SetFont(Font());
  return Canvas()->TextRect(measure, Caption(), DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER | DT_VCENTER);
}

TRect TRzBitBtn::GetCaptionRect() {
  TRect c = TRzButton::GetCaptionRect();
  if (!HasPicture()) return c;
  const TSize size = GetImageSize();
  const int w = size.cx, h = size.cy;
  if (layout_ == blGlyphLeft) c.Left += margin_ + w + spacing_;
  if (layout_ == blGlyphRight) c.Right -= margin_ + w + spacing_;
  if (margin_ >= 0) {
    if (layout_ == blGlyphTop) c.Top += margin_ + h + spacing_;
    if (layout_ == blGlyphBottom) c.Bottom -= margin_ + h + spacing_;
    return c;
  }
  const int t = CaptionHeight(c);
  const int d = (Height() - (h + t + spacing_)) / 2;
  if (layout_ == blGlyphTop) {
    c.Top += d + h;
    c.Bottom = c.Top + t;
  } else if (layout_ == blGlyphBottom) {
    c.Top += d;
    c.Bottom = c.Top + t;
  }
  return c;
}

TRect TRzBitBtn::GetGlyphRect() {
  TRect g = TRzButton::GetCaptionRect();
  if (showDownVersion_) OffsetRect(g, -1, Themed() ? 0 : -1);
  const TSize size = GetImageSize();
  const int w = size.cx, h = size.cy;
  if (margin_ >= 0) {
    if (layout_ == blGlyphLeft) g.Left += margin_;
    if (layout_ == blGlyphRight) g.Left = g.Right - margin_ - w;
    if (layout_ == blGlyphTop) g.Top += margin_;
    if (layout_ == blGlyphBottom) g.Top = g.Bottom - margin_ - h;
  } else {
    const int t = CaptionHeight(g);
    const int d = (Height() - (h + t + spacing_)) / 2;
    if (layout_ == blGlyphRight) g.Left = g.Right - w;
    if (layout_ == blGlyphTop) g.Top = d;
    if (layout_ == blGlyphBottom) g.Top += t + d;
  }
  if (layout_ == blGlyphLeft || layout_ == blGlyphRight)
    g.Top += (g.Bottom - g.Top - h + 1) / 2;
  else
    g.Left += (g.Right - g.Left - w + 1) / 2;
  g.Right = g.Left + w;
  g.Bottom = g.Top + h;
  if (showDownVersion_) OffsetRect(g, Themed() ? 2 : 1, Themed() ? 0 : 1);
  return g;
}

void TRzBitBtn::DrawButtonFace() {
  TRzButton::DrawButtonFace();
  const TRect g = GetGlyphRect();
  if (GetKind() == bkCustom && images_ && imageIndex_ != -1)
    DrawImage(g);
  else if (!glyph_->Empty())
    DrawGlyph(g);
}

void TRzBitBtn::DrawImage(const TRect& g) {
  if (!images_) return;
  if (disabledIndex_ == -1) {
    if (imageIndex_ != -1) images_->Draw(Canvas(), g.Left, g.Top, imageIndex_, Enabled());
    return;
  }
  const int index = Enabled() ? imageIndex_ : disabledIndex_;
  if (index != -1) images_->Draw(Canvas(), g.Left, g.Top, index, true);
}

// The glyph is drawn over what the button shows beneath it, its bottom-left
// pixel counting as see-through.
void TRzBitBtn::DrawGlyph(const TRect& g) {
  const int w = g.Width(), h = g.Height();
  if (w <= 0 || h <= 0) return;
  const TRect source = numGlyphs_ == 1 || Enabled() ? Rect(0, 0, w, h) : Rect(w, 0, 2 * w, h);
  TBitmap work(w, h);
  work.Canvas()->CopyRect(Rect(0, 0, w, h), Canvas(), g);
  const TColor transparent = glyph_->Canvas()->Pixels(0, glyph_->Height() - 1);
  DrawFullTransparentBitmap(work.Canvas(), glyph_.get(), Rect(0, 0, w, h), source, transparent);
  Canvas()->Draw(g.Left, g.Top, &work);
}
