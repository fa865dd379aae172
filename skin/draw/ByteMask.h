// A mask kept as one byte per pixel (1 where the mask is black): the working
// form in which a window's border masks are composed for its region, without a
// bitmap per border. Its copier copies parts the way a canvas copies them and
// reports a copy it cannot make alike (one that would stretch or mirror), so the
// caller can compose through bitmaps instead.
#pragma once

#include <vector>

#include "platform/graphics/Bitmap.h"

class TspByteMask {
public:
  // A new size; every pixel outside the shape (as a new white mask).
  void SetSize(Integer width, Integer height);
  Integer Width() const { return width_; }
  Integer Height() const { return height_; }
  Byte* Row(Integer y) { return bits_.data() + Int64(y) * width_; }
  const Byte* Row(Integer y) const { return bits_.data() + Int64(y) * width_; }
  // The black pixels of a mask bitmap; false for an empty one.
  bool Read(TBitmap* mask);
  // Appends the runs of black pixels, offset, in row order.
  void AddRuns(Integer xOffset, Integer yOffset, std::vector<TRect>& runs) const;

private:
  std::vector<Byte> bits_;
  Integer width_ = 0;
  Integer height_ = 0;
};

class TspByteMaskCopier {
public:
  TspByteMaskCopier(TspByteMask* dest, const TspByteMask* source, const TRect&) : dest_(dest), source_(source) {}

  void Copy(const TRect& s, const TRect& t);
  void TileY(const TRect& s, const TRect& t);
  void TileXTimes(const TRect& s, const TRect& t, Int64 lastIndex);
  // False once a copy needed stretching or mirroring.
  bool Exact() const { return exact_; }

private:
  TspByteMask* dest_;          // borrowed
  const TspByteMask* source_;  // borrowed
  bool exact_ = true;
};
