// Points, sizes and rectangles of the component layer, laid out like the Win32
// POINT, SIZE and RECT records so they pass to GDI unchanged.
#pragma once

#include "platform/core/System.h"

struct TPoint {
  Integer X = 0;
  Integer Y = 0;

  friend bool operator==(const TPoint& a, const TPoint& b) { return a.X == b.X && a.Y == b.Y; }
  friend bool operator!=(const TPoint& a, const TPoint& b) { return !(a == b); }
};

struct TSize {
  Integer cx = 0;
  Integer cy = 0;

  friend bool operator==(const TSize& a, const TSize& b) { return a.cx == b.cx && a.cy == b.cy; }
  friend bool operator!=(const TSize& a, const TSize& b) { return !(a == b); }
};

// Right and Bottom are exclusive, as in GDI.
struct TRect {
  Integer Left = 0;
  Integer Top = 0;
  Integer Right = 0;
  Integer Bottom = 0;

  Integer Width() const { return Right - Left; }
  Integer Height() const { return Bottom - Top; }
  TPoint TopLeft() const { return TPoint{Left, Top}; }
  TPoint BottomRight() const { return TPoint{Right, Bottom}; }
  // True unless Left < Right and Top < Bottom.
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(const TPoint& p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }

  friend bool operator==(const TRect& a, const TRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
  }
  friend bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }
};

inline TPoint Point(Integer x, Integer y) { return TPoint{x, y}; }
inline TSize Size(Integer cx, Integer cy) { return TSize{cx, cy}; }
inline TRect Rect(Integer left, Integer top, Integer right, Integer bottom) { return TRect{left, top, right, bottom}; }
inline TRect Rect(const TPoint& topLeft, const TPoint& bottomRight) {
  return TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}
inline TRect Bounds(Integer left, Integer top, Integer width, Integer height) {
  return TRect{left, top, left + width, top + height};
}
