// The one-dimensional strips, the background fill and the nine-part stretch.
#include "skin/draw/PieceCopier.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinRects.h"

namespace {

bool HasPicture(const TBitmap* dest, const TBitmap* source) { return dest && source && !source->Empty(); }

// The middle of a horizontal strip, from LOffset to W - ROffset of the piece
// (at least one column wide), stretched or tiled over left..right.
void HorizontalMiddle(TspPieceCopier& copier, Integer lOffset, Integer rOffset, Integer w, Integer h,
                      Integer left, Integer right, bool stretch) {
  Integer width = w - rOffset - lOffset;
  if (width == 0) width = 1;
  TRect middle{lOffset, 0, lOffset + width, h};
  TRect target{left, 0, right, copier.Dest()->Height()};
  copier.Edge(stretch, true, middle, target);
}

void HorizontalStrip(Integer lOffset, Integer rOffset, TBitmap* dest, TBitmap* source, const TRect& skinrect,
                     Integer aWidth, bool stretch, bool leftEnd, bool rightEnd) {
  if (!dest) return;
  Integer w = RectWidth(skinrect), h = RectHeight(skinrect);
  dest->SetSize(aWidth, h);
  if (!HasPicture(dest, source)) return;
  TspPieceCopier copier(dest, source, skinrect);
  Integer width = dest->Width(), height = dest->Height();
  if (leftEnd && lOffset != 0) copier.Copy({0, 0, lOffset, h}, {0, 0, lOffset, height});
  if (rightEnd && rOffset != 0) copier.Copy({w - rOffset, 0, w, h}, {width - rOffset, 0, width, height});
  Integer left = leftEnd ? lOffset : 0;
  Integer right = rightEnd ? width - rOffset : width;
  HorizontalMiddle(copier, lOffset, rOffset, w, h, left, right, stretch);
}

}  // namespace

void CreateHSkinImage(Integer LOffset, Integer ROffset, TBitmap* Dest, TBitmap* Source, TRect skinrect,
                      Integer AWidth, Integer, bool Stretch) {
  HorizontalStrip(LOffset, ROffset, Dest, Source, skinrect, AWidth, Stretch, true, true);
}

void CreateHSkinImage2(Integer LOffset, Integer ROffset, TBitmap* Dest, TBitmap* Source, TRect skinrect,
                       Integer AWidth, Integer, bool Stretch) {
  HorizontalStrip(LOffset, ROffset, Dest, Source, skinrect, AWidth, Stretch, true, false);
}

void CreateHSkinImage3(Integer LOffset, Integer ROffset, TBitmap* Dest, TBitmap* Source, TRect skinrect,
                       Integer AWidth, Integer, bool Stretch) {
  HorizontalStrip(LOffset, ROffset, Dest, Source, skinrect, AWidth, Stretch, false, false);
}

void CreateVSkinImage(Integer TOffset, Integer BOffset, TBitmap* Dest, TBitmap* Source, TRect skinrect, Integer,
                      Integer AHeight, bool Stretch) {
  if (!Dest) return;
  Integer w = RectWidth(skinrect), h = RectHeight(skinrect);
  Dest->SetSize(w, AHeight);
  if (!HasPicture(Dest, Source)) return;
  TspPieceCopier copier(Dest, Source, skinrect);
  Integer width = Dest->Width(), height = Dest->Height();
  if (TOffset != 0) copier.Copy({0, 0, w, TOffset}, {0, 0, width, TOffset});
  if (BOffset != 0) copier.Copy({0, h - BOffset, w, h}, {0, height - BOffset, width, height});
  copier.Edge(Stretch, false, TRect{0, TOffset, w, h - BOffset}, TRect{0, TOffset, width, height - BOffset});
}

void CreateSkinBG(TRect ClRect, TRect NewClRect, TBitmap* Dest, TBitmap* Source, TRect skinrect, Integer AWidth,
                  Integer AHeight, bool stretcheffect, TspStretchType StretchType) {
  if (!Dest) return;
  Dest->SetSize(AWidth, AHeight);
  if (NewClRect.Width() <= 0 || NewClRect.Height() <= 0 || !HasPicture(Dest, Source)) return;
  TspPieceCopier copier(Dest, Source, skinrect);
  if (stretcheffect) copier.StretchClient(ClRect, NewClRect, StretchType, false);
  else copier.Tile2D(ClRect, TRect{0, 0, NewClRect.Width(), NewClRect.Height()});
}

void CreateStretchImage(TBitmap* Dest, TBitmap* Source, TRect skinrect, TRect ClRect, bool DrawClient) {
  if (!Dest) return;
  const TRect& c = ClRect;
  Integer width = Dest->Width(), height = Dest->Height();
  TRect n{c.Left, c.Top, width - (RectWidth(skinrect) - c.Right), height - (RectHeight(skinrect) - c.Bottom)};
  CreateSkinImage({c.Left, c.Top}, {c.Right, c.Top}, {c.Left, c.Bottom}, {c.Right, c.Bottom}, c,
                  {n.Left, n.Top}, {n.Right, n.Top}, {n.Left, n.Bottom}, {n.Right, n.Bottom}, n, Dest, Source,
                  skinrect, width, height, DrawClient, true, true, true, true, true, spstFull);
}
