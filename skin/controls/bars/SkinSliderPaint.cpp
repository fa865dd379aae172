// The slider's picture: background, ruler and focus rectangle made off-screen
// and copied in one piece, then the tick marks and the thumb.
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/bars/SkinSlider.h"
#include "skin/draw/ParentImage.h"

void TspSkinCustomSlider::Paint() {
  GetSkinData();
  Integer w = ClientWidth(), h = ClientHeight();
  if (w < 1 || h < 1) return;
  TBitmap b(w, h);
  TCanvas* c = b.Canvas();
  if (transparent_) {
    GetParentImage(this, c);
  } else {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(SkinRecordIndex == -1 ? Color() : bgColor_);
    c->FillRect(TRect{0, 0, w, h});
  }
  if (!ruler_->Empty()) {
    ruler_->SetTransparent(!(HasOption(soRulerOpaque) && SkinRecordIndex == -1));
    c->Draw(rulerPos_.X, rulerPos_.Y, ruler_.get());
  }
  if (HasOption(soShowFocus) && focused_ && !Designing()) {
    TRect r = GetSliderRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->DrawFocusRect(TRect{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2});
  }
  Canvas()->Draw(0, 0, &b);
  // The marks and the thumb go on the control's canvas, where OnDrawPoints draws.
  if (HasOption(soShowPoints)) {
    if (OnDrawPoints) OnDrawPoints(this);
    else DefaultDrawPoints(increment_, 3, 5);
  }
  DrawThumb(Canvas(), thumbBounds_.TopLeft());
}

std::vector<Integer> TspSkinCustomSlider::PointValues(Integer step) const {
  std::vector<Integer> values;
  Integer length = GetRulerLength(), range = maxValue_ - minValue_;
  if (step <= 0 || range <= 0) return values;
  Integer s = step, n = 1;
  for (Integer k = 1;; ++k) {
    s = step * k;
    n = RoundEven(static_cast<double>(range) / s) + 1;
    Integer spacing = n <= 1 ? length : length / (n - 1);
    if (spacing >= 4 || spacing >= length) break;
  }
  for (Integer i = 0; i < n; ++i) values.push_back(i == n - 1 ? maxValue_ : minValue_ + i * s);
  return values;
}

void TspSkinCustomSlider::DefaultDrawPoints(Integer step, Integer pointHeight, Integer extremePointHeight) {
  TCanvas* c = Canvas();
  c->Pen()->SetColor(SkinRecordIndex == -1 ? clWindowText : pointsColor_);
  TSize thumb = ThumbSize();
  for (Integer v : PointValues(step)) {
    Integer length = v == minValue_ || v == maxValue_ ? extremePointHeight : pointHeight;
    Integer at = GetOffsetByValue(v);
    if (orientation_ == soHorizontal) {
      Integer x = at + thumb.cx / 2;
      c->MoveTo(x, pointsRect_.Top);
      c->LineTo(x, pointsRect_.Top + length);
    } else {
      Integer y = at + thumb.cy / 2;
      c->MoveTo(pointsRect_.Left, y);
      c->LineTo(pointsRect_.Left + length, y);
    }
  }
}

void TspSkinCustomSlider::DrawThumb(TCanvas* canvas, const TPoint& at) {
  bool second = thumbDown_ || !Enabled();
  bool vertical = orientation_ == soVertical;
  if (SkinRecordIndex != -1 && UseSkinThumb) {
    const TRect& r = vertical ? vThumbRect_ : hThumbRect_;
    Integer half = r.Width() / 2;
    TRect piece = second ? TRect{r.Left + half, r.Top, r.Left + 2 * half, r.Bottom} : TRect{r.Left, r.Top, r.Left + half, r.Bottom};
    TBitmap part;
    if (piece.Width() < 1 || piece.Height() < 1) return;
    part.SetSize(piece.Width(), piece.Height());
    part.Canvas()->CopyRect(TRect{0, 0, piece.Width(), piece.Height()}, skinPicture_->Canvas(), piece);
    part.SetTransparent(true);
    canvas->Draw(at.X, at.Y, &part);
    return;
  }
  TBitmap* image = images_[vertical ? siVThumb : siHThumb].get();
  if (image->Empty()) return;
  Integer w = image->Width() / numThumbStates_, h = image->Height();
  TBitmap part(w, h);
  Integer from = numThumbStates_ == 2 && second ? w : 0;
  part.Canvas()->CopyRect(TRect{0, 0, w, h}, image->Canvas(), TRect{from, 0, from + w, h});
  part.SetTransparent(!HasOption(soThumbOpaque));
  canvas->Draw(at.X, at.Y, &part);
}
