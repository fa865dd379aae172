// The expanding panel's pictures: the skinned and default looks, not rolled,
// rolled to the caption strip and rolled to an upright strip, and the caption
// buttons.
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/panels/SkinExPanel.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinLayout.h"
#include "skin/draw/SkinText.h"

namespace {
constexpr TColor kNavy = 0x800000;

// Text written upwards from (x, y), clipped to clip.
void TextUp(TCanvas* canvas, Integer x, Integer y, const String& text, const TRect& clip) {
  HDC dc = canvas->Handle();
  LOGFONTA lf{};
  ::GetObjectA(canvas->Font()->Handle(), sizeof(lf), &lf);
  lf.lfEscapement = lf.lfOrientation = 900;
  HFONT rotated = ::CreateFontIndirectA(&lf);
  HFONT old = static_cast<HFONT>(::SelectObject(dc, rotated));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(canvas->Font()->Color()));
  RECT r{clip.Left, clip.Top, clip.Right, clip.Bottom};
  ::ExtTextOutA(dc, x, y, ETO_CLIPPED, &r, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  ::SelectObject(dc, old);
  ::DeleteObject(rotated);
}
}  // namespace

Integer TspSkinExPanel::PictureWidth() const {
  if (captionImageList_ && captionImageIndex_ >= 0 && captionImageIndex_ < captionImageList_->Count())
    return captionImageList_->Width();
  return glyph_->Empty() ? 0 : glyph_->Width() / std::max(numGlyphs_, 1);
}

Integer TspSkinExPanel::PictureHeight() const {
  if (captionImageList_ && captionImageIndex_ >= 0 && captionImageIndex_ < captionImageList_->Count())
    return captionImageList_->Height();
  return glyph_->Empty() ? 0 : glyph_->Height();
}

void TspSkinExPanel::DrawPicture(TCanvas* canvas, Integer x, Integer y) {
  if (captionImageList_ && captionImageIndex_ >= 0 && captionImageIndex_ < captionImageList_->Count())
    return captionImageList_->Draw(canvas, x, y, captionImageIndex_, Enabled());
  if (!glyph_->Empty())
    DrawGlyph(canvas, x, y, glyph_.get(), numGlyphs_, !Enabled() && numGlyphs_ > 1 ? 2 : 1);
}

// Picture and caption in c: across (c.Left onwards, centred) or upright (from the
// bottom up, centred across); bottomInset keeps the upright text off the edge.
void TspSkinExPanel::CaptionContent(TCanvas* canvas, TRect c, bool rotated, Integer bottomInset) {
  Integer pw = PictureWidth(), ph = PictureHeight();
  if (!rotated) {
    if (pw > 0) {
      DrawPicture(canvas, c.Left, c.Top + c.Height() / 2 - ph / 2);
      c.Left += pw + spacing_;
    }
    SPDrawText2(canvas, Caption(), c);
    return;
  }
  Integer th = canvas->TextHeight(Caption());
  Integer x = c.Left + c.Width() / 2 - th / 2;
  Integer y = c.Bottom - bottomInset;
  if (pw > 0) {
    DrawPicture(canvas, c.Left + c.Width() / 2 - pw / 2, y - ph);
    y -= ph + spacing_ + bottomInset;
  }
  TextUp(canvas, x, y, Caption(), c);
}

void TspSkinExPanel::CreateControlSkinImage(TBitmap* b) {
  if (!Record || !SkinPicture) return CreateControlDefaultImage(b);
  const TspDataSkinExPanelControl& k = *Record;
  TCanvas* c = b->Canvas();
  const bool vertical = rollState_ && rollKind_ == rkRollVertical;
  const bool horizontal = rollState_ && rollKind_ == rkRollHorizontal;
  TRect area;
  if (horizontal) {
    CreateVSkinImage(k.rolltopoffset, k.rollbottomoffset, b, SkinPicture, k.rollhskinrect, GetRollWidth(), Height(),
                     k.topstretch);
    area = k.rollhcaptionrect;
    area.Bottom += Height() - k.rollhskinrect.Height();
  } else if (vertical) {
    CreateHSkinImage(k.rollleftoffset, k.rollrightoffset, b, SkinPicture, k.rollvskinrect, Width(), GetRollHeight(),
                     k.topstretch);
    area = k.rollvcaptionrect;
    area.Right += Width() - k.rollvskinrect.Width();
  } else {
    TspSkinCustomControl::CreateControlSkinImage(b);
    area = k.captionrect;
    area.Right += Width() - skinrect.Width();
  }
  SetRecordFont(c, UseSkinFont, k.fontname, k.fontheight, k.fontstyle, DefaultFont(), SkinData());
  c->Font()->SetColor(k.fontcolor);
  c->Brush()->SetStyle(bsClear);
  const TRect& close = k.closebuttonrect;
  const TRect& roll = ButtonLooks[horizontal ? kHRoll : kVRoll][0];
  if (horizontal) {
    Integer g = showButton_[0] ? 2 : 0;
    Buttons[0].R = showButton_[0] ? TRect{area.Left, area.Top, area.Left + close.Width(), area.Top + close.Height()}
                                  : TRect{area.Left, area.Top, area.Left, area.Top};
    Integer top = Buttons[0].R.Bottom + g;
    Buttons[1].R = showButton_[1] ? TRect{area.Left, top, area.Left + roll.Width(), top + roll.Height()} : TRect{};
    area.Top += (showButton_[0] ? close.Height() : 0) + (showButton_[1] ? roll.Height() + g : 0);
    CaptionContent(c, area, true, 0);
  } else {
    Integer g = showButton_[0] ? 2 : 0;
    Buttons[0].R = showButton_[0] ? TRect{area.Right - close.Width(), area.Top, area.Right, area.Top + close.Height()}
                                  : TRect{area.Right, area.Top, area.Right, area.Top};
    Integer right = Buttons[0].R.Left - g;
    Buttons[1].R = showButton_[1] ? TRect{right - roll.Width(), area.Top, right, area.Top + roll.Height()} : TRect{};
    area.Right -= (showButton_[0] ? close.Width() : 0) + (showButton_[1] ? roll.Width() + g : 0);
    CaptionContent(c, area, false, 0);
  }
  for (int i = 0; i < 2; ++i)
    if (showButton_[i]) DrawButton(c, i);
}

