// Window regions from skin masks: black pixels belong to the window, every other
// colour is cut away. A mask is scanned row by row into runs of black pixels; a
// resizable piece's mask is composed for a target size the way its picture is.
// Every region returned belongs to the caller.
#pragma once

#include <vector>

#include "platform/graphics/Bitmap.h"

// The runs of black pixels of the mask, offset by (xOffset, yOffset), in row
// order, left to right; as many as the mask holds.
std::vector<TRect> MaskRuns(TBitmap* mask, Integer xOffset, Integer yOffset);
// A 32-bit mask is scanned in its own pixel memory (true) or, like every other
// format, through a 24-bit copy (false: the reference path tests compare with).
extern bool SP_DirectMaskScan;
// The region of the runs (owned by the caller).
HRGN RegionFromRuns(const std::vector<TRect>& runs);
// Region data (RGNDATA, for ExtCreateRegion) of the mask's runs; returns its size
// in bytes, or 0 for an empty mask (data is then left as it was).
Integer CreateRgnFromBmp(TBitmap* Mask, Integer XOffset, Integer YOffset, std::vector<Byte>& Data);
// The region of the mask's black pixels at (0, 0); nullptr for an empty mask.
void CreateSkinSimplyRegion(HRGN& Rgn, TBitmap* Mask);
// The four border masks of a piece's mask for a target AWidth wide, always tiled
// (AHeight is not used). A mask whose piece is absent keeps its size and pixels.
void CreateSkinMask(TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                    TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint, TRect NewClRect,
                    TBitmap* Mask, TBitmap* TopMask, TBitmap* LeftMask, TBitmap* RightMask, TBitmap* BottomMask,
                    Integer AWidth, Integer AHeight);
// CreateSkinRegion composes the border masks one byte per pixel (true) or, like
// CreateSkinMask, as bitmaps (false: the reference path tests compare with).
extern bool SP_ByteMaskRegions;
// The region of a window of AWidth x AHeight: its border masks' black pixels and
// the target client rectangle. nullptr when the target is smaller than its
// corners or the client rectangle has no area.
void CreateSkinRegion(HRGN& Rgn, TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                      TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint, TRect NewClRect,
                      TBitmap* Mask, Integer AWidth, Integer AHeight);
