// The speed button's pictures: the skinned states with their fade, the flat
// content over the parent, the default look, and the content by its sources.
#include "skin/controls/SkinToolBar.h"
#include "skin/controls/buttons/SkinSpeedButton.h"
#include "skin/draw/ParentImage.h"
#include "skin/draw/SkinImage.h"
#include "skin/menus/SkinImagesMenu.h"

namespace {
constexpr TColor kNavy = 0x800000;
}  // namespace

void TspSkinSpeedButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  bool hasRecord = SkinRecordIndex != -1 && SkinPicture;
  bool idle = !(MouseIn || (down_ && GroupIndex != 0));
  if (!hasRecord) {
    if (!PressedLook() && !MouseIn && flat_) {
      Canvas()->SetFont(DefaultFont());
      Canvas()->Font()->SetCharset(SkinCharset(SkinData(), DefaultFont()));
      if (!Enabled()) Canvas()->Font()->SetColor(clBtnShadow);
      return DrawContent(Canvas(), ClientRect(), false, false, false);
    }
    return TspGraphicSkinCustomControl::Paint();
  }
  if (flat_ && idle) return PaintFlatContent(RealClientRect);
  PaintSkinned();
}

void TspSkinSpeedButton::PaintFlatContent(const TRect& r) {
  TCanvas* c = Canvas();
  SetRecordFont(c, UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(), SkinData());
  TspSkinColors* colours = SkinData()->SkinColors.get();
  if (!Enabled()) c->Font()->SetColor(colours->cBtnShadow);
  else if (UseSkinFontColor) c->Font()->SetColor(colours->cBtnText);
  else c->Font()->SetColor(DefaultFont()->Color());
  DrawContent(c, r, false, false, false);
}

void TspSkinSpeedButton::PaintSkinned() {
  TBitmap image(Width(), Height());
  std::unique_ptr<TspEffectBmp> background;
  if (AlphaBlend()) {
    TBitmap parent(Width(), Height());
    GetParentImage(this, parent.Canvas());
    background = std::make_unique<TspEffectBmp>(parent.Handle());
  }
  auto finish = [&](TspEffectBmp& result) {
    if (background) result.Morph(*background, 1 - AlphaBlendValue() / 255.0);
    result.Draw(Canvas()->Handle(), 0, 0);
  };
  if (EnableMorphing() && fade_.Kf != 0 && fade_.Kf != 1 && Enabled() && !PressedLook()) {
    TBitmap normalImage, hotImage;
    CreateButtonImage(&normalImage, skinrect, false, false);
    CreateButtonImage(&hotImage, look.activeskinrect, false, true);
    TspEffectBmp normal(normalImage.Handle()), hot(hotImage.Handle());
    MorphByKind(normal, hot, fade_.Kf, look.morphkind);
    return finish(normal);
  }
  if (!Enabled() && !look.disabledskinrect.IsEmpty()) CreateButtonImage(&image, look.disabledskinrect, false, false);
  else if (PressedLook()) CreateButtonImage(&image, look.downskinrect, true, true);
  else if (MouseIn || (EnableMorphing() && fade_.Kf == 1)) CreateButtonImage(&image, look.activeskinrect, false, true);
  else CreateButtonImage(&image, skinrect, false, false);
  if (!background) return Canvas()->Draw(0, 0, &image);
  TspEffectBmp result(image.Handle());
  finish(result);
}

void TspSkinSpeedButton::CreateButtonImage(TBitmap* b, const TRect& r, bool aDown, bool aMouseIn) {
  b->SetSize(Width(), Height());
  TRect content = RealClientRect;
  if (!UseSkinSize && ResizeMode != 1) content = StretchButtonFace(*this, b, r, Width(), Height());
  else CreateSkinControlImage(b, SkinPicture, r);
  SetCaptionFont(b->Canvas(), aDown, aMouseIn);
  DrawContent(b->Canvas(), content, aDown, aMouseIn, aDown && aMouseIn);
}

