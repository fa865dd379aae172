#include "skin/controls/buttons/ButtonLook.h"

#include "platform/controls/ActnList.h"
#include "platform/graphics/ImageList.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/draw/SkinImage.h"

void TspButtonLook::Read(const TspDataSkinButtonControl& record, const TRect& skinrect) {
  fontname = record.fontname, fontheight = record.fontheight, fontstyle = record.fontstyle;
  fontcolor = record.fontcolor, activefontcolor = record.activefontcolor;
  downfontcolor = record.downfontcolor;
  disabledfontcolor = record.disabledfontcolor == record.fontcolor ? clGray : record.disabledfontcolor;
  morphing = record.morphing, morphkind = record.morphkind;
  activeskinrect = record.activeskinrect.IsEmpty() ? skinrect : record.activeskinrect;
  downskinrect = record.downskinrect.IsEmpty() ? activeskinrect : record.downskinrect;
  focusedskinrect = record.focusedskinrect, disabledskinrect = record.disabledskinrect;
  animateskinrect = record.animateskinrect, framecount = record.framecount;
  animateinterval = record.animateinterval, showfocus = record.showfocus;
  menumarkerrect = record.menumarkerrect, menumarkerflatrect = record.menumarkerflatrect;
  menumarkeractiverect = record.menumarkeractiverect.IsEmpty() ? menumarkerrect : record.menumarkeractiverect;
  menumarkerdownrect = record.menumarkerdownrect.IsEmpty() ? menumarkeractiverect : record.menumarkerdownrect;
  menumarkertransparentcolor = record.menumarkertransparentcolor;
}

TRect TspButtonLook::AnimationFrame(Integer frame, const TRect& skinrect) const {
  if (framecount < 1 || frame < 1 || frame > framecount) return TRect{};
  const TRect& a = animateskinrect;
  if (a.Width() > skinrect.Width()) {
    Integer w = a.Width() / framecount;
    return TRect{a.Left + w * (frame - 1), a.Top, a.Left + w * frame, a.Bottom};
  }
  Integer h = a.Height() / framecount;
  return TRect{a.Left, a.Top + h * (frame - 1), a.Right, a.Top + h * frame};
}

TColor TspButtonLook::CaptionColor(bool enabled, bool aDown, bool aMouseIn, bool useSkinFontColor,
                                   TColor defaultColor) const {
  if (enabled && !useSkinFontColor) return defaultColor;
  if (!enabled) return disabledfontcolor;
  if (aDown && aMouseIn) return downfontcolor;
  if (aMouseIn) return activefontcolor;
  return fontcolor;
}

Integer ButtonGlyphNumber(Integer numGlyphs, bool enabled, bool aDown, bool aMouseIn) {
  if (aDown && aMouseIn && numGlyphs > 2) return 3;
  if (aMouseIn && numGlyphs > 3) return 4;
  if (!enabled && numGlyphs > 1) return 2;
  return 1;
}

void ComposeButtonPart(const TspSkinPiece& p, bool stretching, TBitmap* into, const TRect& state, Integer partWidth,
                       Integer height) {
  into->SetSize(partWidth, height);
  if (stretching) return CreateStretchImage(into, p.SkinPicture, state, p.clientrect, true);
  Integer dx = partWidth - p.skinrect.Width(), dy = height - p.skinrect.Height();
  TPoint rt{p.righttoppoint.X + dx, p.righttoppoint.Y}, lb{p.leftbottompoint.X, p.leftbottompoint.Y + dy};
  TPoint rb{p.rightbottompoint.X + dx, p.rightbottompoint.Y + dy};
  TRect client{p.clientrect.Left, p.clientrect.Top, p.clientrect.Right + dx, p.clientrect.Bottom + dy};
  CreateSkinImage(p.lefttoppoint, p.righttoppoint, p.leftbottompoint, p.rightbottompoint, p.clientrect,
                  p.lefttoppoint, rt, lb, rb, client, into, p.SkinPicture, state, partWidth, height, true,
                  p.leftstretch, p.topstretch, p.rightstretch, p.bottomstretch, p.stretcheffect, p.stretchtype);
}

TRect FreeSizeContentRect(const TspSkinPiece& piece, const TRect& state, Integer w, Integer h) {
  const TRect& c = piece.clientrect;
  return TRect{c.Left, c.Top, c.Right + w - state.Width(), c.Bottom + h - state.Height()};
}

TRect StretchButtonFace(const TspSkinPiece& piece, TBitmap* b, const TRect& state, Integer w, Integer h) {
  if (piece.ResizeMode == 0) {
    TBitmap whole;
    if (CopyPictureRect(whole, piece.SkinPicture, state)) b->Canvas()->StretchDraw(TRect{0, 0, w, h}, &whole);
  } else if (piece.ResizeMode == 2 || piece.ResizeMode == 3) {
    CreateStretchImage(b, piece.SkinPicture, state, piece.clientrect, true);
  }
  return FreeSizeContentRect(piece, state, w, h);
}

bool TakeActionGlyph(TBitmap* glyph, TObject* sender) {
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (!action || !glyph->Empty() || !action->Images()) return false;
  TCustomImageList* images = action->Images();
  if (action->ImageIndex() < 0 || action->ImageIndex() >= images->Count()) return false;
  glyph->SetSize(images->Width(), images->Height());
  glyph->Canvas()->Brush()->SetColor(clFuchsia);
  glyph->Canvas()->FillRect(TRect{0, 0, images->Width(), images->Height()});
  images->Draw(glyph->Canvas(), 0, 0, action->ImageIndex(), true);
  return true;
}
