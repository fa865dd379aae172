// The four border pictures of a frame: top and bottom run the full width, left
// and right fill the height between them; the client is not drawn.
#include "skin/draw/PieceCopier.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinRects.h"

namespace {

struct Frame {
  TPoint LT, RT, LB, RB;
  TRect Cl;
  TPoint NLT, NRT, NLB, NRB;
  TRect NCl;
  Integer W, H, AWidth, AHeight;
};

void TopBorder(const Frame& f, TBitmap* top, TBitmap* source, const TRect& skinrect, bool stretch) {
  Integer th = f.NCl.Top;
  if (f.AWidth <= 0 || th <= 0 || f.RT.X - f.LT.X <= 0) return;
  top->SetSize(f.AWidth, th);
  TspPieceCopier copier(top, source, skinrect);
  TRect strip{f.LT.X, 0, f.RT.X, th};
  if (stretch) copier.Stretch(strip, TRect{f.NLT.X, 0, f.NRT.X, th});
  else copier.TileX(strip, TRect{0, 0, f.AWidth, th});
  copier.Copy({0, 0, f.LT.X, th}, {0, 0, f.NLT.X, th});
  copier.Copy({f.RT.X, 0, f.W, th}, {f.NRT.X, 0, f.AWidth, th});
}

void BottomBorder(const Frame& f, TBitmap* bottom, TBitmap* source, const TRect& skinrect, bool stretch) {
  Integer bh = f.AHeight - f.NCl.Bottom;
  if (f.AWidth <= 0 || bh <= 0 || f.RB.X - f.LB.X <= 0) return;
  bottom->SetSize(f.AWidth, bh);
  TspPieceCopier copier(bottom, source, skinrect);
  Integer top = f.H - bh;
  TRect strip{f.LB.X, top, f.RB.X, f.H};
  if (stretch) copier.Stretch(strip, TRect{f.NLB.X, 0, f.NRB.X, bh});
  else copier.TileX(strip, TRect{0, 0, f.AWidth, bh});
  copier.Copy({0, top, f.LB.X, f.H}, {0, 0, f.NLB.X, bh});
  copier.Copy({f.RB.X, top, f.W, f.H}, {f.NRB.X, 0, f.AWidth, bh});
}

// A side picture sh high: the middle strip from `startY` to `endY` of the
// columns left..right of the piece, with the fixed parts above and below it.
void SideBorder(const Frame& f, TBitmap* side, TBitmap* source, const TRect& skinrect, bool stretch,
                Integer left, Integer right, Integer width, Integer sh, Integer startY, Integer endY) {
  side->SetSize(width, sh);
  TspPieceCopier copier(side, source, skinrect);
  TRect strip{left, startY, right, endY};
  Integer above = startY - f.Cl.Top, below = f.Cl.Bottom - endY;
  if (stretch) copier.Stretch(strip, TRect{0, above, width, sh - below});
  else copier.TileY(strip, TRect{0, 0, width, sh});
  if (above > 0) copier.Copy({left, f.Cl.Top, right, startY}, {0, 0, width, above});
  if (below > 0) copier.Copy({left, endY, right, f.Cl.Bottom}, {0, sh - below, width, sh});
}

Integer SideHeight(const Frame& f, const TBitmap* top, const TBitmap* bottom) {
  return f.AHeight - bottom->Height() - top->Height();
}

}  // namespace

void CreateSkinBorderImages(TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                            TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint,
                            TRect NewClRect, TBitmap* LeftBitmap, TBitmap* TopBitmap, TBitmap* RightBitmap,
                            TBitmap* BottomBitmap, TBitmap* Source, TRect skinrect, Integer AWidth,
                            Integer AHeight, bool LeftStretch, bool TopStretch, bool RightStretch,
                            bool BottomStretch) {
  if (!LeftBitmap || !TopBitmap || !RightBitmap || !BottomBitmap || !Source || Source->Empty()) return;
  Frame f{LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect,
          RectWidth(skinrect), RectHeight(skinrect), AWidth, AHeight};
  TopBorder(f, TopBitmap, Source, skinrect, TopStretch);
  BottomBorder(f, BottomBitmap, Source, skinrect, BottomStretch);
  Integer lw = NewClRect.Left;
  Integer sh = SideHeight(f, TopBitmap, BottomBitmap);
  if (lw > 0 && sh > 0 && LBPoint.Y - LTPoint.Y > 0)
    SideBorder(f, LeftBitmap, Source, skinrect, LeftStretch, 0, lw, lw, sh, LTPoint.Y, LBPoint.Y);
  Integer rw = AWidth - NewClRect.Right;
  sh = SideHeight(f, TopBitmap, BottomBitmap);
  if (rw >= 1 && sh >= 1 && RBPoint.Y - RTPoint.Y >= 1)
    SideBorder(f, RightBitmap, Source, skinrect, RightStretch, ClRect.Right, f.W, rw, sh, RTPoint.Y, RBPoint.Y);
}
