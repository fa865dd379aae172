// The nine-part piece geometry a skinned control copies from its record: the
// four corner points, the piece and client rectangles, the stretch flags, the
// resize mode they decide, and the same geometry mapped onto the control's size.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "skin/data/ControlRecords.h"

class TspSkinPiece {
public:
  // -1 no usable piece, 0 fixed, 1 both ways, 2 horizontal strip, 3 vertical strip.
  Integer GetResizeMode() const;
  // Copies the record's geometry, in the record's order; answers its cursor index.
  Integer CopyPiece(const TspDataSkinCustomControl& record);
  // Corrects a size to the piece (mode 0 both, 2 the height, 3 the width) and maps
  // the corner points and client rectangle onto it. Mode 0 only with a record.
  void CalcPieceSize(Integer& width, Integer& height, bool hasRecord);
  // A rectangle of the piece moved onto a control of width x height.
  TRect MapRect(const TRect& r, Integer width, Integer height) const;
  // Composes the piece r of picture into b at width x height by the resize mode;
  // mode 1 draws nothing when `bordersOnly` (the caller composes the borders).
  void ComposePiece(TBitmap* b, TBitmap* picture, const TRect& r, Integer width, Integer height,
                    bool bordersOnly) const;

  TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TRect skinrect;
  TRect clientrect;
  TPoint SizedLeftTop, SizedRightTop, SizedLeftBottom, SizedRightBottom;
  TRect RealClientRect;
  TBitmap* SkinPicture = nullptr;  // borrowed from the skin container's pictures
  Integer ResizeMode = 0;
  bool stretcheffect = false;
  bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
  TspStretchType stretchtype = spstFull;
};
