// Composition of skin pieces: a rectangle of a skin picture with four corner
// points and a client rectangle, drawn at any size with fixed corners, edges
// stretched or tiled and the client tiled or stretched; also the one-dimensional
// strips, a background fill, a nine-part stretch and the four border pictures of
// a frame. Points and client rectangles are relative to the piece (source) or to
// the target bitmap (target); pieces of zero length are skipped, never divided by.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "skin/data/SkinTypes.h"

void CreateSkinImage(TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                     TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint, TRect NewClRect,
                     TBitmap* Dest, TBitmap* Source, TRect skinrect, Integer AWidth, Integer AHeight,
                     bool DrawClient, bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                     bool stretcheffect, TspStretchType StretchType);
// The same result as CreateSkinImage.
void CreateSkinImageBS(TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                       TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint,
                       TRect NewClRect, TBitmap* Dest, TBitmap* Source, TRect skinrect, Integer AWidth,
                       Integer AHeight, bool DrawClient, bool LeftStretch, bool TopStretch, bool RightStretch,
                       bool BottomStretch, bool stretcheffect, TspStretchType StretchType);
// A piece without its right column, its top, bottom and client run to AWidth.
void CreateSkinImage2(TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                      TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint, TRect NewClRect,
                      TBitmap* Dest, TBitmap* Source, TRect skinrect, Integer AWidth, Integer AHeight,
                      bool DrawClient, bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                      bool stretcheffect, TspStretchType StretchType);

// Nine-part stretch with the corners given by ClRect, at Dest's present size.
void CreateStretchImage(TBitmap* Dest, TBitmap* Source, TRect skinrect, TRect ClRect, bool DrawClient);
// Horizontal strip AWidth wide and as high as the piece: fixed ends of LOffset and
// ROffset, middle stretched or tiled (AHeight is not used).
void CreateHSkinImage(Integer LOffset, Integer ROffset, TBitmap* Dest, TBitmap* Source, TRect skinrect,
                      Integer AWidth, Integer AHeight, bool Stretch);
// Without the right end.
void CreateHSkinImage2(Integer LOffset, Integer ROffset, TBitmap* Dest, TBitmap* Source, TRect skinrect,
                       Integer AWidth, Integer AHeight, bool Stretch);
// Without either end.
void CreateHSkinImage3(Integer LOffset, Integer ROffset, TBitmap* Dest, TBitmap* Source, TRect skinrect,
                       Integer AWidth, Integer AHeight, bool Stretch);
// Vertical strip as wide as the piece and AHeight high (AWidth is not used).
void CreateVSkinImage(Integer TOffset, Integer BOffset, TBitmap* Dest, TBitmap* Source, TRect skinrect,
                      Integer AWidth, Integer AHeight, bool Stretch);
// AWidth x AHeight filled from the client piece.
void CreateSkinBG(TRect ClRect, TRect NewClRect, TBitmap* Dest, TBitmap* Source, TRect skinrect, Integer AWidth,
                  Integer AHeight, bool stretcheffect, TspStretchType StretchType);
// The four border pictures of a frame of AWidth x AHeight (no client).
void CreateSkinBorderImages(TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                            TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint,
                            TRect NewClRect, TBitmap* LeftBitmap, TBitmap* TopBitmap, TBitmap* RightBitmap,
                            TBitmap* BottomBitmap, TBitmap* Source, TRect skinrect, Integer AWidth,
                            Integer AHeight, bool LeftStretch, bool TopStretch, bool RightStretch,
                            bool BottomStretch);
