#include "skin/draw/SkinImage.h"

#include "skin/draw/PieceCopier.h"
#include "skin/draw/SkinRects.h"

namespace {

// The corner points and client rectangle of a piece, in source or target coordinates.
struct NinePart {
  TPoint LT, RT, LB, RB;
  TRect Cl;
};

struct Composition {
  NinePart src, dst;
  Integer W, H;            // the piece's size
  Integer AWidth, AHeight;  // the target's size
};

void DrawTopEdge(TspPieceCopier& copier, const Composition& c, bool stretch, Integer right) {
  copier.Edge(stretch, true, TRect{c.src.LT.X, 0, c.src.RT.X, c.src.Cl.Top},
              TRect{c.dst.LT.X, 0, right, c.dst.Cl.Top});
}

void DrawBottomEdge(TspPieceCopier& copier, const Composition& c, bool stretch, Integer right) {
  copier.Edge(stretch, true, TRect{c.src.LB.X, c.src.Cl.Bottom, c.src.RB.X, c.H},
              TRect{c.dst.LB.X, c.dst.Cl.Bottom, right, c.AHeight});
}

// A tiled left edge reads the source columns up to the target's client left.
void DrawLeftEdge(TspPieceCopier& copier, const Composition& c, bool stretch) {
  Integer sourceRight = stretch ? c.src.Cl.Left : c.dst.Cl.Left;
  copier.Edge(stretch, false, TRect{0, c.src.LT.Y, sourceRight, c.src.LB.Y},
              TRect{0, c.dst.LT.Y, c.dst.Cl.Left, c.dst.LB.Y});
}

void DrawRightEdge(TspPieceCopier& copier, const Composition& c, bool stretch) {
  copier.Edge(stretch, false, TRect{c.src.Cl.Right, c.src.RT.Y, c.W, c.src.RB.Y},
              TRect{c.dst.Cl.Right, c.dst.RT.Y, c.AWidth, c.dst.RB.Y});
}

// Corner pieces by their number (1..8): source and target rectangles.
void DrawCorner(TspPieceCopier& copier, const Composition& c, int number) {
  const NinePart& s = c.src;
  const NinePart& d = c.dst;
  switch (number) {
    case 1: return copier.Copy({0, 0, s.LT.X, s.Cl.Top}, {0, 0, d.LT.X, d.Cl.Top});
    case 2: return copier.Copy({0, s.Cl.Top, s.Cl.Left, s.LT.Y}, {0, d.Cl.Top, d.Cl.Left, d.LT.Y});
    case 3: return copier.Copy({s.RT.X, 0, c.W, s.Cl.Top}, {d.RT.X, 0, c.AWidth, d.Cl.Top});
    case 4: return copier.Copy({s.Cl.Right, s.Cl.Top, c.W, s.RT.Y}, {d.Cl.Right, d.Cl.Top, c.AWidth, d.RT.Y});
    case 5: return copier.Copy({0, s.LB.Y, s.Cl.Left, c.H}, {0, d.LB.Y, d.Cl.Left, c.AHeight});
    case 6: return copier.Copy({s.Cl.Left, s.Cl.Bottom, s.LB.X, c.H}, {d.Cl.Left, d.Cl.Bottom, d.LB.X, c.AHeight});
    case 7: return copier.Copy({s.RB.X, s.Cl.Bottom, c.W, c.H}, {d.RB.X, d.Cl.Bottom, c.AWidth, c.AHeight});
    case 8: return copier.Copy({s.Cl.Right, s.RB.Y, c.W, s.Cl.Bottom}, {d.Cl.Right, d.RB.Y, c.AWidth, d.Cl.Bottom});
    default: return;
  }
}

void DrawClient(TspPieceCopier& copier, const TRect& client, const TRect& target, bool stretcheffect,
                TspStretchType type) {
  if (stretcheffect) copier.StretchClient(client, target, type, true);
  else copier.Tile2D(client, target);
}

bool StartComposition(const Composition& c, TBitmap* dest, TBitmap* source) {
  dest->SetSize(c.AWidth, c.AHeight);
  return c.src.RB.X != c.src.LT.X && c.src.RB.Y != c.src.LT.Y && source && !source->Empty();
}

}  // namespace

void CreateSkinImage(TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                     TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint, TRect NewClRect,
                     TBitmap* Dest, TBitmap* Source, TRect skinrect, Integer AWidth, Integer AHeight,
                     bool DrawClientArea, bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                     bool stretcheffect, TspStretchType StretchType) {
  Composition c{{LTPoint, RTPoint, LBPoint, RBPoint, ClRect},
                {NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect},
                RectWidth(skinrect), RectHeight(skinrect), AWidth, AHeight};
  if (!Dest || !StartComposition(c, Dest, Source)) return;
  TspPieceCopier copier(Dest, Source, skinrect);
  DrawTopEdge(copier, c, TopStretch, NewRTPoint.X);
  DrawBottomEdge(copier, c, BottomStretch, NewRBPoint.X);
  DrawLeftEdge(copier, c, LeftStretch);
  DrawRightEdge(copier, c, RightStretch);
  for (int corner = 1; corner <= 8; ++corner) DrawCorner(copier, c, corner);
  if (DrawClientArea) DrawClient(copier, ClRect, NewClRect, stretcheffect, StretchType);
}

void CreateSkinImageBS(TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                       TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint,
                       TRect NewClRect, TBitmap* Dest, TBitmap* Source, TRect skinrect, Integer AWidth,
                       Integer AHeight, bool DrawClientArea, bool LeftStretch, bool TopStretch, bool RightStretch,
                       bool BottomStretch, bool stretcheffect, TspStretchType StretchType) {
  CreateSkinImage(LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                  NewClRect, Dest, Source, skinrect, AWidth, AHeight, DrawClientArea, LeftStretch, TopStretch,
                  RightStretch, BottomStretch, stretcheffect, StretchType);
}

void CreateSkinImage2(TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                      TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint, TRect NewClRect,
                      TBitmap* Dest, TBitmap* Source, TRect skinrect, Integer AWidth, Integer AHeight,
                      bool DrawClientArea, bool LeftStretch, bool TopStretch, bool, bool BottomStretch,
                      bool stretcheffect, TspStretchType StretchType) {
  Composition c{{LTPoint, RTPoint, LBPoint, RBPoint, ClRect},
                {NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect},
                RectWidth(skinrect), RectHeight(skinrect), AWidth, AHeight};
  if (!Dest || !StartComposition(c, Dest, Source)) return;
  TspPieceCopier copier(Dest, Source, skinrect);
  DrawTopEdge(copier, c, TopStretch, AWidth);
  DrawBottomEdge(copier, c, BottomStretch, AWidth);
  DrawLeftEdge(copier, c, LeftStretch);
  for (int corner : {1, 2, 5, 6}) DrawCorner(copier, c, corner);
  if (DrawClientArea)
    DrawClient(copier, ClRect, TRect{NewClRect.Left, NewClRect.Top, AWidth, NewClRect.Bottom}, stretcheffect,
               StretchType);
}