void TspSkinSpeedButton::SetCaptionFont(TCanvas* canvas, bool aDown, bool aMouseIn) {
  SetRecordFont(canvas, UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(), SkinData());
  canvas->Font()->SetColor(look.CaptionColor(Enabled(), aDown, aMouseIn, UseSkinFontColor, DefaultFont()->Color()));
  canvas->Brush()->SetStyle(bsClear);
}

void TspSkinSpeedButton::DrawContent(TCanvas* canvas, const TRect& r, bool aDown, bool aMouseIn,
                                     bool pressedOffset, bool imageListOnlyInRange) {
  canvas->Brush()->SetStyle(bsClear);
  String caption = ShownCaption();
  TspImagesMenuItem* selected = imagesMenu_ ? imagesMenu_->GetSelectedItem() : nullptr;
  if (selected && UseImagesMenuImage) {
    if (UseImagesMenuCaption) caption = selected->Caption;
    return DrawImageAndText(canvas, r, margin_, spacing_, layout_, caption, selected->ImageIndex,
                            imagesMenu_->Images(), pressedOffset, Enabled(), DrawColorMarker, ColorValue);
  }
  auto* bar = dynamic_cast<TspSkinToolBar*>(Parent());
  if (glyph_->Empty() && bar) {
    TCustomImageList* list = bar->Images();
    bool enabled = Enabled();
    if (!Enabled() && bar->DisabledImages()) {
      list = bar->DisabledImages();
      enabled = true;  // the disabled list is drawn as it is
    } else if ((aDown || aMouseIn) && bar->HotImages()) {
      list = bar->HotImages();
    }
    return DrawImageAndText(canvas, r, margin_, spacing_, layout_, caption, imageIndex_, list, pressedOffset,
                            enabled, DrawColorMarker, ColorValue);
  }
  if (glyph_->Empty() && imageList_ &&
      (!imageListOnlyInRange || (imageIndex_ >= 0 && imageIndex_ < imageList_->Count())))
    return DrawImageAndText(canvas, r, margin_, spacing_, layout_, caption, imageIndex_, imageList_,
                            pressedOffset, Enabled(), DrawColorMarker, ColorValue);
  DrawGlyphAndText(canvas, r, margin_, spacing_, layout_, caption, glyph_.get(), numGlyphs_,
                   ButtonGlyphNumber(numGlyphs_, Enabled(), aDown, aMouseIn), pressedOffset, DrawColorMarker,
                   ColorValue);
}

void TspSkinSpeedButton::CreateControlDefaultImage(TBitmap* b) {
  TCanvas* c = b->Canvas();
  TRect r = ClientRect();
  if (PressedLook()) FillAndFrame(c, r, kNavy, RGB(133, 147, 181));
  else if (MouseIn) FillAndFrame(c, r, kNavy, RGB(182, 189, 210));
  else FillAndFrame(c, r, clBtnShadow, clBtnFace);
  SetCanvasDefaultFont(c, DefaultFont(), SkinData());
  if (!Enabled()) c->Font()->SetColor(clBtnShadow);
  // The glyph moves with the pressed look; the lists and the images menu only
  // while the pointer holds the button down.
  bool listContent = glyph_->Empty() || (imagesMenu_ && UseImagesMenuImage && imagesMenu_->GetSelectedItem());
  DrawContent(c, r, down_, MouseIn, listContent ? down_ && MouseIn : PressedLook());
}

void TspSkinSpeedButton::DrawMenuMarker(TCanvas* canvas, const TRect& r, bool active, bool down, bool flat) {
  const TRect& piece = down     ? look.menumarkerdownrect
                       : active ? look.menumarkeractiverect
                       : flat   ? look.menumarkerflatrect
                                : look.menumarkerrect;
  if (piece.IsEmpty()) return;
  DrawPieceTransparent(canvas, r.Left + r.Width() / 2 - piece.Width() / 2, r.Top + r.Height() / 2 - piece.Height() / 2,
                       SkinPicture, piece, look.menumarkertransparentcolor);
}