void TspSkinExPanel::CreateControlDefaultImage(TBitmap* b) {
  TCanvas* c = b->Canvas();
  const Integer w = Width(), h = Height(), bs = defaultCaptionHeight_ - 6;
  SetCanvasDefaultFont(c, DefaultFont(), SkinData());
  c->Brush()->SetStyle(bsSolid);
  if (rollState_ && rollKind_ == rkRollHorizontal) {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect{0, 0, w, h});
    TRect frame{0, 0, w, h};
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(frame);
    Frm3D(c, TRect{1, 1, w - 1, h - 1}, clBtnHighlight, clBtnFace);
    Buttons[0].R = showButton_[0] ? TRect{3, 3, bs + 3, bs + 3} : TRect{3, 3, 3, 3};
    Integer top = Buttons[0].R.Bottom;
    Buttons[1].R = showButton_[1] ? TRect{3, top, bs + 3, top + bs} : TRect{};
    TRect area{0, Buttons[0].R.Height() + Buttons[1].R.Height() + 2, w, h};
    c->Brush()->SetStyle(bsClear);
    CaptionContent(c, area, true, 2);
  } else {
    FillAndFrame(c, TRect{0, 0, w, h}, clBtnShadow, clBtnFace);
    TRect strip{0, 0, w, defaultCaptionHeight_};
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(strip);
    Frm3D(c, TRect{1, 1, w - 1, defaultCaptionHeight_ - 1}, clBtnHighlight, clBtnFace);
    Buttons[0].R = showButton_[0] ? TRect{w - bs - 2, 3, w - 2, bs + 3} : TRect{w - 2, 3, w - 2, 3};
    Integer left = Buttons[0].R.Left;
    Buttons[1].R = showButton_[1] ? TRect{left - bs, 3, left, bs + 3} : TRect{};
    TRect area{4, 2, w - 2 - (Buttons[0].R.Width() + Buttons[1].R.Width() + 2), defaultCaptionHeight_ - 2};
    c->Brush()->SetStyle(bsClear);
    CaptionContent(c, area, false, 0);
  }
  for (int i = 0; i < 2; ++i)
    if (showButton_[i]) DrawButton(c, i);
}

void TspSkinExPanel::DrawButton(TCanvas* canvas, int i) {
  const CaptionButton& button = Buttons[i];
  if (button.R.IsEmpty()) return;
  if (Record && SkinPicture) return DrawSkinButton(canvas, i);
  bool pressed = button.Down && button.Active;
  if (pressed) FillAndFrame(canvas, button.R, kNavy, RGB(133, 147, 181));
  else if (button.Active) FillAndFrame(canvas, button.R, kNavy, RGB(182, 189, 210));
  else FillAndFrame(canvas, button.R, clBtnFace, clBtnFace);
  TRect glyph = button.R;
  if (pressed) glyph.Left += 2, glyph.Top += 2;
  if (i == 0) return DrawRCloseImage(canvas, glyph, clBlack);
  Integer kind = rollKind_ == rkRollVertical ? (rollState_ ? 4 : 3) : (rollState_ ? 2 : 1);
  DrawArrowImage(canvas, glyph, clBlack, kind);
}

void TspSkinExPanel::DrawSkinButton(TCanvas* canvas, int i) {
  const CaptionButton& button = Buttons[i];
  int kind = i == 0 ? kClose
             : rollKind_ == rkRollHorizontal ? (rollState_ ? kHRestore : kHRoll)
                                             : (rollState_ ? kVRestore : kVRoll);
  const TRect& piece = ButtonLooks[kind][button.Down && button.Active ? 2 : button.Active ? 1 : 0];
  if (!Record->buttonstransparent || piece.IsEmpty()) {
    TBitmap part;
    if (CopyPictureRect(part, SkinPicture, piece)) canvas->StretchDraw(button.R, &part);
    return;
  }
  DrawPieceTransparent(canvas, button.R.Left, button.R.Top, SkinPicture, piece, Record->buttonstransparentcolor);
}

void TspSkinExPanel::RedrawButton(int i) {
  if (!HandleAllocated() || !showButton_[i]) return;
  Repaint();
}
