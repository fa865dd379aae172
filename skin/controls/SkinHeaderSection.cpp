#include "skin/controls/SkinHeaderSection.h"

#include "skin/controls/BoxCtrlsLook.h"
#include "skin/draw/SPUtils.h"

namespace {

// A strip record (no bottom corner) drawn as a three-part horizontal image.
void ComposeStrip(TBitmap* b, const TspButtonRecordLook& look, const TRect& source, Integer width) {
  const TspDataSkinButtonControl& r = *look.Record;
  CreateHSkinImage(r.lefttoppoint.X, RectWidth(source) - r.righttoppoint.X, b, look.Picture, source, width,
                   RectHeight(source), r.stretcheffect);
}

}  // namespace

void DrawHeaderSection(TCanvas* canvas, const TRect& r, const TspButtonRecordLook& look,
                       const TspHeaderSectionPaint& paint) {
  Integer w = RectWidth(r), h = RectHeight(r);
  if (w <= 0 || h <= 0) return;
  const TspDataSkinButtonControl* record = look.Record;
  bool nine = record && record->leftbottompoint != TPoint{};
  Integer bh = !record || nine || !paint.KeepSkinHeight ? h : RectHeight(record->skinrect);
  TBitmap b(w, bh);
  TCanvas* c = b.Canvas();
  if (paint.Font) c->Font()->Assign(paint.Font);
  TRect content{0, 0, w, bh};
  if (!record) {
    DrawDefaultPart(c, content, paint.Pressed ? TspPartState::Pressed : paint.Active ? TspPartState::Hot
                                                                                     : TspPartState::Normal);
    c->Font()->SetColor(clBtnText);
    if (paint.ClientContent) content = {2, 2, w - 2, bh - 2};
  } else {
    TRect source = look.StateRect(paint.Active, paint.Pressed);
    if (nine) {
      look.Compose(&b, paint.Active, paint.Pressed);
    } else if (paint.KeepSkinHeight) {
      ComposeStrip(&b, look, source, w);
    } else {
      TBitmap strip;
      ComposeStrip(&strip, look, source, w);
      c->StretchDraw(TRect{0, 0, w, bh}, &strip);
    }
    c->Font()->SetColor(look.TextColor(paint.Active, paint.Pressed, true));
    if (paint.ClientContent) {
      const TRect& cr = record->clientrect;
      content = {cr.Left, cr.Top, w - (RectWidth(record->skinrect) - cr.Right),
                 bh - (RectHeight(record->skinrect) - cr.Bottom)};
    }
  }
  if (paint.CustomDraw) {
    paint.CustomDraw(c, content);
  } else {
    c->Brush()->SetStyle(bsClear);
    TRect text = paint.ClientContent ? content : TRect{5, 0, w - 5, bh};
    String caption = paint.Text;
    Integer tw, th = c->TextHeight("Wg");
    bool image = paint.Images && paint.ImageIndex >= 0 && paint.ImageIndex < paint.Images->Count();
    Integer iw = image ? paint.Images->Width() + 10 : 0;
    String full = caption;
    CorrectTextbyWidth(c, caption, RectWidth(text) - iw);
    tw = c->TextWidth(caption);
    Integer x = text.Left;
    if (caption == full) {
      if (paint.Alignment == taRightJustify) x = text.Right - tw - iw - (paint.ClientContent && !image ? 10 : 0);
      else if (paint.Alignment == taCenter) x = RectWidth(text) / 2 + text.Left - (tw + iw) / 2;
    }
    if (image) {
      paint.Images->Draw(c, x, RectHeight(text) / 2 + text.Top - paint.Images->Height() / 2, paint.ImageIndex);
      x += iw;
    }
    c->TextRect(text, x, RectHeight(text) / 2 + text.Top - th / 2, caption);
  }
  canvas->Draw(r.Left, r.Top, &b);
}

void DrawHeaderRest(TCanvas* canvas, const TRect& r, const TspButtonRecordLook& look) {
  Integer w = RectWidth(r), h = RectHeight(r);
  if (w <= 0 || h <= 0) return;
  if (!look.Record) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(r);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(r);
    return;
  }
  const TspDataSkinButtonControl& rec = *look.Record;
  bool nine = rec.leftbottompoint != TPoint{};
  TBitmap b(w, nine ? h : RectHeight(rec.skinrect));
  if (nine) {
    Integer dw = w - RectWidth(rec.skinrect), dh = b.Height() - RectHeight(rec.skinrect);
    const TRect& c = rec.clientrect;
    CreateSkinImage2(rec.lefttoppoint, rec.righttoppoint, rec.leftbottompoint, rec.rightbottompoint, c,
                     rec.lefttoppoint, TPoint{rec.righttoppoint.X + dw, rec.righttoppoint.Y},
                     TPoint{rec.leftbottompoint.X, rec.leftbottompoint.Y + dh},
                     TPoint{rec.rightbottompoint.X + dw, rec.rightbottompoint.Y + dh},
                     TRect{c.Left, c.Top, c.Right + dw, c.Bottom + dh}, &b, look.Picture, rec.skinrect, w, b.Height(),
                     true, rec.leftstretch, rec.topstretch, rec.rightstretch, rec.bottomstretch, rec.stretcheffect,
                     rec.stretchtype);
  } else {
    CreateHSkinImage2(rec.lefttoppoint.X, RectWidth(rec.skinrect) - rec.righttoppoint.X, &b, look.Picture,
                      rec.skinrect, w, b.Height(), rec.stretcheffect);
  }
  canvas->Draw(r.Left, r.Top, &b);
}
