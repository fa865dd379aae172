#include "skin/controls/SkinPiece.h"

#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinRects.h"

Integer TspSkinPiece::GetResizeMode() const {
  if (IsNullRect(skinrect)) return -1;
  if (rightbottompoint.X != 0 && rightbottompoint.Y != 0) return 1;
  if (righttoppoint != TPoint{}) return 2;
  if (leftbottompoint != TPoint{}) return 3;
  return 0;
}

Integer TspSkinPiece::CopyPiece(const TspDataSkinCustomControl& record) {
  lefttoppoint = record.lefttoppoint;
  righttoppoint = record.righttoppoint;
  leftbottompoint = record.leftbottompoint;
  rightbottompoint = record.rightbottompoint;
  skinrect = record.skinrect;
  clientrect = record.clientrect;
  stretcheffect = record.stretcheffect;
  leftstretch = record.leftstretch;
  topstretch = record.topstretch;
  rightstretch = record.rightstretch;
  bottomstretch = record.bottomstretch;
  stretchtype = record.stretchtype;
  return record.cursorindex;
}

void TspSkinPiece::CalcPieceSize(Integer& width, Integer& height, bool hasRecord) {
  Integer w = RectWidth(skinrect), h = RectHeight(skinrect);
  Integer dw = width - w, dh = height - h;
  const TRect& c = clientrect;
  switch (ResizeMode) {
    case 0:
      if (!hasRecord) return;
      width = w;
      height = h;
      RealClientRect = clientrect;
      return;
    case 1:
      SizedLeftTop = lefttoppoint;
      SizedRightTop = {righttoppoint.X + dw, righttoppoint.Y};
      SizedLeftBottom = {leftbottompoint.X, leftbottompoint.Y + dh};
      SizedRightBottom = {rightbottompoint.X + dw, rightbottompoint.Y + dh};
      RealClientRect = {c.Left, c.Top, c.Right + dw, c.Bottom + dh};
      return;
    case 2:
      height = h;
      SizedLeftTop = lefttoppoint;
      SizedRightTop = {righttoppoint.X + dw, righttoppoint.Y};
      RealClientRect = {c.Left, c.Top, c.Right + dw, c.Bottom};
      return;
    case 3:
      width = w;
      SizedLeftTop = lefttoppoint;
      SizedLeftBottom = {leftbottompoint.X, leftbottompoint.Y + dh};
      RealClientRect = {c.Left, c.Top, c.Right, c.Bottom + dh};
      return;
    default:
      return;
  }
}

namespace {

TRect Moved(TRect r, Integer dx, Integer dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

}  // namespace

TRect TspSkinPiece::MapRect(const TRect& r, Integer width, Integer height) const {
  Integer w = RectWidth(skinrect), h = RectHeight(skinrect);
  Integer dx = width - w, dy = height - h;
  const TPoint &lt = lefttoppoint, &rt = righttoppoint, &lb = leftbottompoint, &rb = rightbottompoint;
  TRect result = r;
  if (ResizeMode == 1) {
    TRect ltr{0, 0, lt.X, lt.Y}, lbr{0, lb.Y, lb.X, h}, rtr{rt.X, 0, w, rt.Y}, rbr{rb.X, rb.Y, w, h};
    if (RectInRect(r, ltr)) return r;
    if (RectInRect(r, rtr)) return Moved(r, dx, 0);
    if (RectInRect(r, lbr)) return Moved(r, 0, dy);
    if (RectInRect(r, rbr)) return Moved(r, dx, dy);
    TPoint p1 = r.TopLeft(), p2 = r.BottomRight();
    if (PointInRect(ltr, p1) && PointInRect(rbr, p2)) {
      result.Right += dx;
      result.Bottom += dy;
    } else if (PointInRect(ltr, p1) && PointInRect(rtr, p2)) {
      result.Right += dx;
    } else if (PointInRect(lbr, p1) && PointInRect(rbr, p2)) {
      result.Right += dx;
      result = Moved(result, 0, dy);
    } else if (PointInRect(ltr, p1) && PointInRect(lbr, p2)) {
      result.Bottom += dy;
    } else if (PointInRect(rtr, p1) && PointInRect(rbr, p2)) {
      result = Moved(result, dx, 0);
      result.Bottom += dy;
    }
    return result;
  }
  if (ResizeMode == 2) {
    if (r.Left <= lt.X && r.Right >= rt.X) result.Right += dx;
    else if (r.Left >= rt.X && r.Right > rt.X) result = Moved(r, dx, 0);
  } else if (ResizeMode == 3) {
    if (r.Top <= lt.Y && r.Bottom >= lb.Y) result.Bottom += dy;
    else if (r.Top >= lb.Y && r.Bottom > lb.Y) result = Moved(r, 0, dy);
  }
  return result;
}

void TspSkinPiece::ComposePiece(TBitmap* b, TBitmap* picture, const TRect& r, Integer width, Integer height,
                                bool bordersOnly) const {
  if (!b || !picture) return;
  Integer w = RectWidth(skinrect), h = RectHeight(skinrect);
  switch (ResizeMode) {
    case 0:
      b->SetSize(RectWidth(r), RectHeight(r));
      b->Canvas()->CopyRect(TRect{0, 0, b->Width(), b->Height()}, picture->Canvas(), r);
      return;
    case 1:
      if (bordersOnly) return;
      CreateSkinImage(lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint, clientrect, SizedLeftTop,
                      SizedRightTop, SizedLeftBottom, SizedRightBottom, RealClientRect, b, picture, r, width, height,
                      true, leftstretch, topstretch, rightstretch, bottomstretch, stretcheffect, stretchtype);
      return;
    case 2:
      CreateHSkinImage(lefttoppoint.X, w - righttoppoint.X, b, picture, r, width, height, stretcheffect);
      return;
    case 3:
      CreateVSkinImage(lefttoppoint.Y, h - leftbottompoint.Y, b, picture, r, width, height, stretcheffect);
      return;
    default:
      return;
  }
}
