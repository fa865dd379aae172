// A map of 16.16 displacement vectors: cell access plain and clipped (S), in
// floats, and interpolated at sub-cell positions (X in 16.16, F in floats);
// merging another map by a combine mode; and the Photoshop mesh file.
#pragma once

#include <vector>

#include "imaging/GR32.h"
#include "platform/io/Streams.h"

enum TVectorCombineMode { vcmAdd, vcmReplace, vcmCustom };
// (source vector, progress in 16.16 from -1 to 1 over the rectangle, base vector)
using TVectorCombineEvent = TEvent<const TFixedPoint&, const TFixedPoint&, TFixedPoint&>;

class TVectorMap : public TCustomMap {
public:
  ~TVectorMap() override;
  bool Empty() const override { return Width() == 0 || Height() == 0 || vectors_.empty(); }
  TRect BoundsRect() const { return TRect{0, 0, Width(), Height()}; }
  TFixedPoint* Vectors() { return vectors_.data(); }

  TFixedPoint GetFixedVector(Integer x, Integer y) const { return vectors_[Index(x, y)]; }
  void SetFixedVector(Integer x, Integer y, const TFixedPoint& v) { vectors_[Index(x, y)] = v; }
  TFixedPoint GetFixedVectorS(Integer x, Integer y) const;
  void SetFixedVectorS(Integer x, Integer y, const TFixedPoint& v);
  TFloatPoint GetFloatVector(Integer x, Integer y) const { return FloatPoint(GetFixedVector(x, y)); }
  void SetFloatVector(Integer x, Integer y, const TFloatPoint& v) { SetFixedVector(x, y, FixedPoint(v)); }
  TFloatPoint GetFloatVectorS(Integer x, Integer y) const { return FloatPoint(GetFixedVectorS(x, y)); }
  void SetFloatVectorS(Integer x, Integer y, const TFloatPoint& v) { SetFixedVectorS(x, y, FixedPoint(v)); }
  // Bilinear at a 16.16 position; reading outside gives (0, 0). The S forms count
  // missing neighbours as zero vectors and write only cells inside the map.
  TFixedPoint GetFixedVectorX(TFixed x, TFixed y) const;
  TFixedPoint GetFixedVectorXS(TFixed x, TFixed y) const;
  void SetFixedVectorX(TFixed x, TFixed y, const TFixedPoint& v);
  void SetFixedVectorXS(TFixed x, TFixed y, const TFixedPoint& v);
  TFloatPoint GetFloatVectorF(float x, float y) const { return FloatPoint(GetFixedVectorX(Fixed(x), Fixed(y))); }
  TFloatPoint GetFloatVectorFS(float x, float y) const { return FloatPoint(GetFixedVectorXS(Fixed(x), Fixed(y))); }
  void SetFloatVectorF(float x, float y, const TFloatPoint& v) { SetFixedVectorX(Fixed(x), Fixed(y), FixedPoint(v)); }
  void SetFloatVectorFS(float x, float y, const TFloatPoint& v) {
    SetFixedVectorXS(Fixed(x), Fixed(y), FixedPoint(v));
  }

  void Clear();
  TVectorCombineMode VectorCombineMode() const { return combineMode_; }
  void SetVectorCombineMode(TVectorCombineMode value);
  TVectorCombineEvent OnVectorCombine;

  // Combines Src's cells from SrcRect's top-left on into this map at (dstLeft,
  // dstTop), by Src's combine mode.
  void Merge(Integer dstLeft, Integer dstTop, TVectorMap* src, TRect srcRect);
  // The bounds of the non-zero vectors, Right and Bottom exclusive; (0, 0, 0, 0)
  // when every vector is zero.
  TRect GetTrimmedBounds() const;

  // The Photoshop mesh file. Loading refuses a file that is missing, too short,
  // of another format or whose sizes do not fit its length, and then leaves the
  // map as it was.
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName) const;
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;

protected:
  void ChangeSize(Integer& width, Integer& height, Integer newWidth, Integer newHeight) override;

private:
  size_t Index(Integer x, Integer y) const { return size_t(x) + size_t(y) * size_t(Width()); }
  bool Inside(Integer x, Integer y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
  std::vector<TFixedPoint> vectors_;
  TVectorCombineMode combineMode_ = vcmAdd;
};
